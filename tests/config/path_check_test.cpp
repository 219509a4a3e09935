#include "config/path_check.h"

#include <gtest/gtest.h>

#include "config_test_support.h"
#include "platform/settings/temp_settings.h"

namespace lumar {
namespace {

// "{T}" in a case stands for the test's temporary folder.
std::string expand(std::string text, const std::string& folder) {
    for (size_t at = text.find("{T}"); at != std::string::npos; at = text.find("{T}")) {
        text.replace(at, 3, folder);
    }
    return text;
}

class PathCheckTest : public ::testing::Test {
protected:
    PathCheckTest() {
        std::filesystem::create_directories(temp.folder() / "docs" / "sub");
        testing::makeFile(temp.folder() / "file.pdf");
    }
    std::string t() const { return temp.folder().string(); }

    testing::TempSettings temp;
};

struct CheckCase {
    const char* label;
    const char* input;
    bool mustBeFolder;
    bool mustExist;
    bool accepted;
    const char* output;
};

class CheckPathCases : public PathCheckTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckPathCases, AcceptsAndNormalises) {
    const CheckCase& c = GetParam();
    std::string path = expand(c.input, t());
    EXPECT_EQ(CheckPath(path, c.mustBeFolder, c.mustExist), c.accepted);
    EXPECT_EQ(path, expand(c.output, t()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckPathCases,
    ::testing::Values(
        CheckCase{"root", "/", true, true, true, "/"},
        CheckCase{"root_as_file", "/", false, true, false, "/"},
        CheckCase{"blanks_trimmed", "  {T}/docs\t ", true, true, true, "{T}/docs"},
        CheckCase{"trailing_separator_kept", "{T}/docs/", true, true, true, "{T}/docs/"},
        CheckCase{"dots_resolved", "{T}//docs/../docs/./sub//", true, true, true, "{T}/docs/sub/"},
        CheckCase{"above_root", "/../../", true, true, true, "/"},
        CheckCase{"missing_folder", "{T}/missing", true, true, false, "{T}/missing"},
        CheckCase{"file_is_no_folder", "{T}/file.pdf", true, true, false, "{T}/file.pdf"},
        CheckCase{"existing_file", "{T}/file.pdf", false, true, true, "{T}/file.pdf"},
        CheckCase{"folder_is_no_file", "{T}/docs", false, true, false, "{T}/docs"},
        CheckCase{"file_with_separator", "{T}/file.pdf/", false, true, false, "{T}/file.pdf/"},
        CheckCase{"new_file", "{T}/new.txt", false, false, true, "{T}/new.txt"},
        CheckCase{"new_file_over_folder", "{T}/docs", false, false, false, "{T}/docs"},
        CheckCase{"empty", "", true, true, false, ""},
        CheckCase{"blanks_only", "   ", true, true, false, "   "}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return info.param.label; });

TEST_F(PathCheckTest, RelativePathIsMadeAbsoluteAgainstTheCurrentFolder) {
    const testing::CurrentFolder inside(temp.folder() / "docs");
    std::string path = " sub ";
    EXPECT_TRUE(CheckPath(path, true, true));
    EXPECT_EQ(path, t() + "/docs/sub");
    path = "../file.pdf";
    EXPECT_TRUE(CheckPath(path, false, true));
    EXPECT_EQ(path, t() + "/file.pdf");
}

TEST_F(PathCheckTest, FolderThatCannotBeReadFails) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder";
    }
    std::filesystem::permissions(temp.folder() / "docs", std::filesystem::perms::owner_write);
    std::string path = t() + "/docs";
    EXPECT_FALSE(CheckPath(path, true, true));
    std::filesystem::permissions(temp.folder() / "docs", std::filesystem::perms::owner_all);
}

struct NearestCase {
    const char* label;
    const char* input;
    bool exists;
    const char* output;
};

class NearestExistingFolderCases : public PathCheckTest,
                                   public ::testing::WithParamInterface<NearestCase> {};

TEST_P(NearestExistingFolderCases, WalksUpToAFolderThatExists) {
    const NearestCase& c = GetParam();
    std::string path = expand(c.input, t());
    EXPECT_EQ(NearestExistingFolder(path), c.exists);
    EXPECT_EQ(path, expand(c.output, t()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NearestExistingFolderCases,
    ::testing::Values(NearestCase{"itself", "{T}/docs/sub/", true, "{T}/docs/sub/"},
                      NearestCase{"missing_levels", "{T}/docs/a/b/c.pdf", true, "{T}/docs"},
                      NearestCase{"file_in_folder", "{T}/file.pdf", true, "{T}"},
                      NearestCase{"up_to_the_root", "/no-such-folder/x/y", true, "/"},
                      NearestCase{"blanks_only", "  ", false, "  "}),
    [](const ::testing::TestParamInfo<NearestCase>& info) { return info.param.label; });

TEST_F(PathCheckTest, EmptyPathMeansTheCurrentFolder) {
    const testing::CurrentFolder inside(temp.folder() / "docs");
    std::string path;
    EXPECT_TRUE(NearestExistingFolder(path));
    EXPECT_EQ(path, t() + "/docs");
}

}  // namespace
}  // namespace lumar
