#pragma once

// Copying a file over another through an atomic replacement: the target is
// either the old file or the whole copy, and the copy has the source's
// permissions.

#include <filesystem>
#include <system_error>

namespace lumar::fs {

// Copies `source` to `target`, replacing it; the errno of a failure (ENOENT
// when the source is missing).
std::error_code copyFile(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace lumar::fs
