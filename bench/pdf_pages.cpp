// Page operations of a merge on a large binder: delete 100 pages, insert 200
// pages from a second document, save as PDF 1.3. Timed through the engine
// and, on the same files, through the qpdf command line; prints both and
// their ratio.
//
// Usage: pdf_pages [runs]   (default 5; the median run counts)

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/pdf/document.h"

namespace {

using Clock = std::chrono::steady_clock;
using lumar::fixtures::PdfBuilder;
using lumar::pdf::Document;

constexpr int kBinderPages = 1000;
constexpr int kSupplementPages = 200;
constexpr int kDeleteFirst = 100;  // pages 101 .. 200
constexpr int kDeleteCount = 100;
constexpr int kInsertAfter = 499;  // after page 500 of the shortened binder

void buildFixture(const std::filesystem::path& path, int pages, const std::string& prefix) {
    PdfBuilder builder;
    builder.pages(pages).dataAnnotations(lumar::fixtures::numberedTexts(pages, prefix));
    for (int i = 0; i < pages; ++i) {
        builder.text(i, 72, 60, prefix + std::to_string(i + 1) + " footer text of the page");
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

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    lumar::fixtures::TempDir dir;
    const auto binder = dir / "binder.pdf";
    const auto supplement = dir / "supplement.pdf";
    buildFixture(binder, kBinderPages, "B");
    buildFixture(supplement, kSupplementPages, "S");

    struct Steps {
        double open, remove, insert, save;
    };
    std::vector<std::pair<double, Steps>> engineRuns;
    medianMs(runs, [&] {
        auto t0 = Clock::now();
        Document doc = Document::open(binder);
        Document source = Document::open(supplement);
        auto t1 = Clock::now();
        doc.deletePages(kDeleteFirst, kDeleteFirst + kDeleteCount - 1);
        auto t2 = Clock::now();
        doc.insertPages(kInsertAfter, source, 0, kSupplementPages);
        auto t3 = Clock::now();
        doc.save(dir / "engine.pdf", {lumar::pdf::PdfVersion{1, 3}});
        auto t4 = Clock::now();
        auto ms = [](auto a, auto b) {
            return std::chrono::duration<double, std::milli>(b - a).count();
        };
        engineRuns.push_back({ms(t0, t4), {ms(t0, t1), ms(t1, t2), ms(t2, t3), ms(t3, t4)}});
    });
    std::sort(engineRuns.begin(), engineRuns.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto& [engineMs, steps] = engineRuns[engineRuns.size() / 2];
    const int enginePages = Document::open(dir / "engine.pdf").pageCount();

    std::printf("pdf_pages: %d-page binder, delete %d, insert %d, save as 1.3; median of %d runs\n",
                kBinderPages, kDeleteCount, kSupplementPages, runs);
    std::printf(
        "  engine       %8.1f ms  (open %.1f, delete %.1f, insert %.1f, save %.1f), %d pages\n",
        engineMs, steps.open, steps.remove, steps.insert, steps.save, enginePages);

    if (runCommand("qpdf --version > /dev/null 2>&1") != 0) {
        std::printf("  qpdf command line not installed: no comparison\n");
        return 0;
    }
    // The same result with the qpdf command line: the binder's pages 1-100
    // and 201-600, the supplement's 200 pages, then the binder's 601-1000.
    const std::string command =
        "qpdf '" + binder.string() + "' --pages '" + binder.string() + "' 1-" +
        std::to_string(kDeleteFirst) + "," + std::to_string(kDeleteFirst + kDeleteCount + 1) + "-" +
        std::to_string(kInsertAfter + 1 + kDeleteCount) + " '" + supplement.string() + "' 1-z '" +
        binder.string() + "' " + std::to_string(kInsertAfter + 2 + kDeleteCount) +
        "-z -- --force-version=1.3 '" + (dir / "qpdf.pdf").string() + "'";
    int status = 0;
    const double qpdfMs = medianMs(runs, [&] { status = runCommand(command); });
    if (status != 0 && status != 3) {  // 3: finished with warnings
        std::printf("  qpdf command line failed (exit %d)\n", status);
        return 1;
    }
    const int qpdfPages = Document::open(dir / "qpdf.pdf").pageCount();
    std::printf("  qpdf CLI     %8.1f ms  (one process per run), %d pages\n", qpdfMs, qpdfPages);
    std::printf("  ratio engine / qpdf CLI: %.2f\n", engineMs / qpdfMs);
    return enginePages == qpdfPages ? 0 : 1;
}
