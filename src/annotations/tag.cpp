#include "annotations/tag.h"

#include <optional>

#include "annotations/white_space.h"
#include "platform/text/cp1252.h"

namespace lumar {

namespace {

struct TagBounds {
    std::size_t open = 0;   // position of "<<#"
    std::size_t start = 0;  // first character of the tag
    std::size_t close = 0;  // position of "#>>"
};

// Where the one valid tag of a page text lies, if it has one.
std::optional<TagBounds> FindTag(std::string_view text) {
    const std::size_t open = text.find(kTagOpen);
    if (open == std::string_view::npos || text.find(kTagOpen, open + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t start = open + kTagOpen.size();
    const std::size_t close = text.find(kTagClose);
    if (close == std::string_view::npos || close < start ||
        text.find(kTagClose, close + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    return TagBounds{open, start, close};
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

// Where the value of `key` lies in `tag`: [begin, end) including its quotes,
// and the position of the key itself. Found is false when the key is absent;
// closed is false when its value has no end.
struct ValueSpan {
    bool found = false;
    bool closed = false;
    std::size_t keyStart = 0;
    std::size_t begin = 0;  // first character after '='
    std::size_t end = 0;    // one past the value (past its closing quote)
    bool quoted = false;
};

// Searches " key=" in the tag padded with one blank on each side, both
// lower-cased, as the readers and writers of tags always have.
ValueSpan FindValue(std::string_view tag, std::string_view key) {
    ValueSpan span;
    const std::string padded = " " + text::toLower(tag) + " ";
    const std::string needle = " " + text::toLower(key) + "=";
    const std::size_t hit = padded.find(needle);
    if (hit == std::string::npos) {
        return span;
    }
    span.found = true;
    span.keyStart = hit;  // padded position of the blank = tag position of the key
    const std::size_t valuePadded = hit + needle.size();
    span.begin = valuePadded - 1;
    const char first = padded[valuePadded];
    std::size_t endPadded = std::string::npos;
    if (IsQuote(first)) {
        span.quoted = true;
        endPadded = padded.find(first, valuePadded + 1);
        if (endPadded != std::string::npos) {
            ++endPadded;  // the closing quote belongs to the value's extent
        }
    } else {
        endPadded = padded.find(' ', valuePadded);
    }
    if (endPadded == std::string::npos) {
        return span;
    }
    span.closed = true;
    // The trailing pad blank may end an unquoted value; it is not in the tag.
    span.end = std::min(endPadded - 1, tag.size());
    return span;
}

}  // namespace

std::string NormaliseTag(std::string_view rawTag) {
    std::string out;
    out.reserve(rawTag.size());
    bool quoted = false;
    char quoteChar = 0;
    bool afterWord = false;
    for (const char c : rawTag) {
        if (c == '\t' || c == ' ') {
            if (quoted) {
                out += ' ';
            } else if (afterWord) {
                out += ' ';
                afterWord = false;
            }
        } else if (IsQuote(c)) {
            if (quoted && c == quoteChar) {
                quoted = false;
                afterWord = true;
            } else {
                quoted = true;
                quoteChar = c;
            }
            out += c;
        } else if (c == '=' && !quoted) {
            while (!out.empty() && out.back() == ' ') {
                out.pop_back();
            }
            afterWord = false;
            out += c;
        } else {
            out += c;
            afterWord = true;
        }
    }
    return std::string(Trim(out));
}

std::string ExtractTag(std::string_view pageText) {
    const auto bounds = FindTag(pageText);
    if (!bounds) {
        return {};
    }
    return NormaliseTag(pageText.substr(bounds->start, bounds->close - bounds->start));
}

std::string ReplaceTag(std::string_view pageText, std::string_view tag) {
    std::string result(pageText);
    if (const auto bounds = FindTag(pageText)) {
        result.erase(bounds->open, bounds->close + kTagClose.size() - bounds->open);
        result = std::string(Trim(result));
    }
    if (!tag.empty()) {
        result += " ";
        result += kTagOpen;
        result += Trim(tag);
        result += kTagClose;
    }
    return result;
}

std::string TagValue(std::string_view tag, std::string_view key) {
    const ValueSpan span = FindValue(tag, key);
    if (!span.found || !span.closed) {
        return {};
    }
    std::size_t begin = span.begin;
    std::size_t end = span.end;
    if (span.quoted) {
        ++begin;
        --end;
    }
    return text::toLower(tag.substr(begin, end - begin));
}

std::string SetTagValue(std::string_view tag, std::string_view key, std::string_view value) {
    std::string result(tag);
    const ValueSpan span = FindValue(tag, key);
    if (!span.found) {
        if (!value.empty()) {
            result += " ";
            result += text::toUpper(key);
            result += "=\"";
            result += value;
            result += "\"";
        }
        return result;
    }
    if (!span.closed) {
        return result;
    }
    result.erase(span.begin, span.end - span.begin);
    if (!value.empty()) {
        result.insert(span.begin, "\"" + std::string(value) + "\"");
        return result;
    }
    // Remove the key and its '=' with one neighbouring blank: the blank before
    // the key, or, for a key at the very start, the blank after the value.
    const std::size_t keyEnd = span.begin;  // just past the '='
    if (span.keyStart > 0) {
        result.erase(span.keyStart - 1, keyEnd - (span.keyStart - 1));
    } else {
        result.erase(0, keyEnd);
        if (!result.empty() && result.front() == ' ') {
            result.erase(0, 1);
        }
    }
    return result;
}

}  // namespace lumar
