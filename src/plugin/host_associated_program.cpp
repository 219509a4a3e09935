#include "plugin/host_associated_program.h"

#include "platform/host/roles.h"

namespace lumar {

bool HostAssociatedProgram::open(const std::string& path, void* /*owner*/) {
    try {
        return host::openWithAssociatedProgram(path);
    } catch (const host::HostError&) {
        return false;
    }
}

HostAssociatedProgram& TheHostAssociatedProgram() {
    static HostAssociatedProgram opener;
    return opener;
}

}  // namespace lumar
