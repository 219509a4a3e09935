// Merges end to end: the reference service, binder and supplement PDFs
// whose pages name their origin, and the executor in a headless host. Each
// written binder is read back page by page.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "merge/merge_request.h"
#include "merge_fixture.h"
#include "service/ws_client.h"

namespace lumar::testing {
namespace {

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string data;
    for (const std::string& text : texts) {
        data += text + "\r\n";
    }
    return data;
}

struct MergeCase {
    const char* name;
    std::string mergeData;
    // Pages of every binder after the merge (binders 1 to 3 and new ones).
    std::map<int, std::vector<std::string>> binders;
};

const std::vector<std::string> kB1 = Pairs(1, {1, 2, 3, 4, 5});
const std::vector<std::string> kB2 = Pairs(2, {1, 2, 3, 4, 5});
const std::vector<std::string> kB3 = Pairs(3, {1, 2, 3, 4, 5});

class MergeCommands : public MergeFixture, public ::testing::WithParamInterface<MergeCase> {};

// Three binders of five pairs, a supplement of four pairs; the new files are
// "pub<c>H0013.pdf".
TEST_P(MergeCommands, WritesEveryBinderPageByPage) {
    const MergeCase& c = GetParam();
    PublicationSetup setup;
    setup.mergeData = c.mergeData;
    CreatePublication(setup);
    std::map<std::string, std::string> before;
    for (const std::string& file : binderFiles) {
        before[file] = Bytes(binder(file));
    }
    for (const auto& [n, pages] : c.binders) {
        ExpectedPageCounts()[n] = static_cast<std::int32_t>(pages.size());
    }
    MergeRequest request = StartMerge();
    std::vector<std::size_t> notices;
    request.onCommand = [&](std::size_t index) { notices.push_back(index); };
    bool broughtToFront = false;
    request.bringToFront = [&] { broughtToFront = true; };

    ASSERT_TRUE(RunMerge(request)) << ::testing::PrintToString(notes());
    EXPECT_TRUE(request.success);
    EXPECT_TRUE(notes().empty()) << ::testing::PrintToString(notes());
    EXPECT_TRUE(broughtToFront);
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.front(), 0u);

    for (const auto& [n, pages] : c.binders) {
        const std::string name = "pub" + std::string(1, static_cast<char>('0' + n)) + "H0013.pdf";
        EXPECT_EQ(Origins(binder(name)), pages) << name;
    }
    for (const auto& [file, bytes] : before) {
        EXPECT_EQ(Bytes(binder(file)), bytes) << file << " was changed";
    }

    // Every binder registered with the new version, binder 1 last, and the
    // merge closed (the new version is locked for supplement work).
    const std::vector<BinderDocRecord> registered = registeredBinders(nextId);
    ASSERT_EQ(registered.size(), c.binders.size());
    EXPECT_EQ(registered.back().Binder_number, 1);
    for (const BinderDocRecord& record : registered) {
        const std::vector<std::string>& pages = c.binders.at(record.Binder_number);
        EXPECT_EQ(record.Page_count, static_cast<std::int32_t>(pages.size()));
        EXPECT_EQ(
            record.Doc_file,
            "pub" + std::string(1, static_cast<char>('0' + record.Binder_number)) + "H0013.pdf");
        EXPECT_EQ(record.Annotation_data, Joined(pages)) << record.Binder_number;
        EXPECT_EQ(record.Pdf_version, "1.3");
    }
    const PublicationLastInfoRecord merged = latest(publicationId);
    EXPECT_EQ(merged.Publication_ID, nextId);
    EXPECT_EQ(merged.Update_status_ID, 2);
    EXPECT_EQ(merged.Binder_count, static_cast<std::int32_t>(c.binders.size()));

    // The progress dialog ran over the run's steps and let its parent go.
    EXPECT_EQ(progress.windowsMade, 1);
    EXPECT_EQ(progress.parentEnabled, (std::vector<bool>{false, true}));
    EXPECT_EQ(progress.texts.back(), "Done");
}

INSTANTIATE_TEST_SUITE_P(
    Merges, MergeCommands,
    ::testing::Values(
        // Only binder 2 named: binders 1 and 3 are copied.
        MergeCase{"Delete",
                  "(2)binder\r\n(2,3)delete\r\n",
                  {{1, kB1}, {2, Pairs(2, {1, 4, 5})}, {3, kB3}}},
        MergeCase{
            "Insert",
            "(2)binder\r\n(3,1,2)insert\r\n",
            {{1, kB1}, {2, Pairs(2, {1, 2, 3}) + Pairs(0, {1, 2}) + Pairs(2, {4, 5})}, {3, kB3}}},
        MergeCase{"InsertAtZero",
                  "(2)binder\r\n(0,4,4)insert\r\n",
                  {{1, kB1}, {2, Pairs(0, {4}) + kB2}, {3, kB3}}},
        MergeCase{"Replace",
                  "(2)binder\r\n(2,1,2)replace\r\n",
                  {{1, kB1}, {2, Pairs(2, {1}) + Pairs(0, {1, 2}) + Pairs(2, {4, 5})}, {3, kB3}}},
        MergeCase{"StoreRestore",
                  "(2)binder\r\n(1,2)store\r\n(4)restore\r\n",
                  {{1, kB1}, {2, Pairs(2, {3, 4, 1, 2, 5})}, {3, kB3}}},
        MergeCase{"StoreInOneRestoreInAnother",
                  "(2)binder\r\n(5,5)store\r\n(3)binder\r\n(0)restore\r\n",
                  {{1, kB1}, {2, Pairs(2, {1, 2, 3, 4})}, {3, Pairs(2, {5}) + kB3}}},
        MergeCase{"DeleteThenDeleteShifted",
                  "(2)binder\r\n(2,3)delete\r\n(5,5)delete\r\n",
                  {{1, kB1}, {2, Pairs(2, {1, 4})}, {3, kB3}}},
        MergeCase{"Extract",
                  "(1)binder\r\n()create\r\n(3)binder\r\n(1,2)extract\r\n",
                  {{1, kB1}, {2, kB2}, {3, Pairs(3, {3, 4, 5})}, {4, Pairs(3, {1, 2})}}},
        MergeCase{"InsertIntoNewBinder",
                  "(3)binder\r\n()create\r\n(4)binder\r\n(0,1,2)insert\r\n(1,1,1)insert\r\n",
                  {{1, kB1}, {2, kB2}, {3, kB3}, {4, Pairs(0, {1, 1, 2})}}},
        MergeCase{"BinderVisitedTwice",
                  "(2)binder\r\n(1,1)delete\r\n(3)binder\r\n(1,1)delete\r\n(2)binder\r\n"
                  "(4,4)delete\r\n",
                  {{1, kB1}, {2, Pairs(2, {2, 3, 5})}, {3, Pairs(3, {2, 3, 4, 5})}}},
        MergeCase{"EveryKindTogether",
                  "(2)binder\r\n(1,1)delete\r\n(3,1,1)insert\r\n(4,2,3)replace\r\n"
                  "(3)binder\r\n(5,5)store\r\n(1)binder\r\n(0)restore\r\n(2,2)delete\r\n"
                  "()create\r\n(3)binder\r\n(1,1)extract\r\n",
                  {{1, Pairs(3, {5}) + Pairs(1, {1, 3, 4, 5})},
                   {2, Pairs(2, {2, 3}) + Pairs(0, {1, 2, 3})},
                   {3, Pairs(3, {2, 3, 4})},
                   {4, Pairs(3, {1})}}}),
    [](const ::testing::TestParamInfo<MergeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lumar::testing
