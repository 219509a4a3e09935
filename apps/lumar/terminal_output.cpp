#include "terminal_output.h"

#include <unistd.h>

#include <cstdio>

#include "platform/text/cp1252.h"

namespace lumar::cli {

namespace {

bool quiet = false;

std::string Lines(const std::string& cp1252) {
    std::string text;
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        if (cp1252[i] == '\r') {
            text += '\n';
            if (i + 1 < cp1252.size() && cp1252[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += cp1252[i];
        }
    }
    if (text.empty() || text.back() != '\n') {
        text += '\n';
    }
    return text::toUtf8(text);
}

}  // namespace

void PrintMessage(const std::string& cp1252) {
    const std::string text = Lines(cp1252);
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void PrintResult(const std::string& cp1252) {
    const std::string text = text::toUtf8(cp1252) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void PrintResultUtf8(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintRemark(const std::string& utf8) {
    if (!quiet) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", utf8.c_str());
    }
}

void SetQuiet(bool value) {
    quiet = value;
}

bool Quiet() {
    return quiet;
}

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}

}  // namespace lumar::cli
