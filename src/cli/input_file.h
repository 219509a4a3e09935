#pragma once

// The input files of commands: a file named on the command line, or "-" for
// standard input.

#include <string>

namespace lumar::cli {

// The whole file, bytes as they are. A file that cannot be read ends the
// command (CommandExit, exit 1).
std::string ReadInputFile(const std::string& file);

}  // namespace lumar::cli
