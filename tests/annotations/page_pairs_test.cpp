#include "annotations/page_pairs.h"

#include <gtest/gtest.h>

namespace lumar {
namespace {

struct SplitCase {
    const char* name;
    std::string data;
    std::int32_t pageCount;
    PagePairList pairs;  // expected on success
    std::string error;   // expected on failure
};

class SplitAnnotationDataTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitAnnotationDataTest, CountsLinesAgainstPages) {
    const SplitCase& c = GetParam();
    const PagePairsResult result = SplitAnnotationData(c.data, c.pageCount);
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.pairs, c.pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitAnnotationDataTest,
    testing::Values(
        SplitCase{"FourPagesFourLines",
                  "p1\r\np2\r\np3\r\np4\r\n",
                  4,
                  {"<NULL>", "p1\np2", "p3\np4"},
                  ""},
        SplitCase{"FourPagesThreeLinesEvenPageEmpty",
                  "first\r\nsecond\r\nthird\r\n",
                  4,
                  {"<NULL>", "first\nsecond", "third\n"},
                  ""},
        SplitCase{"SixPagesThreeLines",
                  "first\r\nsecond\r\nthird\r\n",
                  6,
                  {},
                  "Inconsistency found: page count > annotation count!"},
        SplitCase{"ThirdLineWithoutLineEnd",
                  "first\r\nsecond\r\nthird",
                  4,
                  {},
                  "Inconsistency found: odd annotation count!"},
        SplitCase{"LastLineWithoutLineEnd",
                  "p1\r\np2\r\np3\r\np4",
                  4,
                  {"<NULL>", "p1\np2", "p3\np4"},
                  ""},
        SplitCase{"ZeroPagesWithData",
                  "p1\r\n",
                  0,
                  {},
                  "Inconsistency found: page count < annotation count!"},
        SplitCase{"MoreLinesThanPages",
                  "p1\r\np2\r\np3\r\np4\r\n",
                  2,
                  {},
                  "Inconsistency found: page count < annotation count!"},
        SplitCase{
            "TrailingBlankLinesAllowed", "p1\r\np2\r\n\r\n \r\n", 2, {"<NULL>", "p1\np2"}, ""},
        SplitCase{"LoneCarriageReturnEndsALine",
                  "p1\rp2\r\np3\np4\r",
                  4,
                  {"<NULL>", "p1\np2", "p3\np4"},
                  ""},
        SplitCase{"EmptyOddPage", "\r\np2\r\n", 2, {"<NULL>", "\np2"}, ""},
        SplitCase{
            "OddPageCount", "p1\r\np2\r\np3\r\n", 3, {}, "Inconsistency found: odd page count!"},
        SplitCase{"BlankData", " \r\n\t", 2, {}, "Missing annotation data!"},
        SplitCase{"NoData", "", 0, {}, "Missing annotation data!"}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(NormaliseLineEnds, TurnsEveryLineEndIntoLineFeed) {
    EXPECT_EQ(NormaliseLineEnds("a\r\nb\rc\nd\r\r\n"), "a\nb\nc\nd\n\n");
    EXPECT_EQ(NormaliseLineEnds("\n\r"), "\n\n");
}

}  // namespace
}  // namespace lumar
