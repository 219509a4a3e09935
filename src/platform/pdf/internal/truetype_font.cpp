#include "platform/pdf/internal/truetype_font.h"

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace lumar::pdf::internal {

TrueTypeFont::TrueTypeFont(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes_.size() < 12) {
        throw std::runtime_error("not a TrueType font: " + path.string());
    }
    std::map<std::string, size_t> tables;
    const int count = u16(4);
    for (int i = 0; i < count; ++i) {
        const size_t record = 12 + static_cast<size_t>(i) * 16;
        tables[bytes_.substr(record, 4)] = u32(record + 8);
    }
    for (const char* required : {"head", "hhea", "hmtx", "cmap"}) {
        if (tables.count(required) == 0) {
            throw std::runtime_error(std::string("TrueType font without ") + required);
        }
    }
    const size_t head = tables["head"];
    unitsPerEm_ = u16(head + 18);
    xMin_ = s16(head + 36);
    yMin_ = s16(head + 38);
    xMax_ = s16(head + 40);
    yMax_ = s16(head + 42);
    const size_t hhea = tables["hhea"];
    ascent_ = s16(hhea + 4);
    descent_ = s16(hhea + 6);
    const int metrics = u16(hhea + 34);
    for (int i = 0; i < metrics; ++i) {
        advances_.push_back(u16(tables["hmtx"] + static_cast<size_t>(i) * 4));
    }
    const size_t cmap = tables["cmap"];
    const int subtables = u16(cmap + 2);
    for (int i = 0; i < subtables; ++i) {
        const size_t record = cmap + 4 + static_cast<size_t>(i) * 8;
        const size_t subtable = cmap + u32(record + 4);
        if (u16(record) == 3 && u16(record + 2) == 1 && u16(subtable) == 4) {
            cmap4_ = subtable;
        }
    }
    if (cmap4_ == 0 || unitsPerEm_ == 0 || advances_.empty()) {
        throw std::runtime_error("TrueType font without a Unicode map: " + path.string());
    }
}

std::uint16_t TrueTypeFont::u16(size_t offset) const {
    if (offset + 2 > bytes_.size()) {
        throw std::runtime_error("TrueType font cut short");
    }
    return static_cast<std::uint16_t>((static_cast<unsigned char>(bytes_[offset]) << 8) |
                                      static_cast<unsigned char>(bytes_[offset + 1]));
}

std::uint32_t TrueTypeFont::u32(size_t offset) const {
    return (static_cast<std::uint32_t>(u16(offset)) << 16) | u16(offset + 2);
}

int TrueTypeFont::glyph(char32_t character) const {
    if (character > 0xFFFF) {
        return 0;
    }
    const auto c = static_cast<std::uint16_t>(character);
    const size_t segments = u16(cmap4_ + 6) / 2;
    const size_t ends = cmap4_ + 14;
    const size_t starts = ends + segments * 2 + 2;
    const size_t deltas = starts + segments * 2;
    const size_t rangeOffsets = deltas + segments * 2;
    for (size_t i = 0; i < segments; ++i) {
        if (u16(ends + i * 2) < c) {
            continue;
        }
        const std::uint16_t start = u16(starts + i * 2);
        if (start > c) {
            return 0;
        }
        const std::uint16_t delta = u16(deltas + i * 2);
        const std::uint16_t rangeOffset = u16(rangeOffsets + i * 2);
        if (rangeOffset == 0) {
            return static_cast<std::uint16_t>(c + delta);
        }
        const size_t at = rangeOffsets + i * 2 + rangeOffset + static_cast<size_t>(c - start) * 2;
        const std::uint16_t g = u16(at);
        return g == 0 ? 0 : static_cast<std::uint16_t>(g + delta);
    }
    return 0;
}

int TrueTypeFont::advance(int glyph) const {
    const size_t i = std::min(static_cast<size_t>(glyph), advances_.size() - 1);
    return scale(advances_[i]);
}

}  // namespace lumar::pdf::internal
