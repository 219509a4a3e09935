// lumar demo: the workspace, the service, the merge of the demo publication,
// the table; the written binders read back page by page.

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "fixtures/temp_dir.h"
#include "lumar_process.h"
#include "platform/pdf/document.h"

namespace lumar::testing {
namespace {

std::vector<std::string> Pages(const std::string& document, std::initializer_list<int> pages,
                               int colouredPair = 0) {
    std::vector<std::string> texts;
    for (int page : pages) {
        std::string text = document + " page " + std::to_string(page);
        if (page == 1) {
            text += " <<#TABSHEET=true#>>";
        } else if ((page + 1) / 2 == colouredPair) {
            text += " <<#COLOUR=\"Yellow\"#>>";
        }
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void ExpectMergedWorkspace(const std::filesystem::path& dir) {
    const std::filesystem::path binders = dir / "binders";
    // "(2,1,1)Replace": supplement pair 1 replaces binder pair 2;
    // "(4,2,2)Insert": supplement pair 2 goes after binder pair 4.
    const std::string b1 = "Demo binder 1";
    const std::string s = "Demo supplement 4";
    EXPECT_EQ(DataAnnotationTexts(binders / "Demo1H004.pdf"),
              Pages(b1, {1, 2}) + Pages(s, {1, 2}) + Pages(b1, {5, 6, 7, 8}) + Pages(s, {3, 4}));
    // Binders 2 and 3 have no commands: copied under their next names.
    EXPECT_EQ(DataAnnotationTexts(binders / "Demo2H004.pdf"),
              Pages("Demo binder 2", {1, 2, 3, 4, 5, 6, 7, 8}, 2));
    EXPECT_EQ(DataAnnotationTexts(binders / "Demo3H004.pdf"),
              Pages("Demo binder 3", {1, 2, 3, 4, 5, 6, 7, 8}));
    // The files before the merge stay as they were.
    EXPECT_EQ(DataAnnotationTexts(binders / "Demo1H003.pdf"), Pages(b1, {1, 2, 3, 4, 5, 6, 7, 8}));
    for (const char* name : {"Demo1H004.pdf", "Demo2H004.pdf", "Demo3H004.pdf"}) {
        const pdf::Document document = pdf::Document::open(binders / name, false);
        EXPECT_EQ(document.version(), (pdf::PdfVersion{1, 3})) << name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "annotations"));
    EXPECT_TRUE(std::filesystem::exists(dir / "supplements" / "DemoS004.pdf"));
    // The settings dialog shows a missing "Append_SAP" as checked: the demo
    // writes it, off, so that the folders stay as they are.
    std::ifstream settings(dir / "registry.reg", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(settings),
                           std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("\"Append_SAP\"=dword:00000000"), std::string::npos) << text;
}

TEST(LumarDemo, MergesTheDemoPublicationAndStartsCleanWhenRunAgain) {
    fixtures::TempDir dir;
    const std::filesystem::path workspace = dir / "demo";

    const LumarRun first = RunLumar({"demo", workspace.string()});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(
        first.out.find("1       Demo1H003.pdf     Demo1H004.pdf     8             10           OK"),
        std::string::npos)
        << first.out;
    EXPECT_NE(
        first.out.find("2       Demo2H003.pdf     Demo2H004.pdf     8             8            OK"),
        std::string::npos)
        << first.out;
    EXPECT_NE(
        first.out.find("3       Demo3H003.pdf     Demo3H004.pdf     8             8            OK"),
        std::string::npos)
        << first.out;
    EXPECT_NE(first.err.find("Logged on as Eddie Editor"), std::string::npos) << first.err;
    ExpectMergedWorkspace(workspace);

    // A new service database and new PDFs: the same merge again.
    const LumarRun second = RunLumar({"--quiet", "demo", workspace.string()});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    // Quiet: only what the system itself said.
    EXPECT_EQ(second.err, "Logged on as Eddie Editor (Editor)\n");
    ExpectMergedWorkspace(workspace);
    EXPECT_FALSE(std::filesystem::exists(workspace / "binders" / "Demo1H005.pdf"));
}

TEST(LumarDemo, KeepsTheServiceRunningWhenAsked) {
    fixtures::TempDir dir;
    const LumarRun run = RunLumar({"demo", (dir / "demo").string(), "--keep-service"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto at = run.out.find("(pid ");
    ASSERT_NE(at, std::string::npos) << run.out;
    const int pid = std::atoi(run.out.c_str() + at + 5);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, SIGTERM), 0) << "the service is not running";
}

TEST(LumarDemo, WithoutMergeLeavesTheMergeToTheDesktop) {
    fixtures::TempDir dir;
    const std::filesystem::path workspace = dir / "demo";
    const LumarRun run = RunLumar({"demo", workspace.string(), "--no-merge"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto at = run.out.find("(pid ");
    ASSERT_NE(at, std::string::npos) << run.out;
    const int pid = std::atoi(run.out.c_str() + at + 5);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, SIGTERM), 0) << "the service is not running";

    EXPECT_NE(run.out.find("LUMAR_REGISTRY=" + (workspace / "registry.reg").string()),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(std::filesystem::exists(workspace / "binders" / "Demo1H003.pdf"));
    EXPECT_FALSE(std::filesystem::exists(workspace / "binders" / "Demo1H004.pdf"));
    EXPECT_EQ(run.out.find("Pages before"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace lumar::testing
