#include "plugin/host_table_import.h"

#include <string>

#include "platform/host/roles.h"

namespace lumar {

namespace {

constexpr host::Version kDirectRequestsFrom = 0x60000;
constexpr host::Version kAcroSupportProbe = 0x60000;
constexpr host::Version kAcroSupportWanted = 0x80000;

}  // namespace

TableSearchResult SearchHostTable(std::string_view name, host::Version requested) {
    const host::Atom atom = host::atomFromString(std::string(name));
    TableSearchResult result;

    if (host::imported()[host::TableId::AcroSupport].version >= kDirectRequestsFrom) {
        result.table = host::getHostFunctionTable(atom, requested);
        if (result.table != nullptr) {
            const host::Version reported = host::versionOfHostFunctionTable(result.table);
            result.version = reported == host::kUnknownVersion ? 0 : reported;
        }
    }
    if (result.version != 0) {
        return result;
    }

    result.table = nullptr;
    for (host::Version candidate : kFallbackVersions) {
        if (candidate < requested) {
            break;
        }
        if (const void* table = host::getHostFunctionTable(atom, candidate)) {
            result.table = table;
            result.version = candidate;
            break;
        }
    }
    return result;
}

bool ImportHostTables() {
    host::ImportedTables& tables = host::imported();
    const std::string supportName(host::tableName(host::TableId::AcroSupport));

    // A host whose "AcroSupport" is 6.0 or newer can be asked for tables
    // directly; the table itself says how new it is.
    if (const void* support =
            host::getHostFunctionTable(host::atomFromString(supportName), kAcroSupportProbe)) {
        tables[host::TableId::AcroSupport] = {support, kAcroSupportProbe};
        tables[host::TableId::AcroSupport].version = host::versionOfHostFunctionTable(support);
    }

    TableSearchResult support = SearchHostTable(supportName, kAcroSupportWanted);
    tables[host::TableId::AcroSupport] = {support.table, support.version};
    if (!support.found()) {
        return false;
    }

    for (const TableRequest& request : kImportList) {
        TableSearchResult result = SearchHostTable(host::tableName(request.table), request.version);
        tables[request.table] = {result.table, result.version};
        if (!result.found()) {
            return false;
        }
    }
    return true;
}

}  // namespace lumar
