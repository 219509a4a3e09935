#pragma once

// The colour the search dialog's "Colour..." button remembers between
// searches, for the life of the process.

#include <string>

namespace lumar {

// "[[#NOCOLOUR#]]" until a colour is first chosen; then the last choice (a
// colour name, or "[[#NOCOLOUR#]]" for the no-colour row).
std::string& RememberedSearchColour();

}  // namespace lumar
