#include "soap_test_proxy.h"

#include <regex>
#include <stdexcept>

namespace lumar::test {

namespace {

std::string DecodeBase64(const std::string& text) {
    static const std::string alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    int bits = 0;
    int value = 0;
    for (const char c : text) {
        const auto digit = alphabet.find(c);
        if (digit == std::string::npos) {
            break;  // '=' padding or the end
        }
        value = (value << 6) | static_cast<int>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((value >> bits) & 0xFF));
        }
    }
    return out;
}

}  // namespace

SoapTestProxy::SoapTestProxy(std::string user, std::string password)
    : user_(std::move(user)), password_(std::move(password)) {
    server_.set_tcp_nodelay(true);
    server_.Post(".*", [this](const httplib::Request& request, httplib::Response& response) {
        ProxyVisit visit;
        visit.target = request.target;
        visit.authorization = request.get_header_value("Proxy-Authorization");
        if (visit.authorization.rfind("Basic ", 0) == 0) {
            const std::string pair = DecodeBase64(visit.authorization.substr(6));
            const auto colon = pair.find(':');
            visit.user = pair.substr(0, colon);
            visit.password = colon == std::string::npos ? "" : pair.substr(colon + 1);
        }
        {
            std::lock_guard lock(mutex_);
            visits_.push_back(visit);
        }
        if (visit.user != user_ || visit.password != password_) {
            response.status = 407;
            response.set_header("Proxy-Authenticate", "Basic realm=\"test proxy\"");
            return;
        }
        static const std::regex absolute(R"(http://([^/:]+):(\d+)(/.*))");
        std::smatch parts;
        if (!std::regex_match(visit.target, parts, absolute)) {
            response.status = 400;
            return;
        }
        httplib::Client upstream(parts[1].str(), std::stoi(parts[2].str()));
        upstream.set_tcp_nodelay(true);
        httplib::Headers headers{{"SOAPAction", request.get_header_value("SOAPAction")}};
        const auto answer = upstream.Post(parts[3].str(), headers, request.body,
                                          request.get_header_value("Content-Type"));
        if (!answer) {
            response.status = 502;
            return;
        }
        response.status = answer->status;
        response.set_content(answer->body, answer->get_header_value("Content-Type"));
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    if (port_ <= 0) {
        throw std::runtime_error("the test proxy could not bind to 127.0.0.1");
    }
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) {
        std::this_thread::yield();
    }
}

SoapTestProxy::~SoapTestProxy() {
    server_.stop();
    thread_.join();
}

std::vector<ProxyVisit> SoapTestProxy::Visits() const {
    std::lock_guard lock(mutex_);
    return visits_;
}

}  // namespace lumar::test
