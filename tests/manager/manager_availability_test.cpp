// Which manager commands a user may run on a publication, by level, update
// status, holder and the publication's documents.

#include "manager/manager_availability.h"

#include <gtest/gtest.h>

#include <string>

#include "manager/manager_commands.h"
#include "manager/manager_layout.h"

namespace lumar {
namespace {

constexpr std::int32_t kMe = 7;
constexpr std::int32_t kOther = 8;

// The commands 40025..40034 as one letter each: Details, Add binders,
// Supplement details, add supplement (s), Merge data details, add merge data
// (m), Lock, Unlock, reVert, merGe. '-' where not available.
std::string Available(const PublicationLastInfoRecord* p, const ManagerFacts& facts) {
    const char letters[] = "DASsMmLUVG";
    std::string result;
    for (int i = 0; i < 10; ++i) {
        result += ManagerCommandAvailable(kCmdPublicationDetails + i, p, facts) ? letters[i] : '-';
    }
    return result;
}

struct Case {
    const char* name;
    std::int32_t level;
    std::int32_t status;
    std::int32_t holder;
    std::int32_t binders;
    std::int32_t supplementNext;
    std::int32_t mergeNext;
    std::int32_t mergeDone;
    std::int32_t mergeStatus;
    bool modal;
    bool activeDocument;
    const char* expected;
};

const Case kCases[] = {
    // Released publications: lock needs level 4, or level 3 with binders.
    {"reader_released", 2, 1, 0, 2, 0, 0, 0, 0, false, false, "D---------"},
    {"editor_released_with_binders", 3, 1, 0, 2, 0, 0, 0, 0, false, false, "D-----L---"},
    {"editor_released_without_binders", 3, 1, 0, 0, 0, 0, 0, 0, false, false, "D---------"},
    {"producer_released_without_binders", 4, 1, 0, 0, 0, 0, 0, 0, false, false, "D-----L---"},
    {"guest_sees_nothing", 1, 1, 0, 2, 0, 0, 0, 0, false, false, "----------"},
    // Locked for binders (3): adding binders for level 4 holders; unlock
    // only while no binder is registered.
    {"producer_binders_holder_empty", 4, 3, kMe, 0, 0, 0, 0, 0, false, false, "DA-----U--"},
    {"producer_binders_holder_loaded", 4, 3, kMe, 3, 0, 0, 0, 0, false, false, "DA--------"},
    {"producer_binders_other_holder", 4, 3, kOther, 0, 0, 0, 0, 0, false, false, "D---------"},
    {"editor_binders_holder", 3, 3, kMe, 0, 0, 0, 0, 0, false, false, "D------U--"},
    // Locked for supplement work (2).
    {"editor_no_supplement_no_document", 3, 2, kMe, 2, 0, 0, 0, 0, false, false, "D------U--"},
    {"editor_no_supplement_document", 3, 2, kMe, 2, 0, 0, 0, 0, false, true, "D--s---U--"},
    {"editor_supplement_without_merge", 3, 2, kMe, 2, 5, 0, 0, 0, false, true, "D-S--m-U--"},
    {"editor_merge_ready", 3, 2, kMe, 2, 5, 6, 0, 2, false, true, "D-S-M--U-G"},
    {"editor_merge_done_status", 3, 2, kMe, 2, 5, 6, 0, 3, false, true, "D-S-M--U--"},
    {"editor_other_holder", 3, 2, kOther, 2, 5, 6, 0, 2, false, true, "D-S-M-----"},
    {"editor_merged_no_revert", 3, 2, kMe, 2, 0, 0, 9, 0, false, false, "D------U--"},
    {"producer_merged_revert", 4, 2, kMe, 2, 0, 0, 9, 0, false, false, "D------UV-"},
    {"producer_merged_other_holder", 4, 2, kOther, 2, 0, 0, 9, 0, false, false, "D---------"},
    // A modal host takes the marked commands away; lock, unlock and revert stay.
    {"modal_merge_ready", 4, 2, kMe, 2, 5, 6, 9, 2, true, true, "-------UV-"},
    {"modal_binders", 4, 3, kMe, 0, 0, 0, 0, 0, true, false, "-------U--"},
    {"modal_released", 4, 1, 0, 0, 0, 0, 0, 0, true, false, "------L---"},
};

class ManagerAvailability : public ::testing::TestWithParam<Case> {};

TEST_P(ManagerAvailability, CommandsOfThePublication) {
    const Case& c = GetParam();
    PublicationLastInfoRecord p;
    p.Publication_ID = 1;
    p.Update_status_ID = c.status;
    p.Update_user_ID = c.holder;
    p.Binder_count = c.binders;
    p.Supplement_ID_next = c.supplementNext;
    p.Merge_ID_next = c.mergeNext;
    p.Merge_ID_done = c.mergeDone;
    p.Merge_status_ID = c.mergeStatus;
    const ManagerFacts facts{c.level, kMe, c.modal, c.activeDocument};
    EXPECT_EQ(Available(&p, facts), c.expected);
    EXPECT_TRUE(ManagerCommandAvailable(kCmdRefreshList, &p, facts));
}

INSTANTIATE_TEST_SUITE_P(Table, ManagerAvailability, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ManagerAvailabilityWithoutSelection, OnlyRefresh) {
    const ManagerFacts facts{5, kMe, false, true};
    EXPECT_EQ(Available(nullptr, facts), "----------");
    EXPECT_TRUE(ManagerCommandAvailable(kCmdRefreshList, nullptr, facts));
    EXPECT_FALSE(ManagerCommandAvailable(kCmdManagerColumnsChanged, nullptr, facts));
}

struct TipCase {
    std::int32_t level;
    bool selected;
    std::int32_t status;
    std::int32_t holder;
    std::string tip;
};

TEST(AddButtonToolTip, ReasonsInOrder) {
    const TipCase cases[] = {
        {3, true, 3, kMe, "Not authorised"},
        {4, false, 3, kMe, "No item selected"},
        {4, true, 1, 0, "You need to lock the publication first"},
        {4, true, 2, kMe, "You need to lock the publication first"},
        {4, true, 3, kOther, "You need to lock the publication first"},
        {4, true, 3, kMe, ""},
        {5, true, 3, kMe, ""},
    };
    for (const TipCase& c : cases) {
        PublicationLastInfoRecord p;
        p.Update_status_ID = c.status;
        p.Update_user_ID = c.holder;
        const ManagerFacts facts{c.level, kMe, false, false};
        EXPECT_EQ(ToolTipText(AddBindersToolTipReason(c.selected ? &p : nullptr, facts)), c.tip)
            << "level " << c.level << " status " << c.status;
    }
}

}  // namespace
}  // namespace lumar

namespace lumar {
namespace {

TEST(ManagerLayout, ControlsFollowTheClientArea) {
    // m = 7, n = 6, buttons 75 x 23, a client area of 600 x 400.
    ManagerLayoutInput input;
    input.clientWidth = 600;
    input.clientHeight = 400;
    input.tab = {7, 7, 300, 200};
    input.listTop = 30;
    input.buttonWidth = 75;
    input.buttonHeight = 23;
    const ManagerLayoutResult r = LayOutManager(input);
    EXPECT_EQ(r.tab, (WindowRect{7, 7, 593, 394}));
    EXPECT_EQ(r.list, (WindowRect{14, 30, 586, 394 - 12 - 23}));
    EXPECT_EQ(r.close, (WindowRect{14, 394 - 6 - 23, 89, 394 - 6}));
    EXPECT_EQ(r.details.left, 600 - 14 - 75);
    EXPECT_EQ(r.refresh.left, r.details.left - 82);
    EXPECT_EQ(r.add.left, r.refresh.left - 82);
    EXPECT_EQ(r.add.top, r.close.top);
    EXPECT_EQ(r.details.right - r.details.left, 75);
    EXPECT_EQ(r.minClientWidth, (4 * 75) + (7 * 7));
    EXPECT_EQ(r.minClientHeight, (4 * 23) + (7 * 6));
}

}  // namespace
}  // namespace lumar
