#include "manager/add_binders.h"

#include <cstdio>
#include <string>

#include "annotations/annotation_check.h"
#include "annotations/page_data.h"
#include "config/document_folders.h"
#include "config/file_choosers.h"
#include "config/file_names.h"
#include "manager/manager_dlg.h"
#include "merge/merge_state.h"
#include "pdftools/pdf_check.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/message_box.h"
#include "ui/progress.h"

namespace lumar {

namespace {

constexpr const char* kTitle = "Add publication";
constexpr const char* kFilter =
    "First binder files (*1H?*.pdf)|*1H?*.pdf|PDF files (*.pdf)|*.pdf|All Files (*.*)|*.*||";

// Asks the user to go on with `count` binders.
bool ConfirmCount(int count) {
    char text[64];
    std::snprintf(text, sizeof text, "Found %d binders to insert.", count);
    if (count == 0) {
        ShowMessageBox(kTitle, text, MessageIcon::Information);
        return false;
    }
    if (count == 1) {
        return true;
    }
    MessageBoxRequest question;
    question.title = kTitle;
    question.text = std::string(text) + " This might take a while...\r\nAre you sure?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::OkCancel;
    return ShowMessageBox(question) == MessageAnswer::Ok;
}

// Opens a binder file (with repair); none when the host cannot.
pdf::Document* OpenBinder(const std::string& path) {
    try {
        host::FileSystem* fileSystem = host::defaultFileSystem();
        const host::HeldPath hostPath(fileSystem, host::pathFromPlatformPath(fileSystem, path));
        if (hostPath.get() == nullptr) {
            return nullptr;
        }
        return host::openDocument(hostPath.get(), fileSystem, true);
    } catch (const host::HostError&) {
        return nullptr;
    }
}

bool ResetPublication(std::int32_t publicationId, WSIdResult& result) {
    return CWSClient().PublicationReset({LogUserID(), publicationId}, result);
}

// Inserts the binders one by one; returns success.
bool InsertBinders(CManagerDlg& manager, const std::string& firstBinderPath,
                   const std::string& folder, std::int32_t publicationId) {
    DeferredBinder1() = BinderDocInsertRequest{};
    for (int i = 1; i <= kMaxBinders; ++i) {
        PumpMessages();  // the host stays responsive between binders
        const std::optional<std::string> file = FindBinderFile(firstBinderPath, i);
        if (!file) {
            break;  // the normal end: the next binder is not there
        }
        pdf::Document* document = OpenBinder(*file);
        if (document == nullptr) {
            host::alertNote("PDF containing binder not found.");
            return false;
        }
        AnnotationCheck check;
        if (!CheckAnnotations(document, &check)) {
            CloseDocument(document);
            char heading[64];
            std::snprintf(heading, sizeof heading, "Insert aborted while processing binder %d!", i);
            host::alertWithButtons(host::AlertIcon::Question,
                                   std::string(heading) + "\r\n\r\n" + check.message, "Close");
            return false;
        }
        const std::string target = DocumentPath(folder, FileNamePart(*file));
        if (!StoreBinder(document, target, publicationId, i)) {
            return false;
        }
        manager.Refill();
    }
    BinderDocInsertRequest& binder1 = DeferredBinder1();
    binder1.LogUser_ID = LogUserID();
    binder1.Publication_ID = publicationId;
    binder1.Binder_number = 1;
    binder1.Publication_update = false;
    WSIdResult inserted;
    if (!CWSClient().BinderDocInsert(binder1, inserted)) {
        host::alertNote(inserted.Message);
        return false;
    }
    return true;
}

}  // namespace

BinderDocInsertRequest& DeferredBinder1() {
    static BinderDocInsertRequest request;
    return request;
}

std::optional<std::string> FindBinderFile(const std::string& firstBinderPath, int binder) {
    const std::optional<FirstBinderName> name = ParseFirstBinderName(firstBinderPath);
    if (!name) {
        return std::nullopt;
    }
    const std::optional<std::string> path =
        BinderFileName(name->prefix, binder, name->width, name->number);
    return path ? FindFileIgnoringCase(*path) : std::nullopt;
}

int CountBinders(const std::string& firstBinderPath) {
    int count = 0;
    while (count < kMaxBinders && FindBinderFile(firstBinderPath, count + 1)) {
        ++count;
    }
    return count;
}

bool StoreBinder(pdf::Document* document, const std::string& target, std::int32_t publicationId,
                 std::int32_t binder) {
    struct Closer {
        pdf::Document* document;
        ~Closer() { CloseDocument(document); }
    } closer{document};

    try {
        SaveDocument(document, target);
    } catch (const host::HostError& error) {
        host::alertNote("Error saving binder: " + host::hostErrorText(error));
        return false;
    }
    PdfCheckRequest check;
    check.document = document;
    check.partOfOperation = true;
    check.quiet = true;
    CheckPdf(check);

    BinderDocInsertRequest request;
    request.LogUser_ID = LogUserID();
    request.Publication_ID = publicationId;
    request.Binder_number = binder;
    request.Page_count = host::pageCount(document);
    request.Doc_file = std::string(FileNamePart(target));
    request.Annotation_data = CollectAnnotationData(document);
    request.Pdf_version = check.versionText;
    request.Pdf_font_error_count = check.fontErrorCount;
    request.Pdf_OK = check.ok;
    request.Publication_update = false;
    if (binder == 1) {
        DeferredBinder1() = std::move(request);
        return true;
    }
    WSIdResult inserted;
    if (!CWSClient().BinderDocInsert(request, inserted)) {
        host::alertNote(inserted.Message);
        return false;
    }
    return true;
}

void AddPublicationBinders(CManagerDlg& manager,
                           const std::optional<std::string>& firstBinderPath) {
    const PublicationLastInfoRecord* selected = manager.Selected();
    if (selected == nullptr) {
        return;
    }
    // The row's record is refreshed while the binders go in: keep what is needed.
    const std::int32_t publicationId = selected->Publication_ID;
    const std::int32_t binderCount = selected->Binder_count;
    const std::string folder = ResolveFolder(FolderKind::Binders, selected->SAP_code);
    if (folder.empty()) {
        return;
    }
    std::optional<std::string> chosen = firstBinderPath;
    if (!chosen) {
        chosen = ChooseOpenFile(DocumentPath(folder, ""), "*1H?*.pdf", kFilter,
                                manager.PlatformWindow());
    }
    const int count = chosen ? CountBinders(*chosen) : 0;
    if (!ConfirmCount(count)) {
        return;
    }

    bool failed = false;
    if (binderCount != 0) {
        WSIdResult reset;
        if (!ResetPublication(publicationId, reset)) {
            host::alertNote(reset.Message);
            failed = true;
        }
    }
    if (!failed) {
        manager.Refill();
        manager.UpdateButtons();
        failed = !InsertBinders(manager, *chosen, folder, publicationId);
    }
    if (failed) {
        WSIdResult reset;
        if (ResetPublication(publicationId, reset)) {
            manager.Refill(reset.Id);
        } else {
            host::alertNote(reset.Message);
        }
    } else {
        manager.Refill();
    }
    manager.UpdateButtons();
}

}  // namespace lumar
