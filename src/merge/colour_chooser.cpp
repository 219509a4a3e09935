#include "merge/colour_chooser.h"

#include "merge/colour_dlg.h"
#include "ui/modal_dialog.h"

namespace lumar {

namespace {

ColourChooser*& InstalledChooser() {
    static ColourChooser* chooser = nullptr;
    return chooser;
}

}  // namespace

ColourChooser* SetColourChooser(ColourChooser* chooser) {
    ColourChooser* previous = InstalledChooser();
    InstalledChooser() = chooser;
    return previous;
}

std::optional<std::string> ChooseColour(std::string_view current, void* parent) {
    if (ColourChooser* chooser = InstalledChooser()) {
        return chooser->chooseColour(current, parent);
    }
    CColourDlg dialog(current);
    if (DoModal(dialog, parent) != kIdOk) {
        return std::nullopt;
    }
    return dialog.Result();
}

}  // namespace lumar
