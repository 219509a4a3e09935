#include "search/search_colour.h"

#include "annotations/colour.h"

namespace lumar {

namespace {

SearchColourChooser& Installed() {
    static SearchColourChooser chooser;
    return chooser;
}

}  // namespace

SearchColourChooser SetSearchColourChooser(SearchColourChooser chooser) {
    SearchColourChooser previous = std::move(Installed());
    Installed() = std::move(chooser);
    return previous;
}

std::optional<std::string> ChooseSearchColour(const SearchColourChoice& choice) {
    const SearchColourChooser& chooser = Installed();
    return chooser ? chooser(choice) : std::nullopt;
}

std::string& RememberedSearchColour() {
    static std::string colour(kNoColour);
    return colour;
}

}  // namespace lumar
