#include "platform/pdf/document.h"

#include <fstream>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFSystemError.hh>
#include <system_error>

#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/internal/guard.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

namespace {

using internal::DocumentState;

// Runs `load` on a fresh QPDF and turns qpdf's failures into PdfErrors.
// The page tree is walked at once so that a damaged tree fails here, not at
// the first page access.
template <typename Load>
std::shared_ptr<QPDF> loadQpdf(const std::string& name, bool repair, Load load) {
    auto pdf = std::make_shared<QPDF>();
    pdf->setSuppressWarnings(true);
    pdf->setAttemptRecovery(repair);
    try {
        load(*pdf);
        (void)pdf->getAllPages();
    } catch (const QPDFExc& e) {
        if (e.getErrorCode() == qpdf_e_password) {
            throw PdfError(ErrorCode::Password, name + " is protected by a password.");
        }
        if (e.getErrorCode() == qpdf_e_system) {
            throw PdfError(ErrorCode::FileOpen,
                           "Cannot open " + name + ": " + e.getMessageDetail());
        }
        throw PdfError(ErrorCode::Damaged,
                       name + " is damaged and could not be repaired: " + e.getMessageDetail());
    } catch (const QPDFSystemError& e) {
        throw PdfError(ErrorCode::FileOpen, "Cannot open " + name + ": " + e.what());
    } catch (const std::exception& e) {
        throw PdfError(ErrorCode::Damaged,
                       name + " is damaged and could not be repaired: " + e.what());
    }
    return pdf;
}

}  // namespace

Document::Document(std::shared_ptr<internal::DocumentState> state) : state_(std::move(state)) {}

Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&& other) noexcept {
    if (this != &other) {
        close();
        state_ = std::move(other.state_);
    }
    return *this;
}

Document::~Document() {
    close();
}

namespace {

// Files up to this size are read into memory at once: qpdf then parses
// without a system call per object (several times faster on large binders),
// and later changes to the file cannot reach the open document. Larger
// files are read from the file as needed.
constexpr std::uintmax_t kReadWholeLimit = std::uintmax_t{256} * 1024 * 1024;

std::shared_ptr<QPDF> loadFromBytes(const std::string& name, bool repair, std::string bytes) {
    auto buffer = std::make_shared<const std::string>(std::move(bytes));
    std::shared_ptr<QPDF> pdf = loadQpdf(name, repair, [&](QPDF& q) {
        q.processMemoryFile(name.c_str(), buffer->data(), buffer->size());
    });
    // qpdf reads from the buffer without copying it: tie the buffer's life to
    // the QPDF's.
    QPDF* raw = pdf.get();
    return {raw, [pdf, buffer](QPDF*) mutable { pdf.reset(); }};
}

}  // namespace

Document Document::open(const std::filesystem::path& path, bool repair) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        throw PdfError(ErrorCode::FileNotFound, "File not found: " + path.string());
    }
    if (std::filesystem::is_directory(status)) {
        throw PdfError(ErrorCode::FileOpen, "Cannot open " + path.string() + ": it is a folder.");
    }
    // A pipe would block the read, a device such as /dev/zero never end it:
    // only regular files (also behind a link) are read.
    if (!std::filesystem::is_regular_file(status)) {
        throw PdfError(ErrorCode::FileOpen, "Cannot open " + path.string() +
                                                ": it is not a regular file (a device, pipe or "
                                                "socket).");
    }
    auto state = std::make_shared<DocumentState>();
    state->path = path;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size <= kReadWholeLimit) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(static_cast<size_t>(size), '\0');
        if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) {
            throw PdfError(ErrorCode::FileOpen, "Cannot read " + path.string() + ".");
        }
        state->qpdf = loadFromBytes(path.string(), repair, std::move(bytes));
    } else {
        state->qpdf = loadQpdf(path.string(), repair,
                               [&](QPDF& pdf) { pdf.processFile(path.string().c_str()); });
    }
    state->repaired = state->qpdf->anyWarnings();
    return Document(std::move(state));
}

Document Document::openMemory(std::string bytes, const std::string& description, bool repair) {
    auto state = std::make_shared<DocumentState>();
    state->description = description;
    state->qpdf = loadFromBytes(description, repair, std::move(bytes));
    state->repaired = state->qpdf->anyWarnings();
    return Document(std::move(state));
}

Document Document::createEmpty() {
    auto state = std::make_shared<DocumentState>();
    state->qpdf = std::make_shared<QPDF>();
    state->qpdf->emptyPDF();
    return Document(std::move(state));
}

void Document::close() {
    if (state_) {
        state_->qpdf.reset();
        state_->sources.clear();
    }
}

bool Document::isOpen() const {
    return state_ && state_->isOpen();
}

int Document::flags() const {
    return internal::openState(state_).flags;
}

std::uint64_t Document::changeCount() const {
    return internal::openState(state_).changes;
}

std::filesystem::path Document::path() const {
    return internal::openState(state_).path;
}

PdfVersion Document::version() const {
    return internal::guarded("Cannot read the PDF version", [&] {
        const std::string text = internal::openState(state_).pdf().getPDFVersion();
        PdfVersion version{1, 0};
        const auto dot = text.find('.');
        try {
            version.major = std::stoi(text.substr(0, dot));
            if (dot != std::string::npos) {
                version.minor = std::stoi(text.substr(dot + 1));
            }
        } catch (const std::exception&) {
            // A header such as "%PDF-x" that qpdf let through: report 1.0.
        }
        return version;
    });
}

bool Document::wasRepaired() const {
    return internal::openState(state_).repaired;
}

int Document::pageCount() const {
    return internal::guarded("Cannot count the pages", [&] {
        return static_cast<int>(internal::openState(state_).pdf().getAllPages().size());
    });
}

Page Document::page(int index) const {
    return internal::guarded("Cannot read the page", [&] {
        const auto& pages = internal::openState(state_).pdf().getAllPages();
        if (index < 0 || index >= static_cast<int>(pages.size())) {
            throw PdfError(ErrorCode::BadPageRange,
                           "The document has no page " + std::to_string(index + 1) + ".");
        }
        return Page(internal::makeRef(state_, pages[static_cast<size_t>(index)]));
    });
}

Permission Document::permissionRequest(int object, int operation) const {
    return internal::guarded("Cannot read the permissions", [&] {
        QPDF& pdf = internal::openState(state_).pdf();
        if (object != kPermissionObjectDocument || operation != kPermissionTextExtraction) {
            return Permission::Unknown;
        }
        return pdf.allowExtractAll() ? Permission::Granted : Permission::Denied;
    });
}

CosObject Document::root() const {
    return internal::guarded("Cannot read the document's catalog", [&] {
        return CosObject(internal::makeRef(state_, internal::openState(state_).pdf().getRoot()));
    });
}

}  // namespace lumar::pdf
