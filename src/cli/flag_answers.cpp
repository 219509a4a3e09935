#include "cli/flag_answers.h"

#include "cli/exit_codes.h"
#include "cli/terminal_output.h"
#include "platform/text/cp1252.h"

namespace lumar::cli {

namespace {

// A button's text as typed on the command line: without the '&' that marks
// its access key, compared without regard to case.
bool SameButton(const std::string& button, const std::string& typed) {
    std::string plain;
    for (char c : button) {
        if (c != '&') {
            plain += c;
        }
    }
    return text::equalsIgnoreCase(plain, text::fromUtf8(typed));
}

std::string ButtonList(const std::vector<std::string>& buttons) {
    std::string list;
    for (const std::string& button : buttons) {
        list += (list.empty() ? "" : ", ") + text::toUtf8(button);
    }
    return list;
}

std::vector<std::string> ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return {"OK"};
    case MessageButtons::OkCancel:
        return {"OK", "Cancel"};
    case MessageButtons::YesNo:
        return {"Yes", "No"};
    case MessageButtons::YesNoCancel:
        return {"Yes", "No", "Cancel"};
    }
    return {"OK"};
}

MessageAnswer AnswerOf(const std::string& button) {
    if (button == "Cancel") {
        return MessageAnswer::Cancel;
    }
    if (button == "Yes") {
        return MessageAnswer::Yes;
    }
    if (button == "No") {
        return MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

}  // namespace

FlagAnswers::FlagAnswers(bool yes, std::vector<std::string> answers)
    : yes_(yes), answers_(answers.begin(), answers.end()) {}

void FlagAnswers::QueueChoice(std::string path) {
    choices_.push_back(std::move(path));
}

void FlagAnswers::note(const std::string& message) {
    shown_.push_back(message);
    PrintMessage(message);
}

std::size_t FlagAnswers::Choose(const std::string& message,
                                const std::vector<std::string>& buttons) {
    shown_.push_back(message);
    PrintMessage(message);
    if (buttons.size() <= 1) {
        return 0;
    }
    std::size_t chosen = buttons.size() - 1;
    if (!answers_.empty()) {
        const std::string typed = answers_.front();
        answers_.pop_front();
        bool found = false;
        for (std::size_t i = 0; i < buttons.size() && !found; ++i) {
            if (SameButton(buttons[i], typed)) {
                chosen = i;
                found = true;
            }
        }
        if (!found) {
            throw CommandExit(kExitUsage, "lumar: --answer " + typed +
                                              ": the question has no such button (it has " +
                                              ButtonList(buttons) + ")");
        }
    } else if (yes_) {
        chosen = 0;
    }
    PrintRemark("-> " + text::toUtf8(buttons[chosen]));
    return chosen;
}

int FlagAnswers::answer(const host::Question& question) {
    const std::vector<std::string> buttons =
        question.buttons.empty() ? std::vector<std::string>{"OK"} : question.buttons;
    return static_cast<int>(Choose(question.message, buttons)) + 1;
}

MessageAnswer FlagAnswers::show(const MessageBoxRequest& request) {
    const std::vector<std::string> buttons = ButtonsOf(request.buttons);
    return AnswerOf(buttons[Choose(request.text, buttons)]);
}

std::optional<std::string> FlagAnswers::NextChoice(const char* what) {
    if (choices_.empty()) {
        PrintRemark(std::string("lumar: nothing given for the ") + what + "; cancelled");
        return std::nullopt;
    }
    std::string path = choices_.front();
    choices_.pop_front();
    return path;
}

std::optional<std::string> FlagAnswers::chooseFolder(const host::FolderChoice&) {
    return NextChoice("folder chooser");
}

std::optional<std::string> FlagAnswers::chooseOpenFile(const host::FileChoice&) {
    return NextChoice("file chooser");
}

std::optional<std::string> FlagAnswers::chooseSaveFile(const host::FileChoice&) {
    return NextChoice("file chooser");
}

}  // namespace lumar::cli
