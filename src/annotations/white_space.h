#pragma once

// White space as the page texts, tags and merge data lines know it: blank,
// TAB, line feed, vertical tab, form feed and carriage return.

#include <string_view>

namespace lumar {

constexpr bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The text without leading and trailing white space.
constexpr std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// True when the text holds nothing but white space.
constexpr bool IsBlank(std::string_view text) {
    return Trim(text).empty();
}

}  // namespace lumar
