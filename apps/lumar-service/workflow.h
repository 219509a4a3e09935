#pragma once

// The publication workflow: which operation a user may run on a publication
// version in which state, and what state it leads to. Pure rules over a
// snapshot of the version; the operations load the snapshot, ask here, and
// write the outcome. Every check throws ServiceError with the reason.
//
// Update statuses:
//   1 released             nobody works on it
//   2 locked for supplement  the update user adds a supplement, merge data, merges
//   3 locked for binders     the update user (re)loads the binder documents
//   4 merge in progress    the version a merge is building (from PublicationMerge
//                          until the closing binder-0 insert or a revert)
//   5 superseded           an older version; only read
// The README has the full table.

#include <cstdint>
#include <string_view>

#include "lumar-service/caller.h"

namespace lumar::service_app {

enum UpdateStatus : std::int32_t {
    kReleased = 1,
    kLockedForSupplement = 2,
    kLockedForBinders = 3,
    kMerging = 4,
    kSuperseded = 5,
};

enum MergeStatus : std::int32_t {
    kMergeNotReady = 1,
    kMergeReady = 2,
    kMerged = 3,
};

// What the rules need to know about one publication version.
struct PublicationState {
    std::int32_t Publication_ID = 0;
    std::int32_t Administrator_ID = 0;
    std::int32_t Update_user_ID = 0;
    std::int32_t Update_status_ID = kReleased;
    std::int32_t Binder_count = 0;
    std::int32_t Publication_ID_previous = 0;
    std::int32_t Publication_ID_next = 0;
    std::int32_t Supplement_ID_next = 0;
    std::int32_t Supplement_number_done = 0;
    std::int32_t Merge_ID_next = 0;
    std::int32_t Merge_ID_done = 0;
    std::int32_t Merge_status_next = 0;  // status of the next merge data, 0 when none
};

// Reading a publication or its documents: level 2 and, below level 5, a
// publication of the caller's own administrator.
void CheckRead(const PublicationState& publication, const Caller& caller);

// PublicationLock: 1 -> 2 (has binders; level 3) or 1 -> 3 (no binders;
// level 4). Returns the new status.
std::int32_t CheckLock(const PublicationState& publication, const Caller& caller);

// PublicationUnlock by the update user, level 3: 2 -> 1, or 3 -> 1 while the
// version has no binder documents.
void CheckUnlock(const PublicationState& publication, const Caller& caller);

// PublicationUpdate (the publication's fields): level 5, status 2, update user.
void CheckPublicationUpdate(const PublicationState& publication, const Caller& caller);

// PublicationDelete: level 5, the newest version, released or held by the caller.
void CheckPublicationDelete(const PublicationState& publication, const Caller& caller);

// PublicationReset (drop the binder documents, -> 3): level 4, update user,
// status 3, or status 2 without a supplement in progress.
void CheckReset(const PublicationState& publication, const Caller& caller);

// PublicationMerge: level 3, status 2, update user, next supplement and next
// merge data present, merge status at most 2.
void CheckMerge(const PublicationState& publication, const Caller& caller);

// PublicationRevert: a version under construction (status 4) by its update
// user at level 3 (the failure path of a merge), or a finished merge
// (status 2 with Merge_ID_done) by its update user at level 4.
void CheckRevert(const PublicationState& publication, const Caller& caller);

enum class BinderInsert {
    AddToLoad,      // status 3: one binder of a load; binder 1 comes last
    CompleteLoad,   // status 3, binder 1: the load is complete, 3 -> 2
    InPlace,        // status 2 with Publication_update: a binder added in place
    AddToMerge,     // status 4: a binder of the version being merged
    CompleteMerge,  // status 4, binder 0: the merge is complete, 4 -> 2
};

// BinderDocInsert. Binder numbers 1..35, or 0 for the closing call of a merge.
BinderInsert CheckBinderDocInsert(const PublicationState& publication, const Caller& caller,
                                  std::int32_t binderNumber, bool publicationUpdate);

// BinderDocUpdate: level 3, status 2, update user, no merge data pending.
void CheckBinderDocUpdate(const PublicationState& publication, const Caller& caller);

// BinderDocDelete: status 4 (level 3), status 3 (level 4), or status 2 without
// merge data pending (level 4); always by the update user.
void CheckBinderDocDelete(const PublicationState& publication, const Caller& caller);

// SupplementInsert: level 3, status 2, update user, no next supplement yet, a
// number of at least 1 and at least the merged supplement's number.
void CheckSupplementInsert(const PublicationState& publication, const Caller& caller,
                           std::int32_t supplementNumber);

// SupplementUpdate / SupplementDelete of the next supplement: level 3,
// status 2, update user, no merge data yet.
void CheckSupplementChange(const PublicationState& publication, const Caller& caller,
                           std::int32_t supplementId);

// MergeInsert: level 3, status 2, update user, for the next supplement, no
// merge data yet.
void CheckMergeInsert(const PublicationState& publication, const Caller& caller,
                      std::int32_t supplementId);

// MergeUpdate / MergeDelete of the next merge data: level 3, status 2, update user.
void CheckMergeChange(const PublicationState& publication, const Caller& caller,
                      std::int32_t mergeId);

std::string_view UpdateStatusName(std::int32_t status);

}  // namespace lumar::service_app
