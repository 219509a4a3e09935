#include "platform/text/cp1252.h"

#include <array>
#include <cstdint>

namespace lumar::text {

namespace {

// Code points of the bytes 0x80-0x9F; the rest of the code page equals
// Latin-1. Unassigned bytes keep their own value (C1 controls).
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at `pos`; returns false for a malformed one
// (and advances past its first byte so decoding can resynchronise).
bool decodeUtf8(std::string_view s, size_t& pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        cp = lead;
        ++pos;
        return true;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        ++pos;
        return false;
    }
    if (pos + length > s.size()) {
        ++pos;
        return false;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are malformed.
    static constexpr std::array<char32_t, 5> kMinimum = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kMinimum[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return false;
    }
    pos += length;
    cp = value;
    return true;
}

}  // namespace

char32_t toCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int fromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

std::string toUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (char c : cp1252) {
        appendUtf8(out, toCodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string fromUtf8(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        if (!decodeUtf8(utf8, pos, cp)) {
            out.push_back(replacement);
            continue;
        }
        const int byte = fromCodePoint(cp);
        out.push_back(byte < 0 ? replacement : static_cast<char>(byte));
    }
    return out;
}

char toLower(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    switch (b) {
    case 0x8A:  // Š
    case 0x8C:  // Œ
    case 0x8E:  // Ž
        return static_cast<char>(b + 0x10);
    case 0x9F:  // Ÿ
        return static_cast<char>(0xFF);
    default:
        return byte;
    }
}

char toUpper(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
        return static_cast<char>(b - 0x20);
    }
    switch (b) {
    case 0x9A:  // š
    case 0x9C:  // œ
    case 0x9E:  // ž
        return static_cast<char>(b - 0x10);
    case 0xFF:  // ÿ
        return static_cast<char>(0x9F);
    default:
        return byte;
    }
}

std::string toLower(std::string_view cp1252) {
    std::string out(cp1252);
    for (char& c : out) {
        c = toLower(c);
    }
    return out;
}

std::string toUpper(std::string_view cp1252) {
    std::string out(cp1252);
    for (char& c : out) {
        c = toUpper(c);
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (toLower(a[i]) != toLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace lumar::text
