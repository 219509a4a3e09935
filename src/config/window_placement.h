#pragma once

// A window's placement as the system stores it for its dialogs: the fields of
// the Windows window-placement record, all 32-bit.

#include <cstdint>

namespace lumar {

struct WindowPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const WindowPoint&) const = default;
};

struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const WindowRect&) const = default;
};

struct WindowPlacement {
    static constexpr std::uint32_t kLength = 44;  // the record's size in bytes

    std::uint32_t length = 0;  // not stored; set to kLength when read
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    WindowPoint ptMinPosition;
    WindowPoint ptMaxPosition;
    WindowRect rcNormalPosition;

    bool operator==(const WindowPlacement&) const = default;
};

}  // namespace lumar
