#pragma once

// The system's colour values (R + G × 256 + B × 65536, kDefaultColour for
// "the system's colour of this role") as Qt colours.

#include <QColor>
#include <cstdint>

#include "ui/quick_list_cell.h"

namespace lumar::ui {

inline QColor toQColor(std::uint32_t value) {
    return {static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8U) & 0xFFU),
            static_cast<int>((value >> 16U) & 0xFFU)};
}

// `value`, or `role` (the palette's colour) for kDefaultColour.
inline QColor colourOr(std::uint32_t value, const QColor& role) {
    return value == kDefaultColour ? role : toQColor(value);
}

inline std::uint32_t toColourValue(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8U) |
           (static_cast<std::uint32_t>(colour.blue()) << 16U);
}

}  // namespace lumar::ui
