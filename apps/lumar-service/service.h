#pragma once

// The service without its transport: takes the body of a SOAP request and
// gives back the HTTP status and body of the answer. The HTTP server and
// the tests both drive it.

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "lumar-service/connection_pool.h"

namespace lumar::service_app {

class Logger;

struct ServiceOptions {
    std::string databasePath;
    int busyTimeoutMs = 5000;
};

struct SoapAnswer {
    int httpStatus = 200;
    std::string body;
    // For the request's log line.
    std::string method;
    std::int32_t user = 0;
    int errorCode = 0;
};

class Service {
public:
    // Opens the database and brings its schema up to date. Throws
    // ServiceError when the file cannot be opened or migrated.
    Service(ServiceOptions options, Logger& logger);

    // soapAction: the SOAPAction header, or nullptr when the request had none.
    SoapAnswer HandleSoap(std::string_view body, const std::string* soapAction);

    // The WSDL document, with `location` as the service address.
    static std::string Wsdl(std::string_view location);

    ConnectionPool& pool() { return pool_; }
    std::mutex& writers() { return writers_; }

private:
    ServiceOptions options_;
    Logger& logger_;
    ConnectionPool pool_;
    std::mutex writers_;
};

}  // namespace lumar::service_app
