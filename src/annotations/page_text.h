#pragma once

// The page data annotation and its text.
//
// Every page of a binder or supplement carries one data annotation: subtype
// "Text" and a title that reads "index" in lower case. Its contents, read as
// one line, are the page text. Annotations of other subtypes or titles are
// never touched.

#include <string>
#include <string_view>

namespace lumar {

inline constexpr std::string_view kDataAnnotationSubtype = "Text";
inline constexpr std::string_view kDataAnnotationTitle = "index";

// True when an annotation of subtype "Text" with this title is a data annotation.
bool IsDataAnnotationTitle(std::string_view title);

// Annotation contents as a single line: trimmed, then every CR LF, every
// remaining CR and every remaining LF replaced by one TAB.
std::string PageText(std::string_view contents);

}  // namespace lumar
