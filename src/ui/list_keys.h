#pragma once

// The keyboard of the record lists as data. A Ctrl+letter arrives as its
// control code (1 for A to 26 for Z); the list acts on it only when exactly
// one of "Ctrl is down" and "the code was sent by the list itself" holds, so
// Ctrl+Delete does not reach the Delete command. Ctrl+A and Ctrl+E select
// all and clear the selection; other codes are asked of the owner and
// executed when available.

#include <functional>
#include <optional>

#include "ui/list_commands.h"

namespace lumar {

// A control code's action, besides the owner's commands: the merge data
// editor's lists switch between their modes with Ctrl+H, always available.
inline constexpr int kSwitchToEditMode = -1;
inline constexpr int kSwitchToOverviewMode = -2;

// The command the class executes for a control code (a command number, or
// kSwitchToEditMode / kSwitchToOverviewMode), or none.
std::optional<int> CommandOfControlCode(ListClass list, int code);

// The control code the list sends itself for the Delete or backward-delete
// key, or none.
std::optional<int> DeleteKeyCode(ListClass list, bool shift);

// The other keys the lists handle.
enum class ListKey { F5, Insert };

struct ListKeyAction {
    // Execute this command without a query (the manager's F5) ...
    std::optional<int> command;
    // ... or act as if this control code had arrived from the list itself.
    std::optional<int> code;
};
ListKeyAction OtherKeyAction(ListClass list, ListKey key, bool shift);

struct ListKeyState {
    int rowCount = 0;
    int selectedCount = 0;
    bool ctrlDown = false;
    bool syntheticKey = false;  // the list sent the code to itself
};

struct ListKeyHandlers {
    ListCommandQuery query;
    ListCommandExecute execute;  // also gets kSwitchToEditMode / kSwitchToOverviewMode
    std::function<void()> selectAll;
    std::function<void()> clearSelection;
};

// Handles a control code; false when the default handling should run.
bool HandleControlCode(ListClass list, int code, const ListKeyState& state,
                       const ListKeyHandlers& handlers);

}  // namespace lumar
