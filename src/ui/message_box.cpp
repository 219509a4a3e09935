#include "ui/message_box.h"

#include <iostream>

#include "platform/text/cp1252.h"

namespace lumar {

namespace {

MessageBoxes* installedBoxes = nullptr;

MessageAnswer DefaultAnswer(const MessageBoxRequest& request) {
    static constexpr MessageAnswer kOk[] = {MessageAnswer::Ok};
    static constexpr MessageAnswer kOkCancel[] = {MessageAnswer::Ok, MessageAnswer::Cancel};
    static constexpr MessageAnswer kYesNo[] = {MessageAnswer::Yes, MessageAnswer::No};
    static constexpr MessageAnswer kYesNoCancel[] = {MessageAnswer::Yes, MessageAnswer::No,
                                                     MessageAnswer::Cancel};
    const auto pick = [&request](const auto& answers) {
        const auto count = static_cast<int>(std::size(answers));
        const int index =
            request.defaultButton >= 0 && request.defaultButton < count ? request.defaultButton : 0;
        return answers[index];
    };
    switch (request.buttons) {
    case MessageButtons::OkCancel:
        return pick(kOkCancel);
    case MessageButtons::YesNo:
        return pick(kYesNo);
    case MessageButtons::YesNoCancel:
        return pick(kYesNoCancel);
    case MessageButtons::Ok:
        break;
    }
    return pick(kOk);
}

}  // namespace

MessageBoxes* SetMessageBoxes(MessageBoxes* boxes) {
    MessageBoxes* previous = installedBoxes;
    installedBoxes = boxes;
    return previous;
}

MessageAnswer ShowMessageBox(const MessageBoxRequest& request) {
    if (installedBoxes != nullptr) {
        return installedBoxes->show(request);
    }
    std::cerr << text::toUtf8(request.title) << ": " << text::toUtf8(request.text) << '\n';
    return DefaultAnswer(request);
}

void ShowMessageBox(const std::string& title, const std::string& text, MessageIcon icon) {
    ShowMessageBox(MessageBoxRequest{title, text, icon, MessageButtons::Ok, 0});
}

}  // namespace lumar
