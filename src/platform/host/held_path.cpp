#include "platform/host/held_path.h"

#include "platform/host/host_error.h"
#include "platform/host/roles.h"

namespace lumar::host {

HeldPath::~HeldPath() {
    if (path_ == nullptr) {
        return;
    }
    try {
        releasePath(fileSystem_, path_);
    } catch (const HostError&) {
        // Nothing to give back any more; see the header.
    }
}

}  // namespace lumar::host
