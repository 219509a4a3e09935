#pragma once

// The host's side of loading an extension: entry point, set-up, handshake,
// then export, import-and-replace and initialisation; unload at the end.
// Shared by every host (the desktop host finds the entry point in a module,
// the command line links it).

#include "platform/host/startup_records.h"

namespace lumar::host {

class Host;

struct LoadedExtension {
    ExtensionId extension = 0;
    Version handshakeVersion = 0;  // what the extension answered
    bool entered = false;          // the entry point returned true
    bool setUp = false;            // the set-up procedure returned true
    bool handshaken = false;       // the handshake procedure returned true
    bool exported = false;
    bool importedAndReplaced = false;
    bool initialised = false;  // the initialisation procedure's result
    HandshakeRecord record;

    // Whether the extension got as far as initialisation (whatever its result).
    [[nodiscard]] bool loaded() const { return handshaken; }
};

// Loads the extension behind `entry`, offering handshake version `offered`.
// Stops at the first step the extension refuses.
LoadedExtension loadExtension(Host& host, EntryPoint entry, void* moduleInstance,
                              Version offered = kHandshakeVersion);

// Calls the extension's unload procedure; its result, or false when the
// extension never completed its handshake.
bool unloadExtension(const LoadedExtension& extension);

}  // namespace lumar::host
