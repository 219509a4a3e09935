// The dialogs' toolbar: its buttons, their tips in either state, and how the
// dialog's handlers decide what a button shows and whether a click runs.

#include "ui/toolbar_dialog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace lumar {
namespace {

namespace id = toolbar_command;

struct TipCase {
    int command;
    const char* first;
    const char* second;
};

class ToolbarTips : public ::testing::TestWithParam<TipCase> {};

TEST_P(ToolbarTips, ComeFromEitherSideOfTheLineBreak) {
    EXPECT_EQ(ToolbarTipText(GetParam().command, false), GetParam().first);
    EXPECT_EQ(ToolbarTipText(GetParam().command, true), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ToolbarTips,
    ::testing::Values(TipCase{id::kOpen, "Open", "Open"}, TipCase{id::kReplace, "Replace", ""},
                      TipCase{id::kStore, "Store", "Cut"},
                      TipCase{id::kRestore, "Restore", "Paste"},
                      TipCase{id::kEditMode, "Currently in Edit mode", "Switch to Edit mode"},
                      TipCase{id::kOverviewMode, "Switch to Overview mode",
                              "Currently in Overview mode"},
                      TipCase{0, "", ""}, TipCase{40005, "", ""}));

TEST(ToolbarDialog, TheToolbarHoldsTheNineCommandsInOrder) {
    std::vector<int> commands;
    for (const ToolbarButton& button : ToolbarButtons(kToolbarResource)) {
        if (button.command != 0) {
            commands.push_back(button.command);
            EXPECT_NE(std::string(button.image), "");
        }
    }
    EXPECT_EQ(commands,
              (std::vector<int>{id::kOpen, id::kSave, id::kReplace, id::kInsert, id::kDelete,
                                id::kStore, id::kRestore, id::kEditMode, id::kOverviewMode}));
    EXPECT_TRUE(ToolbarButtons(121).empty());
}

// A dialog model as the editors have it: enabled and checked sets, a log of
// what ran, and (for the editor) tips of its own.
struct FakeDialog {
    std::set<int> enabled;
    std::set<int> checked;
    std::vector<int> ran;
    bool IsEnabled(int command) const { return enabled.count(command) != 0; }
    bool IsChecked(int command) const { return checked.count(command) != 0; }
    bool Execute(int command) {
        ran.push_back(command);
        return true;
    }
};

struct FakeEditor : FakeDialog {
    std::string ToolTip(int command) const { return "tip " + std::to_string(command); }
};

TEST(ToolbarDialog, ButtonStatesFollowTheHandlers) {
    FakeDialog dialog;
    dialog.enabled = {id::kSave, id::kInsert};
    dialog.checked = {id::kEditMode};
    CToolbarDialog toolbar(ToolbarHandlersFor(dialog));
    const std::vector<ToolbarButtonState> states = toolbar.ButtonStates();
    ASSERT_EQ(states.size(), 9U);
    EXPECT_EQ(states[1], (ToolbarButtonState{id::kSave, true, false, "Save"}));
    EXPECT_EQ(states[4], (ToolbarButtonState{id::kDelete, false, false, "Delete"}));
    EXPECT_EQ(states[7],
              (ToolbarButtonState{id::kEditMode, false, true, "Currently in Edit mode"}));

    // The next idle update sees the dialog's new state.
    dialog.enabled = {id::kDelete};
    EXPECT_FALSE(toolbar.StateOf(id::kSave).enabled);
    EXPECT_TRUE(toolbar.StateOf(id::kDelete).enabled);
}

TEST(ToolbarDialog, AModelsOwnTipsWin) {
    FakeEditor editor;
    CToolbarDialog toolbar(ToolbarHandlersFor(editor));
    EXPECT_EQ(toolbar.StateOf(id::kStore).toolTip, "tip 32776");
}

TEST(ToolbarDialog, AClickRunsOnlyAnEnabledCommandOfTheToolbar) {
    FakeDialog dialog;
    dialog.enabled = {id::kSave, 40005};
    CToolbarDialog toolbar(ToolbarHandlersFor(dialog));
    EXPECT_TRUE(toolbar.OnToolbarCommand(id::kSave));
    EXPECT_FALSE(toolbar.OnToolbarCommand(id::kInsert));  // disabled
    EXPECT_FALSE(toolbar.OnToolbarCommand(40005));        // no button of the toolbar
    EXPECT_FALSE(toolbar.OnToolbarCommand(0));
    EXPECT_EQ(dialog.ran, std::vector<int>{id::kSave});
}

TEST(ToolbarDialog, WithoutHandlersEveryButtonIsDisabled) {
    CToolbarDialog toolbar({});
    for (const ToolbarButtonState& state : toolbar.ButtonStates()) {
        EXPECT_FALSE(state.enabled);
        EXPECT_FALSE(state.checked);
    }
    EXPECT_EQ(toolbar.StateOf(id::kRestore).toolTip, "Restore");
    EXPECT_FALSE(toolbar.OnToolbarCommand(id::kSave));
}

}  // namespace
}  // namespace lumar
