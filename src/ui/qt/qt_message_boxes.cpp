#include "ui/qt/qt_message_boxes.h"

#include <QMessageBox>
#include <vector>

#include "platform/text/qt/qt_text.h"
#include "ui/qt/widget_handle.h"

namespace lumar::ui {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct Choice {
    QMessageBox::StandardButton button;
    MessageAnswer answer;
};

std::vector<Choice> choicesOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return {{QMessageBox::Ok, MessageAnswer::Ok}, {QMessageBox::Cancel, MessageAnswer::Cancel}};
    case MessageButtons::YesNo:
        return {{QMessageBox::Yes, MessageAnswer::Yes}, {QMessageBox::No, MessageAnswer::No}};
    case MessageButtons::YesNoCancel:
        return {{QMessageBox::Yes, MessageAnswer::Yes},
                {QMessageBox::No, MessageAnswer::No},
                {QMessageBox::Cancel, MessageAnswer::Cancel}};
    case MessageButtons::Ok:
        break;
    }
    return {{QMessageBox::Ok, MessageAnswer::Ok}};
}

}  // namespace

MessageAnswer QtMessageBoxes::show(const MessageBoxRequest& request) {
    const std::vector<Choice> choices = choicesOf(request.buttons);
    const auto defaultIndex = static_cast<std::size_t>(request.defaultButton);
    const Choice& byDefault = choices[defaultIndex < choices.size() ? defaultIndex : 0];
    if (!haveWidgets()) {
        return withoutWidgets_ != nullptr ? withoutWidgets_->show(request) : byDefault.answer;
    }
    // The system's texts break lines with CR LF.
    const QString text = text::toQString(request.text).replace("\r\n", "\n");
    QMessageBox box(iconOf(request.icon), text::toQString(request.title), text,
                    QMessageBox::NoButton, ownerWidget(nullptr));
    box.setObjectName("MessageBox");
    for (const Choice& choice : choices) {
        box.addButton(choice.button);
    }
    box.setDefaultButton(byDefault.button);
    // Escape answers Cancel, or No when there is no Cancel (as Yes/No boxes
    // with a close button do); a lone OK answers OK.
    box.setEscapeButton(choices.back().button);
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Choice& choice : choices) {
        if (choice.button == clicked) {
            return choice.answer;
        }
    }
    return choices.back().answer;
}

}  // namespace lumar::ui
