#include "platform/host/table_registry.h"

#include <algorithm>
#include <cstring>

#include "platform/host/host_error.h"

namespace lumar::host {

void TableRegistry::offer(std::string_view name, void* table, std::size_t size, Version version) {
    withdraw(name);
    offers_.push_back(Offer{std::string(name), table, size, version, version});
}

void TableRegistry::withdraw(std::string_view name) {
    std::erase_if(offers_, [name](const Offer& offer) { return offer.name == name; });
}

void TableRegistry::setOfferedVersion(std::string_view name, Version version) {
    if (Offer* offer = find(name)) {
        offer->version = version;
        offer->reported = version;
    }
}

void* TableRegistry::table(std::string_view name) const {
    const Offer* offer = find(name);
    return offer != nullptr ? offer->table : nullptr;
}

void TableRegistry::setReportedVersion(std::string_view name, Version reported) {
    if (Offer* offer = find(name)) {
        offer->reported = reported;
    }
}

void* TableRegistry::request(std::string_view name, Version requested) {
    const Offer* offer = find(name);
    void* table = offer != nullptr && requested <= offer->version ? offer->table : nullptr;
    requests_.push_back(Request{std::string(name), requested, table != nullptr});
    return table;
}

Version TableRegistry::versionOf(const void* table) const {
    auto found = std::find_if(offers_.begin(), offers_.end(),
                              [table](const Offer& offer) { return offer.table == table; });
    return found != offers_.end() ? found->reported : kUnknownVersion;
}

void TableRegistry::replaceEntry(std::string_view name, std::size_t offset,
                                 GenericProc replacement) {
    Offer* offer = find(name);
    if (offer == nullptr) {
        throw HostError(error::kNotFound,
                        "The host has no function table \"" + std::string(name) + "\".");
    }
    if (offset % sizeof(GenericProc) != 0 || offset + sizeof(GenericProc) > offer->size) {
        throw HostError(error::kBadParameter,
                        "No such entry in the host function table \"" + offer->name + "\".");
    }
    if (replacement == nullptr) {
        throw HostError(error::kBadParameter, "A table entry cannot be replaced by nothing.");
    }
    // Tables are plain structs of procedure pointers, so the entry at that
    // offset has the representation of a GenericProc.
    std::memcpy(static_cast<char*>(offer->table) + offset, &replacement, sizeof(GenericProc));
}

TableRegistry::Offer* TableRegistry::find(std::string_view name) {
    auto found = std::find_if(offers_.begin(), offers_.end(),
                              [name](const Offer& offer) { return offer.name == name; });
    return found != offers_.end() ? &*found : nullptr;
}

const TableRegistry::Offer* TableRegistry::find(std::string_view name) const {
    return const_cast<TableRegistry*>(this)->find(name);
}

}  // namespace lumar::host
