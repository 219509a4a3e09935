// The commands on one PDF, run as the demo editor against the demo's
// service: annotation check and report, footer export, annotation import.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "demo_service.h"
#include "fixtures/pdf_builder.h"

namespace lumar::testing {
namespace {

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class LumarDocumentCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(demo.Started()) << demo.DemoOutput(); }

    std::string Binder1() const { return (demo / "binders" / "Demo1H004.pdf").string(); }

    DemoService demo;
};

TEST_F(LumarDocumentCommands, CheckAnnotationsPassesAndFailsWithTheCheckMessage) {
    LumarRun run = demo.Run({"check-annotations", Binder1()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("One Lumar annotation found on every page."), std::string::npos)
        << run.err;

    const std::filesystem::path missing = demo.Folder() / "missing.pdf";
    fixtures::PdfBuilder().pages(3).dataAnnotation(0, "a").dataAnnotation(2, "c").write(missing);
    run = demo.Run({"check-annotations", missing.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("No annotations for Lumar found on page 2."), std::string::npos)
        << run.err;
}

TEST_F(LumarDocumentCommands, AnnotationReportGoesToTheAnnotationsFolder) {
    LumarRun run = demo.Run({"annotation-report", Binder1()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Annotation report generated."), std::string::npos) << run.err;
    const std::string withNumbers = ReadText(demo / "annotations" / "Demo1H004.rep");
    EXPECT_EQ(withNumbers.substr(0, withNumbers.find("\r\n", 0) + 2),
              "1 Demo binder 1 page 1 <<#TABSHEET=true#>>\r\n");

    run = demo.Run({"annotation-report", Binder1(), "--no-numbers"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string plain = ReadText(demo / "annotations" / "Demo1H004.rep");
    EXPECT_EQ(plain.substr(0, plain.find("\r\n") + 2),
              "Demo binder 1 page 1 <<#TABSHEET=true#>>\r\n");
    EXPECT_NE(plain.find("Demo supplement 4 page 4\r\n"), std::string::npos) << plain;
}

// A PDF named as the user types it, relative to the folder lumar starts in,
// reaches the commands as its whole path.
struct RelativeNameCase {
    std::vector<std::string> arguments;
    std::string startIn;  // below the demo's workspace
    std::string written;  // the file the command writes, below the workspace
    std::string heldText;
};

TEST_F(LumarDocumentCommands, PdfNamedRelativeToTheWorkingFolder) {
    std::filesystem::create_directories(demo / "fx");
    std::filesystem::copy_file(demo / "binders" / "Demo2H004.pdf", demo / "fx" / "V14.pdf");
    const std::filesystem::path v14 = demo / "fx" / "V14.pdf";
    const std::vector<RelativeNameCase> cases = {
        {{"pdf-check", "Demo2H004.pdf"},
         "binders",
         "binders/Demo2H004.pdf_report.txt",
         "[PDF Info]\r\n" + (demo / "binders" / "Demo2H004.pdf").string() + "\r\n"},
        {{"pdf-check", "fx/V14.pdf"},
         "",
         "fx/V14.pdf_report.txt",
         "[PDF Info]\r\n" + v14.string() + "\r\n"},
        {{"pdf-check", "../fx/./V14.pdf"}, "binders", "fx/V14.pdf_report.txt", v14.string()},
        {{"annotation-report", "Demo2H004.pdf"},
         "binders",
         "annotations/Demo2H004.rep",
         "1 Demo binder 2 page 1"},
        {{"export-footer", "Demo2H004.pdf", "--region", "0,780,595,842"},
         "binders",
         "annotations/Demo2H004.ann.txt",
         "Demo binder 2 page 1"},
    };
    for (const RelativeNameCase& c : cases) {
        const std::string what = ::testing::PrintToString(c.arguments);
        std::filesystem::remove(demo / c.written);
        const LumarRun run = demo.RunIn(demo / c.startIn, c.arguments);
        EXPECT_EQ(run.exitCode, 0) << what << "\n" << run.out << run.err;
        EXPECT_EQ(run.err.find("Could not determine"), std::string::npos) << what << run.err;
        EXPECT_NE(ReadText(demo / c.written).find(c.heldText), std::string::npos)
            << what << "\n"
            << ReadText(demo / c.written);
    }
}

TEST_F(LumarDocumentCommands, PdfThatDoesNotExistFailsWithTheHostsMessage) {
    const LumarRun run = demo.Run({"check-annotations", (demo / "nothing.pdf").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("File not found"), std::string::npos) << run.err;
}

// The footer text of every page exported, then imported again as the pages'
// data annotations of a copy.
TEST_F(LumarDocumentCommands, FooterExportAndImportRoundTrip) {
    LumarRun run = demo.Run({"export-footer", Binder1(), "--region", "0,780,595,842"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Text extraction completed."), std::string::npos) << run.err;
    const std::filesystem::path footer = demo / "annotations" / "Demo1H004.ann.txt";
    const std::string lines = ReadText(footer);
    EXPECT_EQ(lines.substr(0, lines.find("\r\n") + 2), "Demo binder 1 page 1 \r\n");

    const std::filesystem::path copy = demo.Folder() / "imported.pdf";
    run = demo.Run({"import-annotations", Binder1(), "--from", footer.string(), "--replace",
                    "--save-as", copy.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> texts = DataAnnotationTexts(copy);
    ASSERT_EQ(texts.size(), 10u);
    // Each page's data annotation holds its footer line.
    EXPECT_EQ(texts[0].rfind("Demo binder 1 page 1 ", 0), 0u) << texts[0];
    EXPECT_EQ(texts[2].rfind("Demo supplement 4 page 1 ", 0), 0u) << texts[2];
    EXPECT_EQ(texts[9].rfind("Demo supplement 4 page 4 ", 0), 0u) << texts[9];
    EXPECT_EQ(texts[0].find("TABSHEET"), std::string::npos) << texts[0];
    // The original stays as it was.
    EXPECT_EQ(DataAnnotationTexts(Binder1())[0], "Demo binder 1 page 1 <<#TABSHEET=true#>>");

    // Without --save-as the PDF itself is replaced.
    run = demo.Run({"import-annotations", copy.string(), "--from", footer.string(), "--add"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string added = DataAnnotationTexts(copy)[0];
    EXPECT_NE(added.find("Demo binder 1 page 1", added.find("Demo binder 1 page 1") + 1),
              std::string::npos)
        << added;
}

TEST_F(LumarDocumentCommands, BadRegionsAndImportFilesFail) {
    LumarRun run = demo.Run({"export-footer", Binder1(), "--region", "0,0,5,5"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Data region must include at least 0,25 cm by 0,25 cm"),
              std::string::npos)
        << run.err;
    run = demo.Run({"export-footer", Binder1(), "--region", "0,0,five,5"});
    EXPECT_EQ(run.exitCode, 2);

    run = demo.Run(
        {"import-annotations", Binder1(), "--from", (demo / "none.ann").string(), "--add"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Could not open footer file"), std::string::npos) << run.err;
    run = demo.Run({"import-annotations", Binder1(), "--from", (demo / "none.ann").string()});
    EXPECT_EQ(run.exitCode, 2);
}

// The commands on a document are offered to editors and above.
TEST_F(LumarDocumentCommands, AReaderMayNotRunThem) {
    const LumarRun run = demo.Run({"check-annotations", Binder1()}, {}, "reader");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("is not available"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace lumar::testing
