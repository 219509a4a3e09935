#pragma once

// The engine's private view of an open document. Included only by the
// engine's own sources: it brings in qpdf.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <string>
#include <vector>

namespace lumar::pdf::internal {

struct DocumentState {
    std::shared_ptr<QPDF> qpdf;
    // Documents whose pages were copied into this one. qpdf reads the stream
    // data of copied objects from their source when this document is
    // written, so the sources live as long as this document does, even when
    // they are closed.
    std::vector<std::shared_ptr<QPDF>> sources;
    std::filesystem::path path;
    std::string description;  // names the document in error texts
    int flags = 0;
    // Counts the changes since the document was opened.
    std::uint64_t changes = 0;
    bool repaired = false;

    bool isOpen() const { return qpdf != nullptr; }
    // The document's QPDF; throws PdfError(DocumentClosed) after close.
    QPDF& pdf() const;
    void markChanged();
    // Text for error messages: "<what> (<path or description>)".
    std::string name() const;
};

// The state behind a Document handle; throws PdfError(DocumentClosed) when
// there is none or the document is closed.
DocumentState& openState(const std::shared_ptr<DocumentState>& state);

// What every handle (page, annotation, object) holds: its document and the
// object. The object handle is mutable because qpdf's setters are non-const;
// the handle classes decide what they change.
struct ObjectRef {
    std::shared_ptr<DocumentState> document;
    mutable QPDFObjectHandle object;

    // Throws PdfError(DocumentClosed) when the document is closed.
    QPDFObjectHandle& live() const;
};

std::shared_ptr<const ObjectRef> makeRef(const std::shared_ptr<DocumentState>& document,
                                         QPDFObjectHandle object);

}  // namespace lumar::pdf::internal
