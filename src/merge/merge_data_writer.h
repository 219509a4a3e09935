#pragma once

// Writing merge data and update data. The editors never rewrite a line a user
// wrote: they append serialised lines and parse the whole text again, then
// rewrite the text from the command list in its normal form.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "merge/merge_command.h"

namespace lumar {

// "(n)binder\r\n".
std::string BinderLine(std::int32_t binder);

// The line of one command, ended by CR LF, after `binderPrefix`:
//   Binder       (n)binder                  source binder
//   Replace      (p,a,b)Replace             source position, first, last
//   Insert       (p,a,b)Insert              destination position, first, last
//   Delete       (a,b)Delete                first, last
//   Store        (a,b)Store                 first, last
//   Restore      (p)Restore                 destination position
//   Create       ()Create
//   Extract      (a,b)Extract               first, last
//   SetTabsheet  (a,b,f)SetTabsheet         first, last, 1 or 0
//   SetColour    (a,b,name)SetColour        first, last, colour (empty for no colour)
// A Binder line never takes a prefix; Empty gives an empty text.
std::string SerialiseCommand(const MergeCommand& command, std::string_view binderPrefix = {});

// Which editor writes: the merge data editor looks past Create commands for
// the binder last addressed; the document annotations dialog counts a
// Create as addressing the new binder.
enum class PrefixRule { MergeDataEditor, AnnotationsDialog };

// The binder a command addresses: the destination binder of Replace, Insert
// and Restore (and of Create under the dialog's rule), else the source binder.
std::int32_t AddressedBinder(const MergeCommand& command, PrefixRule rule);

// The binder line to write before a command on `binder`: empty when the last
// command of the list already addresses that binder.
std::string BinderPrefix(std::span<const MergeCommand> commands, std::int32_t binder,
                         PrefixRule rule);

// The text of a command list in normal form: no empty lines, every command's
// text followed by CR LF, and one empty line before every binder line that
// follows a command of another kind.
std::string NormalForm(std::span<const MergeCommand> commands);

}  // namespace lumar
