#pragma once

// Every host function table, and the names under which the host offers them.

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/host/table_core.h"
#include "platform/host/table_model.h"
#include "platform/host/table_other.h"
#include "platform/host/table_support.h"
#include "platform/host/table_view.h"

namespace lumar::host {

enum class TableId : std::size_t {
    Core,
    Cos,
    PDModel,
    PDFEditWrite,
    PDFEditRead,
    PDSysFont,
    PagePDEContent,
    AcroView,
    PDSWrite,
    PDSRead,
    Win,
    ASExtra,
    AcroSupport,
};
inline constexpr std::size_t kTableCount = 13;

inline constexpr std::array<std::string_view, kTableCount> kTableNames = {
    "Core",           "Cos",      "PDModel",  "PDFEditWrite", "PDFEditRead", "PDSysFont",
    "PagePDEContent", "AcroView", "PDSWrite", "PDSRead",      "Win",         "ASExtra",
    "AcroSupport"};

constexpr std::string_view tableName(TableId id) {
    return kTableNames[static_cast<std::size_t>(id)];
}

// The byte offset of a table entry, as "replace host table entry" takes it.
template <typename Table, typename Entry>
std::size_t entryOffset(Entry Table::*entry) {
    static const Table probe{};
    return static_cast<std::size_t>(reinterpret_cast<const char*>(&(probe.*entry)) -
                                    reinterpret_cast<const char*>(&probe));
}

}  // namespace lumar::host
