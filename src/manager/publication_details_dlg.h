#pragma once

// CPublicationDetailsDlg: one publication with its documents. In binder mode
// it shows the publication's fields (editable for the user who holds the
// publication for supplement work, at level 5) above its binder documents;
// in supplement mode the same fields read-only above its supplements. On the
// documents it offers set the PDF status, view annotations, open, print,
// search, replace with the active document and discard a supplement.
//
// This is the dialog's model. The caller gives it the publication record,
// the mode, read-only and (add mode) a supplement number, shows it with
// DoModal and reads Changed() afterwards. The view (or a test's presenter)
// calls OnInitDialog, edits the controls through SetControls, selects rows,
// clicks through the On... functions and closes when Ended().

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/window_placement.h"
#include "platform/host/host_types.h"
#include "service/ws_records.h"
#include "service/ws_results.h"

namespace lumar {

// The commands of the details dialog's document list.
enum DetailsCommand : int {
    kCmdSetPdfStatusOk = 40037,
    kCmdSetPdfStatusNotOk = 40038,
    kCmdViewAnnotations = 40039,
    kCmdOpenDocument = 40042,
    kCmdPrintDocument = 40043,
    kCmdReplaceDocument = 40044,
    kCmdDiscardSupplement = 40045,
    kCmdCheckDocument = 40046,
    kCmdAnnotationReport = 40047,
    kCmdAnnotationReportNoNumbers = 40048,
    kCmdDetailsColumnsChanged = 40049,
    kCmdSearchDocument = 40055,
};

// The publication fields as the dialog's controls hold them.
struct PublicationForm {
    std::int32_t publicationStatusId = 0;
    std::int32_t languageId = 0;
    std::string nimbaCode;
    std::string lumarCode;
    std::string sapCode;
    std::string abbreviation;
    std::string description;
    std::string remarks;
    bool colourPrint = false;
    bool tabSheets = false;
    std::string maxPageCount;  // the edit's text (digits)
    std::int32_t binderTypeId = 0;
    std::int32_t printingId = 0;

    bool operator==(const PublicationForm&) const = default;
};

// One entry of a drop-down list.
struct LookupEntry {
    std::int32_t id = 0;
    std::string name;

    bool operator==(const LookupEntry&) const = default;
};

class CPublicationDetailsDlg {
public:
    static constexpr const char* kRegistryName = "DocumentDetailsDlg";
    static constexpr std::int32_t kMaxPageCountLimit = 999999;
    // The most characters the code edits and the two long texts take.
    static constexpr int kCodeMaxLength = 50;
    static constexpr int kTextMaxLength = 500;

    explicit CPublicationDetailsDlg(void* parent = nullptr);
    ~CPublicationDetailsDlg();
    CPublicationDetailsDlg(const CPublicationDetailsDlg&) = delete;
    CPublicationDetailsDlg& operator=(const CPublicationDetailsDlg&) = delete;

    // Set by the caller before showing.
    void SetRecord(PublicationLastInfoRecord* record) { record_ = record; }
    void SetSupplementMode(bool supplementMode) { supplementMode_ = supplementMode; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // Add mode: the active document is registered as a new supplement with
    // this number when the dialog opens.
    void SetAddMode(std::int32_t supplementNumber);

    // Read by the caller afterwards: the service data of the publication or
    // its documents changed.
    [[nodiscard]] bool Changed() const { return changed_; }
    void MarkChanged() { changed_ = true; }

    // Called by the view when its window exists (with the platform window,
    // for the host window the dialog keeps) and when it goes.
    void OnInitDialog(void* platformWindow = nullptr);
    void OnDestroy();

    // How the dialog ended (kIdOk, kIdCancel), none while it is open; the
    // view closes when it is told through the end handler.
    [[nodiscard]] std::optional<int> EndResult() const { return endResult_; }
    void SetEndHandler(std::function<void(int result)> handler) { onEnd_ = std::move(handler); }
    [[nodiscard]] void* Parent() const { return parent_; }

    // The publication and the mode.
    [[nodiscard]] PublicationLastInfoRecord* Record() const { return record_; }
    [[nodiscard]] bool SupplementMode() const { return supplementMode_; }
    [[nodiscard]] bool ReadOnly() const { return readOnly_; }
    [[nodiscard]] bool AddMode() const { return addMode_; }
    [[nodiscard]] std::int32_t AddSupplementNumber() const { return addSupplementNumber_; }
    void EndAddMode() { addMode_ = false; }
    [[nodiscard]] std::string Title() const;
    [[nodiscard]] std::string GroupTitle() const;

    // The form: the values loaded from the record and what the controls hold.
    [[nodiscard]] const PublicationForm& FormValues() const { return form_; }
    [[nodiscard]] const PublicationForm& Controls() const { return controls_; }
    void SetControls(const PublicationForm& controls);
    [[nodiscard]] bool Modified() const { return modified_; }

    // The drop-down lists: the names of the logon session's lookup lists.
    [[nodiscard]] static std::vector<LookupEntry> PublicationStatusEntries();
    [[nodiscard]] static std::vector<LookupEntry> LanguageEntries();
    [[nodiscard]] static std::vector<LookupEntry> BinderTypeEntries();
    [[nodiscard]] static std::vector<LookupEntry> PrintingEntries();

    // Display values: "Merged supplement:", "# Pages:", "# Binders OK:".
    [[nodiscard]] std::string MergedSupplementText() const;
    [[nodiscard]] std::string PagesText() const;
    [[nodiscard]] std::string BindersOkText() const;

    // The controls' state after the last UpdateControls.
    [[nodiscard]] bool Editable() const { return !readOnly_ && !supplementMode_; }
    [[nodiscard]] bool OkVisible() const { return Editable(); }
    [[nodiscard]] std::string CancelText() const { return Editable() ? "Cancel" : "Close"; }
    [[nodiscard]] bool ResetVisible() const;
    [[nodiscard]] bool ResetEnabled() const { return ResetVisible() && modified_; }
    [[nodiscard]] std::string PrintText() const;
    [[nodiscard]] std::string SearchText() const;
    [[nodiscard]] bool PrintEnabled() const { return !selectedRows_.empty(); }
    [[nodiscard]] bool SearchEnabled() const { return !selectedRows_.empty(); }
    // The tool tip of Print and Search while they are disabled.
    [[nodiscard]] std::string PrintToolTip() const;
    void UpdateControls();

    // The document list: binder documents (binder mode) or supplements.
    [[nodiscard]] const std::vector<BinderDocRecord>& BinderDocuments() const {
        return binderDocs_.Records;
    }
    [[nodiscard]] const std::vector<SupplementRecord>& Supplements() const {
        return supplements_.Records;
    }
    [[nodiscard]] int DocumentCount() const;
    [[nodiscard]] const std::vector<int>& SelectedRows() const { return selectedRows_; }
    void SelectRows(std::vector<int> rows);
    // The list's top visible row, as the view scrolled it: "View
    // annotations" shows the first selected binder at or below it, and a
    // refill scrolls it back into view.
    [[nodiscard]] int TopRow() const { return topRow_; }
    void SetTopRow(int row);
    [[nodiscard]] int SortColumn() const { return sortColumn_; }
    // A click on the header of list column `column`: sorts by it (again:
    // the other way round); the selection stays on its documents.
    void OnHeaderClick(int column);
    // Fetches the documents again, keeping the selection by ID.
    void FillDocuments(bool lockUpdates = false);

    // The command handler of the document list (see DetailsCommand; the
    // list's control codes 15, 16, 18, 4 and 8 stand for Open, Print,
    // Replace, Discard and Search). Always returns 1.
    int ListCommand(int command, bool* available = nullptr);
    [[nodiscard]] bool CommandAvailable(int command) const;

    // Buttons and the list.
    void OnOK();
    void OnCancel();
    void OnReset();
    // A double click: on a row, or elsewhere in the list.
    void OnDoubleClick(bool onRow);
    void ClickPrint();
    void ClickSearch();

    // The commands.
    void SetPdfStatus(bool ok);
    void ViewAnnotations();
    void OpenDocuments();
    void DiscardSupplement();

    void PrintDocuments();
    void SearchDocuments();
    // How the view brings the dialog to the front after the search results.
    void SetBringToFront(std::function<void()> bringToFront) {
        bringToFront_ = std::move(bringToFront);
    }

    [[nodiscard]] host::HostWindow HostWindow() const { return hostWindow_; }
    // The placement read at initialisation, and the one the view reports
    // before it goes (saved by OnDestroy).
    [[nodiscard]] const std::optional<WindowPlacement>& InitialPlacement() const {
        return placement_;
    }
    void SetCurrentPlacement(const WindowPlacement& placement) {
        placement_ = placement;
        placementReported_ = true;
    }

private:
    void LoadForm();
    void SortDocuments();
    void WriteBack();
    void End(int result);
    [[nodiscard]] bool SelectedHasPdfOk(bool value) const;
    [[nodiscard]] bool HeldWithoutMergeData() const;
    [[nodiscard]] int FirstSelectedAtOrBelowTop() const;

    void* parent_ = nullptr;
    void* platformWindow_ = nullptr;
    PublicationLastInfoRecord* record_ = nullptr;
    bool supplementMode_ = false;
    bool readOnly_ = false;
    bool addMode_ = false;
    std::int32_t addSupplementNumber_ = 0;

    PublicationForm form_;
    PublicationForm controls_;
    bool modified_ = false;
    bool initialised_ = false;
    bool changed_ = false;
    std::optional<int> endResult_;
    std::function<void(int)> onEnd_;
    std::function<void()> bringToFront_;

    WSListResult<BinderDocRecord> binderDocs_;
    WSListResult<SupplementRecord> supplements_;
    std::vector<int> selectedRows_;
    int topRow_ = 0;
    int sortColumn_ = -1;
    host::HostWindow hostWindow_ = 0;
    std::optional<WindowPlacement> placement_;
    bool placementReported_ = false;
};

// Shows the dialog modally through its installed presenter. Without one (the
// command line) the model runs without a window: it initialises (which runs
// add mode), and closes as its Close button does. Returns how it ended.
int ShowPublicationDetails(CPublicationDetailsDlg& dialog, void* parent);
// The dialog without a window, as ShowPublicationDetails runs it when no
// presenter is installed (also for a presenter that finds no windows).
int RunPublicationDetailsWithoutWindow(CPublicationDetailsDlg& dialog);

// The number of a drop-down's selected entry: the entry whose ID equals
// `id`, else the first entry (0 when the list is empty).
std::int32_t ResolveLookupId(const std::vector<LookupEntry>& entries, std::int32_t id);

// The edit's text as a leading decimal number ("12abc" -> 12; "" -> 0);
// none when it does not fit a 32-bit number.
std::optional<std::int64_t> LeadingNumber(const std::string& text);

}  // namespace lumar
