#pragma once

// The overview of one binder as the merge data will leave it: one row per
// page pair of the binder before the merge (the placeholder row 0 first),
// changed, and rows added, by the commands of the list in order.
//
//   Overview overview = BuildOverview(commands, 2, pairsOfBinder2, binderCount);
//   for (const OverviewRow& row : overview.rows) ... RowMarker(row, 2) ...
//
// Positions in the merge data are numbers of the binder before the merge;
// a row keeps the binder pair it stands for (`binderPair`) so that later
// commands find it. In a binder being created a position is a row index.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "merge/merge_command.h"

namespace lumar {

enum class RowState : int {
    Unchanged = 0,
    Replaced = 2,  // by a supplement pair
    Inserted = 3,  // a supplement pair
    Deleted = 4,
    Stored = 5,     // moved away by a Store
    Restored = 6,   // restored here, or moved here by Extract into a new binder
    Extracted = 8,  // moved into the new binder
};

struct OverviewRow {
    RowState state = RowState::Unchanged;
    // The pair shown: the binder pair, the supplement pair of a replaced or
    // inserted row, the source binder's pair of a restored row.
    std::int32_t pair = 0;
    // The binder pair (before the merge) this row stands at; -1 for added rows.
    std::int32_t binderPair = -1;
    // Where the row's text comes from: the binder itself, another binder
    // (restored rows) or 0 for the supplement.
    std::int32_t sourceBinder = 0;
    int command = -1;                   // the command that produced the row
    int command2 = -1;                  // a restored row: the Store it comes from
    std::optional<bool> tabsheet;       // set by SetTabsheet
    std::optional<std::string> colour;  // set by SetColour (a name or "[[#NOCOLOUR#]]")
};

struct Overview {
    std::vector<OverviewRow> rows;
    // A supplement pair used twice, or a command addressing a row that is no
    // longer there to be changed ("Page pairs cannot be used multiple times!").
    bool pairsReused = false;
};

// `pairCount`: the binder's pairs before the merge (0 for a new binder);
// `binderCount`: the publication's binders (higher numbers are being created).
Overview BuildOverview(std::span<const MergeCommand> commands, std::int32_t binder,
                       std::int32_t pairCount, std::int32_t binderCount);

// 2 x the rows after the placeholder that are not deleted, stored or extracted.
std::int32_t PagesAfterMerge(const Overview& overview);

// True when any binder 1 to `lastBinder` breaks the rule, or a supplement
// pair is used by more than one Replace or Insert.
bool PairsReusedAnywhere(std::span<const MergeCommand> commands, std::int32_t binderCount,
                         std::int32_t lastBinder,
                         const std::function<std::int32_t(std::int32_t)>& pairsOfBinder);

// "Replaced(%d)", "Inserted(%d)", "Deleted(%d)", "Stored(%d)", "Restored(%d)",
// "Restored(%d-B%d)" (from another binder), "Extracted(%d)"; empty for an
// unchanged row.
std::string RowMarker(const OverviewRow& row, std::int32_t binder);

// The position Insert and Restore write for a row of binder `binder`: the
// row's binder pair (a replaced row: the pair it replaces), the row index in
// a binder being created, 0 for the placeholder.
std::int32_t PositionOfRow(const Overview& overview, std::size_t row, bool newBinder);

}  // namespace lumar
