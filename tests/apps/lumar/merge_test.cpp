// lumar merge on the reference service's demo publication (in this
// process): a merge whose binder files are missing fails and is reverted;
// with the files in place it writes and registers the next binders.

#include <gtest/gtest.h>

#include <fstream>

#include "fixtures/pdf_builder.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "lumar_process.h"

namespace lumar::testing {
namespace {

std::vector<std::string> DemoTexts(const std::string& document, int pages, int colouredPair) {
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        std::string text = document + " page " + std::to_string(page);
        if (page == 1) {
            text += " <<#TABSHEET=true#>>";
        } else if ((page + 1) / 2 == colouredPair) {
            text += " <<#COLOUR=Yellow#>>";
        }
        texts.push_back(text);
    }
    return texts;
}

class LumarMerge : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(binders);
        std::filesystem::create_directories(supplements);
        settings = service.WriteSettingsFile();
        std::ofstream(settings, std::ios::app | std::ios::binary)
            << "\"Base_docs\"=\"" << binders.string() << "\"\r\n"
            << "\"Supp_docs\"=\"" << supplements.string() << "\"\r\n";
    }

    void WriteDemoFiles() const {
        fixtures::PdfBuilder()
            .pages(8)
            .dataAnnotations(DemoTexts("Demo binder 1", 8, 0))
            .write(binders / "Demo1H003.pdf");
        fixtures::PdfBuilder()
            .pages(8)
            .dataAnnotations(DemoTexts("Demo binder 2", 8, 2))
            .write(binders / "Demo2H003.pdf");
        fixtures::PdfBuilder()
            .pages(8)
            .dataAnnotations(DemoTexts("Demo binder 3", 8, 0))
            .write(binders / "Demo3H003.pdf");
        fixtures::PdfBuilder()
            .pages(4)
            .dataAnnotations(DemoTexts("Demo supplement 4", 4, 0))
            .write(supplements / "DemoS004.pdf");
    }

    LumarRun Lumar(std::vector<std::string> command) const {
        std::vector<std::string> arguments = {"--registry", settings.string(), "--user", "editor"};
        arguments.insert(arguments.end(), command.begin(), command.end());
        return RunLumar(arguments, {{"LUMAR_PASSWORD", "editor3"}});
    }

    fixtures::ReferenceService service;
    fixtures::TempDir dir;
    std::filesystem::path binders = dir / "binders";
    std::filesystem::path supplements = dir / "supplements";
    std::filesystem::path settings;
};

TEST_F(LumarMerge, MissingFilesFailTheMergeAndThePublicationIsReverted) {
    LumarRun run = Lumar({"merge", "--publication", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("PDF containing supplement not found."), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    // The merge data are still there to merge: the version before is back.
    run = Lumar({"publications"});
    EXPECT_NE(run.out.find("DEMO\tLegal publications\tDemo publication\tLocked for supplement"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\t3\t\t4\tReady\n"), std::string::npos) << run.out;
}

TEST_F(LumarMerge, WritesAndRegistersTheNextBinders) {
    WriteDemoFiles();
    const LumarRun run = Lumar({"merge", "--publication", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("1       Demo1H003.pdf     Demo1H004.pdf     8             10"),
              std::string::npos)
        << run.out;
    const std::vector<std::string> b1 = DemoTexts("Demo binder 1", 8, 0);
    const std::vector<std::string> s = DemoTexts("Demo supplement 4", 4, 0);
    EXPECT_EQ(DataAnnotationTexts(binders / "Demo1H004.pdf"),
              (std::vector<std::string>{b1[0], b1[1], s[0], s[1], b1[4], b1[5], b1[6], b1[7], s[2],
                                        s[3]}));
    EXPECT_EQ(DataAnnotationTexts(binders / "Demo2H004.pdf"), DemoTexts("Demo binder 2", 8, 2));
    EXPECT_EQ(DataAnnotationTexts(binders / "Demo3H004.pdf"), DemoTexts("Demo binder 3", 8, 0));
}

}  // namespace
}  // namespace lumar::testing
