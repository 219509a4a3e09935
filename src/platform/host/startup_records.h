#pragma once

// The records a host and an extension exchange at start-up, and the
// procedures they hand each other. Fields keep their documented order;
// handles and pointers are pointer-sized.

#include <cstdint>

#include "platform/host/host_types.h"

namespace lumar::host {

struct CoreTable;

// Given to the entry point.
struct PlatformData {
    void* hostMainWindow = nullptr;
    void* moduleInstance = nullptr;
};

// Given to the set-up procedure; the extension fills in `handshake`.
struct SetupData {
    Version handshakeVersion = 0;
    ExtensionId extension = 0;
    const CoreTable* core = nullptr;
    HostCallback handshake = nullptr;
};

// Given to the handshake procedure. The extension fills in its name's atom
// and its four callbacks; the other fields are the host's.
struct HandshakeRecord {
    std::uint32_t size = sizeof(HandshakeRecord);
    std::uint16_t hostFlags = 0;
    Atom extensionName = kNoAtom;
    HostCallback exportProc = nullptr;
    HostCallback importReplaceProc = nullptr;
    HostCallback initProc = nullptr;
    HostCallback unloadProc = nullptr;
};

using SetupProc = bool (*)(Version handshakeVersion, SetupData* setup);
using HandshakeProc = bool(Version handshakeVersion, HandshakeRecord* record);
using StartupStepProc = bool();  // export, import-and-replace, initialisation, unload

// The one export of an extension module, "PlugInMain".
using EntryPoint = bool (*)(Version hostHandshakeVersion, Version* extensionHandshakeVersion,
                            SetupProc* setup, void* platformData);
inline constexpr const char* kEntryPointName = "PlugInMain";

}  // namespace lumar::host
