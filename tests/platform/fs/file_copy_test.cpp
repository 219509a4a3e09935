// Copying a file over another: the copy has the source's bytes and
// permissions, an existing target is replaced whole, and a failed copy
// leaves the target and the folder as they were.

#include "platform/fs/file_copy.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "fixtures/temp_dir.h"
#include "platform/fs/folder_files.h"

namespace lumar::fs {
namespace {

using fixtures::TempDir;
using testing::namesIn;
using testing::patternText;
using testing::permissionsOf;
using testing::readFile;
using testing::writeFile;

namespace fsys = std::filesystem;

struct CopyCase {
    const char* name;
    std::optional<mode_t> source;  // the source's permissions; none: missing
    std::optional<mode_t> target;  // the existing target's permissions; none: new
    const char* targetFolder;      // below the test folder; created unless "missing"
    int error;
};

class Copy : public ::testing::TestWithParam<CopyCase> {};

TEST_P(Copy, GivesTheWholeSourceOrLeavesTheTarget) {
    const CopyCase& c = GetParam();
    const TempDir dir;
    // Larger than the copy's buffer, so the copy takes several rounds.
    const std::string sourceBytes = patternText(std::size_t{200} * 1024, 's');
    const std::string oldBytes = patternText(500, 'o');
    const fsys::path source = dir / "Source.pdf";
    const fsys::path folder = dir / c.targetFolder;
    const fsys::path target = folder / "Binder.pdf";
    if (c.source) {
        writeFile(source, sourceBytes);
        fsys::permissions(source, static_cast<fsys::perms>(*c.source));
    }
    if (std::string(c.targetFolder) != "missing") {
        fsys::create_directories(folder);
    }
    if (c.target) {
        writeFile(target, oldBytes);
        fsys::permissions(target, static_cast<fsys::perms>(*c.target));
    }

    EXPECT_EQ(copyFile(source, target).value(), c.error);

    if (c.error == 0) {
        EXPECT_EQ(readFile(target), sourceBytes);
        EXPECT_EQ(permissionsOf(target), *c.source);
    } else if (c.target) {
        EXPECT_EQ(readFile(target), oldBytes);
        EXPECT_EQ(permissionsOf(target), *c.target);
    } else {
        EXPECT_FALSE(fsys::exists(target));
    }
    if (fsys::exists(folder)) {
        const bool targetThere = c.target || c.error == 0;
        EXPECT_EQ(namesIn(folder), targetThere ? std::vector<std::string>{"Binder.pdf"}
                                               : std::vector<std::string>{});
    }
    if (c.source) {
        EXPECT_EQ(readFile(source), sourceBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FileCopy, Copy,
    ::testing::Values(
        CopyCase{"NewTargetGetsTheSourcesBytesAndMode", 0640, std::nullopt, "Binders", 0},
        CopyCase{"ExistingTargetIsReplacedWithTheSourcesMode", 0444, 0666, "Binders", 0},
        CopyCase{"MissingSourceLeavesTheTarget", std::nullopt, 0644, "Binders", ENOENT},
        CopyCase{"MissingSourceMakesNoTarget", std::nullopt, std::nullopt, "Binders", ENOENT},
        CopyCase{"MissingFolderIsReported", 0644, std::nullopt, "missing", ENOENT}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileCopy, CopyOntoItselfKeepsTheContents) {
    const TempDir dir;
    const std::string bytes = patternText(std::size_t{70} * 1024, 'x');
    writeFile(dir / "Same.pdf", bytes);
    EXPECT_EQ(copyFile(dir / "Same.pdf", dir / "Same.pdf"), std::error_code());
    EXPECT_EQ(readFile(dir / "Same.pdf"), bytes);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"Same.pdf"});
}

}  // namespace
}  // namespace lumar::fs
