#pragma once

// Paths as the system handles them: platform path texts are Windows-1252
// bytes inside the system and UTF-8 in the file system.

#include <filesystem>
#include <optional>
#include <string>

namespace lumar::pdf {

// A path from a Windows-1252 platform path text.
[[nodiscard]] std::filesystem::path pathFromPlatformText(const std::string& cp1252);

// The platform path text of a path (Windows-1252; '?' for characters the code
// page lacks).
[[nodiscard]] std::string platformPathText(const std::filesystem::path& path);

// A path from a folder and a file name, both platform texts. nullopt when
// the folder or the name is empty, or the name is not a plain file name (it
// holds a separator, or is "." or "..").
[[nodiscard]] std::optional<std::filesystem::path> pathFromFolderAndName(const std::string& folder,
                                                                         const std::string& name);

}  // namespace lumar::pdf
