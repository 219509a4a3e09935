// Full save through an atomic replacement of the target: qpdf writes the
// temporary file beside it by name, which is then renamed over the target.

#include <cerrno>
#include <cstring>
#include <optional>
#include <qpdf/QPDFWriter.hh>
#include <system_error>

#include "platform/fs/atomic_replacement.h"
#include "platform/pdf/document.h"
#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

void Document::save(const std::filesystem::path& target, const SaveOptions& options) {
    internal::DocumentState& state = internal::openState(state_);
    QPDF& pdf = state.pdf();
    const std::string fail = "Cannot write " + target.string() + ": ";

    // The replaced file keeps its permissions; a new one gets the usual ones.
    std::optional<fs::AtomicReplacement> replacement;
    try {
        replacement.emplace(target, fs::FileMode::keepExisting());
    } catch (const std::system_error& error) {
        const int code = error.code().value();
        throw PdfError(code == ENOENT ? ErrorCode::FileNotFound : ErrorCode::WriteFailed,
                       fail + std::strerror(code));
    }
    try {
        QPDFWriter writer(pdf);
        writer.setOutputFilename(replacement->temporaryPath().c_str());
        if (options.version) {
            writer.forcePDFVersion(std::to_string(options.version->major) + "." +
                                   std::to_string(options.version->minor));
        }
        writer.write();
    } catch (const PdfError&) {
        throw;
    } catch (const std::exception& e) {
        throw PdfError(ErrorCode::WriteFailed, fail + e.what());
    }
    // The writer has closed the temporary file (it went with the block
    // above); only now may it take the target's place, which may be the
    // file the document still reads from.
    try {
        replacement->commit();
    } catch (const std::system_error& error) {
        throw PdfError(ErrorCode::WriteFailed, fail + std::strerror(error.code().value()));
    }
    state.path = target;
    state.flags &= ~kDocumentNeedsSave;
}

}  // namespace lumar::pdf
