#include "platform/fs/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "platform/fs/atomic_replacement.h"

namespace lumar::fs {

namespace {

// The source, open for reading and closed when it goes.
class SourceFile {
public:
    explicit SourceFile(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~SourceFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    SourceFile(SourceFile&&) = delete;
    SourceFile& operator=(SourceFile&&) = delete;

    [[nodiscard]] int get() const { return fd_; }

private:
    int fd_;
};

std::error_code lastError() {
    return {errno, std::generic_category()};
}

}  // namespace

std::error_code copyFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    const SourceFile in(source);
    struct stat status {};
    if (in.get() < 0 || ::fstat(in.get(), &status) != 0) {
        return lastError();
    }
    try {
        AtomicReplacement copy(target, FileMode::exactly(status.st_mode));
        std::array<char, std::size_t{1} << 16U> buffer{};
        for (;;) {
            const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
            if (got < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return lastError();
            }
            if (got == 0) {
                break;
            }
            copy.write({buffer.data(), static_cast<std::size_t>(got)});
        }
        copy.commit();
        return {};
    } catch (const std::system_error& failure) {
        return failure.code();
    }
}

}  // namespace lumar::fs
