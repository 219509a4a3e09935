#include "search/search_pattern.h"

#include "platform/text/cp1252.h"

namespace lumar {

namespace {

bool IsWildcard(char c) {
    return c == '*' || c == '?';
}

}  // namespace

std::string MakeSearchPattern(std::string_view searchText) {
    std::string pattern;
    pattern.reserve(searchText.size() + 2);
    if (searchText.empty() || !IsWildcard(searchText.front())) {
        pattern += '*';
    }
    pattern += searchText;
    if (searchText.empty() || !IsWildcard(searchText.back())) {
        pattern += '*';
    }
    return pattern;
}

bool WildcardMatch(std::string_view pattern, std::string_view text, bool ignoreCase) {
    // Greedy walk that remembers the last "*": on a mismatch the star takes
    // one more character. Linear for the patterns a search makes, and never
    // worse than pattern length times text length.
    const auto same = [ignoreCase](char p, char t) {
        return ignoreCase ? text::toLower(p) == text::toLower(t) : p == t;
    };
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            starText = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], text[t]))) {
            ++p;
            ++t;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

SearchMatcher::SearchMatcher(std::string_view searchText, bool matchCase)
    : pattern_(MakeSearchPattern(searchText)), matchCase_(matchCase) {
    if (!matchCase_) {
        pattern_ = text::toLower(pattern_);
    }
}

bool SearchMatcher::Matches(std::string_view pairText) const {
    return WildcardMatch(pattern_, pairText, !matchCase_);
}

}  // namespace lumar
