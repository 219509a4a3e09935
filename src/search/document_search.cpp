#include "search/document_search.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "annotations/page_pairs.h"
#include "annotations/white_space.h"
#include "platform/host/roles.h"
#include "search/search_pattern.h"
#include "service/logon_store.h"
#include "service/wait_cursor.h"
#include "service/ws_client.h"
#include "service/ws_records.h"
#include "ui/progress.h"

namespace lumar {

namespace {

constexpr std::string_view kTotalMarker = "<<#TOTAL#>>";

std::string Format(const char* format, auto... values) {
    char buffer[256];
    const int length = std::snprintf(buffer, sizeof buffer, format, values...);
    return {buffer, static_cast<std::size_t>(std::clamp(length, 0, 255))};
}

// The text the walk goes over: line ends made LF; trailing blanks and the
// line end of the last page removed. Empty lines inside and at either end
// stay, because each is the text of a page without one (a blank first or
// last page must not shift or drop a line).
std::string WalkText(std::string_view annotationData) {
    std::string text = NormaliseLineEnds(annotationData);
    while (!text.empty() && text.back() != '\n' && IsWhiteSpace(text.back())) {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

// The record's Annotation_data from the service when the record has none;
// the record keeps what comes back.
void FetchIfMissing(BinderDocRecord& record) {
    if (!IsBlank(record.Annotation_data) || record.BinderDoc_ID <= 0) {
        return;
    }
    BinderDocListRequest request;
    request.LogUser_ID = LogUserID();
    request.BinderDoc_ID = record.BinderDoc_ID;
    request.Annotation_dataGet = 1;
    WSListResult<BinderDocRecord> result;
    if (CWSClient().BinderDocList(request, result) && !result.Records.empty()) {
        record.Annotation_data = result.Records.front().Annotation_data;
    }
}

void FetchIfMissing(SupplementRecord& record) {
    if (!IsBlank(record.Annotation_data) || record.Supplement_ID <= 0) {
        return;
    }
    SupplementListRequest request;
    request.LogUser_ID = LogUserID();
    request.Supplement_ID = record.Supplement_ID;
    request.Annotation_dataGet = 1;
    WSListResult<SupplementRecord> result;
    if (CWSClient().SupplementList(request, result) && !result.Records.empty()) {
        record.Annotation_data = result.Records.front().Annotation_data;
    }
}

// One document as the search sees it.
struct SearchedDocument {
    std::int32_t binder = 0;
    std::int32_t pageCount = 0;
    const std::string* annotationData = nullptr;
};

}  // namespace

SearchScope SearchScope::Binders(std::span<BinderDocRecord> records) {
    SearchScope scope;
    for (BinderDocRecord& record : records) {
        scope.binders.push_back(&record);
    }
    return scope;
}

SearchScope SearchScope::Supplement(SupplementRecord& record) {
    SearchScope scope;
    scope.supplement = &record;
    return scope;
}

std::string_view WalkMessage(WalkResult result) {
    switch (result) {
    case WalkResult::Done:
        return {};
    case WalkResult::Cancelled:
        return "Search aborted by user.";
    case WalkResult::MissingData:
        return "Missing annotation data!";
    case WalkResult::OddCount:
        return "Inconsistency found: odd annotation count!";
    case WalkResult::PageCountAbove:
        return "Inconsistency found: page count > annotation count!";
    case WalkResult::PageCountBelow:
        return "Inconsistency found: page count < annotation count!";
    }
    return {};
}

WalkResult SearchAnnotationData(std::string_view annotationData, std::int32_t pageCount,
                                std::int32_t binder, const SearchMatcher& matcher,
                                std::vector<SearchHit>& hits, const WalkHooks& hooks) {
    const std::string text = WalkText(annotationData);
    if (IsBlank(text)) {
        return WalkResult::MissingData;
    }
    std::size_t pos = 0;
    std::int64_t pages = 0;
    while (pages < pageCount) {
        if (hooks.beforePair && !hooks.beforePair()) {
            return WalkResult::Cancelled;
        }
        const std::size_t firstEnd = text.find('\n', pos);
        if (firstEnd == std::string::npos) {
            return WalkResult::OddCount;
        }
        ++pages;
        if (hooks.onLine) {
            hooks.onLine();
        }
        std::size_t secondEnd = text.find('\n', firstEnd + 1);
        if (secondEnd == std::string::npos) {
            if (pageCount - pages != 1) {
                return WalkResult::PageCountAbove;
            }
            secondEnd = text.size();  // the last line has no line end
        }
        ++pages;
        if (hooks.onLine) {
            hooks.onLine();
        }
        const std::string_view pair = std::string_view(text).substr(pos, secondEnd - pos);
        if (matcher.Matches(pair)) {
            hits.push_back({binder, static_cast<std::int32_t>(pages / 2), std::string(pair)});
        }
        pos = secondEnd + 1;
    }
    if (pos < text.size() && !IsBlank(std::string_view(text).substr(pos))) {
        return WalkResult::PageCountBelow;
    }
    return WalkResult::Done;
}

std::string FinishSummary(std::string summary, std::size_t hitCount) {
    // The last marker: a search text may hold the marker too.
    const std::size_t at = summary.rfind(kTotalMarker);
    if (at == std::string::npos) {
        return summary;
    }
    const std::string total =
        hitCount == 0
            ? std::string("none")
            : Format("%d page pair%s\r\n", static_cast<int>(hitCount), hitCount == 1 ? "" : "s");
    return summary.replace(at, kTotalMarker.size(), total);
}

SearchOutcome SearchDocuments(const SearchRequest& request, SearchScope& scope, void* window) {
    SearchOutcome outcome;
    outcome.summary = "Results for '" + request.text + "':\t" + std::string(kTotalMarker);
    const SearchMatcher matcher(request.text, request.matchCase);
    const bool binderMode = scope.binderMode();

    std::int64_t total = 0;
    if (binderMode) {
        for (const BinderDocRecord* record : scope.binders) {
            total += std::max(record->Page_count, 0);
        }
    } else {
        total = std::max(scope.supplement->Page_count, 0);
    }
    const WaitCursor wait;
    BeginProgress(window, true, false, 0,
                  static_cast<std::int32_t>(
                      std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max())),
                  "Searching document(s)...");

    const WalkHooks hooks{[] {
                              PumpMessages();
                              return !ProgressCancelled();
                          },
                          [] { AdvanceProgress(1, nullptr); }};
    const std::size_t count = binderMode ? scope.binders.size() : 1;
    for (std::size_t i = 0; i < count && !outcome.stopped; ++i) {
        SearchedDocument document;
        if (binderMode) {
            BinderDocRecord& record = *scope.binders[i];
            const std::string text = Format("Searching document %d of %d...",
                                            static_cast<int>(i + 1), static_cast<int>(count));
            AdvanceProgress(0, text.c_str());
            FetchIfMissing(record);
            document = {record.Binder_number, record.Page_count, &record.Annotation_data};
        } else {
            FetchIfMissing(*scope.supplement);
            document = {0, scope.supplement->Page_count, &scope.supplement->Annotation_data};
        }
        const std::size_t before = outcome.hits.size();
        const WalkResult result =
            SearchAnnotationData(*document.annotationData, document.pageCount, document.binder,
                                 matcher, outcome.hits, hooks);
        if (result != WalkResult::Done) {
            host::alertNote(std::string(WalkMessage(result)));
            outcome.stopped = true;
        }
        const std::size_t found = outcome.hits.size() - before;
        if (found > 0 && document.binder != 0) {
            outcome.summary +=
                Format("\r\n- binder %d: text found in annotations of %d page pair%s",
                       document.binder, static_cast<int>(found), found == 1 ? "" : "s");
        }
    }
    EndProgress("Done");
    outcome.summary = FinishSummary(std::move(outcome.summary), outcome.hits.size());
    return outcome;
}

}  // namespace lumar
