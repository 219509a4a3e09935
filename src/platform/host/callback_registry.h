#pragma once

// Host callbacks: procedures registered with their owner. The registry owns
// the records; a handle stays valid until it is destroyed or the host ends.

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/host/host_types.h"

namespace lumar::host {

class CallbackRegistry {
public:
    // Throws HostError for a missing procedure.
    HostCallback make(ExtensionId owner, GenericProc proc);

    // Forgets a callback; unknown handles and null are ignored.
    void destroy(HostCallback callback);

    bool contains(HostCallback callback) const;
    [[nodiscard]] std::size_t count() const { return records_.size(); }

private:
    std::vector<std::unique_ptr<CallbackRecord>> records_;
};

}  // namespace lumar::host
