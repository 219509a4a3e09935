#pragma once

// Paths inside the system are Windows-1252 texts; the file system of this
// platform names files in UTF-8. These two functions cross that edge.

#include <filesystem>
#include <string>
#include <string_view>

namespace lumar {

inline constexpr char kPathSeparator = '/';

std::filesystem::path FileSystemPath(std::string_view path);

// Characters that Windows-1252 lacks become '?'.
std::string SystemPath(const std::filesystem::path& path);

}  // namespace lumar
