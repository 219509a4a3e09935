#include "ui/list_keys.h"

#include <span>
#include <utility>

namespace lumar {

namespace {

using namespace list_command;

constexpr int kCodeA = 1;
constexpr int kCodeE = 5;
constexpr int kCodeC = 3;
constexpr int kCodeD = 4;
constexpr int kCodeH = 8;
constexpr int kCodeI = 9;
constexpr int kCodeL = 12;
constexpr int kCodeM = 13;
constexpr int kCodeO = 15;
constexpr int kCodeP = 16;
constexpr int kCodeR = 18;
constexpr int kCodeT = 20;
constexpr int kCodeV = 22;
constexpr int kCodeW = 23;
constexpr int kCodeX = 24;

using CodeTable = std::span<const std::pair<int, int>>;

constexpr std::pair<int, int> kDocumentCodes[] = {
    {kCodeD, kDiscardSupplement}, {kCodeH, kSearchDocument},  {kCodeO, kOpenDocument},
    {kCodeP, kPrintDocument},     {kCodeR, kReplaceDocument},
};

constexpr std::pair<int, int> kOverviewCodes[] = {
    {kCodeC, kCopy},  {kCodeD, kDelete}, {kCodeH, kSwitchToEditMode},
    {kCodeV, kPaste}, {kCodeX, kCut},
};

// The merge data editor's edit mode.
constexpr std::pair<int, int> kEditModeCodes[] = {
    {kCodeR, 40003},   {kCodeI, 40004},
    {kCodeD, kDelete}, {kCodeX, 40006},
    {kCodeV, 40007},   {kCodeW, 40053},
    {kCodeM, 40054},   {kCodeT, 40050},
    {kCodeL, 40052},   {kCodeH, kSwitchToOverviewMode},
};

CodeTable CodesOf(ListClass list) {
    switch (list) {
    case ListClass::Documents:
        return kDocumentCodes;
    case ListClass::Overview:
        return kOverviewCodes;
    case ListClass::EditMode:
        return kEditModeCodes;
    case ListClass::Publications:
        break;
    }
    return {};
}

bool IsModeSwitch(int command) {
    return command == kSwitchToEditMode || command == kSwitchToOverviewMode;
}

}  // namespace

std::optional<int> CommandOfControlCode(ListClass list, int code) {
    for (const auto& [tableCode, command] : CodesOf(list)) {
        if (tableCode == code) {
            return command;
        }
    }
    return std::nullopt;
}

std::optional<int> DeleteKeyCode(ListClass list, bool shift) {
    switch (list) {
    case ListClass::Documents:
        return kCodeD;
    case ListClass::Overview:
    case ListClass::EditMode:
        return shift ? kCodeX : kCodeD;
    case ListClass::Publications:
        break;
    }
    return std::nullopt;
}

ListKeyAction OtherKeyAction(ListClass list, ListKey key, bool shift) {
    if (list == ListClass::Publications && key == ListKey::F5 && !shift) {
        return {kRefreshList, std::nullopt};
    }
    if (key == ListKey::Insert && shift &&
        (list == ListClass::Overview || list == ListClass::EditMode)) {
        return {std::nullopt, kCodeV};
    }
    if (key == ListKey::Insert && !shift && list == ListClass::EditMode) {
        return {std::nullopt, kCodeI};
    }
    return {};
}

bool HandleControlCode(ListClass list, int code, const ListKeyState& state,
                       const ListKeyHandlers& handlers) {
    if (state.ctrlDown == state.syntheticKey) {
        return false;
    }
    if (code == kCodeA) {
        if (state.rowCount > 0 && state.selectedCount < state.rowCount) {
            handlers.selectAll();
        }
        return true;
    }
    if (code == kCodeE) {
        if (state.selectedCount > 0) {
            handlers.clearSelection();
        }
        return true;
    }
    const std::optional<int> command = CommandOfControlCode(list, code);
    if (!command) {
        return false;
    }
    if (IsModeSwitch(*command) || handlers.query(code)) {
        handlers.execute(*command);
    }
    return true;
}

}  // namespace lumar
