#pragma once

// The parser of the merge data language.
//
// Merge data and update data are lines separated by CR LF (a lone LF or CR
// also ends a line). Every non-empty line is one command: arguments in
// parentheses directly followed by a keyword, such as
//
//   (2)binder
//   (4,7,9)Insert
//   (3,5)Delete
//   (1,2,light blue)SetColour
//
// The parse yields one command record per line, empty lines included, so a
// command's index is its line's index. It stops at the first line that
// fails; the list then holds the commands accepted so far.
//
// The same text is parsed in four contexts that differ in what the text is,
// which binder lines and commands are valid, and what is counted:
//
//   MergeDataInputs inputs{pub.Binder_count, binderDocs, supplement.Page_count};
//   MergeDataParse parse = ParseMergeData(mergeData, MergeDataContext::ExecutorMerge, inputs);
//   if (!parse.success) ...   // show parse.alertText, then ExecutorParseFailure(parse)
//
// The parser itself shows nothing: a parameter message that the host's alert
// note shows at once comes back in `alertText`, the context's own error text
// in `errorText` (either may be empty). merge_data_report.h shows them as
// each caller must.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "merge/merge_command.h"

namespace lumar {

struct BinderDocRecord;
struct ColourRecord;

enum class MergeDataContext {
    // The executor with the publication's merge data: a binder line is
    // appended for every binder the text does not name; all commands; a Store
    // left without its Restore fails; the step total is counted.
    ExecutorMerge,
    // The executor with update data. A text holding "(0)binder" is in
    // supplement mode: only binder 0 and SetTabsheet/SetColour are valid, and
    // binder 0 has the supplement's pairs. Otherwise as ExecutorMerge without
    // the appended binder lines.
    ExecutorUpdate,
    // The merge data editor's working copy, with an empty line put in front so
    // that command 1 is the first written line. A pending Store is accepted.
    Editor,
    // The document annotations dialog's working copy: binder lines of the
    // shown binder kind, SetTabsheet and SetColour only.
    AnnotationsDialog,
};

// What the validation measures against.
struct MergeDataInputs {
    std::int32_t binderCount = 0;                      // the publication's Binder_count
    std::span<const BinderDocRecord> binderDocuments;  // pairs of binder n: Page_count / 2
    std::int32_t supplementPageCount = 0;              // the supplement's Page_count
    // The document annotations dialog: the binder shown, 0 for the supplement.
    std::int32_t shownBinder = 0;
    // The colour list for SetColour names; none: the logon store's list.
    const std::vector<ColourRecord>* colours = nullptr;
};

struct MergeDataParse {
    bool success = false;
    std::vector<MergeCommand> commands;
    // A parameter message ("Invalid Delete parameters." ...), shown at once
    // with the host's alert note; the parse then failed with an empty error text.
    std::string alertText;
    // The context's error text ("Parse error.", "Unknown command encountered.",
    // "Store/Restore operations out of sync." ...).
    std::string errorText;
    // The executor contexts: 1 per non-empty line plus the pair count of every
    // command that moves or changes pairs (the progress range).
    std::int64_t stepTotal = 0;

    // The parse state at the end (or at the failing line).
    std::int32_t currentBinder = 0;
    std::int32_t newBinderNumber = 0;  // 0 until the first Create
    std::int64_t newBinderPairCount = 0;
    std::optional<std::size_t> pendingStore;  // index of a Store awaiting its Restore
    bool supplementMode = false;              // update data holding "(0)binder"
    std::string parsedText;                   // the text parsed, with the context's additions
};

MergeDataParse ParseMergeData(std::string_view text, MergeDataContext context,
                              const MergeDataInputs& inputs);

// True when the lower-cased text holds "(0)binder": update data for the supplement.
bool IsSupplementUpdateData(std::string_view text);

// The longest line and the longest binder argument the language accepts.
inline constexpr std::size_t kMaxLineLength = 1023;
inline constexpr std::size_t kMaxBinderArgumentLength = 24;
inline constexpr std::int32_t kMaxBinderNumber = 35;

}  // namespace lumar
