#pragma once

// The logon store: process-wide data holding the logged-on user and the five
// lookup lists fetched at logon. Filled at logon, cleared at log-off and at
// the start of every logon. Used on the user-interface thread only.

#include <cstdint>

#include "service/ws_records.h"
#include "service/ws_results.h"

namespace lumar {

struct LogonStore {
    LogonResult user;
    WSListResult<PublicationStatusRecord> publicationStatuses;
    WSListResult<LanguageRecord> languages;
    WSListResult<BinderTypeRecord> binderTypes;
    WSListResult<PrintingRecord> printings;
    WSListResult<ColourRecord> colours;

    // Set by every clear(); the publication manager reads and resets it when
    // it opens, to notice that another user may have logged on meanwhile.
    bool userChanged = false;

    // Forgets the user and frees every list; Message and ErrorCode of the
    // stored results stay. Harmless when already clear.
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

// The stored User_ID, which every request sends as LogUser_ID.
std::int32_t LogUserID();

}  // namespace lumar
