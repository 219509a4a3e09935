#include "config/file_choosers.h"

#include "config/file_names.h"
#include "config/file_system_path.h"
#include "config/path_check.h"
#include "platform/text/cp1252.h"

namespace lumar {

namespace {

FileChoosers* installedChoosers = nullptr;

FileDialogRequest fileRequest(std::string_view initialPath, std::string_view defaultName,
                              std::string_view filter, OwnerWindow owner) {
    return {FileChooserStartPath(initialPath, defaultName), DefaultExtension(defaultName),
            ParseFileFilter(filter), owner};
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
    std::vector<std::string_view> parts;
    while (!filter.empty()) {
        const size_t bar = filter.find('|');
        parts.push_back(filter.substr(0, bar));
        filter = bar == std::string_view::npos ? std::string_view() : filter.substr(bar + 1);
    }
    std::vector<FileFilter> filters;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) {
            break;  // the "||" that ends the list
        }
        filters.push_back({std::string(parts[i]), std::string(parts[i + 1])});
    }
    return filters;
}

std::string FileChooserStartPath(std::string_view initialPath, std::string_view defaultName) {
    std::string folder(initialPath);
    NearestExistingFolder(folder);
    if (folder.empty() || folder.back() != kPathSeparator) {
        folder += kPathSeparator;
    }
    if (initialPath.size() > folder.size() &&
        text::equalsIgnoreCase(initialPath.substr(0, folder.size()), folder) &&
        IsUsableFileName(initialPath.substr(folder.size()))) {
        return std::string(initialPath);
    }
    return folder + std::string(defaultName);
}

std::string DefaultExtension(std::string_view defaultName) {
    const size_t dot = defaultName.rfind('.');
    if (dot == std::string_view::npos) {
        return "";
    }
    const std::string_view extension = defaultName.substr(dot + 1);
    return extension.find_first_of("*?") == std::string_view::npos ? std::string(extension) : "";
}

std::optional<std::string> FileChoosers::chooseFolder(std::string_view initialFolder,
                                                      std::string_view title,
                                                      std::string_view prompt, OwnerWindow owner) {
    std::string start(initialFolder);
    NearestExistingFolder(start);
    return showFolderDialog({start, std::string(title), std::string(prompt), owner});
}

std::optional<std::string> FileChoosers::chooseOpenFile(std::string_view initialPath,
                                                        std::string_view defaultName,
                                                        std::string_view filter,
                                                        OwnerWindow owner) {
    return showOpenDialog(fileRequest(initialPath, defaultName, filter, owner));
}

std::optional<std::string> FileChoosers::chooseSaveFile(std::string_view initialPath,
                                                        std::string_view defaultName,
                                                        std::string_view filter,
                                                        OwnerWindow owner) {
    return showSaveDialog(fileRequest(initialPath, defaultName, filter, owner));
}

void SetFileChoosers(FileChoosers* choosers) {
    installedChoosers = choosers;
}

FileChoosers* InstalledFileChoosers() {
    return installedChoosers;
}

std::optional<std::string> ChooseFolder(std::string_view initialFolder, std::string_view title,
                                        std::string_view prompt, OwnerWindow owner) {
    if (installedChoosers == nullptr) {
        return std::nullopt;
    }
    return installedChoosers->chooseFolder(initialFolder, title, prompt, owner);
}

std::optional<std::string> ChooseOpenFile(std::string_view initialPath,
                                          std::string_view defaultName, std::string_view filter,
                                          OwnerWindow owner) {
    if (installedChoosers == nullptr) {
        return std::nullopt;
    }
    return installedChoosers->chooseOpenFile(initialPath, defaultName, filter, owner);
}

std::optional<std::string> ChooseSaveFile(std::string_view initialPath,
                                          std::string_view defaultName, std::string_view filter,
                                          OwnerWindow owner) {
    if (installedChoosers == nullptr) {
        return std::nullopt;
    }
    return installedChoosers->chooseSaveFile(initialPath, defaultName, filter, owner);
}

}  // namespace lumar
