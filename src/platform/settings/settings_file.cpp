#include "platform/settings/settings_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/fs/atomic_replacement.h"
#include "platform/fs/stale_temporaries.h"
#include "platform/settings/settings_warnings.h"

namespace lumar::settings {

namespace {

constexpr off_t kMaxFileSize = off_t{16} * 1024 * 1024;
constexpr auto kLockTimeout = std::chrono::seconds(10);

const char* describe(ErrorCode error) {
    switch (error) {
    case kErrorAccessDenied:
        return "permission denied";
    case kErrorDiskFull:
        return "the disk is full";
    case kErrorLockViolation:
        return "another program holds its lock";
    default:
        return "input/output error";
    }
}

ErrorCode errorFromErrno(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return kErrorAccessDenied;
    case ENOSPC:
    case EDQUOT:
        return kErrorDiskFull;
    default:
        return kErrorRegistryIoFailed;
    }
}

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

std::string envValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Writes go to the file a symbolic link points at (even one that does not
// exist yet), so the link survives.
std::filesystem::path writeTarget(std::filesystem::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, ec); ++hops) {
        std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

ErrorCode lockExclusive(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + kLockTimeout;
    auto pause = std::chrono::milliseconds(1);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return errorFromErrno(errno);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return kErrorLockViolation;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    return kSuccess;
}

// Opens the file for reading if it is one that can be read as a settings
// file. Nothing waits: a pipe is opened without blocking and refused.
// `why` says what is wrong with a file that exists but cannot be read.
ErrorCode openSettings(const std::filesystem::path& path, int& fd, bool& exists, std::string& why) {
    fd = -1;
    exists = false;
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return kSuccess;
        }
        exists = true;
        why = errno == ELOOP ? "its symbolic links form a loop" : std::strerror(errno);
        return errorFromErrno(errno);
    }
    exists = true;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        why = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        why = "it is a folder";
    } else if (!S_ISREG(info.st_mode)) {
        why = "it is not a regular file (a device, pipe or socket)";
    } else if (info.st_size > kMaxFileSize) {
        why = "it is larger than 16 MB";
    } else {
        return kSuccess;
    }
    return kErrorRegistryIoFailed;
}

ErrorCode readFile(const std::filesystem::path& path, std::string& bytes, bool& exists,
                   std::string& why) {
    bytes.clear();
    int opened = -1;
    const ErrorCode error = openSettings(path, opened, exists, why);
    const Descriptor fd(opened);
    if (error != kSuccess || fd.get() < 0) {
        return error;
    }
    char buffer[65536];
    while (true) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            why = std::strerror(errno);
            return errorFromErrno(errno);
        }
        if (count == 0) {
            return kSuccess;
        }
        bytes.append(buffer, static_cast<size_t>(count));
        if (bytes.size() > static_cast<size_t>(kMaxFileSize)) {
            why = "it is larger than 16 MB";
            return kErrorRegistryIoFailed;
        }
    }
}

// The file's name in messages: the file a link leads to, so that one file
// read under two names is reported once.
std::string reportedName(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(path, ec);
    return ec ? path.string() : real.string();
}

// Names the file as given and, behind a link, the file it leads to.
void reportFailure(const std::filesystem::path& path, const std::string& what) {
    const std::string real = reportedName(path);
    const std::string name = real == path.string() ? real : path.string() + " (" + real + ")";
    warnAboutDamage(name, LineDamage{0, "", what});
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

std::filesystem::path SettingsFile::defaultPath() {
    if (std::string explicitFile = envValue("LUMAR_REGISTRY"); !explicitFile.empty()) {
        return explicitFile;
    }
    std::filesystem::path config = envValue("XDG_CONFIG_HOME");
    if (config.empty() || !config.is_absolute()) {
        std::string home = envValue("HOME");
        if (home.empty()) {
            if (const passwd* user = ::getpwuid(::getuid());
                user != nullptr && user->pw_dir != nullptr) {
                home = user->pw_dir;
            }
        }
        config = std::filesystem::path(home) / ".config";
    }
    return config / "lumar" / "registry.reg";
}

std::optional<std::string> SettingsFile::problem() const {
    int opened = -1;
    bool exists = false;
    std::string why;
    const ErrorCode error = openSettings(path_, opened, exists, why);
    const Descriptor fd(opened);
    if (error == kSuccess) {
        return std::nullopt;
    }
    return why;
}

ErrorCode SettingsFile::read(RegDocument& document) const {
    std::string bytes;
    bool exists = false;
    std::string why;
    if (const ErrorCode error = readFile(path_, bytes, exists, why); error != kSuccess) {
        reportFailure(path_, "cannot be read: " + why);
        return error;
    }
    const std::string name = reportedName(path_);
    document = RegDocument::parse(bytes, [&](const LineDamage& d) { warnAboutDamage(name, d); });
    return kSuccess;
}

ErrorCode SettingsFile::update(const std::function<bool(RegDocument&)>& change) const {
    const ErrorCode error = store(change);
    if (error != kSuccess) {
        reportFailure(path_, "the change cannot be stored: " + std::string(describe(error)));
    }
    return error;
}

ErrorCode SettingsFile::store(const std::function<bool(RegDocument&)>& change) const {
    const std::filesystem::path target = writeTarget(path_);
    if (target.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(target.parent_path(), ec);
        if (ec) {
            return errorFromErrno(ec.value());
        }
        fs::sweepStaleTemporariesOnce(target.parent_path());
    }
    const std::string lockName = target.string() + ".lock";
    const Descriptor lock(::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.get() < 0) {
        return errorFromErrno(errno);
    }
    if (const ErrorCode error = lockExclusive(lock.get()); error != kSuccess) {
        return error;
    }
    RegDocument document;
    if (const ErrorCode error = SettingsFile(target).read(document); error != kSuccess) {
        return error;
    }
    if (!change(document)) {
        return kSuccess;
    }
    // Replacing goes through the folder, so a file made read-only would be
    // replaced all the same; it is refused as the registry refuses a key
    // without write access.
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT) {
        return errorFromErrno(errno);
    }
    // A new file is the user's alone: it holds the proxy password.
    const std::error_code written =
        fs::replaceFile(target, document.serialize(), fs::FileMode::keepExisting(0600));
    return written ? errorFromErrno(written.value()) : kSuccess;
}

}  // namespace lumar::settings
