#pragma once

// The plug-in's message boxes as Qt message boxes.

#include "ui/message_box.h"

namespace lumar::ui {

class QtMessageBoxes : public MessageBoxes {
public:
    // Without a QApplication in the process (a host that is no Qt program),
    // boxes go to `withoutWidgets` (not owned), or get their default answer
    // when there is none.
    explicit QtMessageBoxes(MessageBoxes* withoutWidgets = nullptr)
        : withoutWidgets_(withoutWidgets) {}

    // Boxes are owned by the dialog open, else the active window.
    MessageAnswer show(const MessageBoxRequest& request) override;

private:
    MessageBoxes* withoutWidgets_;
};

}  // namespace lumar::ui
