#pragma once

// The service over HTTP: SOAP requests by POST to any path, the WSDL by GET
// with "?wsdl", on the HTTP core (http_core.h), which owns connections,
// limits and time-outs.

#include <memory>

#include "lumar-service/http_core.h"

namespace lumar::service_app {

class Logger;
class Service;

class HttpServer {
public:
    HttpServer(Service& service, Logger& logger, ServerOptions options);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Binds and starts serving on threads of its own. Returns the port.
    // Throws ServiceError when the address cannot be bound.
    int Start();

    // Stops accepting connections, lets requests in progress finish, and
    // returns when the server's threads have ended. Safe to call twice.
    void Stop();

    [[nodiscard]] int port() const { return port_; }

private:
    HttpAnswer Handle(const HttpRequest& request);

    Service& service_;
    Logger& logger_;
    ServerOptions options_;
    std::unique_ptr<HttpCore> core_;
    int port_ = 0;
};

}  // namespace lumar::service_app
