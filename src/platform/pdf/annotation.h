#pragma once

// One annotation of a page: its subtype, its title and contents (as
// Windows-1252 bytes; stored in the PDF as text strings), colour, rectangle,
// open state and the note window (the "Popup" entry).

#include <memory>
#include <optional>
#include <string>

#include "platform/pdf/cos_object.h"
#include "platform/pdf/geometry.h"

namespace lumar::pdf {

namespace internal {
struct ObjectRef;
}

class Annotation {
public:
    // Takes an object as an annotation. Any dictionary is accepted (as the
    // host does); use isValid() to test. Throws PdfError(NotAnnotation) when
    // the object is no dictionary.
    [[nodiscard]] static Annotation fromObject(const CosObject& object);

    // An annotation is valid while its object is a dictionary; an entry of a
    // damaged annotation list that is not is invalid, and every other call
    // on it throws PdfError(NotAnnotation).
    [[nodiscard]] bool isValid() const;

    // The subtype name without its slash ("Text", "Popup", "Link" ...);
    // empty when absent.
    [[nodiscard]] std::string subtype() const;

    // Title (/T) and contents (/Contents) as Windows-1252 bytes; empty when
    // absent. Characters outside the code page become '?'.
    [[nodiscard]] std::string title() const;
    [[nodiscard]] std::string contents() const;

    // Each change marks the document as changed.
    void setTitle(const std::string& cp1252);
    void setContents(const std::string& cp1252);
    void setColour(const RgbColour& colour);
    [[nodiscard]] std::optional<RgbColour> colour() const;

    // The annotation rectangle in page coordinates, normalised.
    [[nodiscard]] Rect rect() const;
    void setRect(const Rect& rect);

    // The open state of a note (/Open); set on its note window too.
    [[nodiscard]] bool isOpen() const;
    void setOpen(bool open);

    // The note window, when the annotation has one ("Popup" entry).
    [[nodiscard]] std::optional<Annotation> popup() const;

    [[nodiscard]] CosObject object() const;

    // True when both handles denote the same annotation object.
    bool operator==(const Annotation& other) const;

    explicit Annotation(std::shared_ptr<const internal::ObjectRef> ref);

private:
    std::shared_ptr<const internal::ObjectRef> ref_;
};

}  // namespace lumar::pdf
