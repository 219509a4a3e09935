// The footer export of a 1000-page binder: the words touching the footer
// region of every page written to the footer file, through the plug-in in a
// headless host (word finder, word procedure, file writes, progress). Then
// the words of the same file with their boxes by the poppler command line
// (`pdftotext -bbox`), which reads every word of every page as the export
// does; prints both and their ratio.
//
// Usage: footer_export_bench [runs]   (default 5; the median run counts)

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "pdftools/footer_export.h"
#include "platform/host/document_view.h"
#include "platform/pdf/document.h"
#include "plugin/plugin_harness.h"

namespace {

using Clock = std::chrono::steady_clock;
using lumar::fixtures::PdfBuilder;

constexpr int kPages = 1000;
constexpr int kBodyLines = 40;

// Every page: 40 body lines of ten words and a footer line at y = 30.
void buildFixture(const std::filesystem::path& path) {
    PdfBuilder builder;
    builder.pages(kPages);
    for (int page = 0; page < kPages; ++page) {
        for (int line = 0; line < kBodyLines; ++line) {
            builder.text(page, 72, 780 - 18.0 * line,
                         "Body line " + std::to_string(line + 1) +
                             " of the page with some words in it and more");
        }
        builder.text(page, 72, 30,
                     "Binder 3 page " + std::to_string(page + 1) + " <<#TABSHEET=true#>>");
    }
    builder.write(path);
}

double medianMs(int runs, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int runCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Lines of the footer file that hold a footer (not "~").
int footerLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    int count = 0;
    for (std::string line; std::getline(in, line);) {
        count += line.rfind("Binder 3 page ", 0) == 0 ? 1 : 0;
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    lumar::fixtures::TempDir dir;
    const auto binder = dir / "binder.pdf";
    buildFixture(binder);

    lumar::testing::PluginHarness harness;
    auto document = std::make_unique<lumar::pdf::Document>(lumar::pdf::Document::open(binder));
    lumar::pdf::Document* opened =
        harness.headless.ui().showDocument(std::move(document))->document();

    const lumar::host::FixedRect footer{lumar::host::fixedFromInt(0), lumar::host::fixedFromInt(50),
                                        lumar::host::fixedFromInt(595),
                                        lumar::host::fixedFromInt(20)};
    const auto footerFile = dir / "binder.ann.txt";
    bool exported = true;
    const double exportMs = medianMs(runs, [&] {
        exported &= lumar::ExportFooterTextTo(opened, {footer, footer}, footerFile.string());
    });
    const int lines = footerLines(footerFile);

    std::printf("footer_export_bench: %d pages of %d body lines and a footer; median of %d runs\n",
                kPages, kBodyLines, runs);
    std::printf("  footer export      %8.1f ms  %d footer lines\n", exportMs, lines);
    if (!exported || lines != kPages) {
        std::printf("  the export failed or missed footers\n");
        return 1;
    }

    if (runCommand("pdftotext -v > /dev/null 2>&1") != 0) {
        std::printf("  pdftotext not installed: no comparison\n");
        return 0;
    }
    const std::string command =
        "pdftotext -bbox '" + binder.string() + "' '" + (dir / "words.html").string() + "'";
    int status = 0;
    const double popplerMs = medianMs(runs, [&] { status = runCommand(command); });
    if (status != 0) {
        std::printf("  pdftotext failed (exit %d)\n", status);
        return 1;
    }
    std::printf("  pdftotext -bbox    %8.1f ms  (one process per run)\n", popplerMs);
    std::printf("  ratio footer export / pdftotext -bbox: %.2f\n", exportMs / popplerMs);
    return 0;
}
