#include "cli/terminal_output.h"

#include <unistd.h>

#include <iostream>

#include "platform/settings/settings_warnings.h"
#include "platform/text/cp1252.h"

namespace lumar::cli {

namespace {

bool quietRun = false;
std::ostream* resultStream = &std::cout;
std::ostream* messageStream = &std::cerr;

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

OutputTo::OutputTo(std::ostream& out, std::ostream& err)
    : savedOut_(resultStream), savedErr_(messageStream) {
    resultStream = &out;
    messageStream = &err;
    // The settings file's warnings are messages of the run too.
    settings::setWarningHandler(
        [](const std::string& message) { *messageStream << message << '\n'; });
}

OutputTo::~OutputTo() {
    settings::setWarningHandler({});
    resultStream = savedOut_;
    messageStream = savedErr_;
}

std::ostream& ResultStream() {
    return *resultStream;
}

std::ostream& MessageStream() {
    return *messageStream;
}

void PrintMessage(const std::string& cp1252) {
    const std::string text = Lines(cp1252);
    resultStream->flush();
    messageStream->write(text.data(), static_cast<std::streamsize>(text.size()));
    messageStream->flush();
}

void PrintResult(const std::string& cp1252) {
    *resultStream << text::toUtf8(cp1252) << '\n';
}

void PrintResultUtf8(const std::string& utf8) {
    *resultStream << utf8 << '\n';
}

void PrintRemark(const std::string& utf8) {
    if (!quietRun) {
        resultStream->flush();
        *messageStream << utf8 << '\n';
    }
}

void SetQuiet(bool quiet) {
    quietRun = quiet;
}

bool Quiet() {
    return quietRun;
}

bool MessagesGoToTerminal() {
    return messageStream == &std::cerr && ::isatty(STDERR_FILENO) != 0;
}

}  // namespace lumar::cli
