#include "platform/pdf/path.h"

#include "platform/text/cp1252.h"

namespace lumar::pdf {

std::filesystem::path pathFromPlatformText(const std::string& cp1252) {
    return std::filesystem::path(text::toUtf8(cp1252));
}

std::string platformPathText(const std::filesystem::path& path) {
    return text::fromUtf8(path.string());
}

std::optional<std::filesystem::path> pathFromFolderAndName(const std::string& folder,
                                                           const std::string& name) {
    if (folder.empty() || name.empty() || name == "." || name == ".." ||
        name.find('/') != std::string::npos || name.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return pathFromPlatformText(folder) / pathFromPlatformText(name);
}

}  // namespace lumar::pdf
