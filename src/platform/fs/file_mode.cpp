#include "platform/fs/file_mode.h"

#include <sys/stat.h>

namespace lumar::fs {

namespace {

constexpr mode_t kPermissionBits = 07777;

}  // namespace

FileMode FileMode::keepExisting(std::optional<mode_t> newFile) {
    return {true, newFile};
}

FileMode FileMode::exactly(mode_t mode) {
    return {false, mode & kPermissionBits};
}

std::optional<mode_t> FileMode::forTarget(const std::filesystem::path& target) const {
    if (keepExisting_) {
        struct stat existing {};
        if (::stat(target.c_str(), &existing) == 0) {
            return existing.st_mode & kPermissionBits;
        }
    }
    return mode_ ? std::optional<mode_t>(*mode_ & kPermissionBits) : std::nullopt;
}

}  // namespace lumar::fs
