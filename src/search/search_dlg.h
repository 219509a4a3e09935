#pragma once

// CSearchDlg: the "Search" dialog's logic. The user types a text (or picks
// an earlier one from the recent-searches list), may ask for a tab sheet or
// colour condition and for matching case, and starts the search. The match
// case flag and the recent-searches list live in the settings key "Search".
//
//   CSearchDlg dialog(detailsWindow);
//   if (DoModal(dialog, detailsWindow) == kIdOk)
//       search for dialog.Text() with dialog.MatchCase()

#include <string>
#include <vector>

#include "config/window_placement.h"

namespace lumar {

class CSearchDlg {
public:
    static constexpr const char* kTitle = "Search";
    // Settings: key, match case flag (1 = match case), recent searches.
    static constexpr const char* kSettingsKey = "Search";
    static constexpr const char* kMatchCaseName = "Match_case";
    static constexpr const char* kMruListName = "MRU_list";
    // Window placement under "Dialogs".
    static constexpr const char* kPlacementName = "SearchDlg";
    // The Search button's tip while it is disabled.
    static constexpr const char* kNoTextTip = "No text to search for";
    static constexpr const char* kAnyColour = "Any colour";

    explicit CSearchDlg(void* parent = nullptr) : parent_(parent) {}

    // Reads the match case flag (false when missing) and the recent searches
    // into the list; updates the Search button.
    void OnInitDialog();
    // The window's own platform handle (parent of the colour choice).
    void SetWindow(void* window) { window_ = window; }

    // Window placement: restored on opening (false: keep the default
    // position), saved on closing.
    static bool RestorePlacement(WindowPlacement& placement);
    static void SavePlacement(const WindowPlacement& placement);

    // The user's edits: typing, picking an entry of the list (it becomes the
    // text), clicking "Match case".
    void SetText(const std::string& text);
    void SelectEntry(std::size_t index);
    void SetMatchCase(bool matchCase);

    // "Tab sheet": appends "TABSHEET=" and unchecks "Match case".
    void OnTabSheet();
    // "Colour...": the colour dialog (CColourDlg, shown modally) with the
    // remembered colour as current and "Any colour" as its no-colour row.
    // Appends "COLOUR=" (no colour) or COLOUR="name", remembers the choice
    // and unchecks "Match case". True when a colour was chosen.
    bool OnColour();
    // "Search" (or Enter): stores the flag and the recent searches and
    // returns true (close with OK); false while Search is disabled.
    bool OnOK();

    [[nodiscard]] const std::string& Text() const { return text_; }
    [[nodiscard]] bool MatchCase() const { return matchCase_; }
    [[nodiscard]] const std::vector<std::string>& Entries() const { return entries_; }
    [[nodiscard]] bool SearchEnabled() const { return searchEnabled_; }
    // "No text to search for" while Search is disabled, else empty.
    [[nodiscard]] std::string SearchToolTip() const;

private:
    void updateSearchButton();
    void appendCondition(const std::string& condition);

    void* parent_ = nullptr;
    void* window_ = nullptr;
    std::string text_;
    bool matchCase_ = false;
    std::vector<std::string> entries_;
    bool searchEnabled_ = false;
};

}  // namespace lumar
