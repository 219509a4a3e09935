#include "search/search_dlg.h"

#include <cstdint>

#include "annotations/colour.h"
#include "annotations/white_space.h"
#include "config/settings_store.h"
#include "merge/colour_dlg.h"
#include "search/search_colour.h"
#include "search/search_mru.h"
#include "ui/modal_dialog.h"

namespace lumar {

void CSearchDlg::OnInitDialog() {
    std::uint32_t matchCase = 0;
    ReadNumberSetting(kSettingsKey, kMatchCaseName, matchCase);
    matchCase_ = matchCase == 1;
    std::string list;
    ReadTextSetting(kSettingsKey, kMruListName, list);
    entries_ = SplitMruList(list);
    updateSearchButton();
}

bool CSearchDlg::RestorePlacement(WindowPlacement& placement) {
    return ReadWindowPlacement("Dialogs", kPlacementName, placement);
}

void CSearchDlg::SavePlacement(const WindowPlacement& placement) {
    WriteWindowPlacement("Dialogs", kPlacementName, placement);
}

void CSearchDlg::SetText(const std::string& text) {
    text_ = text;
    updateSearchButton();
}

void CSearchDlg::SelectEntry(std::size_t index) {
    if (index < entries_.size()) {
        SetText(entries_[index]);
    }
}

void CSearchDlg::SetMatchCase(bool matchCase) {
    matchCase_ = matchCase;
    updateSearchButton();
}

void CSearchDlg::appendCondition(const std::string& condition) {
    text_ += condition;
    matchCase_ = false;
    updateSearchButton();
}

void CSearchDlg::OnTabSheet() {
    appendCondition("TABSHEET=");
}

bool CSearchDlg::OnColour() {
    std::string& remembered = RememberedSearchColour();
    CColourDlg dialog(remembered, kAnyColour);
    if (DoModal(dialog, window_ != nullptr ? window_ : parent_) != kIdOk) {
        return false;
    }
    const std::string& chosen = dialog.Result();
    if (chosen.empty()) {
        remembered = kNoColour;
        appendCondition("COLOUR=");
    } else {
        remembered = chosen;
        appendCondition("COLOUR=\"" + chosen + "\"");
    }
    return true;
}

bool CSearchDlg::OnOK() {
    if (!searchEnabled_) {
        return false;
    }
    WriteNumberSetting(kSettingsKey, kMatchCaseName, matchCase_ ? 1 : 0);
    std::string list;
    ReadTextSetting(kSettingsKey, kMruListName, list);
    WriteTextSetting(kSettingsKey, kMruListName, AddToMruList(list, text_));
    return true;
}

std::string CSearchDlg::SearchToolTip() const {
    return searchEnabled_ ? std::string() : std::string(kNoTextTip);
}

void CSearchDlg::updateSearchButton() {
    // A picked entry is the text now, so the rule needs no separate case for it.
    searchEnabled_ = !IsBlank(text_);
}

}  // namespace lumar
