#include "annotations/load_page_pairs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "annotations/page_pair.h"
#include "config/settings_store.h"
#include "fixtures/service/reference_service.h"
#include "lumar-service/demo_seed.h"
#include "lumar-service/password.h"
#include "platform/settings/temp_settings.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "service/ws_records.h"
#include "ui/scripted_message_boxes.h"

namespace lumar {
namespace {

// --- Records that carry their data ---------------------------------------

struct LoadCase {
    const char* name;
    bool supplement;
    bool hasRecord;
    std::int32_t pageCount;
    std::string data;
    PlaceholderOnly placeholderOnly;
    std::size_t pairCount;  // list size, placeholder included
    std::string message;    // shown in the box; empty when none
};

class LoadPagePairsTest : public ::testing::TestWithParam<LoadCase> {
protected:
    lumar::testing::ScriptedMessageBoxes boxes;
};

TEST_P(LoadPagePairsTest, LoadsOrShowsWhyNot) {
    const LoadCase& c = GetParam();
    PagePairList pairs;
    if (c.supplement) {
        SupplementRecord record;
        record.Page_count = c.pageCount;
        record.Annotation_data = c.data;
        pairs = LoadPagePairs(c.hasRecord ? &record : nullptr, false, "Supplement annotations",
                              c.placeholderOnly);
    } else {
        BinderDocRecord record;
        record.Page_count = c.pageCount;
        record.Annotation_data = c.data;
        pairs = LoadPagePairs(c.hasRecord ? &record : nullptr, false, "Binder annotations",
                              c.placeholderOnly);
    }
    EXPECT_EQ(pairs.size(), c.pairCount);
    if (c.message.empty()) {
        EXPECT_TRUE(boxes.shown().empty());
        return;
    }
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].title,
              c.supplement ? "Supplement annotations" : "Binder annotations");
    EXPECT_EQ(boxes.shown()[0].text, c.message);
    EXPECT_EQ(boxes.shown()[0].icon, MessageIcon::Error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadPagePairsTest,
    ::testing::Values(
        LoadCase{"Binder", false, true, 4, "a\r\nb\r\nc\r\nd\r\n", PlaceholderOnly::Empty, 3, ""},
        LoadCase{"Supplement", true, true, 2, "a\r\nb", PlaceholderOnly::Keep, 2, ""},
        LoadCase{"NoBinderRecord", false, false, 0, "", PlaceholderOnly::Empty, 0,
                 "Missing binder record!"},
        LoadCase{"NoSupplementRecord", true, false, 0, "", PlaceholderOnly::Keep, 0,
                 "Missing supplement record!"},
        LoadCase{"OddPageCount", false, true, 3, "a\r\nb\r\nc\r\n", PlaceholderOnly::Empty, 0,
                 "Inconsistency found: odd page count!"},
        LoadCase{"BlankDataNotFetched", true, true, 2, " \r\n", PlaceholderOnly::Keep, 0,
                 "Missing annotation data!"},
        LoadCase{"MoreLinesThanPages", false, true, 2, "a\r\nb\r\nc\r\n", PlaceholderOnly::Empty, 0,
                 "Inconsistency found: page count < annotation count!"},
        LoadCase{"FewerLinesThanPages", false, true, 6, "a\r\nb\r\nc\r\n", PlaceholderOnly::Empty,
                 0, "Inconsistency found: page count > annotation count!"}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

// --- Fetching from the reference service ---------------------------------

class FetchPagePairsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", service.uri()));
        TheLogonStore().clear();
        LogonResult user;
        ASSERT_TRUE(CWSClient().Logon({"reader", service_app::ScramblePassword("reader2")}, user))
            << user.Message;
        TheLogonStore().user = user;
    }
    void TearDown() override { TheLogonStore().clear(); }

    // The demo publication's binder `number` as a list without annotation data.
    BinderDocRecord BinderWithoutData(std::int32_t number) {
        WSListResult<BinderDocRecord> list;
        EXPECT_TRUE(CWSClient().BinderDocList({LogUserID(), 0, 1, number, 0, 0}, list))
            << list.Message;
        EXPECT_EQ(list.Count, 1);
        return list.Records.empty() ? BinderDocRecord{} : list.Records.front();
    }

    lumar::testing::TempSettings settings;
    fixtures::ReferenceService service;
    lumar::testing::ScriptedMessageBoxes boxes;
};

TEST_F(FetchPagePairsTest, BinderDataIsFetchedAndKeptInTheRecord) {
    BinderDocRecord record = BinderWithoutData(2);
    ASSERT_EQ(record.Annotation_data, "");

    const PagePairList pairs = LoadPagePairs(&record, true, "Binder annotations");
    EXPECT_TRUE(boxes.shown().empty());
    ASSERT_EQ(pairs.size(), 5U);
    EXPECT_EQ(pairs[0], "<NULL>");
    EXPECT_EQ(pairs[1], "Demo binder 2 page 1 <<#TABSHEET=true#>>\nDemo binder 2 page 2");
    EXPECT_EQ(PairColour(pairs[2]), std::optional<std::string>("yellow"));
    EXPECT_EQ(record.Annotation_data.substr(0, 22), "Demo binder 2 page 1 <");
}

TEST_F(FetchPagePairsTest, SupplementDataIsFetched) {
    WSListResult<SupplementRecord> list;
    ASSERT_TRUE(CWSClient().SupplementList({LogUserID(), 0, 1, 4, 0, 0}, list)) << list.Message;
    ASSERT_EQ(list.Count, 1);
    SupplementRecord record = list.Records.front();
    ASSERT_EQ(record.Annotation_data, "");

    const PagePairList pairs = LoadPagePairs(&record, true, "Document annotations");
    EXPECT_TRUE(boxes.shown().empty());
    ASSERT_EQ(pairs.size(), 3U);
    EXPECT_EQ(pairs[2], "Demo supplement 4 page 3\nDemo supplement 4 page 4");
}

TEST_F(FetchPagePairsTest, DataInTheRecordIsNotFetchedAgain) {
    BinderDocRecord record = BinderWithoutData(1);
    record.Annotation_data =
        "own 1\r\nown 2\r\nown 3\r\nown 4\r\nown 5\r\nown 6\r\nown 7\r\nown 8\r\n";
    const PagePairList pairs = LoadPagePairs(&record, true, "Binder annotations");
    ASSERT_EQ(pairs.size(), 5U);
    EXPECT_EQ(pairs[1], "own 1\nown 2");
}

TEST_F(FetchPagePairsTest, FailedFetchReportsMissingData) {
    BinderDocRecord unknown;
    unknown.BinderDoc_ID = 9999;
    unknown.Page_count = 2;
    EXPECT_TRUE(LoadPagePairs(&unknown, true, "Document annotations").empty());

    BinderDocRecord notFetched = BinderWithoutData(1);
    EXPECT_TRUE(LoadPagePairs(&notFetched, false, "Binder annotations").empty());
    EXPECT_EQ(notFetched.Annotation_data, "");

    ASSERT_EQ(boxes.shown().size(), 2U);
    EXPECT_EQ(boxes.shown()[0].title, "Document annotations");
    EXPECT_EQ(boxes.shown()[0].text, "Missing annotation data!");
    EXPECT_EQ(boxes.shown()[1].text, "Missing annotation data!");
}

}  // namespace
}  // namespace lumar
