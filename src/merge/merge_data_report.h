#pragma once

// How the parse of merge data and update data is reported in each context.
//
// The executor shows everything with the host's alert note and runs nothing
// on failure:
//
//   MergeDataParse parse = ParseForExecutor(text, context, inputs);
//   if (!parse.success) return false;   // the user has been told
//
// The merge data editor and the document annotations dialog keep a saved
// copy of their text from before the last change. A change that does not
// parse is taken back: the working copy reverts to the saved copy, a message
// box says so, and the reverted text is parsed again:
//
//   texts.saved = texts.working;
//   texts.working += SerialiseCommand(command, prefix);
//   MergeDataParse parse = ParseWithRevert(texts, MergeDataEditor::MergeData, inputs);

#include <string>
#include <string_view>

#include "merge/merge_data_parser.h"

namespace lumar {

// Parses in an executor context. On failure the parameter message (if any)
// and then the error text ("Parsing of merge data failed." when empty) are
// shown with the host's alert note.
MergeDataParse ParseForExecutor(std::string_view text, MergeDataContext context,
                                const MergeDataInputs& inputs);

// Which editor parses: the merge data editor (titles "Merge data" and
// "LoadMergeData") or the document annotations dialog ("Update data" and
// "LoadUpdateData").
enum class MergeDataEditor { MergeData, UpdateData };

struct EditorTexts {
    std::string working;  // the text being edited
    std::string saved;    // the text before the last change
};

// Parses the working copy in the editor's context, reverting it to the saved
// copy when it fails and differs from it. Returns the parse of the text that
// stands at the end. Without `report` nothing is shown for a text that
// stands (the user has been told already); a revert is always shown.
MergeDataParse ParseWithRevert(EditorTexts& texts, MergeDataEditor editor,
                               const MergeDataInputs& inputs, bool report = true);

}  // namespace lumar
