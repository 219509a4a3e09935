#include "config/alert_note.h"

#include <iostream>

#include "platform/text/cp1252.h"

namespace lumar {

namespace {
AlertNotes* installedNotes = nullptr;
}  // namespace

AlertNotes* SetAlertNotes(AlertNotes* notes) {
    AlertNotes* replaced = installedNotes;
    installedNotes = notes;
    return replaced;
}

void ShowAlertNote(const std::string& message) {
    if (installedNotes != nullptr) {
        installedNotes->alertNote(message);
    } else {
        std::cerr << text::toUtf8(message) << '\n';
    }
}

}  // namespace lumar
