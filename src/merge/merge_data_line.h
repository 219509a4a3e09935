#pragma once

// The syntax of one merge data line: "(arguments)keyword", where text before
// the "(" and after the keyword is ignored and the keyword is found anywhere
// in the line after a ")".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "merge/merge_command.h"

namespace lumar {

struct CommandLine {
    enum class Status {
        Command,         // kind and arguments are set
        ParseError,      // no "(" or ")", the ")" first, or the line is too long
        UnknownCommand,  // no keyword after a ")"
    };
    Status status = Status::ParseError;
    CommandKind kind = CommandKind::Empty;
    std::string arguments;  // lower-cased, between the first "(" and the first ")"
};

// Reads a trimmed, non-empty line.
CommandLine ReadCommandLine(std::string_view line);

// A number as the language reads it: leading white space, an optional sign,
// decimal digits up to the first other character; no digits give 0. Values
// beyond 32 bits saturate.
std::int32_t ReadNumber(std::string_view field);

// The arguments split at every ",".
std::vector<std::string_view> SplitArguments(std::string_view arguments);

}  // namespace lumar
