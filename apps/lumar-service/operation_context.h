#pragma once

// What an operation handler works with: the database connection (inside the
// transaction the dispatcher opened), the time of the request, the log, and
// the logged-on caller for operations that carry LogUser_ID.

#include <cstdint>
#include <ctime>
#include <mutex>
#include <optional>

#include "lumar-service/caller.h"
#include "lumar-service/service_error.h"

namespace lumar::service_app {

class Connection;
class Logger;

class OperationContext {
public:
    OperationContext(Connection& db, std::time_t now, Logger& logger, std::mutex& writers)
        : db_(db), now_(now), logger_(logger), writers_(writers) {}

    [[nodiscard]] Connection& db() const { return db_; }
    [[nodiscard]] std::time_t now() const { return now_; }
    [[nodiscard]] Logger& logger() const { return logger_; }

    // Serialises the writers of this service: every write transaction is
    // begun while holding it, so writers queue here instead of spinning on
    // SQLite's busy handler.
    [[nodiscard]] std::unique_lock<std::mutex> LockWriters() const {
        return std::unique_lock(writers_);
    }

    void SetCaller(Caller caller) { caller_ = std::move(caller); }
    // The logged-on caller; only operations that take LogUser_ID have one.
    [[nodiscard]] const Caller& caller() const {
        if (!caller_) {
            throw ServiceError(ErrorCode::Internal, "The operation has no logged-on caller");
        }
        return *caller_;
    }

    // The user the request named (for the request's log line).
    std::int32_t loggedUser = 0;

private:
    Connection& db_;
    std::time_t now_;
    Logger& logger_;
    std::mutex& writers_;
    std::optional<Caller> caller_;
};

}  // namespace lumar::service_app
