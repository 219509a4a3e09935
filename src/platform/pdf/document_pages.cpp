// Deleting pages and inserting pages from another document.

#include <qpdf/QPDFWriter.hh>
#include <set>

#include "platform/pdf/document.h"
#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/internal/object_util.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

namespace {

std::string rangeText(int first, int last) {
    return std::to_string(first + 1) + " to " + std::to_string(last + 1);
}

// A second QPDF over the document's current state, for copying pages of a
// document into itself (qpdf copies pages only from a foreign document).
std::shared_ptr<QPDF> snapshot(QPDF& pdf) {
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.write();
    std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    auto copy = std::make_shared<QPDF>();
    copy->setSuppressWarnings(true);
    copy->processMemoryFile("copy of the document",
                            reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
    QPDF* raw = copy.get();
    return {raw, [copy, buffer](QPDF*) mutable { copy.reset(); }};
}

// The form (/AcroForm) of a document, created when it has none.
QPDFObjectHandle formOf(QPDF& pdf) {
    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle form = root.getKey("/AcroForm");
    if (!form.isDictionary()) {
        form = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        root.replaceKey("/AcroForm", form);
    }
    if (!form.getKey("/Fields").isArray()) {
        form.replaceKey("/Fields", QPDFObjectHandle::newArray());
    }
    return form;
}

// Lists the form fields of a copied page's widgets in the target's form.
// The field objects came along with the page (the widgets reach them through
// /Parent); what is missing is the form's reference to their top field. The
// source form's default resources and appearance go along when the target
// form has none, so the fields still draw.
void registerFields(QPDF& target, QPDFObjectHandle page, QPDFObjectHandle sourceForm) {
    QPDFObjectHandle annots = page.getKey("/Annots");
    if (!annots.isArray()) {
        return;
    }
    std::vector<QPDFObjectHandle> tops;
    for (QPDFObjectHandle annot : annots.aitems()) {
        if (!annot.isDictionary() || !annot.getKey("/Subtype").isNameAndEquals("/Widget")) {
            continue;
        }
        QPDFObjectHandle field = annot;
        std::set<QPDFObjGen> seen;
        while (field.getKey("/Parent").isDictionary() &&
               (!field.isIndirect() || seen.insert(field.getObjGen()).second)) {
            field = field.getKey("/Parent");
        }
        tops.push_back(field);
    }
    if (tops.empty()) {
        return;
    }
    QPDFObjectHandle form = formOf(target);
    QPDFObjectHandle fields = form.getKey("/Fields");
    for (const QPDFObjectHandle& top : tops) {
        bool listed = false;
        for (const QPDFObjectHandle& f : fields.aitems()) {
            listed = listed || internal::sameObject(f, top);
        }
        if (!listed) {
            fields.appendItem(top);
        }
    }
    if (sourceForm.isDictionary()) {
        for (const char* key : {"/DR", "/DA", "/NeedAppearances"}) {
            if (!form.hasKey(key) && sourceForm.hasKey(key)) {
                form.replaceKey(key, target.copyForeignObject(sourceForm.getKey(key)));
            }
        }
    }
}

}  // namespace

void Document::deletePages(int first, int last) {
    QPDF& pdf = internal::openState(state_).pdf();
    const std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
    const int count = static_cast<int>(pages.size());
    if (first < 0 || last < first || last >= count) {
        throw PdfError(ErrorCode::BadPageRange, "Cannot delete pages " + rangeText(first, last) +
                                                    " of a document with " + std::to_string(count) +
                                                    " pages.");
    }
    try {
        for (int i = first; i <= last; ++i) {
            pdf.removePage(pages[static_cast<size_t>(i)]);
        }
    } catch (const std::exception& e) {
        state_->markChanged();
        throw PdfError(ErrorCode::General, std::string("Cannot delete pages: ") + e.what());
    }
    state_->markChanged();
}

void Document::insertPages(int after, const Document& source, int first, int count, int flags) {
    QPDF& target = internal::openState(state_).pdf();
    QPDF& from = internal::openState(source.state_).pdf();
    const int targetCount = static_cast<int>(target.getAllPages().size());
    const int sourceCount = static_cast<int>(from.getAllPages().size());
    if (count < 0 || first < 0 || first + count > sourceCount) {
        throw PdfError(ErrorCode::BadPageRange,
                       "Cannot insert pages " + rangeText(first, first + count - 1) +
                           " of a document with " + std::to_string(sourceCount) + " pages.");
    }
    if (after < -1 || after >= targetCount) {
        throw PdfError(ErrorCode::BadPageRange,
                       "Cannot insert pages after page " + std::to_string(after + 1) +
                           " of a document with " + std::to_string(targetCount) + " pages.");
    }
    if (count == 0) {
        return;
    }

    std::shared_ptr<QPDF> sourcePdf = source.state_->qpdf;
    try {
        if (source.state_ == state_) {
            sourcePdf = snapshot(target);
        }
        // Keep the source and everything it copied from alive until this
        // document is gone: qpdf reads copied stream data when writing.
        state_->sources.push_back(sourcePdf);
        if (source.state_ != state_) {
            state_->sources.insert(state_->sources.end(), source.state_->sources.begin(),
                                   source.state_->sources.end());
        }

        const std::vector<QPDFObjectHandle> sourcePages = sourcePdf->getAllPages();
        const bool carryFields = (flags & kInsertAll) != 0;
        QPDFObjectHandle sourceForm = sourcePdf->getRoot().getKey("/AcroForm");
        int at = after + 1;
        for (int i = 0; i < count; ++i, ++at) {
            const QPDFObjectHandle& page =
                sourcePages[static_cast<size_t>(first) + static_cast<size_t>(i)];
            const std::vector<QPDFObjectHandle>& pages = target.getAllPages();
            if (at >= static_cast<int>(pages.size())) {
                target.addPage(page, false);
            } else {
                target.addPageAt(page, true, pages[static_cast<size_t>(at)]);
            }
            if (carryFields) {
                registerFields(target, target.getAllPages()[static_cast<size_t>(at)], sourceForm);
            }
        }
    } catch (const PdfError&) {
        throw;
    } catch (const std::exception& e) {
        state_->markChanged();
        throw PdfError(ErrorCode::General, std::string("Cannot insert pages: ") + e.what());
    }
    state_->markChanged();
}

}  // namespace lumar::pdf
