#include "platform/host/headless_ui.h"

#include <algorithm>

#include "platform/host/host_error.h"
#include "platform/pdf/document.h"
#include "platform/pdf/path.h"

namespace lumar::host {

HeadlessUi::HeadlessUi(Responder& responder) : responder_(responder) {}

void HeadlessUi::alertNote(const std::string& message) {
    responder_.note(message);
}

int HeadlessUi::alert(const Question& question) {
    return responder_.answer(question);
}

std::optional<std::string> HeadlessUi::chooseFolder(const FolderChoice& choice) {
    return responder_.chooseFolder(choice);
}

std::optional<std::string> HeadlessUi::chooseOpenFile(const FileChoice& choice) {
    return responder_.chooseOpenFile(choice);
}

std::optional<std::string> HeadlessUi::chooseSaveFile(const FileChoice& choice) {
    return responder_.chooseSaveFile(choice);
}

DocumentView* HeadlessUi::activeDocument() {
    return views_.empty() ? nullptr : views_.back().get();
}

DocumentView* HeadlessUi::showDocument(std::unique_ptr<pdf::Document>&& document) {
    const std::filesystem::path path = document->path();
    std::string title = path.empty() ? "Untitled" : pdf::platformPathText(path.filename());
    return &openView(std::make_unique<DocumentView>(std::move(title), std::move(document)));
}

DocumentView* HeadlessUi::viewShowing(const std::filesystem::path& path) {
    for (const auto& view : views_) {
        if (view->document() != nullptr && view->document()->isOpen() &&
            view->document()->path() == path) {
            return view.get();
        }
    }
    return nullptr;
}

void HeadlessUi::beginModal(HostWindow /*window*/) {
    ++modalDepth_;
}

void HeadlessUi::endModal() {
    if (modalDepth_ > 0) {
        --modalDepth_;
    }
}

HostWindow HeadlessUi::hostWindowFromPlatform(void* platformWindow, int /*kind*/) {
    if (platformWindow == nullptr) {
        return 0;
    }
    windows_.insert(++lastWindow_);
    return lastWindow_;
}

void HeadlessUi::destroyHostWindow(HostWindow window) {
    windows_.erase(window);
}

const ProgressMonitor* HeadlessUi::documentProgressMonitor(void** clientData) {
    if (clientData != nullptr) {
        *clientData = progress_.clientData();
    }
    return &progress_.monitor();
}

void HeadlessUi::print(DocumentView& view, PrintParams& params) {
    params.result = printResult_;
    prints_.push_back(PrintJob{view.title(), params});
}

bool HeadlessUi::openWithAssociatedProgram(const std::filesystem::path& path) {
    openedWithProgram_.push_back(path);
    return associatedProgramOpens_;
}

DocumentView& HeadlessUi::openView(std::unique_ptr<DocumentView> view) {
    views_.push_back(std::move(view));
    return *views_.back();
}

void HeadlessUi::closeView(DocumentView* view) {
    std::erase_if(views_, [view](const auto& open) { return open.get() == view; });
}

void HeadlessUi::activate(DocumentView* view) {
    auto found = std::find_if(views_.begin(), views_.end(),
                              [view](const auto& open) { return open.get() == view; });
    if (found == views_.end()) {
        throw HostError(error::kBadParameter, "The document is not open in a view.");
    }
    std::rotate(found, found + 1, views_.end());
}

}  // namespace lumar::host
