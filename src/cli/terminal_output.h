#pragma once

// What the command line writes: the system's messages on the message stream
// (standard error) in UTF-8, one block of lines each; results on the result
// stream (standard output).

#include <ostream>
#include <string>

namespace lumar::cli {

// Sends the results to `out` and everything else (messages, remarks, the
// progress line, prompts) to `err` while it lives; before and after, they go
// to standard output and standard error. One per run of the command line.
class OutputTo {
public:
    OutputTo(std::ostream& out, std::ostream& err);
    ~OutputTo();
    OutputTo(const OutputTo&) = delete;
    OutputTo& operator=(const OutputTo&) = delete;

private:
    std::ostream* savedOut_;
    std::ostream* savedErr_;
};

// The streams of the current run.
[[nodiscard]] std::ostream& ResultStream();
[[nodiscard]] std::ostream& MessageStream();

// A Windows-1252 message of the system: CR LF and lone CRs become line
// feeds, and the block ends with one.
void PrintMessage(const std::string& cp1252);

// A result line (Windows-1252) on the result stream, ended by a line feed.
void PrintResult(const std::string& cp1252);
void PrintResultUtf8(const std::string& utf8);

// The command line's own remarks (UTF-8) on the message stream, unless quiet.
void PrintRemark(const std::string& utf8);
void SetQuiet(bool quiet);
[[nodiscard]] bool Quiet();

// The message stream is standard error and that is a terminal: the progress
// line may be drawn.
[[nodiscard]] bool MessagesGoToTerminal();

}  // namespace lumar::cli
