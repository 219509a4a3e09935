#include "ui/quick_list_cell.h"

#include <algorithm>

namespace lumar {

namespace {

constexpr int kBoxMargin = 5;
constexpr int kLowRowBoxMargin = 2;
constexpr int kEdgeInset = 2;
constexpr int kTextGap = 7;

CellRect Deflate(const CellRect& rect, int left, int top, int right, int bottom) {
    return {rect.left + left, rect.top + top, rect.right - right, rect.bottom - bottom};
}

// ASCII case folding; Windows-1252 letters above 127 compare as they are.
char Folded(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return Folded(a) == Folded(b); });
}

}  // namespace

CellRect QuickListBoxRect(const CellRect& cell, bool hasEdge) {
    const int margin = cell.Height() < kLowRowHeight ? kLowRowBoxMargin : kBoxMargin;
    CellRect box = Deflate(cell, margin, margin, margin, margin);
    box.right = box.left + box.Height();
    if (hasEdge) {
        box = Deflate(box, kEdgeInset, kEdgeInset, kEdgeInset, kEdgeInset);
    }
    return box;
}

int QuickListBarWidth(int boxWidth, int value, int maximum) {
    if (value <= 0 || maximum <= 0 || boxWidth <= 0) {
        return 0;
    }
    const auto width = static_cast<long long>(boxWidth) * value / maximum;
    return static_cast<int>(std::min<long long>(width, boxWidth));
}

CellRect QuickListTextRect(const CellRect& cell, int column) {
    CellRect text = Deflate(cell, 2, 0, 1, 1);
    if (column == 0) {
        const CellRect box = QuickListBoxRect(cell, false);
        text.left = box.right + kTextGap;
    }
    return text;
}

std::string QuickListDrawText(std::string_view text, int column) {
    if (column == 0) {
        const std::size_t first = text.find_first_not_of(' ');
        text = first == std::string_view::npos
                   ? std::string_view()
                   : text.substr(first, text.find_last_not_of(' ') - first + 1);
    }
    std::string drawn;
    drawn.reserve(text.size());
    for (char c : text) {
        drawn += c;
        if (c == '&') {
            drawn += '&';
        }
    }
    return drawn;
}

TextParts SplitAtLineBreak(std::string_view text) {
    const std::size_t lineBreak = text.find('\n');
    if (lineBreak == std::string_view::npos) {
        return {std::string(text), {}, false};
    }
    std::string_view top = text.substr(0, lineBreak);
    if (!top.empty() && top.back() == '\r') {
        top.remove_suffix(1);
    }
    return {std::string(top), std::string(text.substr(lineBreak + 1)), true};
}

std::string QuickListToolTip(std::string_view text, int column, const CellRect& cell, int mouseY) {
    if (column != 1) {
        return std::string(text);
    }
    const TextParts parts = SplitAtLineBreak(text);
    if (!parts.split) {
        return parts.top;
    }
    return mouseY < cell.top + cell.Height() / 2 ? parts.top : parts.bottom;
}

int QuickListFind(std::string_view typed, int startRow, int rowCount,
                  const std::function<std::string(int row)>& textOf) {
    if (rowCount <= 0) {
        return -1;
    }
    const int start = std::clamp(startRow, 0, rowCount - 1);
    for (int step = 0; step < rowCount; ++step) {
        const int row = (start + step) % rowCount;
        if (StartsWithIgnoringCase(textOf(row), typed)) {
            return row;
        }
    }
    return -1;
}

}  // namespace lumar
