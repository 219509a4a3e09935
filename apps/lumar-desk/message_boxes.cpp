#include "message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "platform/text/qt/qt_text.h"

namespace lumar::desk {

namespace {

QMessageBox::Icon iconOf(host::AlertIcon icon) {
    switch (icon) {
    case host::AlertIcon::Error:
        return QMessageBox::Critical;
    case host::AlertIcon::Warning:
        return QMessageBox::Warning;
    case host::AlertIcon::Question:
        return QMessageBox::Question;
    case host::AlertIcon::Status:
        break;
    }
    return QMessageBox::Information;
}

}  // namespace

void showAlertNote(QWidget* parent, const std::string& message) {
    QMessageBox box(QMessageBox::Warning, kApplicationTitle, text::toQString(message),
                    QMessageBox::Ok, parent);
    box.setObjectName("AlertNote");
    box.exec();
}

int showAlert(QWidget* parent, const host::Question& question) {
    QMessageBox box(iconOf(question.icon), kApplicationTitle, text::toQString(question.message),
                    QMessageBox::NoButton, parent);
    box.setObjectName("Alert");
    std::vector<QPushButton*> buttons;
    for (const std::string& title : question.buttons) {
        if (buttons.size() == 3) {
            break;
        }
        buttons.push_back(box.addButton(text::toQString(title), QMessageBox::ActionRole));
    }
    if (buttons.empty()) {
        buttons.push_back(box.addButton(QMessageBox::Ok));
    }
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.back());
    if (question.beep) {
        QApplication::beep();
    }
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return static_cast<int>(buttons.size());
}

}  // namespace lumar::desk
