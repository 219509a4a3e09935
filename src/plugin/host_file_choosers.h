#pragma once

// The folder and file choosers as the plug-in has them shown: through the
// host's chooser roles (file dialogs on the desktop, the responder or the
// command line's answers headless). Installed at initialisation, taken away
// at unload.

#include "config/file_choosers.h"

namespace lumar {

class HostFileChoosers : public FileChoosers {
protected:
    std::optional<std::string> showFolderDialog(const FolderDialogRequest& request) override;
    std::optional<std::string> showOpenDialog(const FileDialogRequest& request) override;
    std::optional<std::string> showSaveDialog(const FileDialogRequest& request) override;
};

// The plug-in's one instance.
HostFileChoosers& TheHostFileChoosers();

}  // namespace lumar
