#pragma once

// ColumnLayout: which columns of a column set a list shows, in which order
// and how wide, and how its rows are sorted. One layout per column set lives
// for the life of the plug-in, shared by every opening of the owning dialog;
// its order and widths persist below Dialogs\<dialog> as "ListColOrder" and
// "ListColWidths" (comma-separated decimals, the closing sentinel included).
//
//   ColumnLayout& layout = PublicationLayout();
//   LoadColumnLayout(layout, "ManagerDlg");     // when the dialog opens
//   for (int index : layout.Shown()) ...        // build the columns
//   SaveColumnLayout(layout, "ManagerDlg");     // after CaptureHeader, on closing

#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/column_sets.h"

namespace lumar {

// A width that means "the set entry's width rule".
inline constexpr int kRuleWidth = -1;

struct ColumnLayout {
    // Starts with no columns shown.
    explicit ColumnLayout(int setSize);

    // Number of entries in the set; also the sentinel that ends `order`.
    int setSize;
    // Shown set indices in display order, ended by the sentinel; room for
    // every column plus the sentinel.
    std::vector<int> order;
    // Per display position: pixels, or kRuleWidth.
    std::vector<int> widths;
    // A list column index, or -1 for none.
    int sortColumn = -1;
    // Kept across openings; never stored.
    bool ascending = true;

    // The shown set indices in display order.
    [[nodiscard]] std::vector<int> Shown() const;
    [[nodiscard]] bool IsShown(int setIndex) const;
    // The set index shown in list column `column`, or -1.
    [[nodiscard]] int SetIndexOfColumn(int column) const;
    // Shows exactly `setIndices` in that order, every width by its rule.
    void SetShown(std::span<const int> setIndices);
};

// The layouts before anything is stored: the publication set shows "SAP
// code", "Administrator", "Description", "Update status", "Update user",
// "# Binders", "Merged supplement", "Next supplement", "Merge data status";
// the document set the numbers, pages, PDF version, font errors, PDF OK,
// file name and annotations.
ColumnLayout DefaultPublicationLayout();
ColumnLayout DefaultDocumentLayout();

// The process's layouts of the manager's and the details dialog's lists.
ColumnLayout& PublicationLayout();
ColumnLayout& DocumentLayout();

// The registry names of the dialogs that own the two layouts.
inline constexpr std::string_view kPublicationLayoutDialog = "ManagerDlg";
inline constexpr std::string_view kDocumentLayoutDialog = "DocumentDetailsDlg";

// Reads the stored order into `layout`: entries up to the first empty one, or
// one outside the set, or one already shown; the sentinel follows them.
void ParseColumnOrder(std::string_view text, ColumnLayout& layout);
// Reads the stored widths for the shown positions, up to the first empty or
// negative entry; the positions without a stored width use their rule.
void ParseColumnWidths(std::string_view text, ColumnLayout& layout);
// The texts to store: the order and the widths of every position up to and
// including the sentinel's, joined by ",".
std::string ColumnOrderText(const ColumnLayout& layout);
std::string ColumnWidthsText(const ColumnLayout& layout);

// Reads "ListColOrder" and, only when that exists, "ListColWidths" of the
// dialog; a missing order leaves the layout as it is. False when none is
// stored.
bool LoadColumnLayout(ColumnLayout& layout, std::string_view dialog);
// Writes "ListColOrder" and, only when that succeeds, "ListColWidths".
bool SaveColumnLayout(const ColumnLayout& layout, std::string_view dialog);

// Takes the layout from the list's header as the user left it: for each
// display position, the list column shown there (the header's
// order-to-index mapping) and its width in pixels.
void CaptureHeader(ColumnLayout& layout, std::span<const int> columnAtPosition,
                   std::span<const int> widthAtPosition);

// The column chooser's command: hides a shown entry (the positions behind it
// move forward with their widths) or appends a hidden one with its rule
// width. Capture the header first. Removing every column is allowed.
void ToggleColumn(ColumnLayout& layout, int setIndex);

// A left click on the header of list column `column`: the same column flips
// the direction, another one becomes the sort column, ascending.
void ClickHeader(ColumnLayout& layout, int column);

// The chooser's command numbers: kColumnChooserFirst + set index.
inline constexpr int kColumnChooserFirst = 32800;

// The width to give list column `column` once the rows are filled: one third
// of the list's client width for "Description", else the stored pixels, else
// the entry's width rule (kFitCells or kFitTitleAndCells).
int ColumnWidth(const ColumnLayout& layout, ColumnSetId set, int column, int clientWidth);

// The first list column whose set index is `setIndex`, or -1.
int FirstColumnShowing(const ColumnLayout& layout, int setIndex);

// Sorts the rows (pointers to records the owner keeps) by the sort column,
// or by the records' first field when there is none. Equal keys keep their
// order.
template <typename Record>
void SortRows(std::vector<const Record*>& rows, const ColumnLayout& layout) {
    const int setIndex = layout.SetIndexOfColumn(layout.sortColumn);
    const int key = layout.sortColumn < 0 ? 0 : setIndex;
    const bool ascending = layout.sortColumn < 0 ? true : layout.ascending;
    std::stable_sort(rows.begin(), rows.end(), [key, ascending](const Record* a, const Record* b) {
        return CompareRecords(*a, *b, key, ascending) < 0;
    });
}

}  // namespace lumar
