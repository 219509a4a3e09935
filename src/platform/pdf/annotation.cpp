#include "platform/pdf/annotation.h"

#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/internal/guard.h"
#include "platform/pdf/internal/object_util.h"
#include "platform/pdf/internal/text_string.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

namespace {

QPDFObjectHandle& requireDictionary(const internal::ObjectRef& ref) {
    QPDFObjectHandle& o = ref.live();
    if (!o.isDictionary()) {
        throw PdfError(ErrorCode::NotAnnotation, "The object is not an annotation.");
    }
    return o;
}

void change(const internal::ObjectRef& ref, const std::string& key, QPDFObjectHandle value) {
    internal::guarded("Cannot change the annotation",
                      [&] { requireDictionary(ref).replaceKey(key, value); });
    if (ref.document) {
        ref.document->markChanged();
    }
}

}  // namespace

Annotation::Annotation(std::shared_ptr<const internal::ObjectRef> ref) : ref_(std::move(ref)) {}

Annotation Annotation::fromObject(const CosObject& object) {
    requireDictionary(*object.ref());
    return Annotation(object.ref());
}

bool Annotation::isValid() const {
    return ref_->live().isDictionary();
}

std::string Annotation::subtype() const {
    return internal::guarded("Cannot read the annotation", [&] {
        return internal::nameOf(requireDictionary(*ref_).getKey("/Subtype"));
    });
}

std::string Annotation::title() const {
    return internal::guarded("Cannot read the annotation's title", [&] {
        return internal::textOf(requireDictionary(*ref_).getKey("/T"));
    });
}

std::string Annotation::contents() const {
    return internal::guarded("Cannot read the annotation's contents", [&] {
        return internal::textOf(requireDictionary(*ref_).getKey("/Contents"));
    });
}

void Annotation::setTitle(const std::string& cp1252) {
    change(*ref_, "/T", internal::textString(cp1252));
}

void Annotation::setContents(const std::string& cp1252) {
    change(*ref_, "/Contents", internal::textString(cp1252));
}

void Annotation::setColour(const RgbColour& colour) {
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    for (double c : {colour.red, colour.green, colour.blue}) {
        array.appendItem(QPDFObjectHandle::newReal(c, 4, true));
    }
    change(*ref_, "/C", array);
}

std::optional<RgbColour> Annotation::colour() const {
    return internal::guarded("Cannot read the annotation's colour",
                             [&]() -> std::optional<RgbColour> {
                                 QPDFObjectHandle c = requireDictionary(*ref_).getKey("/C");
                                 if (!c.isArray() || c.getArrayNItems() != 3) {
                                     return std::nullopt;
                                 }
                                 double v[3];
                                 for (int i = 0; i < 3; ++i) {
                                     QPDFObjectHandle item = c.getArrayItem(i);
                                     if (!item.isNumber()) {
                                         return std::nullopt;
                                     }
                                     v[i] = item.getNumericValue();
                                 }
                                 return RgbColour{v[0], v[1], v[2]};
                             });
}

Rect Annotation::rect() const {
    return internal::guarded("Cannot read the annotation's rectangle", [&] {
        return internal::rectOf(requireDictionary(*ref_).getKey("/Rect"));
    });
}

void Annotation::setRect(const Rect& rect) {
    change(*ref_, "/Rect", internal::rectArray(rect));
}

bool Annotation::isOpen() const {
    return internal::guarded("Cannot read the annotation", [&] {
        QPDFObjectHandle open = requireDictionary(*ref_).getKey("/Open");
        return open.isBool() && open.getBoolValue();
    });
}

void Annotation::setOpen(bool open) {
    change(*ref_, "/Open", QPDFObjectHandle::newBool(open));
    if (auto note = popup()) {
        change(*note->ref_, "/Open", QPDFObjectHandle::newBool(open));
    }
}

std::optional<Annotation> Annotation::popup() const {
    return internal::guarded("Cannot read the annotation's note window",
                             [&]() -> std::optional<Annotation> {
                                 QPDFObjectHandle note = requireDictionary(*ref_).getKey("/Popup");
                                 if (!note.isDictionary()) {
                                     return std::nullopt;
                                 }
                                 return Annotation(internal::makeRef(ref_->document, note));
                             });
}

CosObject Annotation::object() const {
    return CosObject(ref_);
}

bool Annotation::operator==(const Annotation& other) const {
    return internal::guarded("Cannot compare annotations", [&] {
        return ref_->document == other.ref_->document &&
               internal::sameObject(ref_->live(), other.ref_->live());
    });
}

}  // namespace lumar::pdf
