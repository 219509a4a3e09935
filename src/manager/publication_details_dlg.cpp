#include "manager/publication_details_dlg.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "config/document_folders.h"
#include "config/file_names.h"
#include "config/settings_store.h"
#include "manager/editor_launcher.h"
#include "manager/print_documents.h"
#include "manager/store_active_document.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "search/search_command.h"
#include "service/logon_store.h"
#include "service/wait_cursor.h"
#include "service/ws_client.h"
#include "ui/column_layout.h"
#include "ui/message_box.h"
#include "ui/modal_dialog.h"

namespace lumar {

namespace {

// The list's control codes for its commands.
int CommandOfListCode(int command) {
    switch (command) {
    case 15:
        return kCmdOpenDocument;
    case 16:
        return kCmdPrintDocument;
    case 18:
        return kCmdReplaceDocument;
    case 4:
        return kCmdDiscardSupplement;
    case 8:
        return kCmdSearchDocument;
    default:
        return command;
    }
}

template <typename Record, typename IdOf>
std::vector<LookupEntry> Entries(const std::vector<Record>& records, IdOf idOf) {
    std::vector<LookupEntry> entries;
    entries.reserve(records.size());
    for (const Record& record : records) {
        entries.push_back({idOf(record), record.Name});
    }
    return entries;
}

std::string NumberOrEmpty(std::int32_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}

// Two texts of the page count edit are equal when they read as the same
// number (or both as none).
bool SamePageCount(const std::string& a, const std::string& b) {
    return LeadingNumber(a) == LeadingNumber(b);
}

}  // namespace

std::int32_t ResolveLookupId(const std::vector<LookupEntry>& entries, std::int32_t id) {
    for (const LookupEntry& entry : entries) {
        if (entry.id == id) {
            return id;
        }
    }
    return entries.empty() ? 0 : entries.front().id;
}

std::optional<std::int64_t> LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = (value * 10) + (text[i] - '0');
        if (value > 0x7fffffffLL + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > 0x7fffffffLL) {
        return std::nullopt;
    }
    return value;
}

int ShowPublicationDetails(CPublicationDetailsDlg& dialog, void* parent) {
    if (PresenterOf<CPublicationDetailsDlg>()) {
        return DoModal(dialog, parent);
    }
    return RunPublicationDetailsWithoutWindow(dialog);
}

int RunPublicationDetailsWithoutWindow(CPublicationDetailsDlg& dialog) {
    dialog.OnInitDialog();
    if (!dialog.EndResult()) {
        dialog.OnCancel();
    }
    dialog.OnDestroy();
    return dialog.EndResult().value_or(kIdCancel);
}

CPublicationDetailsDlg::CPublicationDetailsDlg(void* parent) : parent_(parent) {}

CPublicationDetailsDlg::~CPublicationDetailsDlg() {
    if (hostWindow_ != 0) {
        try {
            host::destroyHostWindow(hostWindow_);
        } catch (const host::HostError&) {
            // The window goes with the dialog either way.
        }
    }
}

void CPublicationDetailsDlg::SetAddMode(std::int32_t supplementNumber) {
    addMode_ = true;
    addSupplementNumber_ = supplementNumber;
}

std::vector<LookupEntry> CPublicationDetailsDlg::PublicationStatusEntries() {
    return Entries(TheLogonStore().publicationStatuses.Records,
                   [](const PublicationStatusRecord& r) { return r.Publication_status_ID; });
}

std::vector<LookupEntry> CPublicationDetailsDlg::LanguageEntries() {
    return Entries(TheLogonStore().languages.Records,
                   [](const LanguageRecord& r) { return r.Language_ID; });
}

std::vector<LookupEntry> CPublicationDetailsDlg::BinderTypeEntries() {
    return Entries(TheLogonStore().binderTypes.Records,
                   [](const BinderTypeRecord& r) { return r.Binder_type_ID; });
}

std::vector<LookupEntry> CPublicationDetailsDlg::PrintingEntries() {
    return Entries(TheLogonStore().printings.Records,
                   [](const PrintingRecord& r) { return r.Printing_ID; });
}

void CPublicationDetailsDlg::LoadForm() {
    const PublicationLastInfoRecord& r = *record_;
    form_.publicationStatusId =
        ResolveLookupId(PublicationStatusEntries(), r.Publication_status_ID);
    form_.languageId = ResolveLookupId(LanguageEntries(), r.Language_ID);
    form_.nimbaCode = r.NIMBA_code;
    form_.lumarCode = r.Lumar_code;
    form_.sapCode = r.SAP_code;
    form_.abbreviation = r.Abbreviation;
    form_.description = r.Description;
    form_.remarks = r.Remarks;
    form_.colourPrint = r.Colour_print;
    form_.tabSheets = r.Tab_sheets;
    form_.maxPageCount = std::to_string(r.Max_page_count_per_binder);
    form_.binderTypeId = ResolveLookupId(BinderTypeEntries(), r.Binder_type_ID);
    form_.printingId = ResolveLookupId(PrintingEntries(), r.Printing_ID);
}

void CPublicationDetailsDlg::OnInitDialog(void* platformWindow) {
    LoadForm();
    controls_ = form_;
    platformWindow_ = platformWindow;
    if (platformWindow != nullptr) {
        try {
            hostWindow_ = host::hostWindowFromPlatformWindow(platformWindow, 2);
        } catch (const host::HostError&) {
            hostWindow_ = 0;
        }
    }
    WindowPlacement placement;
    if (ReadWindowPlacement("Dialogs", kRegistryName, placement)) {
        placement_ = placement;
    }
    ColumnLayout& layout = DocumentLayout();
    LoadColumnLayout(layout, kDocumentLayoutDialog);
    // Sorted by the binder or supplement number at first.
    layout.sortColumn = FirstColumnShowing(layout, 2);
    layout.ascending = true;
    sortColumn_ = layout.sortColumn;
    initialised_ = true;
    UpdateControls();
    FillDocuments();
    if (addMode_) {
        bool available = false;
        ListCommand(kCmdReplaceDocument, &available);
        if (available) {
            ListCommand(kCmdReplaceDocument);
        } else {
            addMode_ = false;
        }
    }
}

void CPublicationDetailsDlg::OnDestroy() {
    if (placementReported_ && placement_) {
        WriteWindowPlacement("Dialogs", kRegistryName, *placement_);
    }
    // The view has captured its header into the layout.
    SaveColumnLayout(DocumentLayout(), kDocumentLayoutDialog);
    binderDocs_.clear();
    supplements_.clear();
    selectedRows_.clear();
    initialised_ = false;
}

std::string CPublicationDetailsDlg::Title() const {
    return supplementMode_ ? "Supplement details" : "Details";
}

std::string CPublicationDetailsDlg::GroupTitle() const {
    return supplementMode_ ? "Supplement details" : "Binder details";
}

void CPublicationDetailsDlg::SetControls(const PublicationForm& controls) {
    if (!Editable()) {
        return;  // every publication field is disabled
    }
    controls_ = controls;
    UpdateControls();
}

std::string CPublicationDetailsDlg::MergedSupplementText() const {
    return record_ != nullptr ? NumberOrEmpty(record_->Supplement_number_done) : std::string();
}

std::string CPublicationDetailsDlg::PagesText() const {
    return record_ != nullptr ? NumberOrEmpty(record_->Page_count) : std::string();
}

std::string CPublicationDetailsDlg::BindersOkText() const {
    if (record_ == nullptr || record_->Binder_count == 0) {
        return {};
    }
    char text[64];
    std::snprintf(text, sizeof text, "%ld / %ld", static_cast<long>(record_->Binder_count_OK),
                  static_cast<long>(record_->Binder_count));
    return text;
}

bool CPublicationDetailsDlg::ResetVisible() const {
    return Editable() && record_ != nullptr && record_->Publication_ID > 0;
}

std::string CPublicationDetailsDlg::PrintText() const {
    const std::size_t n = selectedRows_.size();
    if (n == 0) {
        return "Print...";
    }
    return (n == 1 ? "Print... (" : "Print (") + std::to_string(n) + ")";
}

std::string CPublicationDetailsDlg::SearchText() const {
    const std::size_t n = selectedRows_.size();
    return n == 0 ? "Search..." : "Search... (" + std::to_string(n) + ")";
}

std::string CPublicationDetailsDlg::PrintToolTip() const {
    return PrintEnabled() ? std::string() : "No item(s) selected";
}

void CPublicationDetailsDlg::UpdateControls() {
    const PublicationForm& a = controls_;
    const PublicationForm& b = form_;
    modified_ = a.publicationStatusId != b.publicationStatusId || a.languageId != b.languageId ||
                a.nimbaCode != b.nimbaCode || a.lumarCode != b.lumarCode ||
                a.sapCode != b.sapCode || a.abbreviation != b.abbreviation ||
                a.description != b.description || a.remarks != b.remarks ||
                a.colourPrint != b.colourPrint || a.tabSheets != b.tabSheets ||
                !SamePageCount(a.maxPageCount, b.maxPageCount) ||
                a.binderTypeId != b.binderTypeId || a.printingId != b.printingId;
}

int CPublicationDetailsDlg::DocumentCount() const {
    return static_cast<int>(supplementMode_ ? supplements_.Records.size()
                                            : binderDocs_.Records.size());
}

void CPublicationDetailsDlg::SelectRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [this](int row) { return row < 0 || row >= DocumentCount(); });
    selectedRows_ = std::move(rows);
    UpdateControls();
}

void CPublicationDetailsDlg::SetTopRow(int row) {
    topRow_ = std::clamp(row, 0, std::max(0, DocumentCount() - 1));
}

void CPublicationDetailsDlg::FillDocuments(bool /*lockUpdates*/) {
    if (record_ == nullptr) {
        return;
    }
    std::vector<std::int32_t> selectedIds;
    for (int row : selectedRows_) {
        selectedIds.push_back(supplementMode_ ? supplements_.Records[row].Supplement_ID
                                              : binderDocs_.Records[row].BinderDoc_ID);
    }
    if (supplementMode_ && selectedIds.size() > 1) {
        selectedIds.resize(1);
    }
    selectedRows_.clear();
    CWSClient client;
    if (supplementMode_) {
        SupplementListRequest request;
        request.LogUser_ID = LogUserID();
        request.Publication_ID = record_->Publication_ID;
        WSListResult<SupplementRecord> result;
        if (!client.SupplementList(request, result)) {
            host::alertNote(result.Message);
        }
        supplements_ = std::move(result);
    } else {
        BinderDocListRequest request;
        request.LogUser_ID = LogUserID();
        request.Publication_ID = record_->Publication_ID;
        WSListResult<BinderDocRecord> result;
        if (!client.BinderDocList(request, result)) {
            host::alertNote(result.Message);
        }
        binderDocs_ = std::move(result);
    }
    SortDocuments();
    for (int row = 0; row < DocumentCount(); ++row) {
        const std::int32_t id = supplementMode_ ? supplements_.Records[row].Supplement_ID
                                                : binderDocs_.Records[row].BinderDoc_ID;
        if (std::find(selectedIds.begin(), selectedIds.end(), id) != selectedIds.end()) {
            selectedRows_.push_back(row);
        }
    }
    topRow_ = std::min(topRow_, std::max(0, DocumentCount() - 1));
    UpdateControls();
}

void CPublicationDetailsDlg::SortDocuments() {
    const ColumnLayout& layout = DocumentLayout();
    sortColumn_ = layout.sortColumn;
    const int key = layout.sortColumn < 0 ? 0 : layout.SetIndexOfColumn(layout.sortColumn);
    const bool ascending = layout.sortColumn < 0 || layout.ascending;
    const auto byColumn = [key, ascending](const auto& a, const auto& b) {
        return CompareRecords(a, b, key, ascending) < 0;
    };
    std::stable_sort(binderDocs_.Records.begin(), binderDocs_.Records.end(), byColumn);
    std::stable_sort(supplements_.Records.begin(), supplements_.Records.end(), byColumn);
}

void CPublicationDetailsDlg::OnHeaderClick(int column) {
    std::vector<std::int32_t> selectedIds;
    for (int row : selectedRows_) {
        selectedIds.push_back(supplementMode_ ? supplements_.Records[row].Supplement_ID
                                              : binderDocs_.Records[row].BinderDoc_ID);
    }
    ClickHeader(DocumentLayout(), column);
    SortDocuments();
    selectedRows_.clear();
    for (int row = 0; row < DocumentCount(); ++row) {
        const std::int32_t id = supplementMode_ ? supplements_.Records[row].Supplement_ID
                                                : binderDocs_.Records[row].BinderDoc_ID;
        if (std::find(selectedIds.begin(), selectedIds.end(), id) != selectedIds.end()) {
            selectedRows_.push_back(row);
        }
    }
    UpdateControls();
}

bool CPublicationDetailsDlg::HeldWithoutMergeData() const {
    return record_ != nullptr && record_->Update_status_ID == 2 &&
           record_->Update_user_ID == LogUserID() && record_->Merge_ID_next == 0;
}

bool CPublicationDetailsDlg::SelectedHasPdfOk(bool value) const {
    if (supplementMode_) {
        return !selectedRows_.empty() &&
               supplements_.Records[selectedRows_.front()].Pdf_OK == value;
    }
    return std::any_of(selectedRows_.begin(), selectedRows_.end(),
                       [&](int row) { return binderDocs_.Records[row].Pdf_OK == value; });
}

bool CPublicationDetailsDlg::CommandAvailable(int command) const {
    const bool selected = !selectedRows_.empty();
    switch (CommandOfListCode(command)) {
    case kCmdSetPdfStatusOk:
        return HasUserLevel(3) && selected && HeldWithoutMergeData() && SelectedHasPdfOk(false);
    case kCmdSetPdfStatusNotOk:
        return HasUserLevel(3) && selected && HeldWithoutMergeData() && SelectedHasPdfOk(true);
    case kCmdViewAnnotations:
    case kCmdOpenDocument:
    case kCmdSearchDocument:
        return HasUserLevel(2) && selected;
    case kCmdPrintDocument:
        return HasUserLevel(3) && selected;
    case kCmdReplaceDocument:
        return HasUserLevel(3) && (addMode_ ? DocumentCount() == 0 : selectedRows_.size() == 1) &&
               HeldWithoutMergeData();
    case kCmdDiscardSupplement:
        return HasUserLevel(3) && supplementMode_ && DocumentCount() > 0 && HeldWithoutMergeData();
    default:
        return false;
    }
}

int CPublicationDetailsDlg::ListCommand(int command, bool* available) {
    command = CommandOfListCode(command);
    if (available != nullptr) {
        *available = CommandAvailable(command);
        return 1;
    }
    if (command == kCmdDetailsColumnsChanged) {
        FillDocuments(true);
        return 1;
    }
    // A command whose availability has lapsed does nothing.
    if (!CommandAvailable(command)) {
        return 1;
    }
    switch (command) {
    case kCmdSetPdfStatusOk:
        SetPdfStatus(true);
        break;
    case kCmdSetPdfStatusNotOk:
        SetPdfStatus(false);
        break;
    case kCmdViewAnnotations:
        ViewAnnotations();
        break;
    case kCmdOpenDocument:
        OpenDocuments();
        break;
    case kCmdPrintDocument:
        PrintDocuments();
        break;
    case kCmdReplaceDocument:
        StoreActiveDocument(*this);
        break;
    case kCmdDiscardSupplement:
        DiscardSupplement();
        break;
    case kCmdSearchDocument:
        SearchDocuments();
        break;
    default:
        break;
    }
    return 1;
}

void CPublicationDetailsDlg::PrintDocuments() {
    if (record_ == nullptr) {
        return;
    }
    PrintSelection selection;
    selection.folder = supplementMode_ ? FolderKind::Supplements : FolderKind::Binders;
    selection.sapCode = record_->SAP_code;
    for (int row : selectedRows_) {
        if (supplementMode_) {
            const SupplementRecord& r = supplements_.Records[row];
            selection.documents.push_back({r.Doc_file, r.Page_count});
        } else {
            const BinderDocRecord& r = binderDocs_.Records[row];
            selection.documents.push_back({r.Doc_file, r.Page_count});
        }
    }
    selection.parentWindow = platformWindow_;
    selection.hostWindow = hostWindow_;
    PrintSelectedDocuments(selection);
}

void CPublicationDetailsDlg::SearchDocuments() {
    if (record_ == nullptr || selectedRows_.empty()) {
        return;
    }
    SearchCommand command;
    command.window = platformWindow_;
    command.publication = *record_;
    // The search points at the dialog's own records: annotation data it has
    // to fetch stays in them, and the next search needs no second fetch.
    if (supplementMode_) {
        command.scope = SearchScope::Supplement(supplements_.Records[selectedRows_.front()]);
    } else {
        for (int row : selectedRows_) {
            command.scope.binders.push_back(&binderDocs_.Records[row]);
        }
    }
    command.bringToFront = bringToFront_;
    RunSearchCommand(command);
}

void CPublicationDetailsDlg::End(int result) {
    endResult_ = result;
    if (onEnd_) {
        onEnd_(result);
    }
}

void CPublicationDetailsDlg::WriteBack() {
    PublicationLastInfoRecord& r = *record_;
    r.Publication_status_ID = controls_.publicationStatusId;
    r.Language_ID = controls_.languageId;
    r.NIMBA_code = controls_.nimbaCode;
    r.Lumar_code = controls_.lumarCode;
    r.SAP_code = controls_.sapCode;
    r.Abbreviation = controls_.abbreviation;
    r.Description = controls_.description;
    r.Remarks = controls_.remarks;
    r.Colour_print = controls_.colourPrint;
    r.Tab_sheets = controls_.tabSheets;
    r.Max_page_count_per_binder =
        static_cast<std::int32_t>(LeadingNumber(controls_.maxPageCount).value_or(0));
    r.Binder_type_ID = controls_.binderTypeId;
    r.Printing_ID = controls_.printingId;
}

void CPublicationDetailsDlg::OnOK() {
    if (!Editable() || record_ == nullptr) {
        return;
    }
    UpdateControls();
    // The page count is checked before anything is written back, so that a
    // refused value never reaches the caller's record.
    const std::optional<std::int64_t> pages = LeadingNumber(controls_.maxPageCount);
    if (!pages || *pages < 0 || *pages > kMaxPageCountLimit) {
        ShowMessageBox(Title(), "Please enter an integer between 0 and 999999.",
                       MessageIcon::Warning);
        return;
    }
    if (modified_ || record_->Publication_ID == 0) {
        changed_ = true;
    }
    WriteBack();
    End(kIdOk);
}

void CPublicationDetailsDlg::OnCancel() {
    if (Editable()) {
        End(kIdCancel);
        return;
    }
    // "Close": the fields are read-only, so nothing is written back.
    if (record_ != nullptr && record_->Publication_ID == 0) {
        changed_ = true;
    }
    End(kIdOk);
}

void CPublicationDetailsDlg::OnReset() {
    controls_ = form_;
    UpdateControls();
}

void CPublicationDetailsDlg::OnDoubleClick(bool onRow) {
    UpdateControls();
    if (selectedRows_.size() != 1) {
        return;
    }
    const int command = onRow ? kCmdViewAnnotations : kCmdOpenDocument;
    if (CommandAvailable(command)) {
        ListCommand(command);
    }
}

void CPublicationDetailsDlg::ClickPrint() {
    UpdateControls();
    if (PrintEnabled()) {
        ListCommand(kCmdPrintDocument);
    }
}

void CPublicationDetailsDlg::ClickSearch() {
    UpdateControls();
    if (SearchEnabled()) {
        ListCommand(kCmdSearchDocument);
    }
}

void CPublicationDetailsDlg::SetPdfStatus(bool ok) {
    const std::vector<int> rows = selectedRows_;
    for (int row : rows) {
        CWSClient listClient;
        WSIdResult updated;
        bool success = false;
        if (supplementMode_) {
            SupplementListRequest request;
            request.LogUser_ID = LogUserID();
            request.Supplement_ID = supplements_.Records[row].Supplement_ID;
            request.Annotation_dataGet = 1;
            WSListResult<SupplementRecord> list;
            if (!listClient.SupplementList(request, list) || list.Records.empty()) {
                host::alertNote(list.Message);
                break;
            }
            const SupplementRecord& r = list.Records.front();
            SupplementUpdateRequest update{LogUserID(),
                                           r.Supplement_ID,
                                           r.Publication_ID,
                                           r.Supplement_number,
                                           r.Page_count,
                                           r.Doc_file,
                                           r.Annotation_data,
                                           r.Pdf_version,
                                           r.Pdf_font_error_count,
                                           ok};
            success = CWSClient().SupplementUpdate(update, updated);
        } else {
            BinderDocListRequest request;
            request.LogUser_ID = LogUserID();
            request.BinderDoc_ID = binderDocs_.Records[row].BinderDoc_ID;
            request.Annotation_dataGet = 1;
            WSListResult<BinderDocRecord> list;
            if (!listClient.BinderDocList(request, list) || list.Records.empty()) {
                host::alertNote(list.Message);
                break;
            }
            const BinderDocRecord& r = list.Records.front();
            BinderDocUpdateRequest update{LogUserID(),
                                          r.BinderDoc_ID,
                                          r.Publication_ID,
                                          r.Binder_number,
                                          r.Page_count,
                                          r.Doc_file,
                                          r.Annotation_data,
                                          r.Pdf_version,
                                          r.Pdf_font_error_count,
                                          ok};
            success = CWSClient().BinderDocUpdate(update, updated);
        }
        if (!success) {
            host::alertNote(updated.Message);
            break;
        }
        changed_ = true;
    }
    FillDocuments(true);
    UpdateControls();
}

int CPublicationDetailsDlg::FirstSelectedAtOrBelowTop() const {
    for (int row : selectedRows_) {
        if (row >= topRow_) {
            return row;
        }
    }
    return selectedRows_.empty() ? -1 : selectedRows_.front();
}

void CPublicationDetailsDlg::ViewAnnotations() {
    if (record_ == nullptr || selectedRows_.empty()) {
        return;
    }
    const bool readOnly = !(HasUserLevel(4) && HeldWithoutMergeData());
    if (supplementMode_) {
        SupplementRecord supplement = supplements_.Records[selectedRows_.front()];
        AnnotationsEditorRequest request;
        request.binderNumber = 0;
        request.publication = record_;
        request.supplement = &supplement;
        request.readOnly = readOnly;
        request.parent = parent_;
        LaunchAnnotationsEditor(request);
        return;
    }
    const int row = FirstSelectedAtOrBelowTop();
    MergeRecord merge;
    SupplementRecord noSupplement;
    noSupplement.Supplement_number = -1;
    std::vector<BinderDocRecord> binders = binderDocs_.Records;
    MergeDataEditorRequest request;
    request.merge = &merge;
    request.publication = record_;
    request.supplement = &noSupplement;
    request.binderDocuments = &binders;
    request.firstBinder = binderDocs_.Records[row].Binder_number;
    request.readOnly = readOnly;
    request.parent = parent_;
    LaunchMergeDataEditor(request);
    if (merge.Merge_data.empty()) {
        return;
    }
    // The editor updated the binders: show the publication's figures anew.
    changed_ = true;
    PublicationInfoListRequest again;
    again.LogUser_ID = LogUserID();
    again.Publication_ID = record_->Publication_ID;
    WSListResult<PublicationLastInfoRecord> fetched;
    if (!CWSClient().PublicationLastInfoList(again, fetched)) {
        host::alertNote(fetched.Message);
    } else if (!fetched.Records.empty()) {
        const PublicationLastInfoRecord& r = fetched.Records.front();
        record_->Supplement_number_done = r.Supplement_number_done;
        record_->Page_count = r.Page_count;
        record_->Binder_count_OK = r.Binder_count_OK;
        record_->Binder_count = r.Binder_count;
    }
    FillDocuments(true);
}

void CPublicationDetailsDlg::OpenDocuments() {
    if (record_ == nullptr) {
        return;
    }
    WaitCursor wait;
    const std::string folder = ResolveFolder(
        supplementMode_ ? FolderKind::Supplements : FolderKind::Binders, record_->SAP_code);
    if (folder.empty()) {
        return;
    }
    for (int row : selectedRows_) {
        const std::string& name = supplementMode_ ? supplements_.Records[row].Doc_file
                                                  : binderDocs_.Records[row].Doc_file;
        // The service's names are plain file names; anything else is skipped.
        if (!IsUsableFileName(name)) {
            continue;
        }
        const std::string path =
            FindFileIgnoringCase(DocumentPath(folder, name)).value_or(DocumentPath(folder, name));
        try {
            host::FileSystem* fileSystem = host::defaultFileSystem();
            const host::HeldPath hostPath(fileSystem, host::pathFromFullPath(fileSystem, path));
            if (hostPath.get() == nullptr) {
                continue;
            }
            try {
                host::openDocumentInView(hostPath.get(), fileSystem);
            } catch (const host::HostError&) {
                // A document that cannot be opened is skipped.
            }
        } catch (const host::HostError&) {
            // Likewise.
        }
    }
}

void CPublicationDetailsDlg::DiscardSupplement() {
    if (supplements_.Records.empty()) {
        return;
    }
    MessageBoxRequest question;
    question.title = "Discard supplement";
    question.text = "Are you sure?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::OkCancel;
    question.defaultButton = 1;
    if (ShowMessageBox(question) != MessageAnswer::Ok) {
        return;
    }
    SupplementDeleteRequest request;
    request.LogUser_ID = LogUserID();
    request.Supplement_ID = supplements_.Records.front().Supplement_ID;
    WSIdResult result;
    const bool deleted = CWSClient().SupplementDelete(request, result);
    if (deleted) {
        changed_ = true;
    } else {
        host::alertNote(result.Message);
    }
    FillDocuments(true);
    UpdateControls();
    if (deleted) {
        OnCancel();
    }
}

}  // namespace lumar
