#pragma once

// The command line's entry: parses the arguments, runs the command and
// returns its exit code (0 done, 1 failed, 2 usage error, 3 log-on failed or
// the service could not be reached). Results and the help go to `out`;
// messages, remarks and usage errors to `err`.
//
//   int main(int argc, char** argv) { return lumar::cli::Run(argc, argv, std::cout, std::cerr); }

#include <ostream>

namespace lumar::cli {

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace lumar::cli
