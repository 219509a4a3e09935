// Full save through a temporary file and a rename.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <qpdf/QPDFWriter.hh>

#include "platform/pdf/document.h"
#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

namespace {

// A temporary file beside the target, removed again unless released.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        const std::filesystem::path folder =
            target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
        std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
        fd_ = ::mkstemp(pattern.data());
        if (fd_ < 0) {
            const int error = errno;
            throw PdfError(error == ENOENT ? ErrorCode::FileNotFound : ErrorCode::WriteFailed,
                           "Cannot write " + target.string() + ": " + std::strerror(error));
        }
        path_ = pattern;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    // Hands the descriptor over as a stdio stream (closed by its taker).
    FILE* takeStream() {
        FILE* stream = ::fdopen(fd_, "wb");
        if (stream != nullptr) {
            fd_ = -1;
        }
        return stream;
    }
    const std::string& path() const { return path_; }
    void release() { path_.clear(); }

private:
    int fd_ = -1;
    std::string path_;
};

// Permissions for the new file: those of the file it replaces, else what a
// newly created file gets under the process's umask.
mode_t permissionsFor(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void Document::save(const std::filesystem::path& target, const SaveOptions& options) {
    internal::DocumentState& state = internal::openState(state_);
    QPDF& pdf = state.pdf();
    const std::string fail = "Cannot write " + target.string() + ": ";

    TemporaryFile temporary(target);
    try {
        FILE* stream = temporary.takeStream();
        if (stream == nullptr) {
            throw PdfError(ErrorCode::WriteFailed, fail + std::strerror(errno));
        }
        QPDFWriter writer(pdf);
        writer.setOutputFile(temporary.path().c_str(), stream, true);
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
    // The data reaches the disk before the rename makes it the target.
    const int written = ::open(temporary.path().c_str(), O_RDONLY);
    if (written >= 0) {
        ::fsync(written);
        ::close(written);
    }
    ::chmod(temporary.path().c_str(), permissionsFor(target));
    if (std::rename(temporary.path().c_str(), target.c_str()) != 0) {
        throw PdfError(ErrorCode::WriteFailed, fail + std::strerror(errno));
    }
    temporary.release();
    state.path = target;
    state.flags &= ~kDocumentNeedsSave;
}

}  // namespace lumar::pdf
