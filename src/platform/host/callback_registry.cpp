#include "platform/host/callback_registry.h"

#include <algorithm>

#include "platform/host/host_error.h"

namespace lumar::host {

HostCallback CallbackRegistry::make(ExtensionId owner, GenericProc proc) {
    if (proc == nullptr) {
        throw HostError(error::kBadParameter, "A host callback needs a procedure.");
    }
    records_.push_back(std::make_unique<CallbackRecord>(CallbackRecord{owner, proc}));
    return records_.back().get();
}

void CallbackRegistry::destroy(HostCallback callback) {
    std::erase_if(records_, [callback](const auto& record) { return record.get() == callback; });
}

bool CallbackRegistry::contains(HostCallback callback) const {
    return std::any_of(records_.begin(), records_.end(),
                       [callback](const auto& record) { return record.get() == callback; });
}

}  // namespace lumar::host
