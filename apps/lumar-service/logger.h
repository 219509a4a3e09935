#pragma once

// The service's log: one line per event, UTC time stamp, level, text. Lines
// from concurrent requests never interleave. Texts from clients are
// Windows-1252 bytes; they are written as UTF-8 with control characters
// escaped, so a client cannot forge log lines.

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace lumar::service_app {

enum class LogLevel { Debug = 0, Info = 1, Warning = 2, Error = 3 };

// "debug", "info", "warning" ("warn"), "error"; nullopt for anything else.
std::optional<LogLevel> ParseLogLevel(std::string_view text);
std::string_view LogLevelName(LogLevel level);

class Logger {
public:
    explicit Logger(std::ostream& out, LogLevel threshold = LogLevel::Info);

    void Write(LogLevel level, std::string_view text);

    // The line of one answered request.
    struct RequestLine {
        std::string_view method;  // operation, "wsdl", or the HTTP method and path
        std::int32_t user = 0;    // LogUser_ID / User_ID when the request named one
        std::string_view remote;
        std::chrono::microseconds duration{};
        int errorCode = 0;  // 0 success, else the answer's ErrorCode or HTTP status
        int httpStatus = 200;
    };
    void Request(const RequestLine& line);

    [[nodiscard]] bool Enabled(LogLevel level) const { return level >= threshold_; }

    // Client text made safe for one log line (UTF-8, controls escaped).
    static std::string Printable(std::string_view cp1252, std::size_t maxBytes = 2000);

private:
    std::ostream& out_;
    LogLevel threshold_;
    std::mutex mutex_;
};

}  // namespace lumar::service_app
