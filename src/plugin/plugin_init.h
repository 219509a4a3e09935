#pragma once

// Initialisation and unload: the quit check and the "&Lumar" menu.

#include "platform/host/menu_model.h"

namespace lumar {

// Installs the quit check and the host's file choosers, and adds the
// fourteen menu items. The result is
// true only when every item was added; every step runs regardless.
bool InitialisePlugIn();

// Takes every item the plug-in added out of its menu (the menu itself is the
// host's) and forgets them; the file choosers go with them.
bool UnloadPlugIn();

// Adds one item at the end of the "&Lumar" menu (made and put at the end of
// the menu bar when missing), shown in long menus only, with the given
// procedures (each may be absent). False, with nothing left behind, when the
// host has no menu bar or raises an error.
bool AddMenuItem(const char* title, const char* name, host::ExecuteProc* execute,
                 host::ComputeProc* enableTest, host::ComputeProc* visibilityTest);

// Replaces the host's "may the application quit" query by QuitCheck; a host
// error is shown in an alert note.
void InstallQuitCheck();

}  // namespace lumar
