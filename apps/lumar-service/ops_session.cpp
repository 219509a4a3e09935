// Logon, Logoff and Log.

#include "lumar-service/logger.h"
#include "lumar-service/operations.h"
#include "lumar-service/password.h"
#include "lumar-service/sqlite_db.h"

namespace lumar::service_app::ops {

namespace {

constexpr std::size_t kMaxLogin = 50;
constexpr std::size_t kMaxPassword = 50;
constexpr std::size_t kMaxLogMessage = 4000;

// Compared against when the login is unknown, so that an unknown user costs
// the same time as a wrong password.
const std::string& DecoyHash() {
    static const std::string hash = HashPassword("decoy password");
    return hash;
}

}  // namespace

OperationResult Logon(OperationContext& context, const RequestParams& params) {
    const std::string& login = params.Text("Login", kMaxLogin);
    const std::string canonical = UnscramblePassword(params.Text("Password", kMaxPassword));

    Statement query(context.db(),
                    "SELECT u.User_ID, u.Name, u.Description, u.Authorisation_ID, "
                    "u.Administrator_ID, u.Password_hash, u.Active, a.Name "
                    "FROM users u LEFT JOIN authorisations a "
                    "ON a.Authorisation_ID = u.Authorisation_ID WHERE u.Login = ?");
    query.Bind(1, login);
    const bool found = query.Step();
    const std::string hash = found ? query.Text(5) : DecoyHash();
    const bool verified = VerifyPassword(canonical, hash);
    if (!found || !verified || query.Int(6) == 0) {
        context.logger().Write(LogLevel::Info,
                               "logon refused for \"" + Logger::Printable(login, 100) + "\"");
        throw ServiceError(ErrorCode::LogonFailed, "Unknown user name or wrong password");
    }
    const std::int32_t userId = query.Int32(0);
    const std::string name = query.Text(1);
    std::string description = query.Text(2);
    if (description.empty()) {
        description = name + " (" + query.Text(7) + ")";
    }
    OperationResult result;
    // User_ID, Name, Authorisation_ID, Administrator_ID, UserDescription.
    result.items = {WireLong(userId), name, WireLong(query.Int(3)), WireLong(query.Int(4)),
                    description};
    query.Reset();

    const auto writers = context.LockWriters();
    Transaction transaction(context.db(), Transaction::Kind::Write);
    Statement logon(context.db(),
                    "INSERT INTO logons (User_ID, Logon_time) VALUES (?, ?) "
                    "ON CONFLICT (User_ID) DO UPDATE SET Logon_time = excluded.Logon_time");
    logon.Bind(1, std::int64_t{userId}).Bind(2, static_cast<std::int64_t>(context.now())).Run();
    transaction.Commit();
    context.loggedUser = userId;
    return result;
}

OperationResult Logoff(OperationContext& context, const RequestParams& params) {
    const std::int32_t userId = params.Long("User_ID");
    context.loggedUser = userId;
    Statement user(context.db(), "SELECT 1 FROM users WHERE User_ID = ?");
    user.Bind(1, std::int64_t{userId});
    if (!user.Step()) {
        throw ServiceError(ErrorCode::UnknownId,
                           "User " + std::to_string(userId) + " does not exist");
    }
    // Logging off a user who is not logged on is harmless and succeeds: the
    // client clears its session whatever the answer.
    Statement logoff(context.db(), "DELETE FROM logons WHERE User_ID = ?");
    logoff.Bind(1, std::int64_t{userId}).Run();
    OperationResult result;
    result.items = {WireLong(userId)};
    return result;
}

OperationResult Log(OperationContext& context, const RequestParams& params) {
    const std::int32_t severity = params.NonNegative("Severity");
    const std::string& message = params.Text("Message", kMaxLogMessage);
    const LogLevel level = severity >= 3   ? LogLevel::Error
                           : severity == 2 ? LogLevel::Warning
                           : severity == 1 ? LogLevel::Info
                                           : LogLevel::Debug;
    const std::string tag = "[" + std::string(LogLevelName(level)) + "] ";
    context.logger().Write(level, "client " + tag + Logger::Printable(message));
    OperationResult result;
    result.items = {tag + message};
    return result;
}

}  // namespace lumar::service_app::ops
