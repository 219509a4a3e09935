// The "ASExtra" table's procedures: platform texts of paths and paths made
// from a folder and a file name.

#include <cstdlib>
#include <cstring>

#include "platform/host/host.h"
#include "platform/host/host_error.h"
#include "platform/pdf/path.h"

namespace lumar::host {

namespace {

DocumentStore& store() {
    return Host::current().documents();
}

char* platformPathText(FileSystem* fileSystem, const HostPath* path) {
    store().checkedFileSystem(fileSystem);
    const std::string text = pdf::platformPathText(store().checked(path).path());
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy == nullptr) {
        throw HostError(error::kNoMemory, "Out of memory.");
    }
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

HostPath* pathFromFolderAndName(FileSystem* fileSystem, Atom kind, const void* description) {
    store().checkedFileSystem(fileSystem);
    if (description == nullptr) {
        return nullptr;
    }
    const std::string& kindName = Host::current().atoms().name(kind);
    if (kindName == kFolderPathNameKind) {
        const auto* folderAndName = static_cast<const FolderPathName*>(description);
        if (folderAndName->folder == nullptr || folderAndName->fileName == nullptr) {
            return nullptr;
        }
        std::optional<std::filesystem::path> path =
            pdf::pathFromFolderAndName(folderAndName->folder, folderAndName->fileName);
        return path ? store().newPath(*path) : nullptr;
    }
    if (kindName == kCstringKind) {
        const auto* fullPath = static_cast<const char*>(description);
        return *fullPath != '\0' ? store().newPath(pdf::pathFromPlatformText(fullPath)) : nullptr;
    }
    return nullptr;
}

}  // namespace

ASExtraTable makeASExtraTable() {
    return ASExtraTable{platformPathText, pathFromFolderAndName};
}

}  // namespace lumar::host
