#pragma once

// Small file helpers for the tests of atomic replacement and copying.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumar::fs::testing {

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);
mode_t permissionsOf(const std::filesystem::path& path);
// The names in `folder`, hidden ones included, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);
// `size` bytes that differ from line to line, so a partial or mixed file shows.
std::string patternText(std::size_t size, char mark);

}  // namespace lumar::fs::testing
