#pragma once

// Conversions between the service's text values and the record field types.
// Every one of them accepts any text without failing: the service's answers
// are outside input.

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "service/date_time.h"

namespace lumar {

// The decimal value of the text's leading digits: blanks before them and one
// sign are allowed, no digits gives 0, values beyond 32 bits saturate.
std::int32_t LongFromText(std::string_view text);

// Nonzero as a long is true; "false" has no digits and reads as false.
bool BoolFromText(std::string_view text);

// Seconds since 1970-01-01 00:00 UTC for a count of 100-nanosecond ticks
// since 0001-01-01 00:00, read from the text's leading digits (64 bits,
// saturating). The service's ticks are one hour ahead of that epoch, so one
// extra hour is taken off whatever the local time zone.
std::int64_t SecondsFromTicks(std::string_view ticks);

// The local date and time of a tick count; invalid before 1970-01-01 00:00
// UTC, after the year 9999, or when the local conversion fails.
DateTime DateTimeFromTicks(std::string_view ticks);

// The local date and time of seconds since 1970-01-01 00:00 UTC, with the
// same validity rules.
DateTime DateTimeFromSeconds(std::int64_t seconds);

// Request values: a long as "%ld", a bool as "1" or "0".
std::string LongToText(std::int32_t value);
std::string BoolToText(bool value);

// A result value into the member that holds it, by the conversions above
// (a date-time from its ticks).
void StoreValue(std::int32_t& member, std::string_view text);
void StoreValue(bool& member, std::string_view text);
void StoreValue(std::string& member, std::string_view text);
void StoreValue(DateTime& member, std::string_view text);

}  // namespace lumar
