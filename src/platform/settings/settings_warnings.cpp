#include "platform/settings/settings_warnings.h"

#include <iostream>
#include <mutex>
#include <set>
#include <utility>

namespace lumar::settings {

namespace {

struct WarningState {
    std::mutex mutex;
    WarningHandler handler;
    std::set<std::pair<std::string, std::string>> reported;  // file, line text
};

WarningState& state() {
    static WarningState s;
    return s;
}

// The most of a damaged line a warning shows.
constexpr std::size_t kShownLineBytes = 200;

// A line of the file as it can be shown on a terminal: control bytes as
// \xNN, cut after kShownLineBytes bytes.
std::string shownLine(const std::string& line) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (std::size_t i = 0; i < line.size() && i < kShownLineBytes; ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4U];
            shown += kHex[byte & 0x0FU];
        } else {
            shown += line[i];
        }
    }
    if (line.size() > kShownLineBytes) {
        shown += "... (" + std::to_string(line.size()) + " bytes)";
    }
    return shown;
}

}  // namespace

void setWarningHandler(WarningHandler handler) {
    WarningState& s = state();
    const std::lock_guard lock(s.mutex);
    s.handler = std::move(handler);
    s.reported.clear();
}

void warnAboutDamage(const std::string& file, const LineDamage& damage) {
    std::string message = "lumar: settings file " + file;
    if (damage.lineNumber > 0) {
        message += ", line " + std::to_string(damage.lineNumber) + ": " + damage.reason +
                   "; the line is ignored and kept as it stands: " + shownLine(damage.line);
    } else {
        message += ": " + damage.reason;
    }
    WarningState& s = state();
    const std::lock_guard lock(s.mutex);
    const std::string key = damage.lineNumber > 0 ? damage.line : damage.reason;
    if (!s.reported.emplace(file, key).second) {
        return;
    }
    if (s.handler) {
        s.handler(message);
    } else {
        std::cerr << message << '\n';
    }
}

}  // namespace lumar::settings
