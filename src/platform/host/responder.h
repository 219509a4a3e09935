#pragma once

// Who answers the headless host's messages: tests script a ScriptedResponder,
// the command line answers from its flags.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/host/messages.h"

namespace lumar::host {

class Responder {
public:
    virtual ~Responder() = default;

    virtual void note(const std::string& message) = 0;
    // The number (1 to the number of buttons) of the button chosen.
    virtual int answer(const Question& question) = 0;
    virtual std::optional<std::string> chooseFolder(const FolderChoice& choice) = 0;
    virtual std::optional<std::string> chooseOpenFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> chooseSaveFile(const FileChoice& choice) = 0;
};

// Raised when something is asked that the script did not foresee: a test
// must say how every question is answered.
class UnscriptedQuestion : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Answers from a script, in order, and records every message it was shown.
class ScriptedResponder : public Responder {
public:
    enum class Kind { Note, Question, FolderChooser, OpenChooser, SaveChooser };
    struct Message {
        Kind kind = Kind::Note;
        std::string text;  // the note or question; the start path of a chooser
        AlertIcon icon = AlertIcon::Status;
        std::vector<std::string> buttons;
        int answer = 0;                     // for questions
        std::optional<std::string> chosen;  // for choosers
        FolderChoice folder;                // what a folder chooser was given
        FileChoice file;                    // what a file chooser was given
    };

    // Script: the button the next question is answered with, and the path
    // (or none, for Cancel) the next chooser returns.
    void answerNext(int button);
    void chooseNext(std::optional<std::string> path);

    [[nodiscard]] const std::vector<Message>& messages() const { return messages_; }
    // The texts of the alert notes, in order.
    [[nodiscard]] std::vector<std::string> notes() const;
    // Answers scripted but not yet asked for.
    [[nodiscard]] std::size_t pendingAnswers() const { return answers_.size() + choices_.size(); }
    void clearMessages() { messages_.clear(); }

    void note(const std::string& message) override;
    int answer(const Question& question) override;
    std::optional<std::string> chooseFolder(const FolderChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> chooseSaveFile(const FileChoice& choice) override;

private:
    std::optional<std::string> choose(Message message);

    std::deque<int> answers_;
    std::deque<std::optional<std::string>> choices_;
    std::vector<Message> messages_;
};

}  // namespace lumar::host
