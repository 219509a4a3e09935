#include "annotations/page_pair.h"

#include <gtest/gtest.h>

#include <optional>

#include "annotations/colour.h"
#include "annotations/tag.h"
#include "service/logon_store.h"
#include "service/ws_records.h"

namespace lumar {
namespace {

TEST(SplitPair, SplitsAtTheFirstLineFeed) {
    const auto pages = SplitPair("odd\neven\nmore");
    ASSERT_TRUE(pages.has_value());
    EXPECT_EQ(pages->first, "odd");
    EXPECT_EQ(pages->second, "even\nmore");

    const auto emptyEven = SplitPair("odd\n");
    ASSERT_TRUE(emptyEven.has_value());
    EXPECT_EQ(emptyEven->second, "");

    EXPECT_FALSE(SplitPair("odd even").has_value());
}

struct ColourCase {
    const char* name;
    std::string pair;
    std::optional<std::string> expected;
};

class PairColourTest : public testing::TestWithParam<ColourCase> {};

TEST_P(PairColourTest, BothPagesMustAgree) {
    EXPECT_EQ(PairColour(GetParam().pair), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PairColourTest,
    testing::Values(
        ColourCase{"SameColourAnyCase", "a <<#COLOUR=Red#>>\nb <<#colour='red'#>>", "red"},
        ColourCase{"BothColor", "a <<#COLOR=blue#>>\nb <<#COLOR=Blue#>>", "blue"},
        ColourCase{"ColourOnOddColorOnEven", "a <<#COLOUR=red#>>\nb <<#COLOR=red#>>", std::nullopt},
        ColourCase{"ColorOnOddColourOnEven", "a <<#COLOR=red#>>\nb <<#COLOUR=red#>>", std::nullopt},
        ColourCase{"ColourWinsOverColorOnOdd", "a <<#COLOR=blue COLOUR=red#>>\nb <<#COLOUR=red#>>",
                   "red"},
        ColourCase{"Differ", "a <<#COLOUR=red#>>\nb <<#COLOUR=blue#>>", std::nullopt},
        ColourCase{"NoColourOnEither", "a <<#TABSHEET=true#>>\nb <<#x=1#>>", ""},
        ColourCase{"NoColourOnOddOnly", "a <<#x=1#>>\nb <<#COLOUR=red#>>", std::nullopt},
        ColourCase{"OddWithoutTag", "a\nb <<#COLOUR=red#>>", std::nullopt},
        ColourCase{"EvenWithoutTag", "a <<#COLOUR=red#>>\nb", std::nullopt},
        ColourCase{"EvenWithTwoTags", "a <<#COLOUR=red#>>\nb <<#COLOUR=red#>><<#x#>>",
                   std::nullopt},
        ColourCase{"NoLineFeed", "a <<#COLOUR=red#>>", std::nullopt}),
    [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

struct TabsheetCase {
    const char* name;
    std::string pair;
    std::optional<bool> expected;
};

class PairTabsheetTest : public testing::TestWithParam<TabsheetCase> {};

TEST_P(PairTabsheetTest, BothPagesMustSayTrueOrFalse) {
    EXPECT_EQ(PairTabsheet(GetParam().pair), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PairTabsheetTest,
    testing::Values(
        TabsheetCase{"BothTrue", "a <<#TABSHEET=true#>>\nb <<#tabsheet=\"TRUE\"#>>", true},
        TabsheetCase{"BothFalse", "a <<#TABSHEET=false#>>\nb <<#TABSHEET=False#>>", false},
        TabsheetCase{"TrueAndFalse", "a <<#TABSHEET=true#>>\nb <<#TABSHEET=false#>>", std::nullopt},
        TabsheetCase{"BothYes", "a <<#TABSHEET=yes#>>\nb <<#TABSHEET=yes#>>", std::nullopt},
        TabsheetCase{"OddWithoutValue", "a <<#x=1#>>\nb <<#TABSHEET=true#>>", std::nullopt},
        TabsheetCase{"EvenWithoutValue", "a <<#TABSHEET=true#>>\nb <<#x=1#>>", std::nullopt},
        TabsheetCase{"EvenWithoutTag", "a <<#TABSHEET=true#>>\nb", std::nullopt},
        TabsheetCase{"OddWithoutTag", "a\nb <<#TABSHEET=true#>>", std::nullopt},
        TabsheetCase{"NoLineFeed", "a <<#TABSHEET=true#>>", std::nullopt}),
    [](const testing::TestParamInfo<TabsheetCase>& info) { return info.param.name; });

struct SetPairCase {
    const char* name;
    std::string pair;
    std::string expected;
};

class SetPairColourTest : public testing::TestWithParam<SetPairCase> {};

TEST_P(SetPairColourTest, SetsBlueOnBothPages) {
    EXPECT_EQ(SetPairColour(GetParam().pair, "light blue"), GetParam().expected);
    EXPECT_EQ(PairColour(GetParam().expected), "light blue");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetPairColourTest,
    testing::Values(
        SetPairCase{"PagesWithoutTags", "a\nb",
                    "a <<#COLOUR=\"light blue\"#>>\nb <<#COLOUR=\"light blue\"#>>"},
        SetPairCase{"ColorRemovedColourAppended",
                    "a <<#COLOR=red TABSHEET=true#>>\nb <<#COLOR=red#>>",
                    "a <<#TABSHEET=true COLOUR=\"light blue\"#>>\nb <<#COLOUR=\"light blue\"#>>"},
        SetPairCase{"ColourReplacedInPlace", "  a <<#COLOUR=red x=1#>>\nb <<#x=1 colour='red'#>>  ",
                    "a <<#COLOUR=\"light blue\" x=1#>>\nb <<#x=1 colour=\"light blue\"#>>"}),
    [](const testing::TestParamInfo<SetPairCase>& info) { return info.param.name; });

TEST(SetPairColour, NoColourRemovesBothKeys) {
    const std::string pair = "a <<#COLOR=red COLOUR=red TABSHEET=true#>>\nb <<#COLOUR=red#>>";
    EXPECT_EQ(SetPairColour(pair, kNoColour), "a <<#TABSHEET=true#>>\nb");
    // The no-colour value is matched exactly: in another case it is a name.
    EXPECT_EQ(SetPairColour("a\nb", "[[#nocolour#]]"),
              "a <<#COLOUR=\"[[#nocolour#]]\"#>>\nb <<#COLOUR=\"[[#nocolour#]]\"#>>");
}

TEST(SetPairTabsheet, OnWritesTrueOffRemoves) {
    const std::string on = SetPairTabsheet("a <<#COLOUR=red#>>\nb", true);
    EXPECT_EQ(on, "a <<#COLOUR=red TABSHEET=\"true\"#>>\nb <<#TABSHEET=\"true\"#>>");
    EXPECT_EQ(PairTabsheet(on), true);

    const std::string off = SetPairTabsheet(on, false);
    EXPECT_EQ(off, "a <<#COLOUR=red#>>\nb");
    EXPECT_EQ(SetPairTabsheet("a <<#TABSHEET=false#>>\nb <<#TABSHEET=false#>>", false), "a\nb");
}

TEST(SetPairValue, WithoutLineFeedReturnsTrimmedText) {
    EXPECT_EQ(SetPairValue("  a <<#x=1#>>  ", "x", "2"), "a <<#x=1#>>");
}

TEST(SetPairValue, PageWithTwoTagsGainsAThirdAndStaysUnreadable) {
    const std::string pair = SetPairValue("a <<#x#>><<#y#>>\nb", "TABSHEET", "true");
    EXPECT_EQ(pair, "a <<#x#>><<#y#>> <<#TABSHEET=\"true\"#>>\nb <<#TABSHEET=\"true\"#>>");
    EXPECT_FALSE(PairTabsheet(pair).has_value());
}

class ColourListTest : public testing::Test {
protected:
    void SetUp() override {
        TheLogonStore().clear();
        auto& colours = TheLogonStore().colours;
        colours.Records = {{1, "Red", 255, 0, 0},
                           {2, "Light Blue", 0x10, 0x20, 0x30},
                           {3, "RED", 1, 1, 1},
                           {4, "Odd", -1, 300, 2}};
        colours.Count = static_cast<std::int32_t>(colours.Records.size());
    }
    void TearDown() override { TheLogonStore().clear(); }
};

TEST_F(ColourListTest, ColourByNameFindsTheFirstRecordIgnoringCase) {
    EXPECT_EQ(ColourByName("red"), 255U);
    EXPECT_EQ(ColourByName("LIGHT BLUE"), 0x302010U);
    EXPECT_EQ(ColourByName(""), std::nullopt);
    EXPECT_EQ(ColourByName("green"), std::nullopt);
    EXPECT_EQ(ColourByName(" red"), std::nullopt);
    // Components outside 0-255 are taken as sent, without overflow.
    EXPECT_EQ(ColourByName("odd"), 0xFFFFFFFFU + 300U * 256U + 2U * 65536U);
}

TEST_F(ColourListTest, ColourByNameSearchesAGivenList) {
    const std::vector<ColourRecord> colours{{9, "Green", 0, 255, 0}};
    EXPECT_EQ(ColourByName("GREEN", colours), 0xFF00U);
    EXPECT_EQ(ColourByName("red", colours), std::nullopt);
}

TEST_F(ColourListTest, PairDisplayColourUsesThePairsColour) {
    EXPECT_EQ(PairDisplayColour("a <<#COLOUR='Light Blue'#>>\nb <<#colour='light blue'#>>"),
              0x302010U);
    EXPECT_EQ(PairDisplayColour("a <<#COLOUR=red#>>\nb <<#COLOUR=blue#>>"), std::nullopt);
    EXPECT_EQ(PairDisplayColour("a <<#x=1#>>\nb <<#x=1#>>"), std::nullopt);
    EXPECT_EQ(PairDisplayColour("a <<#COLOUR=green#>>\nb <<#COLOUR=green#>>"), std::nullopt);
}

}  // namespace
}  // namespace lumar
