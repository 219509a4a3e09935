#pragma once

// The logon store: process-wide data holding the logged-on user (and, once
// the lookup lists are added, the five lists fetched at logon). Filled at
// logon, cleared at log-off and at the start of every logon.

#include <cstdint>

#include "service/ws_results.h"

namespace lumar {

struct LogonStore {
    LogonResult user;

    // Forgets the user and frees every list. Harmless when already clear.
    void clear();
};

// The one store of the process.
LogonStore& TheLogonStore();

// True while the stored User_ID is greater than 0.
bool IsLoggedOn();

// The stored Authorisation_ID while logged on, otherwise 1.
std::int32_t UserLevel();

// True when the user level is at least `level`.
bool HasUserLevel(std::int32_t level);

}  // namespace lumar
