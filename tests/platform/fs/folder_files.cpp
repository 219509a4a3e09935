#include "platform/fs/folder_files.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lumar::fs::testing {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

mode_t permissionsOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        throw std::runtime_error("cannot stat " + path.string());
    }
    return status.st_mode & 07777;
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string patternText(std::size_t size, char mark) {
    std::string text;
    text.reserve(size + 16);
    for (std::size_t line = 0; text.size() < size; ++line) {
        text += mark + std::to_string(line) + '\n';
    }
    text.resize(size);
    return text;
}

}  // namespace lumar::fs::testing
