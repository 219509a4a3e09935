// Finishing a binder that was changed: save it under its new name, check it,
// register it at the service and check its page count.

#include <string>

#include "annotations/page_data.h"
#include "config/file_names.h"
#include "merge/merge_state.h"
#include "pdftools/pdf_check.h"
#include "platform/host/roles.h"
#include "platform/text/cp1252.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar {

namespace {

// What a saved document tells the service about itself.
struct SavedDocument {
    std::string fileName;
    std::int32_t pageCount = 0;
    std::string annotationData;
    PdfCheckRequest check;
};

// The supplement, updated in place.
bool SaveSupplement(MergeState& state, pdf::Document* document, const std::string& temporaryName) {
    const std::string& folder = SupplementsFolder(state);
    if (folder.empty()) {
        return false;
    }
    const std::string target = DocumentPath(folder, temporaryName);
    try {
        SaveDocument(document, target);
    } catch (const host::HostError& error) {
        host::alertNote("Error saving supplement: " + host::hostErrorText(error));
        return false;
    }
    SupplementRecord& record = state.supplement;
    SupplementUpdateRequest update;
    update.LogUser_ID = LogUserID();
    update.Supplement_ID = record.Supplement_ID;
    update.Publication_ID = record.Publication_ID;
    update.Supplement_number = record.Supplement_number;
    update.Page_count = host::pageCount(document);
    update.Pdf_version = record.Pdf_version;
    update.Pdf_font_error_count = record.Pdf_font_error_count;
    update.Pdf_OK = record.Pdf_OK;
    update.Doc_file = std::string(FileNamePart(target));
    update.Annotation_data = CollectAnnotationData(document);
    // Fetched again when next needed.
    record.Annotation_data.clear();
    CWSClient client;
    WSIdResult result;
    if (!client.SupplementUpdate(update, result)) {
        host::alertNote(result.Message);
        return false;
    }
    return true;
}

bool DeleteInsertedDocument(MergeState& state, std::int32_t n) {
    if (state.insertedIds[n] == 0) {
        return true;
    }
    BinderDocDeleteRequest request;
    request.LogUser_ID = LogUserID();
    request.BinderDoc_ID = state.insertedIds[n];
    CWSClient client;
    WSIdResult result;
    if (!client.BinderDocDelete(request, result)) {
        host::alertNote(result.Message);
        return false;
    }
    state.insertedIds[n] = 0;
    return true;
}

BinderDocInsertRequest InsertRequest(std::int32_t publicationId, std::int32_t n,
                                     const SavedDocument& saved, bool publicationUpdate) {
    BinderDocInsertRequest request;
    request.LogUser_ID = LogUserID();
    request.Publication_ID = publicationId;
    request.Binder_number = n;
    request.Page_count = saved.pageCount;
    request.Doc_file = saved.fileName;
    request.Annotation_data = saved.annotationData;
    request.Pdf_version = saved.check.versionText;
    request.Pdf_font_error_count = saved.check.fontErrorCount;
    request.Pdf_OK = saved.check.ok;
    request.Publication_update = publicationUpdate;
    return request;
}

bool InsertDocument(MergeState& state, const BinderDocInsertRequest& request) {
    if (!DeleteInsertedDocument(state, request.Binder_number)) {
        return false;
    }
    CWSClient client;
    WSIdResult result;
    if (!client.BinderDocInsert(request, result)) {
        host::alertNote(result.Message);
        return false;
    }
    state.insertedIds[request.Binder_number] = result.Id;
    return true;
}

bool RegisterBinder(MergeState& state, std::int32_t n, const SavedDocument& saved) {
    if (state.updateMode) {
        BinderDocRecord* record = LastBinderRecord(state, n);
        if (record == nullptr) {
            return InsertDocument(state,
                                  InsertRequest(state.publication.Publication_ID, n, saved, true));
        }
        BinderDocUpdateRequest update;
        update.LogUser_ID = LogUserID();
        update.BinderDoc_ID = record->BinderDoc_ID;
        update.Publication_ID = record->Publication_ID;
        update.Binder_number = n;
        update.Page_count = saved.pageCount;
        update.Doc_file = saved.fileName;
        update.Annotation_data = saved.annotationData;
        update.Pdf_version = saved.check.versionText;
        update.Pdf_font_error_count = saved.check.fontErrorCount;
        update.Pdf_OK = saved.check.ok;
        record->Annotation_data.clear();
        CWSClient client;
        WSIdResult result;
        if (!client.BinderDocUpdate(update, result)) {
            host::alertNote(result.Message);
            return false;
        }
        return true;
    }
    BinderDocInsertRequest request =
        InsertRequest(state.mergeRecord.Publication_ID, n, saved, false);
    if (n == 1) {
        state.deferredBinder1 = std::move(request);
        state.deferredBinder1Filled = true;
        return true;
    }
    return InsertDocument(state, request);
}

// The file a merge must not write over: the binder's own file as the
// publication's record names it.
bool IsOwnRecordedFile(const MergeState& state, std::int32_t n, const std::string& fileName) {
    const BinderDocRecord* record = LastBinderRecord(state, n);
    return record != nullptr && text::equalsIgnoreCase(record->Doc_file, fileName);
}

}  // namespace

bool SaveBinder(MergeState& state, pdf::Document*& document, const std::string& newName,
                const std::string& temporaryName, std::int32_t n) {
    struct Closer {
        pdf::Document*& document;
        ~Closer() { CloseDocument(document); }
    } closer{document};

    if (state.supplementMode) {
        return SaveSupplement(state, document, temporaryName);
    }
    const std::string& folder = BindersFolder(state);
    if (folder.empty()) {
        return false;
    }
    std::string name = newName.empty() ? temporaryName : newName;
    // With equal done and next numbers the new name is the binder's own file,
    // which belongs to the publication's previous version: a merge writes the
    // changed binder under its temporary name instead.
    if (!state.updateMode && !newName.empty() && state.savedFileNames[n].empty() &&
        IsOwnRecordedFile(state, n, newName)) {
        name = temporaryName;
    }
    std::string target = DocumentPath(folder, name);
    try {
        SaveDocument(document, target);
    } catch (const host::HostError& first) {
        if (name == temporaryName) {
            host::alertNote("Error saving binder: " + host::hostErrorText(first));
            return false;
        }
        target = DocumentPath(folder, temporaryName);
        try {
            SaveDocument(document, target);
        } catch (const host::HostError& second) {
            host::alertNote("Error saving binder: " + host::hostErrorText(second));
            return false;
        }
        host::alertNote(FormatText("Error saving binder: %s\r\nBinder saved as '%s'",
                                   host::hostErrorText(first).c_str(), temporaryName.c_str()));
    }
    RememberWrittenFile(state, target);

    SavedDocument saved;
    saved.check.document = document;
    saved.check.quiet = true;
    // The figures go to the service; a merge leaves no report beside the binders.
    saved.check.report = PdfCheckRequest::Report::None;
    CheckPdf(saved.check);
    saved.fileName = std::string(FileNamePart(target));
    state.savedFileNames[n] = saved.fileName;
    saved.annotationData = CollectAnnotationData(document);
    saved.pageCount = host::pageCount(document);

    if (!RegisterBinder(state, n, saved)) {
        return false;
    }
    if (!BinderIsFinal(state, n)) {
        return true;
    }
    const std::int32_t maximum = state.publication.Max_page_count_per_binder;
    if (maximum > 0 && saved.pageCount > maximum) {
        host::alertNote(FormatText("Maximum of %ld pages per binder exceeded for binder %d.",
                                   static_cast<long>(maximum), n));
    }
    const std::int32_t expected = ExpectedPageCounts()[n];
    if (saved.pageCount != expected) {
        host::alertNote(FormatText("Incorrect number of pages (%ld instead of %ld) for binder %d.",
                                   static_cast<long>(saved.pageCount), static_cast<long>(expected),
                                   n));
        return false;
    }
    return true;
}

}  // namespace lumar
