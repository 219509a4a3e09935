#pragma once

// A host progress monitor: operations called with the monitor's client data.
// `setText` may be absent when the monitor cannot show text.

#include <cstdint>

#include "platform/host/host_types.h"

namespace lumar::host {

struct ProgressMonitor {
    void (*beginOperation)(void* clientData) = nullptr;
    void (*endOperation)(void* clientData) = nullptr;
    void (*setDuration)(std::int32_t duration, void* clientData) = nullptr;
    void (*setCurrentValue)(std::int32_t value, void* clientData) = nullptr;
    std::int32_t (*currentValue)(void* clientData) = nullptr;
    void (*setText)(const TextObject* text, void* clientData) = nullptr;
};

}  // namespace lumar::host
