#include "platform/fs/atomic_replacement.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace lumar::fs {

namespace {

constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLetters = 8;
constexpr int kNameAttempts = 100;

[[noreturn]] void fail(int error, const std::string& what) {
    throw std::system_error(error, std::generic_category(), what);
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

std::uint64_t randomBits() {
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof bits)) {
        return bits;
    }
    // Without the kernel's generator, the clock and a counter; O_EXCL keeps
    // names apart either way, this only keeps retries rare.
    static std::atomic<std::uint64_t> counter{0};
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return (ticks * 0x9E3779B97F4A7C15ULL) ^ (counter.fetch_add(1) << 20U) ^
           static_cast<std::uint64_t>(::getpid());
}

// ".<target name>.<random letters>", the target's name shortened where the
// whole would be longer than a file name may be.
std::string temporaryName(const std::filesystem::path& target) {
    std::string name = target.filename().string();
    const std::size_t room = NAME_MAX - kRandomLetters - 2;
    if (name.size() > room) {
        name.resize(room);
    }
    std::string result = "." + name + ".";
    std::uint64_t bits = randomBits();
    for (std::size_t i = 0; i < kRandomLetters; ++i) {
        result += kLetters[bits % kLetters.size()];
        bits /= kLetters.size();
    }
    return result;
}

}  // namespace

bool isTemporaryName(std::string_view fileName) {
    // ".", at least one letter of the target's name, ".", the random letters.
    if (fileName.size() < kRandomLetters + 3 || fileName.front() != '.') {
        return false;
    }
    const std::size_t dot = fileName.size() - kRandomLetters - 1;
    if (fileName[dot] != '.') {
        return false;
    }
    const std::string_view letters = fileName.substr(dot + 1);
    return letters.find_first_not_of(kLetters) == std::string_view::npos;
}

namespace {

// Flushes the folder so that the rename itself survives a crash. The target
// holds the new contents already, so a folder that cannot be opened (one
// without read permission) or flushed does not fail the replacement.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

AtomicReplacement::AtomicReplacement(std::filesystem::path target, FileMode mode)
    : target_(std::move(target)), mode_(mode) {
    const std::filesystem::path folder = folderOf(target_);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::filesystem::path candidate = folder / temporaryName(target_);
        // The writer's alone until commit() gives it its permissions: the
        // new contents may be a password, and a reader that opened the file
        // now would keep reading it after a later chmod.
        fd_ = ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd_ >= 0) {
            temporary_ = std::move(candidate);
            return;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    const int error = errno;
    fail(error, "Cannot create a temporary file in " + folder.string());
}

AtomicReplacement::~AtomicReplacement() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

void AtomicReplacement::write(std::string_view bytes) {
    if (fd_ < 0) {
        throw std::logic_error("The replacement of " + target_.string() + " is committed.");
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            const int error = errno;
            if (error == EINTR) {
                continue;
            }
            fail(error, "Cannot write " + target_.string());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicReplacement::commit() {
    if (fd_ < 0) {
        throw std::logic_error("The replacement of " + target_.string() + " is committed.");
    }
    const std::string writing = "Cannot write " + target_.string();
    const std::string replacing = "Cannot replace " + target_.string();
    if (::fchmod(fd_, mode_.forTarget(target_)) != 0) {
        fail(errno, writing);
    }
    if (::fsync(fd_) != 0) {
        fail(errno, writing);
    }
    if (::close(std::exchange(fd_, -1)) != 0) {
        fail(errno, writing);
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail(errno, replacing);
    }
    temporary_.clear();
    syncFolder(folderOf(target_));
}

std::error_code replaceFile(const std::filesystem::path& target, std::string_view bytes,
                            FileMode mode) {
    try {
        AtomicReplacement replacement(target, mode);
        replacement.write(bytes);
        replacement.commit();
        return {};
    } catch (const std::system_error& failure) {
        return failure.code();
    }
}

}  // namespace lumar::fs
