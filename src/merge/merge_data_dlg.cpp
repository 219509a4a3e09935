#include "merge/merge_data_dlg.h"

#include <algorithm>
#include <cstdio>

#include "annotations/colour.h"
#include "annotations/load_page_pairs.h"
#include "annotations/page_pair.h"
#include "config/settings_store.h"
#include "merge/merge_data_writer.h"
#include "ui/message_box.h"

namespace lumar {

namespace {

constexpr const char* kReuseTitle = "LoadMergeData";

std::string Format(const char* format, long a, long b = 0, long c = 0) {
    char text[96];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

std::string SourceText(const MergeCommand& c) {
    switch (c.kind) {
    case CommandKind::Binder:
        return Format("Binder %ld", c.sourceBinder);
    case CommandKind::Replace:
    case CommandKind::Insert:
        return Format("Supplement %ld-%ld", c.first, c.last);
    case CommandKind::Delete:
    case CommandKind::Store:
    case CommandKind::Restore:
    case CommandKind::Extract:
    case CommandKind::SetTabsheet:
    case CommandKind::SetColour:
        return Format("Binder %ld: %ld-%ld", c.sourceBinder, c.first, c.last);
    default:
        return {};
    }
}

std::string DestinationText(const MergeCommand& c) {
    switch (c.kind) {
    case CommandKind::Replace:
        return Format("Binder %ld: %ld-%ld", c.destinationBinder, c.sourcePosition,
                      static_cast<long>(c.sourcePosition + c.pairCount() - 1));
    case CommandKind::Insert:
    case CommandKind::Restore:
        return Format("Binder %ld: after %ld", c.destinationBinder, c.destinationPosition);
    case CommandKind::Create:
    case CommandKind::Extract:
        return Format("Binder %ld", c.destinationBinder);
    default:
        return {};
    }
}

}  // namespace

CMergeDataDlg::CMergeDataDlg(MergeDataDlgInputs inputs)
    : inputs_(std::move(inputs)), binderPairs_(kMaxBinderNumber + 1) {
    texts_.working = inputs_.mergeRecord.Merge_data;
    texts_.saved = texts_.working;
    chosenBinder_ = inputs_.firstBinder;
}

CMergeDataDlg::~CMergeDataDlg() = default;

void CMergeDataDlg::OnInitDialog(void* window) {
    window_ = window;
    if (window != nullptr) {
        modal_.Begin(window);
    }
    if (HasSupplement()) {
        supplementPairs_ = LoadPagePairs(&inputs_.supplement, false, "Supplement annotations",
                                         PlaceholderOnly::Keep);
    }
    reparse(false);
}

void CMergeDataDlg::OnDestroy() {
    modal_.End();
}

bool CMergeDataDlg::ReadPlacement(WindowPlacement& placement) {
    return ReadWindowPlacement(kPlacementKey, kPlacementName, placement);
}

void CMergeDataDlg::WritePlacement(const WindowPlacement& placement) {
    WriteWindowPlacement(kPlacementKey, kPlacementName, placement);
}

std::string CMergeDataDlg::Caption() const {
    return HasSupplement() ? kCaption : kCaptionNoSupplement;
}

// ---- Lists ------------------------------------------------------------------

int CMergeDataDlg::SupplementRowCount() const {
    return supplementPairs_.empty() ? 0 : static_cast<int>(supplementPairs_.size()) - 1;
}

std::string CMergeDataDlg::SupplementRowText(int row) const {
    const auto index = static_cast<std::size_t>(row) + 1;
    return row >= 0 && index < supplementPairs_.size() ? supplementPairs_[index] : std::string();
}

bool CMergeDataDlg::SupplementPairUsable(std::int32_t pair) const {
    return std::ranges::none_of(parse_.commands, [pair](const MergeCommand& c) {
        return (c.kind == CommandKind::Replace || c.kind == CommandKind::Insert) &&
               c.first <= pair && pair <= c.last;
    });
}

std::vector<std::string> CMergeDataDlg::BinderChoices() const {
    std::vector<std::string> choices;
    for (const std::int32_t n : binderNumbers_) {
        choices.push_back(
            Format(n > inputs_.publication.Binder_count ? "Binder %ld (new)" : "Binder %ld", n));
    }
    return choices;
}

std::vector<std::int32_t> CMergeDataDlg::BinderNumbers() const {
    return binderNumbers_;
}

void CMergeDataDlg::ChooseBinder(std::int32_t binder) {
    if (std::find(binderNumbers_.begin(), binderNumbers_.end(), binder) == binderNumbers_.end()) {
        return;
    }
    chosenBinder_ = binder;
    binderSelection_.clear();
    rebuild();
}

std::string CMergeDataDlg::ChosenDocFile() const {
    const BinderDocRecord* record = binderRecord(chosenBinder_);
    return record != nullptr && !chosenIsNew() ? record->Doc_file : std::string();
}

BinderDocRecord* CMergeDataDlg::binderRecord(std::int32_t binder) {
    auto& records = inputs_.binderDocuments;
    const auto found = std::find_if(records.rbegin(), records.rend(), [binder](const auto& record) {
        return record.Binder_number == binder;
    });
    return found == records.rend() ? nullptr : &*found;
}

const BinderDocRecord* CMergeDataDlg::binderRecord(std::int32_t binder) const {
    return const_cast<CMergeDataDlg*>(this)->binderRecord(binder);
}

std::int32_t CMergeDataDlg::pairsOf(std::int32_t binder) const {
    if (binder > inputs_.publication.Binder_count) {
        return 0;
    }
    const BinderDocRecord* record = binderRecord(binder);
    return record != nullptr ? record->Page_count / 2 : 0;
}

std::int32_t CMergeDataDlg::lastBinder() const {
    return std::min(std::max(inputs_.publication.Binder_count, parse_.newBinderNumber),
                    kMaxBinderNumber);
}

const PagePairList& CMergeDataDlg::pairsOfSource(std::int32_t binder) const {
    static const PagePairList kNone;
    if (binder == 0) {
        return supplementPairs_;
    }
    if (binder < 0 || binder > kMaxBinderNumber ||
        !binderPairs_[static_cast<std::size_t>(binder)]) {
        return kNone;
    }
    return *binderPairs_[static_cast<std::size_t>(binder)];
}

void CMergeDataDlg::loadChosenBinder() {
    std::vector<std::int32_t> needed{chosenBinder_};
    for (const OverviewRow& row : overview_.rows) {
        if (row.state == RowState::Restored) {
            needed.push_back(row.sourceBinder);
        }
    }
    for (const std::int32_t binder : needed) {
        if (binder < 1 || binder > kMaxBinderNumber) {
            continue;
        }
        std::optional<PagePairList>& pairs = binderPairs_[static_cast<std::size_t>(binder)];
        if (pairs) {
            continue;
        }
        if (binder > inputs_.publication.Binder_count) {
            pairs = PagePairList{std::string(kNullPair)};  // still to be created
        } else {
            pairs = LoadPagePairs(binderRecord(binder), true, "Binder annotations");
        }
    }
}

std::string CMergeDataDlg::OverviewRowLabel(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= overview_.rows.size()) {
        return {};
    }
    const OverviewRow& r = overview_.rows[static_cast<std::size_t>(row)];
    if (row == 0) {
        return std::string(kNullPair);
    }
    const std::string marker = RowMarker(r, chosenBinder_);
    return marker.empty() ? Format("%ld", r.pair) : marker;
}

std::string CMergeDataDlg::OverviewRowText(int row) const {
    if (row <= 0 || static_cast<std::size_t>(row) >= overview_.rows.size()) {
        return {};
    }
    const OverviewRow& r = overview_.rows[static_cast<std::size_t>(row)];
    const PagePairList& pairs = pairsOfSource(r.sourceBinder);
    const auto index = static_cast<std::size_t>(r.pair);
    std::string text = r.pair > 0 && index < pairs.size() ? pairs[index] : std::string();
    if (r.tabsheet) {
        text = SetPairTabsheet(text, *r.tabsheet);
    }
    if (r.colour) {
        text = SetPairColour(text, *r.colour);
    }
    return text;
}

std::optional<std::uint32_t> CMergeDataDlg::OverviewRowColour(int row) const {
    return PairDisplayColour(OverviewRowText(row));
}

std::int32_t CMergeDataDlg::PagesAfterMerge(std::int32_t binder) const {
    return lumar::PagesAfterMerge(
        BuildOverview(parse_.commands, binder, pairsOf(binder), inputs_.publication.Binder_count));
}

std::string CMergeDataDlg::SupplementStatusText() const {
    return Format("Items selected: %8ld", 2 * static_cast<long>(supplementSelection_.size()));
}

std::string CMergeDataDlg::BinderStatusText() const {
    if (!editMode_) {
        return {};
    }
    return Format("Items selected: %8ld", 2 * static_cast<long>(binderRows().size()));
}

bool CMergeDataDlg::IsChanged() const {
    return texts_.working != inputs_.mergeRecord.Merge_data;
}

// ---- Parsing ------------------------------------------------------------------

MergeDataInputs CMergeDataDlg::parseInputs() const {
    MergeDataInputs inputs;
    inputs.binderCount = inputs_.publication.Binder_count;
    inputs.binderDocuments = inputs_.binderDocuments;
    inputs.supplementPageCount = HasSupplement() ? inputs_.supplement.Page_count : 0;
    return inputs;
}

void CMergeDataDlg::reparse(bool afterChange) {
    const bool report = afterChange || reportedText_ != texts_.working;
    parse_ = ParseWithRevert(texts_, MergeDataEditor::MergeData, parseInputs(), report);
    const auto pairs = [this](std::int32_t binder) { return pairsOf(binder); };
    if (parse_.success && PairsReusedAnywhere(parse_.commands, inputs_.publication.Binder_count,
                                              lastBinder(), pairs)) {
        if (texts_.working != texts_.saved) {
            texts_.working = texts_.saved;
            ShowMessageBox(kReuseTitle,
                           std::string(kReuseMessage) + "\r\nMerge data will be reverted.",
                           MessageIcon::Error);
            parse_ = ParseWithRevert(texts_, MergeDataEditor::MergeData, parseInputs());
        } else if (report) {
            ShowMessageBox(kReuseTitle, kReuseMessage, MessageIcon::Error);
        }
    }
    reportedText_ = texts_.working;
    if (afterChange && parse_.success) {
        texts_.working = NormalForm(parse_.commands);
    }
    rebuild();
}

void CMergeDataDlg::rebuild() {
    binderNumbers_.clear();
    for (std::int32_t n = 1; n <= lastBinder(); ++n) {
        binderNumbers_.push_back(n);
    }
    if (!binderNumbers_.empty() && std::find(binderNumbers_.begin(), binderNumbers_.end(),
                                             chosenBinder_) == binderNumbers_.end()) {
        chosenBinder_ = chosenBinder_ < 1 ? binderNumbers_.front() : binderNumbers_.back();
    }
    overview_ = BuildOverview(parse_.commands, chosenBinder_, pairsOf(chosenBinder_),
                              inputs_.publication.Binder_count);
    loadChosenBinder();

    commandRows_.clear();
    for (std::size_t i = 1; i < parse_.commands.size(); ++i) {
        const MergeCommand& c = parse_.commands[i];
        if (c.kind == CommandKind::Empty) {
            continue;
        }
        commandRows_.push_back({i, c.text, SourceText(c), DestinationText(c)});
    }
    const auto trim = [](std::set<int>& rows, int count) {
        rows.erase(rows.lower_bound(count), rows.end());
        rows.erase(rows.begin(), rows.lower_bound(0));
    };
    trim(supplementSelection_, SupplementRowCount());
    trim(binderSelection_, static_cast<int>(overview_.rows.size()));
    trim(commandSelection_, static_cast<int>(commandRows_.size()));
    if (onChange_) {
        onChange_();
    }
}

}  // namespace lumar
