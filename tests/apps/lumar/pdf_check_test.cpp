// lumar pdf-check: version, font errors and verdict of a file; a file that
// does not exist or cannot be read.

#include <gtest/gtest.h>

#include <fstream>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "lumar_process.h"

namespace lumar::testing {
namespace {

TEST(LumarPdfCheck, ReportsVersionFontErrorsAndVerdict) {
    fixtures::TempDir dir;
    fixtures::PdfBuilder good;
    good.pages(1).version("1.3");
    good.text(0, 72, 700, "Embedded", good.addFont({fixtures::FontKind::TrueType}));
    good.write(dir / "good.pdf");
    fixtures::PdfBuilder bad;
    bad.pages(1).version("1.6").text(0, 72, 700, "Helvetica is not embedded");
    bad.write(dir / "bad.pdf");

    LumarRun run = RunLumar({"pdf-check", (dir / "good.pdf").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Version\t1.3\nFont errors\t0\nVerdict\tOK\n");
    EXPECT_NE(run.err.find("File is OK"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "good.pdf_report.txt"));

    run = RunLumar({"pdf-check", (dir / "bad.pdf").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Version\t1.6\nFont errors\t1\nVerdict\tNot OK\n");

    // Part of an operation the version is not judged, and the user is asked
    // whether to go on.
    run = RunLumar(
        {"--answer", "Cancel", "pdf-check", (dir / "bad.pdf").string(), "--part-of-operation"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Version\t1.3\nFont errors\t1\nVerdict\tNot OK\n");

    run = RunLumar({"pdf-check", (dir / "bad.pdf").string(), "--quiet"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "");
}

TEST(LumarPdfCheck, MissingAndDamagedFilesFailWithTheHostsMessage) {
    fixtures::TempDir dir;
    std::ofstream(dir / "damaged.pdf") << "%PDF-1.3\nnot really a PDF\n";

    LumarRun run = RunLumar({"pdf-check", (dir / "missing.pdf").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("File not found"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");

    run = RunLumar({"pdf-check", (dir / "damaged.pdf").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;

    run = RunLumar({"pdf-check"});
    EXPECT_EQ(run.exitCode, 2);
}

}  // namespace
}  // namespace lumar::testing
