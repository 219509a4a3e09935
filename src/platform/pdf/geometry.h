#pragma once

// Small value types shared by the engine's classes. The engine's headers
// stay valid C++17 (see CMakeLists.txt).

namespace lumar::pdf {

// A rectangle in page coordinates (PDF default user space: points, origin at
// the bottom left of the page, y growing upwards). A normalised rectangle has
// left <= right and bottom <= top.
struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    [[nodiscard]] double width() const { return right - left; }
    [[nodiscard]] double height() const { return top - bottom; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct PdfVersion {
    int major = 1;
    int minor = 3;
    bool operator==(const PdfVersion& o) const { return major == o.major && minor == o.minor; }
};

// An RGB colour with components from 0 to 1.
struct RgbColour {
    double red = 0;
    double green = 0;
    double blue = 0;
    bool operator==(const RgbColour& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

}  // namespace lumar::pdf
