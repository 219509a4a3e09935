#pragma once

// The publication manager's commands (menu and button command numbers) and
// the control ids of its buttons.

namespace lumar {

enum ManagerCommand : int {
    kCmdPublicationDetails = 40025,
    kCmdAddPublicationBinders = 40026,
    kCmdSupplementDetails = 40027,
    kCmdAddSupplement = 40028,
    kCmdMergeDataDetails = 40029,
    kCmdAddMergeData = 40030,
    kCmdLockPublication = 40031,
    kCmdUnlockPublication = 40032,
    kCmdRevertPublication = 40033,
    kCmdMergePublication = 40034,
    kCmdRefreshList = 40035,
    kCmdManagerColumnsChanged = 40036,
};

// Buttons of the manager dialog.
enum ManagerButton : int {
    kIdcClose = 2,
    kIdcDetails = 1065,
    kIdcAdd = 1066,
    kIdcSupplementDetails = 1067,
    kIdcAddSupplement = 1068,
    kIdcMergeDataDetails = 1069,
    kIdcAddMergeData = 1070,
    kIdcLock = 1071,
    kIdcUnlock = 1072,
    kIdcRefresh = 1073,
    kIdcRevert = 1074,
    kIdcMerge = 1075,
};

// The command a manager button runs (0 for Close and unknown ids).
int CommandOfManagerButton(int button);

// String resources of the tool tips.
inline constexpr int kTipNotAuthorised = 117;
inline constexpr int kTipNoItemSelected = 118;
inline constexpr int kTipNoItemsSelected = 119;
inline constexpr int kTipLockFirst = 121;

// The text of a tool tip string resource; empty for 0 and unknown numbers.
const char* ToolTipText(int resource);

}  // namespace lumar
