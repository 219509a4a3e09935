#include "config/file_system_path.h"

#include "platform/text/cp1252.h"

namespace lumar {

std::filesystem::path FileSystemPath(std::string_view path) {
    return std::filesystem::path(text::toUtf8(path));
}

std::string SystemPath(const std::filesystem::path& path) {
    return text::fromUtf8(path.string());
}

}  // namespace lumar
