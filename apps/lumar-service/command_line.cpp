#include "lumar-service/command_line.h"

#include <pthread.h>

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>

#include "lumar-service/demo_seed.h"
#include "lumar-service/request_params.h"
#include "lumar-service/service.h"
#include "lumar_version.h"

namespace lumar::service_app {

bool ParseListenAddress(std::string_view text, std::string& host, int& port) {
    std::string_view hostPart;
    std::string_view portPart;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string_view::npos || close + 1 >= text.size() || text[close + 1] != ':') {
            return false;
        }
        hostPart = text.substr(1, close - 1);
        portPart = text.substr(close + 2);
    } else {
        const auto colon = text.rfind(':');
        if (colon == std::string_view::npos) {
            return false;
        }
        hostPart = text.substr(0, colon);
        portPart = text.substr(colon + 1);
    }
    std::int32_t number = 0;
    if (hostPart.empty() || portPart.empty() || !ParseLong(portPart, number) || number < 0 ||
        number > 65535 || portPart.front() == '-' || portPart.front() == ' ') {
        return false;
    }
    host = std::string(hostPart);
    port = number;
    return true;
}

std::optional<int> ParseCommandLine(int argc, char** argv, ServiceCommandLine& commandLine) {
    CLI::App app{"Lumar reference publication administration service (SOAP over HTTP)",
                 "lumar-service"};
    app.set_version_flag("--version", std::string("lumar-service ") + kVersion);
    std::string listen = "127.0.0.1:8087";
    std::string level = "info";
    int requestTimeout = 30;
    app.add_option("--db", commandLine.databasePath,
                   "SQLite database file; created and migrated when needed")
        ->capture_default_str();
    app.add_option("--listen", listen, "HOST:PORT to listen on; port 0 picks a free port")
        ->capture_default_str();
    app.add_flag("--demo", commandLine.demo,
                 "seed demo users, lookup lists and a demo publication");
    app.add_option("--log-level", level, "debug, info, warning or error")
        ->check(CLI::IsMember({"debug", "info", "warning", "error"}))
        ->capture_default_str();
    app.add_option("--threads", commandLine.server.threads, "worker threads")
        ->check(CLI::Range(1, 256))
        ->capture_default_str();
    app.add_option("--max-body", commandLine.server.maxBodyBytes, "largest request body in bytes")
        ->check(CLI::Range(std::size_t{1024}, std::size_t{1} << 30))
        ->capture_default_str();
    app.add_option("--request-timeout", requestTimeout,
                   "seconds a request may take to arrive completely")
        ->check(CLI::Range(1, 3600))
        ->capture_default_str();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    }
    if (!ParseListenAddress(listen, commandLine.server.host, commandLine.server.port)) {
        std::cerr << "lumar-service: --listen wants HOST:PORT, not \"" << listen << "\"\n";
        return 2;
    }
    commandLine.logLevel = *ParseLogLevel(level);
    commandLine.server.requestTimeout = std::chrono::seconds(requestTimeout);
    return std::nullopt;
}

namespace {

bool IsLoopback(const std::string& host) {
    return host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0;
}

}  // namespace

int RunService(const ServiceCommandLine& commandLine) {
    // The signals are taken by sigwait below; every thread started from here
    // on inherits the blocked mask, so none of them is interrupted.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    Logger logger(std::cerr, commandLine.logLevel);
    try {
        Service service({commandLine.databasePath}, logger);
        if (commandLine.demo) {
            auto connection = service.pool().Acquire();
            SeedDemo(*connection, logger);
        }
        if (!IsLoopback(commandLine.server.host)) {
            logger.Write(LogLevel::Warning,
                         "listening beyond the loopback interface: requests are trusted by their "
                         "LogUser_ID and travel unencrypted");
        }
        HttpServer server(service, logger, commandLine.server);
        const int port = server.Start();
        std::cout << "lumar-service listening on http://" << commandLine.server.host << ":" << port
                  << "/ (database " << commandLine.databasePath << ")" << std::endl;
        logger.Write(LogLevel::Info,
                     "listening on " + commandLine.server.host + ":" + std::to_string(port));
        int received = 0;
        sigwait(&signals, &received);
        logger.Write(LogLevel::Info,
                     std::string("stopping on ") + (received == SIGINT ? "SIGINT" : "SIGTERM"));
        server.Stop();
        logger.Write(LogLevel::Info, "stopped");
        return 0;
    } catch (const std::exception& error) {
        logger.Write(LogLevel::Error, error.what());
        return 1;
    }
}

}  // namespace lumar::service_app
