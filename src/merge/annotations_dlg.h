#pragma once

// CAnnotationsDlg: "Document annotations" shows the page pairs of one binder
// document, or of the supplement, with their tab sheet flags and colours,
// and collects changes to them as update data. Update applies the update
// data to the PDF through the executor; OK keeps it without applying it.
//
//   AnnotationsDlgInputs inputs{publication, binderDocs, supplement, 0};  // the supplement
//   CAnnotationsDlg dialog(std::move(inputs));
//   dialog.OnInitDialog(window);
//   dialog.SetSelection({1, 2, 6});                  // pairs 2, 3 and 7
//   dialog.Execute(CAnnotationsDlg::kIdToggleTabsheet);
//   if (dialog.OnUpdate()) ...                       // applied; the dialog closes
//
// Without a window (the command line): ApplyUpdateData(text) parses the given
// update data and runs it at once.

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
#include "service/ws_records.h"
#include "ui/host_modal_state.h"

namespace lumar {

struct AnnotationsDlgInputs {
    PublicationLastInfoRecord publication;
    std::vector<BinderDocRecord> binderDocuments;
    SupplementRecord supplement;
    std::int32_t binder = 0;  // 0: the supplement
    bool readOnly = false;
};

class CAnnotationsDlg {
public:
    static constexpr const char* kCaption = "Document annotations";
    static constexpr const char* kPlacementKey = "Dialogs";
    static constexpr const char* kPlacementName = "AnnotationsDlg";
    static constexpr const char* kEmptyListText = "<No annotation data>";
    static constexpr const char* kColumns[] = {"Page pair", "Binder"};

    static constexpr int kIdClearSelection = 40001;
    static constexpr int kIdSelectAll = 40002;
    static constexpr int kIdToggleTabsheet = 40050;
    static constexpr int kIdSelectColour = 40052;

    struct Row {
        std::int32_t pair = 0;
        std::string text;  // the pair's text with the update data's changes applied
        std::optional<bool> tabsheet;
        std::string colour;  // the colour name; empty for none or unknown
    };

    explicit CAnnotationsDlg(AnnotationsDlgInputs inputs);
    ~CAnnotationsDlg();
    CAnnotationsDlg(const CAnnotationsDlg&) = delete;
    CAnnotationsDlg& operator=(const CAnnotationsDlg&) = delete;

    // The window is up (null without one): the pairs load.
    void OnInitDialog(void* window);
    void OnDestroy();
    static bool ReadPlacement(WindowPlacement& placement);
    static void WritePlacement(const WindowPlacement& placement);

    [[nodiscard]] bool ShowsBinder() const { return inputs_.binder != 0; }
    [[nodiscard]] bool ReadOnly() const { return inputs_.readOnly; }
    // Binder box ("Binder %d" for 1 to Binder_count) and Doc_file: binders only.
    [[nodiscard]] std::vector<std::string> BinderChoices() const;
    [[nodiscard]] std::int32_t ShownBinder() const { return inputs_.binder; }
    void ChooseBinder(std::int32_t binder);
    [[nodiscard]] std::string DocFile() const;

    [[nodiscard]] const std::vector<Row>& Rows() const { return rows_; }
    [[nodiscard]] std::optional<std::uint32_t> RowColour(int row) const;

    void SetSelection(std::set<int> rows) { selection_ = std::move(rows); }
    [[nodiscard]] const std::set<int>& Selection() const { return selection_; }
    // "Items selected: %8d".
    [[nodiscard]] std::string StatusText() const;

    [[nodiscard]] bool IsEnabled(int id) const;
    [[nodiscard]] bool IsChecked(int id) const;
    bool Execute(int id);

    [[nodiscard]] const std::string& WorkingCopy() const { return texts_.working; }
    [[nodiscard]] const std::string& SavedCopy() const { return texts_.saved; }
    [[nodiscard]] const std::string& StoredCopy() const { return stored_; }
    // The working copy differs from the stored copy.
    [[nodiscard]] bool IsChanged() const { return texts_.working != stored_; }

    // Update: true when the update data was applied and the dialog closes.
    [[nodiscard]] bool UpdateEnabled() const;
    bool OnUpdate();
    // OK keeps the update data without applying it; the dialog closes.
    bool OnOK();
    // True when the dialog closes.
    bool OnCancel();

    // Takes `updateData` as the dialog's update data and applies it without
    // asking. False (reported) when it does not parse or the update fails.
    bool ApplyUpdateData(std::string_view updateData);

    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    void SetBringToFront(std::function<void()> bringToFront) {
        bringToFront_ = std::move(bringToFront);
    }

private:
    [[nodiscard]] MergeDataInputs parseInputs() const;
    [[nodiscard]] const BinderDocRecord* binderRecord(std::int32_t binder) const;
    void load();
    void reparse(bool afterChange);
    void rebuild();
    void append(const std::string& lines);
    [[nodiscard]] bool hasChange() const;
    [[nodiscard]] std::optional<std::optional<bool>> commonTabsheet() const;
    [[nodiscard]] std::vector<std::pair<std::int32_t, std::int32_t>> runs() const;
    bool update();

    AnnotationsDlgInputs inputs_;
    EditorTexts texts_;
    std::string stored_;
    MergeDataParse parse_;
    PagePairList pairs_;
    std::vector<Row> rows_;
    std::set<int> selection_;
    void* window_ = nullptr;
    HostModalState modal_;
    std::function<void()> onChange_;
    std::function<void()> bringToFront_;
};

}  // namespace lumar
