#include "cli/service_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "cli/exit_codes.h"

namespace lumar::cli {

namespace {

std::filesystem::path OwnFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path(".") : self.parent_path();
}

}  // namespace

std::filesystem::path ServiceProcess::Program() {
    if (const char* program = std::getenv("LUMAR_SERVICE_PROGRAM")) {
        return program;
    }
    const std::filesystem::path own = OwnFolder();
    for (const std::filesystem::path& candidate :
         {own / "lumar-service", own / ".." / "lumar-service" / "lumar-service"}) {
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate.lexically_normal();
        }
    }
    return "lumar-service";  // from the PATH
}

ServiceProcess::ServiceProcess(const Options& options) {
    const std::filesystem::path program = Program();
    std::vector<std::string> arguments = {program.string(), "--db", options.database.string(),
                                          "--listen", "127.0.0.1:" + std::to_string(options.port)};
    if (options.demo) {
        arguments.emplace_back("--demo");
    }
    // Both of its outputs go to the log, so that it can keep running when
    // this program has ended; the line saying where it listens is read there.
    // It stays in this program's process group: an interrupt stops both.
    const int log = ::open(options.log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (log < 0) {
        throw CommandExit(kExitFailed, "lumar: cannot write " + options.log.string());
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(log, STDOUT_FILENO);
        ::dup2(log, STDERR_FILENO);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        std::fprintf(stderr, "cannot run %s\n", argv[0]);
        ::_exit(127);
    }
    ::close(log);
    if (pid_ < 0) {
        pid_ = 0;
        throw CommandExit(kExitFailed, "lumar: cannot start lumar-service");
    }
    // "lumar-service listening on http://127.0.0.1:PORT/ ..."
    for (int wait = 0; wait < 300 && port_ == 0; ++wait) {
        std::ifstream in(options.log);
        std::string line;
        while (std::getline(in, line) && port_ == 0) {
            const auto at = line.find("listening on http://127.0.0.1:");
            if (at != std::string::npos) {
                port_ = std::atoi(line.c_str() + at + 30);
            }
        }
        int status = 0;
        if (port_ == 0 && ::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = 0;
            break;
        }
        if (port_ == 0) {
            ::usleep(50 * 1000);
        }
    }
    if (port_ <= 0) {
        Stop();
        throw CommandExit(kExitFailed, "lumar: lumar-service (" + program.string() +
                                           ") did not start; see " + options.log.string());
    }
}

ServiceProcess::~ServiceProcess() {
    Stop();
}

std::string ServiceProcess::Uri() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/WS/Lumar/2007/02/";
}

void ServiceProcess::Stop() {
    if (pid_ <= 0) {
        return;
    }
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = 0;
}

}  // namespace lumar::cli
