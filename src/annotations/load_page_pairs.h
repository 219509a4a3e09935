#pragma once

// Loading the page pairs of a binder document or a supplement from its
// `Annotation_data`, fetched from the service when the record lacks it.
//
//   PagePairList pairs = LoadPagePairs(&binderDoc, true, "Binder annotations");
//   if (pairs.empty()) ...   // no annotation data; the user has been told why
//
// On failure the message ("Missing annotation data!", "Inconsistency found:
// ...") is shown in a message box with the caller's title and the error icon,
// and the list is empty. A failed or empty fetch is not reported by itself:
// the load then fails for want of annotation data.

#include <string_view>

#include "annotations/page_pairs.h"

namespace lumar {

struct BinderDocRecord;
struct SupplementRecord;

// What a successful load of a document without pairs gives: an empty list,
// or the list holding only the placeholder.
enum class PlaceholderOnly { Empty, Keep };

// `record` may be null ("Missing binder record!"). With `fetch` on and the
// record's Annotation_data blank, BinderDocList fetches it by BinderDoc_ID
// and stores it into the record.
PagePairList LoadPagePairs(BinderDocRecord* record, bool fetch, std::string_view title,
                           PlaceholderOnly placeholderOnly = PlaceholderOnly::Empty);

// The same for a supplement ("Missing supplement record!", SupplementList by
// Supplement_ID).
PagePairList LoadPagePairs(SupplementRecord* record, bool fetch, std::string_view title,
                           PlaceholderOnly placeholderOnly = PlaceholderOnly::Empty);

}  // namespace lumar
