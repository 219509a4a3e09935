// The HTTP core under hostile clients: bodies over the limit in every
// transfer encoding, oversized or overfull headers, and many idle or slow
// connections, while well-behaved callers are still answered promptly.
// Each test is bounded to a few seconds.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fixtures/service/reference_service.h"
#include "lumar-service/password.h"
#include "soap_test_client.h"

namespace lumar::service_test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A raw connection to the service, closed on destruction.
class RawConnection {
public:
    explicit RawConnection(int port) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        if (::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(socket_);
            socket_ = -1;
        }
    }
    ~RawConnection() {
        if (socket_ >= 0) {
            ::close(socket_);
        }
    }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    [[nodiscard]] bool connected() const { return socket_ >= 0; }

    bool Send(std::string_view data) const {
        while (!data.empty()) {
            const ssize_t sent = ::send(socket_, data.data(), data.size(), MSG_NOSIGNAL);
            if (sent <= 0) {
                return false;
            }
            data.remove_prefix(static_cast<std::size_t>(sent));
        }
        return true;
    }

    // Whatever arrives within `wait` (until the peer closes or goes quiet).
    std::string Receive(std::chrono::milliseconds wait) const {
        std::string received;
        const auto deadline = Clock::now() + wait;
        while (Clock::now() < deadline) {
            pollfd entry{socket_, POLLIN, 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (::poll(&entry, 1, static_cast<int>(std::max<long>(left.count(), 0))) <= 0) {
                break;
            }
            char buffer[4096];
            const ssize_t count = ::recv(socket_, buffer, sizeof buffer, 0);
            if (count <= 0) {
                break;
            }
            received.append(buffer, static_cast<std::size_t>(count));
        }
        return received;
    }

    // Whether an answer has begun to arrive, without waiting.
    [[nodiscard]] bool Readable() const {
        pollfd entry{socket_, POLLIN, 0};
        return ::poll(&entry, 1, 0) > 0;
    }

private:
    int socket_;
};

constexpr std::size_t kBodyLimit = 64 * 1024;

class HttpLimits : public ::testing::Test {
protected:
    static fixtures::ReferenceService::Options Limits() {
        fixtures::ReferenceService::Options options;
        options.server.maxBodyBytes = kBodyLimit;
        options.server.requestTimeout = 2s;
        options.server.threads = 4;
        return options;
    }

    std::string Head(std::string_view extra) const {
        return "POST /WS/Lumar/2007/02/ HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/xml\r\n" +
               std::string(extra) + "\r\n";
    }

    // A normal call is answered within `limit`.
    void ExpectPromptAnswer(std::chrono::milliseconds limit) {
        const auto start = Clock::now();
        const Answer answer = soap.Call("Log", {{"Severity", "0"}, {"Message", "still there"}});
        EXPECT_TRUE(answer.Ok()) << answer.body;
        EXPECT_LT(Clock::now() - start, limit);
    }

    fixtures::ReferenceService service{Limits()};
    SoapTestClient soap{service.port()};
};

TEST_F(HttpLimits, BodyOverTheLimitIsRefusedWhileReadingInEveryEncoding) {
    // Declared too long: refused from the header alone. Chunked: counted as
    // the chunks arrive and refused once past the limit, long before the
    // 16 MiB the client would send.
    const std::string chunk = std::string("2000\r\n") + std::string(0x2000, 'x') + "\r\n";
    const struct {
        const char* name;
        std::string head;
        bool chunked;
    } cases[] = {
        {"Content-Length", Head("Content-Length: 16777216\r\n"), false},
        {"chunked", Head("Transfer-Encoding: chunked\r\n"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RawConnection connection(service.port());
        ASSERT_TRUE(connection.connected());
        ASSERT_TRUE(connection.Send(c.head));
        std::size_t sent = 0;
        const auto start = Clock::now();
        while (sent < 16 * 1024 * 1024 && !connection.Readable() && Clock::now() - start < 5s) {
            if (!connection.Send(c.chunked ? std::string_view(chunk)
                                           : std::string_view(chunk).substr(6, 0x2000))) {
                break;
            }
            sent += 0x2000;
        }
        const std::string answer = connection.Receive(2000ms);
        EXPECT_EQ(answer.rfind("HTTP/1.1 413", 0), 0u) << answer.substr(0, 200);
        EXPECT_LT(sent, std::size_t{8} * 1024 * 1024);
    }
    EXPECT_NE(service.log().find("http=413"), std::string::npos);
    ExpectPromptAnswer(1s);
}

TEST_F(HttpLimits, OversizedOrOverfullHeadersAreRefused) {
    std::string manyFields;
    for (int i = 0; i < 200; ++i) {
        manyFields += "X-Field-" + std::to_string(i) + ": x\r\n";
    }
    const struct {
        const char* name;
        std::string head;
        const char* status;
    } cases[] = {
        {"one field of 64 KiB", Head("X-Big: " + std::string(64 * 1024, 'y') + "\r\n"),
         "HTTP/1.1 431"},
        {"200 fields", Head(manyFields), "HTTP/1.1 431"},
        {"not HTTP", "HELLO\r\n\r\n", "HTTP/1.1 400"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RawConnection connection(service.port());
        ASSERT_TRUE(connection.connected());
        connection.Send(c.head);
        const std::string answer = connection.Receive(2000ms);
        EXPECT_EQ(answer.rfind(c.status, 0), 0u) << answer.substr(0, 200);
    }
    ExpectPromptAnswer(1s);
}

TEST_F(HttpLimits, IdleAndTricklingConnectionsTieUpNoWorker) {
    // Far more connections than the 4 workers: 500 that send nothing, 64
    // that have sent half a request and trickle one byte now and then.
    std::vector<std::unique_ptr<RawConnection>> idle;
    for (int i = 0; i < 500; ++i) {
        idle.push_back(std::make_unique<RawConnection>(service.port()));
        ASSERT_TRUE(idle.back()->connected());
    }
    const std::string request = Head("Content-Length: 1000\r\n") + std::string(500, '<');
    std::vector<std::unique_ptr<RawConnection>> slow;
    for (int i = 0; i < 64; ++i) {
        slow.push_back(std::make_unique<RawConnection>(service.port()));
        ASSERT_TRUE(slow.back()->connected());
        slow.back()->Send(std::string_view(request).substr(0, request.size() - 10));
    }
    for (int round = 0; round < 5; ++round) {
        for (auto& connection : slow) {
            connection->Send("<");
        }
        ExpectPromptAnswer(500ms);
        std::this_thread::sleep_for(100ms);
    }
}

TEST_F(HttpLimits, EachRequestOfAKeptAliveConnectionHasItsOwnDeadline) {
    // Two complete requests on one connection, the second sent after the
    // first request's deadline (2 s) would have passed had it been per
    // connection; then a third that never completes is cut off.
    RawConnection connection(service.port());
    ASSERT_TRUE(connection.connected());
    const std::string body = SoapTestClient::Envelope("Log", {{"Severity", "0"}, {"Message", "k"}});
    const std::string request =
        Head("SOAPAction: " + SoapTestClient::Action("Log") +
             "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n") +
        body;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(connection.Send(request));
        const std::string answer = connection.Receive(1200ms);
        EXPECT_EQ(answer.rfind("HTTP/1.1 200", 0), 0u) << i << ": " << answer.substr(0, 200);
    }
    ASSERT_TRUE(connection.Send(request.substr(0, request.size() / 2)));
    const auto start = Clock::now();
    const std::string rest = connection.Receive(4000ms);
    EXPECT_TRUE(rest.empty()) << rest.substr(0, 200);
    EXPECT_LT(Clock::now() - start, 3s);
    EXPECT_GE(Clock::now() - start, 1500ms);
}

TEST_F(HttpLimits, LargeAnswersAreCompressedForClientsThatAcceptIt) {
    // The WSDL is a long answer (tens of kilobytes) any GET can ask for.
    httplib::Client client("127.0.0.1", service.port());
    client.set_decompress(false);
    const auto plain = client.Get("/WS/Lumar/2007/02/?wsdl", {{"Accept-Encoding", "identity"}});
    const auto packed = client.Get("/WS/Lumar/2007/02/?wsdl", {{"Accept-Encoding", "gzip"}});
    ASSERT_TRUE(plain && packed);
    EXPECT_FALSE(plain->has_header("Content-Encoding"));
    EXPECT_EQ(packed->get_header_value("Content-Encoding"), "gzip");
    EXPECT_LT(packed->body.size() * 4, plain->body.size());
    httplib::Client decompressing("127.0.0.1", service.port());
    const auto unpacked =
        decompressing.Get("/WS/Lumar/2007/02/?wsdl", {{"Accept-Encoding", "gzip"}});
    ASSERT_TRUE(unpacked);
    EXPECT_EQ(unpacked->body, plain->body);
    // Short answers go out as they are.
    const auto shortAnswer = client.Get("/", {{"Accept-Encoding", "gzip"}});
    ASSERT_TRUE(shortAnswer);
    EXPECT_FALSE(shortAnswer->has_header("Content-Encoding"));
}

TEST_F(HttpLimits, NulCharacterReferencesAreRefusedLikeNulBytes) {
    std::string body = SoapTestClient::Envelope(
        "Logon", {{"Login", "editorXYZ"}, {"Password", service_app::ScramblePassword("editor3")}});
    body.replace(body.find("XYZ"), 3, "&#0;xyz");
    const Answer answer = soap.Post(body, SoapTestClient::Action("Logon").c_str());
    EXPECT_FALSE(answer.Ok());
    EXPECT_EQ(answer.Long("Result User_ID"), 0);
}

}  // namespace
}  // namespace lumar::service_test
