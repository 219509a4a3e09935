#include "service/ws_values.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <ostream>
#include <string>

namespace lumar {

void PrintTo(const DateTime& dt, std::ostream* os) {
    *os << dt.Year << '-' << dt.Month << '-' << dt.Day << ' ' << dt.Hour << ':' << dt.Minute << ':'
        << dt.Second << (dt.Valid ? "" : " (invalid)");
}

namespace {

struct LongCase {
    const char* text;
    std::int32_t value;
};

class LongFromTextTest : public testing::TestWithParam<LongCase> {};

TEST_P(LongFromTextTest, ReadsLeadingDigits) {
    EXPECT_EQ(LongFromText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, LongFromTextTest,
                         testing::Values(LongCase{"0", 0}, LongCase{"42", 42}, LongCase{"-17", -17},
                                         LongCase{"+8", 8}, LongCase{"  12", 12},
                                         LongCase{"12abc", 12}, LongCase{"0 ", 0}, LongCase{"", 0},
                                         LongCase{"abc", 0}, LongCase{"-", 0}, LongCase{"--1", 0},
                                         LongCase{"1.9", 1}, LongCase{"2147483647", 2147483647},
                                         LongCase{"2147483648", 2147483647},
                                         LongCase{"-2147483648", INT32_MIN},
                                         LongCase{"-99999999999999999999", INT32_MIN}));

struct BoolCase {
    const char* text;
    bool value;
};

class BoolFromTextTest : public testing::TestWithParam<BoolCase> {};

TEST_P(BoolFromTextTest, NonzeroIsTrue) {
    EXPECT_EQ(BoolFromText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, BoolFromTextTest,
                         testing::Values(BoolCase{"1", true}, BoolCase{"0", false},
                                         BoolCase{"2", true}, BoolCase{"-1", true},
                                         BoolCase{"true", false}, BoolCase{"false", false},
                                         BoolCase{"", false}));

TEST(RequestValues, LongsAndBoolsAsTheServiceReadsThem) {
    EXPECT_EQ(LongToText(0), "0");
    EXPECT_EQ(LongToText(-42), "-42");
    EXPECT_EQ(LongToText(INT32_MAX), "2147483647");
    EXPECT_EQ(BoolToText(true), "1");
    EXPECT_EQ(BoolToText(false), "0");
}

// Runs a test body under a given TZ and restores the process's zone after.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            saved_ = old;
            hadZone_ = true;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() {
        if (hadZone_) {
            setenv("TZ", saved_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    std::string saved_;
    bool hadZone_ = false;
};

struct TicksCase {
    const char* zone;
    const char* ticks;
    std::int64_t seconds;
    DateTime expected;
};

DateTime At(int y, int mo, int d, int h, int mi, int s) {
    return DateTime{y, mo, d, h, mi, s, true};
}

class TicksTest : public testing::TestWithParam<TicksCase> {};

TEST_P(TicksTest, ConvertsWithTheFixedHour) {
    const auto& c = GetParam();
    TimeZone zone(c.zone);
    EXPECT_EQ(SecondsFromTicks(c.ticks), c.seconds);
    EXPECT_EQ(DateTimeFromTicks(c.ticks), c.expected) << c.ticks << " in " << c.zone;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TicksTest,
    testing::Values(
        // The epoch plus the service's hour is 1970-01-01 00:00 UTC.
        TicksCase{"UTC0", "621356004000000000", 0, At(1970, 1, 1, 0, 0, 0)},
        // The same instant in a zone one hour east of UTC.
        TicksCase{"CET-1", "621356004000000000", 0, At(1970, 1, 1, 1, 0, 0)},
        // Midnight of 1970-01-01 in ticks lies an hour before the epoch: invalid.
        TicksCase{"UTC0", "621355968000000000", -3600, DateTime::Invalid()},
        TicksCase{"UTC0", "0", -62135600400, DateTime::Invalid()},
        TicksCase{"UTC0", "", -62135600400, DateTime::Invalid()},
        // Sub-second ticks are truncated.
        TicksCase{"UTC0", "621356004009999999", 0, At(1970, 1, 1, 0, 0, 0)},
        // 2024-02-29 12:34:56 UTC.
        TicksCase{"UTC0", "638448104960000000", 1709210096, At(2024, 2, 29, 12, 34, 56)},
        // Beyond the year 9999 the date type has no value.
        TicksCase{"UTC0", "9223372036854775807", 922337203685 - 62135600400, DateTime::Invalid()}));

TEST(DateTime, DefaultIsTheValidZeroPoint) {
    const DateTime zero;
    EXPECT_EQ(zero, At(1899, 12, 30, 0, 0, 0));
    EXPECT_TRUE(zero.Valid);
    EXPECT_FALSE(DateTime::Invalid().Valid);
}

}  // namespace
}  // namespace lumar
