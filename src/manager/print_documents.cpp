#include "manager/print_documents.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "config/file_names.h"
#include "merge/merge_names.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "service/wait_cursor.h"
#include "ui/message_box.h"
#include "ui/progress.h"

namespace lumar {

namespace {

// The host's constant print settings for the plug-in's prints.
constexpr std::uint16_t kField6 = 1;
constexpr std::uint16_t kField64 = 2;
constexpr std::int32_t kField88 = -3;

bool AskToPrintSeveral() {
    MessageBoxRequest question;
    question.title = "Print multiple documents";
    question.text = "This might take a while...\r\nAre you sure?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::OkCancel;
    question.defaultButton = 1;
    return ShowMessageBox(question) == MessageAnswer::Ok;
}

std::string DocumentOfText(std::size_t number, std::size_t count) {
    return "Printing document " + std::to_string(number) + " of " + std::to_string(count) + "...";
}

}  // namespace

host::PrintParams MakePrintParams(std::int32_t pageCount, bool single, host::HostWindow owner) {
    host::PrintParams params;
    params.interactive = single ? 1 : 0;
    params.field6 = kField6;
    params.firstPage = 0;
    params.lastPage = pageCount - 1;
    params.field56 = single ? 0 : 1;
    params.field64 = kField64;
    params.field88 = kField88;
    params.ownerWindow = owner;
    return params;
}

host::DocumentView* OpenDocument(FolderKind kind, const std::string& sapCode,
                                 const std::string& fileName) {
    const std::string folder = ResolveFolder(kind, sapCode);
    if (folder.empty()) {
        return nullptr;
    }
    // A name from the service must not lead out of the folder.
    if (!IsSafeDocumentFileName(fileName)) {
        host::alertNote("Invalid document file name: " + fileName);
        return nullptr;
    }
    const std::string exact = DocumentPath(folder, fileName);
    const std::string path = FindFileIgnoringCase(exact).value_or(exact);
    try {
        host::FileSystem* fileSystem = host::defaultFileSystem();
        const host::HeldPath hostPath(fileSystem, host::pathFromFullPath(fileSystem, path));
        host::DocumentView* view = hostPath.get() != nullptr
                                       ? host::openDocumentInView(hostPath.get(), fileSystem)
                                       : nullptr;
        if (view == nullptr) {
            host::alertNote("Cannot open document " + path);
        }
        return view;
    } catch (const host::HostError& error) {
        host::alertNote("Cannot open document " + path + ": " + host::hostErrorText(error));
        return nullptr;
    }
}

bool PrintDocument(host::DocumentView* view, bool single, host::HostWindow owner) {
    if (view == nullptr) {
        return false;
    }
    try {
        const int pages = host::pageCount(host::documentOfView(view));
        host::PrintParams params = MakePrintParams(pages, single, owner);
        host::printDocumentWithParameters(view, &params);
        return params.result == 0;
    } catch (const host::HostError& error) {
        std::string message = "Error printing document:";
        if (error.code() != 0) {
            message += " " + host::hostErrorText(error);
        }
        host::alertNote(message);
        return false;
    }
}

void PrintSelectedDocuments(const PrintSelection& selection) {
    const std::size_t count = selection.documents.size();
    if (count == 0) {
        return;
    }
    const bool single = count == 1;
    if (!single && !AskToPrintSeveral()) {
        return;
    }
    WaitCursor wait;
    if (!single) {
        std::int64_t total = 0;
        for (const PrintableDocument& document : selection.documents) {
            total += document.Page_count;
        }
        BeginProgress(selection.parentWindow, true, false, 0,
                      static_cast<std::int32_t>(std::min<std::int64_t>(total, INT32_MAX)),
                      "Printing documents...");
    }
    std::int64_t printed = 0;
    for (std::size_t index = 0; index < count; ++index) {
        const PrintableDocument& document = selection.documents[index];
        if (!single) {
            PumpMessages();
            if (ProgressCancelled()) {
                host::alertNote("Print aborted by user.");
                break;
            }
            SetProgress(static_cast<std::int32_t>(std::min<std::int64_t>(printed, INT32_MAX)),
                        DocumentOfText(index + 1, count).c_str());
            printed += document.Page_count;
        }
        host::DocumentView* view =
            OpenDocument(selection.folder, selection.sapCode, document.Doc_file);
        if (!PrintDocument(view, single, selection.hostWindow)) {
            break;
        }
    }
    if (!single) {
        EndProgress("Done");
    }
}

}  // namespace lumar
