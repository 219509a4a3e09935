// lumar merge-data check: the parser's records in each context, its
// messages on failure, and the inputs taken from the options or the service.

#include <gtest/gtest.h>

#include "fixtures/service/reference_service.h"
#include "lumar_process.h"

namespace lumar::testing {
namespace {

struct CheckCase {
    const char* name;
    std::string data;
    std::vector<std::string> options;
    int exitCode;
    std::string out;
    std::string err;  // a line the messages must hold; empty: no messages at all
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class LumarMergeDataCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(LumarMergeDataCheck, PrintsTheRecordsAndTheParsersMessages) {
    const CheckCase& c = GetParam();
    std::vector<std::string> arguments = {"merge-data", "check", "-"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    const LumarRun run = RunLumar(arguments, {}, c.data);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(run.out, c.out);
    if (c.err.empty()) {
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

const std::string kDemoData = "(1)binder\r\n(2,1,1)Replace\r\n(4,2,2)Insert\r\n";
const std::vector<std::string> kTwoBinders = {"--binder-pages", "1=8,2=8", "--supplement-pages",
                                              "4"};

std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Contexts, LumarMergeDataCheck,
    ::testing::Values(
        CheckCase{"ExecutorAppendsBinderLinesAndCountsSteps", kDemoData,
                  With({"--context", "executor"}, kTwoBinders), 0,
                  "0\tBinder\t0\t0\t0\t0\t1\t0\t0\t\t(1)binder\n"
                  "1\tReplace\t1\t1\t0\t2\t0\t1\t0\t\t(2,1,1)Replace\n"
                  "2\tInsert\t2\t2\t4\t0\t0\t1\t0\t\t(4,2,2)Insert\n"
                  "3\tEmpty\t0\t0\t0\t0\t1\t1\t0\t\t\n"
                  "4\tBinder\t0\t0\t0\t0\t2\t0\t0\t\t(2)binder\n"
                  "steps\t6\n",
                  ""},
        CheckCase{"EditorPutsAnEmptyLineFirstAndCountsNoSteps", kDemoData,
                  With({"--context", "editor"}, kTwoBinders), 0,
                  "0\tEmpty\t0\t0\t0\t0\t0\t0\t0\t\t\n"
                  "1\tBinder\t0\t0\t0\t0\t1\t0\t0\t\t(1)binder\n"
                  "2\tReplace\t1\t1\t0\t2\t0\t1\t0\t\t(2,1,1)Replace\n"
                  "3\tInsert\t2\t2\t4\t0\t0\t1\t0\t\t(4,2,2)Insert\n",
                  ""},
        CheckCase{"ParameterOutOfRangeStopsAtItsLine", "(1)binder\r\n(9,1,1)Replace\r\n",
                  With({"--context", "executor"}, kTwoBinders), 1,
                  "0\tBinder\t0\t0\t0\t0\t1\t0\t0\t\t(1)binder\n", "Invalid Replace parameters."},
        CheckCase{"UnknownCommand", "(1)binder\r\n(1)Frobnicate\r\n",
                  With({"--context", "executor"}, kTwoBinders), 1,
                  "0\tBinder\t0\t0\t0\t0\t1\t0\t0\t\t(1)binder\n", "Unknown command encountered."},
        CheckCase{"StoreWithoutRestoreFailsInTheExecutor", "(1)binder\r\n(1,1)Store\r\n",
                  With({"--context", "executor"}, kTwoBinders), 1,
                  "0\tBinder\t0\t0\t0\t0\t1\t0\t0\t\t(1)binder\n"
                  "1\tStore\t1\t1\t0\t1\t1\t0\t0\t\t(1,1)Store\n"
                  "2\tEmpty\t0\t0\t0\t0\t1\t1\t0\t\t\n"
                  "3\tBinder\t0\t0\t0\t0\t2\t0\t0\t\t(2)binder\n",
                  "Store in EI without Restore."},
        CheckCase{"UpdateOfTheSupplementWithAColourFromTheOptions",
                  "(0)binder\r\n(1,1,light blue)SetColour\r\n",
                  With({"--context", "update", "--colours", "red,light blue"}, kTwoBinders), 0,
                  "0\tBinder\t0\t0\t0\t0\t0\t0\t0\t\t(0)binder\n"
                  "1\tSetColour\t1\t1\t0\t1\t0\t0\t0\tlight blue\t(1,1,light blue)SetColour\n"
                  "steps\t3\n",
                  ""},
        CheckCase{"DialogShowingTheSupplementKnowsOnlyTheColoursGiven",
                  "(0)binder\r\n(1,1,light blue)SetColour\r\n",
                  With({"--context", "dialog", "--showing", "0", "--colours", "red"}, kTwoBinders),
                  1, "0\tBinder\t0\t0\t0\t0\t0\t0\t0\t\t(0)binder\n", "Unknown colour parameter."},
        CheckCase{"NeitherBindersNorPublicationIsAUsageError",
                  kDemoData,
                  {"--context", "executor"},
                  2,
                  "",
                  "--publication or --binder-pages"},
        CheckCase{"UnknownContextIsAUsageError", kDemoData,
                  With({"--context", "merge"}, kTwoBinders), 2, "", "--context"}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

// With --publication the binders, the supplement and the colours come from
// the service: the demo publication has three binders of eight pages and a
// supplement of four.
TEST(LumarMergeDataCheckPublication, TakesTheInputsFromTheService) {
    fixtures::ReferenceService service;
    const LumarRun run =
        RunLumar({"--registry", service.WriteSettingsFile().string(), "--user", "editor",
                  "merge-data", "check", "-", "--context", "update", "--publication", "1"},
                 {{"LUMAR_PASSWORD", "editor3"}},
                 "(2)binder\r\n(4,4,Yellow)SetColour\r\n(5,5,1)SetTabsheet\r\n");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    // Binder 2 has four pairs: pair 5 is not there.
    EXPECT_EQ(run.out,
              "0\tBinder\t0\t0\t0\t0\t2\t0\t0\t\t(2)binder\n"
              "1\tSetColour\t4\t4\t0\t4\t2\t0\t0\tyellow\t(4,4,Yellow)SetColour\n");
    EXPECT_NE(run.err.find("Invalid ToggleTabsheet parameters."), std::string::npos) << run.err;
}

}  // namespace
}  // namespace lumar::testing
