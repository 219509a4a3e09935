#include "ui/column_layout.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "config/settings_store.h"

namespace lumar {

namespace {

constexpr int kDefaultPublicationOrder[] = {7, 22, 9, 27, 25, 14, 32, 36, 39};
constexpr int kDefaultDocumentOrder[] = {2, 3, 6, 7, 8, 4, 5};

constexpr std::string_view kOrderValue = "ListColOrder";
constexpr std::string_view kWidthsValue = "ListColWidths";

// The stored texts' entries: the text with a "," appended, split at ",".
// The last (always empty) piece is dropped, so an empty entry inside the
// text shows up as an empty token.
std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string joined(text);
    joined += ',';
    std::size_t start = 0;
    for (std::size_t comma = joined.find(','); comma != std::string::npos;
         comma = joined.find(',', start)) {
        tokens.emplace_back(joined.substr(start, comma - start));
        start = comma + 1;
    }
    return tokens;
}

// The token's leading decimal integer: conversion stops at the first
// character that does not belong to it, no digits give 0, and a number too
// large for an int gives INT_MAX (or INT_MIN), outside every set.
int LeadingInteger(const std::string& token) {
    errno = 0;
    const long value = std::strtol(token.c_str(), nullptr, 10);
    if (errno == ERANGE || value > INT_MAX) {
        return value < 0 ? INT_MIN : INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

std::string DialogKey(std::string_view dialog) {
    return "Dialogs\\" + std::string(dialog);
}

}  // namespace

ColumnLayout::ColumnLayout(int size)
    : setSize(size),
      order(static_cast<std::size_t>(size) + 1, size),
      widths(static_cast<std::size_t>(size) + 1, kRuleWidth) {}

std::vector<int> ColumnLayout::Shown() const {
    std::vector<int> shown;
    for (int index : order) {
        if (index == setSize) {
            break;
        }
        shown.push_back(index);
    }
    return shown;
}

bool ColumnLayout::IsShown(int setIndex) const {
    const std::vector<int> shown = Shown();
    return std::find(shown.begin(), shown.end(), setIndex) != shown.end();
}

int ColumnLayout::SetIndexOfColumn(int column) const {
    const std::vector<int> shown = Shown();
    return column >= 0 && static_cast<std::size_t>(column) < shown.size()
               ? shown[static_cast<std::size_t>(column)]
               : -1;
}

void ColumnLayout::SetShown(std::span<const int> setIndices) {
    std::fill(order.begin(), order.end(), setSize);
    std::fill(widths.begin(), widths.end(), kRuleWidth);
    std::size_t position = 0;
    for (int index : setIndices) {
        if (position + 1 >= order.size()) {
            break;
        }
        order[position++] = index;
    }
}

ColumnLayout DefaultPublicationLayout() {
    ColumnLayout layout(kPublicationSetSize);
    layout.SetShown(kDefaultPublicationOrder);
    return layout;
}

ColumnLayout DefaultDocumentLayout() {
    ColumnLayout layout(kDocumentSetSize);
    layout.SetShown(kDefaultDocumentOrder);
    return layout;
}

ColumnLayout& PublicationLayout() {
    static ColumnLayout layout = DefaultPublicationLayout();
    return layout;
}

ColumnLayout& DocumentLayout() {
    static ColumnLayout layout = DefaultDocumentLayout();
    return layout;
}

void ParseColumnOrder(std::string_view text, ColumnLayout& layout) {
    std::vector<int> accepted;
    for (const std::string& token : Tokens(text)) {
        if (token.empty()) {
            break;
        }
        const int index = LeadingInteger(token);
        // A column listed twice would take two places and confuse the
        // chooser; like an unknown column, it ends the list.
        if (index < 0 || index >= layout.setSize ||
            std::find(accepted.begin(), accepted.end(), index) != accepted.end()) {
            break;
        }
        accepted.push_back(index);
    }
    const std::vector<int> widths = layout.widths;
    layout.SetShown(accepted);
    layout.widths = widths;
}

void ParseColumnWidths(std::string_view text, ColumnLayout& layout) {
    std::size_t position = 0;
    for (const std::string& token : Tokens(text)) {
        if (token.empty() || layout.order[position] == layout.setSize) {
            break;
        }
        const int width = LeadingInteger(token);
        if (width < 0) {
            break;
        }
        layout.widths[position++] = width;
    }
    // Positions without a stored width fit by their rule rather than keep a
    // width that belonged to another column.
    std::fill(layout.widths.begin() + static_cast<std::ptrdiff_t>(position), layout.widths.end(),
              kRuleWidth);
}

std::string ColumnOrderText(const ColumnLayout& layout) {
    std::string text;
    for (int j = 0; j < layout.setSize; ++j) {
        const int index = layout.order[static_cast<std::size_t>(j)];
        text += ',' + std::to_string(index);
        if (index == layout.setSize) {
            break;
        }
    }
    return text.empty() ? text : text.substr(1);
}

std::string ColumnWidthsText(const ColumnLayout& layout) {
    std::string text;
    for (int j = 0; j < layout.setSize; ++j) {
        text += ',' + std::to_string(layout.widths[static_cast<std::size_t>(j)]);
        if (layout.order[static_cast<std::size_t>(j)] == layout.setSize) {
            break;
        }
    }
    return text.empty() ? text : text.substr(1);
}

bool LoadColumnLayout(ColumnLayout& layout, std::string_view dialog) {
    std::string order;
    if (!ReadTextSetting(DialogKey(dialog), kOrderValue, order)) {
        return false;
    }
    ParseColumnOrder(order, layout);
    std::string widths;
    if (ReadTextSetting(DialogKey(dialog), kWidthsValue, widths)) {
        ParseColumnWidths(widths, layout);
    } else {
        ParseColumnWidths("", layout);
    }
    return true;
}

bool SaveColumnLayout(const ColumnLayout& layout, std::string_view dialog) {
    return WriteTextSetting(DialogKey(dialog), kOrderValue, ColumnOrderText(layout)) &&
           WriteTextSetting(DialogKey(dialog), kWidthsValue, ColumnWidthsText(layout));
}

void CaptureHeader(ColumnLayout& layout, std::span<const int> columnAtPosition,
                   std::span<const int> widthAtPosition) {
    const std::vector<int> shown = layout.Shown();
    std::vector<int> captured;
    std::vector<int> widths;
    for (std::size_t j = 0; j < columnAtPosition.size() && j < shown.size(); ++j) {
        const int column = columnAtPosition[j];
        if (column < 0 || static_cast<std::size_t>(column) >= shown.size()) {
            break;
        }
        captured.push_back(shown[static_cast<std::size_t>(column)]);
        widths.push_back(j < widthAtPosition.size() ? widthAtPosition[j] : kRuleWidth);
    }
    layout.SetShown(captured);
    std::copy(widths.begin(), widths.end(), layout.widths.begin());
}

void ToggleColumn(ColumnLayout& layout, int setIndex) {
    if (setIndex < 0 || setIndex >= layout.setSize) {
        return;
    }
    const std::size_t count = layout.Shown().size();
    const auto shownEnd = layout.order.begin() + static_cast<std::ptrdiff_t>(count);
    const auto found = std::find(layout.order.begin(), shownEnd, setIndex);
    if (found != shownEnd) {
        const auto position = found - layout.order.begin();
        layout.order.erase(found);
        layout.order.push_back(layout.setSize);
        layout.widths.erase(layout.widths.begin() + position);
        layout.widths.push_back(kRuleWidth);
        return;
    }
    layout.order[count] = setIndex;
    layout.widths[count] = kRuleWidth;
    layout.order[count + 1] = layout.setSize;
}

void ClickHeader(ColumnLayout& layout, int column) {
    if (column == layout.sortColumn) {
        layout.ascending = !layout.ascending;
    } else {
        layout.sortColumn = column;
        layout.ascending = true;
    }
}

int ColumnWidth(const ColumnLayout& layout, ColumnSetId set, int column, int clientWidth) {
    const int index = layout.SetIndexOfColumn(column);
    const std::span<const ColumnEntry> entries = ColumnSet(set);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
        return kFitCells;
    }
    const ColumnEntry& entry = entries[static_cast<std::size_t>(index)];
    if (entry.widthRule == kThirdOfList) {
        return clientWidth / 3;
    }
    const int stored = layout.widths[static_cast<std::size_t>(column)];
    return stored >= 0 ? stored : entry.widthRule;
}

int FirstColumnShowing(const ColumnLayout& layout, int setIndex) {
    const std::vector<int> shown = layout.Shown();
    const auto found = std::find(shown.begin(), shown.end(), setIndex);
    return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
}

}  // namespace lumar
