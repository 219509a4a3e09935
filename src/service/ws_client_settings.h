#pragma once

// The settings a service client works with, read from the current user's
// settings below "Software\Orvane\Lumar":
//
//   Uri\Web_service            text    the service's address           (empty)
//   Proxy\Use_proxy            number  nonzero: go through the proxy   (0)
//   Proxy\Proxy_port           number                                  (0)
//   Proxy\Proxy_server         text                                    (empty)
//   Proxy\Proxy_domain         text                                    (empty)
//   Proxy\Proxy_login          text                                    (empty)
//   Proxy\Proxy_password       text    as typed                        (empty)
//   Proxy\Proxy_authentication text    "BASIC" or "NTLM"               (empty)
//
// and the transport's limits, which administrators may tune (a value of 0 or
// a missing one keeps the default):
//
//   Uri\Connect_timeout_ms     number  time to establish a connection  (15000)
//   Uri\Request_timeout_ms     number  time for a whole call           (120000)
//   Uri\Answer_limit_bytes     number  largest answer taken            (64 MiB)
//
// A value that is missing or of another type keeps its default.

#include <cstdint>
#include <string>

#include "platform/soap/http_transport.h"

namespace lumar {

struct WSClientSettings {
    std::string uri;
    bool useProxy = false;
    std::int32_t proxyPort = 0;
    std::string proxyServer;
    std::string proxyDomain;
    std::string proxyLogin;
    std::string proxyPassword;
    std::string proxyAuthentication;
    soap::TransportLimits limits;
};

WSClientSettings ReadWSClientSettings();

}  // namespace lumar
