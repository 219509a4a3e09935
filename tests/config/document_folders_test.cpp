#include "config/document_folders.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>

#include "config/settings_store.h"
#include "config_test_support.h"
#include "platform/settings/temp_settings.h"

namespace lumar {
namespace {

class DocumentFolders : public ::testing::Test {
protected:
    DocumentFolders() { std::filesystem::create_directories(temp.folder() / "docs"); }
    std::string t() const { return temp.folder().string(); }

    void configure(FolderKind kind, const std::string& folder, std::uint32_t appendSap) {
        ASSERT_TRUE(WriteTextSetting("Uri", FolderSettingName(kind), folder));
        ASSERT_TRUE(WriteNumberSetting("Uri", "Append_SAP", appendSap));
    }

    testing::TempSettings temp;
    testing::AlertRecorder alerts;
};

struct KindCase {
    FolderKind kind;
    const char* setting;
    const char* empty;
    const char* invalid;
};

class EachFolderKind : public DocumentFolders, public ::testing::WithParamInterface<KindCase> {};

TEST_P(EachFolderKind, ReadsItsSettingAndNamesItselfInMessages) {
    const KindCase& c = GetParam();
    EXPECT_EQ(FolderSettingName(c.kind), c.setting);
    EXPECT_EQ(ResolveFolder(c.kind, std::nullopt), "");
    ASSERT_TRUE(WriteTextSetting("Uri", c.setting, "/no-such-folder/x"));
    EXPECT_EQ(ResolveFolder(c.kind, "SAP1"), "");
    ASSERT_TRUE(WriteTextSetting("Uri", c.setting, t() + "/docs"));
    EXPECT_EQ(ResolveFolder(c.kind, std::nullopt), t() + "/docs");
    EXPECT_EQ(alerts.messages, (std::vector<std::string>{
                                   c.empty, std::string(c.invalid) + "\"/no-such-folder/x\""}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, EachFolderKind,
    ::testing::Values(KindCase{FolderKind::Annotations, "Annotations", "No annotations folder set",
                               "Invalid annotations folder: "},
                      KindCase{FolderKind::Binders, "Base_docs", "No binders folder set",
                               "Invalid binders folder: "},
                      KindCase{FolderKind::Supplements, "Supp_docs", "No supplements folder set",
                               "Invalid supplements folder: "}));

TEST_F(DocumentFolders, RootPasses) {
    configure(FolderKind::Annotations, "/", 0);
    EXPECT_EQ(ResolveFolder(FolderKind::Annotations, std::nullopt), "/");
    EXPECT_TRUE(alerts.messages.empty());
}

TEST_F(DocumentFolders, BlanksAreIgnoredAndARelativeFolderIsMadeAbsolute) {
    const testing::CurrentFolder inside(temp.folder());
    configure(FolderKind::Binders, "  docs  ", 0);
    EXPECT_EQ(ResolveFolder(FolderKind::Binders, std::nullopt), t() + "/docs");
}

TEST_F(DocumentFolders, SapCodeFolderIsCreatedOnFirstUse) {
    configure(FolderKind::Binders, t() + "/docs/", 1);
    const std::string expected = t() + "/docs/A_B_1";
    EXPECT_EQ(ResolveFolder(FolderKind::Binders, "A/B:1"), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    EXPECT_EQ(ResolveFolder(FolderKind::Binders, "A/B:1"), expected);
    EXPECT_TRUE(alerts.messages.empty());
}

// What a killed save left in a document folder goes when a command next
// resolves that folder: the publication's folder and the configured one.
TEST_F(DocumentFolders, ResolvingAFolderSweepsStaleTemporaryFiles) {
    configure(FolderKind::Supplements, t() + "/docs", 1);
    std::filesystem::create_directories(temp.folder() / "docs" / "SWEEP");
    const std::filesystem::path left[] = {temp.folder() / "docs" / ".DemoS004.pdf.Xy12Ab9Z",
                                          temp.folder() / "docs" / "SWEEP" / ".S1.pdf.Qw12Er34"};
    timespec old[2];
    ::clock_gettime(CLOCK_REALTIME, &old[0]);
    old[0].tv_sec -= 7200;
    old[1] = old[0];
    for (const auto& path : left) {
        testing::makeFile(path);
        ::chmod(path.c_str(), 0600);
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    }
    testing::makeFile(temp.folder() / "docs" / "SWEEP" / "S1.pdf");
    EXPECT_EQ(ResolveFolder(FolderKind::Supplements, "SWEEP"), t() + "/docs/SWEEP");
    for (const auto& path : left) {
        EXPECT_FALSE(std::filesystem::exists(path)) << path;
    }
    EXPECT_TRUE(std::filesystem::exists(temp.folder() / "docs" / "SWEEP" / "S1.pdf"));
}

TEST_F(DocumentFolders, SapCodeIsAppendedOnlyWhenGivenAndSwitchedOn) {
    configure(FolderKind::Supplements, t() + "/docs", 1);
    EXPECT_EQ(ResolveFolder(FolderKind::Supplements, std::nullopt), t() + "/docs");
    EXPECT_EQ(ResolveFolder(FolderKind::Supplements, ""), t() + "/docs");
    configure(FolderKind::Supplements, t() + "/docs", 0);
    EXPECT_EQ(ResolveFolder(FolderKind::Supplements, "SAP1"), t() + "/docs");
    EXPECT_FALSE(std::filesystem::exists(temp.folder() / "docs" / "SAP1"));
}

TEST_F(DocumentFolders, SapCodeNeverLeavesTheConfiguredFolder) {
    configure(FolderKind::Binders, t() + "/docs", 1);
    EXPECT_EQ(ResolveFolder(FolderKind::Binders, ".."), t() + "/docs/__");
}

TEST_F(DocumentFolders, CombinedFolderThatCannotBeMadeIsReported) {
    configure(FolderKind::Binders, t() + "/docs", 1);
    testing::makeFile(temp.folder() / "docs" / "SAP1");
    EXPECT_EQ(ResolveFolder(FolderKind::Binders, "SAP1"), "");
    EXPECT_EQ(alerts.messages, (std::vector<std::string>{"Invalid binders folder (combined): \"" +
                                                         t() + "/docs/SAP1\""}));
}

}  // namespace
}  // namespace lumar
