#pragma once

// The wildcard pattern of a search and its match against page pair texts.
//
// A search text becomes a pattern by putting "*" in front unless it starts
// with "?" or "*", and appending "*" unless it ends with "?" or "*": a plain
// text is found anywhere in a pair's text. In a pattern "*" matches any run of
// characters (also none) and "?" any one character; every other character
// matches itself. A pattern matches a text when it matches the whole text.
//
//   SearchMatcher matcher("a?c", false);
//   matcher.Matches("xABCx\nsecond page");   // true

#include <string>
#include <string_view>

namespace lumar {

std::string MakeSearchPattern(std::string_view searchText);

// True when `pattern` matches the whole of `text`. With `ignoreCase` both are
// compared in lower case (Windows-1252).
bool WildcardMatch(std::string_view pattern, std::string_view text, bool ignoreCase);

class SearchMatcher {
public:
    SearchMatcher(std::string_view searchText, bool matchCase);

    [[nodiscard]] bool Matches(std::string_view pairText) const;
    [[nodiscard]] const std::string& Pattern() const { return pattern_; }

private:
    std::string pattern_;  // lower-cased unless the case matters
    bool matchCase_;
};

}  // namespace lumar
