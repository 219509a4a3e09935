// The search's text rules without a service: patterns, the recent-searches
// list, the walk over annotation data, the summary, and the extraction's
// counting and page rules.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "search/document_search.h"
#include "search/page_extraction.h"
#include "search/search_mru.h"
#include "search/search_pattern.h"
#include "search/search_results_dlg.h"

namespace lumar {
namespace {

struct MatchCase {
    const char* search;
    bool matchCase;
    const char* pairText;
    bool found;
};

void PrintTo(const MatchCase& c, std::ostream* os) {
    *os << "'" << c.search << "'";
}

class SearchMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(SearchMatchTest, MatchesPairText) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(SearchMatcher(c.search, c.matchCase).Matches(c.pairText), c.found)
        << "'" << c.search << "' in '" << c.pairText << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, SearchMatchTest,
    ::testing::Values(
        MatchCase{"abc", false, "xABCx\nsecond", true},  // found anywhere, any case
        MatchCase{"abc", true, "xABCx\nsecond", false},
        MatchCase{"ABC", true, "xABCx\nsecond", true},
        MatchCase{"a?c", false, "first\nzzabczz", true},  // "?" is any one character
        MatchCase{"a?c", false, "first\nzzaczz", false},
        MatchCase{"?abc", false, "xabc and more", true},  // no "*" put in front
        MatchCase{"?abc", false, "xyabc", false},
        MatchCase{"abc*", false, "abc", true},  // nothing appended after "*"
        MatchCase{"*abc", false, "zzabc", true}, MatchCase{"abc?", false, "zabc", false},
        MatchCase{"abc?", false, "zabcd", true},
        MatchCase{"first\nsecond", false, "FIRST\nSECOND", true},  // across the pages
        MatchCase{"a*b*c", false, "xaxxbxxcx", true}, MatchCase{"a*b*c", false, "xcxbxa", false},
        MatchCase{"\xC9t\xE9", false, "an \xE9T\xC9 leaf", true},  // Windows-1252 case
        MatchCase{"TABSHEET=true", false, "p <<#TABSHEET=\"true\"#>>\nq", false},
        MatchCase{"TABSHEET=\"true\"", false, "p <<#TABSHEET=\"true\"#>>\nq", true},
        MatchCase{"COLOUR=\"Red\"", false, "p <<#COLOUR=\"red\"#>>\nq <<#COLOUR=\"red\"#>>",
                  true}));

TEST(SearchPatternTest, WildcardsAtEitherEndAreKept) {
    EXPECT_EQ(MakeSearchPattern("abc"), "*abc*");
    EXPECT_EQ(MakeSearchPattern("?abc"), "?abc*");
    EXPECT_EQ(MakeSearchPattern("abc?"), "*abc?");
    EXPECT_EQ(MakeSearchPattern("*a*"), "*a*");
    EXPECT_EQ(MakeSearchPattern(""), "**");
}

TEST(SearchPatternTest, ManyStarsStayFast) {
    // Backtracking over every star would take ages here; the walk is linear.
    const std::string text(20000, 'a');
    EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*a*a*a*a*a*b", text, false));
    EXPECT_TRUE(WildcardMatch("*a*a*a*a*a*a*a*a*a*a*", text, false));
}

struct MruCase {
    const char* stored;
    const char* search;
    const char* result;
};

void PrintTo(const MruCase& c, std::ostream* os) {
    *os << "'" << c.stored << "' + '" << c.search << "'";
}

class MruListTest : public ::testing::TestWithParam<MruCase> {};

TEST_P(MruListTest, PutsTheSearchFirst) {
    EXPECT_EQ(AddToMruList(GetParam().stored, GetParam().search), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Lists, MruListTest,
                         ::testing::Values(MruCase{"a|b|c", "b", "b|a|c"},
                                           MruCase{"a|b|c", "a", "a|b|c"},
                                           MruCase{"a|b|c", "c", "c|a|b"},
                                           MruCase{"a|b|c", "d", "d|a|b|c"}, MruCase{"", "x", "x"},
                                           MruCase{"x", "x", "x"},
                                           MruCase{"ab|b", "b", "b|ab"},  // whole entries only
                                           MruCase{"a|b", "a|b", "a|b"},  // "|" in the text
                                           MruCase{"c", "a|b", "a|b|c"}));

TEST(MruListTest, SplitsAtEverySeparator) {
    EXPECT_EQ(SplitMruList("a|b|c"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitMruList("a||c|"), (std::vector<std::string>{"a", "", "c", ""}));
    EXPECT_TRUE(SplitMruList("").empty());
}

std::string Lines(int count, const char* end = "\r\n", bool lastEnd = true) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "line" + std::to_string(i);
        if (i < count || lastEnd) {
            text += end;
        }
    }
    return text;
}

struct WalkCase {
    const char* name;
    std::string data;
    int pages;
    WalkResult result;
    std::vector<SearchHit> hits;  // searching "line"
};

void PrintTo(const WalkCase& c, std::ostream* os) {
    *os << c.name;
}

class AnnotationWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(AnnotationWalkTest, WalksThePairs) {
    const WalkCase& c = GetParam();
    std::vector<SearchHit> hits;
    EXPECT_EQ(SearchAnnotationData(c.data, c.pages, 4, SearchMatcher("line", false), hits),
              c.result);
    EXPECT_EQ(hits, c.hits);
}

const std::vector<SearchHit> kFivePairs = {{4, 1, "line1\nline2"},
                                           {4, 2, "line3\nline4"},
                                           {4, 3, "line5\nline6"},
                                           {4, 4, "line7\nline8"},
                                           {4, 5, "line9\nline10"}};

INSTANTIATE_TEST_SUITE_P(
    Texts, AnnotationWalkTest,
    ::testing::Values(
        WalkCase{"TenLinesEnded", Lines(10), 10, WalkResult::Done, kFivePairs},
        WalkCase{"TenLinesLastOpen", Lines(10, "\r\n", false), 10, WalkResult::Done, kFivePairs},
        WalkCase{"LoneCr", Lines(10, "\r"), 10, WalkResult::Done, kFivePairs},
        WalkCase{"LoneLf", Lines(10, "\n"), 10, WalkResult::Done, kFivePairs},
        WalkCase{"TrailingBlankLines", Lines(10) + "\r\n \r\n", 10, WalkResult::Done, kFivePairs},
        WalkCase{"NineLines",
                 Lines(9),
                 10,
                 WalkResult::OddCount,
                 {kFivePairs.begin(), kFivePairs.begin() + 4}},
        WalkCase{"NineLinesOpen",
                 Lines(9, "\r\n", false),
                 10,
                 WalkResult::OddCount,
                 {kFivePairs.begin(), kFivePairs.begin() + 4}},
        WalkCase{"EightLinesForTwelvePages",
                 Lines(8),
                 12,
                 WalkResult::PageCountAbove,
                 {kFivePairs.begin(), kFivePairs.begin() + 3}},
        WalkCase{"TwelveLinesForTenPages", Lines(12), 10, WalkResult::PageCountBelow, kFivePairs},
        WalkCase{"Blank", " \r\n\r\n", 2, WalkResult::MissingData, {}},
        WalkCase{"Empty", "", 2, WalkResult::MissingData, {}},
        // A blank first or last page keeps its line: nothing shifts.
        WalkCase{"BlankLastPage",
                 "line1\r\nline2\r\nline3\r\n\r\n",
                 4,
                 WalkResult::Done,
                 {{4, 1, "line1\nline2"}, {4, 2, "line3\n"}}},
        WalkCase{"BlankFirstPage",
                 "\r\nline2\r\nline3\r\nline4\r\n",
                 4,
                 WalkResult::Done,
                 {{4, 1, "\nline2"}, {4, 2, "line3\nline4"}}}),
    [](const ::testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

TEST(AnnotationWalkTest, HooksSeeEveryLineAndCanStopBeforeAPair) {
    std::vector<SearchHit> hits;
    int lines = 0;
    int pairs = 0;
    const WalkHooks hooks{[&pairs] { return ++pairs <= 2; }, [&lines] { ++lines; }};
    EXPECT_EQ(SearchAnnotationData(Lines(10), 10, 1, SearchMatcher("line", false), hits, hooks),
              WalkResult::Cancelled);
    EXPECT_EQ(lines, 4);
    EXPECT_EQ(hits.size(), 2U);
}

TEST(SearchSummaryTest, TotalReplacesItsMarker) {
    const std::string start = "Results for 'x':\t<<#TOTAL#>>";
    EXPECT_EQ(FinishSummary(start, 0), "Results for 'x':\tnone");
    EXPECT_EQ(FinishSummary(start, 1), "Results for 'x':\t1 page pair\r\n");
    EXPECT_EQ(FinishSummary(start + "\r\n- binder 2: ...", 3),
              "Results for 'x':\t3 page pairs\r\n\r\n- binder 2: ...");
    // A search text holding the marker stays as typed.
    EXPECT_EQ(FinishSummary("Results for '<<#TOTAL#>>':\t<<#TOTAL#>>", 2),
              "Results for '<<#TOTAL#>>':\t2 page pairs\r\n");
}

TEST(ExtractionRulesTest, DocumentCountStopsAtTwo) {
    const auto hits = [](std::vector<std::int32_t> binders) {
        std::vector<SearchHit> list;
        for (std::int32_t b : binders) {
            list.push_back({b, 1, "a\nb"});
        }
        return list;
    };
    EXPECT_EQ(CountExtractDocuments(hits({})), 0);
    EXPECT_EQ(CountExtractDocuments(hits({0, 0})), 0);  // a supplement
    EXPECT_EQ(CountExtractDocuments(hits({2, 2, 2})), 1);
    EXPECT_EQ(CountExtractDocuments(hits({2, 5})), 2);
    EXPECT_EQ(CountExtractDocuments(hits({2, 5, 7, 9})), 2);
}

TEST(ExtractionRulesTest, PairThreeIsPageIndicesFourAndFive) {
    EXPECT_EQ(PagesOfPair(3).first, 4);
    EXPECT_EQ(PagesOfPair(3).last, 5);
    EXPECT_EQ(PagesOfPair(1).first, 0);
}

TEST(ResultColoursTest, OddRowsAreDarkerWithoutWrapping) {
    EXPECT_EQ(DarkenRowColour(0xFFFFFF), 0xEFEFEFU);
    EXPECT_EQ(DarkenRowColour(0x0A2030), 0x001020U);  // below 16 stays at 0
    EXPECT_EQ(BlendColour(0x0000FF, 0x808080), 0x4040BFU);
}

}  // namespace
}  // namespace lumar
