#pragma once

// The command line of lumar-service and the run it starts:
//   lumar-service [--db FILE] [--listen HOST:PORT] [--demo] [--log-level L]
// The run opens the database, seeds the demo data when asked, serves until
// SIGINT or SIGTERM, then stops accepting, finishes the requests in progress
// and exits 0.

#include <optional>
#include <string>
#include <string_view>

#include "lumar-service/http_server.h"
#include "lumar-service/logger.h"

namespace lumar::service_app {

struct ServiceCommandLine {
    std::string databasePath = "lumar-service.db";
    ServerOptions server;
    bool demo = false;
    LogLevel logLevel = LogLevel::Info;
};

// "127.0.0.1:8087", "[::1]:8087", "localhost:0". False for anything else.
bool ParseListenAddress(std::string_view text, std::string& host, int& port);

// Parses the arguments. On --help or an error it prints to stdout/stderr
// and returns the exit code to end with; otherwise nullopt.
std::optional<int> ParseCommandLine(int argc, char** argv, ServiceCommandLine& commandLine);

// Serves until SIGINT or SIGTERM. Returns the process exit code.
int RunService(const ServiceCommandLine& commandLine);

}  // namespace lumar::service_app
