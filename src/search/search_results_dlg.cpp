#include "search/search_results_dlg.h"

#include <algorithm>
#include <cstdio>

#include "annotations/colour.h"
#include "annotations/page_pair.h"
#include "config/settings_store.h"
#include "platform/host/roles.h"
#include "ui/message_box.h"

namespace lumar {

namespace {

std::uint32_t Component(std::uint32_t rgb, int shift) {
    return (rgb >> shift) & 0xFFU;
}

std::uint32_t Compose(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

std::string Number(long value) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld", value);
    return text;
}

}  // namespace

std::uint32_t DarkenRowColour(std::uint32_t rgb) {
    const auto darker = [](std::uint32_t c) { return c < 16 ? 0U : c - 16; };
    return Compose(darker(Component(rgb, 0)), darker(Component(rgb, 8)),
                   darker(Component(rgb, 16)));
}

std::uint32_t BlendColour(std::uint32_t rgb, std::uint32_t toward) {
    const auto half = [&](int shift) {
        return (Component(rgb, shift) + Component(toward, shift)) / 2;
    };
    return Compose(half(0), half(8), half(16));
}

CSearchResultsDlg::CSearchResultsDlg(std::vector<SearchHit> hits,
                                     PublicationLastInfoRecord publication, std::string searchText,
                                     bool readOnly)
    : hits_(std::move(hits)),
      publication_(std::move(publication)),
      searchText_(std::move(searchText)),
      readOnly_(readOnly) {}

void CSearchResultsDlg::SetBinderDocuments(std::vector<BinderDocRecord> records) {
    binders_ = std::move(records);
    supplement_.reset();
    binderMode_ = true;
}

void CSearchResultsDlg::SetSupplement(SupplementRecord record) {
    supplement_ = std::move(record);
    binders_.clear();
    binderMode_ = false;
}

void CSearchResultsDlg::OnInitDialog(void* window) {
    window_ = window;
    selection_.clear();
    status_.clear();
}

bool CSearchResultsDlg::RestorePlacement(WindowPlacement& placement) {
    return ReadWindowPlacement("Dialogs", kPlacementName, placement);
}

void CSearchResultsDlg::SavePlacement(const WindowPlacement& placement) {
    WriteWindowPlacement("Dialogs", kPlacementName, placement);
}

std::vector<CSearchResultsDlg::Column> CSearchResultsDlg::Columns() const {
    std::vector<Column> columns{{"Page pair", Align::Centre, Width::FitTitleAndContents}};
    if (binderMode_) {
        columns.push_back({"Binder number", Align::Centre, Width::FitTitleAndContents});
    }
    columns.push_back({"Search result", Align::Left,
                       hits_.empty() ? Width::FitTitleAndContents : Width::FitContents});
    return columns;
}

CSearchResultsDlg::Cell CSearchResultsDlg::CellAt(int row, int column) const {
    Cell cell;
    if (row < 0 || row >= RowCount()) {
        return cell;
    }
    const SearchHit& hit = hits_[static_cast<std::size_t>(row)];
    const int resultColumn = binderMode_ ? 2 : 1;
    if (column == 0) {
        // The blanks leave room for the colour box when the column is fitted.
        cell.text = Number(hit.pair) + std::string(16, ' ');
        if (const auto rgb = PairDisplayColour(hit.text)) {
            cell.box = ColourBox{readOnly_ ? BlendColour(*rgb, system_.grayText) : *rgb, 1, 1};
        }
    } else if (binderMode_ && column == 1) {
        cell.text = Number(hit.binder);
    } else if (column == resultColumn) {
        cell.text = hit.text;
    }
    cell.toolTip = cell.text;
    cell.italic = PairTabsheet(hit.text).value_or(false);
    return cell;
}

CSearchResultsDlg::CellColours CSearchResultsDlg::Colours(int row) const {
    const SystemColours& system = system_;
    CellColours colours;
    if (readOnly_) {
        colours.text = colours.hotText = colours.selectedText = system.grayText;
        colours.background = colours.selectedBackground = colours.selectedBackgroundUnfocused =
            system.window;
    } else {
        colours.text = system.windowText;
        colours.background = system.window;
        colours.hotText = system.hotTrack;
        colours.selectedText = system.highlightText;
        colours.selectedBackground = colours.selectedBackgroundUnfocused = system.highlight;
    }
    if (row % 2 == 1) {
        colours.background = DarkenRowColour(colours.background);
        colours.selectedBackground = DarkenRowColour(colours.selectedBackground);
        colours.selectedBackgroundUnfocused = DarkenRowColour(colours.selectedBackgroundUnfocused);
    }
    return colours;
}

void CSearchResultsDlg::SetSelection(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [this](int row) { return row < 0 || row >= RowCount(); });
    selection_ = std::move(rows);
}

bool CSearchResultsDlg::OnTimer() {
    if (readOnly_) {
        selection_.clear();
    }
    char text[64];
    std::snprintf(text, sizeof text, "Items selected: %8d",
                  static_cast<int>(2 * selection_.size()));
    if (status_ == text) {
        return false;
    }
    status_ = text;
    return true;
}

std::string CSearchResultsDlg::ExtractToolTip() const {
    return !readOnly_ && selection_.empty() ? std::string(kNoItemsSelectedTip) : std::string();
}

std::vector<SearchHit> CSearchResultsDlg::SelectedHits() const {
    std::vector<SearchHit> selected;
    for (int row : selection_) {
        selected.push_back(hits_[static_cast<std::size_t>(row)]);
    }
    return selected;
}

ExtractionSources CSearchResultsDlg::Sources() const {
    return {publication_.SAP_code, binders_, supplement_};
}

bool CSearchResultsDlg::OnExtract() {
    if (!ExtractEnabled()) {
        return false;
    }
    const std::vector<SearchHit> selected = SelectedHits();
    std::string question = "This might take a while...\r\nAre you sure?";
    if (CountExtractDocuments(selected) == 2) {
        question = "Extract from multiple documents! " + question;
    }
    if (ShowMessageBox({kExtractTitle, question, MessageIcon::Question, MessageButtons::OkCancel,
                        0}) != MessageAnswer::Ok) {
        return false;
    }
    pdf::Document* document = ExtractPages(selected, Sources(), window_);
    if (document == nullptr) {
        return false;
    }
    host::DocumentView* view = nullptr;
    try {
        view = host::openViewOfDocument(document);
    } catch (const host::HostError&) {
        view = nullptr;
    }
    if (view == nullptr) {
        host::alertNote("Failed to open new document");
        try {
            host::closeDocument(document);
        } catch (const host::HostError&) {
            // Abandoned either way.
        }
        return false;
    }
    return true;
}

}  // namespace lumar
