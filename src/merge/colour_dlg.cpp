#include "merge/colour_dlg.h"

#include <cstdio>

#include "annotations/colour.h"
#include "config/settings_store.h"
#include "platform/text/cp1252.h"
#include "service/logon_store.h"

namespace lumar {

namespace {

std::optional<int> RowOfColour(const std::vector<ColourRecord>& colours, std::string_view current) {
    if (current == kNoColour) {
        return 0;
    }
    if (current.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (text::equalsIgnoreCase(colours[i].Name, current)) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

}  // namespace

CColourDlg::CColourDlg(std::span<const ColourRecord> colours, std::string_view current,
                       std::string_view noColourTitle)
    : colours_(colours.begin(), colours.end()),
      noColourTitle_(noColourTitle),
      initialRow_(RowOfColour(colours_, current)),
      selected_(initialRow_) {}

CColourDlg::CColourDlg(std::string_view current, std::string_view noColourTitle)
    : CColourDlg(TheLogonStore().colours.Records, current, noColourTitle) {}

bool CColourDlg::ReadPlacement(WindowPlacement& placement) {
    return ReadWindowPlacement(kPlacementKey, kPlacementName, placement);
}

void CColourDlg::WritePlacement(const WindowPlacement& placement) {
    WriteWindowPlacement(kPlacementKey, kPlacementName, placement);
}

int CColourDlg::RowCount() const {
    return static_cast<int>(colours_.size()) + 1;
}

std::string CColourDlg::RowName(int row) const {
    if (row == 0) {
        return noColourTitle_;
    }
    if (row < 0 || row >= RowCount()) {
        return {};
    }
    return colours_[static_cast<std::size_t>(row) - 1].Name;
}

std::string CColourDlg::RowComponent(int row, int component) const {
    if (row <= 0 || row >= RowCount() || component < 0 || component > 2) {
        return {};
    }
    const ColourRecord& colour = colours_[static_cast<std::size_t>(row) - 1];
    const std::int32_t values[] = {colour.R, colour.G, colour.B};
    char text[24];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(values[component]));
    return text;
}

std::optional<std::uint32_t> CColourDlg::RowColour(int row) const {
    if (row <= 0 || row >= RowCount()) {
        return std::nullopt;
    }
    return ColourRgb(colours_[static_cast<std::size_t>(row) - 1]);
}

void CColourDlg::SelectRow(std::optional<int> row) {
    if (row && (*row < 0 || *row >= RowCount())) {
        row.reset();
    }
    selected_ = row;
}

std::string CColourDlg::OKToolTip() const {
    return OKEnabled() ? std::string() : kNoItemSelected;
}

bool CColourDlg::OnOK() {
    if (!selected_) {
        return false;
    }
    result_ =
        *selected_ == 0 ? std::string() : colours_[static_cast<std::size_t>(*selected_) - 1].Name;
    return true;
}

bool CColourDlg::OnDoubleClick(int row) {
    SelectRow(row);
    return OKEnabled() && OnOK();
}

}  // namespace lumar
