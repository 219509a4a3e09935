#pragma once

// The print parameter record handed to "print document with parameters":
// 1184 bytes, zero except for the fields below. The meaning of the constant
// fields is the host's; callers fill them with the values they were given.

#include <cstddef>
#include <cstdint>

namespace lumar::host {

struct PrintParams {
    std::uint32_t size = sizeof(PrintParams);  // 0
    std::uint16_t interactive = 0;             // 4: 1 shows the host's print dialog
    std::uint16_t field6 = 0;                  // 6
    std::int32_t firstPage = 0;                // 8: page index
    std::int32_t lastPage = 0;                 // 12: page index
    std::uint8_t reserved16[40] = {};
    std::uint16_t field56 = 0;  // 56
    std::uint8_t reserved58[6] = {};
    std::uint16_t field64 = 0;  // 64
    std::uint8_t reserved66[22] = {};
    std::int32_t field88 = 0;  // 88
    std::uint8_t reserved92[812] = {};
    std::uint16_t result = 0;  // 904: set by the host; 0 when printing succeeded
    std::uint16_t reserved906 = 0;
    std::uint32_t ownerWindow = 0;  // 908: a host window
    std::uint8_t reserved912[272] = {};
};

static_assert(sizeof(PrintParams) == 1184);
static_assert(offsetof(PrintParams, interactive) == 4);
static_assert(offsetof(PrintParams, field6) == 6);
static_assert(offsetof(PrintParams, firstPage) == 8);
static_assert(offsetof(PrintParams, lastPage) == 12);
static_assert(offsetof(PrintParams, field56) == 56);
static_assert(offsetof(PrintParams, field64) == 64);
static_assert(offsetof(PrintParams, field88) == 88);
static_assert(offsetof(PrintParams, result) == 904);
static_assert(offsetof(PrintParams, ownerWindow) == 908);

}  // namespace lumar::host
