#include "merge/annotations_dlg.h"

#include <algorithm>
#include <cstdio>

#include "annotations/colour.h"
#include "annotations/load_page_pairs.h"
#include "annotations/page_pair.h"
#include "config/settings_store.h"
#include "merge/colour_chooser.h"
#include "merge/merge_data_writer.h"
#include "merge/merge_request.h"
#include "ui/message_box.h"

namespace lumar {

namespace {

constexpr const char* kLoadTitle = "Document annotations";

MessageAnswer Ask(const char* title, const char* text, MessageButtons buttons, int defaultButton) {
    MessageBoxRequest request;
    request.title = title;
    request.text = text;
    request.icon = MessageIcon::Question;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return ShowMessageBox(request);
}

}  // namespace

CAnnotationsDlg::CAnnotationsDlg(AnnotationsDlgInputs inputs) : inputs_(std::move(inputs)) {}

CAnnotationsDlg::~CAnnotationsDlg() = default;

void CAnnotationsDlg::OnInitDialog(void* window) {
    window_ = window;
    if (window != nullptr) {
        modal_.Begin(window);
    }
    texts_ = {};
    stored_.clear();
    load();
    reparse(false);
}

void CAnnotationsDlg::OnDestroy() {
    modal_.End();
}

bool CAnnotationsDlg::ReadPlacement(WindowPlacement& placement) {
    return ReadWindowPlacement(kPlacementKey, kPlacementName, placement);
}

void CAnnotationsDlg::WritePlacement(const WindowPlacement& placement) {
    WriteWindowPlacement(kPlacementKey, kPlacementName, placement);
}

std::vector<std::string> CAnnotationsDlg::BinderChoices() const {
    std::vector<std::string> choices;
    if (!ShowsBinder()) {
        return choices;
    }
    for (std::int32_t n = 1; n <= inputs_.publication.Binder_count; ++n) {
        choices.push_back("Binder " + std::to_string(n));
    }
    return choices;
}

void CAnnotationsDlg::ChooseBinder(std::int32_t binder) {
    if (!ShowsBinder() || binder < 1 || binder > inputs_.publication.Binder_count ||
        binder == inputs_.binder) {
        return;
    }
    inputs_.binder = binder;
    selection_.clear();
    load();
    rebuild();
}

const BinderDocRecord* CAnnotationsDlg::binderRecord(std::int32_t binder) const {
    const auto& records = inputs_.binderDocuments;
    const auto found = std::find_if(records.rbegin(), records.rend(), [binder](const auto& record) {
        return record.Binder_number == binder;
    });
    return found == records.rend() ? nullptr : &*found;
}

std::string CAnnotationsDlg::DocFile() const {
    const BinderDocRecord* record = ShowsBinder() ? binderRecord(inputs_.binder) : nullptr;
    return record != nullptr ? record->Doc_file : std::string();
}

void CAnnotationsDlg::load() {
    if (ShowsBinder()) {
        auto* record = const_cast<BinderDocRecord*>(binderRecord(inputs_.binder));
        pairs_ = LoadPagePairs(record, true, kLoadTitle);
    } else {
        SupplementRecord* record =
            inputs_.supplement.Supplement_ID != 0 ? &inputs_.supplement : nullptr;
        pairs_ = LoadPagePairs(record, true, kLoadTitle);
    }
}

MergeDataInputs CAnnotationsDlg::parseInputs() const {
    MergeDataInputs inputs;
    inputs.binderCount = inputs_.publication.Binder_count;
    inputs.binderDocuments = inputs_.binderDocuments;
    inputs.supplementPageCount = inputs_.supplement.Page_count;
    inputs.shownBinder = inputs_.binder;
    return inputs;
}

void CAnnotationsDlg::reparse(bool afterChange) {
    parse_ = ParseWithRevert(texts_, MergeDataEditor::UpdateData, parseInputs());
    if (afterChange && parse_.success) {
        texts_.working = NormalForm(parse_.commands);
    }
    rebuild();
}

void CAnnotationsDlg::rebuild() {
    rows_.clear();
    for (std::size_t p = 1; p < pairs_.size(); ++p) {
        Row row;
        row.pair = static_cast<std::int32_t>(p);
        row.text = pairs_[p];
        for (const MergeCommand& c : parse_.commands) {
            if (c.sourceBinder != inputs_.binder || row.pair < c.first || row.pair > c.last) {
                continue;
            }
            if (c.kind == CommandKind::SetTabsheet) {
                row.text = SetPairTabsheet(row.text, c.tabsheetOn);
            } else if (c.kind == CommandKind::SetColour) {
                row.text = SetPairColour(row.text, c.colour);
            }
        }
        row.tabsheet = PairTabsheet(row.text);
        row.colour = PairColour(row.text).value_or(std::string());
        rows_.push_back(std::move(row));
    }
    selection_.erase(selection_.lower_bound(static_cast<int>(rows_.size())), selection_.end());
    selection_.erase(selection_.begin(), selection_.lower_bound(0));
    if (onChange_) {
        onChange_();
    }
}

std::optional<std::uint32_t> CAnnotationsDlg::RowColour(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return std::nullopt;
    }
    return PairDisplayColour(rows_[static_cast<std::size_t>(row)].text);
}

std::string CAnnotationsDlg::StatusText() const {
    char text[48];
    std::snprintf(text, sizeof text, "Items selected: %8d",
                  2 * static_cast<int>(selection_.size()));
    return text;
}

std::optional<std::optional<bool>> CAnnotationsDlg::commonTabsheet() const {
    std::optional<std::optional<bool>> common;
    for (const int row : selection_) {
        const std::optional<bool> state = rows_[static_cast<std::size_t>(row)].tabsheet;
        if (common && *common != state) {
            return std::nullopt;
        }
        common = state;
    }
    return common;
}

std::vector<std::pair<std::int32_t, std::int32_t>> CAnnotationsDlg::runs() const {
    std::vector<std::pair<std::int32_t, std::int32_t>> result;
    for (const int row : selection_) {
        const std::int32_t pair = rows_[static_cast<std::size_t>(row)].pair;
        if (!result.empty() && result.back().second + 1 == pair) {
            result.back().second = pair;
        } else {
            result.emplace_back(pair, pair);
        }
    }
    return result;
}

bool CAnnotationsDlg::IsEnabled(int id) const {
    switch (id) {
    case kIdToggleTabsheet:
        return !inputs_.readOnly && !selection_.empty() && commonTabsheet().has_value();
    case kIdSelectColour:
        return !inputs_.readOnly && !rows_.empty();
    case kIdClearSelection:
        return !selection_.empty();
    case kIdSelectAll:
        return selection_.size() < rows_.size();
    default:
        return false;
    }
}

bool CAnnotationsDlg::IsChecked(int id) const {
    if (id != kIdToggleTabsheet) {
        return false;
    }
    const auto common = commonTabsheet();
    return common && *common == std::optional<bool>(true);
}

void CAnnotationsDlg::append(const std::string& lines) {
    if (lines.empty()) {
        return;
    }
    texts_.saved = texts_.working;
    texts_.working += lines;
    reparse(true);
}

bool CAnnotationsDlg::Execute(int id) {
    if (!IsEnabled(id)) {
        return false;
    }
    // Empty lines carry the binder of the line before them; the prefix looks
    // at written commands only, so the first line for the supplement gets its
    // "(0)binder" too.
    std::vector<MergeCommand> written;
    std::copy_if(parse_.commands.begin(), parse_.commands.end(), std::back_inserter(written),
                 [](const MergeCommand& c) { return c.kind != CommandKind::Empty; });
    const std::string prefix = BinderPrefix(written, inputs_.binder, PrefixRule::AnnotationsDialog);
    MergeCommand command;
    switch (id) {
    case kIdToggleTabsheet:
        command.kind = CommandKind::SetTabsheet;
        command.tabsheetOn = !IsChecked(kIdToggleTabsheet);
        break;
    case kIdSelectColour: {
        if (selection_.empty()) {
            return true;
        }
        std::string current;
        bool first = true;
        for (const int row : selection_) {
            const std::optional<std::string> colour =
                PairColour(rows_[static_cast<std::size_t>(row)].text);
            const std::string shown = colour && !colour->empty() ? *colour : std::string(kNoColour);
            if (!first && shown != current) {
                current.clear();
                break;
            }
            current = shown;
            first = false;
        }
        const std::optional<std::string> chosen = ChooseColour(current, window_);
        if (!chosen) {
            return true;
        }
        command.kind = CommandKind::SetColour;
        command.colour = *chosen;
        break;
    }
    case kIdClearSelection:
        selection_.clear();
        return true;
    case kIdSelectAll:
        for (std::size_t row = 0; row < rows_.size(); ++row) {
            selection_.insert(static_cast<int>(row));
        }
        return true;
    default:
        return false;
    }
    std::string lines;
    for (const auto& [first, last] : runs()) {
        command.first = first;
        command.last = last;
        lines += SerialiseCommand(command, lines.empty() ? prefix : std::string());
    }
    append(lines);
    return true;
}

bool CAnnotationsDlg::hasChange() const {
    return std::any_of(parse_.commands.begin(), parse_.commands.end(), [](const MergeCommand& c) {
        return c.kind != CommandKind::Empty && c.kind != CommandKind::Binder;
    });
}

bool CAnnotationsDlg::UpdateEnabled() const {
    return !inputs_.readOnly && hasChange();
}

bool CAnnotationsDlg::OnUpdate() {
    if (!UpdateEnabled()) {
        return false;
    }
    if (IsChanged()) {
        if (Ask("Update document(s)", "Are you sure?", MessageButtons::OkCancel, 1) !=
            MessageAnswer::Ok) {
            return false;
        }
        texts_.saved = texts_.working;
        stored_ = texts_.working;
    }
    return update();
}

bool CAnnotationsDlg::update() {
    reparse(false);
    if (!parse_.success || !UpdateEnabled()) {
        return false;
    }
    // A binder written back must keep its pages: the executor checks them.
    for (const BinderDocRecord& record : inputs_.binderDocuments) {
        if (record.Binder_number >= 1 && record.Binder_number <= kMaxBinderNumber) {
            ExpectedPageCounts()[static_cast<std::size_t>(record.Binder_number)] =
                record.Page_count;
        }
    }
    MergeRequest request;
    request.publication = inputs_.publication;
    request.supplement = inputs_.supplement;
    request.binderDocuments = inputs_.binderDocuments;
    request.window = window_;
    request.bringToFront = bringToFront_;
    request.updateData = texts_.working;
    RunMerge(request);
    if (!request.success) {
        return false;
    }
    stored_ = texts_.working;
    return OnCancel();
}

bool CAnnotationsDlg::OnOK() {
    texts_.saved = texts_.working;
    stored_ = texts_.working;
    return true;
}

bool CAnnotationsDlg::OnCancel() {
    if (!IsChanged()) {
        return true;
    }
    switch (Ask("Update data present!", "Update before close?", MessageButtons::YesNoCancel, 2)) {
    case MessageAnswer::Yes:
        if (inputs_.readOnly) {
            return false;
        }
        texts_.saved = texts_.working;
        stored_ = texts_.working;
        return update();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CAnnotationsDlg::ApplyUpdateData(std::string_view updateData) {
    if (inputs_.readOnly) {
        return false;
    }
    texts_.working = std::string(updateData);
    texts_.saved = texts_.working;
    stored_ = texts_.working;
    return update();
}

}  // namespace lumar
