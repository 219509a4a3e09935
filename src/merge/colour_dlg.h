#pragma once

// CColourDlg: "Select a colour..." picks one paper colour of the colour list,
// or no colour. Row 0 is the no-colour row under its title; row i is the
// colour list's record i - 1.
//
//   CColourDlg dialog(colours, "[[#NOCOLOUR#]]");   // row 0 selected
//   dialog.SelectRow(3);
//   if (dialog.OKEnabled()) { dialog.OnOK(); use(dialog.Result()); }
//
// The result is the chosen colour's name, or an empty text for the no-colour
// row.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/window_placement.h"
#include "service/ws_records.h"

namespace lumar {

class CColourDlg {
public:
    static constexpr const char* kCaption = "Select a colour...";
    static constexpr const char* kPlacementKey = "Dialogs";
    static constexpr const char* kPlacementName = "ColourDlg";
    static constexpr const char* kDefaultNoColourTitle = "Unspecified";
    static constexpr const char* kEmptyListText = "<No colour data>";
    static constexpr const char* kNoItemSelected = "No item selected";
    // Column titles, in order.
    static constexpr const char* kColumns[] = {"Colour", "R", "G", "B"};

    // `current`: a colour name, "[[#NOCOLOUR#]]" for no colour, or empty when
    // none is known. The colours are copied.
    CColourDlg(std::span<const ColourRecord> colours, std::string_view current,
               std::string_view noColourTitle = kDefaultNoColourTitle);
    // The logon store's colour list.
    explicit CColourDlg(std::string_view current,
                        std::string_view noColourTitle = kDefaultNoColourTitle);

    // The window placement stored for the dialog; false when there is none.
    static bool ReadPlacement(WindowPlacement& placement);
    static void WritePlacement(const WindowPlacement& placement);

    // Rows: the no-colour row, then one per colour.
    [[nodiscard]] int RowCount() const;
    // The name shown in the "Colour" column (row 0: the no-colour row's title).
    [[nodiscard]] std::string RowName(int row) const;
    // The "R", "G" and "B" columns ("%ld"); empty for row 0.
    [[nodiscard]] std::string RowComponent(int row, int component) const;
    // The swatch's RGB value (R + G * 256 + B * 65536); none for row 0.
    [[nodiscard]] std::optional<std::uint32_t> RowColour(int row) const;
    // The row of the colour that was current when the dialog opened.
    [[nodiscard]] std::optional<int> InitialRow() const { return initialRow_; }
    [[nodiscard]] bool IsInitialRow(int row) const { return initialRow_ == row; }

    [[nodiscard]] std::optional<int> SelectedRow() const { return selected_; }
    // Selects a row (out of range: nothing), or clears the selection.
    void SelectRow(std::optional<int> row);

    // OK needs a selected row; its tool tip says why when it cannot be used.
    [[nodiscard]] bool OKEnabled() const { return selected_.has_value(); }
    [[nodiscard]] std::string OKToolTip() const;

    // True when the dialog closes with OK (a row is selected).
    bool OnOK();
    // A double click acts as OK when OK is enabled.
    bool OnDoubleClick(int row);

    // The chosen colour after OK: its name, or empty for the no-colour row.
    [[nodiscard]] const std::string& Result() const { return result_; }

private:
    std::vector<ColourRecord> colours_;
    std::string noColourTitle_;
    std::optional<int> initialRow_;
    std::optional<int> selected_;
    std::string result_;
};

}  // namespace lumar
