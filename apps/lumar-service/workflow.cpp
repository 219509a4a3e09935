#include "lumar-service/workflow.h"

#include <string>

#include "lumar-service/service_error.h"

namespace lumar::service_app {

namespace {

std::string Name(const PublicationState& publication) {
    return "Publication " + std::to_string(publication.Publication_ID);
}

[[noreturn]] void WrongState(const std::string& text) {
    throw ServiceError(ErrorCode::WrongState, text);
}

void RequireOwner(const PublicationState& publication, const Caller& caller) {
    if (caller.level < kSupervisor && publication.Administrator_ID != caller.Administrator_ID) {
        throw ServiceError(ErrorCode::NotOwner,
                           Name(publication) + " belongs to another administrator");
    }
}

void RequireNewest(const PublicationState& publication) {
    if (publication.Publication_ID_next != 0) {
        WrongState(Name(publication) + " has been superseded by version " +
                   std::to_string(publication.Publication_ID_next));
    }
}

// Level, ownership and newest version: the common start of every change.
void RequireChangeable(const PublicationState& publication, const Caller& caller,
                       std::int32_t level, std::string_view action) {
    RequireLevel(caller, level, action);
    RequireOwner(publication, caller);
    RequireNewest(publication);
}

void RequireStatus(const PublicationState& publication, std::int32_t status,
                   std::string_view action) {
    if (publication.Update_status_ID != status) {
        WrongState(std::string(action) + " needs the status \"" +
                   std::string(UpdateStatusName(status)) + "\"; " + Name(publication) + " is \"" +
                   std::string(UpdateStatusName(publication.Update_status_ID)) + "\"");
    }
}

void RequireHolder(const PublicationState& publication, const Caller& caller) {
    if (publication.Update_user_ID != caller.User_ID) {
        throw ServiceError(
            ErrorCode::LockedByOther,
            Name(publication) + " is locked by user " + std::to_string(publication.Update_user_ID));
    }
}

void RequireNoMergeData(const PublicationState& publication) {
    if (publication.Merge_ID_next != 0) {
        WrongState(Name(publication) + " has merge data " +
                   std::to_string(publication.Merge_ID_next) +
                   "; its documents stay as they are until the merge");
    }
}

// Status 2, held by the caller: the start of all supplement and merge work.
void RequireSupplementWork(const PublicationState& publication, const Caller& caller,
                           std::string_view action) {
    RequireChangeable(publication, caller, kEditor, action);
    RequireStatus(publication, kLockedForSupplement, action);
    RequireHolder(publication, caller);
}

}  // namespace

std::string_view UpdateStatusName(std::int32_t status) {
    switch (status) {
    case kReleased:
        return "Released";
    case kLockedForSupplement:
        return "Locked for supplement";
    case kLockedForBinders:
        return "Locked for binders";
    case kMerging:
        return "Merge in progress";
    case kSuperseded:
        return "Superseded";
    default:
        return "unknown";
    }
}

void CheckRead(const PublicationState& publication, const Caller& caller) {
    RequireLevel(caller, kReader, "Reading publications");
    RequireOwner(publication, caller);
}

std::int32_t CheckLock(const PublicationState& publication, const Caller& caller) {
    RequireChangeable(publication, caller, kEditor, "Locking a publication");
    RequireStatus(publication, kReleased, "Locking a publication");
    if (publication.Binder_count == 0) {
        RequireLevel(caller, kProducer, "Locking a publication without binders");
        return kLockedForBinders;
    }
    return kLockedForSupplement;
}

void CheckUnlock(const PublicationState& publication, const Caller& caller) {
    RequireChangeable(publication, caller, kEditor, "Unlocking a publication");
    if (publication.Update_status_ID != kLockedForSupplement &&
        publication.Update_status_ID != kLockedForBinders) {
        WrongState(Name(publication) + " is not locked (\"" +
                   std::string(UpdateStatusName(publication.Update_status_ID)) + "\")");
    }
    RequireHolder(publication, caller);
    if (publication.Update_status_ID == kLockedForBinders && publication.Binder_count != 0) {
        WrongState(Name(publication) +
                   " holds the binders of an unfinished load; load the binders again");
    }
}

void CheckPublicationUpdate(const PublicationState& publication, const Caller& caller) {
    RequireChangeable(publication, caller, kSupervisor, "Changing publication details");
    RequireStatus(publication, kLockedForSupplement, "Changing publication details");
    RequireHolder(publication, caller);
}

void CheckPublicationDelete(const PublicationState& publication, const Caller& caller) {
    RequireChangeable(publication, caller, kSupervisor, "Deleting a publication");
    switch (publication.Update_status_ID) {
    case kReleased:
        return;
    case kLockedForSupplement:
    case kLockedForBinders:
        RequireHolder(publication, caller);
        return;
    default:
        WrongState(Name(publication) + " cannot be deleted while \"" +
                   std::string(UpdateStatusName(publication.Update_status_ID)) + "\"");
    }
}

void CheckReset(const PublicationState& publication, const Caller& caller) {
    RequireChangeable(publication, caller, kProducer, "Resetting a publication");
    if (publication.Update_status_ID == kLockedForSupplement) {
        RequireHolder(publication, caller);
        if (publication.Supplement_ID_next != 0) {
            WrongState(Name(publication) + " has supplement " +
                       std::to_string(publication.Supplement_ID_next) +
                       " in progress; discard it first");
        }
        return;
    }
    RequireStatus(publication, kLockedForBinders, "Resetting a publication");
    RequireHolder(publication, caller);
}

void CheckMerge(const PublicationState& publication, const Caller& caller) {
    RequireSupplementWork(publication, caller, "Merging a publication");
    if (publication.Supplement_ID_next == 0) {
        WrongState(Name(publication) + " has no supplement to merge");
    }
    if (publication.Merge_ID_next == 0) {
        WrongState(Name(publication) + " has no merge data");
    }
    if (publication.Merge_status_next > kMergeReady) {
        WrongState("The merge data of " + Name(publication) + " have been merged already");
    }
}

void CheckRevert(const PublicationState& publication, const Caller& caller) {
    RequireChangeable(publication, caller, kEditor, "Reverting a publication");
    if (publication.Update_status_ID == kMerging) {
        RequireHolder(publication, caller);
        return;
    }
    if (publication.Update_status_ID != kLockedForSupplement || publication.Merge_ID_done == 0) {
        WrongState(Name(publication) + " is not the result of a merge that can be reverted");
    }
    RequireLevel(caller, kProducer, "Reverting a merged publication");
    RequireHolder(publication, caller);
    if (publication.Supplement_ID_next != 0) {
        WrongState(Name(publication) + " has supplement " +
                   std::to_string(publication.Supplement_ID_next) +
                   " in progress; discard it before reverting");
    }
}

BinderInsert CheckBinderDocInsert(const PublicationState& publication, const Caller& caller,
                                  std::int32_t binderNumber, bool publicationUpdate) {
    RequireChangeable(publication, caller, kEditor, "Adding a binder document");
    switch (publication.Update_status_ID) {
    case kLockedForBinders:
        RequireLevel(caller, kProducer, "Loading binders");
        RequireHolder(publication, caller);
        if (publicationUpdate) {
            WrongState(Name(publication) + " is loading its binders; Publication_update must be 0");
        }
        if (binderNumber == 0) {
            WrongState("Binder 0 closes a merge; " + Name(publication) + " is not being merged");
        }
        return binderNumber == 1 ? BinderInsert::CompleteLoad : BinderInsert::AddToLoad;
    case kLockedForSupplement:
        if (!publicationUpdate) {
            WrongState(Name(publication) +
                       " is locked for supplement work; a binder is added to it in place "
                       "(Publication_update 1)");
        }
        RequireLevel(caller, kProducer, "Adding a binder in place");
        RequireHolder(publication, caller);
        RequireNoMergeData(publication);
        if (binderNumber == 0) {
            WrongState("Binder 0 closes a merge; " + Name(publication) + " is not being merged");
        }
        return BinderInsert::InPlace;
    case kMerging:
        RequireHolder(publication, caller);
        if (publicationUpdate) {
            WrongState(Name(publication) + " is being merged; Publication_update must be 0");
        }
        return binderNumber == 0 ? BinderInsert::CompleteMerge : BinderInsert::AddToMerge;
    default:
        WrongState(Name(publication) + " takes no binder documents while \"" +
                   std::string(UpdateStatusName(publication.Update_status_ID)) + "\"");
    }
}

void CheckBinderDocUpdate(const PublicationState& publication, const Caller& caller) {
    RequireSupplementWork(publication, caller, "Changing a binder document");
    RequireNoMergeData(publication);
}

void CheckBinderDocDelete(const PublicationState& publication, const Caller& caller) {
    RequireChangeable(publication, caller, kEditor, "Deleting a binder document");
    switch (publication.Update_status_ID) {
    case kMerging:
        RequireHolder(publication, caller);
        return;
    case kLockedForBinders:
        RequireLevel(caller, kProducer, "Deleting a binder document");
        RequireHolder(publication, caller);
        return;
    case kLockedForSupplement:
        RequireLevel(caller, kProducer, "Deleting a binder document");
        RequireHolder(publication, caller);
        RequireNoMergeData(publication);
        return;
    default:
        WrongState(Name(publication) + " is not locked; its binder documents cannot be deleted");
    }
}

void CheckSupplementInsert(const PublicationState& publication, const Caller& caller,
                           std::int32_t supplementNumber) {
    RequireSupplementWork(publication, caller, "Adding a supplement");
    if (publication.Supplement_ID_next != 0) {
        WrongState(Name(publication) + " already has supplement " +
                   std::to_string(publication.Supplement_ID_next) + " in progress");
    }
    if (supplementNumber < 1 || supplementNumber < publication.Supplement_number_done) {
        throw ServiceError(ErrorCode::InvalidParameter,
                           "Supplement_number " + std::to_string(supplementNumber) +
                               " is below the merged supplement's number " +
                               std::to_string(publication.Supplement_number_done) +
                               " (or below 1)");
    }
}

void CheckSupplementChange(const PublicationState& publication, const Caller& caller,
                           std::int32_t supplementId) {
    RequireSupplementWork(publication, caller, "Changing a supplement");
    if (supplementId != publication.Supplement_ID_next) {
        WrongState("Supplement " + std::to_string(supplementId) +
                   " is not the next supplement of " + Name(publication));
    }
    RequireNoMergeData(publication);
}

void CheckMergeInsert(const PublicationState& publication, const Caller& caller,
                      std::int32_t supplementId) {
    RequireSupplementWork(publication, caller, "Adding merge data");
    if (publication.Supplement_ID_next == 0 || supplementId != publication.Supplement_ID_next) {
        WrongState("Supplement " + std::to_string(supplementId) +
                   " is not the next supplement of " + Name(publication));
    }
    if (publication.Merge_ID_next != 0) {
        WrongState(Name(publication) + " already has merge data " +
                   std::to_string(publication.Merge_ID_next));
    }
}

void CheckMergeChange(const PublicationState& publication, const Caller& caller,
                      std::int32_t mergeId) {
    RequireSupplementWork(publication, caller, "Changing merge data");
    if (mergeId != publication.Merge_ID_next) {
        WrongState("Merge data " + std::to_string(mergeId) + " are not the next merge data of " +
                   Name(publication));
    }
}

}  // namespace lumar::service_app
