#include "platform/pdf/page.h"

#include <cmath>
#include <qpdf/QPDFPageObjectHelper.hh>

#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/internal/guard.h"
#include "platform/pdf/internal/object_util.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

namespace {

// US Letter, what readers assume for a page without a usable media box.
constexpr Rect kDefaultMediaBox{0, 792, 612, 0};

// Size of the note window a new note gets.
constexpr double kNoteWidth = 200;
constexpr double kNoteHeight = 150;

QPDFObjectHandle annotsOf(QPDFObjectHandle page, bool create) {
    QPDFObjectHandle annots = page.getKey("/Annots");
    if (!annots.isArray() && create) {
        annots = QPDFObjectHandle::newArray();
        page.replaceKey("/Annots", annots);
    }
    return annots;
}

int indexIn(QPDFObjectHandle annots, const QPDFObjectHandle& annotation) {
    if (!annots.isArray()) {
        return -1;
    }
    const int n = annots.getArrayNItems();
    for (int i = 0; i < n; ++i) {
        if (internal::sameObject(annots.getArrayItem(i), annotation)) {
            return i;
        }
    }
    return -1;
}

}  // namespace

Page::Page(std::shared_ptr<const internal::ObjectRef> ref) : ref_(std::move(ref)) {}

Rect Page::mediaBox() const {
    return internal::guarded("Cannot read the page's media box", [&] {
        QPDFPageObjectHelper page(ref_->live());
        return internal::rectOf(page.getMediaBox(), kDefaultMediaBox);
    });
}

Rect Page::cropBox() const {
    return internal::guarded("Cannot read the page's crop box", [&] {
        QPDFPageObjectHelper page(ref_->live());
        return internal::rectOf(page.getCropBox(), mediaBox());
    });
}

int Page::rotation() const {
    return internal::guarded("Cannot read the page's rotation", [&] {
        QPDFPageObjectHelper page(ref_->live());
        QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
        if (!rotate.isNumber()) {
            return 0;
        }
        const long long degrees = std::llround(rotate.getNumericValue()) % 360;
        const long long positive = degrees < 0 ? degrees + 360 : degrees;
        return static_cast<int>(positive / 90 * 90);
    });
}

int Page::annotationCount() const {
    return internal::guarded("Cannot read the page's annotations", [&] {
        QPDFObjectHandle annots = annotsOf(ref_->live(), false);
        return annots.isArray() ? annots.getArrayNItems() : 0;
    });
}

Annotation Page::annotation(int index) const {
    return internal::guarded("Cannot read the page's annotations", [&] {
        QPDFObjectHandle annots = annotsOf(ref_->live(), false);
        if (!annots.isArray() || index < 0 || index >= annots.getArrayNItems()) {
            throw PdfError(ErrorCode::BadArgument,
                           "The page has no annotation " + std::to_string(index) + ".");
        }
        return Annotation(internal::makeRef(ref_->document, annots.getArrayItem(index)));
    });
}

Annotation Page::createAnnotation(const std::string& subtype, const Rect& rect) {
    return internal::guarded("Cannot create the annotation", [&] {
        QPDF& pdf = ref_->document->pdf();
        QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
        dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/" + subtype));
        dict.replaceKey("/Rect", internal::rectArray(rect));
        ref_->document->markChanged();
        return Annotation(internal::makeRef(ref_->document, pdf.makeIndirectObject(dict)));
    });
}

void Page::addAnnotation(const Annotation& annotation, int after) {
    return internal::guarded("Cannot add the annotation", [&] {
        QPDFObjectHandle page = ref_->live();
        const CosObject object = annotation.object();
        const auto& aref = object.ref();
        if (aref->document != ref_->document) {
            throw PdfError(ErrorCode::BadArgument,
                           "The annotation belongs to another document than the page.");
        }
        QPDFObjectHandle annot = aref->live();
        if (!annot.isDictionary()) {
            throw PdfError(ErrorCode::NotAnnotation, "The object is not an annotation.");
        }
        QPDF& pdf = ref_->document->pdf();
        if (!annot.isIndirect()) {
            annot = pdf.makeIndirectObject(annot);
            aref->object = annot;
        }
        QPDFObjectHandle annots = annotsOf(page, true);
        const int count = annots.getArrayNItems();
        int at = 0;
        if (after == kAddAtEnd) {
            at = count;
        } else if (after >= kAddAtFront && after < count) {
            at = after + 1;
        } else {
            throw PdfError(ErrorCode::BadArgument, "Cannot add an annotation after position " +
                                                       std::to_string(after) + ".");
        }
        annot.replaceKey("/P", page);
        annots.insertItem(at, annot);

        QPDFObjectHandle note = annot.getKey("/Popup");
        if (!note.isDictionary() && internal::nameOf(annot.getKey("/Subtype")) == "Text") {
            const Rect r = internal::rectOf(annot.getKey("/Rect"));
            QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
            dict.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
            dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Popup"));
            dict.replaceKey("/Rect", internal::rectArray({r.right, r.top, r.right + kNoteWidth,
                                                          r.top - kNoteHeight}));
            dict.replaceKey("/Open", QPDFObjectHandle::newBool(false));
            dict.replaceKey("/Parent", annot);
            note = pdf.makeIndirectObject(dict);
            annot.replaceKey("/Popup", note);
        }
        if (note.isDictionary() && indexIn(annots, note) < 0) {
            note.replaceKey("/P", page);
            annots.insertItem(at + 1, note);
        }
        ref_->document->markChanged();
    });
}

void Page::removeAnnotation(const Annotation& annotation) {
    return internal::guarded("Cannot remove the annotation", [&] {
        QPDFObjectHandle annots = annotsOf(ref_->live(), false);
        QPDFObjectHandle annot = annotation.object().ref()->live();
        const int index = indexIn(annots, annot);
        if (index < 0) {
            return;
        }
        annots.eraseItem(index);
        if (annot.isDictionary()) {
            const int noteIndex = indexIn(annots, annot.getKey("/Popup"));
            if (noteIndex >= 0) {
                annots.eraseItem(noteIndex);
            }
        }
        ref_->document->markChanged();
    });
}

CosObject Page::object() const {
    return CosObject(ref_);
}

}  // namespace lumar::pdf
