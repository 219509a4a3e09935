#pragma once

// Date-times on the wire are counts of 100-nanosecond ticks since
// 0001-01-01 00:00. The client turns them back into Unix time by subtracting
// 62,135,600,400 seconds: the 62,135,596,800 seconds from year 1 to 1970 plus
// a fixed hour. The service adds the same amount, so the client reads back
// the instant the service stored.

#include <cstdint>

namespace lumar::service_app {

inline constexpr std::int64_t kClientTickOffsetSeconds = 62'135'600'400;
inline constexpr std::int64_t kTicksPerSecond = 10'000'000;

constexpr std::int64_t ClientTicks(std::int64_t unixSeconds) {
    return (unixSeconds + kClientTickOffsetSeconds) * kTicksPerSecond;
}

}  // namespace lumar::service_app
