#include "lumar-service/sqlite_db.h"

#include <sqlite3.h>

#include "lumar-service/service_error.h"

namespace lumar::service_app {

namespace {

[[noreturn]] void Fail(sqlite3* db, int rc, std::string_view what) {
    const int primary = rc & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        throw ServiceError(ErrorCode::Busy, "The database is busy; please try again");
    }
    std::string text = "Database error while ";
    text += what;
    text += ": ";
    text += db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw ServiceError(ErrorCode::Internal, text);
}

}  // namespace

Connection::Connection(const std::string& path, int busyTimeoutMs) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string text = "Cannot open database " + path + ": ";
        text += db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw ServiceError(ErrorCode::Internal, text);
    }
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    sqlite3_extended_result_codes(db_, 1);
    try {
        Execute("PRAGMA journal_mode=WAL");
        Execute("PRAGMA synchronous=FULL");
        Execute("PRAGMA foreign_keys=ON");
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

Connection::~Connection() {
    for (auto& [sql, statement] : cache_) {
        sqlite3_finalize(statement);
    }
    sqlite3_close(db_);
}

sqlite3_stmt* Connection::Take(std::string_view sql) {
    if (const auto found = cache_.find(std::string(sql)); found != cache_.end()) {
        sqlite3_stmt* statement = found->second;
        cache_.erase(found);
        return statement;
    }
    sqlite3_stmt* statement = nullptr;
    const int rc =
        sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(statement);
        Fail(db_, rc, "preparing a statement");
    }
    return statement;
}

void Connection::Keep(std::string sql, sqlite3_stmt* statement) {
    // Texts are a fixed set but for a few built from lookup-table names and
    // filters; the bound only guards against a caller that builds many.
    constexpr std::size_t kMostKept = 256;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (cache_.size() >= kMostKept || !cache_.emplace(std::move(sql), statement).second) {
        sqlite3_finalize(statement);
    }
}

void Connection::Execute(std::string_view sql) {
    const std::string text(sql);
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        sqlite3_free(message);
        Fail(db_, rc, "running a statement");
    }
}

std::int64_t Connection::LastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

int Connection::Changes() const {
    return sqlite3_changes(db_);
}

Statement::Statement(Connection& connection, std::string_view sql)
    : connection_(connection), sql_(sql), statement_(connection.Take(sql)) {}

Statement::~Statement() {
    if (statement_ != nullptr) {
        connection_.Keep(std::move(sql_), statement_);
    }
}

Statement& Statement::Bind(int index, std::int64_t value) {
    const int rc = sqlite3_bind_int64(statement_, index, value);
    if (rc != SQLITE_OK) {
        Fail(connection_.handle(), rc, "binding a value");
    }
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
    const int rc = sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                                     SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) {
        Fail(connection_.handle(), rc, "binding a value");
    }
    return *this;
}

bool Statement::Step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    Fail(connection_.handle(), rc, "running a statement");
}

void Statement::Run() {
    while (Step()) {
    }
}

void Statement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string Statement::Text(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return bytes == nullptr ? std::string() : std::string(bytes, static_cast<std::size_t>(size));
}

Transaction::Transaction(Connection& connection, Kind kind) : connection_(connection) {
    Statement(connection_, kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN").Run();
}

Transaction::~Transaction() {
    if (open_) {
        sqlite3_exec(connection_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::Commit() {
    Statement(connection_, "COMMIT").Run();
    open_ = false;
}

}  // namespace lumar::service_app
