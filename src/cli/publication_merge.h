#pragma once

// The merge of a publication's next supplement into its binders, run the
// way the publication manager's Merge command runs it.

#include <cstdint>

#include "cli/cli_session.h"
#include "cli/publication_records.h"

namespace lumar::cli {

struct MergeOutcome {
    PublicationRecords before;  // the publication as it was
    std::int32_t newPublicationId = 0;
    bool success = false;
};

// The publication manager's Merge on the publication, locked for the user
// first when it is released. Every failure has been shown.
MergeOutcome MergePublication(CliSession& session, std::int32_t publicationId);

// One line per binder of the merged version: binder, file before, file
// after, pages before and after, the PDF check's verdict; a header first.
void PrintMergeTable(const MergeOutcome& outcome);

}  // namespace lumar::cli
