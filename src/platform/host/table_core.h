#pragma once

// The "Core" table: atoms, host callbacks and the other tables.

#include "platform/host/host_types.h"

namespace lumar::host {

struct CoreTable {
    Atom (*atomFromString)(const char* name);
    const char* (*stringOfAtom)(Atom atom);
    HostCallback (*makeCallback)(ExtensionId owner, GenericProc proc);
    void (*destroyCallback)(HostCallback callback);
    // The table of that name if offered at `version` or higher, else null.
    const void* (*getHostFunctionTable)(Atom name, Version version);
};

}  // namespace lumar::host
