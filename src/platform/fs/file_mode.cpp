#include "platform/fs/file_mode.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace lumar::fs {

namespace {

constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kNewFileBits = 0666;

// The process's umask, read from /proc where Linux tells it. Setting it and
// setting it back, the only other way, leaves a moment in which a file that
// another thread creates gets no umask, so that is the fallback only.
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

FileMode FileMode::keepExisting(std::optional<mode_t> newFile) {
    return {true, newFile};
}

FileMode FileMode::exactly(mode_t mode) {
    return {false, mode & kPermissionBits};
}

mode_t FileMode::forTarget(const std::filesystem::path& target) const {
    if (keepExisting_) {
        struct stat existing {};
        if (::stat(target.c_str(), &existing) == 0) {
            return existing.st_mode & kPermissionBits;
        }
    }
    return mode_ ? (*mode_ & kPermissionBits) : (kNewFileBits & ~currentUmask());
}

}  // namespace lumar::fs
