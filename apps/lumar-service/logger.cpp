#include "lumar-service/logger.h"

#include <cstdio>
#include <ctime>
#include <ostream>

#include "platform/text/cp1252.h"

namespace lumar::service_app {

std::optional<LogLevel> ParseLogLevel(std::string_view text) {
    if (text == "debug") {
        return LogLevel::Debug;
    }
    if (text == "info") {
        return LogLevel::Info;
    }
    if (text == "warning" || text == "warn") {
        return LogLevel::Warning;
    }
    if (text == "error") {
        return LogLevel::Error;
    }
    return std::nullopt;
}

std::string_view LogLevelName(LogLevel level) {
    switch (level) {
    case LogLevel::Debug:
        return "DEBUG";
    case LogLevel::Info:
        return "INFO";
    case LogLevel::Warning:
        return "WARNING";
    case LogLevel::Error:
        return "ERROR";
    }
    return "INFO";
}

Logger::Logger(std::ostream& out, LogLevel threshold) : out_(out), threshold_(threshold) {}

namespace {

std::string TimeStamp() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char buffer[40];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S", &utc);
    char full[48];
    std::snprintf(full, sizeof full, "%s.%03dZ", buffer, static_cast<int>(millis));
    return full;
}

}  // namespace

std::string Logger::Printable(std::string_view cp1252, std::size_t maxBytes) {
    std::string escaped;
    const bool cut = cp1252.size() > maxBytes;
    for (char c : cp1252.substr(0, maxBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            escaped += hex;
        } else if (c == '\\') {
            escaped += "\\\\";
        } else {
            escaped.push_back(c);
        }
    }
    std::string out = text::toUtf8(escaped);
    if (cut) {
        out += "...";
    }
    return out;
}

void Logger::Write(LogLevel level, std::string_view text) {
    if (!Enabled(level)) {
        return;
    }
    const std::string line =
        TimeStamp() + " " + std::string(LogLevelName(level)) + " " + std::string(text) + "\n";
    std::lock_guard lock(mutex_);
    out_ << line << std::flush;
}

void Logger::Request(const RequestLine& line) {
    const LogLevel level =
        line.httpStatus >= 500 || line.errorCode == 1 ? LogLevel::Warning : LogLevel::Info;
    if (!Enabled(level)) {
        return;
    }
    char duration[32];
    std::snprintf(duration, sizeof duration, "%.1fms",
                  static_cast<double>(line.duration.count()) / 1000.0);
    std::string text =
        "request " + Printable(line.method, 200) + " user=" + std::to_string(line.user) +
        " remote=" + std::string(line.remote) + " duration=" + duration +
        " http=" + std::to_string(line.httpStatus) + " error=" + std::to_string(line.errorCode);
    Write(level, text);
}

}  // namespace lumar::service_app
