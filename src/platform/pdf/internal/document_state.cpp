#include "platform/pdf/internal/document_state.h"

#include "platform/pdf/document.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf::internal {

QPDF& DocumentState::pdf() const {
    if (!qpdf) {
        throw PdfError(ErrorCode::DocumentClosed, "The document has been closed.");
    }
    return *qpdf;
}

void DocumentState::markChanged() {
    flags |= kDocumentNeedsSave;
    ++changes;
}

std::string DocumentState::name() const {
    if (!path.empty()) {
        return path.string();
    }
    return description.empty() ? std::string("new document") : description;
}

DocumentState& openState(const std::shared_ptr<DocumentState>& state) {
    if (!state) {
        throw PdfError(ErrorCode::DocumentClosed, "The document has been closed.");
    }
    state->pdf();
    return *state;
}

QPDFObjectHandle& ObjectRef::live() const {
    if (document) {
        document->pdf();
    }
    return object;
}

std::shared_ptr<const ObjectRef> makeRef(const std::shared_ptr<DocumentState>& document,
                                         QPDFObjectHandle object) {
    return std::make_shared<const ObjectRef>(ObjectRef{document, std::move(object)});
}

}  // namespace lumar::pdf::internal
