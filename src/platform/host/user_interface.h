#pragma once

// The user-interface roles of a host: what the headless host answers from a
// responder and in-memory models, and the desktop host with windows. All
// other roles (tables, atoms, callbacks, memory, texts, documents, files)
// are the same in every host.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/host/host_types.h"
#include "platform/host/messages.h"

namespace lumar::pdf {
class Document;
}

namespace lumar::host {

class DocumentView;
class MenuBar;
class ToolSet;
struct PrintParams;
struct ProgressMonitor;

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Messages: the alert note, and the alert with buttons (returns 1 to 3).
    virtual void alertNote(const std::string& message) = 0;
    virtual int alert(const Question& question) = 0;

    // Choosers: the chosen path, or none when the user cancelled.
    virtual std::optional<std::string> chooseFolder(const FolderChoice& choice) = 0;
    virtual std::optional<std::string> chooseOpenFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> chooseSaveFile(const FileChoice& choice) = 0;

    // The menu bar (none when the host has none) and the page-view tools.
    virtual MenuBar* menuBar() = 0;
    virtual ToolSet& tools() = 0;

    // The document the user works in, or none.
    virtual DocumentView* activeDocument() = 0;

    // Opening views for extensions ("open view of document", "open document
    // in a view from a path"). A host that has not taken these over refuses
    // them with a HostError.
    //
    // Shows a document in a new view, which becomes the active one. The
    // view takes the document over only when it is made: after a failure
    // the caller still holds it.
    virtual DocumentView* showDocument(std::unique_ptr<pdf::Document>&& document);
    // The view showing the file at `path`, or none.
    virtual DocumentView* viewShowing(const std::filesystem::path& path);
    // Brings a view to the front: it becomes the active document.
    virtual void activate(DocumentView* view);

    // Modal state: while a dialog of an extension is open the host is modal.
    virtual void beginModal(HostWindow window) = 0;
    virtual void endModal() = 0;
    [[nodiscard]] virtual bool isModal() const = 0;

    // Host windows made from platform windows of an extension's dialogs.
    virtual HostWindow hostWindowFromPlatform(void* platformWindow, int kind) = 0;
    virtual void destroyHostWindow(HostWindow window) = 0;

    // The progress monitor of the active document window (its client data
    // goes to `clientData`), or none.
    virtual const ProgressMonitor* documentProgressMonitor(void** clientData) = 0;

    // Prints a view's document; the host sets `params.result` (0 = printed).
    virtual void print(DocumentView& view, PrintParams& params) = 0;

    // Opens a file with the program the desktop associates with its type.
    // False when it cannot (a host without a desktop opens nothing).
    virtual bool openWithAssociatedProgram(const std::filesystem::path& path);
};

}  // namespace lumar::host
