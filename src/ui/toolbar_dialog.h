#pragma once

// CToolbarDialog: a dialog with a toolbar along its top edge. The toolbar
// (resource 120) is the same for every dialog that has one: Open, Save,
// Replace, Insert, Delete, Store, Restore and the two mode buttons. What a
// button does, whether it can be used now and what its tip says belong to
// the dialog, which answers through its handlers:
//
//   CToolbarDialog toolbar(ToolbarHandlersFor(editor));   // IsEnabled, Execute, ...
//   for (const ToolbarButtonState& state : toolbar.ButtonStates()) ...   // idle update
//   toolbar.OnToolbarCommand(toolbar_command::kSave);      // a click
//
// A dialog without commands of its own (the search results) gives no
// handlers: every button stays disabled.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace lumar {

// The toolbar's commands (the editor's string table holds their tips).
namespace toolbar_command {
inline constexpr int kOpen = 32771;
inline constexpr int kSave = 32772;
inline constexpr int kReplace = 32773;
inline constexpr int kInsert = 32774;
inline constexpr int kDelete = 32775;
inline constexpr int kStore = 32776;
inline constexpr int kRestore = 32777;
inline constexpr int kEditMode = 32778;
inline constexpr int kOverviewMode = 32779;
}  // namespace toolbar_command

inline constexpr int kToolbarResource = 120;
inline constexpr std::uint32_t kToolbarAlignTop = 0x2000;

struct ToolbarButton {
    int command = 0;            // 0: a separator
    const char* image = "";     // the button image's name
    const char* tipTexts = "";  // the tip in the first state, "\n", the tip in the second
};

// The buttons of the toolbar `resource`, in order, separators included; empty
// for a resource that is no toolbar.
std::span<const ToolbarButton> ToolbarButtons(int resource);

// The tip of `command` in the first (`second` false) or second state of its
// texts: "Store" or "Cut" for Store; empty for a command of no button.
std::string ToolbarTipText(int command, bool second);

// The dialog's answers for its toolbar. A missing handler answers "disabled",
// "not checked", the first tip text, or "not handled".
struct ToolbarHandlers {
    std::function<bool(int command)> enabled;
    std::function<bool(int command)> checked;
    std::function<std::string(int command)> toolTip;
    std::function<bool(int command)> execute;
};

// The handlers of a dialog model with IsEnabled(id) and Execute(id), and,
// when it has them, IsChecked(id) and ToolTip(id). The model outlives the
// handlers.
template <typename Model>
ToolbarHandlers ToolbarHandlersFor(Model& model) {
    ToolbarHandlers handlers;
    handlers.enabled = [&model](int id) { return model.IsEnabled(id); };
    handlers.execute = [&model](int id) { return model.Execute(id); };
    if constexpr (requires { model.IsChecked(0); }) {
        handlers.checked = [&model](int id) { return model.IsChecked(id); };
    }
    if constexpr (requires { model.ToolTip(0); }) {
        handlers.toolTip = [&model](int id) { return std::string(model.ToolTip(id)); };
    }
    return handlers;
}

struct ToolbarButtonState {
    int command = 0;
    bool enabled = false;
    bool checked = false;
    std::string toolTip;

    bool operator==(const ToolbarButtonState&) const = default;
};

class CToolbarDialog {
public:
    explicit CToolbarDialog(ToolbarHandlers handlers, int resource = kToolbarResource,
                            std::uint32_t alignment = kToolbarAlignTop);

    [[nodiscard]] int Resource() const { return resource_; }
    [[nodiscard]] std::uint32_t Alignment() const { return alignment_; }
    [[nodiscard]] std::span<const ToolbarButton> Buttons() const {
        return ToolbarButtons(resource_);
    }

    // The idle update: the state of every button (separators left out), as
    // the dialog's handlers answer now.
    [[nodiscard]] std::vector<ToolbarButtonState> ButtonStates() const;
    [[nodiscard]] ToolbarButtonState StateOf(int command) const;

    // A button was clicked: the command runs when it is enabled now. The
    // handled flag: true when it ran.
    bool OnToolbarCommand(int command) const;

private:
    ToolbarHandlers handlers_;
    int resource_;
    std::uint32_t alignment_;
};

}  // namespace lumar
