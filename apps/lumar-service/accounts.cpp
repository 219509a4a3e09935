#include "lumar-service/accounts.h"

#include "lumar-service/password.h"
#include "lumar-service/service_error.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app {

std::int32_t AddAdministrator(Connection& db, std::string_view name, std::string_view manager) {
    Statement insert(db, "INSERT INTO administrators (Name, Manager) VALUES (?, ?)");
    insert.Bind(1, name).Bind(2, manager).Run();
    return static_cast<std::int32_t>(db.LastInsertId());
}

std::int32_t AddUser(Connection& db, std::string_view login, std::string_view name,
                     std::string_view description, std::int32_t level, std::int32_t administratorId,
                     std::string_view password, int passwordIterations) {
    Statement exists(db, "SELECT 1 FROM users WHERE Login = ?");
    exists.Bind(1, login);
    if (exists.Step()) {
        throw ServiceError(ErrorCode::Conflict, "The login " + std::string(login) + " exists");
    }
    Statement insert(db,
                     "INSERT INTO users (Login, Name, Description, Authorisation_ID, "
                     "Administrator_ID, Password_hash) VALUES (?, ?, ?, ?, ?, ?)");
    insert.Bind(1, login)
        .Bind(2, name)
        .Bind(3, description)
        .Bind(4, std::int64_t{level})
        .Bind(5, std::int64_t{administratorId})
        .Bind(6, HashPassword(password, passwordIterations))
        .Run();
    return static_cast<std::int32_t>(db.LastInsertId());
}

}  // namespace lumar::service_app
