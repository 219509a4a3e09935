#pragma once

// The host's messages on the desktop: the alert note and the alert with up
// to three buttons, as Qt message boxes over the main window.

#include "platform/host/messages.h"

class QWidget;

namespace lumar::desk {

// The application's name in the title of its message boxes.
inline constexpr const char* kApplicationTitle = "Lumar Desk";

void showAlertNote(QWidget* parent, const std::string& message);

// The number (1 to 3) of the button chosen. Escape and closing the box
// choose the last button.
int showAlert(QWidget* parent, const host::Question& question);

}  // namespace lumar::desk
