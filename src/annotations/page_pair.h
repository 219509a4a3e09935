#pragma once

// Page pairs: the two sides of one printed leaf. Pages 2n-1 and 2n (counted
// from 1) form page pair n; its text is the odd page's text, one "\n", and
// the even page's text. A leaf's tab sheet flag and paper colour live in the
// tags of both its pages and count only when both pages agree.

#include <optional>
#include <string>
#include <string_view>

namespace lumar {

// The attribute keys with a meaning.
inline constexpr std::string_view kTabsheetKey = "TABSHEET";
inline constexpr std::string_view kColourKey = "COLOUR";
inline constexpr std::string_view kColorKey = "COLOR";  // read when COLOUR is absent

struct PairPages {
    std::string first;   // odd page text
    std::string second;  // even page text
};

// The two page texts, split at the first "\n"; none without a "\n".
std::optional<PairPages> SplitPair(std::string_view pair);

// The leaf's colour name, lower-cased: empty when both pages have a tag and
// neither names a colour. None (undetermined) when the pair cannot be split,
// a page has no tag, or the pages disagree. COLOUR is read; COLOR only when
// the odd page has no COLOUR, and then on both pages.
std::optional<std::string> PairColour(std::string_view pair);

// The leaf's tab sheet flag: known only when both pages have a tag and say
// the same "true" or "false" (any case).
std::optional<bool> PairTabsheet(std::string_view pair);

// The pair text (trimmed) with the attribute set in the tags of both pages;
// a page without a valid tag gains one. Without a "\n" the trimmed text is
// returned unchanged. An empty value removes the attribute.
std::string SetPairValue(std::string_view pair, std::string_view key, std::string_view value);

// Removes COLOR and sets COLOUR to the colour name; the no-colour value
// "[[#NOCOLOUR#]]" removes COLOUR too.
std::string SetPairColour(std::string_view pair, std::string_view colour);

// TABSHEET="true" when on; removed when off ("false" is never written).
std::string SetPairTabsheet(std::string_view pair, bool on);

}  // namespace lumar
