#include "service/logon_store.h"

namespace lumar {

void LogonStore::clear() {
    user.clearUser();
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

}  // namespace lumar
