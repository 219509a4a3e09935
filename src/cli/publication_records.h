#pragma once

// The service's records of one publication that the commands work with:
// its newest version, binder documents, next supplement and next merge data.

#include <cstdint>
#include <vector>

#include "service/ws_records.h"

namespace lumar::cli {

struct PublicationRecords {
    PublicationLastInfoRecord publication;
    std::vector<BinderDocRecord> binderDocuments;
    SupplementRecord supplement;  // the next supplement; empty when none
    MergeRecord merge;            // the next merge data, with its text; empty when none
};

// Fetches them for the logged-on user. A refusal of the service is printed
// and ends the command (exit 1).
PublicationRecords FetchPublicationRecords(std::int32_t publicationId);

}  // namespace lumar::cli
