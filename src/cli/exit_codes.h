#pragma once

// The command line's exit codes and the failures that end a command.

#include <stdexcept>

namespace lumar::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;       // the command failed; its messages were printed
inline constexpr int kExitUsage = 2;        // the command line was wrong
inline constexpr int kExitLogonFailed = 3;  // log-on failed or the service could not be reached

// Ends the command with an exit code; the text (when any) goes to standard
// error first.
class CommandExit : public std::runtime_error {
public:
    CommandExit(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    [[nodiscard]] int code() const { return code_; }

private:
    int code_;
};

}  // namespace lumar::cli
