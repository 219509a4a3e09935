#pragma once

// A local calendar date and time as the service's records carry them: the
// fields of the local time plus a valid flag. A default DateTime is the zero
// point of the date type, 30 December 1899 00:00, and counts as valid.

#include <cstdint>

namespace lumar {

struct DateTime {
    std::int32_t Year = 1899;
    std::int32_t Month = 12;  // 1-12
    std::int32_t Day = 30;    // 1-31
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Second = 0;
    bool Valid = true;

    // An invalid date-time: the fields keep the zero point, Valid is false.
    static DateTime Invalid() {
        DateTime dt;
        dt.Valid = false;
        return dt;
    }

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

}  // namespace lumar
