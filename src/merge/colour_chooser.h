#pragma once

// How the merge data editor and the document annotations dialog ask for a
// colour. The view layer installs a chooser that shows CColourDlg modally;
// without one the dialog is shown through DoModal (cancelled when nothing can
// show it). Tests install a chooser that answers from a script.
//
//   std::optional<std::string> colour = ChooseColour("[[#NOCOLOUR#]]", window);
//   if (colour) ...   // the name, or empty for no colour

#include <optional>
#include <string>
#include <string_view>

namespace lumar {

class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    // `current` as CColourDlg takes it. None when the user cancelled;
    // otherwise the colour's name, or empty for no colour.
    virtual std::optional<std::string> chooseColour(std::string_view current, void* parent) = 0;
};

// Installs the process's chooser (not owned) and returns the one replaced.
ColourChooser* SetColourChooser(ColourChooser* chooser);

std::optional<std::string> ChooseColour(std::string_view current, void* parent);

}  // namespace lumar
