#include "config/file_names.h"

#include <gtest/gtest.h>

#include "config_test_support.h"
#include "platform/settings/temp_settings.h"
#include "platform/text/cp1252.h"

namespace lumar {
namespace {

TEST(FileNameComponent, ReplacesWhatCannotStandInAName) {
    EXPECT_EQ(MakeFileNameComponent("A/B:1"), "A_B_1");
    EXPECT_EQ(MakeFileNameComponent(std::string("\\/:*?\"<>|\t\n\r\0x", 14)), "_____________x");
    EXPECT_EQ(MakeFileNameComponent("R\xE9"
                                    "d. 2"),
              "R\xE9"
              "d. 2");
    // Names that would leave the folder.
    EXPECT_EQ(MakeFileNameComponent(".."), "__");
    EXPECT_EQ(MakeFileNameComponent("."), "_");
    EXPECT_EQ(MakeFileNameComponent("..x"), "..x");
}

TEST(FileNameComponent, UsableNames) {
    EXPECT_TRUE(IsUsableFileName("Book.ann"));
    EXPECT_FALSE(IsUsableFileName(""));
    EXPECT_FALSE(IsUsableFileName("."));
    EXPECT_FALSE(IsUsableFileName(".."));
    EXPECT_FALSE(IsUsableFileName("a/b"));
    EXPECT_FALSE(IsUsableFileName("*1H?*.pdf"));
}

TEST(BinderNames, CharactersRunFromOneToZ) {
    EXPECT_EQ(BinderCharacter(0), std::nullopt);
    EXPECT_EQ(BinderCharacter(1), '1');
    EXPECT_EQ(BinderCharacter(9), '9');
    EXPECT_EQ(BinderCharacter(10), 'A');
    EXPECT_EQ(BinderCharacter(35), 'Z');
    EXPECT_EQ(BinderCharacter(36), std::nullopt);
}

struct FirstBinderCase {
    const char* label;
    const char* path;
    std::optional<FirstBinderName> parsed;
};

class FirstBinderRecognition : public ::testing::TestWithParam<FirstBinderCase> {};

TEST_P(FirstBinderRecognition, TakesPrefixWidthAndNumber) {
    EXPECT_EQ(ParseFirstBinderName(GetParam().path), GetParam().parsed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FirstBinderRecognition,
    ::testing::Values(
        FirstBinderCase{"full_path", "/Docs/ABC1H007.pdf", FirstBinderName{"/docs/abc", 3, 7}},
        FirstBinderCase{"upper_extension", "x1h12345.PDF", FirstBinderName{"x", 5, 12345}},
        FirstBinderCase{"no_prefix", "1H7.pdf", FirstBinderName{"", 1, 7}},
        FirstBinderCase{"width_six", "X1H123456.pdf", std::nullopt},
        FirstBinderCase{"no_number", "abc1H.pdf", std::nullopt},
        FirstBinderCase{"not_digits", "abc1H0x7.pdf", std::nullopt},
        FirstBinderCase{"no_binder_character", "H007.pdf", std::nullopt},
        FirstBinderCase{"binder_character_is_separator", "/docs/h007.pdf", std::nullopt},
        FirstBinderCase{"not_pdf", "abc1H007.txt", std::nullopt},
        FirstBinderCase{"no_h", "abc1007.pdf", std::nullopt}),
    [](const ::testing::TestParamInfo<FirstBinderCase>& info) { return info.param.label; });

TEST(BinderNames, NamesFollowTheFirstBinder) {
    const auto first = ParseFirstBinderName("/Docs/ABC1H007.pdf");
    ASSERT_TRUE(first);
    auto name = [&](int binder) {
        return BinderFileName(first->prefix, binder, first->width, first->number);
    };
    EXPECT_EQ(name(1), "/docs/abc1H007.pdf");
    EXPECT_EQ(name(10), "/docs/abcAH007.pdf");
    EXPECT_EQ(name(35), "/docs/abcZH007.pdf");
    EXPECT_EQ(name(36), std::nullopt);
    EXPECT_EQ(BinderFileName("p", 2, 5, 42), "p2H00042.pdf");
}

TEST(BinderNames, AlternateNameReplacesTheExtension) {
    EXPECT_EQ(AlternateBinderName("/docs/abc1H007.pdf", 1, 7), "/docs/abc1H007_1H7.pdf");
    EXPECT_EQ(AlternateBinderName("/v1.2/abcBH012", 11, 12), "/v1.2/abcBH012_BH12.pdf");
    EXPECT_EQ(AlternateBinderName("/docs/x.pdf", 36, 1), std::nullopt);
}

TEST(DocumentNames, PathsAndDerivedNames) {
    EXPECT_EQ(DocumentPath("/srv/binders", "abc1H007.pdf"), "/srv/binders/abc1H007.pdf");
    EXPECT_EQ(DocumentPath("/srv/binders/", "abc1H007.pdf"), "/srv/binders/abc1H007.pdf");
    EXPECT_EQ(DocumentPath("/", "abc1H007.pdf"), "/abc1H007.pdf");

    const std::string document = "/work/in.progress/Book.v2.pdf";
    EXPECT_EQ(BaseName(document), "Book.v2");
    EXPECT_EQ(AnnotationFileName(document), "Book.v2.ann");
    EXPECT_EQ(FooterExportFileName(document), "Book.v2.ann.txt");
    EXPECT_EQ(AnnotationReportFileName(document), "Book.v2.rep");
    EXPECT_EQ(PdfCheckReportPath(document), "/work/in.progress/Book.v2.pdf_report.txt");
    EXPECT_EQ(PdfCheckReportPath("/Book.pdf"), "/Book.pdf_report.txt");
    EXPECT_EQ(BaseName("/in.progress/README"), "README");
}

class FindIgnoringCase : public ::testing::Test {
protected:
    FindIgnoringCase() {
        testing::makeFile(temp.folder() / "Docs" / "ABC1H007.pdf");
        testing::makeFile(temp.folder() / "Docs" / "ABCAH007.PDF");
        testing::makeFile(temp.folder() / "Docs" / "dup.pdf");
        testing::makeFile(temp.folder() / "Docs" / "DUP.pdf");
        std::filesystem::create_directories(temp.folder() / "Docs" / "folder.pdf");
    }
    std::string t() const { return temp.folder().string(); }

    testing::TempSettings temp;
};

TEST_F(FindIgnoringCase, ExactlyOneMatchIsFound) {
    EXPECT_EQ(FindFileIgnoringCase(t() + "/docs/abcah007.pdf"), t() + "/Docs/ABCAH007.PDF");
    EXPECT_EQ(FindFileIgnoringCase(t() + "/Docs/ABC1H007.pdf"), t() + "/Docs/ABC1H007.pdf");
    EXPECT_EQ(FindFileIgnoringCase(t() + "/docs/dup.pdf"), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(t() + "/docs/folder.pdf"), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(t() + "/docs/abcbh007.pdf"), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(t() + "/nowhere/abc1h007.pdf"), std::nullopt);
}

TEST_F(FindIgnoringCase, BinderNamedFromALowerCasedPathIsFound) {
    const auto first = ParseFirstBinderName(t() + "/Docs/ABC1H007.pdf");
    ASSERT_TRUE(first);
    const auto binder10 = BinderFileName(first->prefix, 10, first->width, first->number);
    EXPECT_EQ(*binder10, text::toLower(t()) + "/docs/abcAH007.pdf");
    EXPECT_EQ(FindFileIgnoringCase(*binder10), t() + "/Docs/ABCAH007.PDF");
}

}  // namespace
}  // namespace lumar
