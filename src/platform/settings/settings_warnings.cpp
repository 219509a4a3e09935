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
                   "; the line is ignored and kept as it stands: " + damage.line;
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
