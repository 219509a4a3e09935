#pragma once

// Paths as the user types them on the command line. The system works with
// whole paths (it finds a document's folder, base name and report file from
// its path), so every path a command takes is made absolute against the
// folder lumar was started in before it goes any further:
//
//   command->add_option("PDF", pdf_, "the PDF file")->transform(AbsolutePathOption());

#include <CLI/CLI.hpp>
#include <string>

namespace lumar::cli {

// The typed path made absolute against the working folder, with "." and ".."
// steps and doubled separators taken out (UTF-8, as typed). Empty text and
// "-" (standard input) stay as they are.
std::string AbsolutePath(const std::string& typed);

// An option transform that replaces the option's value by AbsolutePath.
CLI::Validator AbsolutePathOption();

}  // namespace lumar::cli
