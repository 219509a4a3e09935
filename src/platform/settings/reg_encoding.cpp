#include "platform/settings/reg_encoding.h"

#include <cstdint>

#include "platform/text/cp1252.h"

namespace lumar::settings {

namespace {

// Calls `emit` with each code point of UTF-16LE bytes; unpaired surrogates
// become U+FFFD.
template <typename Emit>
void decodeUtf16le(std::string_view bytes, Emit emit) {
    const size_t units = bytes.size() / 2;
    auto unit = [&](size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[(2 * i) + 1]) << 8));
    };
    for (size_t i = 0; i < units; ++i) {
        const char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                emit(0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            emit(U'\uFFFD');
        } else {
            emit(static_cast<char32_t>(u));
        }
    }
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t length = 0;
        char32_t value = 0;
        if (lead < 0x80) {
            ++i;
            continue;
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
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            value = (value << 6) | (next & 0x3F);
        }
        constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < kMinimum[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string lineToCore(std::string_view line) {
    if (isValidUtf8(line)) {
        return text::fromUtf8(line);
    }
    return std::string(line);
}

std::string coreToUtf16le(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() * 2);
    for (char c : cp1252) {
        const char32_t cp = text::toCodePoint(static_cast<unsigned char>(c));
        out.push_back(static_cast<char>(cp & 0xFF));
        out.push_back(static_cast<char>((cp >> 8) & 0xFF));
    }
    return out;
}

std::string utf16leToCore(std::string_view utf16le) {
    std::string out;
    out.reserve(utf16le.size() / 2);
    decodeUtf16le(utf16le, [&](char32_t cp) {
        const int byte = text::fromCodePoint(cp);
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    });
    return out;
}

std::string utf16leToUtf8(std::string_view utf16le) {
    std::string out;
    out.reserve(utf16le.size());
    decodeUtf16le(utf16le, [&](char32_t cp) { appendUtf8(out, cp); });
    return out;
}

}  // namespace lumar::settings
