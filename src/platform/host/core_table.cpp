// The "Core" table's procedures.

#include <string>

#include "platform/host/host.h"
#include "platform/host/host_error.h"

namespace lumar::host {

namespace {

Atom atomFromString(const char* name) {
    if (name == nullptr) {
        throw HostError(error::kBadParameter, "An atom needs a name.");
    }
    return Host::current().atoms().intern(name);
}

const char* stringOfAtom(Atom atom) {
    return Host::current().atoms().name(atom).c_str();
}

HostCallback makeCallback(ExtensionId owner, GenericProc proc) {
    return Host::current().callbacks().make(owner, proc);
}

void destroyCallback(HostCallback callback) {
    Host::current().callbacks().destroy(callback);
}

const void* getHostFunctionTable(Atom name, Version version) {
    Host& host = Host::current();
    return host.tables().request(host.atoms().name(name), version);
}

}  // namespace

CoreTable makeCoreTable() {
    return CoreTable{atomFromString, stringOfAtom, makeCallback, destroyCallback,
                     getHostFunctionTable};
}

}  // namespace lumar::host
