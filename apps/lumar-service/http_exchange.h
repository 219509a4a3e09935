#pragma once

// What the HTTP core hands to the service and takes back: one request that
// has arrived completely (headers within their limits, body within the body
// limit) and its answer. The core owns the connections, time-outs, limits
// and compression; whatever sits on top of it (the SOAP endpoint, later a
// session layer) sees only these two records.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumar::service_app {

struct HttpRequest {
    std::string method;  // "GET", "POST", ...
    std::string path;    // the target before any '?'
    std::string query;   // the target after '?', without it
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    std::string remoteAddress;

    // The first header of that name (case-insensitive), or nullptr.
    [[nodiscard]] const std::string* Header(std::string_view name) const;
    // Whether the query names the parameter ("?wsdl", "?a=1&wsdl").
    [[nodiscard]] bool HasQueryParameter(std::string_view name) const;
};

struct HttpAnswer {
    int status = 200;
    std::string contentType = "text/xml; charset=utf-8";
    std::string body;
};

// Called on a worker thread, never on the thread that does the I/O.
using HttpHandler = std::function<HttpAnswer(const HttpRequest&)>;

}  // namespace lumar::service_app
