#pragma once

// The headless host's document progress monitor: keeps its current value and
// records every call, so that tests and the command line can see what a long
// operation reported.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/progress_monitor.h"

namespace lumar::host {

class RecordingProgress {
public:
    enum class Call { Begin, End, SetDuration, SetValue, SetText };
    struct Event {
        Call call;
        std::int32_t value = 0;  // duration or value
        std::string text;        // for SetText
        friend bool operator==(const Event&, const Event&) = default;
    };

    RecordingProgress();

    // The record to hand out, with this object as its client data.
    [[nodiscard]] const ProgressMonitor& monitor() const { return monitor_; }
    void* clientData() { return this; }

    [[nodiscard]] const std::vector<Event>& events() const { return events_; }
    void clear() { events_.clear(); }

    [[nodiscard]] std::int32_t value() const { return value_; }
    [[nodiscard]] std::int32_t duration() const { return duration_; }
    [[nodiscard]] bool running() const { return running_; }
    [[nodiscard]] const std::string& text() const { return text_; }

private:
    static RecordingProgress& self(void* clientData);

    ProgressMonitor monitor_;
    std::vector<Event> events_;
    std::int32_t value_ = 0;
    std::int32_t duration_ = 0;
    bool running_ = false;
    std::string text_;
};

}  // namespace lumar::host
