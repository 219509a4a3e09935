#pragma once

// How the command line answers what the system asks: alert notes and
// message boxes go to standard error; questions are answered from the
// flags (--answer TEXT for the next question, --yes for the first button of
// every other one, else the last button: Cancel or No); the file and folder
// choosers get the paths a command queued for them (none: Cancel).

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/responder.h"
#include "ui/message_box.h"

namespace lumar::cli {

class FlagAnswers : public host::Responder, public MessageBoxes {
public:
    FlagAnswers(bool yes, std::vector<std::string> answers);

    // The path the next chooser (open, save or folder) returns.
    void QueueChoice(std::string path);

    // host::Responder
    void note(const std::string& message) override;
    int answer(const host::Question& question) override;
    std::optional<std::string> chooseFolder(const host::FolderChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const host::FileChoice& choice) override;
    std::optional<std::string> chooseSaveFile(const host::FileChoice& choice) override;

    // MessageBoxes
    MessageAnswer show(const MessageBoxRequest& request) override;

    // Every message shown so far (Windows-1252), notes and questions alike.
    [[nodiscard]] const std::vector<std::string>& Shown() const { return shown_; }

private:
    // The index of the chosen button among `buttons`.
    std::size_t Choose(const std::string& message, const std::vector<std::string>& buttons);
    std::optional<std::string> NextChoice(const char* what);

    bool yes_;
    std::deque<std::string> answers_;
    std::deque<std::string> choices_;
    std::vector<std::string> shown_;
};

}  // namespace lumar::cli
