#pragma once

// A forwarding HTTP proxy on 127.0.0.1 for the proxy tests. It demands BASIC
// proxy authentication, records the user name and password it was given, and
// forwards authenticated requests to their target.

#include <httplib.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumar::test {

struct ProxyVisit {
    std::string target;         // the absolute URL the client asked for
    std::string authorization;  // the Proxy-Authorization header as sent
    std::string user;           // decoded from a Basic authorization
    std::string password;
};

class SoapTestProxy {
public:
    SoapTestProxy(std::string user, std::string password);
    ~SoapTestProxy();
    SoapTestProxy(const SoapTestProxy&) = delete;
    SoapTestProxy& operator=(const SoapTestProxy&) = delete;

    int Port() const { return port_; }
    std::vector<ProxyVisit> Visits() const;

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::string user_;
    std::string password_;
    mutable std::mutex mutex_;
    std::vector<ProxyVisit> visits_;
};

}  // namespace lumar::test
