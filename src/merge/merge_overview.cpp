#include "merge/merge_overview.h"

#include <cstdio>
#include <set>

namespace lumar {

namespace {

class OverviewBuilder {
public:
    OverviewBuilder(std::int32_t binder, std::int32_t pairCount, std::int32_t binderCount)
        : binder_(binder), isNew_(binder > binderCount) {
        const std::int32_t pairs = pairCount > 0 ? pairCount : 0;
        overview_.rows.resize(static_cast<std::size_t>(pairs) + 1);
        for (std::int32_t p = 0; p <= pairs; ++p) {
            OverviewRow& row = overview_.rows[static_cast<std::size_t>(p)];
            row.pair = p;
            row.binderPair = p;
            row.sourceBinder = binder;
        }
    }

    Overview run(std::span<const MergeCommand> commands) {
        for (std::size_t i = 0; i < commands.size(); ++i) {
            apply(commands[i], static_cast<int>(i));
        }
        return std::move(overview_);
    }

private:
    static bool RangeUsable(const MergeCommand& c) { return c.first >= 1 && c.last >= c.first; }

    // The row that stands for binder pair p (added rows stand for none).
    [[nodiscard]] std::optional<std::size_t> rowOfPair(std::int64_t p) const {
        for (std::size_t r = 1; r < overview_.rows.size(); ++r) {
            if (overview_.rows[r].binderPair == p) {
                return r;
            }
        }
        return std::nullopt;
    }

    // Where Insert and Restore put their pairs: after this row.
    struct Position {
        std::size_t row = 0;
        // The editor offers only rows in place (unchanged or replaced) as
        // positions; merge data may name a pair that is gone.
        bool offered = true;
    };

    // A binder being created numbers positions by row. In an existing binder
    // the pairs go after the row of binder pair p (0: the placeholder) and
    // after the rows earlier commands put there, as the executor puts them:
    // pairs put at one position follow in the order of the commands, and
    // pairs put after a pair that is gone stand where it stood.
    [[nodiscard]] std::optional<Position> positionRow(std::int32_t p) const {
        if (p < 0) {
            return std::nullopt;
        }
        if (isNew_) {
            if (p == 0) {
                return Position{};
            }
            const auto r = static_cast<std::size_t>(p);
            if (r < overview_.rows.size() && overview_.rows[r].state == RowState::Restored) {
                return Position{r};
            }
            return std::nullopt;
        }
        Position position;
        if (p != 0) {
            const std::optional<std::size_t> r = rowOfPair(p);
            if (!r) {
                return std::nullopt;
            }
            const RowState state = overview_.rows[*r].state;
            position = {*r, state == RowState::Unchanged || state == RowState::Replaced};
        }
        while (position.row + 1 < overview_.rows.size() &&
               overview_.rows[position.row + 1].binderPair < 0) {
            ++position.row;
        }
        return position;
    }

    void addRows(std::size_t after, const MergeCommand& c, RowState state, std::int32_t source,
                 int command, int command2) {
        std::vector<OverviewRow> added;
        for (std::int32_t p = c.first; p <= c.last; ++p) {
            OverviewRow row;
            row.state = state;
            row.pair = p;
            row.sourceBinder = source;
            row.command = command;
            row.command2 = command2;
            added.push_back(row);
        }
        overview_.rows.insert(overview_.rows.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                              added.begin(), added.end());
    }

    void take(const MergeCommand& c, RowState state, int command) {
        if (!RangeUsable(c)) {
            overview_.pairsReused = true;
            return;
        }
        for (std::int64_t p = c.first; p <= c.last; ++p) {
            const std::optional<std::size_t> r = rowOfPair(p);
            if (!r || (overview_.rows[*r].state != RowState::Unchanged &&
                       overview_.rows[*r].state != RowState::Replaced)) {
                overview_.pairsReused = true;
                continue;
            }
            overview_.rows[*r].state = state;
            overview_.rows[*r].command = command;
        }
    }

    void put(const MergeCommand& c, RowState state, std::int32_t source, int command,
             int command2) {
        const std::optional<Position> after = positionRow(c.destinationPosition);
        if (!after || !RangeUsable(c)) {
            overview_.pairsReused = true;
            return;
        }
        if (!after->offered) {
            overview_.pairsReused = true;
        }
        addRows(after->row, c, state, source, command, command2);
    }

    void apply(const MergeCommand& c, int i) {
        switch (c.kind) {
        case CommandKind::Replace:
            if (c.destinationBinder == binder_) {
                replace(c, i);
            }
            break;
        case CommandKind::Insert:
            if (c.destinationBinder == binder_) {
                put(c, RowState::Inserted, 0, i, -1);
            }
            break;
        case CommandKind::Restore:
            if (c.destinationBinder == binder_) {
                put(c, RowState::Restored, c.sourceBinder, i, lastStore_);
            }
            break;
        case CommandKind::Delete:
            if (c.sourceBinder == binder_) {
                take(c, RowState::Deleted, i);
            }
            break;
        case CommandKind::Store:
            lastStore_ = i;
            if (c.sourceBinder == binder_) {
                take(c, RowState::Stored, i);
            }
            break;
        case CommandKind::Extract:
            if (c.sourceBinder == binder_) {
                take(c, RowState::Extracted, i);
            }
            if (c.destinationBinder == binder_ && RangeUsable(c)) {
                addRows(overview_.rows.size() - 1, c, RowState::Restored, c.sourceBinder, i, -1);
            }
            break;
        case CommandKind::SetTabsheet:
        case CommandKind::SetColour:
            if (c.sourceBinder == binder_) {
                mark(c);
            }
            break;
        default:
            break;
        }
    }

    void replace(const MergeCommand& c, int i) {
        if (!RangeUsable(c)) {
            overview_.pairsReused = true;
            return;
        }
        for (std::int64_t k = 0; k < c.pairCount(); ++k) {
            const std::optional<std::size_t> r = rowOfPair(c.sourcePosition + k);
            if (!r || overview_.rows[*r].state != RowState::Unchanged) {
                overview_.pairsReused = true;
                continue;
            }
            OverviewRow& row = overview_.rows[*r];
            row.state = RowState::Replaced;
            row.pair = static_cast<std::int32_t>(c.first + k);
            row.sourceBinder = 0;
            row.command = i;
        }
    }

    void mark(const MergeCommand& c) {
        for (OverviewRow& row : overview_.rows) {
            if (row.binderPair >= 1 && row.binderPair >= c.first && row.binderPair <= c.last) {
                if (c.kind == CommandKind::SetTabsheet) {
                    row.tabsheet = c.tabsheetOn;
                } else {
                    row.colour = c.colour;
                }
            }
        }
    }

    std::int32_t binder_;
    bool isNew_;
    int lastStore_ = -1;
    Overview overview_;
};

bool SupplementPairsReused(std::span<const MergeCommand> commands) {
    std::set<std::int32_t> used;
    for (const MergeCommand& c : commands) {
        if (c.kind != CommandKind::Replace && c.kind != CommandKind::Insert) {
            continue;
        }
        if (c.first < 1 || c.last < c.first) {
            return true;
        }
        for (std::int64_t p = c.first; p <= c.last; ++p) {
            if (!used.insert(static_cast<std::int32_t>(p)).second) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

Overview BuildOverview(std::span<const MergeCommand> commands, std::int32_t binder,
                       std::int32_t pairCount, std::int32_t binderCount) {
    return OverviewBuilder(binder, pairCount, binderCount).run(commands);
}

std::int32_t PagesAfterMerge(const Overview& overview) {
    std::int32_t pages = 0;
    for (std::size_t r = 1; r < overview.rows.size(); ++r) {
        const RowState state = overview.rows[r].state;
        if (state != RowState::Deleted && state != RowState::Stored &&
            state != RowState::Extracted) {
            pages += 2;
        }
    }
    return pages;
}

bool PairsReusedAnywhere(std::span<const MergeCommand> commands, std::int32_t binderCount,
                         std::int32_t lastBinder,
                         const std::function<std::int32_t(std::int32_t)>& pairsOfBinder) {
    if (SupplementPairsReused(commands)) {
        return true;
    }
    for (std::int32_t b = 1; b <= lastBinder; ++b) {
        if (BuildOverview(commands, b, pairsOfBinder(b), binderCount).pairsReused) {
            return true;
        }
    }
    return false;
}

std::string RowMarker(const OverviewRow& row, std::int32_t binder) {
    const char* format = nullptr;
    switch (row.state) {
    case RowState::Unchanged:
        return {};
    case RowState::Replaced:
        format = "Replaced(%d)";
        break;
    case RowState::Inserted:
        format = "Inserted(%d)";
        break;
    case RowState::Deleted:
        format = "Deleted(%d)";
        break;
    case RowState::Stored:
        format = "Stored(%d)";
        break;
    case RowState::Extracted:
        format = "Extracted(%d)";
        break;
    case RowState::Restored:
        format = "Restored(%d)";
        break;
    }
    char text[64];
    if (row.state == RowState::Restored && row.sourceBinder != binder) {
        std::snprintf(text, sizeof text, "Restored(%d-B%d)", row.pair, row.sourceBinder);
    } else {
        std::snprintf(text, sizeof text, format, row.pair);
    }
    return text;
}

std::int32_t PositionOfRow(const Overview& overview, std::size_t row, bool newBinder) {
    if (row == 0 || row >= overview.rows.size()) {
        return 0;
    }
    if (newBinder) {
        return static_cast<std::int32_t>(row);
    }
    return overview.rows[row].binderPair;
}

}  // namespace lumar
