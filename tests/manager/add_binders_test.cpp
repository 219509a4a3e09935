// Adding a publication's binders from the first binder file: finding the
// binder files by name, the confirmations, the check of every binder, the
// registration with binder 1 last, and the reset after a failure.

#include "manager/add_binders.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "manager/manager_commands.h"
#include "manager_fixture.h"
#include "service/ws_client.h"

namespace lumar::testing {
namespace {

// Which binders a chosen first binder file finds among the files of a folder.
struct CountCase {
    const char* name;
    std::vector<std::string> files;
    std::string chosen;
    int count;
};

class BinderCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(BinderCount, ConsecutiveBindersFromOne) {
    const CountCase& c = GetParam();
    fixtures::TempDir dir;
    for (const std::string& file : c.files) {
        std::ofstream(dir / file) << "%PDF-1.3\n";
    }
    EXPECT_EQ(CountBinders((dir / c.chosen).string()), c.count);
}

std::vector<std::string> TenBinders(const std::string& tenth) {
    std::vector<std::string> files;
    for (char c = '1'; c <= '9'; ++c) {
        files.push_back(std::string("Demo") + c + "H003.pdf");
    }
    files.push_back(tenth);
    return files;
}

const CountCase kCounts[] = {
    {"three_then_missing_four",
     {"Demo1H003.pdf", "Demo2H003.pdf", "Demo3H003.pdf", "Demo5H003.pdf"},
     "Demo1H003.pdf",
     3},
    {"chosen_other_binder_counts_from_one", {"Demo1H003.pdf", "Demo2H003.pdf"}, "Demo2H003.pdf", 2},
    {"six_digits_unusable", {"Demo1H000003.pdf", "Demo2H000003.pdf"}, "Demo1H000003.pdf", 0},
    {"no_number", {"Demo.pdf"}, "Demo.pdf", 0},
    {"names_ignore_case", {"Demo1H003.pdf", "DEMO2h003.PDF", "demo3H003.pdf"}, "Demo1H003.pdf", 3},
    {"two_matches_count_as_none",
     {"Demo1H003.pdf", "Demo2H003.pdf", "DEMO2H003.pdf"},
     "Demo1H003.pdf",
     1},
    {"binder_ten_is_A", TenBinders("DemoAH003.pdf"), "Demo1H003.pdf", 10},
    {"binder_ten_never_10", TenBinders("Demo10H003.pdf"), "Demo1H003.pdf", 9},
    {"missing_first", {"Demo2H003.pdf"}, "Demo1H003.pdf", 0},
};

INSTANTIATE_TEST_SUITE_P(Table, BinderCount, ::testing::ValuesIn(kCounts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BinderCountFolder, AFolderIsNoBinder) {
    fixtures::TempDir dir;
    std::ofstream(dir / "Demo1H003.pdf") << "%PDF-1.3\n";
    std::filesystem::create_directory(dir / "Demo2H003.pdf");
    EXPECT_EQ(CountBinders((dir / "Demo1H003.pdf").string()), 1);
}

// A publication locked for binders by the producer, the manager on it.
class AddBinders : public ManagerFixture {
protected:
    void SetUp() override {
        ManagerFixture::SetUp();
        publication = CreatePublication("NEW");
        producer = LogOnAs("producer");
        WSIdResult locked;
        ASSERT_TRUE(CWSClient().PublicationLock({producer, publication}, locked)) << locked.Message;
        OpenManagerOn(publication);
        ASSERT_TRUE(manager.ButtonEnabled(kIdcAdd));
    }

    void WriteBinders(int count, int pages = 4) {
        for (int n = 1; n <= count; ++n) {
            WritePdf(sources / ("New" + std::to_string(n) + "H007.pdf"), pages);
        }
    }

    std::int32_t publication = 0;
    std::int32_t producer = 0;
};

TEST_F(AddBinders, ChosenFirstBinderLoadsEveryBinderWithBinderOneLast) {
    WriteBinders(3, 6);
    boxes.answerNext(MessageAnswer::Ok);
    harness.responder.chooseNext((sources / "New1H007.pdf").string());
    manager.ClickButton(kIdcAdd);

    ASSERT_EQ(harness.responder.messages().size(), 1u);
    const auto& chooser = harness.responder.messages()[0];
    EXPECT_EQ(chooser.kind, host::ScriptedResponder::Kind::OpenChooser);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Add publication");
    EXPECT_EQ(boxes.shown()[0].text,
              "Found 3 binders to insert. This might take a while...\r\nAre you sure?");
    EXPECT_TRUE(Notes().empty());

    std::vector<BinderDocRecord> registered = Binders(publication);
    ASSERT_EQ(registered.size(), 3u);
    std::sort(registered.begin(), registered.end(),
              [](const auto& a, const auto& b) { return a.BinderDoc_ID < b.BinderDoc_ID; });
    // Binder 1 went in last: it completed the load.
    EXPECT_EQ(registered.back().Binder_number, 1);
    for (const BinderDocRecord& binder : registered) {
        EXPECT_EQ(binder.Page_count, 6);
        EXPECT_EQ(binder.Doc_file, "New" + std::to_string(binder.Binder_number) + "H007.pdf");
        EXPECT_TRUE(std::filesystem::exists(binders / binder.Doc_file)) << binder.Doc_file;
        EXPECT_NE(binder.Annotation_data.find("page 6"), std::string::npos);
    }
    const PublicationLastInfoRecord after = Latest(publication);
    EXPECT_EQ(after.Update_status_ID, 2);
    EXPECT_EQ(after.Binder_count, 3);
    EXPECT_EQ(manager.Selected()->Binder_count, 3);
    EXPECT_FALSE(manager.ButtonEnabled(kIdcAdd));
}

TEST_F(AddBinders, PdfReportsGoBesideTheStoredCopies) {
    WriteBinders(2);
    boxes.answerNext(MessageAnswer::Ok);
    harness.responder.chooseNext((sources / "New1H007.pdf").string());
    manager.ClickButton(kIdcAdd);
    ASSERT_EQ(Binders(publication).size(), 2u);
    for (const char* name : {"New1H007", "New2H007"}) {
        EXPECT_TRUE(std::filesystem::exists(binders / (std::string(name) + ".pdf_report.txt")))
            << name;
        EXPECT_FALSE(std::filesystem::exists(sources / (std::string(name) + ".pdf_report.txt")))
            << name;
    }
}

TEST_F(AddBinders, OneBinderAsksNothing) {
    WriteBinders(1);
    AddPublicationBinders(manager, (sources / "new1h007.pdf").string());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(Binders(publication).size(), 1u);
    EXPECT_EQ(Latest(publication).Update_status_ID, 2);
}

TEST_F(AddBinders, UnusableNamesFindNoBinders) {
    WritePdf(sources / "New.pdf", 4);
    WritePdf(sources / "New1H000007.pdf", 4);
    for (const char* chosen : {"New.pdf", "New1H000007.pdf"}) {
        boxes.clear();
        AddPublicationBinders(manager, (sources / chosen).string());
        ASSERT_EQ(boxes.shown().size(), 1u) << chosen;
        EXPECT_EQ(boxes.shown()[0].text, "Found 0 binders to insert.");
        EXPECT_EQ(boxes.shown()[0].buttons, MessageButtons::Ok);
    }
    // A cancelled chooser counts none as well.
    harness.responder.chooseNext(std::nullopt);
    boxes.clear();
    manager.ClickButton(kIdcAdd);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Found 0 binders to insert.");
    EXPECT_TRUE(Binders(publication).empty());
    EXPECT_EQ(Latest(publication).Update_status_ID, 3);
}

TEST_F(AddBinders, CancelledConfirmationChangesNothing) {
    WriteBinders(2);
    boxes.answerNext(MessageAnswer::Cancel);
    AddPublicationBinders(manager, (sources / "New1H007.pdf").string());
    EXPECT_TRUE(Binders(publication).empty());
    EXPECT_TRUE(std::filesystem::is_empty(binders));
}

TEST_F(AddBinders, PartlyLoadedPublicationIsResetFirst) {
    // Binder 2 registered by an earlier load that never finished.
    BinderDocInsertRequest earlier{producer, publication, 2, 4,    "Old2H001.pdf",
                                   "",       "1.3",       0, true, false};
    WSIdResult added;
    ASSERT_TRUE(CWSClient().BinderDocInsert(earlier, added)) << added.Message;
    manager.ListCommand(kCmdRefreshList);
    ASSERT_TRUE(manager.SelectPublication(publication));
    ASSERT_EQ(manager.Selected()->Binder_count, 1);

    WriteBinders(2);
    boxes.answerNext(MessageAnswer::Ok);
    AddPublicationBinders(manager, (sources / "New1H007.pdf").string());
    EXPECT_TRUE(Notes().empty()) << Notes().front();
    const std::vector<BinderDocRecord> registered = Binders(publication);
    ASSERT_EQ(registered.size(), 2u);
    for (const BinderDocRecord& binder : registered) {
        EXPECT_NE(binder.Doc_file, "Old2H001.pdf");
    }
}

TEST_F(AddBinders, BinderFailingTheAnnotationCheckEndsTheLoadAndResets) {
    WriteBinders(3);
    // Binder 2's page 3 has no data annotation.
    fixtures::PdfBuilder()
        .pages(4)
        .dataAnnotation(0, "p1")
        .dataAnnotation(1, "p2")
        .dataAnnotation(3, "p4")
        .write(sources / "New2H007.pdf");
    boxes.answerNext(MessageAnswer::Ok);
    harness.responder.answerNext(1);
    AddPublicationBinders(manager, (sources / "New1H007.pdf").string());

    const auto& messages = harness.responder.messages();
    ASSERT_FALSE(messages.empty());
    const auto& alert = messages.back();
    EXPECT_EQ(alert.kind, host::ScriptedResponder::Kind::Question);
    EXPECT_EQ(alert.text,
              "Insert aborted while processing binder 2!\r\n\r\n"
              "No annotations for Lumar found on page 3.");
    EXPECT_EQ(alert.buttons, std::vector<std::string>{"Close"});
    // Binder 1 was saved but never registered; the publication is reset.
    EXPECT_TRUE(std::filesystem::exists(binders / "New1H007.pdf"));
    EXPECT_FALSE(std::filesystem::exists(binders / "New2H007.pdf"));
    EXPECT_TRUE(Binders(publication).empty());
    EXPECT_EQ(Latest(publication).Update_status_ID, 3);
    EXPECT_EQ(manager.Selected()->Publication_ID, publication);
}

}  // namespace
}  // namespace lumar::testing
