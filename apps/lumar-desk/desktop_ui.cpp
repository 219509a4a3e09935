#include "desktop_ui.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>

#include "document_tab.h"
#include "file_dialogs.h"
#include "main_window.h"
#include "message_boxes.h"
#include "platform/host/host_error.h"
#include "platform/host/print_params.h"
#include "platform/pdf/document.h"
#include "printing.h"
#include "status_progress.h"

namespace lumar::desk {

DesktopUi::DesktopUi() = default;
DesktopUi::~DesktopUi() = default;

QWidget* DesktopUi::dialogParent() const {
    // A dialog of an extension that is open is the better owner of a message
    // than the main window behind it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return window_;
}

QWidget* DesktopUi::ownerOr(void* owner) const {
    if (owner != nullptr) {
        for (QWidget* widget : QApplication::allWidgets()) {
            if (widget == owner) {
                return widget;
            }
        }
    }
    return dialogParent();
}

void DesktopUi::alertNote(const std::string& message) {
    showAlertNote(dialogParent(), message);
}

int DesktopUi::alert(const host::Question& question) {
    return showAlert(dialogParent(), question);
}

std::optional<std::string> DesktopUi::chooseFolder(const host::FolderChoice& choice) {
    return desk::chooseFolder(ownerOr(choice.owner), choice);
}

std::optional<std::string> DesktopUi::chooseOpenFile(const host::FileChoice& choice) {
    return desk::chooseOpenFile(ownerOr(choice.owner), choice);
}

std::optional<std::string> DesktopUi::chooseSaveFile(const host::FileChoice& choice) {
    return desk::chooseSaveFile(ownerOr(choice.owner), choice);
}

host::DocumentView* DesktopUi::activeDocument() {
    DocumentTab* tab = window_ != nullptr ? window_->activeTab() : nullptr;
    return tab != nullptr ? &tab->view() : nullptr;
}

host::DocumentView* DesktopUi::showDocument(std::unique_ptr<pdf::Document>&& document) {
    if (window_ == nullptr) {
        return UserInterface::showDocument(std::move(document));
    }
    // The tab takes the document over only once it is made.
    return &window_->showDocument(std::move(document))->view();
}

host::DocumentView* DesktopUi::viewShowing(const std::filesystem::path& path) {
    DocumentTab* tab = window_ != nullptr ? window_->tabShowing(path) : nullptr;
    return tab != nullptr ? &tab->view() : nullptr;
}

void DesktopUi::activate(host::DocumentView* view) {
    DocumentTab* tab = window_ != nullptr ? window_->tabOf(view) : nullptr;
    if (tab == nullptr) {
        throw host::HostError(host::error::kBadParameter, "The document is not open in a view.");
    }
    window_->activate(tab);
}

void DesktopUi::beginModal(host::HostWindow /*window*/) {
    ++modalDepth_;
}

void DesktopUi::endModal() {
    if (modalDepth_ > 0) {
        --modalDepth_;
    }
}

host::HostWindow DesktopUi::hostWindowFromPlatform(void* platformWindow, int /*kind*/) {
    if (platformWindow == nullptr) {
        return 0;
    }
    windows_.emplace(++lastWindow_, platformWindow);
    return lastWindow_;
}

void DesktopUi::destroyHostWindow(host::HostWindow window) {
    windows_.erase(window);
}

const host::ProgressMonitor* DesktopUi::documentProgressMonitor(void** clientData) {
    if (window_ == nullptr) {
        return nullptr;
    }
    StatusProgress& progress = window_->progress();
    if (clientData != nullptr) {
        *clientData = progress.clientData();
    }
    return &progress.monitor();
}

void DesktopUi::print(host::DocumentView& view, host::PrintParams& params) {
    DocumentTab* tab = window_ != nullptr ? window_->tabOf(&view) : nullptr;
    if (tab == nullptr) {
        params.result = 1;
        return;
    }
    PrintRequest request;
    request.firstPage = params.firstPage;
    request.lastPage = params.lastPage;
    request.interactive = params.interactive != 0;
    request.toFile = printToFile_;
    params.result = printDocument(dialogParent(), tab->document(), request) ? 0 : 1;
}

bool DesktopUi::openWithAssociatedProgram(const std::filesystem::path& path) {
    const QString file = QString::fromStdString(path.string());
    if (!QFileInfo(file).isFile()) {
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    return opener_ ? opener_(url) : QDesktopServices::openUrl(url);
}

}  // namespace lumar::desk
