#pragma once

// The colour choice of the search dialog's "Colour..." button, and the colour
// it remembers between searches.
//
// The choice goes through a seam: the desktop installs the colour dialog,
// the command line and tests install their own answer. Without a chooser
// nothing can be chosen (the choice counts as cancelled).

#include <functional>
#include <optional>
#include <string>

namespace lumar {

struct SearchColourChoice {
    // The colour shown as current: a name, or "[[#NOCOLOUR#]]" for none.
    std::string current;
    // The title of the no-colour row.
    std::string noColourTitle;
    // The platform window of the asking dialog.
    void* parent = nullptr;
};

// Returns the chosen colour name, an empty text for the no-colour row, or
// none when the user cancelled.
using SearchColourChooser = std::function<std::optional<std::string>(const SearchColourChoice&)>;

// Installs the chooser and returns the one it replaces.
SearchColourChooser SetSearchColourChooser(SearchColourChooser chooser);

std::optional<std::string> ChooseSearchColour(const SearchColourChoice& choice);

// The colour last chosen in a search dialog, for the life of the process;
// "[[#NOCOLOUR#]]" until one is chosen.
std::string& RememberedSearchColour();

}  // namespace lumar
