#include "service/logon_store.h"

namespace lumar {

void LogonStore::clear() {
    user.clearUser();
    publicationStatuses.clear();
    languages.clear();
    binderTypes.clear();
    printings.clear();
    colours.clear();
    userChanged = true;
}

LogonStore& TheLogonStore() {
    static LogonStore store;
    return store;
}

bool IsLoggedOn() {
    return TheLogonStore().user.User_ID > 0;
}

std::int32_t UserLevel() {
    return IsLoggedOn() ? TheLogonStore().user.Authorisation_ID : 1;
}

bool HasUserLevel(std::int32_t level) {
    return UserLevel() >= level;
}

std::int32_t LogUserID() {
    return TheLogonStore().user.User_ID;
}

}  // namespace lumar
