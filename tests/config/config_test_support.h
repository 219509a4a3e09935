#pragma once

// Helpers for the configuration tests: files in the temporary folder, the
// current folder changed for one test, alert notes recorded.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/alert_note.h"

namespace lumar::testing {

inline void makeFile(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

class AlertRecorder : public AlertNotes {
public:
    AlertRecorder() { SetAlertNotes(this); }
    AlertRecorder(const AlertRecorder&) = delete;
    AlertRecorder& operator=(const AlertRecorder&) = delete;
    ~AlertRecorder() override { SetAlertNotes(nullptr); }

    void alertNote(const std::string& message) override { messages.push_back(message); }

    std::vector<std::string> messages;
};

}  // namespace lumar::testing
