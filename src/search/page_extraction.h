#pragma once

// Extraction of found page pairs: the two pages of every hit, copied from
// its binder or supplement PDF into one new document.
//
//   ExtractionSources sources{publication.SAP_code, binderDocuments, std::nullopt};
//   pdf::Document* document = ExtractPages(selectedHits, sources, dialogWindow);
//   if (document) ... hand it to a view, or SaveExtraction(document, path)
//
// The sources are opened one at a time, in the order the hits come, from the
// binders or supplements folder of the publication. Progress shows in the
// progress dialog over the window, which the user can cancel. Every failure
// is told in an alert note and leaves nothing behind.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "search/search_hit.h"
#include "service/ws_records.h"

namespace lumar::pdf {
class Document;
}  // namespace lumar::pdf

namespace lumar {

struct ExtractionSources {
    std::string sapCode;                         // the publication's, for its folders
    std::vector<BinderDocRecord> binders;        // binder search: the searched documents
    std::optional<SupplementRecord> supplement;  // supplement search
};

// How many documents the hits come from, counting changes of the binder
// number from 0 and stopping at 2 (a supplement's hits count 0).
int CountExtractDocuments(std::span<const SearchHit> hits);

// The pages as page indices (from 0) of pair `pair`: 2 * pair - 2 and the one
// after it.
struct PairPageIndices {
    int first = 0;
    int last = 0;
};
PairPageIndices PagesOfPair(std::int32_t pair);

// A new host document holding the pages of every hit, in order; null when
// the extraction failed or was cancelled (then the new document is closed).
// Nothing to extract gives null without a message.
pdf::Document* ExtractPages(std::span<const SearchHit> hits, const ExtractionSources& sources,
                            void* window = nullptr);

// Saves an extracted document as `path` (a full save written beside it and
// renamed into place) and closes it. False, with an alert note, when it
// cannot be written.
bool SaveExtraction(pdf::Document* document, const std::string& path);

// ExtractPages and SaveExtraction in one, for callers without a view.
bool ExtractPagesToFile(std::span<const SearchHit> hits, const ExtractionSources& sources,
                        const std::string& path);

}  // namespace lumar
