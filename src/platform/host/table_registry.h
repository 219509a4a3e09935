#pragma once

// The host function tables on offer, by name and version. A table offered at
// version v answers every request for a version up to v. Every request is
// logged so that a test can follow how a plug-in searched for its tables.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/host_types.h"

namespace lumar::host {

class TableRegistry {
public:
    struct Request {
        std::string name;
        Version version = 0;
        bool answered = false;
        friend bool operator==(const Request&, const Request&) = default;
    };

    // Offers `table` (a struct of `size` bytes of procedure pointers) under
    // `name` at `version`, replacing an earlier offer of that name.
    void offer(std::string_view name, void* table, std::size_t size, Version version);

    // Takes a table off the offer (the host then behaves as if it never had it).
    void withdraw(std::string_view name);

    // Changes the version at which the table `name` is offered (and the
    // version it reports).
    void setOfferedVersion(std::string_view name, Version version);

    // The table offered under `name`, whatever its version (not logged).
    [[nodiscard]] void* table(std::string_view name) const;

    // Makes "version of host function table" answer `reported` for the table
    // offered under `name` (by default it answers the offered version).
    void setReportedVersion(std::string_view name, Version reported);

    // The table offered under `name` if its version is at least `requested`,
    // else null. Logged.
    void* request(std::string_view name, Version requested);

    // The version the host reports for a table pointer: kUnknownVersion for
    // anything it did not hand out.
    Version versionOf(const void* table) const;

    // Swaps the procedure pointer at byte `offset` of the table offered under
    // `name`. Throws HostError for an unknown table or an offset that is not
    // an entry of it.
    void replaceEntry(std::string_view name, std::size_t offset, GenericProc replacement);

    [[nodiscard]] const std::vector<Request>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }

private:
    struct Offer {
        std::string name;
        void* table = nullptr;
        std::size_t size = 0;
        Version version = 0;
        Version reported = 0;
    };
    Offer* find(std::string_view name);
    [[nodiscard]] const Offer* find(std::string_view name) const;

    std::vector<Offer> offers_;
    std::vector<Request> requests_;
};

}  // namespace lumar::host
