#pragma once

// The search over the `Annotation_data` texts of a publication's binder
// documents or of a supplement. The PDF files are not opened.
//
//   SearchScope scope = SearchScope::Binders(selectedRecords);  // list order
//   SearchOutcome outcome = SearchDocuments({"abc", false}, scope, detailsWindow);
//   show outcome.summary; outcome.hits go to the results dialog
//
// A record without annotation data gets it from the service first, and keeps
// it, so a later search does not fetch it again. Progress shows in the
// progress dialog over `window`, which the user can cancel. An inconsistent
// text (line count and page count disagree), missing data or a cancel stops
// the search with an alert note; the hits found so far are kept.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_hit.h"

namespace lumar {

class SearchMatcher;
struct BinderDocRecord;
struct SupplementRecord;

struct SearchRequest {
    std::string text;
    bool matchCase = false;
};

// What is searched: the selected binder documents in list order (binder
// mode), or one supplement (supplement mode). The records are the caller's:
// fetched annotation data is stored into them.
struct SearchScope {
    std::vector<BinderDocRecord*> binders;
    SupplementRecord* supplement = nullptr;

    static SearchScope Binders(std::span<BinderDocRecord> records);
    static SearchScope Supplement(SupplementRecord& record);
    [[nodiscard]] bool binderMode() const { return supplement == nullptr; }
};

struct SearchOutcome {
    std::vector<SearchHit> hits;
    // "Results for '<text>':\t" followed by the total and one line per binder
    // with hits (FinishSummary has put the total in).
    std::string summary;
    bool stopped = false;  // by an inconsistency, missing data or the user
};

SearchOutcome SearchDocuments(const SearchRequest& request, SearchScope& scope,
                              void* window = nullptr);

// How the walk over one document's text ended.
enum class WalkResult {
    Done,
    Cancelled,       // "Search aborted by user."
    MissingData,     // "Missing annotation data!"
    OddCount,        // "Inconsistency found: odd annotation count!"
    PageCountAbove,  // "Inconsistency found: page count > annotation count!"
    PageCountBelow,  // "Inconsistency found: page count < annotation count!"
};

// The alert note of a result; empty for Done.
std::string_view WalkMessage(WalkResult result);

// The walk itself: the page pairs of `annotationData` for a document of
// `pageCount` pages, each matched and added to `hits` with `binder` and its
// pair number. `beforePair` runs before each pair and stops the walk
// (Cancelled) when it returns false; `onLine` runs after each line taken.
// With PageCountBelow the document's hits are all in.
struct WalkHooks {
    std::function<bool()> beforePair;
    std::function<void()> onLine;
};
WalkResult SearchAnnotationData(std::string_view annotationData, std::int32_t pageCount,
                                std::int32_t binder, const SearchMatcher& matcher,
                                std::vector<SearchHit>& hits, const WalkHooks& hooks = {});

// The summary with its total: "none", or "<n> page pair(s)\r\n".
std::string FinishSummary(std::string summary, std::size_t hitCount);

}  // namespace lumar
