// The lumar-service program itself: it prints where it listens, serves,
// and on SIGTERM finishes the request in progress before it exits with 0.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "fixtures/temp_dir.h"
#include "lumar-service/sqlite_db.h"
#include "soap_test_client.h"

namespace lumar::service_test {
namespace {

using namespace std::chrono_literals;

// The program started with arguments, its stdout read through a pipe.
class ServiceProcess {
public:
    explicit ServiceProcess(std::vector<std::string> arguments) {
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv;
            std::string program = LUMAR_SERVICE_PROGRAM;
            argv.push_back(program.data());
            for (std::string& argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        stdout_ = ::fdopen(out[0], "r");
    }

    ~ServiceProcess() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (stdout_ != nullptr) {
            ::fclose(stdout_);
        }
    }

    // The first line the program printed.
    std::string FirstLine() {
        char line[512] = {};
        if (stdout_ == nullptr || std::fgets(line, sizeof line, stdout_) == nullptr) {
            return {};
        }
        return line;
    }

    int Port() {
        const std::string line = FirstLine();
        const auto start = line.find("127.0.0.1:");
        return start == std::string::npos ? 0 : std::atoi(line.c_str() + start + 10);
    }

    void Signal(int signal) const { ::kill(pid_, signal); }

    // The exit code, or -1 when the program did not end in time.
    int Wait(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    FILE* stdout_ = nullptr;
};

int Connect(int port) {
    const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
    if (::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(sock);
        return -1;
    }
    return sock;
}

TEST(ServiceProcess, FinishesTheRequestInProgressOnSigterm) {
    fixtures::TempDir folder;
    const std::string database = (folder / "service.db").string();
    ServiceProcess process(
        {"--db", database, "--listen", "127.0.0.1:0", "--demo", "--log-level", "warning"});
    const int port = process.Port();
    ASSERT_GT(port, 0);
    const SoapTestClient soap(port);
    EXPECT_NE(soap.Logon("reader", "reader2"), 0);

    // A request whose body is still on its way when the signal comes.
    const std::string body =
        SoapTestClient::Envelope("Log", {{"Severity", "0"}, {"Message", "late"}});
    const std::string head =
        "POST /WS/Lumar/2007/02/ HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        "Content-Type: text/xml; charset=utf-8\r\nSOAPAction: " +
        SoapTestClient::Action("Log") + "\r\nConnection: close\r\n" +
        "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    const int sock = Connect(port);
    ASSERT_GE(sock, 0);
    const std::string first = head + body.substr(0, 40);
    ASSERT_EQ(::send(sock, first.data(), first.size(), 0), static_cast<ssize_t>(first.size()));
    std::this_thread::sleep_for(200ms);
    process.Signal(SIGTERM);
    std::this_thread::sleep_for(200ms);
    const std::string rest = body.substr(40);
    ASSERT_EQ(::send(sock, rest.data(), rest.size(), 0), static_cast<ssize_t>(rest.size()));
    std::string answer;
    char buffer[4096];
    for (ssize_t n; (n = ::recv(sock, buffer, sizeof buffer, 0)) > 0;) {
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(sock);
    EXPECT_EQ(answer.rfind("HTTP/1.1 200", 0), 0u) << answer;
    EXPECT_NE(answer.find("[DEBUG] late"), std::string::npos);

    EXPECT_EQ(process.Wait(10s), 0);
    // New connections are no longer accepted, and the database is whole.
    EXPECT_LT(Connect(port), 0);
    service_app::Connection db(database, 1000);
    service_app::Statement users(db, "SELECT COUNT(*) FROM users");
    ASSERT_TRUE(users.Step());
    EXPECT_EQ(users.Int(0), 6);
}

TEST(ServiceProcess, RefusesAPortAnotherServiceListensOn) {
    fixtures::TempDir folder;
    ServiceProcess first({"--db", (folder / "first.db").string(), "--listen", "127.0.0.1:0"});
    const int port = first.Port();
    ASSERT_GT(port, 0);
    ServiceProcess second(
        {"--db", (folder / "second.db").string(), "--listen", "127.0.0.1:" + std::to_string(port)});
    EXPECT_EQ(second.Wait(10s), 1);
}

TEST(ServiceProcess, RefusesABadListenAddress) {
    fixtures::TempDir folder;
    ServiceProcess process({"--db", (folder / "x.db").string(), "--listen", "nowhere"});
    EXPECT_EQ(process.Wait(10s), 2);
}

TEST(ServiceProcess, FailsCleanlyWhenTheDatabaseCannotBeOpened) {
    fixtures::TempDir folder;
    ServiceProcess process(
        {"--db", (folder / "missing" / "x.db").string(), "--listen", "127.0.0.1:0"});
    EXPECT_EQ(process.Wait(10s), 1);
}

}  // namespace
}  // namespace lumar::service_test
