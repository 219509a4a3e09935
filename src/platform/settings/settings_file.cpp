#include "platform/settings/settings_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/fs/atomic_replacement.h"
#include "platform/settings/settings_warnings.h"

namespace lumar::settings {

namespace {

constexpr off_t kMaxFileSize = off_t{16} * 1024 * 1024;
constexpr auto kLockTimeout = std::chrono::seconds(10);

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

ErrorCode readFile(const std::filesystem::path& path, std::string& bytes, bool& exists) {
    bytes.clear();
    exists = false;
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return kSuccess;
        }
        return errorFromErrno(errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileSize) {
        return kErrorRegistryIoFailed;
    }
    exists = true;
    char buffer[65536];
    while (true) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errorFromErrno(errno);
        }
        if (count == 0) {
            return kSuccess;
        }
        bytes.append(buffer, static_cast<size_t>(count));
        if (bytes.size() > static_cast<size_t>(kMaxFileSize)) {
            return kErrorRegistryIoFailed;
        }
    }
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

ErrorCode SettingsFile::read(RegDocument& document) const {
    std::string bytes;
    bool exists = false;
    if (const ErrorCode error = readFile(path_, bytes, exists); error != kSuccess) {
        return error;
    }
    const std::string name = path_.string();
    document = RegDocument::parse(bytes, [&](const LineDamage& d) { warnAboutDamage(name, d); });
    return kSuccess;
}

ErrorCode SettingsFile::update(const std::function<bool(RegDocument&)>& change) const {
    const std::filesystem::path target = writeTarget(path_);
    if (target.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(target.parent_path(), ec);
        if (ec) {
            return errorFromErrno(ec.value());
        }
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
