#pragma once

// The user-interface roles of the desktop host: message boxes, file
// dialogs, the menu bar, the page-view tools, the open documents of the main
// window, modal state, host windows, the status-bar progress monitor and
// printing. The document layer and the tables are the shared host's.

#include <QString>
#include <QUrl>
#include <functional>
#include <map>

#include "platform/host/menu_model.h"
#include "platform/host/tool_set.h"
#include "platform/host/user_interface.h"

class QWidget;

namespace lumar::desk {

class MainWindow;

class DesktopUi : public host::UserInterface {
public:
    DesktopUi();
    ~DesktopUi() override;

    // The window that shows documents, messages and progress; none until the
    // main window is made.
    void attach(MainWindow* window) { window_ = window; }

    void alertNote(const std::string& message) override;
    int alert(const host::Question& question) override;
    std::optional<std::string> chooseFolder(const host::FolderChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const host::FileChoice& choice) override;
    std::optional<std::string> chooseSaveFile(const host::FileChoice& choice) override;
    host::MenuBar* menuBar() override { return &menuBar_; }
    host::ToolSet& tools() override { return tools_; }
    host::DocumentView* activeDocument() override;
    host::DocumentView* showDocument(std::unique_ptr<pdf::Document>&& document) override;
    host::DocumentView* viewShowing(const std::filesystem::path& path) override;
    void activate(host::DocumentView* view) override;
    void beginModal(host::HostWindow window) override;
    void endModal() override;
    bool isModal() const override { return modalDepth_ > 0; }
    host::HostWindow hostWindowFromPlatform(void* platformWindow, int kind) override;
    void destroyHostWindow(host::HostWindow window) override;
    const host::ProgressMonitor* documentProgressMonitor(void** clientData) override;
    void print(host::DocumentView& view, host::PrintParams& params) override;
    // Hands the file to the desktop (xdg-open), which opens it with the
    // program the user chose for its type.
    bool openWithAssociatedProgram(const std::filesystem::path& path) override;

    // Opening with the associated program calls this instead of the
    // desktop when set (tests).
    void setAssociatedProgramOpener(std::function<bool(const QUrl&)> opener) {
        opener_ = std::move(opener);
    }

    // Printing goes to this PDF file instead of a printer when set (tests,
    // and printing to a file from the command line).
    void setPrintToFile(const QString& pdfPath) { printToFile_ = pdfPath; }

    std::size_t hostWindowCount() const { return windows_.size(); }

private:
    QWidget* dialogParent() const;
    // The owner a chooser was given when it is a live window, else the
    // usual parent.
    QWidget* ownerOr(void* owner) const;

    MainWindow* window_ = nullptr;
    host::MenuBar menuBar_;
    host::ToolSet tools_;
    int modalDepth_ = 0;
    std::map<host::HostWindow, void*> windows_;
    host::HostWindow lastWindow_ = 0;
    QString printToFile_;
    std::function<bool(const QUrl&)> opener_;
};

}  // namespace lumar::desk
