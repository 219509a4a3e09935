#pragma once

// One page of a document: its boxes and its annotation list.

#include <memory>
#include <string>

#include "platform/pdf/annotation.h"
#include "platform/pdf/geometry.h"

namespace lumar::pdf {

namespace internal {
struct ObjectRef;
}

// Position arguments of Page::addAnnotation.
inline constexpr int kAddAtEnd = -2;
inline constexpr int kAddAtFront = -1;

// A handle to a page (acquired from its document; releasing is dropping the
// handle). Calls on the page of a closed document throw
// PdfError(DocumentClosed).
class Page {
public:
    // Media box and crop box (inherited values resolved; the crop box
    // defaults to the media box), normalised, in page coordinates.
    [[nodiscard]] Rect mediaBox() const;
    [[nodiscard]] Rect cropBox() const;

    // The page's /Rotate value normalised to 0, 90, 180 or 270.
    [[nodiscard]] int rotation() const;

    // The annotation list (/Annots) as stored, note windows included.
    [[nodiscard]] int annotationCount() const;
    // Throws PdfError(BadArgument) for an index outside 0 .. count-1. An
    // entry that is no dictionary (a damaged file) comes back invalid.
    [[nodiscard]] Annotation annotation(int index) const;

    // Creates an annotation of `subtype` with `rect`, belonging to this
    // page's document but not yet in the page's list.
    Annotation createAnnotation(const std::string& subtype, const Rect& rect);

    // Adds an annotation to the list after position `after` (kAddAtEnd = at
    // the end, kAddAtFront = at the front) and points its /P at this page.
    // A note ("Text") without a note window gets one, placed to the right of
    // the annotation and closed, listed right after it.
    void addAnnotation(const Annotation& annotation, int after = kAddAtEnd);

    // Removes the annotation and its note window from the list. An
    // annotation that is not on the page is ignored.
    void removeAnnotation(const Annotation& annotation);

    [[nodiscard]] CosObject object() const;

    explicit Page(std::shared_ptr<const internal::ObjectRef> ref);

private:
    std::shared_ptr<const internal::ObjectRef> ref_;
};

}  // namespace lumar::pdf
