#include "lumar-service/connection_pool.h"

namespace lumar::service_app {

ConnectionPool::ConnectionPool(std::string path, int busyTimeoutMs)
    : path_(std::move(path)), busyTimeoutMs_(busyTimeoutMs) {}

ConnectionPool::Lease::~Lease() {
    if (connection_) {
        pool_->Release(std::move(connection_));
    }
}

ConnectionPool::Lease ConnectionPool::Acquire() {
    {
        std::lock_guard lock(mutex_);
        if (!idle_.empty()) {
            auto connection = std::move(idle_.back());
            idle_.pop_back();
            return Lease(*this, std::move(connection));
        }
    }
    // More requests than idle connections: open another one. The HTTP
    // server's thread pool bounds how many exist at once.
    return Lease(*this, std::make_unique<Connection>(path_, busyTimeoutMs_));
}

void ConnectionPool::Release(std::unique_ptr<Connection> connection) {
    std::lock_guard lock(mutex_);
    idle_.push_back(std::move(connection));
}

}  // namespace lumar::service_app
