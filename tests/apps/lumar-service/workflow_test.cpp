// The workflow rules on their own: one row per transition or refusal of the
// state table in the service's README.

#include "lumar-service/workflow.h"

#include <gtest/gtest.h>

#include <functional>

#include "lumar-service/service_error.h"

namespace lumar::service_app {
namespace {

constexpr std::int32_t kMe = 7;
constexpr std::int32_t kOther = 8;
constexpr std::int32_t kMyAdministrator = 1;

Caller User(std::int32_t level, std::int32_t administrator = kMyAdministrator) {
    return {kMe, "me", level, administrator};
}

PublicationState Released(std::int32_t binders) {
    PublicationState state;
    state.Publication_ID = 10;
    state.Administrator_ID = kMyAdministrator;
    state.Update_status_ID = kReleased;
    state.Binder_count = binders;
    return state;
}

PublicationState Locked(std::int32_t status, std::int32_t holder = kMe, std::int32_t binders = 2) {
    PublicationState state = Released(binders);
    state.Update_status_ID = status;
    state.Update_user_ID = holder;
    return state;
}

PublicationState WithSupplement(PublicationState state, bool mergeData) {
    state.Supplement_ID_next = 30;
    state.Merge_ID_next = mergeData ? 40 : 0;
    state.Merge_status_next = mergeData ? kMergeReady : 0;
    return state;
}

struct Row {
    const char* name;
    std::function<void()> action;
    int expected;  // 0: allowed, else the ErrorCode
};

int Outcome(const std::function<void()>& action) {
    try {
        action();
        return 0;
    } catch (const ServiceError& error) {
        return static_cast<int>(error.code());
    }
}

constexpr int kAllowed = 0;
constexpr int kLevel = static_cast<int>(ErrorCode::NotAuthorised);
constexpr int kOwner = static_cast<int>(ErrorCode::NotOwner);
constexpr int kHolder = static_cast<int>(ErrorCode::LockedByOther);
constexpr int kState = static_cast<int>(ErrorCode::WrongState);
constexpr int kValue = static_cast<int>(ErrorCode::InvalidParameter);

class WorkflowRule : public ::testing::TestWithParam<Row> {};

TEST_P(WorkflowRule, DecidesAsTheTableSays) {
    EXPECT_EQ(Outcome(GetParam().action), GetParam().expected);
}

PublicationState Merged() {
    PublicationState state = Locked(kLockedForSupplement);
    state.Merge_ID_done = 40;
    state.Publication_ID_previous = 9;
    return state;
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, WorkflowRule,
    ::testing::Values(
        Row{"LockWithBindersByEditor",
            [] { EXPECT_EQ(CheckLock(Released(2), User(3)), kLockedForSupplement); }, kAllowed},
        Row{"LockWithoutBindersByProducer",
            [] { EXPECT_EQ(CheckLock(Released(0), User(4)), kLockedForBinders); }, kAllowed},
        Row{"LockWithoutBindersByEditor", [] { CheckLock(Released(0), User(3)); }, kLevel},
        Row{"LockByReader", [] { CheckLock(Released(2), User(2)); }, kLevel},
        Row{"LockOtherAdministrators", [] { CheckLock(Released(2), User(4, 2)); }, kOwner},
        Row{"LockOtherAdministratorsAsSupervisor", [] { CheckLock(Released(2), User(5, 0)); },
            kAllowed},
        Row{"LockLocked", [] { CheckLock(Locked(kLockedForSupplement), User(4)); }, kState},
        Row{"LockSuperseded",
            [] {
                auto s = Released(2);
                s.Publication_ID_next = 11;
                CheckLock(s, User(4));
            },
            kState},
        Row{"UnlockSupplementWork", [] { CheckUnlock(Locked(kLockedForSupplement), User(3)); },
            kAllowed},
        Row{"UnlockOthersLock", [] { CheckUnlock(Locked(kLockedForSupplement, kOther), User(5)); },
            kHolder},
        Row{"UnlockBindersLockWithoutBinders",
            [] { CheckUnlock(Locked(kLockedForBinders, kMe, 0), User(4)); }, kAllowed},
        Row{"UnlockBindersLockWithBinders",
            [] { CheckUnlock(Locked(kLockedForBinders, kMe, 2), User(4)); }, kState},
        Row{"UnlockReleased", [] { CheckUnlock(Released(2), User(4)); }, kState},
        Row{"ResetBindersLock", [] { CheckReset(Locked(kLockedForBinders), User(4)); }, kAllowed},
        Row{"ResetByEditor", [] { CheckReset(Locked(kLockedForBinders), User(3)); }, kLevel},
        Row{"ResetWithSupplement",
            [] { CheckReset(WithSupplement(Locked(kLockedForSupplement), false), User(4)); },
            kState},
        Row{"LoadBinder2",
            [] {
                EXPECT_EQ(CheckBinderDocInsert(Locked(kLockedForBinders), User(4), 2, false),
                          BinderInsert::AddToLoad);
            },
            kAllowed},
        Row{"LoadBinder1Completes",
            [] {
                EXPECT_EQ(CheckBinderDocInsert(Locked(kLockedForBinders), User(4), 1, false),
                          BinderInsert::CompleteLoad);
            },
            kAllowed},
        Row{"LoadByEditor",
            [] { CheckBinderDocInsert(Locked(kLockedForBinders), User(3), 2, false); }, kLevel},
        Row{"LoadIntoReleased", [] { CheckBinderDocInsert(Released(0), User(4), 2, false); },
            kState},
        Row{"InPlaceBinder",
            [] {
                EXPECT_EQ(CheckBinderDocInsert(Locked(kLockedForSupplement), User(4), 3, true),
                          BinderInsert::InPlace);
            },
            kAllowed},
        Row{"InPlaceWithMergeData",
            [] {
                CheckBinderDocInsert(WithSupplement(Locked(kLockedForSupplement), true), User(4), 3,
                                     true);
            },
            kState},
        Row{"MergeBinder",
            [] {
                EXPECT_EQ(CheckBinderDocInsert(Locked(kMerging), User(3), 2, false),
                          BinderInsert::AddToMerge);
            },
            kAllowed},
        Row{"MergeClose",
            [] {
                EXPECT_EQ(CheckBinderDocInsert(Locked(kMerging), User(3), 0, false),
                          BinderInsert::CompleteMerge);
            },
            kAllowed},
        Row{"MergeBinderOfOthersMerge",
            [] { CheckBinderDocInsert(Locked(kMerging, kOther), User(3), 2, false); }, kHolder},
        Row{"SupplementInsert",
            [] { CheckSupplementInsert(Locked(kLockedForSupplement), User(3), 4); }, kAllowed},
        Row{"SupplementInsertTwice",
            [] {
                CheckSupplementInsert(WithSupplement(Locked(kLockedForSupplement), false), User(3),
                                      4);
            },
            kState},
        Row{"SupplementNumberBelowDone",
            [] {
                auto s = Locked(kLockedForSupplement);
                s.Supplement_number_done = 5;
                CheckSupplementInsert(s, User(3), 4);
            },
            kValue},
        Row{"SupplementInBindersLock",
            [] { CheckSupplementInsert(Locked(kLockedForBinders), User(4), 4); }, kState},
        Row{"SupplementChangeWithMergeData",
            [] {
                CheckSupplementChange(WithSupplement(Locked(kLockedForSupplement), true), User(3),
                                      30);
            },
            kState},
        Row{"SupplementChangeOtherId",
            [] {
                CheckSupplementChange(WithSupplement(Locked(kLockedForSupplement), false), User(3),
                                      31);
            },
            kState},
        Row{"MergeInsert",
            [] {
                CheckMergeInsert(WithSupplement(Locked(kLockedForSupplement), false), User(3), 30);
            },
            kAllowed},
        Row{"MergeInsertWithoutSupplement",
            [] { CheckMergeInsert(Locked(kLockedForSupplement), User(3), 30); }, kState},
        Row{"Merge",
            [] { CheckMerge(WithSupplement(Locked(kLockedForSupplement), true), User(3)); },
            kAllowed},
        Row{"MergeWithoutMergeData",
            [] { CheckMerge(WithSupplement(Locked(kLockedForSupplement), false), User(3)); },
            kState},
        Row{"MergeByReader",
            [] { CheckMerge(WithSupplement(Locked(kLockedForSupplement), true), User(2)); },
            kLevel},
        Row{"RevertMerging", [] { CheckRevert(Locked(kMerging), User(3)); }, kAllowed},
        Row{"RevertMergedByProducer", [] { CheckRevert(Merged(), User(4)); }, kAllowed},
        Row{"RevertMergedByEditor", [] { CheckRevert(Merged(), User(3)); }, kLevel},
        Row{"RevertUnmerged", [] { CheckRevert(Locked(kLockedForSupplement), User(4)); }, kState},
        Row{"RevertMergedWithNewSupplement",
            [] { CheckRevert(WithSupplement(Merged(), false), User(4)); }, kState},
        Row{"UpdateDetailsBySupervisor",
            [] { CheckPublicationUpdate(Locked(kLockedForSupplement), User(5)); }, kAllowed},
        Row{"UpdateDetailsByProducer",
            [] { CheckPublicationUpdate(Locked(kLockedForSupplement), User(4)); }, kLevel},
        Row{"ReadOtherAdministrators", [] { CheckRead(Released(2), User(2, 2)); }, kOwner},
        Row{"ReadByGuest", [] { CheckRead(Released(2), User(1)); }, kLevel}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumar::service_app
