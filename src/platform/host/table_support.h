#pragma once

// The "AcroSupport" table: memory, table versions and entry replacement,
// text objects; "ASExtra", the extra support operations.

#include <cstddef>
#include <cstdint>

#include "platform/host/host_types.h"

namespace lumar::host {

struct AcroSupportTable {
    // A block of `size` bytes, or null when there is no memory.
    void* (*allocate)(std::size_t size);
    void (*free)(void* block);
    // The version of a table handed out by the host; kUnknownVersion otherwise.
    Version (*tableVersion)(const void* table);
    // Swaps the entry at byte `entryOffset` of the table named `table` for
    // the callback's procedure. Throws HostError when that cannot be done.
    void (*replaceEntry)(Atom table, std::size_t entryOffset, HostCallback replacement,
                         std::uint32_t flags);
    TextObject* (*newText)(const char* cp1252);
    const char* (*textOf)(const TextObject* text);
    void (*destroyText)(TextObject* text);
};

// Paths and platform texts of files arrive here with the document layer.
struct ASExtraTable {};

}  // namespace lumar::host
