#include "lumar-service/http_server.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "lumar-service/logger.h"
#include "lumar-service/service.h"
#include "lumar-service/service_error.h"

namespace lumar::service_app {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Waits until the socket is ready for the events, at most `wait`. Returns
// false on time-out, error or a closed peer with nothing left to read.
bool WaitFor(int socket, short events, milliseconds wait) {
    if (wait.count() <= 0) {
        return false;
    }
    pollfd entry{socket, events, 0};
    const auto deadline = Clock::now() + wait;
    while (true) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        const int result = ::poll(&entry, 1, static_cast<int>(std::max<long>(left.count(), 0)));
        if (result > 0) {
            return (entry.revents & (events | POLLHUP | POLLERR)) != 0;
        }
        if (result == 0 || errno != EINTR) {
            return false;
        }
    }
}

void AddressOf(int socket, bool peer, std::string& ip, int& port) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    const int result = peer ? ::getpeername(socket, reinterpret_cast<sockaddr*>(&address), &length)
                            : ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    if (result != 0) {
        return;
    }
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(&address);
        ::inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
        port = ntohs(v4->sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&address);
        ::inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
        port = ntohs(v6->sin6_port);
    }
    ip = text;
}

// A connection's stream with a deadline per request: a read waits at most
// the read time-out and never past the deadline.
class DeadlineStream final : public httplib::Stream {
public:
    DeadlineStream(int socket, milliseconds readTimeout, milliseconds writeTimeout)
        : socket_(socket), readTimeout_(readTimeout), writeTimeout_(writeTimeout) {}

    void StartRequest(Clock::time_point deadline) { deadline_ = deadline; }

    bool is_readable() const override {
        return begin_ < end_ || WaitFor(socket_, POLLIN, ReadWait());
    }

    bool is_writable() const override { return WaitFor(socket_, POLLOUT, writeTimeout_); }

    ssize_t read(char* ptr, size_t size) override {
        if (begin_ == end_) {
            if (!WaitFor(socket_, POLLIN, ReadWait())) {
                return -1;
            }
            ssize_t received = 0;
            do {
                received = ::recv(socket_, buffer_, sizeof buffer_, 0);
            } while (received < 0 && errno == EINTR);
            if (received <= 0) {
                return received;
            }
            begin_ = 0;
            end_ = static_cast<std::size_t>(received);
        }
        const std::size_t count = std::min(size, end_ - begin_);
        std::memcpy(ptr, buffer_ + begin_, count);
        begin_ += count;
        return static_cast<ssize_t>(count);
    }

    ssize_t write(const char* ptr, size_t size) override {
        if (!WaitFor(socket_, POLLOUT, writeTimeout_)) {
            return -1;
        }
        ssize_t sent = 0;
        do {
            sent = ::send(socket_, ptr, size, MSG_NOSIGNAL);
        } while (sent < 0 && errno == EINTR);
        return sent;
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        AddressOf(socket_, true, ip, port);
    }

    void get_local_ip_and_port(std::string& ip, int& port) const override {
        AddressOf(socket_, false, ip, port);
    }

    socket_t socket() const override { return socket_; }

private:
    milliseconds ReadWait() const {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline_ - Clock::now());
        return std::min(left, readTimeout_);
    }

    int socket_;
    milliseconds readTimeout_;
    milliseconds writeTimeout_;
    Clock::time_point deadline_ = Clock::now();
    char buffer_[4096] = {};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

// Set by the request handlers, read by the access logger right after them
// on the same thread: requests httplib answers itself (bad request line,
// body too large) are logged there.
thread_local bool handledByService = false;

}  // namespace

// httplib's server with its connection loop replaced, so that each request
// gets the deadline stream above.
class GuardedServer : public httplib::Server {
public:
    explicit GuardedServer(ServerOptions options) : options_(std::move(options)) {}

    // httplib listens with a backlog of 5: a burst of new connections then
    // overflows it and clients wait a second for their SYN to be retried.
    // listen() on a listening socket only changes its backlog.
    void WidenBacklog(int backlog) { ::listen(svr_sock_, backlog); }

private:
    bool process_and_close_socket(socket_t socket) override {
        DeadlineStream stream(socket, options_.readTimeout, options_.writeTimeout);
        bool ok = false;
        for (int served = 0; served < options_.keepAliveMaxCount; ++served) {
            if (!WaitForNextRequest(socket)) {
                break;
            }
            stream.StartRequest(Clock::now() + options_.requestTimeout);
            const bool last = served + 1 == options_.keepAliveMaxCount;
            bool closed = false;
            ok = process_request(stream, last, closed, nullptr);
            if (!ok || closed) {
                break;
            }
        }
        ::shutdown(socket, SHUT_RDWR);
        ::close(socket);
        return ok;
    }

    // An idle keep-alive connection waits for its next request; it gives up
    // after the keep-alive time-out or when the server stops.
    bool WaitForNextRequest(socket_t socket) const {
        const auto deadline = Clock::now() + std::chrono::seconds(options_.keepAliveTimeoutSeconds);
        while (svr_sock_ != INVALID_SOCKET) {
            if (WaitFor(socket, POLLIN, milliseconds(50))) {
                return true;
            }
            if (Clock::now() >= deadline) {
                return false;
            }
        }
        return false;
    }

    ServerOptions options_;
};

HttpServer::HttpServer(Service& service, Logger& logger, ServerOptions options)
    : service_(service), logger_(logger), options_(std::move(options)) {}

HttpServer::~HttpServer() {
    Stop();
}

int HttpServer::Start() {
    server_ = std::make_unique<GuardedServer>(options_);
    GuardedServer& server = *server_;
    const int threads = std::max(1, options_.threads);
    server.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    server.set_tcp_nodelay(true);
    // httplib's default sets SO_REUSEPORT, which lets a second service bind
    // a port this one already listens on and take part of its connections.
    // SO_REUSEADDR alone allows a quick restart and refuses a busy port.
    server.set_socket_options([](socket_t sock) {
        int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server.set_payload_max_length(options_.maxBodyBytes);
    server.set_keep_alive_max_count(static_cast<size_t>(options_.keepAliveMaxCount));
    server.set_keep_alive_timeout(options_.keepAliveTimeoutSeconds);
    server.set_read_timeout(std::chrono::duration_cast<std::chrono::seconds>(options_.readTimeout));
    server.set_write_timeout(
        std::chrono::duration_cast<std::chrono::seconds>(options_.writeTimeout));

    server.Post(".*", [this](const httplib::Request& request, httplib::Response& response) {
        handledByService = true;
        const auto start = Clock::now();
        const std::string* action = nullptr;
        std::string actionValue;
        if (request.has_header("SOAPAction")) {
            actionValue = request.get_header_value("SOAPAction");
            action = &actionValue;
        }
        SoapAnswer answer = service_.HandleSoap(request.body, action);
        response.status = answer.httpStatus;
        // Moved, not copied: list answers run to hundreds of kilobytes.
        response.body = std::move(answer.body);
        response.set_header("Content-Type", "text/xml; charset=utf-8");
        logger_.Request(
            {answer.method.empty() ? std::string_view("(no method)")
                                   : std::string_view(answer.method),
             answer.user, request.remote_addr,
             std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start),
             answer.errorCode, answer.httpStatus});
    });
    server.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        handledByService = true;
        const auto start = Clock::now();
        if (request.has_param("wsdl") || request.has_param("WSDL")) {
            const std::string host = request.has_header("Host")
                                         ? request.get_header_value("Host")
                                         : options_.host + ":" + std::to_string(port_);
            response.set_content(Service::Wsdl("http://" + host + request.path),
                                 "text/xml; charset=utf-8");
        } else {
            response.status = 404;
            response.set_content(
                "Lumar publication service: send SOAP requests by POST; the WSDL is at ?wsdl\n",
                "text/plain; charset=utf-8");
        }
        logger_.Request(
            {"GET " + request.path, 0, request.remote_addr,
             std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start), 0,
             response.status == -1 ? 200 : response.status});
    });
    server.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        if (!handledByService) {
            logger_.Request({request.method + " " + request.path,
                             0,
                             request.remote_addr,
                             {},
                             response.status,
                             response.status});
        }
        handledByService = false;
    });

    port_ = options_.port == 0
                ? server.bind_to_any_port(options_.host)
                : (server.bind_to_port(options_.host, options_.port) ? options_.port : -1);
    if (port_ <= 0) {
        server_.reset();
        throw ServiceError(ErrorCode::Internal, "Cannot listen on " + options_.host + ":" +
                                                    std::to_string(options_.port));
    }
    server.WidenBacklog(SOMAXCONN);
    thread_ = std::thread([&server] { server.listen_after_bind(); });
    // Stop() only reaches a server that is already listening.
    while (!server.is_running()) {
        std::this_thread::sleep_for(milliseconds(1));
    }
    return port_;
}

void HttpServer::Stop() {
    if (server_) {
        server_->stop();
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    server_.reset();
}

}  // namespace lumar::service_app
