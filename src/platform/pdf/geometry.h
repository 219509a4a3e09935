#pragma once

// Small value types shared by the engine's classes.

namespace lumar::pdf {

// A rectangle in page coordinates (PDF default user space: points, origin at
// the bottom left of the page, y growing upwards). A normalised rectangle has
// left <= right and bottom <= top.
struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double width() const { return right - left; }
    double height() const { return top - bottom; }
    bool operator==(const Rect&) const = default;
};

struct PdfVersion {
    int major = 1;
    int minor = 3;
    bool operator==(const PdfVersion&) const = default;
};

// An RGB colour with components from 0 to 1.
struct RgbColour {
    double red = 0;
    double green = 0;
    double blue = 0;
    bool operator==(const RgbColour&) const = default;
};

}  // namespace lumar::pdf
