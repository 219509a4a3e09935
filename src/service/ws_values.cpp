#include "service/ws_values.h"

#include <limits>

#include "protocol/wire_values.h"

namespace lumar {

namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
// Seconds from 0001-01-01 to 1970-01-01 (62,135,596,800) plus the service's
// fixed extra hour.
constexpr std::int64_t kTickEpochOffset = 62'135'596'800 + 3'600;
// 9999-12-31 23:59:59 UTC: the last second the date type can show.
constexpr std::int64_t kLastSecond = 253'402'300'799;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Leading blanks, one optional sign, then decimal digits; saturates at the
// limits of `Int` instead of overflowing.
template <typename Int>
Int LeadingInteger(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr Int kMax = std::numeric_limits<Int>::max();
    constexpr Int kMin = std::numeric_limits<Int>::min();
    Int value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        const Int digit = text[pos] - '0';
        if (negative) {
            if (value < (kMin + digit) / 10) {
                return kMin;
            }
            value = value * 10 - digit;
        } else {
            if (value > (kMax - digit) / 10) {
                return kMax;
            }
            value = value * 10 + digit;
        }
    }
    return value;
}

}  // namespace

std::int32_t LongFromText(std::string_view text) {
    return LeadingInteger<std::int32_t>(text);
}

bool BoolFromText(std::string_view text) {
    return LongFromText(text) != 0;
}

std::int64_t SecondsFromTicks(std::string_view ticks) {
    // Division truncates toward zero, as the service's own arithmetic does.
    return LeadingInteger<std::int64_t>(ticks) / kTicksPerSecond - kTickEpochOffset;
}

DateTime DateTimeFromSeconds(std::int64_t seconds) {
    if (seconds < 0 || seconds > kLastSecond) {
        return DateTime::Invalid();
    }
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) {
        return DateTime::Invalid();
    }
    DateTime dt;
    dt.Year = local.tm_year + 1900;
    dt.Month = local.tm_mon + 1;
    dt.Day = local.tm_mday;
    dt.Hour = local.tm_hour;
    dt.Minute = local.tm_min;
    dt.Second = local.tm_sec;
    dt.Valid = true;
    return dt;
}

DateTime DateTimeFromTicks(std::string_view ticks) {
    return DateTimeFromSeconds(SecondsFromTicks(ticks));
}

std::string LongToText(std::int32_t value) {
    return protocol::WireLong(value);
}

std::string BoolToText(bool value) {
    return protocol::WireBool(value);
}

void StoreValue(std::int32_t& member, std::string_view text) {
    member = LongFromText(text);
}

void StoreValue(bool& member, std::string_view text) {
    member = BoolFromText(text);
}

void StoreValue(std::string& member, std::string_view text) {
    member = text;
}

void StoreValue(DateTime& member, std::string_view text) {
    member = DateTimeFromTicks(text);
}

}  // namespace lumar
