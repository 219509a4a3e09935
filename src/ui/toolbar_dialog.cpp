#include "ui/toolbar_dialog.h"

#include <algorithm>
#include <string_view>

namespace lumar {

namespace {

namespace id = toolbar_command;

constexpr ToolbarButton kEditorToolbar[] = {
    {id::kOpen, "open", "Open\nOpen"},
    {id::kSave, "save", "Save\nSave"},
    {},
    {id::kReplace, "replace", "Replace\n"},
    {id::kInsert, "insert", "Insert\n"},
    {id::kDelete, "delete", "Delete\n"},
    {},
    {id::kStore, "store", "Store\nCut"},
    {id::kRestore, "restore", "Restore\nPaste"},
    {},
    {id::kEditMode, "edit_mode", "Currently in Edit mode\nSwitch to Edit mode"},
    {id::kOverviewMode, "overview_mode", "Switch to Overview mode\nCurrently in Overview mode"},
};

}  // namespace

std::span<const ToolbarButton> ToolbarButtons(int resource) {
    if (resource != kToolbarResource) {
        return {};
    }
    return kEditorToolbar;
}

std::string ToolbarTipText(int command, bool second) {
    const auto* button = std::find_if(
        std::begin(kEditorToolbar), std::end(kEditorToolbar),
        [command](const ToolbarButton& b) { return b.command != 0 && b.command == command; });
    if (button == std::end(kEditorToolbar)) {
        return {};
    }
    const std::string_view texts = button->tipTexts;
    const std::size_t lineBreak = texts.find('\n');
    if (lineBreak == std::string_view::npos) {
        return second ? std::string() : std::string(texts);
    }
    return std::string(second ? texts.substr(lineBreak + 1) : texts.substr(0, lineBreak));
}

CToolbarDialog::CToolbarDialog(ToolbarHandlers handlers, int resource, std::uint32_t alignment)
    : handlers_(std::move(handlers)), resource_(resource), alignment_(alignment) {}

ToolbarButtonState CToolbarDialog::StateOf(int command) const {
    ToolbarButtonState state;
    state.command = command;
    state.enabled = handlers_.enabled && handlers_.enabled(command);
    state.checked = handlers_.checked && handlers_.checked(command);
    state.toolTip = handlers_.toolTip ? handlers_.toolTip(command) : ToolbarTipText(command, false);
    return state;
}

std::vector<ToolbarButtonState> CToolbarDialog::ButtonStates() const {
    std::vector<ToolbarButtonState> states;
    for (const ToolbarButton& button : Buttons()) {
        if (button.command != 0) {
            states.push_back(StateOf(button.command));
        }
    }
    return states;
}

bool CToolbarDialog::OnToolbarCommand(int command) const {
    const std::span<const ToolbarButton> buttons = Buttons();
    const bool onToolbar = command != 0 && std::any_of(buttons.begin(), buttons.end(),
                                                       [command](const ToolbarButton& button) {
                                                           return button.command == command;
                                                       });
    if (!onToolbar || !handlers_.enabled || !handlers_.enabled(command) || !handlers_.execute) {
        return false;
    }
    return handlers_.execute(command);
}

}  // namespace lumar
