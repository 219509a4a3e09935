#include "merge/merge_cleanup.h"

#include <filesystem>
#include <system_error>

#include "config/file_system_path.h"
#include "merge/merge_names.h"

namespace lumar {

std::string RemoveFilesOfRevertedMerge(const std::vector<std::string>& writtenFiles) {
    std::string removed;
    std::string kept;
    for (const std::string& file : writtenFiles) {
        std::error_code error;
        std::filesystem::remove(FileSystemPath(file), error);
        const std::string name(FileNamePart(file));
        if (error) {
            kept += "\r\n" + name + ": " + error.message();
        } else {
            removed += (removed.empty() ? "" : ", ") + name;
        }
    }
    std::string message;
    if (!removed.empty()) {
        message = "The merge has been reverted; the binder files it had written were removed: " +
                  removed + ".";
    }
    if (!kept.empty()) {
        message += std::string(message.empty() ? "" : "\r\n") +
                   "The merge has been reverted; these binder files it had written could not be "
                   "removed:" +
                   kept;
    }
    return message;
}

}  // namespace lumar
