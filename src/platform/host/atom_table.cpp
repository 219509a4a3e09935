#include "platform/host/atom_table.h"

#include <limits>

#include "platform/host/host_error.h"

namespace lumar::host {

Atom AtomTable::intern(std::string_view name) {
    if (Atom known = find(name); known != kNoAtom) {
        return known;
    }
    if (names_.size() > std::numeric_limits<Atom>::max()) {
        throw HostError(error::kNoMemory, "The host's atom table is full.");
    }
    const auto atom = static_cast<Atom>(names_.size());
    names_.emplace_back(name);
    atoms_.emplace(std::string(name), atom);
    return atom;
}

Atom AtomTable::find(std::string_view name) const {
    auto found = atoms_.find(std::string(name));
    return found != atoms_.end() ? found->second : kNoAtom;
}

const std::string& AtomTable::name(Atom atom) const {
    if (atom == kNoAtom || atom >= names_.size()) {
        throw HostError(error::kBadParameter, "Unknown atom.");
    }
    return names_[atom];
}

}  // namespace lumar::host
