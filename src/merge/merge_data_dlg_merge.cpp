// The merge data editor's buttons: saving the merge data, Merge (or Update
// without supplement), OK and Cancel.

#include <algorithm>
#include <cstdio>

#include "merge/merge_cleanup.h"
#include "merge/merge_data_dlg.h"
#include "merge/merge_request.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/message_box.h"

namespace lumar {

namespace {

// Merge status values: 1 not ready, 2 ready to merge; above: merging or merged.
constexpr std::int32_t kMergeReady = 2;

bool Ask(const char* title, const char* text, MessageButtons buttons, int defaultButton,
         MessageAnswer wanted) {
    MessageBoxRequest request;
    request.title = title;
    request.text = text;
    request.icon = MessageIcon::Question;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return ShowMessageBox(request) == wanted;
}

}  // namespace

std::string CMergeDataDlg::MergeButtonText() const {
    return HasSupplement() ? "Merge" : "Update";
}

bool CMergeDataDlg::MergeButtonVisible() const {
    return inputs_.mergeRecord.Merge_status_ID <= kMergeReady;
}

bool CMergeDataDlg::MergeButtonEnabled() const {
    if (!MergeButtonVisible() || inputs_.readOnly) {
        return false;
    }
    return std::ranges::any_of(parse_.commands, [](const MergeCommand& c) {
        return c.kind != CommandKind::Empty && c.kind != CommandKind::Binder;
    });
}

bool CMergeDataDlg::OnTimer() {
    if (!firstTick_) {
        return false;
    }
    firstTick_ = false;
    if (!inputs_.immediateMerge) {
        return false;
    }
    reparse(false);
    if (!MergeButtonVisible() || inputs_.readOnly) {
        return false;
    }
    merge(false);
    return OnCancel();
}

bool CMergeDataDlg::PrepareToSave() {
    inputs_.mergeRecord.Merge_data = texts_.working;
    texts_.saved = texts_.working;
    supplementSelection_.clear();
    binderSelection_.clear();
    commandSelection_.clear();

    const std::int32_t maximum = inputs_.publication.Max_page_count_per_binder;
    std::vector<std::int32_t> exceeding;
    for (const std::int32_t binder : binderNumbers_) {
        const std::int32_t pages = PagesAfterMerge(binder);
        ExpectedPageCounts()[static_cast<std::size_t>(binder)] = pages;
        if (maximum > 0 && pages > maximum) {
            exceeding.push_back(binder);
        }
    }
    if (!exceeding.empty()) {
        std::string which = exceeding.size() == 1 ? "binder " : "these binders: ";
        std::string numbers;
        for (const std::int32_t binder : exceeding) {
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(binder);
        }
        char text[256];
        std::snprintf(text, sizeof text, "Maximum of %ld pages per binder exceeded for %s%s.",
                      static_cast<long>(maximum), which.c_str(), numbers.c_str());
        ShowMessageBox(Caption(), text, MessageIcon::Warning);
    }
    rebuild();
    return exceeding.empty();
}

bool CMergeDataDlg::OnMerge() {
    if (!MergeButtonEnabled()) {
        return false;
    }
    // A new action: what the merge data have to say is said again.
    reportedText_.reset();
    return merge(true);
}

bool CMergeDataDlg::merge(bool ask) {
    if (ask && IsChanged()) {
        const bool confirmed = HasSupplement()
                                   ? Ask("Merge data has changed!", "Save before merge? (Required)",
                                         MessageButtons::OkCancel, 1, MessageAnswer::Ok)
                                   : Ask("Update document(s)", "Are you sure?",
                                         MessageButtons::OkCancel, 1, MessageAnswer::Ok);
        if (!confirmed) {
            return false;
        }
    }
    if (!PrepareToSave()) {
        return false;
    }
    reparse(false);
    if (!parse_.success) {
        return false;
    }
    return HasSupplement() ? mergeWithSupplement() : updateWithoutSupplement();
}

bool CMergeDataDlg::mergeWithSupplement() {
    MergeRecord& record = inputs_.mergeRecord;
    if (record.Merge_ID != 0) {
        WSIdResult stored;
        if (!CWSClient().MergeUpdate(
                {LogUserID(), record.Merge_ID, record.Publication_ID, record.Supplement_ID,
                 record.Merge_data, record.Merge_status_ID},
                stored)) {
            host::alertNote(stored.Message);
            return false;
        }
    } else {
        WSIdResult stored;
        if (!CWSClient().MergeInsert({LogUserID(), record.Publication_ID, record.Supplement_ID,
                                      record.Merge_data, record.Merge_status_ID},
                                     stored)) {
            host::alertNote(stored.Message);
            return false;
        }
        record.Merge_ID = stored.Id;
        inputs_.publication.Merge_ID_next = stored.Id;
    }

    WSIdResult merged;
    if (!CWSClient().PublicationMerge({LogUserID(), inputs_.publication.Publication_ID}, merged)) {
        host::alertNote(merged.Message);
        return false;
    }
    newPublicationId_ = merged.Id;

    MergeRequest request;
    request.publication = inputs_.publication;
    request.supplement = inputs_.supplement;
    request.binderDocuments = inputs_.binderDocuments;
    request.window = window_;
    request.onCommand = [this](std::size_t index) { showExecuting(index); };
    request.bringToFront = bringToFront_;
    RunMerge(request);
    if (!request.success) {
        closeFailedMerge(request.writtenFiles);
        reparse(false);
        return false;
    }
    mergeSucceeded_ = true;
    reparse(false);
    return OnCancel();
}

// The executor's list has no leading empty line: its command k is line k + 1 here.
void CMergeDataDlg::showExecuting(std::size_t index) {
    executingRow_.reset();
    for (std::size_t row = 0; row < commandRows_.size(); ++row) {
        if (commandRows_[row].command == index + 1) {
            executingRow_ = static_cast<int>(row);
        }
    }
    if (onChange_) {
        onChange_();
    }
}

// The new version is closed (binder 1, then binder 0) and reverted; the
// binder files the run wrote belonged to it and go with it.
void CMergeDataDlg::closeFailedMerge(const std::vector<std::string>& writtenFiles) {
    for (const std::int32_t binder : {1, 0}) {
        BinderDocInsertRequest insert;
        insert.LogUser_ID = LogUserID();
        insert.Publication_ID = newPublicationId_;
        insert.Binder_number = binder;
        WSIdResult ignored;
        (void)CWSClient().BinderDocInsert(insert, ignored);
    }
    WSIdResult reverted;
    if (!CWSClient().PublicationRevert({LogUserID(), newPublicationId_}, reverted)) {
        host::alertNote(reverted.Message);
        return;
    }
    // The version that stands now.
    newPublicationId_ = reverted.Id;
    if (const std::string removed = RemoveFilesOfRevertedMerge(writtenFiles); !removed.empty()) {
        host::alertNote(removed);
    }
}

bool CMergeDataDlg::updateWithoutSupplement() {
    // Empty update data would make the executor merge the publication.
    if (!MergeButtonEnabled()) {
        return false;
    }
    MergeRequest request;
    request.publication = inputs_.publication;
    request.supplement = inputs_.supplement;
    request.binderDocuments = inputs_.binderDocuments;
    request.window = window_;
    request.bringToFront = bringToFront_;
    request.updateData = texts_.working;
    request.onCommand = [this](std::size_t index) { showExecuting(index); };
    RunMerge(request);
    if (!request.success) {
        reparse(false);
        return false;
    }
    mergeSucceeded_ = true;
    texts_.saved = texts_.working;
    reparse(false);
    return OnCancel();
}

bool CMergeDataDlg::OnOK() {
    PrepareToSave();
    return true;
}

bool CMergeDataDlg::OnCancel() {
    if (!IsChanged()) {
        return true;
    }
    if (!HasSupplement()) {
        return Ask("Update data has changed!", "Are you sure?", MessageButtons::OkCancel, 1,
                   MessageAnswer::Ok);
    }
    MessageBoxRequest request;
    request.title = "Merge data has changed!";
    request.text = "Save before close?";
    request.icon = MessageIcon::Question;
    request.buttons = MessageButtons::YesNoCancel;
    request.defaultButton = 2;
    switch (ShowMessageBox(request)) {
    case MessageAnswer::Yes:
        return OnOK();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

}  // namespace lumar
