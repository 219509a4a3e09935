#pragma once

// The host's atoms: every distinct name gets one small number for the life
// of the host. Names compare byte for byte.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/host/host_types.h"

namespace lumar::host {

class AtomTable {
public:
    // The atom of `name`, made on first use. Throws HostError when the table
    // is full.
    Atom intern(std::string_view name);

    // The atom of `name` if it was ever made, else kNoAtom.
    Atom find(std::string_view name) const;

    // The name of an atom; throws HostError for an atom that was never made.
    const std::string& name(Atom atom) const;

private:
    std::vector<std::string> names_{std::string()};  // index 0 is kNoAtom
    std::unordered_map<std::string, Atom> atoms_;
};

}  // namespace lumar::host
