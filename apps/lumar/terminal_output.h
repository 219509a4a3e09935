#pragma once

// What the command line writes: the system's messages on standard error in
// UTF-8, one block of lines each; results on standard output.

#include <string>

namespace lumar::cli {

// A Windows-1252 message of the system: CR LF and lone CRs become line
// feeds, and the block ends with one.
void PrintMessage(const std::string& cp1252);

// A result line (Windows-1252) on standard output, ended by a line feed.
void PrintResult(const std::string& cp1252);
void PrintResultUtf8(const std::string& utf8);

// The command line's own remarks (UTF-8) on standard error, unless quiet.
void PrintRemark(const std::string& utf8);
void SetQuiet(bool quiet);
[[nodiscard]] bool Quiet();

// Standard error is a terminal: the progress line may be drawn.
[[nodiscard]] bool StderrIsTerminal();

}  // namespace lumar::cli
