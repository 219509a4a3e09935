#pragma once

// Finding the host function tables at set-up: "AcroSupport" first, then the
// twelve tables of the import list, each through the table search.

#include <array>
#include <string_view>

#include "platform/host/host_types.h"
#include "platform/host/tables.h"

namespace lumar {

// Versions tried, highest first, when the host cannot be asked for a table
// at the requested version directly.
inline constexpr std::array<host::Version, 7> kFallbackVersions = {
    0x50001, 0x50000, 0x40005, 0x40000, 0x20003, 0x20002, 0x20001};

struct TableRequest {
    host::TableId table;
    host::Version version;  // the lowest version the plug-in works with
};

// The tables imported after "AcroSupport", in order. All are required.
inline constexpr std::array<TableRequest, 12> kImportList = {{
    {host::TableId::Core, 0x50000},
    {host::TableId::Cos, 0x60000},
    {host::TableId::PDModel, 0x60000},
    {host::TableId::PDFEditWrite, 0x60000},
    {host::TableId::PDFEditRead, 0x60000},
    {host::TableId::PDSysFont, 0x40000},
    {host::TableId::PagePDEContent, 0x60000},
    {host::TableId::AcroView, 0x60000},
    {host::TableId::PDSWrite, 0x60000},
    {host::TableId::PDSRead, 0x60000},
    {host::TableId::Win, 0x50000},
    {host::TableId::ASExtra, 0x60000},
}};

struct TableSearchResult {
    const void* table = nullptr;
    host::Version version = 0;  // 0 when not found
    [[nodiscard]] bool found() const { return version != 0; }
};

// Looks for a table of at least `requested`. With "AcroSupport" 6.0 or newer
// imported the host is asked for that version directly; otherwise, or when
// that gives no version, the fallback versions not lower than `requested`
// are tried in order.
TableSearchResult SearchHostTable(std::string_view name, host::Version requested);

// Imports "AcroSupport" and the import list into host::imported() (whose
// "Core" table must already be there). False when a table is missing.
bool ImportHostTables();

}  // namespace lumar
