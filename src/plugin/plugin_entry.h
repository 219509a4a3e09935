#pragma once

// The plug-in's start-up as the host drives it: the entry point, the set-up
// procedure, the handshake and the procedures handed over in the handshake
// record. The exported "PlugInMain" of the module calls PlugInEntry; the
// command line calls it in-process.

#include "platform/host/startup_records.h"

namespace lumar {

// Records the host main window and the module instance, answers the
// handshake version (0x20000 when the host speaks it or newer, otherwise the
// host's own) and hands out the set-up procedure. Starts from a fresh state.
bool PlugInEntry(host::Version hostHandshakeVersion, host::Version* pluginHandshakeVersion,
                 host::SetupProc* setup, void* platformData);

// Imports the host tables and hands over the handshake procedure; false
// unless both versions are 0x20000 and every table was found.
bool SetUpPlugIn(host::Version handshakeVersion, host::SetupData* setup);

// Fills in the extension name and the export, import-and-replace,
// initialisation and unload callbacks; false unless the version is 0x20000.
bool HandshakePlugIn(host::Version handshakeVersion, host::HandshakeRecord* record);

// The plug-in exports nothing and replaces nothing at start-up.
bool ExportPlugIn();
bool ImportReplacePlugIn();

}  // namespace lumar
