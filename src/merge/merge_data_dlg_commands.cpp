// The merge data editor's commands: what each one needs to be enabled, and
// the lines it writes.

#include <algorithm>

#include "annotations/colour.h"
#include "annotations/page_pair.h"
#include "merge/clipboard.h"
#include "merge/colour_chooser.h"
#include "merge/merge_data_dlg.h"
#include "merge/merge_data_writer.h"

namespace lumar {

namespace {

MergeCommand Command(CommandKind kind, std::int32_t first, std::int32_t last) {
    MergeCommand command;
    command.kind = kind;
    command.first = first;
    command.last = last;
    return command;
}

std::string Trimmed(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) {
        return {};
    }
    const auto end = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(begin, end - begin + 1));
}

}  // namespace

// ---- Helpers ------------------------------------------------------------------

bool CMergeDataDlg::editable() const {
    return !inputs_.readOnly;
}

bool CMergeDataDlg::supplementEditable() const {
    return editable() && HasSupplement();
}

bool CMergeDataDlg::chosenIsNew() const {
    return chosenBinder_ > inputs_.publication.Binder_count;
}

std::vector<int> CMergeDataDlg::binderRows() const {
    std::vector<int> rows;
    for (const int row : binderSelection_) {
        if (row > 0 && static_cast<std::size_t>(row) < overview_.rows.size()) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<int> CMergeDataDlg::supplementPairs() const {
    std::vector<int> pairs;
    for (const int row : supplementSelection_) {
        if (row >= 0 && row < SupplementRowCount()) {
            pairs.push_back(row + 1);
        }
    }
    return pairs;
}

bool CMergeDataDlg::Adjacent(const std::vector<int>& rows) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i] != rows[i - 1] + 1) {
            return false;
        }
    }
    return !rows.empty();
}

bool CMergeDataDlg::allInState(const std::vector<int>& rows, RowState state) const {
    return std::all_of(rows.begin(), rows.end(), [&](int row) {
        return overview_.rows[static_cast<std::size_t>(row)].state == state;
    });
}

bool CMergeDataDlg::supplementRowsUsableAndAdjacent() const {
    const std::vector<int> pairs = supplementPairs();
    return Adjacent(pairs) && std::all_of(pairs.begin(), pairs.end(),
                                          [&](int pair) { return SupplementPairUsable(pair); });
}

// The one selected binder row (the placeholder counts) as a place to put pairs.
bool CMergeDataDlg::positionRowUsable(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= overview_.rows.size()) {
        return false;
    }
    const RowState state = overview_.rows[static_cast<std::size_t>(row)].state;
    return state == RowState::Unchanged || state == RowState::Replaced ||
           (state == RowState::Restored && chosenIsNew());
}

// The tab sheet state the selected rows share: none when they differ.
std::optional<std::optional<bool>> CMergeDataDlg::commonTabsheet() const {
    std::optional<std::optional<bool>> common;
    for (const int row : binderRows()) {
        const std::optional<bool> state = PairTabsheet(OverviewRowText(row));
        if (common && *common != state) {
            return std::nullopt;
        }
        common = state;
    }
    return common;
}

std::string CMergeDataDlg::prefix() const {
    return BinderPrefix(parse_.commands, chosenBinder_, PrefixRule::MergeDataEditor);
}

// The selected binder rows as runs of consecutive pairs.
std::vector<std::pair<std::int32_t, std::int32_t>> CMergeDataDlg::pairRuns() const {
    std::vector<std::pair<std::int32_t, std::int32_t>> runs;
    int previous = -2;
    for (const int row : binderRows()) {
        const std::int32_t pair = overview_.rows[static_cast<std::size_t>(row)].binderPair;
        if (row == previous + 1 && !runs.empty() && runs.back().second + 1 == pair) {
            runs.back().second = pair;
        } else {
            runs.emplace_back(pair, pair);
        }
        previous = row;
    }
    return runs;
}

std::vector<int> CMergeDataDlg::selectedCommands() const {
    std::vector<int> rows;
    for (const int row : commandSelection_) {
        if (row >= 0 && static_cast<std::size_t>(row) < commandRows_.size()) {
            rows.push_back(row);
        }
    }
    return rows;
}

bool CMergeDataDlg::commandsAdjacent() const {
    return Adjacent(selectedCommands());
}

std::string CMergeDataDlg::selectedLinesText() const {
    std::string text;
    for (const int row : selectedCommands()) {
        text += commandRows_[static_cast<std::size_t>(row)].text + "\r\n";
    }
    return text;
}

int CMergeDataDlg::listRowCount(List list) const {
    switch (list) {
    case List::Supplement:
        return SupplementRowCount();
    case List::Binder:
        return static_cast<int>(overview_.rows.size());
    case List::Commands:
        return static_cast<int>(commandRows_.size());
    }
    return 0;
}

std::set<int>& CMergeDataDlg::selection(List list) {
    return list == List::Supplement ? supplementSelection_
           : list == List::Binder   ? binderSelection_
                                    : commandSelection_;
}

const std::set<int>& CMergeDataDlg::selection(List list) const {
    return const_cast<CMergeDataDlg*>(this)->selection(list);
}

// ---- Enabled and checked --------------------------------------------------------

// In overview mode the toolbar's Store and Restore buttons cut and paste.
int CMergeDataDlg::effectiveId(int id) const {
    if (!editMode_ && id == kIdToolStore) {
        return kIdCut;
    }
    if (!editMode_ && id == kIdToolRestore) {
        return kIdPaste;
    }
    return id;
}

bool CMergeDataDlg::IsEnabled(int id) const {
    id = effectiveId(id);
    const std::vector<int> rows = binderRows();
    const bool edit = editMode_ && editable();
    const bool overview = !editMode_;
    const bool hasCommands =
        std::any_of(parse_.commands.begin(), parse_.commands.end(),
                    [](const MergeCommand& c) { return c.kind != CommandKind::Empty; });
    switch (id) {
    case kIdToolOpen:
    case kIdMoveUp:
    case kIdMoveDown:
        return false;
    case kIdToolSave:
        return editable() && IsChanged();
    case kIdReplace:
    case kIdToolReplace:
        return edit && supplementEditable() && !rows.empty() &&
               rows.size() == supplementPairs().size() && supplementRowsUsableAndAdjacent() &&
               Adjacent(rows) && allInState(rows, RowState::Unchanged);
    case kIdInsert:
    case kIdToolInsert:
        return edit && supplementEditable() && binderSelection_.size() == 1 &&
               positionRowUsable(*binderSelection_.begin()) && supplementRowsUsableAndAdjacent();
    case kIdDelete:
    case kIdToolDelete:
        if (overview) {
            return editable() && !selectedCommands().empty();
        }
        return edit && !rows.empty() && allInState(rows, RowState::Unchanged);
    case kIdStore:
    case kIdToolStore:
        return edit && Adjacent(rows) && allInState(rows, RowState::Unchanged) &&
               !parse_.pendingStore;
    case kIdRestore:
    case kIdToolRestore:
        return edit && parse_.pendingStore.has_value() && binderSelection_.size() == 1 &&
               positionRowUsable(*binderSelection_.begin());
    case kIdCreateBinder:
        return edit && static_cast<std::int32_t>(binderNumbers_.size()) < kMaxBinderNumber &&
               hasCommands;
    case kIdMoveToNewBinder:
        return edit && Adjacent(rows) && allInState(rows, RowState::Unchanged) &&
               !parse_.pendingStore && parse_.newBinderNumber != 0 && !chosenIsNew();
    case kIdToggleTabsheet:
        return edit && !rows.empty() && allInState(rows, RowState::Unchanged) &&
               commonTabsheet().has_value();
    case kIdSelectColour:
        return edit && !rows.empty() && allInState(rows, RowState::Unchanged);
    case kIdClearSelection:
        return !selection(activeList_).empty();
    case kIdSelectAll:
        return static_cast<int>(selection(activeList_).size()) < listRowCount(activeList_);
    case kIdSwitchToOverview:
    case kIdToolOverviewMode:
        return editMode_;
    case kIdSwitchToEdit:
    case kIdToolEditMode:
        return !editMode_;
    case kIdCut:
        return overview && editable() && commandsAdjacent();
    case kIdCopy:
        return overview && commandsAdjacent();
    case kIdPaste:
        return overview && editable() && selectedCommands().size() == 1 &&
               !TheClipboard().text().empty();
    default:
        return false;
    }
}

bool CMergeDataDlg::IsChecked(int id) const {
    switch (id) {
    case kIdToggleTabsheet: {
        const auto common = commonTabsheet();
        return common && *common == std::optional<bool>(true);
    }
    case kIdToolEditMode:
        return editMode_;
    case kIdToolOverviewMode:
        return !editMode_;
    default:
        return false;
    }
}

std::string CMergeDataDlg::ToolTip(int id) const {
    switch (id) {
    case kIdToolOpen:
        return "Open";
    case kIdToolSave:
        return "Save";
    case kIdToolReplace:
        return "Replace";
    case kIdToolInsert:
        return "Insert";
    case kIdToolDelete:
        return "Delete";
    case kIdToolStore:
        return editMode_ ? "Store" : "Cut";
    case kIdToolRestore:
        return editMode_ ? "Restore" : "Paste";
    case kIdToolEditMode:
        return editMode_ ? "Currently in Edit mode" : "Switch to Edit mode";
    case kIdToolOverviewMode:
        return editMode_ ? "Switch to Overview mode" : "Currently in Overview mode";
    default:
        return {};
    }
}

// ---- Running --------------------------------------------------------------------

bool CMergeDataDlg::Execute(int id) {
    if (!IsEnabled(id)) {
        return false;
    }
    runCommand(effectiveId(id));
    return true;
}

void CMergeDataDlg::append(const std::string& lines) {
    texts_.saved = texts_.working;
    texts_.working += lines;
    supplementSelection_.clear();
    binderSelection_.clear();
    reparse(true);
}

void CMergeDataDlg::rewriteCommands(const std::vector<std::string>& lines) {
    texts_.saved = texts_.working;
    texts_.working.clear();
    for (const std::string& line : lines) {
        texts_.working += line + "\r\n";
    }
    commandSelection_.clear();
    reparse(true);
}

void CMergeDataDlg::runCommand(int id) {
    const std::vector<int> rows = binderRows();
    const std::vector<int> pairs = supplementPairs();
    const bool isNew = chosenIsNew();
    switch (id) {
    case kIdReplace:
    case kIdToolReplace: {
        MergeCommand c = Command(CommandKind::Replace, pairs.front(), pairs.back());
        c.sourcePosition = overview_.rows[static_cast<std::size_t>(rows.front())].binderPair;
        append(SerialiseCommand(c, prefix()));
        break;
    }
    case kIdInsert:
    case kIdToolInsert: {
        MergeCommand c = Command(CommandKind::Insert, pairs.front(), pairs.back());
        c.destinationPosition =
            PositionOfRow(overview_, static_cast<std::size_t>(*binderSelection_.begin()), isNew);
        append(SerialiseCommand(c, prefix()));
        break;
    }
    case kIdDelete:
    case kIdToolDelete:
        if (!editMode_) {
            std::vector<std::string> lines;
            for (std::size_t row = 0; row < commandRows_.size(); ++row) {
                if (!commandSelection_.contains(static_cast<int>(row))) {
                    lines.push_back(commandRows_[row].text);
                }
            }
            rewriteCommands(lines);
            break;
        }
        [[fallthrough]];
    case kIdToggleTabsheet:
    case kIdSelectColour: {
        MergeCommand c;
        if (id == kIdSelectColour) {
            std::string current;
            for (const int row : rows) {
                const std::string colour =
                    PairColour(OverviewRowText(row)).value_or(std::string(kNoColour));
                const std::string shown = colour.empty() ? std::string(kNoColour) : colour;
                if (row != rows.front() && shown != current) {
                    current.clear();
                    break;
                }
                current = shown;
            }
            const std::optional<std::string> chosen = ChooseColour(current, window_);
            if (!chosen) {
                return;
            }
            c.kind = CommandKind::SetColour;
            c.colour = *chosen;
        } else if (id == kIdToggleTabsheet) {
            c.kind = CommandKind::SetTabsheet;
            c.tabsheetOn = !IsChecked(kIdToggleTabsheet);
        } else {
            c.kind = CommandKind::Delete;
        }
        std::string lines;
        for (const auto& [first, last] : pairRuns()) {
            c.first = first;
            c.last = last;
            lines += SerialiseCommand(c, lines.empty() ? prefix() : std::string());
        }
        append(lines);
        break;
    }
    case kIdStore:
    case kIdToolStore:
    case kIdMoveToNewBinder: {
        const MergeCommand c =
            Command(id == kIdMoveToNewBinder ? CommandKind::Extract : CommandKind::Store,
                    overview_.rows[static_cast<std::size_t>(rows.front())].binderPair,
                    overview_.rows[static_cast<std::size_t>(rows.back())].binderPair);
        append(SerialiseCommand(c, prefix()));
        break;
    }
    case kIdRestore:
    case kIdToolRestore: {
        MergeCommand c = Command(CommandKind::Restore, 0, 0);
        c.destinationPosition =
            PositionOfRow(overview_, static_cast<std::size_t>(*binderSelection_.begin()), isNew);
        append(SerialiseCommand(c, prefix()));
        break;
    }
    case kIdCreateBinder: {
        const bool empty = Trimmed(texts_.working).empty();
        append((empty ? BinderLine(chosenBinder_) : std::string()) +
               SerialiseCommand(Command(CommandKind::Create, 0, 0)));
        if (parse_.newBinderNumber != 0) {
            ChooseBinder(parse_.newBinderNumber);
        }
        break;
    }
    case kIdClearSelection:
        selection(activeList_).clear();
        break;
    case kIdSelectAll: {
        std::set<int>& rowsOfList = selection(activeList_);
        for (int row = 0; row < listRowCount(activeList_); ++row) {
            rowsOfList.insert(row);
        }
        break;
    }
    case kIdSwitchToOverview:
    case kIdToolOverviewMode:
        editMode_ = false;
        activeList_ = List::Commands;
        rebuild();
        break;
    case kIdSwitchToEdit:
    case kIdToolEditMode:
        editMode_ = true;
        activeList_ = List::Binder;
        rebuild();
        break;
    case kIdCopy:
        TheClipboard().setText(selectedLinesText());
        break;
    case kIdCut: {
        TheClipboard().setText(selectedLinesText());
        std::vector<std::string> lines;
        for (std::size_t row = 0; row < commandRows_.size(); ++row) {
            if (!commandSelection_.contains(static_cast<int>(row))) {
                lines.push_back(commandRows_[row].text);
            }
        }
        rewriteCommands(lines);
        break;
    }
    case kIdPaste: {
        const std::string pasted = NormaliseLineEnds(TheClipboard().text());
        const auto after = static_cast<std::size_t>(*commandSelection_.begin());
        std::vector<std::string> lines;
        for (std::size_t row = 0; row < commandRows_.size(); ++row) {
            lines.push_back(commandRows_[row].text);
            if (row != after) {
                continue;
            }
            std::size_t start = 0;
            while (start <= pasted.size()) {
                const std::size_t end = std::min(pasted.find('\n', start), pasted.size());
                std::string line = Trimmed(std::string_view(pasted).substr(start, end - start));
                if (!line.empty()) {
                    lines.push_back(std::move(line));
                }
                start = end + 1;
            }
        }
        rewriteCommands(lines);
        break;
    }
    case kIdToolSave:
        PrepareToSave();
        break;
    default:
        break;
    }
}

}  // namespace lumar
