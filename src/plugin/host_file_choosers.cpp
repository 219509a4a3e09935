#include "plugin/host_file_choosers.h"

#include "platform/host/roles.h"

namespace lumar {

namespace {

std::string joinedFilter(const std::vector<FileFilter>& filters) {
    std::string joined;
    for (const FileFilter& filter : filters) {
        joined += filter.label + "|" + filter.pattern + "|";
    }
    return joined.empty() ? joined : joined + "|";
}

host::FileChoice fileChoice(const FileDialogRequest& request) {
    host::FileChoice choice;
    choice.initialPath = request.startPath;
    choice.filter = joinedFilter(request.filters);
    choice.owner = request.owner;
    choice.defaultExtension = request.defaultExtension;
    return choice;
}

}  // namespace

std::optional<std::string> HostFileChoosers::showFolderDialog(const FolderDialogRequest& request) {
    return host::chooseFolder(
        host::FolderChoice{request.startFolder, request.title, request.prompt, request.owner});
}

std::optional<std::string> HostFileChoosers::showOpenDialog(const FileDialogRequest& request) {
    return host::chooseOpenFile(fileChoice(request));
}

std::optional<std::string> HostFileChoosers::showSaveDialog(const FileDialogRequest& request) {
    return host::chooseSaveFile(fileChoice(request));
}

HostFileChoosers& TheHostFileChoosers() {
    static HostFileChoosers choosers;
    return choosers;
}

}  // namespace lumar
