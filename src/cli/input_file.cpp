#include "cli/input_file.h"

#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/exit_codes.h"

namespace lumar::cli {

std::string ReadInputFile(const std::string& file) {
    if (file == "-") {
        return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw CommandExit(kExitFailed, "lumar: cannot read " + file);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace lumar::cli
