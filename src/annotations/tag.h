#pragma once

// The tag of a page text: a small attribute list between the markers "<<#"
// and "#>>", such as  TABSHEET=true COLOUR="light blue".
//
// A page text has a tag only when it holds exactly one "<<#" and exactly one
// "#>>", the "#>>" starting at or after the end of the "<<#". Anything else
// (no markers, two tags, reversed markers) reads as an empty tag. These
// functions never fail: malformed input gives an empty tag, an empty value
// or an unchanged text.

#include <string>
#include <string_view>

namespace lumar {

inline constexpr std::string_view kTagOpen = "<<#";
inline constexpr std::string_view kTagClose = "#>>";

// Attribute list text in its normal form: blanks and TABs outside quotes
// shrink to one blank between words, blanks around '=' vanish, quoted values
// keep their blanks, and leading and trailing white space is removed.
std::string NormaliseTag(std::string_view rawTag);

// The normalised tag of a page text, or empty when it has no valid tag.
std::string ExtractTag(std::string_view pageText);

// The page text with its tag replaced: a valid old tag and its markers are
// removed (and the text trimmed); a non-empty new tag is appended as
// " <<#tag#>>" with the tag trimmed. An invalid old tag stays in place and the
// new one is appended behind it.
std::string ReplaceTag(std::string_view pageText, std::string_view tag);

// The value of the attribute `key` (any case) in a normalised tag, lower-cased;
// a value is a bare word or is enclosed in double or single quotes. Empty when
// the key is absent, its value is empty or its quote is never closed.
std::string TagValue(std::string_view tag, std::string_view key);

// The tag with the attribute `key` set to `value`, written in double quotes
// where the old value stood, or appended as " KEY=\"value\"" when the key is
// absent. An empty value removes the attribute with its key. A key whose
// quoted value is never closed leaves the tag unchanged.
std::string SetTagValue(std::string_view tag, std::string_view key, std::string_view value);

}  // namespace lumar
