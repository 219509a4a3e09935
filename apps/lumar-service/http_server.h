#pragma once

// The HTTP side of the service: cpp-httplib on a loopback address, SOAP
// requests by POST to any path, the WSDL by GET with "?wsdl". Every request
// has a deadline for arriving completely, on top of the per-read time-out,
// so a client that trickles bytes cannot hold a worker for long.

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>

namespace lumar::service_app {

class Logger;
class Service;
class GuardedServer;

struct ServerOptions {
    std::string host = "127.0.0.1";
    int port = 0;  // 0: any free port
    int threads = 16;
    std::size_t maxBodyBytes = std::size_t{32} * 1024 * 1024;
    std::chrono::milliseconds readTimeout{5000};
    std::chrono::milliseconds writeTimeout{5000};
    // From the first byte of a request until its body has arrived.
    std::chrono::milliseconds requestTimeout{30000};
    int keepAliveMaxCount = 100;
    int keepAliveTimeoutSeconds = 5;
};

class HttpServer {
public:
    HttpServer(Service& service, Logger& logger, ServerOptions options);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Binds and starts serving on a thread of its own. Returns the port.
    // Throws ServiceError when the address cannot be bound.
    int Start();

    // Stops accepting connections, lets requests in progress finish, and
    // returns when the server thread has ended. Safe to call twice.
    void Stop();

    [[nodiscard]] int port() const { return port_; }

private:
    Service& service_;
    Logger& logger_;
    ServerOptions options_;
    std::unique_ptr<GuardedServer> server_;
    std::thread thread_;
    int port_ = 0;
};

}  // namespace lumar::service_app
