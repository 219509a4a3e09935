#pragma once

// CMergeDataDlg: the merge data editor ("Merge data details"). The user
// selects page pairs of the supplement and of a binder and chooses a
// command; the editor appends the command's line to the merge data, parses
// the whole text again and shows the binder as the merge will leave it. From
// here the merge starts. Without a supplement (Supplement_number below 0) it
// edits binders only, and Merge becomes Update.
//
//   MergeDataDlgInputs inputs{publication, supplement, binderDocs, mergeRecord};
//   CMergeDataDlg editor(std::move(inputs));
//   editor.OnInitDialog(window);                 // loads the pairs, parses
//   editor.SetSupplementSelection({0, 1, 2});    // supplement pairs 1..3
//   editor.SetBinderSelection({4});              // after binder pair 4
//   editor.Execute(CMergeDataDlg::kIdInsert);
//   if (editor.OnOK()) store(editor.Record());
//
// A caller that merges without the user (the manager's Merge command, the
// command line) sets `immediateMerge`; the first OnTimer then runs Merge and
// asks to close.

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "annotations/page_pairs.h"
#include "config/window_placement.h"
#include "merge/merge_data_parser.h"
#include "merge/merge_data_report.h"
#include "merge/merge_overview.h"
#include "service/ws_records.h"
#include "ui/host_modal_state.h"

namespace lumar {

struct MergeDataDlgInputs {
    PublicationLastInfoRecord publication;
    // A Supplement_number below 0: no supplement, the binders are updated.
    SupplementRecord supplement;
    std::vector<BinderDocRecord> binderDocuments;
    // Merge_data is edited; Merge_ID 0: not yet stored at the service.
    MergeRecord mergeRecord;
    std::int32_t firstBinder = 1;  // the binder shown first
    bool readOnly = false;
    bool immediateMerge = false;
};

class CMergeDataDlg {
public:
    static constexpr const char* kCaption = "Merge data details";
    static constexpr const char* kCaptionNoSupplement = "Document annotations";
    static constexpr const char* kPlacementKey = "Dialogs";
    static constexpr const char* kPlacementName = "AnnotationsDlg";
    static constexpr const char* kNoSupplementData = "<No supplement annotation data>";
    static constexpr const char* kNoBinderData = "<No binder annotation data>";
    static constexpr const char* kReuseMessage = "Page pairs cannot be used multiple times!";

    // Commands: context menus, accelerators and toolbar.
    static constexpr int kIdClearSelection = 40001;
    static constexpr int kIdSelectAll = 40002;
    static constexpr int kIdReplace = 40003;
    static constexpr int kIdInsert = 40004;
    static constexpr int kIdDelete = 40005;  // edit mode: Delete; overview mode: remove lines
    static constexpr int kIdStore = 40006;
    static constexpr int kIdRestore = 40007;
    static constexpr int kIdSwitchToEdit = 40008;
    static constexpr int kIdSwitchToOverview = 40009;
    static constexpr int kIdMoveUp = 40010;
    static constexpr int kIdMoveDown = 40011;
    static constexpr int kIdCut = 40012;
    static constexpr int kIdCopy = 40013;
    static constexpr int kIdPaste = 40014;
    static constexpr int kIdToggleTabsheet = 40050;
    static constexpr int kIdSelectColour = 40052;
    static constexpr int kIdCreateBinder = 40053;
    static constexpr int kIdMoveToNewBinder = 40054;
    // Toolbar buttons.
    static constexpr int kIdToolOpen = 32771;
    static constexpr int kIdToolSave = 32772;
    static constexpr int kIdToolReplace = 32773;
    static constexpr int kIdToolInsert = 32774;
    static constexpr int kIdToolDelete = 32775;
    static constexpr int kIdToolStore = 32776;
    static constexpr int kIdToolRestore = 32777;
    static constexpr int kIdToolEditMode = 32778;
    static constexpr int kIdToolOverviewMode = 32779;

    // The list a selection command works on.
    enum class List { Supplement, Binder, Commands };

    explicit CMergeDataDlg(MergeDataDlgInputs inputs);
    ~CMergeDataDlg();
    CMergeDataDlg(const CMergeDataDlg&) = delete;
    CMergeDataDlg& operator=(const CMergeDataDlg&) = delete;

    // ---- Lifecycle -------------------------------------------------------
    // The window is up (null without one): the host turns modal, the
    // supplement's pairs load and the merge data is parsed.
    void OnInitDialog(void* window);
    // The window goes: the host's modal state ends.
    void OnDestroy();
    // The placement stored for the editor; false when there is none.
    static bool ReadPlacement(WindowPlacement& placement);
    static void WritePlacement(const WindowPlacement& placement);
    // The 100 ms tick. The first tick of an immediate merge runs Merge; true
    // then asks the view to close (as after Cancel).
    bool OnTimer();

    // ---- What the view shows ---------------------------------------------
    [[nodiscard]] std::string Caption() const;
    [[nodiscard]] bool HasSupplement() const { return inputs_.supplement.Supplement_number >= 0; }
    [[nodiscard]] bool ReadOnly() const { return inputs_.readOnly; }
    [[nodiscard]] bool EditMode() const { return editMode_; }

    // Supplement list: pair n on row n - 1.
    [[nodiscard]] int SupplementRowCount() const;
    [[nodiscard]] std::string SupplementRowText(int row) const;
    // Whether supplement pair `pair` is still free for a Replace or Insert.
    [[nodiscard]] bool SupplementPairUsable(std::int32_t pair) const;

    // Binder box: "Binder %d", or "Binder %d (new)" above Binder_count.
    [[nodiscard]] std::vector<std::string> BinderChoices() const;
    [[nodiscard]] std::vector<std::int32_t> BinderNumbers() const;
    [[nodiscard]] std::int32_t ChosenBinder() const { return chosenBinder_; }
    void ChooseBinder(std::int32_t binder);
    // The chosen binder's Doc_file (empty for a new binder).
    [[nodiscard]] std::string ChosenDocFile() const;

    // Overview rows of the chosen binder (row 0: the placeholder).
    [[nodiscard]] const std::vector<OverviewRow>& OverviewRows() const { return overview_.rows; }
    // First column: the marker of a changed row, else the pair number.
    [[nodiscard]] std::string OverviewRowLabel(int row) const;
    // Second column: the pair's text as the merge will leave it.
    [[nodiscard]] std::string OverviewRowText(int row) const;
    [[nodiscard]] std::optional<std::uint32_t> OverviewRowColour(int row) const;

    // Command list (overview mode): one row per written line.
    struct CommandRow {
        std::size_t command = 0;  // index in Commands()
        std::string text;
        std::string source;
        std::string destination;
    };
    [[nodiscard]] const std::vector<CommandRow>& CommandRows() const { return commandRows_; }
    [[nodiscard]] const std::vector<MergeCommand>& Commands() const { return parse_.commands; }
    // The row the executor's progress notice selected, if any.
    [[nodiscard]] std::optional<int> ExecutingRow() const { return executingRow_; }

    // Pages of binder b after the merge.
    [[nodiscard]] std::int32_t PagesAfterMerge(std::int32_t binder) const;

    // "Items selected: %8d" for the supplement list and (edit mode) the binder list.
    [[nodiscard]] std::string SupplementStatusText() const;
    [[nodiscard]] std::string BinderStatusText() const;

    // ---- Selections (row indices) ------------------------------------------
    void SetSupplementSelection(std::set<int> rows) { supplementSelection_ = std::move(rows); }
    void SetBinderSelection(std::set<int> rows) { binderSelection_ = std::move(rows); }
    void SetCommandSelection(std::set<int> rows) { commandSelection_ = std::move(rows); }
    [[nodiscard]] const std::set<int>& SupplementSelection() const { return supplementSelection_; }
    [[nodiscard]] const std::set<int>& BinderSelection() const { return binderSelection_; }
    [[nodiscard]] const std::set<int>& CommandSelection() const { return commandSelection_; }
    // The list that has the focus (Clear selection and Select all work on it).
    void SetActiveList(List list) { activeList_ = list; }

    // ---- Commands ---------------------------------------------------------
    [[nodiscard]] bool IsEnabled(int id) const;
    [[nodiscard]] bool IsChecked(int id) const;
    // Runs the command when it is enabled; false when it was not.
    bool Execute(int id);
    // The tool tip of a toolbar button in the current mode.
    [[nodiscard]] std::string ToolTip(int id) const;

    // ---- Texts and state --------------------------------------------------
    [[nodiscard]] const std::string& WorkingCopy() const { return texts_.working; }
    [[nodiscard]] const std::string& SavedCopy() const { return texts_.saved; }
    // The working copy differs from the merge record's text.
    [[nodiscard]] bool IsChanged() const;

    // ---- Buttons ---------------------------------------------------------
    [[nodiscard]] std::string MergeButtonText() const;
    [[nodiscard]] bool MergeButtonVisible() const;
    [[nodiscard]] bool MergeButtonEnabled() const;
    // Merge (Update without supplement). True when the dialog closes (as
    // after Cancel): the merge or update succeeded.
    bool OnMerge();
    // OK: prepares to save (the page count message may show) and closes.
    bool OnOK();
    // Cancel: asks what to do with changes; true when the dialog closes.
    bool OnCancel();
    // Save (toolbar): the merge record takes the working copy.
    bool PrepareToSave();

    // ---- Results ----------------------------------------------------------
    // The merge record as the editor leaves it: Merge_data (and, after a
    // MergeInsert, Merge_ID) set by saving.
    [[nodiscard]] const MergeRecord& Record() const { return inputs_.mergeRecord; }
    // The publication version PublicationMerge made; 0 when none.
    [[nodiscard]] std::int32_t NewPublicationId() const { return newPublicationId_; }
    [[nodiscard]] bool MergeSucceeded() const { return mergeSucceeded_; }

    // The view's window and how it follows changes.
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    void SetBringToFront(std::function<void()> bringToFront) {
        bringToFront_ = std::move(bringToFront);
    }

private:
    [[nodiscard]] MergeDataInputs parseInputs() const;
    BinderDocRecord* binderRecord(std::int32_t binder);
    [[nodiscard]] const BinderDocRecord* binderRecord(std::int32_t binder) const;
    [[nodiscard]] std::int32_t pairsOf(std::int32_t binder) const;
    [[nodiscard]] std::int32_t lastBinder() const;
    [[nodiscard]] const PagePairList& pairsOfSource(std::int32_t binder) const;

    // Parses the working copy, applies the reuse rule, and (after a change)
    // rewrites the text in normal form; then rebuilds lists and overview.
    // What the parse has to say is said once per action of the user: a text
    // already reported (opening, then the merge the opening runs at once) is
    // parsed again without its messages.
    void reparse(bool afterChange);
    void rebuild();
    void loadChosenBinder();
    void changed();
    // Appends lines written by an edit command and parses.
    void append(const std::string& lines);
    // Replaces the command lines (overview mode) and parses.
    void rewriteCommands(const std::vector<std::string>& lines);

    // Edit-mode helpers.
    [[nodiscard]] std::vector<int> binderRows() const;  // selected, after the placeholder
    [[nodiscard]] std::vector<int> supplementPairs() const;
    [[nodiscard]] bool editable() const;
    [[nodiscard]] bool supplementEditable() const;
    [[nodiscard]] bool chosenIsNew() const;
    [[nodiscard]] bool allInState(const std::vector<int>& rows, RowState state) const;
    [[nodiscard]] static bool Adjacent(const std::vector<int>& rows);
    [[nodiscard]] bool supplementRowsUsableAndAdjacent() const;
    [[nodiscard]] bool positionRowUsable(int row) const;
    [[nodiscard]] std::optional<std::optional<bool>> commonTabsheet() const;
    [[nodiscard]] std::string prefix() const;
    [[nodiscard]] std::vector<std::pair<std::int32_t, std::int32_t>> pairRuns() const;
    [[nodiscard]] std::vector<int> selectedCommands() const;
    [[nodiscard]] bool commandsAdjacent() const;
    [[nodiscard]] std::string selectedLinesText() const;
    [[nodiscard]] int listRowCount(List list) const;
    std::set<int>& selection(List list);
    [[nodiscard]] const std::set<int>& selection(List list) const;

    [[nodiscard]] int effectiveId(int id) const;
    void runCommand(int id);
    bool merge(bool ask);
    bool mergeWithSupplement();
    bool updateWithoutSupplement();
    void closeFailedMerge(const std::vector<std::string>& writtenFiles);
    void showExecuting(std::size_t index);

    MergeDataDlgInputs inputs_;
    EditorTexts texts_;
    MergeDataParse parse_;
    PagePairList supplementPairs_;
    mutable std::vector<std::optional<PagePairList>> binderPairs_;  // by binder number
    std::int32_t chosenBinder_ = 1;
    Overview overview_;
    std::vector<CommandRow> commandRows_;
    std::vector<std::int32_t> binderNumbers_;
    bool editMode_ = true;
    List activeList_ = List::Binder;
    std::set<int> supplementSelection_;
    std::set<int> binderSelection_;
    std::set<int> commandSelection_;
    std::optional<int> executingRow_;
    void* window_ = nullptr;
    HostModalState modal_;
    bool firstTick_ = true;
    // The text whose parse messages this action has shown.
    std::optional<std::string> reportedText_;
    std::int32_t newPublicationId_ = 0;
    bool mergeSucceeded_ = false;
    std::function<void()> onChange_;
    std::function<void()> bringToFront_;
};

}  // namespace lumar
