#pragma once

// The plug-in's message boxes as Qt message boxes.

#include "ui/message_box.h"

namespace lumar::ui {

class QtMessageBoxes : public MessageBoxes {
public:
    // Boxes are owned by the dialog open, else the active window. Without a
    // QApplication every box gets its default answer.
    MessageAnswer show(const MessageBoxRequest& request) override;
};

}  // namespace lumar::ui
