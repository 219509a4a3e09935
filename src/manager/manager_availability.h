#pragma once

// When each command of the publication manager is available: a table over
// the selected publication, the user's level and identity and the host's
// state. Pure functions, so the rules are easy to test and to show.

#include <cstdint>

#include "service/ws_records.h"

namespace lumar {

// What the rules depend on besides the publication.
struct ManagerFacts {
    std::int32_t level = 1;   // the user level (1 when logged off)
    std::int32_t userId = 0;  // the logged-on User_ID
    bool hostModal = false;   // the host shows a modal dialog
    bool hostHasActiveDocument = false;
};

// The facts as the logon session and the host have them now.
ManagerFacts CurrentManagerFacts();

// Whether `command` may run on `selected` (null: no publication selected).
// Refresh list is always available; unknown commands never are.
bool ManagerCommandAvailable(int command, const PublicationLastInfoRecord* selected,
                             const ManagerFacts& facts);

// Whether the command needs the host not to be modal (the "M" rule).
bool CommandNeedsHostNotModal(int command);

// Why "&Add..." cannot add binders: kTipNotAuthorised below level 4,
// kTipNoItemSelected without a publication, kTipLockFirst when the
// publication is not locked for binders by this user; 0 otherwise.
int AddBindersToolTipReason(const PublicationLastInfoRecord* selected, const ManagerFacts& facts);

}  // namespace lumar
