#include "platform/host/responder.h"

namespace lumar::host {

namespace {

ScriptedResponder::Message messageOf(ScriptedResponder::Kind kind, const std::string& text) {
    ScriptedResponder::Message message;
    message.kind = kind;
    message.text = text;
    return message;
}

}  // namespace

void ScriptedResponder::answerNext(int button) {
    answers_.push_back(button);
}

void ScriptedResponder::chooseNext(std::optional<std::string> path) {
    choices_.push_back(std::move(path));
}

std::vector<std::string> ScriptedResponder::notes() const {
    std::vector<std::string> texts;
    for (const Message& message : messages_) {
        if (message.kind == Kind::Note) {
            texts.push_back(message.text);
        }
    }
    return texts;
}

void ScriptedResponder::note(const std::string& message) {
    messages_.push_back(messageOf(Kind::Note, message));
}

int ScriptedResponder::answer(const Question& question) {
    Message message = messageOf(Kind::Question, question.message);
    message.icon = question.icon;
    message.buttons = question.buttons;
    if (answers_.empty()) {
        messages_.push_back(message);
        throw UnscriptedQuestion("No answer scripted for \"" + question.message + "\"");
    }
    message.answer = answers_.front();
    answers_.pop_front();
    const int buttons = question.buttons.empty() ? 1 : static_cast<int>(question.buttons.size());
    messages_.push_back(message);
    if (message.answer < 1 || message.answer > buttons) {
        throw UnscriptedQuestion("Scripted answer " + std::to_string(message.answer) +
                                 " is not a button of \"" + question.message + "\"");
    }
    return message.answer;
}

std::optional<std::string> ScriptedResponder::chooseFolder(const FolderChoice& choice) {
    Message message = messageOf(Kind::FolderChooser, choice.initialFolder);
    message.folder = choice;
    return choose(std::move(message));
}

std::optional<std::string> ScriptedResponder::chooseOpenFile(const FileChoice& choice) {
    Message message = messageOf(Kind::OpenChooser, choice.initialPath);
    message.file = choice;
    return choose(std::move(message));
}

std::optional<std::string> ScriptedResponder::chooseSaveFile(const FileChoice& choice) {
    Message message = messageOf(Kind::SaveChooser, choice.initialPath);
    message.file = choice;
    return choose(std::move(message));
}

std::optional<std::string> ScriptedResponder::choose(Message message) {
    if (choices_.empty()) {
        const std::string start = message.text;
        messages_.push_back(std::move(message));
        throw UnscriptedQuestion("No choice scripted for the chooser starting at \"" + start +
                                 "\"");
    }
    message.chosen = choices_.front();
    choices_.pop_front();
    messages_.push_back(message);
    return message.chosen;
}

}  // namespace lumar::host
