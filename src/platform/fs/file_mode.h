#pragma once

// The permissions a replaced file ends up with.

#include <sys/types.h>

#include <filesystem>
#include <optional>

namespace lumar::fs {

class FileMode {
public:
    // The permissions of the file replaced. A new file gets `newFile`, or
    // without it what any newly created file gets: 0666 less the umask.
    static FileMode keepExisting(std::optional<mode_t> newFile = std::nullopt);

    // These permissions whether or not the target exists (a copy takes its
    // source's).
    static FileMode exactly(mode_t mode);

    // The permissions to give the new contents of `target`, looked up now.
    [[nodiscard]] mode_t forTarget(const std::filesystem::path& target) const;

private:
    FileMode(bool keepExisting, std::optional<mode_t> mode)
        : keepExisting_(keepExisting), mode_(mode) {}

    bool keepExisting_;
    std::optional<mode_t> mode_;
};

}  // namespace lumar::fs
