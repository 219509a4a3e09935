#include "annotations/tag.h"

#include <gtest/gtest.h>

#include "annotations/page_text.h"

namespace lumar {
namespace {

struct TextCase {
    const char* name;
    std::string input;
    std::string expected;
};

std::string CaseName(const testing::TestParamInfo<TextCase>& info) {
    return info.param.name;
}

class ExtractTagTest : public testing::TestWithParam<TextCase> {};

TEST_P(ExtractTagTest, ReadsTheNormalisedTag) {
    EXPECT_EQ(ExtractTag(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractTagTest,
    testing::Values(
        TextCase{"Normalised", "page 7 <<#  TabSheet = true   colour= 'light blue' #>>",
                 "TabSheet=true colour='light blue'"},
        TextCase{"NoMarkers", "page 7", ""}, TextCase{"OnlyOpening", "page <<# a=1", ""},
        TextCase{"OnlyClosing", "page a=1 #>>", ""}, TextCase{"TwoTags", "<<#a=1#>> <<#b=2#>>", ""},
        TextCase{"TwoOpenings", "<<# a=1 <<# b=2 #>>", ""},
        TextCase{"TwoClosings", "<<# a=1 #>> b=2 #>>", ""}, TextCase{"EmptyTag", "text <<##>>", ""},
        TextCase{"Reversed", "#>> a=1 <<#", ""}, TextCase{"Overlapping", "x <<#>> y", ""},
        TextCase{"TabsBecomeBlanks", "<<#a=1\t\tb=2#>>", "a=1 b=2"},
        TextCase{"QuotedBlanksKept", "<<#x='a  b'   y=\"c\td\"#>>", "x='a  b' y=\"c d\""},
        TextCase{"BlanksAroundEqualsDropped", "<<#x  =  1#>>", "x=1"},
        TextCase{"UnterminatedQuoteKeepsRest", "<<#x='a  b  #>>", "x='a  b"},
        TextCase{"OtherQuoteInsideQuotes", "<<#x=\"it's\" y=1#>>", "x=\"it's\" y=1"},
        TextCase{"ControlCharacterKept", "<<#a=1\x01 b=2#>>", "a=1\x01 b=2"},
        TextCase{"TextAroundIgnored", "left <<#a=1#>> right", "a=1"}),
    CaseName);

struct ReplaceCase {
    const char* name;
    std::string text;
    std::string tag;
    std::string expected;
};

class ReplaceTagTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTagTest, ReplacesOrAppends) {
    EXPECT_EQ(ReplaceTag(GetParam().text, GetParam().tag), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTagTest,
    testing::Values(
        ReplaceCase{"AppendsToPlainText", "page 1", "a=1", "page 1 <<#a=1#>>"},
        ReplaceCase{"ReplacesValidTag", "page <<#a=1#>> end", "b=2", "page  end <<#b=2#>>"},
        ReplaceCase{"EmptyTagRemovesMarkers", "  page <<#a=1#>>  ", "", "page"},
        ReplaceCase{"NewTagTrimmed", "page", " COLOUR=\"blue\"", "page <<#COLOUR=\"blue\"#>>"},
        ReplaceCase{"InvalidOldTagStays", "p <<#a#>> <<#b#>>", "c=1",
                    "p <<#a#>> <<#b#>> <<#c=1#>>"},
        ReplaceCase{"ReversedMarkersStay", "#>> p <<#", "c=1", "#>> p <<# <<#c=1#>>"},
        ReplaceCase{"EmptyOldTagReplaced", "p <<##>>", "c=1", "p <<#c=1#>>"},
        ReplaceCase{"NothingToDo", "page", "", "page"}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

struct ValueCase {
    const char* name;
    std::string tag;
    std::string key;
    std::string expected;
};

class TagValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(TagValueTest, ReadsLowerCasedValue) {
    EXPECT_EQ(TagValue(GetParam().tag, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TagValueTest,
    testing::Values(ValueCase{"BareWordLowerCased", "colour=Red", "COLOUR", "red"},
                    ValueCase{"SingleQuoted", "x='a b' y=c", "x", "a b"},
                    ValueCase{"AfterQuoted", "x='a b' y=c", "Y", "c"},
                    ValueCase{"DoubleQuotedWithApostrophe", "x=\"it's\"", "x", "it's"},
                    ValueCase{"UnterminatedQuote", "x='a b", "x", ""},
                    ValueCase{"KeyFollowedByBlank", "x= y=1", "x", ""},
                    ValueCase{"KeyAtEnd", "y=1 x=", "x", ""}, ValueCase{"Absent", "y=1", "x", ""},
                    ValueCase{"KeyMustStartAWord", "ax=1", "x", ""},
                    ValueCase{"FirstOccurrenceWins", "x=1 x=2", "x", "1"},
                    ValueCase{"EmptyTag", "", "x", ""}),
    [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

struct SetValueCase {
    const char* name;
    std::string tag;
    std::string key;
    std::string value;
    std::string expected;
};

class SetTagValueTest : public testing::TestWithParam<SetValueCase> {};

TEST_P(SetTagValueTest, SetsOrRemoves) {
    const SetValueCase& c = GetParam();
    EXPECT_EQ(SetTagValue(c.tag, c.key, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetTagValueTest,
    testing::Values(
        SetValueCase{"RemoveKeyAtStart", "TABSHEET=true COLOUR=red", "TABSHEET", "", "COLOUR=red"},
        SetValueCase{"RemoveKeyAtEnd", "COLOUR=red TABSHEET=true", "tabsheet", "", "COLOUR=red"},
        SetValueCase{"RemoveKeyInMiddle", "a=1 colour='light blue' b=2", "COLOUR", "", "a=1 b=2"},
        SetValueCase{"RemoveQuotedKeyAtStart", "COLOUR=\"red\" x=1", "colour", "", "x=1"},
        SetValueCase{"RemoveOnlyKey", "TabSheet=true", "TABSHEET", "", ""},
        SetValueCase{"RemoveEmptyValueAtStart", "x= y=1", "x", "", "y=1"},
        SetValueCase{"RemoveAbsentChangesNothing", "a=1", "COLOUR", "", "a=1"},
        SetValueCase{"AppendToEmptyTag", "", "colour", "blue", " COLOUR=\"blue\""},
        SetValueCase{"AppendBehindOthers", "a=1", "COLOUR", "blue", "a=1 COLOUR=\"blue\""},
        SetValueCase{"ReplaceBareValueKeepsKeyCase", "colour=red b=2", "COLOUR", "light blue",
                     "colour=\"light blue\" b=2"},
        SetValueCase{"ReplaceQuotedValue", "a=1 colour='x y' b=2", "COLOUR", "z",
                     "a=1 colour=\"z\" b=2"},
        SetValueCase{"FillEmptyValue", "x= y=1", "x", "2", "x=\"2\" y=1"},
        SetValueCase{"UnterminatedQuoteUnchanged", "a=1 colour='light blue", "COLOUR", "x",
                     "a=1 colour='light blue"},
        SetValueCase{"UnterminatedQuoteNotRemoved", "colour='light", "COLOUR", "",
                     "colour='light"}),
    [](const testing::TestParamInfo<SetValueCase>& info) { return info.param.name; });

TEST(TagRoundTrip, ValueSetIsReadBack) {
    for (const std::string tag : {"", "a=1", "COLOUR=red x='1 2'", "x= y=1"}) {
        const std::string withColour = SetTagValue(tag, "COLOUR", "light blue");
        const std::string pageText = ReplaceTag("page", withColour);
        EXPECT_EQ(TagValue(ExtractTag(pageText), "colour"), "light blue") << tag;
        const std::string removed = SetTagValue(ExtractTag(pageText), "colour", "");
        EXPECT_EQ(TagValue(removed, "colour"), "") << tag;
    }
}

TEST(TagTwoTags, SettingAnAttributeAppendsAThirdTagThatCannotBeRead) {
    const std::string page = "p <<#a=1#>> <<#b=2#>>";
    const std::string changed = ReplaceTag(page, SetTagValue(ExtractTag(page), "COLOUR", "red"));
    EXPECT_EQ(changed, "p <<#a=1#>> <<#b=2#>> <<#COLOUR=\"red\"#>>");
    EXPECT_EQ(ExtractTag(changed), "");
}

TEST(PageText, ReadsContentsAsOneLine) {
    EXPECT_EQ(PageText("  a\r\nb\rc\nd \t"), "a\tb\tc\td");
    EXPECT_EQ(PageText("a\n\rb"), "a\t\tb");
    EXPECT_EQ(PageText("\r\n \r\n"), "");
    EXPECT_EQ(PageText("x <<#a=1#>>"), "x <<#a=1#>>");
}

TEST(PageText, DataAnnotationTitleIgnoresCase) {
    EXPECT_TRUE(IsDataAnnotationTitle("index"));
    EXPECT_TRUE(IsDataAnnotationTitle("INDEX"));
    EXPECT_TRUE(IsDataAnnotationTitle("Index"));
    EXPECT_FALSE(IsDataAnnotationTitle("index "));
    EXPECT_FALSE(IsDataAnnotationTitle("indexes"));
    EXPECT_FALSE(IsDataAnnotationTitle(""));
}

}  // namespace
}  // namespace lumar
