#pragma once

// Just enough of a TrueType font file to embed it in the PDFs we write: glyph
// ids of characters, advance widths and the font's box.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lumar::pdf::internal {

class TrueTypeFont {
public:
    // Reads the file; throws std::runtime_error when it is no usable
    // TrueType font (it needs "head", "hhea", "hmtx" and a Unicode "cmap").
    explicit TrueTypeFont(const std::filesystem::path& path);

    // The glyph of a Unicode character, 0 when the font lacks it.
    int glyph(char32_t character) const;

    // A glyph's advance width in thousandths of the em.
    int advance(int glyph) const;

    // Font box, ascent and descent in thousandths of the em.
    int xMin() const { return scale(xMin_); }
    int yMin() const { return scale(yMin_); }
    int xMax() const { return scale(xMax_); }
    int yMax() const { return scale(yMax_); }
    int ascent() const { return scale(ascent_); }
    int descent() const { return scale(descent_); }

    const std::string& bytes() const { return bytes_; }

private:
    int scale(int units) const { return units * 1000 / unitsPerEm_; }
    std::uint16_t u16(size_t offset) const;
    std::int16_t s16(size_t offset) const { return static_cast<std::int16_t>(u16(offset)); }
    std::uint32_t u32(size_t offset) const;

    std::string bytes_;
    int unitsPerEm_ = 1000;
    int xMin_ = 0, yMin_ = 0, xMax_ = 0, yMax_ = 0;
    int ascent_ = 0, descent_ = 0;
    std::vector<int> advances_;
    size_t cmap4_ = 0;  // offset of the format 4 Unicode subtable
};

}  // namespace lumar::pdf::internal
