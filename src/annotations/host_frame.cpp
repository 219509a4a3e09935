#include "annotations/host_frame.h"

#include <string>

#include "config/file_names.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"

namespace lumar {

void ShowHostError(std::string_view heading, const host::HostError& error) {
    host::alertNote(std::string(heading) + " " + host::hostErrorText(error));
}

AcquiredPage::~AcquiredPage() {
    if (page_ != nullptr) {
        try {
            host::releasePage(page_);
        } catch (const host::HostError& error) {
            ShowHostError(kPageError, error);
        }
    }
}

pdf::Page* AcquirePageOrReport(pdf::Document* document, int index) {
    try {
        return host::acquirePage(document, index);
    } catch (const host::HostError& error) {
        ShowHostError(kPageError, error);
        return nullptr;
    }
}

pdf::Document* ActivePdfDocument() {
    host::DocumentView* view = host::activeDocument();
    if (view == nullptr) {
        host::alertNote("Open a PDF first");
        return nullptr;
    }
    pdf::Document* document = host::documentOfView(view);
    if (document == nullptr) {
        host::alertNote("Could not get pdDoc of opened PDF");
    }
    return document;
}

std::string DocumentPathText(pdf::Document* document) {
    host::FileSystem* fileSystem = host::defaultFileSystem();
    const host::HeldPath path(fileSystem, host::pathOfOpenFile(host::fileOfDocument(document)));
    return host::platformPathText(fileSystem, path.get());
}

std::optional<std::string> DocumentBaseName(std::string_view path) {
    if (path.find('/') == std::string_view::npos) {
        return std::nullopt;
    }
    return BaseName(path);
}

HeldFile::~HeldFile() {
    if (file_ != nullptr) {
        host::closeFile(file_);
    }
}

bool HeldFile::close() {
    host::HostFile* file = file_;
    file_ = nullptr;
    return file == nullptr || host::closeFile(file) == 0;
}

}  // namespace lumar
