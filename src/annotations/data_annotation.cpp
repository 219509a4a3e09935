#include "annotations/data_annotation.h"

#include <cstdint>
#include <limits>
#include <string>

#include "annotations/host_frame.h"
#include "platform/host/roles.h"
#include "platform/pdf/cos_object.h"

namespace lumar {

namespace {

constexpr std::int32_t kDistance = 35;
constexpr std::int32_t kWidth = 18;
constexpr std::int32_t kHeight = 22;
constexpr std::int32_t kNoteSize = 200;
constexpr std::int32_t kLargestWholeUnit = 32767;

// A fixed-point value rounded to whole units, half up.
std::int64_t RoundedUnits(host::Fixed value) {
    return (static_cast<std::int64_t>(value) + host::kFixedOne / 2) >> 16;
}

// Whole units as fixed point, saturated at the fixed-point range.
host::Fixed FixedOfUnits(std::int64_t units) {
    if (units < -kLargestWholeUnit) {
        return std::numeric_limits<host::Fixed>::min();
    }
    if (units > kLargestWholeUnit) {
        return std::numeric_limits<host::Fixed>::max();
    }
    return host::fixedFromInt(static_cast<std::int32_t>(units));
}

}  // namespace

DataAnnotationPlace DataAnnotationPlaceFor(const host::FixedRect& mediaBox, int pageIndex) {
    const std::int64_t x = pageIndex % 2 == 0 ? RoundedUnits(mediaBox.right) + kDistance
                                              : RoundedUnits(mediaBox.left) - kDistance;
    const std::int64_t top = RoundedUnits(mediaBox.top);
    DataAnnotationPlace place;
    place.annotation = {FixedOfUnits(x), mediaBox.top, FixedOfUnits(x + kWidth),
                        FixedOfUnits(top - kHeight)};
    place.noteWindow = {FixedOfUnits(x), mediaBox.top, FixedOfUnits(x + kNoteSize),
                        FixedOfUnits(top - kNoteSize)};
    return place;
}

bool CreateDataAnnotation(pdf::Document* document, int pageIndex, std::string_view title,
                          std::string_view contents) {
    try {
        const AcquiredPage page(host::acquirePage(document, pageIndex));
        const DataAnnotationPlace place =
            DataAnnotationPlaceFor(host::pageMediaBox(page.get()), pageIndex);
        const pdf::Annotation annotation =
            host::newAnnotation(page.get(), host::atomFromString("Text"), place.annotation);
        host::setAnnotationTitle(annotation, title);
        host::setAnnotationContents(annotation, contents);
        host::setAnnotationColour(annotation, 1.0, 0.0, 0.0);
        host::addAnnotationToPage(page.get(), host::kAddAnnotationAtEnd, annotation);

        // The host gives a note its window when it is added; that window
        // opens beside the annotation.
        const pdf::CosObject object = host::objectOfAnnotation(annotation);
        if (host::objectType(object) == static_cast<int>(pdf::CosType::Dictionary)) {
            const pdf::CosObject popup = host::dictionaryValue(object, "Popup");
            if (host::objectType(popup) == static_cast<int>(pdf::CosType::Dictionary)) {
                host::setAnnotationRectangle(host::annotationFromObject(popup), place.noteWindow);
            }
        }
        return true;
    } catch (const host::HostError& error) {
        ShowHostError(
            "Error creating text annotation on page " + std::to_string(pageIndex + 1) + ":", error);
        return false;
    }
}

}  // namespace lumar
