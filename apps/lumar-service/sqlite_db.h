#pragma once

// A thin RAII layer over SQLite: a connection, prepared statements with
// bound parameters (the only way values reach SQL), and transactions. SQLite
// errors become ServiceError: Busy when the database stayed locked past the
// busy time-out, Internal otherwise.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace lumar::service_app {

class Connection {
public:
    // Opens (creating if needed) the database file in WAL mode with the busy
    // time-out and foreign keys on.
    Connection(const std::string& path, int busyTimeoutMs);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs statements without parameters (schema, pragmas).
    void Execute(std::string_view sql);
    [[nodiscard]] std::int64_t LastInsertId() const;
    [[nodiscard]] int Changes() const;
    sqlite3* handle() { return db_; }

    // Prepared statements kept for reuse, by their SQL text: preparing costs
    // more than running most of the service's queries. Take() gives a
    // statement (cached or newly prepared) to one user; Keep() takes it back
    // reset, or finalizes it when one of its text is kept already or the
    // cache is full.
    sqlite3_stmt* Take(std::string_view sql);
    void Keep(std::string sql, sqlite3_stmt* statement);

private:
    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> cache_;
};

class Statement {
public:
    Statement(Connection& connection, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1. Texts are stored as the bytes given.
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, std::string_view text);
    Statement& BindBool(int index, bool value) { return Bind(index, std::int64_t{value ? 1 : 0}); }

    // Advances to the next row; false when there is none.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();
    void Reset();

    [[nodiscard]] std::int64_t Int(int column) const;
    [[nodiscard]] std::int32_t Int32(int column) const {
        return static_cast<std::int32_t>(Int(column));
    }
    [[nodiscard]] std::string Text(int column) const;

private:
    Connection& connection_;
    std::string sql_;
    sqlite3_stmt* statement_ = nullptr;
};

// A transaction that rolls back unless committed. Writers begin IMMEDIATE so
// that two writers never deadlock on a lock upgrade.
class Transaction {
public:
    enum class Kind { Read, Write };
    Transaction(Connection& connection, Kind kind);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

private:
    Connection& connection_;
    bool open_ = true;
};

}  // namespace lumar::service_app
