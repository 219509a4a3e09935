#pragma once

// QuickListCell: what an owner-data list asks its owner for each cell it
// draws (text, tip, colours, font, a bar box), and the drawing rules the
// views share: where the box goes, how much of it the bar fills, how texts
// are prepared, which part of a two-line text a tip shows, and type-ahead
// find over a column.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace lumar {

// A colour value meaning "the system's colour for this role".
inline constexpr std::uint32_t kDefaultColour = 0xFF000000;

struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

struct QuickListCell {
    // Set by the list.
    int item = 0;
    int column = 0;
    bool selected = false;
    bool hot = false;
    std::uint32_t drawFormat = 0;  // the column's alignment and the list's text flags

    // Set by the owner.
    std::string text;     // Windows-1252
    std::string toolTip;  // Windows-1252
    std::uint32_t textColour = kDefaultColour;
    std::uint32_t backgroundColour = kDefaultColour;
    std::uint32_t hotTextColour = kDefaultColour;
    std::uint32_t selectedTextColour = kDefaultColour;
    std::uint32_t selectedBackgroundFocused = kDefaultColour;
    std::uint32_t selectedBackgroundUnfocused = kDefaultColour;
    bool bold = false;
    bool italic = false;

    struct Box {
        int maximum = 0;  // 0: no box
        int value = 0;
        std::uint32_t colour = kDefaultColour;  // default: the system's highlight
        int edge = 0;                           // 0: no edge
    } box;

    [[nodiscard]] bool HasBox() const { return box.maximum > 0; }
};

// Rows lower than this get the narrower box margin.
inline constexpr int kLowRowHeight = 26;

// The box at the left of the cell: the cell deflated by 5 pixels each side
// (2 in a low row), made square, and 2 pixels smaller again with an edge.
CellRect QuickListBoxRect(const CellRect& cell, bool hasEdge);

// The width of the bar drawn in a box `boxWidth` wide: width × value ÷
// maximum (integer division); 0 when value or maximum is not above 0.
int QuickListBarWidth(int boxWidth, int value, int maximum);

// Where the text of a cell is drawn: 2 pixels in at the left, 1 at the right
// and bottom; in column 0 it starts 7 pixels right of the box area, whether
// or not a box is drawn.
CellRect QuickListTextRect(const CellRect& cell, int column);

// The text as drawn: every "&" doubled (no mnemonics); column 0 trimmed of
// blanks.
std::string QuickListDrawText(std::string_view text, int column);

// A text holding a line break is drawn as two parts (columns other than 0):
// before the break at the top of the cell, after it at the bottom.
struct TextParts {
    std::string top;
    std::string bottom;
    bool split = false;
};
TextParts SplitAtLineBreak(std::string_view text);

// The tip of a cell: its text; in column 1 a two-part text shows the part
// whose half of the cell is under the mouse (`mouseY` in cell coordinates).
std::string QuickListToolTip(std::string_view text, int column, const CellRect& cell, int mouseY);

// The find column value that switches type-ahead find off.
inline constexpr int kFindOff = -2;

// Type-ahead find: the first row from `startRow` on (wrapping round once)
// whose text in the find column starts with `typed`, ignoring case; -1 when
// none. `textOf` gives a row's text in the find column.
int QuickListFind(std::string_view typed, int startRow, int rowCount,
                  const std::function<std::string(int row)>& textOf);

}  // namespace lumar
