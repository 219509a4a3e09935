#pragma once

// The service's HTTP/1.1 server: Boost.Beast on Asio. One I/O thread
// multiplexes every connection, so idle keep-alive connections and clients
// that trickle bytes cost a socket and a few kilobytes, never a worker. A
// request goes to the worker pool only once it has arrived completely, and
// its answer is written back by the I/O thread. Limits are enforced while
// reading: header size and count, the body limit for every transfer encoding
// (chunked bodies are counted as they arrive), and one deadline per request.

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

#include "lumar-service/http_exchange.h"

namespace lumar::service_app {

class Logger;

struct ServerOptions {
    std::string host = "127.0.0.1";
    int port = 0;      // 0: any free port
    int threads = 16;  // workers that run requests
    std::size_t maxBodyBytes = std::size_t{32} * 1024 * 1024;
    std::size_t maxHeaderBytes = std::size_t{16} * 1024;
    std::size_t maxHeaderFields = 64;
    // Connections beyond this are closed as soon as they are accepted.
    int maxConnections = 10000;
    // Each write of an answer may wait this long for the client.
    std::chrono::milliseconds writeTimeout{5000};
    // From the first byte of a request until its body has arrived.
    std::chrono::milliseconds requestTimeout{30000};
    int keepAliveMaxCount = 100;
    // An idle connection (before its first or next request) closes after this.
    int keepAliveTimeoutSeconds = 5;
    // Answers at least this long are sent gzip-compressed to clients that
    // accept it; shorter ones are not worth the time.
    std::size_t compressFromBytes = 4096;
};

class HttpCore {
public:
    HttpCore(HttpHandler handler, Logger& logger, ServerOptions options);
    ~HttpCore();
    HttpCore(const HttpCore&) = delete;
    HttpCore& operator=(const HttpCore&) = delete;

    // Binds, starts the I/O thread and the workers, and returns the port.
    // Throws ServiceError when the address cannot be bound.
    int Start();

    // Stops accepting connections, lets requests in progress (from their
    // first byte) arrive within their deadline, be handled and answered,
    // closes idle connections. Safe to call twice.
    void Stop();

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace lumar::service_app
