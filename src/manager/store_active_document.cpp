#include "manager/store_active_document.h"

#include <string>

#include "annotations/annotation_check.h"
#include "annotations/page_data.h"
#include "config/document_folders.h"
#include "config/file_names.h"
#include "manager/active_document.h"
#include "manager/document_copy.h"
#include "manager/publication_details_dlg.h"
#include "pdftools/pdf_check.h"
#include "platform/host/roles.h"
#include "platform/text/cp1252.h"
#include "service/logon_store.h"
#include "service/wait_cursor.h"
#include "service/ws_client.h"
#include "ui/message_box.h"

namespace lumar {

namespace {

bool Confirmed() {
    MessageBoxRequest question;
    question.title = "Replace document";
    question.text = "Are you sure?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::OkCancel;
    question.defaultButton = 1;
    return ShowMessageBox(question) == MessageAnswer::Ok;
}

// What the service is told about the document.
struct StoredFigures {
    std::int32_t pageCount = 0;
    std::string fileName;
    std::string annotationData;
    PdfCheckRequest check;
};

bool Register(CPublicationDetailsDlg& dialog, int row, const StoredFigures& f) {
    const PublicationLastInfoRecord& publication = *dialog.Record();
    CWSClient client;
    WSIdResult result;
    bool accepted = false;
    if (!dialog.SupplementMode()) {
        const BinderDocRecord& r = dialog.BinderDocuments()[row];
        BinderDocUpdateRequest request{
            LogUserID(), r.BinderDoc_ID,   r.Publication_ID,    r.Binder_number,        f.pageCount,
            f.fileName,  f.annotationData, f.check.versionText, f.check.fontErrorCount, f.check.ok};
        accepted = client.BinderDocUpdate(request, result);
    } else if (!dialog.AddMode()) {
        const SupplementRecord& r = dialog.Supplements()[row];
        SupplementUpdateRequest request{
            LogUserID(), r.Supplement_ID,  r.Publication_ID,    r.Supplement_number,    f.pageCount,
            f.fileName,  f.annotationData, f.check.versionText, f.check.fontErrorCount, f.check.ok};
        accepted = client.SupplementUpdate(request, result);
    } else if (dialog.AddSupplementNumber() != 0) {
        SupplementInsertRequest request{LogUserID(),
                                        publication.Publication_ID,
                                        dialog.AddSupplementNumber(),
                                        f.pageCount,
                                        f.fileName,
                                        f.annotationData,
                                        f.check.versionText,
                                        f.check.fontErrorCount,
                                        f.check.ok};
        accepted = client.SupplementInsert(request, result);
    } else {
        return false;
    }
    if (!accepted) {
        host::alertNote(result.Message);
    }
    return accepted;
}

// Copies the stored document into its folder unless it is already there.
void CopyIntoFolder(const std::string& folder, const std::string& sourcePath,
                    const std::string& fileName) {
    if (folder.empty()) {
        return;
    }
    const std::string target = DocumentPath(folder, fileName);
    if (text::equalsIgnoreCase(target, sourcePath)) {
        return;
    }
    // A file that differs from the name only by case is the one replaced.
    const std::string existing = FindFileIgnoringCase(target).value_or(target);
    if (const int error = CopyDocumentFile(sourcePath, existing); error != 0) {
        ReportCopyError(error);
    }
}

bool Store(CPublicationDetailsDlg& dialog) {
    if (!dialog.AddMode() && !Confirmed()) {
        return false;
    }
    const int row = dialog.SelectedRows().empty() ? -1 : dialog.SelectedRows().front();
    if (!dialog.AddMode() && row < 0) {
        return false;
    }
    pdf::Document* document = StorableActiveDocument();
    if (document == nullptr) {
        return false;
    }
    const std::string sourcePath = DocumentFilePath(document);
    const std::size_t slash = sourcePath.rfind('/');
    if (slash == std::string::npos) {
        host::alertNote("Could not determine filename");
        return false;
    }
    StoredFigures figures;
    figures.fileName = sourcePath.substr(slash + 1);
    AnnotationCheck annotations;
    if (!CheckAnnotations(document, &annotations)) {
        host::alertWithButtons(host::AlertIcon::Question,
                               "Replace aborted!\r\n\r\n" + annotations.message, "Close");
        return false;
    }
    // The stored copy's folder; resolved once, its failure reported once.
    const std::string folder =
        ResolveFolder(dialog.SupplementMode() ? FolderKind::Supplements : FolderKind::Binders,
                      dialog.Record()->SAP_code);
    figures.check.document = document;
    figures.check.partOfOperation = true;
    // The report goes beside the stored copy, never into the user's folder.
    figures.check.report =
        folder.empty() ? PdfCheckRequest::Report::None : PdfCheckRequest::Report::InFolder;
    figures.check.reportFolder = folder;
    CheckPdf(figures.check);
    if (!figures.check.proceed) {
        return false;
    }
    {
        WaitCursor wait;
        figures.annotationData = CollectAnnotationData(document);
    }
    figures.pageCount = host::pageCount(document);
    if (!Register(dialog, row, figures)) {
        return false;
    }
    CopyIntoFolder(folder, sourcePath, figures.fileName);
    return true;
}

}  // namespace

bool StoreActiveDocument(CPublicationDetailsDlg& dialog) {
    if (dialog.Record() == nullptr) {
        return false;
    }
    const bool addMode = dialog.AddMode();
    const bool stored = Store(dialog);
    dialog.EndAddMode();
    if (stored) {
        dialog.MarkChanged();
        dialog.FillDocuments(true);
    } else if (addMode) {
        dialog.OnCancel();
    }
    return stored;
}

}  // namespace lumar
