#include "lumar-service/caller.h"

#include "lumar-service/service_error.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app {

Caller LoadLoggedOnCaller(Connection& connection, std::int32_t logUserId) {
    Statement query(connection,
                    "SELECT u.User_ID, u.Name, u.Authorisation_ID, u.Administrator_ID "
                    "FROM users u JOIN logons l ON l.User_ID = u.User_ID "
                    "WHERE u.User_ID = ? AND u.Active <> 0");
    query.Bind(1, std::int64_t{logUserId});
    if (!query.Step()) {
        throw ServiceError(ErrorCode::NotLoggedOn,
                           "User " + std::to_string(logUserId) + " is not logged on");
    }
    Caller caller;
    caller.User_ID = query.Int32(0);
    caller.Name = query.Text(1);
    caller.level = query.Int32(2);
    caller.Administrator_ID = query.Int32(3);
    return caller;
}

std::string_view LevelName(std::int32_t level) {
    switch (level) {
    case kGuest:
        return "Guest";
    case kReader:
        return "Reader";
    case kEditor:
        return "Editor";
    case kProducer:
        return "Producer";
    case kSupervisor:
        return "Supervisor";
    default:
        return "unknown";
    }
}

void RequireLevel(const Caller& caller, std::int32_t level, std::string_view action) {
    if (caller.level < level) {
        throw ServiceError(ErrorCode::NotAuthorised,
                           std::string(action) + " needs level " + std::to_string(level) + " (" +
                               std::string(LevelName(level)) + "); user " +
                               std::to_string(caller.User_ID) + " has level " +
                               std::to_string(caller.level));
    }
}

}  // namespace lumar::service_app
