#pragma once

// Connections to one database file, lent to request threads one at a time.
// SQLite connections must not be shared between threads at once; a pool
// keeps one per concurrently running request and reuses them.

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "lumar-service/sqlite_db.h"

namespace lumar::service_app {

class ConnectionPool {
public:
    ConnectionPool(std::string path, int busyTimeoutMs);

    // A connection returned to the pool when the lease ends.
    class Lease {
    public:
        Lease(ConnectionPool& pool, std::unique_ptr<Connection> connection)
            : pool_(&pool), connection_(std::move(connection)) {}
        ~Lease();
        Lease(Lease&& other) noexcept = default;
        Lease& operator=(Lease&&) = delete;
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;

        Connection& operator*() const { return *connection_; }
        Connection* operator->() const { return connection_.get(); }

    private:
        ConnectionPool* pool_;
        std::unique_ptr<Connection> connection_;
    };

    Lease Acquire();
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    void Release(std::unique_ptr<Connection> connection);

    std::string path_;
    int busyTimeoutMs_;
    std::mutex mutex_;
    std::vector<std::unique_ptr<Connection>> idle_;
};

}  // namespace lumar::service_app
