#include "platform/host/recording_progress.h"

#include "platform/host/text_object.h"

namespace lumar::host {

RecordingProgress::RecordingProgress() {
    monitor_.beginOperation = [](void* data) {
        RecordingProgress& progress = self(data);
        progress.running_ = true;
        progress.events_.push_back({Call::Begin, 0, {}});
    };
    monitor_.endOperation = [](void* data) {
        RecordingProgress& progress = self(data);
        progress.running_ = false;
        progress.events_.push_back({Call::End, 0, {}});
    };
    monitor_.setDuration = [](std::int32_t duration, void* data) {
        RecordingProgress& progress = self(data);
        progress.duration_ = duration;
        progress.events_.push_back({Call::SetDuration, duration, {}});
    };
    monitor_.setCurrentValue = [](std::int32_t value, void* data) {
        RecordingProgress& progress = self(data);
        progress.value_ = value;
        progress.events_.push_back({Call::SetValue, value, {}});
    };
    monitor_.currentValue = [](void* data) { return self(data).value_; };
    monitor_.setText = [](const TextObject* text, void* data) {
        RecordingProgress& progress = self(data);
        progress.text_ = text != nullptr ? text->text() : std::string();
        progress.events_.push_back({Call::SetText, 0, progress.text_});
    };
}

RecordingProgress& RecordingProgress::self(void* clientData) {
    return *static_cast<RecordingProgress*>(clientData);
}

}  // namespace lumar::host
