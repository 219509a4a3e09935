#pragma once

// Reading publication versions: the workflow snapshot of one version, and
// the 40-field information records of the list operations.

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "lumar-service/workflow.h"

namespace lumar::service_app {

class Connection;

// Throws ServiceError(UnknownId) when there is no such version.
PublicationState LoadPublicationState(Connection& db, std::int32_t publicationId);

// The version a binder document, supplement or merge record belongs to.
// Throw ServiceError(UnknownId) for an unknown record.
std::int32_t PublicationOfBinderDoc(Connection& db, std::int32_t binderDocId);
std::int32_t PublicationOfSupplement(Connection& db, std::int32_t supplementId);
std::int32_t PublicationOfMerge(Connection& db, std::int32_t mergeId);

// Filters of "PublicationInfoList" and "PublicationLastInfoList"; 0 does not
// restrict.
struct PublicationFilter {
    std::int32_t Publication_ID = 0;
    std::int32_t Publication_status_ID = 0;
    std::int32_t Language_ID = 0;
    std::int32_t Binder_type_ID = 0;
    std::int32_t Printing_ID = 0;
    std::int32_t Administrator_ID = 0;
    std::int32_t Update_user_ID = 0;
    std::int32_t Update_status_ID = 0;
    std::int32_t Merge_status_ID = 0;
};

// newestOnly: one record per publication, its newest version; a
// Publication_ID filter then selects the publication that version belongs
// to, whichever of its versions it names. Otherwise every version, and
// Publication_ID selects exactly that version.
std::vector<std::vector<std::string>> QueryPublicationRecords(Connection& db,
                                                              const PublicationFilter& filter,
                                                              bool newestOnly);

// Sets the update status (and its time) and the update user of a version.
void SetUpdateStatus(Connection& db, std::int32_t publicationId, std::int32_t status,
                     std::int32_t updateUserId, std::time_t now);

}  // namespace lumar::service_app
