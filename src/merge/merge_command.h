#pragma once

// The command record: one line of merge data or update data, parsed.
//
// Page pair numbers are the numbers the pairs have in their binder before the
// merge. They are not bounded below: a number under 1 passes the parser, so
// whoever turns them into page indices checks the pages exist (and widens to
// 64 bits before subtracting).

#include <cstdint>
#include <string>
#include <string_view>

namespace lumar {

enum class CommandKind : int {
    Empty = 0,
    Binder = 1,
    Replace = 2,
    Insert = 3,
    Delete = 4,
    Store = 5,
    Restore = 6,
    Create = 7,
    Extract = 8,
    SetTabsheet = 9,
    SetColour = 10,
};

struct MergeCommand {
    std::string text;  // the line as written, trimmed, in its own case
    CommandKind kind = CommandKind::Empty;
    std::int32_t first = 0;  // first page pair of the moved or changed range
    std::int32_t last = 0;   // last page pair of the range
    // Insert and Restore: the binder pair after which the pairs go (0 = before the first).
    std::int32_t destinationPosition = 0;
    // Replace: first binder pair replaced; Delete, Store, Extract, SetTabsheet,
    // SetColour: equals first.
    std::int32_t sourcePosition = 0;
    std::int32_t sourceBinder = 0;       // binder whose pairs are read or removed; 0 = supplement
    std::int32_t destinationBinder = 0;  // binder that receives pairs, else 0
    bool tabsheetOn = false;             // SetTabsheet
    std::string colour;                  // SetColour: a lower-case name or "[[#NOCOLOUR#]]"

    // last - first + 1, the number of pairs the command moves or changes.
    [[nodiscard]] std::int64_t pairCount() const {
        return static_cast<std::int64_t>(last) - static_cast<std::int64_t>(first) + 1;
    }

    bool operator==(const MergeCommand&) const = default;
};

// The keyword of a kind as the language writes it after its ")" ("binder",
// "delete", ...); empty for Empty.
std::string_view KeywordOf(CommandKind kind);

}  // namespace lumar
