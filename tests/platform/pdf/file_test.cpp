#include "platform/pdf/file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "fixtures/temp_dir.h"
#include "platform/pdf/path.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {
namespace {

using fixtures::TempDir;

constexpr int kWriteCreate = kFileWrite | kFileCreate;  // 6

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Files, WriteCreateMakesAMissingFileAndEmptiesAnExistingOne) {
    TempDir dir;
    {
        File file = File::open(dir / "report.txt", kWriteCreate);
        file.write("a longer first text\r\n");
        EXPECT_EQ(file.length(), 21);
    }
    File file = File::open(dir / "report.txt", kWriteCreate);
    EXPECT_EQ(file.length(), 0);
    file.write("short");
    file.close();
    EXPECT_EQ(readFile(dir / "report.txt"), "short");
}

TEST(Files, WriteWithoutCreateNeedsTheFileAndKeepsItForAppending) {
    TempDir dir;
    try {
        (void)File::open(dir / "missing.txt", kFileWrite);
        FAIL() << "mode 2 created a file";
    } catch (const PdfError& e) {
        EXPECT_EQ(e.code(), ErrorCode::FileNotFound);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.txt"));

    std::ofstream(dir / "log.txt") << "first report\n";
    File file = File::open(dir / "log.txt", kFileWrite);
    EXPECT_EQ(file.position(), 0);
    file.setPosition(file.length());
    file.write("second report\n");
    file.close();
    EXPECT_EQ(readFile(dir / "log.txt"), "first report\nsecond report\n");
}

TEST(Files, PositionsOverwriteInPlaceAndClosedFilesRefuse) {
    TempDir dir;
    File file = File::open(dir / "f.txt", kWriteCreate);
    file.write("0123456789");
    file.setPosition(3);
    file.write("ab");
    EXPECT_EQ(file.position(), 5);
    EXPECT_EQ(file.length(), 10);
    EXPECT_THROW(file.setPosition(-1), PdfError);
    file.close();
    file.close();
    EXPECT_EQ(readFile(dir / "f.txt"), "012ab56789");
    EXPECT_THROW(file.write("x"), PdfError);
    EXPECT_THROW((void)File::open(dir.path(), kWriteCreate), PdfError);
    EXPECT_THROW((void)File::open(dir / "no" / "f.txt", kWriteCreate), PdfError);
}

struct JoinCase {
    const char* folder;
    const char* name;
    std::optional<std::string> expected;
};

class FolderAndName : public testing::TestWithParam<JoinCase> {};

TEST_P(FolderAndName, JoinOnlyPlainNames) {
    const JoinCase& c = GetParam();
    const auto path = pathFromFolderAndName(c.folder, c.name);
    if (c.expected) {
        ASSERT_TRUE(path.has_value());
        EXPECT_EQ(path->string(), *c.expected);
    } else {
        EXPECT_FALSE(path.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderAndName,
    testing::Values(JoinCase{"/data/binders", "b1.pdf", "/data/binders/b1.pdf"},
                    JoinCase{"/data/binders/", "b1.pdf", "/data/binders/b1.pdf"},
                    JoinCase{"/", "b1.pdf", "/b1.pdf"},
                    JoinCase{"/data", "caf\xE9.pdf", "/data/caf\xC3\xA9.pdf"},
                    JoinCase{"", "b1.pdf", std::nullopt}, JoinCase{"/data", "", std::nullopt},
                    JoinCase{"/data", "..", std::nullopt},
                    JoinCase{"/data", "sub/b1.pdf", std::nullopt}));

TEST(Paths, PlatformTextsAreWindows1252) {
    const std::filesystem::path path = pathFromPlatformText("/data/\x80 caf\xE9.pdf");
    EXPECT_EQ(path.string(), "/data/\xE2\x82\xAC caf\xC3\xA9.pdf");
    EXPECT_EQ(platformPathText(path), "/data/\x80 caf\xE9.pdf");
    EXPECT_EQ(platformPathText("/data/\xE4\xB8\xAD.pdf"), "/data/?.pdf");
}

}  // namespace
}  // namespace lumar::pdf
