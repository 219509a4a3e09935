#include "config/alert_note.h"

#include <iostream>

#include "platform/text/cp1252.h"

namespace lumar {

namespace {
AlertNotes* installedNotes = nullptr;
}  // namespace

void SetAlertNotes(AlertNotes* notes) {
    installedNotes = notes;
}

void ShowAlertNote(const std::string& message) {
    if (installedNotes != nullptr) {
        installedNotes->alertNote(message);
    } else {
        std::cerr << text::toUtf8(message) << '\n';
    }
}

}  // namespace lumar
