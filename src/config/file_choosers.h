#pragma once

// The folder and file choosers, a service of the host: file dialogs on the
// desktop, answers from flags or scripts on the command line.
//
// Callers use the three choose functions with the arguments they know
// (initial path, default name, a filter in the form
// "label|pattern|label|pattern||", the owner window). The rules that need no
// window live here: where a dialog starts and whether the initial path is used
// whole. A host implements only the show functions.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumar {

// The host's window handle; opaque here.
using OwnerWindow = void*;

struct FileFilter {
    std::string label;    // "Lumar Annotations Files (*.ann)"
    std::string pattern;  // "*.ann"; several patterns are separated by ';'

    bool operator==(const FileFilter&) const = default;
};

// "label|pattern|...||" into its pairs; a label without a pattern is dropped.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

// Open and save dialogs. Both keep the current folder of the process; neither
// offers a read-only box. An open dialog accepts only existing files; a save
// dialog asks before overwriting one.
struct FileDialogRequest {
    std::string startPath;         // a folder ending in '/', or a file's full path
    std::string defaultExtension;  // added to a typed name without one ("ann"), may be empty
    std::vector<FileFilter> filters;
    OwnerWindow owner = nullptr;

    bool operator==(const FileDialogRequest&) const = default;
};

// A folder browser for file-system folders with an edit box that accepts typed
// paths. Its caption is the title; the prompt stands above the tree; the start
// folder (if not empty) is selected and shown in the edit box, and the edit box
// follows the selection.
struct FolderDialogRequest {
    std::string startFolder;
    std::string title;
    std::string prompt;
    OwnerWindow owner = nullptr;

    bool operator==(const FolderDialogRequest&) const = default;
};

// Where an open or save dialog starts: the nearest existing folder of the
// initial path, with '/' appended; the whole initial path when it lies in that
// folder (compared without regard to case) and the rest is a usable file name;
// otherwise that folder plus the default name.
std::string FileChooserStartPath(std::string_view initialPath, std::string_view defaultName);

// The extension of the default name ("Book.ann" -> "ann"), or "".
std::string DefaultExtension(std::string_view defaultName);

class FileChoosers {
public:
    virtual ~FileChoosers() = default;

    // Each returns the chosen path, or none when the user cancelled.
    std::optional<std::string> chooseFolder(std::string_view initialFolder, std::string_view title,
                                            std::string_view prompt, OwnerWindow owner);
    std::optional<std::string> chooseOpenFile(std::string_view initialPath,
                                              std::string_view defaultName, std::string_view filter,
                                              OwnerWindow owner);
    std::optional<std::string> chooseSaveFile(std::string_view initialPath,
                                              std::string_view defaultName, std::string_view filter,
                                              OwnerWindow owner);

protected:
    virtual std::optional<std::string> showFolderDialog(const FolderDialogRequest& request) = 0;
    virtual std::optional<std::string> showOpenDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> showSaveDialog(const FileDialogRequest& request) = 0;
};

// The host's choosers (not owned); until one is installed every chooser
// answers as if cancelled.
void SetFileChoosers(FileChoosers* choosers);
FileChoosers* InstalledFileChoosers();

std::optional<std::string> ChooseFolder(std::string_view initialFolder, std::string_view title,
                                        std::string_view prompt, OwnerWindow owner);
std::optional<std::string> ChooseOpenFile(std::string_view initialPath,
                                          std::string_view defaultName, std::string_view filter,
                                          OwnerWindow owner);
std::optional<std::string> ChooseSaveFile(std::string_view initialPath,
                                          std::string_view defaultName, std::string_view filter,
                                          OwnerWindow owner);

}  // namespace lumar
