#include "plugin/host_message_boxes.h"

#include <vector>

#include "platform/host/roles.h"

namespace lumar {

namespace {

struct Button {
    const char* title;
    MessageAnswer answer;
};

std::vector<Button> ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return {{"OK", MessageAnswer::Ok}, {"Cancel", MessageAnswer::Cancel}};
    case MessageButtons::YesNo:
        return {{"Yes", MessageAnswer::Yes}, {"No", MessageAnswer::No}};
    case MessageButtons::YesNoCancel:
        return {{"Yes", MessageAnswer::Yes},
                {"No", MessageAnswer::No},
                {"Cancel", MessageAnswer::Cancel}};
    case MessageButtons::Ok:
        break;
    }
    return {{"OK", MessageAnswer::Ok}};
}

host::AlertIcon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return host::AlertIcon::Error;
    case MessageIcon::Warning:
        return host::AlertIcon::Warning;
    case MessageIcon::Question:
        return host::AlertIcon::Question;
    case MessageIcon::Information:
    case MessageIcon::None:
        break;
    }
    return host::AlertIcon::Status;
}

}  // namespace

MessageAnswer HostMessageBoxes::show(const MessageBoxRequest& request) {
    const std::vector<Button> buttons = ButtonsOf(request.buttons);
    const auto defaultIndex = static_cast<std::size_t>(request.defaultButton);
    const MessageAnswer byDefault =
        buttons[defaultIndex < buttons.size() ? defaultIndex : 0].answer;
    const std::string message =
        request.title.empty() ? request.text : request.title + "\r\n" + request.text;
    const auto title = [&buttons](std::size_t index) {
        return index < buttons.size() ? buttons[index].title : nullptr;
    };
    try {
        const int chosen =
            host::alertWithButtons(IconOf(request.icon), message, title(0), title(1), title(2));
        if (chosen >= 1 && static_cast<std::size_t>(chosen) <= buttons.size()) {
            return buttons[static_cast<std::size_t>(chosen) - 1].answer;
        }
    } catch (const host::HostError&) {
        // The host could not ask; nobody chose anything.
    }
    return byDefault;
}

}  // namespace lumar
