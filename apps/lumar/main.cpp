// lumar: the command-line host. Runs the plug-in's commands without windows;
// see "lumar --help" and README.md. The commands are the library lumar_cli
// (src/cli/); this program hands it the arguments and the standard streams
// and returns its exit code.

#include <iostream>

#include "cli/run.h"

int main(int argc, char** argv) {
    return lumar::cli::Run(argc, argv, std::cout, std::cerr);
}
