// Printing the selected documents through the host: the question for
// several, the progress over their pages, the print parameters the host gets,
// and the ways a run ends early.

#include "manager/print_documents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings_store.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/settings/temp_settings.h"
#include "plugin/plugin_harness.h"
#include "ui/progress_double.h"

namespace lumar {
namespace {

constexpr host::HostWindow kDialogHostWindow = 0x2a;

class PrintDocuments : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteTextSetting("Uri", "Base_docs", binders.path().string()));
        for (const auto& [name, pages] : std::vector<std::pair<std::string, int>>{
                 {"T1H001.pdf", 4}, {"T2H001.pdf", 6}, {"T3H001.pdf", 10}}) {
            fixtures::PdfBuilder builder;
            builder.pages(pages);
            builder.write(binders / name);
        }
    }

    PrintSelection Selection(std::vector<PrintableDocument> documents) {
        static int dialogWindow = 0;
        return {FolderKind::Binders, "T", std::move(documents), &dialogWindow, kDialogHostWindow};
    }

    const std::vector<host::HeadlessUi::PrintJob>& prints() {
        return harness.headless.ui().prints();
    }

    lumar::testing::TempSettings settings;
    fixtures::TempDir binders;
    lumar::testing::PluginHarness harness;
    lumar::testing::ProgressDouble progress;
};

TEST_F(PrintDocuments, SeveralRunUnderProgressOverTheirPages) {
    PrintSelectedDocuments(Selection({{"T1H001.pdf", 4}, {"T2H001.pdf", 6}, {"T3H001.pdf", 10}}));

    EXPECT_EQ(progress.titles, std::vector<std::string>{"Print multiple documents"});
    EXPECT_EQ(progress.questions,
              std::vector<std::string>{"This might take a while...\r\nAre you sure?"});
    EXPECT_EQ(progress.maximum, 20);
    EXPECT_EQ(progress.texts,
              (std::vector<std::string>{"Printing documents...", "Printing document 1 of 3...",
                                        "Printing document 2 of 3...",
                                        "Printing document 3 of 3...", "Done"}));
    ASSERT_EQ(progress.textPositions.size(), 5U);
    EXPECT_EQ(std::vector<std::int32_t>(progress.textPositions.begin() + 1,
                                        progress.textPositions.begin() + 4),
              (std::vector<std::int32_t>{0, 4, 10}));
    EXPECT_EQ(progress.parentEnabled, (std::vector<bool>{false, true}));

    ASSERT_EQ(prints().size(), 3U);
    const int lastPages[] = {3, 5, 9};
    for (std::size_t i = 0; i < prints().size(); ++i) {
        const host::PrintParams& params = prints()[i].params;
        EXPECT_EQ(params.size, 1184U);
        EXPECT_EQ(params.interactive, 0);
        EXPECT_EQ(params.field6, 1);
        EXPECT_EQ(params.firstPage, 0);
        EXPECT_EQ(params.lastPage, lastPages[i]);
        EXPECT_EQ(params.field56, 1);
        EXPECT_EQ(params.field64, 2);
        EXPECT_EQ(params.field88, -3);
        EXPECT_EQ(params.ownerWindow, kDialogHostWindow);
    }
    EXPECT_TRUE(harness.responder.notes().empty());
}

TEST_F(PrintDocuments, OneUsesTheHostsDialogWithoutQuestionOrProgress) {
    // The page count comes from the document, not from the record.
    PrintSelectedDocuments(Selection({{"T2H001.pdf", 99}}));
    EXPECT_TRUE(progress.questions.empty());
    EXPECT_EQ(progress.windowsMade, 0);
    ASSERT_EQ(prints().size(), 1U);
    EXPECT_EQ(prints()[0].params.interactive, 1);
    EXPECT_EQ(prints()[0].params.field56, 0);
    EXPECT_EQ(prints()[0].params.lastPage, 5);
}

TEST_F(PrintDocuments, CancellingTheQuestionPrintsNothing) {
    progress.answer = MessageAnswer::Cancel;
    PrintSelectedDocuments(Selection({{"T1H001.pdf", 4}, {"T2H001.pdf", 6}}));
    EXPECT_TRUE(prints().empty());
    EXPECT_EQ(progress.windowsMade, 0);
}

struct EarlyEnd {
    const char* name;
    std::vector<PrintableDocument> documents;
    int cancelAtPump;
    std::uint16_t printResult;
    std::size_t prints;
    std::vector<std::string> notes;
};

class PrintEndsEarly : public PrintDocuments, public ::testing::WithParamInterface<EarlyEnd> {};

TEST_P(PrintEndsEarly, StopsBeforeTheNextDocument) {
    const EarlyEnd& c = GetParam();
    progress.cancelAtPump = c.cancelAtPump;
    harness.headless.ui().setPrintResult(c.printResult);
    std::vector<std::string> notes;
    for (const std::string& note : c.notes) {
        notes.push_back(note == "missing"
                            ? "Cannot open document " + (binders / "T9H001.pdf").string() +
                                  ": " /* the host's text follows */
                            : note);
    }

    PrintSelectedDocuments(Selection(c.documents));

    EXPECT_EQ(prints().size(), c.prints);
    const std::vector<std::string> shown = harness.responder.notes();
    ASSERT_EQ(shown.size(), notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(shown[i].rfind(notes[i], 0), 0U) << shown[i];
    }
    EXPECT_EQ(progress.texts.back(), "Done");
    EXPECT_EQ(progress.parentEnabled.back(), true);
    // Every path acquired to open a document went back, also the missing one's.
    EXPECT_EQ(harness.headless.host().documents().pathCount(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Print, PrintEndsEarly,
    ::testing::Values(EarlyEnd{"CancelledBeforeTheSecond",
                               {{"T1H001.pdf", 4}, {"T2H001.pdf", 6}, {"T3H001.pdf", 10}},
                               2,
                               0,
                               1,
                               {"Print aborted by user."}},
                      EarlyEnd{"MissingFile",
                               {{"T1H001.pdf", 4}, {"T9H001.pdf", 6}, {"T3H001.pdf", 10}},
                               0,
                               0,
                               1,
                               {"missing"}},
                      EarlyEnd{"NameLeadingOutOfTheFolder",
                               {{"../T1H001.pdf", 4}, {"T2H001.pdf", 6}},
                               0,
                               0,
                               0,
                               {"Invalid document file name: ../T1H001.pdf"}},
                      EarlyEnd{
                          "HostDidNotPrint", {{"T1H001.pdf", 4}, {"T2H001.pdf", 6}}, 0, 1, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumar
