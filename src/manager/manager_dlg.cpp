#include "manager/manager_dlg.h"

#include <algorithm>
#include <utility>

#include "config/settings_store.h"
#include "manager/add_binders.h"
#include "manager/add_supplement.h"
#include "manager/manager_availability.h"
#include "manager/manager_commands.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "shell/manager_state.h"
#include "ui/column_layout.h"
#include "ui/message_box.h"

namespace lumar {

namespace {

ManagerWindowFactory& WindowFactory() {
    static ManagerWindowFactory factory;
    return factory;
}

constexpr int kButtons[] = {kIdcDetails,
                            kIdcAdd,
                            kIdcSupplementDetails,
                            kIdcAddSupplement,
                            kIdcMergeDataDetails,
                            kIdcAddMergeData,
                            kIdcLock,
                            kIdcUnlock,
                            kIdcRefresh,
                            kIdcRevert,
                            kIdcMerge};

}  // namespace

ManagerWindowFactory SetManagerWindowFactory(ManagerWindowFactory factory) {
    ManagerWindowFactory previous = std::move(WindowFactory());
    WindowFactory() = std::move(factory);
    return previous;
}

void ManagerOpenCommand(void* /*clientData*/) {
    CManagerDlg::Instance().Open();
}

void ManagerCloseCommand(void* /*clientData*/) {
    CManagerDlg::Instance().Close();
}

CManagerDlg& CManagerDlg::Instance() {
    static CManagerDlg manager;
    return manager;
}

bool CManagerDlg::IsOpen() {
    return IsManagerOpen();
}

void CManagerDlg::Open() {
    if (IsManagerOpen()) {
        return;
    }
    try {
        initialised_ = false;
        rows_.clear();
        selectedRow_ = -1;
        sortColumn_ = -1;
        // The log-off closes the manager through the shared closer.
        SetManagerCloser([this] { Close(); });
        LogonStore& store = TheLogonStore();
        if (store.userChanged) {
            fullRefresh_ = true;
        }
        store.userChanged = false;
        if (WindowFactory()) {
            window_ = WindowFactory()(*this);
            SetManagerOpen(window_ != nullptr);
        } else {
            SetManagerOpen(true);
            OnInitDialog();
        }
    } catch (...) {
        Close();
    }
}

void CManagerDlg::Close() {
    if (!IsManagerOpen()) {
        return;
    }
    try {
        OnDestroy();
        window_.reset();
    } catch (...) {
        // The window goes whatever its destruction reports.
        window_.reset();
    }
    SetManagerOpen(false);
}

void CManagerDlg::OnInitDialog() {
    sortColumn_ = -1;
    PublicationLayout().sortColumn = -1;
    placement_.reset();
    WindowPlacement placement;
    if (ReadWindowPlacement("Dialogs", kRegistryName, placement)) {
        placement_ = placement;
    }
    LoadColumnLayout(PublicationLayout(), kPublicationLayoutDialog);
    initialised_ = true;
    Refill();
    UpdateButtons();
}

void CManagerDlg::OnDestroy() {
    if (const PublicationLastInfoRecord* selected = Selected()) {
        currentPublication_ = selected->Publication_ID;
    }
    if (window_) {
        if (const std::optional<WindowPlacement> placement = window_->Placement()) {
            WriteWindowPlacement("Dialogs", kRegistryName, *placement);
        }
        window_->CaptureColumns();
    }
    SaveColumnLayout(PublicationLayout(), kPublicationLayoutDialog);
    rows_.clear();
    selectedRow_ = -1;
    initialised_ = false;
}

void* CManagerDlg::PlatformWindow() const {
    return window_ ? window_->PlatformWindow() : nullptr;
}

PublicationLastInfoRecord* CManagerDlg::Selected() const {
    return selectedRow_ >= 0 && selectedRow_ < static_cast<int>(rows_.size()) ? rows_[selectedRow_]
                                                                              : nullptr;
}

void CManagerDlg::SelectRow(int row) {
    selectedRow_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
    UpdateButtons();
}

bool CManagerDlg::SelectPublication(std::int32_t publicationId) {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row]->Publication_ID == publicationId) {
            SelectRow(static_cast<int>(row));
            return true;
        }
    }
    return false;
}

void CManagerDlg::RebuildRows() {
    rows_.clear();
    for (PublicationLastInfoRecord& record : publications_.Records) {
        rows_.push_back(&record);
    }
    SortAndSelect(currentPublication_);
}

void CManagerDlg::SortAndSelect(std::int32_t publicationId) {
    const ColumnLayout& layout = PublicationLayout();
    sortColumn_ = layout.sortColumn;
    const int key = layout.sortColumn < 0 ? 0 : layout.SetIndexOfColumn(layout.sortColumn);
    const bool ascending = layout.sortColumn < 0 || layout.ascending;
    std::stable_sort(
        rows_.begin(), rows_.end(),
        [key, ascending](const PublicationLastInfoRecord* a, const PublicationLastInfoRecord* b) {
            return CompareRecords(*a, *b, key, ascending) < 0;
        });
    selectedRow_ = -1;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row]->Publication_ID == publicationId) {
            selectedRow_ = static_cast<int>(row);
            break;
        }
    }
}

void CManagerDlg::OnHeaderClick(int column) {
    const PublicationLastInfoRecord* selected = Selected();
    ClickHeader(PublicationLayout(), column);
    SortAndSelect(selected != nullptr ? selected->Publication_ID : 0);
    NotifyView();
}

void CManagerDlg::Refill(std::int32_t selectId, bool /*lockUpdates*/) {
    // The row whose record a single-publication fetch replaces: the selected
    // one (a merge or revert hands back another version of it).
    const PublicationLastInfoRecord* shown = Selected();
    const std::int32_t previous = shown != nullptr ? shown->Publication_ID : currentPublication_;
    if (selectId != 0) {
        currentPublication_ = selectId;
    } else if (const PublicationLastInfoRecord* selected = Selected()) {
        currentPublication_ = selected->Publication_ID;
    }
    rows_.clear();
    selectedRow_ = -1;

    PublicationInfoListRequest request;
    request.LogUser_ID = LogUserID();
    if (UserLevel() < 5) {
        request.Administrator_ID = TheLogonStore().user.Administrator_ID;
    }
    if (!fullRefresh_) {
        request.Publication_ID = currentPublication_;
    }
    WSListResult<PublicationLastInfoRecord> result;
    if (!CWSClient().PublicationLastInfoList(request, result)) {
        host::alertNote(result.Message);
        // What was shown stays shown.
        RebuildRows();
        NotifyView();
        return;
    }
    if (fullRefresh_) {
        publications_ = std::move(result);
    } else if (!result.Records.empty()) {
        const std::int32_t replaced = selectId != 0 ? previous : currentPublication_;
        for (PublicationLastInfoRecord& record : publications_.Records) {
            if (record.Publication_ID == replaced) {
                record = result.Records.front();
                break;
            }
        }
    }
    fullRefresh_ = false;
    RebuildRows();
    NotifyView();
}

void CManagerDlg::NotifyView() {
    if (window_) {
        window_->ModelChanged();
    }
}

bool CManagerDlg::CommandAvailable(int command) const {
    return ManagerCommandAvailable(command, Selected(), CurrentManagerFacts());
}

int CManagerDlg::ListCommand(int command, bool* available) {
    if (available != nullptr) {
        *available = CommandAvailable(command);
        return 1;
    }
    if (CommandNeedsHostNotModal(command) && CurrentManagerFacts().hostModal) {
        ShowMessageBox(kTitle, "A modal dialog box is open...", MessageIcon::Error);
        return 1;
    }
    if (command == kCmdManagerColumnsChanged) {
        Refill(0, true);
        return 1;
    }
    // A command whose availability has lapsed does nothing.
    if (CommandAvailable(command)) {
        RunCommand(command);
    }
    return 1;
}

void CManagerDlg::RunCommand(int command) {
    switch (command) {
    case kCmdPublicationDetails:
        PublicationDetails();
        break;
    case kCmdAddPublicationBinders:
        AddPublicationBinders(*this);
        break;
    case kCmdSupplementDetails:
        SupplementDetails();
        break;
    case kCmdAddSupplement:
        AddSupplement(*this);
        break;
    case kCmdMergeDataDetails:
        MergeDataDetails(false);
        break;
    case kCmdAddMergeData:
        AddMergeData();
        break;
    case kCmdLockPublication:
        LockPublication(true);
        break;
    case kCmdUnlockPublication:
        LockPublication(false);
        break;
    case kCmdRevertPublication:
        RevertPublication();
        break;
    case kCmdMergePublication:
        MergeDataDetails(true);
        break;
    case kCmdRefreshList:
        fullRefresh_ = true;
        Refill(0, true);
        UpdateButtons();
        break;
    default:
        break;
    }
}

void CManagerDlg::UpdateButtons() {
    const ManagerFacts facts = CurrentManagerFacts();
    const PublicationLastInfoRecord* selected = Selected();
    enabledButtons_.clear();
    for (int button : kButtons) {
        if (ManagerCommandAvailable(CommandOfManagerButton(button), selected, facts)) {
            enabledButtons_.push_back(button);
        }
    }
    addVisible_ = facts.level >= 4;
    addToolTipReason_ = AddBindersToolTipReason(selected, facts);
    NotifyView();
}

bool CManagerDlg::ButtonEnabled(int button) const {
    if (button == kIdcClose) {
        return true;
    }
    return std::find(enabledButtons_.begin(), enabledButtons_.end(), button) !=
           enabledButtons_.end();
}

void CManagerDlg::ClickButton(int button) {
    if (button == kIdcClose) {
        Close();
        return;
    }
    UpdateButtons();
    if (button == kIdcAdd && !addVisible_) {
        return;
    }
    if (ButtonEnabled(button)) {
        ListCommand(CommandOfManagerButton(button));
    }
}

void CManagerDlg::OnDoubleClick() {
    UpdateButtons();
    if (Selected() == nullptr) {
        return;
    }
    for (int button : {kIdcDetails, kIdcAdd, kIdcRefresh}) {
        if (ButtonEnabled(button)) {
            ListCommand(CommandOfManagerButton(button));
            return;
        }
    }
}

bool CManagerDlg::OnMenuChar(char character) {
    int button = 0;
    const PublicationLastInfoRecord* selected = Selected();
    switch (character) {
    case 'a':
        button = kIdcAdd;
        break;
    case 'd':
        button = kIdcDetails;
        break;
    case 'f':
        button = kIdcRefresh;
        break;
    case 'g':
        button = kIdcMerge;
        break;
    case 'l':
        button = kIdcLock;
        break;
    case 'm':
        if (selected == nullptr) {
            return true;
        }
        button = selected->Merge_ID_next != 0 ? kIdcMergeDataDetails : kIdcAddMergeData;
        break;
    case 's':
        if (selected == nullptr) {
            return true;
        }
        button = selected->Supplement_ID_next != 0 ? kIdcSupplementDetails : kIdcAddSupplement;
        break;
    case 'u':
        button = kIdcUnlock;
        break;
    case 'v':
        button = kIdcRevert;
        break;
    default:
        return false;
    }
    UpdateButtons();
    if (ButtonEnabled(button)) {
        ListCommand(CommandOfManagerButton(button));
    }
    return true;
}

std::string CManagerDlg::AddButtonToolTip() {
    UpdateButtons();
    return ToolTipText(addToolTipReason_);
}

}  // namespace lumar
