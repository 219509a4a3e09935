#pragma once

// The "&Lumar" menu: its fourteen items in order, with the procedures the
// host calls to run them and to decide whether they are enabled and shown.
// An item whose command is not part of the plug-in yet has no execute
// procedure; it is bound here when its command arrives.

#include <array>

#include "platform/host/menu_model.h"

namespace lumar {

struct MenuEntry {
    const char* title;
    const char* name;
    host::ExecuteProc* execute;
    host::ComputeProc* enableTest;
    host::ComputeProc* visibilityTest;
};

inline constexpr std::size_t kLumarMenuSize = 14;

const std::array<MenuEntry, kLumarMenuSize>& LumarMenu();

// The conditions the tests are made of.
bool HostHasActiveDocument();
// True when the active document's PDF document allows text extraction.
bool ActiveDocumentAllowsTextExtraction();
// True when the active document has unsaved changes, or its PDF document
// cannot be had, or its flags cannot be read (that error is shown).
bool ActiveDocumentHasUnsavedChanges();

}  // namespace lumar
