#include "platform/pdf/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

namespace {

[[noreturn]] void fail(ErrorCode code, const std::string& what, const std::filesystem::path& path,
                       int error) {
    throw PdfError(code, what + " " + path.string() + ": " + std::strerror(error));
}

}  // namespace

File File::open(const std::filesystem::path& path, int mode) {
    const bool write = (mode & kFileWrite) != 0;
    const bool create = (mode & kFileCreate) != 0;
    int flags = O_CLOEXEC;
    if (write) {
        flags |= (mode & kFileRead) != 0 ? O_RDWR : O_WRONLY;
        if (create) {
            flags |= O_CREAT | O_TRUNC;
        }
    } else {
        flags |= O_RDONLY;
    }
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        const int error = errno;
        fail(error == ENOENT ? ErrorCode::FileNotFound : ErrorCode::FileOpen, "Cannot open", path,
             error);
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        fail(ErrorCode::FileOpen, "Cannot open", path, EISDIR);
    }
    return File(fd, path);
}

File::File(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}

File::File(File&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

File::~File() {
    close();
}

void File::requireOpen() const {
    if (fd_ < 0) {
        throw PdfError(ErrorCode::FileIo, "The file " + path_.string() + " is closed.");
    }
}

void File::write(std::string_view bytes) {
    requireOpen();
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(ErrorCode::FileIo, "Cannot write", path_, errno);
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void File::setPosition(std::int64_t position) {
    requireOpen();
    if (position < 0 || ::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0) {
        fail(ErrorCode::FileIo, "Cannot set the position in", path_, position < 0 ? EINVAL : errno);
    }
}

std::int64_t File::position() const {
    requireOpen();
    const off_t at = ::lseek(fd_, 0, SEEK_CUR);
    if (at < 0) {
        fail(ErrorCode::FileIo, "Cannot read the position in", path_, errno);
    }
    return at;
}

std::int64_t File::length() const {
    requireOpen();
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        fail(ErrorCode::FileIo, "Cannot read the length of", path_, errno);
    }
    return st.st_size;
}

void File::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace lumar::pdf
