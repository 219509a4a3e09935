// The publication manager's commands on the selected publication: details,
// supplement and merge data details, merging, adding merge data, locking,
// unlocking and reverting.

#include <vector>

#include "manager/editor_launcher.h"
#include "manager/manager_availability.h"
#include "manager/manager_dlg.h"
#include "manager/publication_details_dlg.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/message_box.h"
#include "ui/modal_dialog.h"

namespace lumar {

namespace {

PublicationUpdateRequest UpdateRequestOf(const PublicationLastInfoRecord& r) {
    PublicationUpdateRequest request;
    request.LogUser_ID = LogUserID();
    request.Publication_ID = r.Publication_ID;
    request.Publication_status_ID = r.Publication_status_ID;
    request.Language_ID = r.Language_ID;
    request.NIMBA_code = r.NIMBA_code;
    request.Lumar_code = r.Lumar_code;
    request.SAP_code = r.SAP_code;
    request.Abbreviation = r.Abbreviation;
    request.Description = r.Description;
    request.Remarks = r.Remarks;
    request.Colour_print = r.Colour_print;
    request.Tab_sheets = r.Tab_sheets;
    request.Max_page_count_per_binder = r.Max_page_count_per_binder;
    request.Binder_type_ID = r.Binder_type_ID;
    request.Printing_ID = r.Printing_ID;
    request.Administrator_ID = TheLogonStore().user.Administrator_ID;
    return request;
}

// After a refused update the user may give up: Cancel asks whether the
// changes are to be dropped.
bool DiscardChanges() {
    MessageBoxRequest question;
    question.title = "Details";
    question.text = "Discard your changes?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = 1;
    return ShowMessageBox(question) == MessageAnswer::Yes;
}

// The supplement and binder documents the merge data editor works on; none
// (reported) when they cannot be fetched.
bool FetchEditorDocuments(std::int32_t supplementId, std::int32_t publicationId,
                          SupplementRecord& supplement, std::vector<BinderDocRecord>& binders) {
    SupplementListRequest supplementRequest;
    supplementRequest.LogUser_ID = LogUserID();
    supplementRequest.Supplement_ID = supplementId;
    supplementRequest.Annotation_dataGet = 1;
    WSListResult<SupplementRecord> supplements;
    if (!CWSClient().SupplementList(supplementRequest, supplements) ||
        supplements.Records.empty()) {
        host::alertNote(supplements.Message);
        return false;
    }
    supplement = supplements.Records.front();
    BinderDocListRequest binderRequest;
    binderRequest.LogUser_ID = LogUserID();
    binderRequest.Publication_ID = publicationId;
    WSListResult<BinderDocRecord> documents;
    if (!CWSClient().BinderDocList(binderRequest, documents) || documents.Records.empty()) {
        host::alertNote(documents.Message);
        return false;
    }
    binders = std::move(documents.Records);
    return true;
}

}  // namespace

void CManagerDlg::PublicationDetails() {
    PublicationLastInfoRecord* record = Selected();
    if (record == nullptr) {
        return;
    }
    const ManagerFacts facts = CurrentManagerFacts();
    const bool editable =
        facts.level >= 5 && record->Update_status_ID == 2 && record->Update_user_ID == facts.userId;
    const PublicationLastInfoRecord original = *record;
    bool changed = false;
    bool refused = false;
    for (;;) {
        CPublicationDetailsDlg dialog(PlatformWindow());
        dialog.SetRecord(record);
        dialog.SetSupplementMode(false);
        dialog.SetReadOnly(!editable);
        const int ended = ShowPublicationDetails(dialog, PlatformWindow());
        changed = changed || dialog.Changed();
        if (!editable) {
            break;
        }
        // Once the service refused the changes, Cancel is the way out.
        if (refused && ended != kIdOk) {
            if (DiscardChanges()) {
                *record = original;
                break;
            }
            continue;
        }
        WSIdResult result;
        if (CWSClient().PublicationUpdate(UpdateRequestOf(*record), result)) {
            break;
        }
        host::alertNote(result.Message);
        refused = true;
    }
    if (changed) {
        Refill(0, true);
    }
    UpdateButtons();
}

void CManagerDlg::SupplementDetails() {
    PublicationLastInfoRecord* record = Selected();
    if (record == nullptr) {
        return;
    }
    const bool editable = record->Update_status_ID == 2 && record->Update_user_ID == LogUserID();
    CPublicationDetailsDlg dialog(PlatformWindow());
    dialog.SetRecord(record);
    dialog.SetSupplementMode(true);
    dialog.SetReadOnly(!editable);
    ShowPublicationDetails(dialog, PlatformWindow());
    if (dialog.Changed()) {
        Refill(0, true);
    }
    UpdateButtons();
}

void CManagerDlg::MergeDataDetails(bool merge) {
    PublicationLastInfoRecord* record = Selected();
    if (record == nullptr) {
        return;
    }
    MergeListRequest mergeRequest;
    mergeRequest.LogUser_ID = LogUserID();
    mergeRequest.Merge_ID = record->Merge_ID_next;
    mergeRequest.Merge_dataGet = 1;
    WSListResult<MergeRecord> merges;
    if (!CWSClient().MergeList(mergeRequest, merges) || merges.Records.empty()) {
        host::alertNote(merges.Message);
        return;
    }
    MergeRecord mergeRecord = merges.Records.front();
    SupplementRecord supplement;
    std::vector<BinderDocRecord> binders;
    if (!FetchEditorDocuments(mergeRecord.Supplement_ID, mergeRecord.Publication_ID, supplement,
                              binders)) {
        return;
    }
    const bool readOnly = !(record->Update_status_ID == 2 &&
                            record->Update_user_ID == LogUserID() && record->Merge_status_ID <= 2);
    MergeDataEditorRequest request;
    request.merge = &mergeRecord;
    request.publication = record;
    request.supplement = &supplement;
    request.binderDocuments = &binders;
    request.firstBinder = 1;
    request.readOnly = readOnly;
    request.mergeMode = merge;
    request.parent = PlatformWindow();
    const int ended = LaunchMergeDataEditor(request);

    bool stored = false;
    if (ended == kIdOk && !readOnly) {
        stored = true;
        WSIdResult result;
        bool ok = false;
        if (mergeRecord.Merge_data.empty()) {
            ok = CWSClient().MergeDelete({LogUserID(), mergeRecord.Merge_ID}, result);
        } else {
            ok = CWSClient().MergeUpdate(
                {LogUserID(), mergeRecord.Merge_ID, mergeRecord.Publication_ID,
                 mergeRecord.Supplement_ID, mergeRecord.Merge_data, mergeRecord.Merge_status_ID},
                result);
        }
        if (!ok) {
            host::alertNote(result.Message);
        }
    }
    if (request.mergedPublicationId != 0) {
        Refill(request.mergedPublicationId, true);
    } else if (stored) {
        Refill(0, true);
    }
    UpdateButtons();
}

void CManagerDlg::AddMergeData() {
    PublicationLastInfoRecord* record = Selected();
    if (record == nullptr) {
        return;
    }
    MergeRecord mergeRecord;
    mergeRecord.Publication_ID = record->Publication_ID;
    mergeRecord.Supplement_ID = record->Supplement_ID_next;
    mergeRecord.Merge_status_ID = 2;
    SupplementRecord supplement;
    std::vector<BinderDocRecord> binders;
    if (!FetchEditorDocuments(mergeRecord.Supplement_ID, record->Publication_ID, supplement,
                              binders)) {
        return;
    }
    MergeDataEditorRequest request;
    request.merge = &mergeRecord;
    request.publication = record;
    request.supplement = &supplement;
    request.binderDocuments = &binders;
    request.firstBinder = 1;
    request.readOnly = false;
    request.parent = PlatformWindow();
    const int ended = LaunchMergeDataEditor(request);

    bool stored = false;
    if (ended == kIdOk) {
        stored = true;
        WSIdResult result;
        if (!CWSClient().MergeInsert(
                {LogUserID(), mergeRecord.Publication_ID, mergeRecord.Supplement_ID,
                 mergeRecord.Merge_data, mergeRecord.Merge_status_ID},
                result)) {
            host::alertNote(result.Message);
        }
    }
    if (request.mergedPublicationId != 0) {
        Refill(request.mergedPublicationId, true);
    } else if (stored) {
        Refill(0, true);
    }
    UpdateButtons();
}

void CManagerDlg::LockPublication(bool lock) {
    const PublicationLastInfoRecord* record = Selected();
    if (record == nullptr) {
        return;
    }
    const PublicationRequest request{LogUserID(), record->Publication_ID};
    WSIdResult result;
    const bool ok = lock ? CWSClient().PublicationLock(request, result)
                         : CWSClient().PublicationUnlock(request, result);
    if (!ok) {
        host::alertNote(result.Message);
    }
    Refill(0, true);
    UpdateButtons();
}

void CManagerDlg::RevertPublication() {
    const PublicationLastInfoRecord* record = Selected();
    if (record == nullptr) {
        return;
    }
    MessageBoxRequest question;
    question.title = "Revert publication";
    question.text = "Are you sure?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::OkCancel;
    question.defaultButton = 1;
    if (ShowMessageBox(question) != MessageAnswer::Ok) {
        return;
    }
    WSIdResult result;
    if (CWSClient().PublicationRevert({LogUserID(), record->Publication_ID}, result)) {
        Refill(result.Id, true);
    } else {
        host::alertNote(result.Message);
        Refill(0, true);
    }
    UpdateButtons();
}

}  // namespace lumar
