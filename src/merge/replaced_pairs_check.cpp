// Before a run writes anything: a Replace must find the binder pairs it
// replaces. A pair that an earlier command deleted, stored or extracted is
// no longer there, and the executor would replace the pair after it, whose
// leaf would be lost without notice.

#include <algorithm>
#include <cstdint>

#include "merge/merge_state.h"
#include "platform/host/roles.h"

namespace lumar {

namespace {

bool TakesPairsAway(CommandKind kind) {
    return kind == CommandKind::Delete || kind == CommandKind::Store ||
           kind == CommandKind::Extract;
}

}  // namespace

bool CheckReplacedPairsPresent(const MergeState& state) {
    const std::vector<MergeCommand>& commands = state.commands;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const MergeCommand& replace = commands[i];
        if (replace.kind != CommandKind::Replace) {
            continue;
        }
        const std::int64_t first = replace.sourcePosition;
        const std::int64_t last = first + replace.pairCount() - 1;
        for (std::size_t j = 0; j < i; ++j) {
            const MergeCommand& earlier = commands[j];
            if (!TakesPairsAway(earlier.kind) ||
                earlier.sourceBinder != replace.destinationBinder) {
                continue;
            }
            const std::int64_t gone = std::max<std::int64_t>(first, earlier.first);
            if (gone > std::min<std::int64_t>(last, earlier.last)) {
                continue;
            }
            host::alertNote(FormatText(
                "%s refused: command %d ('%s') replaces page pair %ld of binder %d, which "
                "command %d ('%s') took away. Nothing has been written.",
                state.updateMode ? "Update" : "Merge", static_cast<int>(i), replace.text.c_str(),
                static_cast<long>(gone), replace.destinationBinder, static_cast<int>(j),
                earlier.text.c_str()));
            return false;
        }
    }
    return true;
}

}  // namespace lumar
