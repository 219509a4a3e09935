#include "platform/host/host_error.h"

namespace lumar::host {

HostError::HostError(ErrorCode code, const std::string& text)
    : std::runtime_error(text), code_(code) {}

std::string HostError::text(std::size_t bufferSize) const {
    std::string whole = what();
    if (bufferSize > 0 && whole.size() > bufferSize - 1) {
        whole.resize(bufferSize - 1);
    }
    return whole;
}

}  // namespace lumar::host
