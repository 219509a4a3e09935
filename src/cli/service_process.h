#pragma once

// The reference service started as a child process for the demo: the
// lumar-service program beside this one (or $LUMAR_SERVICE_PROGRAM), on a
// loopback port, its log written to a file.

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace lumar::cli {

class ServiceProcess {
public:
    struct Options {
        std::filesystem::path database;
        std::filesystem::path log;
        int port = 0;  // 0: a free port
        bool demo = true;
    };

    // Starts the program and waits for the line that says where it listens.
    // Throws CommandExit (exit 1) when it cannot be started.
    explicit ServiceProcess(const Options& options);
    // Stops the service unless it was released.
    ~ServiceProcess();
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;

    [[nodiscard]] int Port() const { return port_; }
    [[nodiscard]] pid_t Pid() const { return pid_; }
    // "http://127.0.0.1:<port>/WS/Lumar/2007/02/"
    [[nodiscard]] std::string Uri() const;

    // Stops it: SIGTERM, then waits for it to finish.
    void Stop();
    // Leaves it running after this program ends.
    void Release() { pid_ = 0; }

    // The program's path.
    static std::filesystem::path Program();

private:
    pid_t pid_ = 0;
    int port_ = 0;
};

}  // namespace lumar::cli
