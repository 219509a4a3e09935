#include "lumar-service/http_core.h"

// Boost 1.74 turns its coroutine support on for GCC only; clang (the fuzz
// and tidy builds) compiles the same code with libstdc++'s <coroutine>.
#if defined(__clang__) && defined(__cpp_impl_coroutine) && !defined(BOOST_ASIO_HAS_CO_AWAIT)
#define BOOST_ASIO_HAS_CO_AWAIT 1
#define BOOST_ASIO_HAS_STD_COROUTINE 1
#endif

#include <sys/socket.h>
#include <sys/uio.h>

#include <atomic>
#include <boost/asio/co_spawn.hpp>
#include <boost/asio/detached.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/redirect_error.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/asio/thread_pool.hpp>
#include <boost/asio/use_awaitable.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http.hpp>
#include <cerrno>
#include <thread>
#include <utility>

#include "lumar-service/http_compression.h"
#include "lumar-service/logger.h"
#include "lumar-service/service_error.h"

namespace lumar::service_app {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::size_t kReadChunk = 4096;

// Unread bytes of a refused request are read and dropped for this long
// before the connection closes, so that the client sees the answer instead
// of a reset.
constexpr std::chrono::milliseconds kDrainTime{500};
constexpr std::size_t kDrainBytes = std::size_t{4} * 1024 * 1024;

auto Redirect(beast::error_code& error) {
    return asio::redirect_error(asio::use_awaitable, error);
}

// The HTTP status for a request that could not be read; 0: close silently
// (the client went away or ran out of time).
int StatusForReadError(const beast::error_code& error) {
    if (error == http::error::body_limit || error == http::error::buffer_overflow) {
        return 413;
    }
    if (error == http::error::header_limit) {
        return 431;
    }
    if (error == beast::error::timeout || error == http::error::end_of_stream ||
        error == asio::error::eof || error == asio::error::connection_reset ||
        error == asio::error::operation_aborted || error == http::error::partial_message) {
        return 0;
    }
    return 400;
}

// Beast of Boost 1.74 has a string_view of its own.
std::string_view View(beast::string_view text) {
    return {text.data(), text.size()};
}

std::string RemoteAddress(const tcp::socket& socket) {
    beast::error_code error;
    const tcp::endpoint peer = socket.remote_endpoint(error);
    return error ? std::string() : peer.address().to_string();
}

HttpRequest ToRequest(http::request<http::string_body>&& message, const std::string& remote) {
    HttpRequest request;
    request.method = std::string(View(message.method_string()));
    const std::string_view target = View(message.target());
    const auto question = target.find('?');
    request.path = std::string(target.substr(0, question));
    if (question != std::string_view::npos) {
        request.query = std::string(target.substr(question + 1));
    }
    for (const auto& field : message) {
        request.headers.emplace_back(View(field.name_string()), View(field.value()));
    }
    request.body = std::move(message.body());
    request.remoteAddress = remote;
    return request;
}

// An answer as it goes out: the header text and the body, compressed when
// that is worth it and the client accepts it.
struct Outgoing {
    std::string head;
    std::string body;
    std::size_t sent = 0;
    bool keepAlive = false;

    [[nodiscard]] std::size_t size() const { return head.size() + body.size(); }
};

Outgoing Encode(HttpAnswer&& answer, unsigned version, bool acceptsGzip, std::size_t compressFrom,
                bool keepAlive) {
    Outgoing out;
    out.keepAlive = keepAlive;
    std::string extra;
    if (acceptsGzip && answer.body.size() >= compressFrom) {
        if (auto packed = Gzip(answer.body)) {
            answer.body = std::move(*packed);
            extra += "Content-Encoding: gzip\r\n";
        }
        extra += "Vary: Accept-Encoding\r\n";
    }
    if (version >= 11 && !keepAlive) {
        extra += "Connection: close\r\n";
    } else if (version < 11 && keepAlive) {
        extra += "Connection: keep-alive\r\n";
    }
    out.head =
        std::string(version >= 11 ? "HTTP/1.1 " : "HTTP/1.0 ") + std::to_string(answer.status) +
        " " + std::string(View(http::obsolete_reason(static_cast<http::status>(answer.status)))) +
        "\r\nContent-Type: " + answer.contentType +
        "\r\nContent-Length: " + std::to_string(answer.body.size()) + "\r\n" + extra + "\r\n";
    out.body = std::move(answer.body);
    return out;
}

// Sends what the socket takes without waiting, from the worker that made
// the answer: a short answer then reaches the client without another hop
// through the I/O thread. Returns the bytes sent; the I/O thread sends the
// rest (and meets any error).
std::size_t SendNow(int socket, const Outgoing& out) {
    std::size_t sent = 0;
    while (sent < out.size()) {
        iovec parts[2];
        std::size_t count = 0;
        // sendmsg does not write through its iovecs.
        if (sent < out.head.size()) {
            parts[count++] = {const_cast<char*>(out.head.data() + sent), out.head.size() - sent};
            parts[count++] = {const_cast<char*>(out.body.data()), out.body.size()};
        } else {
            parts[count++] = {const_cast<char*>(out.body.data() + (sent - out.head.size())),
                              out.size() - sent};
        }
        msghdr message{};
        message.msg_iov = parts;
        message.msg_iovlen = count;
        const ssize_t written = ::sendmsg(socket, &message, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            break;
        }
        sent += static_cast<std::size_t>(written);
    }
    return sent;
}

// Counts a value up for the lifetime of the guard.
class Counted {
public:
    explicit Counted(std::atomic<int>& count) : count_(count) { ++count_; }
    ~Counted() { --count_; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

private:
    std::atomic<int>& count_;
};

}  // namespace

class HttpCore::Impl {
public:
    Impl(HttpHandler handler, Logger& logger, ServerOptions options)
        : handler_(std::move(handler)),
          logger_(logger),
          options_(std::move(options)),
          workers_(static_cast<std::size_t>(std::max(1, options_.threads))),
          acceptor_(io_) {}

    ~Impl() { Stop(); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    int Start() {
        try {
            tcp::resolver resolver(io_);
            const auto endpoints =
                resolver.resolve(options_.host, std::to_string(options_.port),
                                 tcp::resolver::numeric_service | tcp::resolver::passive);
            const tcp::endpoint endpoint = endpoints.begin()->endpoint();
            acceptor_.open(endpoint.protocol());
            // SO_REUSEADDR allows a quick restart and still refuses a port
            // another service listens on (no SO_REUSEPORT).
            acceptor_.set_option(tcp::acceptor::reuse_address(true));
            acceptor_.bind(endpoint);
            acceptor_.listen(asio::socket_base::max_listen_connections);
        } catch (const std::exception& error) {
            throw ServiceError(ErrorCode::Internal, "Cannot listen on " + options_.host + ":" +
                                                        std::to_string(options_.port) + ": " +
                                                        error.what());
        }
        const int port = acceptor_.local_endpoint().port();
        asio::co_spawn(io_, Accept(), asio::detached);
        ioThread_ = std::thread([this] { io_.run(); });
        return port;
    }

    void Stop() {
        if (!ioThread_.joinable()) {
            return;
        }
        stopping_ = true;
        asio::post(io_, [this] {
            beast::error_code ignored;
            acceptor_.close(ignored);
        });
        while (busy_ > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        io_.stop();
        ioThread_.join();
        workers_.join();
    }

private:
    asio::awaitable<void> Accept() {
        while (acceptor_.is_open()) {
            beast::error_code error;
            tcp::socket socket =
                co_await acceptor_.async_accept(asio::make_strand(io_), Redirect(error));
            if (error) {
                if (!acceptor_.is_open() || error == asio::error::operation_aborted) {
                    break;
                }
                // Out of descriptors or memory: let the connections that
                // hold them finish before accepting again.
                asio::steady_timer pause(io_, std::chrono::milliseconds(50));
                co_await pause.async_wait(Redirect(error));
                continue;
            }
            if (connections_ >= options_.maxConnections) {
                socket.close(error);
                continue;
            }
            socket.set_option(tcp::no_delay(true), error);
            const auto executor = socket.get_executor();
            asio::co_spawn(executor, Serve(std::move(socket)), asio::detached);
        }
    }

    // One connection: its requests one after the other (keep-alive).
    asio::awaitable<void> Serve(tcp::socket socket) {
        const Counted open(connections_);
        const std::string remote = RemoteAddress(socket);
        beast::tcp_stream stream(std::move(socket));
        beast::flat_buffer buffer;
        for (int served = 0; served < options_.keepAliveMaxCount && !stopping_; ++served) {
            if (!co_await AwaitRequest(stream, buffer)) {
                break;
            }
            // From its first byte on, a request is in progress: stopping
            // waits for it (within its deadline) and its answer.
            const Counted busy(busy_);
            if (stopping_) {
                break;
            }
            const bool last = served + 1 == options_.keepAliveMaxCount;
            if (!co_await ServeRequest(stream, buffer, remote, last)) {
                break;
            }
        }
        beast::error_code ignored;
        stream.socket().shutdown(tcp::socket::shutdown_both, ignored);
    }

    // Waits for the first byte of a request, at most the keep-alive time.
    asio::awaitable<bool> AwaitRequest(beast::tcp_stream& stream,
                                       beast::flat_buffer& buffer) const {
        if (buffer.size() > 0) {
            co_return true;
        }
        stream.expires_after(std::chrono::seconds(options_.keepAliveTimeoutSeconds));
        beast::error_code error;
        const std::size_t received =
            co_await stream.async_read_some(buffer.prepare(kReadChunk), Redirect(error));
        buffer.commit(received);
        co_return !error && received > 0;
    }

    // Reads one request within its deadline and limits, has a worker handle
    // it and writes the answer. False: the connection is to close.
    asio::awaitable<bool> ServeRequest(beast::tcp_stream& stream, beast::flat_buffer& buffer,
                                       const std::string& remote, bool last) {
        stream.expires_after(options_.requestTimeout);
        http::request_parser<http::string_body> parser;
        parser.header_limit(static_cast<std::uint32_t>(options_.maxHeaderBytes));
        parser.body_limit(options_.maxBodyBytes);
        beast::error_code error;
        co_await http::async_read_header(stream, buffer, parser, Redirect(error));
        if (!error && FieldCount(parser.get()) > options_.maxHeaderFields) {
            error = http::error::header_limit;
        }
        if (!error && parser.get()[http::field::expect] == "100-continue") {
            http::response<http::empty_body> goOn{http::status::continue_, 11};
            co_await http::async_write(stream, goOn, Redirect(error));
        }
        if (!error) {
            co_await http::async_read(stream, buffer, parser, Redirect(error));
        }
        if (error) {
            const int status = StatusForReadError(error);
            if (status != 0) {
                co_await Refuse(stream, parser, status, remote);
            }
            co_return false;
        }

        http::request<http::string_body> message = parser.release();
        const bool keepAlive = message.keep_alive() && !last;
        const unsigned version = message.version();
        const bool acceptsGzip = AcceptsGzip(View(message[http::field::accept_encoding]));
        HttpRequest request = ToRequest(std::move(message), remote);
        const int socket = stream.socket().native_handle();
        // While the worker runs, this connection's coroutine waits: nothing
        // else touches the socket.
        Outgoing out = co_await asio::co_spawn(
            workers_,
            [&]() -> asio::awaitable<Outgoing> {
                Outgoing answer = Encode(Handle(request), version, acceptsGzip,
                                         options_.compressFromBytes, keepAlive && !stopping_);
                if (request.method == "HEAD") {
                    answer.body.clear();
                }
                answer.sent = SendNow(socket, answer);
                co_return answer;
            },
            asio::use_awaitable);
        co_return co_await WriteRest(stream, out) && out.keepAlive;
    }

    // Sends what the worker could not; each piece may wait the write time-out.
    asio::awaitable<bool> WriteRest(beast::tcp_stream& stream, Outgoing& out) const {
        beast::error_code error;
        while (out.sent < out.size()) {
            const bool inHead = out.sent < out.head.size();
            const asio::const_buffer rest =
                inHead ? asio::buffer(out.head) + out.sent
                       : asio::buffer(out.body) + (out.sent - out.head.size());
            stream.expires_after(options_.writeTimeout);
            out.sent += co_await stream.async_write_some(rest, Redirect(error));
            if (error) {
                co_return false;
            }
        }
        co_return true;
    }

    HttpAnswer Handle(const HttpRequest& request) {
        try {
            return handler_(request);
        } catch (const std::exception& error) {
            logger_.Write(LogLevel::Error, std::string("request failed: ") + error.what());
            return {500, "text/plain; charset=utf-8", "Internal error\n"};
        }
    }

    // Writes piece by piece; each piece may wait the write time-out.
    template <class Message>
    asio::awaitable<bool> Write(beast::tcp_stream& stream, Message& message) {
        http::serializer<false, typename Message::body_type> serializer{message};
        beast::error_code error;
        while (!serializer.is_done()) {
            stream.expires_after(options_.writeTimeout);
            co_await http::async_write_some(stream, serializer, Redirect(error));
            if (error) {
                co_return false;
            }
        }
        co_return true;
    }

    // Answers a request the HTTP layer refuses, then reads and drops what
    // the client still sends for a moment, so that it reads the answer.
    asio::awaitable<void> Refuse(beast::tcp_stream& stream,
                                 http::request_parser<http::string_body>& parser, int status,
                                 const std::string& remote) {
        const auto& header = parser.get();
        const std::string method = parser.is_header_done()
                                       ? std::string(View(header.method_string())) + " " +
                                             std::string(View(header.target()))
                                       : std::string("(request)");
        logger_.Request({method, 0, remote, {}, status, status});
        http::response<http::string_body> response{static_cast<http::status>(status), 11};
        response.set(http::field::content_type, "text/plain; charset=utf-8");
        response.body() = status == 413   ? "Request body too large\n"
                          : status == 431 ? "Request header too large\n"
                                          : "Bad request\n";
        response.keep_alive(false);
        response.prepare_payload();
        if (!co_await Write(stream, response)) {
            co_return;
        }
        beast::error_code error;
        stream.socket().shutdown(tcp::socket::shutdown_send, error);
        stream.expires_after(kDrainTime);
        std::size_t drained = 0;
        char sink[kReadChunk];
        while (!error && drained < kDrainBytes) {
            drained += co_await stream.async_read_some(asio::buffer(sink), Redirect(error));
        }
    }

    template <class Fields>
    static std::size_t FieldCount(const http::request_header<Fields>& header) {
        return static_cast<std::size_t>(std::distance(header.begin(), header.end()));
    }

    // Declared first: the coroutines of open connections count themselves
    // out while the I/O context destroys them.
    std::atomic<int> connections_{0};
    std::atomic<int> busy_{0};
    std::atomic<bool> stopping_{false};
    HttpHandler handler_;
    Logger& logger_;
    ServerOptions options_;
    asio::io_context io_{1};
    asio::thread_pool workers_;
    tcp::acceptor acceptor_;
    std::thread ioThread_;
};

HttpCore::HttpCore(HttpHandler handler, Logger& logger, ServerOptions options)
    : impl_(std::make_unique<Impl>(std::move(handler), logger, std::move(options))) {}

HttpCore::~HttpCore() = default;

int HttpCore::Start() {
    return impl_->Start();
}

void HttpCore::Stop() {
    impl_->Stop();
}

}  // namespace lumar::service_app
