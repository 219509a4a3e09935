#pragma once

// What a caller hands the merge executor, and the page counts it expects.
//
// A merge (the publication's next supplement into its binders):
//
//   MergeRequest request;
//   request.publication = publication;          // PublicationLastInfoRecord, before the merge
//   request.supplement = supplement;
//   request.binderDocuments = binderDocuments;  // the publication's BinderDocRecords
//   request.window = dialogWindow;              // parent of the progress dialog
//   request.onCommand = [&](std::size_t index) { highlight(index); };
//   ExpectedPageCounts()[2] = 48;               // for every binder the merge changes
//   RunMerge(request);
//   if (request.success) ...
//
// An update (tab sheets and colours, in place) sets `updateData`, e.g.
// "(3)binder\r\n(1,2,1)SetTabsheet\r\n"; "(0)binder" updates the supplement.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "service/ws_records.h"

namespace lumar {

struct MergeRequest {
    PublicationLastInfoRecord publication;
    SupplementRecord supplement;
    std::vector<BinderDocRecord> binderDocuments;

    // The calling dialog's platform window: parent of the progress dialog.
    void* window = nullptr;
    // Progress notice: called before each command with its index.
    std::function<void(std::size_t commandIndex)> onCommand;
    // Brings the calling window to the front when the run is over.
    std::function<void()> bringToFront;

    // Update data; empty for a merge.
    std::string updateData;

    // Set by the executor.
    bool success = false;
    // The binder files (platform paths) a merge wrote, in order. A merge
    // that fails is reverted by its caller, which removes them too; an
    // update writes binders in place and lists nothing.
    std::vector<std::string> writtenFiles;
};

// Runs the merge or update; the outcome is request.success (also returned).
// Every failure has been shown to the user.
bool RunMerge(MergeRequest& request);

// The number of pages each binder (1 to 35; index 0 unused) must have after
// the run, filled by the caller before a merge or a binder update; kept
// between runs. A finished binder with another count fails the run.
std::array<std::int32_t, 36>& ExpectedPageCounts();

}  // namespace lumar
