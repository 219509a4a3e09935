// The command executors that move page pairs: Delete, Insert, Replace,
// Store, Restore and Extract. Pair numbers in the commands are those before
// the merge; ShiftPair turns them into the numbers the pairs have now, and
// PairsBeforeInsertion finds where Insert and Restore put theirs. Every
// range is checked against the pages that exist before anything is touched:
// a shifted pair below 1 or a page beyond the document fails the command
// with its "Invalid ... parameters." message.

#include <cstdint>
#include <optional>

#include "merge/merge_state.h"
#include "platform/host/roles.h"

namespace lumar {

namespace {

struct PageRange {
    int first = 0;  // page indices from 0, inclusive
    int last = 0;
};

// Pages 2f - 2 .. 2l - 1 of the command's shifted pairs first .. last, or none
// when they do not all exist in `document`.
std::optional<PageRange> ShiftedRange(const MergeState& state, pdf::Document* document,
                                      std::size_t index) {
    const MergeCommand& command = state.commands[index];
    const std::int64_t first = ShiftPair(state, command.first, index);
    const std::int64_t last = ShiftPair(state, command.last, index);
    if (first < 1 || first > last || 2 * last - 1 >= host::pageCount(document)) {
        return std::nullopt;
    }
    return PageRange{static_cast<int>(2 * first - 2), static_cast<int>(2 * last - 1)};
}

// Pages 2·first - 2 .. 2·last - 1 of the supplement, or none when they do not
// all exist (the pairs are the supplement's own numbers).
std::optional<PageRange> SupplementRange(const MergeCommand& command, pdf::Document* supplement) {
    const std::int64_t first = command.first;
    const std::int64_t last = command.last;
    if (first < 1 || first > last || 2 * last - 1 >= host::pageCount(supplement)) {
        return std::nullopt;
    }
    return PageRange{static_cast<int>(2 * first - 2), static_cast<int>(2 * last - 1)};
}

// The page after which pairs go for a destination position (-1: the
// front). In the working binder: after the pairs that stand before the
// position now (PairsBeforeInsertion); in a binder being created: after the
// position's pair, front for position 0. None when that page does not exist.
std::optional<int> InsertionPoint(const MergeState& state, pdf::Document* target,
                                  bool targetIsWorking, std::size_t index) {
    const MergeCommand& command = state.commands[index];
    if (!targetIsWorking && command.destinationPosition == 0) {
        return -1;
    }
    const std::int64_t pairs = targetIsWorking
                                   ? PairsBeforeInsertion(state, command.destinationPosition, index)
                                   : command.destinationPosition;
    if (pairs < (targetIsWorking ? 0 : 1) || 2 * pairs - 1 >= host::pageCount(target)) {
        return std::nullopt;
    }
    return static_cast<int>(2 * pairs - 1);
}

int PageCountOf(const PageRange& range) {
    return range.last - range.first + 1;
}

}  // namespace

bool ExecDelete(MergeState& state, pdf::Document* working, std::size_t index) {
    if (working == nullptr) {
        host::alertNote("No binder specified for Delete.");
        return false;
    }
    const std::optional<PageRange> range = ShiftedRange(state, working, index);
    if (!range) {
        host::alertNote("Invalid Delete parameters.");
        return false;
    }
    host::deletePages(working, range->first, range->last);
    return true;
}

bool ExecInsert(MergeState& state, pdf::Document* target, bool targetIsWorking, std::size_t index) {
    if (target == nullptr || state.supplementDocument == nullptr) {
        host::alertNote("Not all required PDFs specified for Insert.");
        return false;
    }
    const std::optional<PageRange> pages =
        SupplementRange(state.commands[index], state.supplementDocument);
    const std::optional<int> after = InsertionPoint(state, target, targetIsWorking, index);
    if (!pages || !after) {
        host::alertNote("Invalid Insert parameters.");
        return false;
    }
    host::insertPages(target, *after, state.supplementDocument, pages->first, PageCountOf(*pages));
    return true;
}

bool ExecReplace(MergeState& state, pdf::Document* working, std::size_t index) {
    if (working == nullptr || state.supplementDocument == nullptr) {
        host::alertNote("Not all required PDFs specified for Replace.");
        return false;
    }
    const MergeCommand& command = state.commands[index];
    const std::optional<PageRange> pages = SupplementRange(command, state.supplementDocument);
    const std::int64_t position = ShiftPair(state, command.sourcePosition, index);
    const std::int64_t first = 2 * position - 2;
    const std::int64_t count = 2 * command.pairCount();
    if (!pages || position < 1 || first + count - 1 >= host::pageCount(working)) {
        host::alertNote("Invalid Replace parameters.");
        return false;
    }
    host::deletePages(working, static_cast<int>(first), static_cast<int>(first + count - 1));
    host::insertPages(working, static_cast<int>(first) - 1, state.supplementDocument, pages->first,
                      PageCountOf(*pages));
    return true;
}

pdf::Document* ExecStore(MergeState& state, pdf::Document* working, std::size_t index) {
    if (working == nullptr) {
        host::alertNote("Not all required PDFs specified for Store.");
        return nullptr;
    }
    const std::optional<PageRange> range = ShiftedRange(state, working, index);
    if (!range) {
        host::alertNote("Invalid Store parameters.");
        return nullptr;
    }
    pdf::Document* store = host::newEmptyDocument();
    try {
        host::insertPages(store, host::kInsertAtFront, working, range->first, PageCountOf(*range));
        host::deletePages(working, range->first, range->last);
    } catch (...) {
        CloseDocument(store);
        throw;
    }
    return store;
}

bool ExecRestore(MergeState& state, pdf::Document* target, bool targetIsWorking,
                 std::size_t index) {
    if (target == nullptr || state.storeDocument == nullptr) {
        host::alertNote("Not all required PDFs specified for Restore.");
        return false;
    }
    const std::optional<int> after = InsertionPoint(state, target, targetIsWorking, index);
    if (!after) {
        host::alertNote("Invalid Restore parameters.");
        return false;
    }
    host::insertPages(target, *after, state.storeDocument, 0, host::pageCount(state.storeDocument),
                      host::kInsertAll);
    return true;
}

bool ExecExtract(MergeState& state, pdf::Document* working, std::size_t index) {
    if (working == nullptr) {
        host::alertNote("Not all required PDFs specified for Extract.");
        return false;
    }
    const std::optional<PageRange> range = ShiftedRange(state, working, index);
    if (!range) {
        host::alertNote("Invalid Extract parameters.");
        return false;
    }
    pdf::Document* target = state.newBinderDocument;
    host::insertPages(target, host::pageCount(target) - 1, working, range->first,
                      PageCountOf(*range));
    host::deletePages(working, range->first, range->last);
    return true;
}

}  // namespace lumar
