#pragma once

// One command of the command line: it declares its subcommand with its
// options, and runs once they are parsed.

#include <CLI/CLI.hpp>

#include "cli/global_options.h"

namespace lumar::cli {

class Command {
public:
    Command() = default;
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // Adds the command's subcommand and options to `app`, bound to this
    // object. Returns the subcommand that runs the command (for a command
    // in a group, such as "merge-data check": the inner one).
    virtual CLI::App* Declare(CLI::App& app) = 0;

    // Runs the command with the parsed options: its exit code (exit_codes.h).
    // Throws CommandExit to end with a message, CLI::ValidationError for a
    // combination of options the parser cannot judge.
    virtual int Run(const GlobalOptions& global) = 0;
};

}  // namespace lumar::cli
