#include "search/search_colour.h"

#include "annotations/colour.h"

namespace lumar {

std::string& RememberedSearchColour() {
    static std::string colour(kNoColour);
    return colour;
}

}  // namespace lumar
