#include "platform/soap/value_codec.h"

namespace lumar::soap {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// The digit value of one character by the codec's rule: code - '0' up to
// '9', otherwise code - 'a' + 10, with no validation.
int DigitValue(char c) {
    if (c >= 'A' && c <= 'Z') {
        c = static_cast<char>(c - 'A' + 'a');
    }
    const int code = static_cast<unsigned char>(c);
    return code <= '9' ? code - '0' : code - 'a' + 10;
}

void AppendXmlEscaped(std::string& out, char c) {
    switch (c) {
    case '&':
        out += "&amp;";
        break;
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '\'':
        out += "&apos;";
        break;
    case '"':
        out += "&quot;";
        break;
    default:
        out.push_back(c);
    }
}

// Percent-encodes the text up to its first NUL into `out`; the bytes that
// stay as they are go through appendPlain.
template <typename AppendPlain>
void AppendPercentEncoded(std::string& out, std::string_view text, AppendPlain appendPlain) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            break;
        }
        if (byte < 0x20 || byte > 0x7E || byte == '%') {
            out.push_back('%');
            out.push_back(kHexDigits[byte >> 4]);
            out.push_back(kHexDigits[byte & 0x0F]);
        } else {
            appendPlain(c);
        }
    }
}

}  // namespace

std::string PercentEncode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendPercentEncoded(out, text, [&out](char c) { out.push_back(c); });
    return out;
}

std::string XmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        AppendXmlEscaped(out, c);
    }
    return out;
}

void AppendWireValue(std::string& out, std::string_view bytes) {
    // Percent-encoding leaves printable ASCII only, which XML then escapes.
    AppendPercentEncoded(out, bytes, [&out](char c) { AppendXmlEscaped(out, c); });
}

std::string PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && text.size() - i > 2) {
            const int value = DigitValue(text[i + 1]) * 16 + DigitValue(text[i + 2]);
            out.push_back(static_cast<char>(value & 0xFF));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace lumar::soap
