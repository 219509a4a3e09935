#pragma once

// A new data annotation for a page that has none: a red note titled "Index"
// holding the page text, 18 x 22 units, just outside the page's media box at
// its top edge: 35 units right of a right-hand page (even index: the first,
// third ... page) and 35 units left of a left-hand page (odd index). Its note
// window is 200 x 200 units from the same corner.

#include <string_view>

#include "platform/host/host_types.h"

namespace lumar {

namespace pdf {
class Document;
}

struct DataAnnotationPlace {
    host::FixedRect annotation;
    host::FixedRect noteWindow;
};

// Where the data annotation of page `pageIndex` goes, for its media box. The
// box's edges are rounded to whole units (half up); whole-unit values beyond
// +-32767 saturate at the fixed-point range.
DataAnnotationPlace DataAnnotationPlaceFor(const host::FixedRect& mediaBox, int pageIndex);

// Creates the annotation on page `pageIndex`, with the title and contents
// given, at the end of the page's annotation list. A host failure is shown
// ("Error creating text annotation on page 3: ...") and gives false.
bool CreateDataAnnotation(pdf::Document* document, int pageIndex, std::string_view title,
                          std::string_view contents);

}  // namespace lumar
