#include "platform/settings/reg_syntax.h"

#include <array>
#include <cstdint>

#include "platform/settings/reg_encoding.h"
#include "platform/text/cp1252.h"

namespace lumar::settings {

namespace {

constexpr std::string_view kCurrentUser = "HKEY_CURRENT_USER";
constexpr std::array<std::string_view, 4> kOtherHives = {"HKEY_LOCAL_MACHINE", "HKEY_CLASSES_ROOT",
                                                         "HKEY_USERS", "HKEY_CURRENT_CONFIG"};
constexpr size_t kWrapColumn = 77;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool startsWithIgnoringCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && text::equalsIgnoreCase(s.substr(0, prefix.size()), prefix);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads 1 to `maxDigits` hex digits making up all of `s`.
std::optional<std::uint32_t> parseHex(std::string_view s, size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : s) {
        const int d = hexDigit(c);
        if (d < 0) {
            return std::nullopt;
        }
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return value;
}

// A quoted text starting at s[pos] == '"'. Backslash escapes a backslash or a
// quote; a backslash before anything else is kept (hand-written paths).
std::optional<std::string> parseQuoted(std::string_view s, size_t& pos) {
    std::string out;
    for (size_t i = pos + 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out.push_back(s[++i]);
        } else {
            out.push_back(c);
        }
    }
    return std::nullopt;
}

// The name of a value line and the position just after its '='.
std::optional<std::string> parseName(std::string_view line, size_t& pos, std::string& reason) {
    std::string name;
    pos = 0;
    if (line.empty()) {
        reason = "empty line";
        return std::nullopt;
    }
    if (line[0] == '@') {
        pos = 1;
    } else if (line[0] == '"') {
        auto quoted = parseQuoted(line, pos);
        if (!quoted) {
            reason = "the value name has no closing quote";
            return std::nullopt;
        }
        name = std::move(*quoted);
    } else {
        reason = "not a value";
        return std::nullopt;
    }
    while (pos < line.size() && isBlank(line[pos])) {
        ++pos;
    }
    if (pos >= line.size() || line[pos] != '=') {
        reason = "no '=' after the value name";
        return std::nullopt;
    }
    ++pos;
    while (pos < line.size() && isBlank(line[pos])) {
        ++pos;
    }
    return name;
}

std::optional<std::string> parseHexBytes(std::string_view list, std::string& reason) {
    std::string bytes;
    list = trim(list);
    if (list.empty()) {
        return bytes;
    }
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string_view::npos) {
            comma = list.size();
        }
        const std::string_view token = trim(list.substr(start, comma - start));
        const bool last = comma == list.size();
        if (token.empty() && last && start > 0) {
            break;  // a trailing comma
        }
        const auto byte = parseHex(token, 2);
        if (!byte) {
            reason = "bad hex byte \"" + std::string(token) + "\"";
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*byte));
        start = comma + 1;
    }
    return bytes;
}

bool isTextType(ValueType type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

std::optional<RegValue> parseData(std::string_view data, std::string& reason) {
    data = trim(data);
    if (!data.empty() && data[0] == '"') {
        size_t pos = 0;
        auto text = parseQuoted(data, pos);
        if (!text) {
            reason = "the text has no closing quote";
            return std::nullopt;
        }
        if (!trim(data.substr(pos)).empty()) {
            reason = "text after the closing quote";
            return std::nullopt;
        }
        text->push_back('\0');
        return RegValue{kRegSz, std::move(*text)};
    }
    if (startsWithIgnoringCase(data, "dword:")) {
        const auto number = parseHex(trim(data.substr(6)), 8);
        if (!number) {
            reason = "a dword needs 1 to 8 hex digits";
            return std::nullopt;
        }
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i) {
            bytes[i] = static_cast<char>((*number >> (8 * i)) & 0xFF);
        }
        return RegValue{kRegDword, std::move(bytes)};
    }
    if (startsWithIgnoringCase(data, "hex")) {
        ValueType type = kRegBinary;
        std::string_view rest = data.substr(3);
        if (!rest.empty() && rest[0] == '(') {
            const size_t close = rest.find(')');
            const auto number = close == std::string_view::npos
                                    ? std::nullopt
                                    : parseHex(rest.substr(1, close - 1), 8);
            if (!number) {
                reason = "bad hex type";
                return std::nullopt;
            }
            type = *number;
            rest = rest.substr(close + 1);
        }
        if (rest.empty() || rest[0] != ':') {
            reason = "no ':' after hex";
            return std::nullopt;
        }
        auto bytes = parseHexBytes(rest.substr(1), reason);
        if (!bytes) {
            return std::nullopt;
        }
        if (isTextType(type)) {
            return RegValue{type, utf16leToCore(*bytes)};
        }
        return RegValue{type, std::move(*bytes)};
    }
    reason = "unknown kind of value";
    return std::nullopt;
}

std::string escapeQuoted(std::string_view cp1252) {
    std::string out = "\"";
    for (char c : text::toUtf8(cp1252)) {
        if (c == '\\' || c == '"') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// A text that fits between quotes: one terminating NUL and no other NUL, CR
// or LF. Anything else is written as hex so that it reads back byte for byte.
bool fitsQuotes(std::string_view data) {
    if (data.empty() || data.back() != '\0') {
        return false;
    }
    return data.substr(0, data.size() - 1).find_first_of(std::string_view("\0\r\n", 3)) ==
           std::string_view::npos;
}

std::vector<std::string> wrapHex(std::string head, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::vector<std::string> lines;
    std::string line = std::move(head);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        line.push_back(kDigits[b >> 4]);
        line.push_back(kDigits[b & 0xF]);
        if (i + 1 < bytes.size()) {
            line.push_back(',');
            if (line.size() >= kWrapColumn) {
                line.push_back('\\');
                lines.push_back(std::move(line));
                line = "  ";
            }
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

std::string hexTypeTag(ValueType type) {
    if (type == kRegBinary) {
        return "hex:";
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[type & 0xF]);
        type >>= 4;
    } while (type != 0);
    return "hex(" + digits + "):";
}

}  // namespace

std::optional<SectionLine> parseSectionLine(std::string_view line, std::string& reason) {
    line = trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        reason = "a key line must be [HKEY_...\\key]";
        return std::nullopt;
    }
    const std::string_view path = line.substr(1, line.size() - 2);
    if (!path.empty() && path[0] == '-') {
        reason = "deleting keys is not supported in the settings file";
        return std::nullopt;
    }
    const size_t slash = path.find('\\');
    const std::string_view root = path.substr(0, slash);
    SectionLine section;
    section.currentUser = text::equalsIgnoreCase(root, kCurrentUser);
    bool known = section.currentUser;
    for (auto hive : kOtherHives) {
        known = known || text::equalsIgnoreCase(root, hive);
    }
    if (!known) {
        reason = "unknown root key \"" + std::string(root) + "\"";
        return std::nullopt;
    }
    if (slash != std::string_view::npos) {
        section.key = std::string(path.substr(slash + 1));
        size_t start = 0;
        while (true) {
            const size_t next = section.key.find('\\', start);
            const size_t end = next == std::string::npos ? section.key.size() : next;
            if (end == start) {
                reason = "empty key name";
                return std::nullopt;
            }
            if (next == std::string::npos) {
                break;
            }
            start = next + 1;
        }
    }
    return section;
}

std::optional<ValueLine> parseValueLine(std::string_view line, std::string& reason) {
    line = trim(line);
    size_t pos = 0;
    auto name = parseName(line, pos, reason);
    if (!name) {
        return std::nullopt;
    }
    ValueLine result;
    result.name = std::move(*name);
    if (trim(line.substr(pos)) == "-") {
        return result;
    }
    result.value = parseData(line.substr(pos), reason);
    if (!result.value) {
        return std::nullopt;
    }
    return result;
}

bool continuesOnNextLine(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.back() != '\\') {
        return false;
    }
    size_t pos = 0;
    std::string reason;
    return parseName(line, pos, reason) && startsWithIgnoringCase(line.substr(pos), "hex");
}

std::string formatSectionLine(std::string_view key) {
    // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict, wrongly)
    // about the temporaries of operator+ here.
    std::string line;
    line.append("[").append(kCurrentUser);
    if (!key.empty()) {
        line.append("\\").append(text::toUtf8(key));
    }
    line.append("]");
    return line;
}

std::vector<std::string> formatValueLines(std::string_view name, const RegValue& value) {
    const std::string head = (name.empty() ? std::string("@") : escapeQuoted(name)) + "=";
    if (value.type == kRegSz && fitsQuotes(value.data)) {
        return {head + escapeQuoted(std::string_view(value.data).substr(0, value.data.size() - 1))};
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i) {
            number = (number << 8) | static_cast<unsigned char>(value.data[i]);
        }
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string digits(8, '0');
        for (int i = 7; i >= 0; --i, number >>= 4) {
            digits[i] = kDigits[number & 0xF];
        }
        return {head + "dword:" + digits};
    }
    const std::string bytes = isTextType(value.type) ? coreToUtf16le(value.data) : value.data;
    return wrapHex(head + hexTypeTag(value.type), bytes);
}

}  // namespace lumar::settings
