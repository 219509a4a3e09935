#pragma once

// CSearchResultsDlg: the "Search results" dialog's logic. It lists the page
// pairs a search found and extracts the pages of the selected ones into a
// new document, which the host then shows.
//
//   CSearchResultsDlg dialog(outcome.hits, publication, searchText, readOnly);
//   dialog.SetBinderDocuments(binderRecords);   // or SetSupplement(record)
//   DoModal(dialog, detailsWindow);
//
// The list (owner data) asks the model for every cell: Cell(row, column) for
// text, tip, italics and the colour box, CellColours for the colours. A
// read-only user (level below 3) sees everything greyed, cannot keep rows
// selected and cannot extract.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/window_placement.h"
#include "search/page_extraction.h"
#include "search/search_hit.h"
#include "service/ws_records.h"

namespace lumar {

class CSearchResultsDlg {
public:
    static constexpr const char* kTitle = "Search results";
    static constexpr const char* kPlacementName = "SearchResultsDlg";  // under "Dialogs"
    static constexpr const char* kNoItemsText = "<No search result data>";
    static constexpr const char* kNoItemsSelectedTip = "No item(s) selected";
    static constexpr const char* kExtractTitle = "Extract search results";
    static constexpr int kTimerMilliseconds = 100;

    enum class Align { Left, Centre };
    // Width rules of the list: fit the contents, or the wider of title and contents.
    enum class Width { FitContents, FitTitleAndContents };
    struct Column {
        std::string title;
        Align align = Align::Left;
        Width width = Width::FitTitleAndContents;
    };

    // The colour box at the left of a "Page pair" cell: full, in `rgb`
    // (R in the low byte); read-only, blended halfway toward the grey text
    // colour.
    struct ColourBox {
        std::uint32_t rgb = 0;
        int maximum = 1;
        int value = 1;
    };
    struct Cell {
        std::string text;
        std::string toolTip;
        bool italic = false;           // the pair is a tab sheet
        std::optional<ColourBox> box;  // the pair's paper colour
    };

    // The system's colours a cell is drawn with (0x00BBGGRR values).
    struct SystemColours {
        std::uint32_t windowText = 0x000000;
        std::uint32_t window = 0xFFFFFF;
        std::uint32_t hotTrack = 0xCC6600;
        std::uint32_t highlight = 0xD77800;
        std::uint32_t highlightText = 0xFFFFFF;
        std::uint32_t grayText = 0x6D6D6D;
    };
    struct CellColours {
        std::uint32_t text = 0;
        std::uint32_t background = 0;
        std::uint32_t hotText = 0;
        std::uint32_t selectedText = 0;
        std::uint32_t selectedBackground = 0;           // the list has the focus
        std::uint32_t selectedBackgroundUnfocused = 0;  // it has not
    };

    CSearchResultsDlg(std::vector<SearchHit> hits, PublicationLastInfoRecord publication,
                      std::string searchText, bool readOnly);

    // Binder search: the binder document records searched (binder mode).
    void SetBinderDocuments(std::vector<BinderDocRecord> records);
    // Supplement search: the supplement searched.
    void SetSupplement(SupplementRecord record);

    void OnInitDialog(void* window);
    static bool RestorePlacement(WindowPlacement& placement);
    static void SavePlacement(const WindowPlacement& placement);

    [[nodiscard]] bool BinderMode() const { return binderMode_; }
    [[nodiscard]] bool ReadOnly() const { return readOnly_; }
    [[nodiscard]] const std::string& SearchText() const { return searchText_; }
    [[nodiscard]] const std::vector<SearchHit>& Hits() const { return hits_; }

    [[nodiscard]] std::vector<Column> Columns() const;
    [[nodiscard]] int RowCount() const { return static_cast<int>(hits_.size()); }
    [[nodiscard]] Cell CellAt(int row, int column) const;
    [[nodiscard]] CellColours Colours(int row) const;
    // The view's system colours (the defaults until it sets them).
    void SetSystemColours(const SystemColours& system) { system_ = system; }

    // The list's selection changed (rows in any order).
    void SetSelection(std::vector<int> rows);
    [[nodiscard]] const std::vector<int>& Selection() const { return selection_; }

    // Every 100 ms: a read-only dialog drops the selection; the status text
    // follows the number of selected pages. True when the status text
    // changed (the view sets it then).
    bool OnTimer();
    // "Items selected: %8d" with twice the number of selected rows.
    [[nodiscard]] const std::string& StatusText() const { return status_; }

    [[nodiscard]] bool ExtractEnabled() const { return !readOnly_ && !selection_.empty(); }
    // "No item(s) selected" while Extract is disabled for want of a
    // selection; empty otherwise.
    [[nodiscard]] std::string ExtractToolTip() const;

    // "Extract": asks first ("Extract from multiple documents! " in front
    // when the rows come from two documents or more), extracts the selected
    // rows' pages and opens the new document in a view. True when the dialog
    // should close (the document is shown); false when it stays open.
    bool OnExtract();

    // The list's commands (context menu, keys) other than its own selection
    // commands: none is available here.
    static bool ListCommandAvailable(int /*command*/) { return false; }

    // The selected rows' hits, in list order.
    [[nodiscard]] std::vector<SearchHit> SelectedHits() const;
    [[nodiscard]] ExtractionSources Sources() const;

private:
    std::vector<SearchHit> hits_;
    PublicationLastInfoRecord publication_;
    std::string searchText_;
    bool readOnly_;
    bool binderMode_ = false;
    std::vector<BinderDocRecord> binders_;
    std::optional<SupplementRecord> supplement_;
    SystemColours system_;
    std::vector<int> selection_;
    std::string status_;
    void* window_ = nullptr;
};

// A colour with each component reduced by 16 (to at least 0): the
// background of every other row.
std::uint32_t DarkenRowColour(std::uint32_t rgb);
// A colour halfway toward `toward`: a read-only dialog's colour boxes.
std::uint32_t BlendColour(std::uint32_t rgb, std::uint32_t toward);

}  // namespace lumar
