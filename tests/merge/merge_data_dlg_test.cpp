// The merge data editor's model as a user drives it: page pairs selected in
// the supplement and binder lists, commands chosen, the merge started,
// against the reference service and real binder PDFs.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "editor_fixture.h"
#include "fixtures/pdf_builder.h"
#include "service/ws_client.h"

namespace lumar::testing {
namespace {

using Dlg = CMergeDataDlg;

class MergeDataDlgTest : public EditorFixture {
protected:
    // Three binders of five pairs, a supplement of four pairs.
    void Open(PublicationSetup setup = {}) {
        CreatePublication(setup);
        editor = std::make_unique<Dlg>(EditorInputs());
        editor->OnInitDialog(nullptr);
    }

    // Supplement pairs first..last after binder pair `after` of `binder`.
    void Insert(std::int32_t binder, int after, int first, int last) {
        editor->ChooseBinder(binder);
        std::set<int> rows;
        for (int pair = first; pair <= last; ++pair) {
            rows.insert(pair - 1);
        }
        editor->SetSupplementSelection(rows);
        editor->SetBinderSelection({after});
        ASSERT_TRUE(editor->Execute(Dlg::kIdInsert));
    }

    std::vector<RowState> States() const {
        std::vector<RowState> states;
        for (const OverviewRow& row : editor->OverviewRows()) {
            states.push_back(row.state);
        }
        return states;
    }

    std::unique_ptr<Dlg> editor;
};

TEST_F(MergeDataDlgTest, InsertWritesTheBinderLineAndShowsTheInsertedPairs) {
    Open();
    EXPECT_EQ(editor->Caption(), "Merge data details");
    EXPECT_EQ(editor->BinderChoices(),
              (std::vector<std::string>{"Binder 1", "Binder 2", "Binder 3"}));
    EXPECT_EQ(editor->SupplementRowCount(), 4);
    EXPECT_EQ(editor->PagesAfterMerge(2), 10);

    editor->ChooseBinder(2);
    EXPECT_EQ(editor->ChosenDocFile(), binderFiles[1]);
    editor->SetSupplementSelection({0, 1, 2});
    editor->SetBinderSelection({4});
    EXPECT_EQ(editor->SupplementStatusText(), "Items selected:        6");
    EXPECT_EQ(editor->BinderStatusText(), "Items selected:        2");
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdReplace));  // three supplement rows, one binder row
    ASSERT_TRUE(editor->Execute(Dlg::kIdInsert));

    EXPECT_EQ(editor->WorkingCopy(), "(2)binder\r\n(4,1,3)Insert\r\n");
    EXPECT_EQ(editor->SavedCopy(), "");
    EXPECT_TRUE(editor->IsChanged());
    using S = RowState;
    EXPECT_EQ(States(), (std::vector<RowState>{S::Unchanged, S::Unchanged, S::Unchanged,
                                               S::Unchanged, S::Unchanged, S::Inserted, S::Inserted,
                                               S::Inserted, S::Unchanged}));
    EXPECT_EQ(editor->OverviewRowLabel(5), "Inserted(1)");
    EXPECT_EQ(editor->OverviewRowLabel(7), "Inserted(3)");
    EXPECT_EQ(editor->OverviewRowLabel(8), "5");
    EXPECT_EQ(editor->OverviewRowText(6), "s03\ns04");  // from the supplement
    EXPECT_EQ(editor->OverviewRowText(8), "b2p09\nb2p10");
    EXPECT_EQ(editor->PagesAfterMerge(2), 16);
    EXPECT_EQ(editor->PagesAfterMerge(3), 10);

    // The pairs are taken: the same supplement pair cannot be inserted again.
    EXPECT_FALSE(editor->SupplementPairUsable(2));
    editor->SetSupplementSelection({1});
    editor->SetBinderSelection({1});
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdInsert));
    editor->SetSupplementSelection({3});
    EXPECT_TRUE(editor->IsEnabled(Dlg::kIdInsert));

    // A second command on the same binder needs no binder line; another does.
    ASSERT_TRUE(editor->Execute(Dlg::kIdInsert));
    editor->ChooseBinder(3);
    editor->SetBinderSelection({0});
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdInsert));  // no supplement pair selected
    EXPECT_EQ(editor->WorkingCopy(), "(2)binder\r\n(4,1,3)Insert\r\n(1,4,4)Insert\r\n");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(MergeDataDlgTest, ReusedSupplementPairIsRefusedAndTheTextReverts) {
    Open();
    Insert(2, 4, 1, 3);
    const std::string before = editor->WorkingCopy();

    // Pasted by hand in overview mode: a line that inserts pair 2 again.
    ASSERT_TRUE(editor->Execute(Dlg::kIdSwitchToOverview));
    ASSERT_EQ(editor->CommandRows().size(), 2u);
    clipboard.setText("(1,2,2)Insert\r\n");
    editor->SetCommandSelection({1});
    ASSERT_TRUE(editor->Execute(Dlg::kIdPaste));

    EXPECT_EQ(editor->WorkingCopy(), before);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "LoadMergeData");
    EXPECT_EQ(boxes.shown()[0].text,
              "Page pairs cannot be used multiple times!\r\nMerge data will be reverted.");
    EXPECT_EQ(boxes.shown()[0].icon, MessageIcon::Error);

    // Pairs deleted before cannot take an insertion either.
    boxes.clear();
    clipboard.setText("(3,3)Delete\r\n(3,4,4)Insert\r\n");
    editor->SetCommandSelection({1});
    ASSERT_TRUE(editor->Execute(Dlg::kIdPaste));
    EXPECT_EQ(editor->WorkingCopy(), before);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(MergeDataDlgTest, CreateIsOfferedBelowThirtyFiveBindersWithCommands) {
    Open();
    editor->ChooseBinder(1);
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdCreateBinder));  // no command yet
    Insert(1, 0, 1, 1);
    ASSERT_TRUE(editor->IsEnabled(Dlg::kIdCreateBinder));
    ASSERT_TRUE(editor->Execute(Dlg::kIdCreateBinder));
    EXPECT_EQ(editor->WorkingCopy(), "(1)binder\r\n(0,1,1)Insert\r\n()Create\r\n");
    EXPECT_EQ(editor->ChosenBinder(), 4);
    EXPECT_EQ(editor->BinderChoices().back(), "Binder 4 (new)");
    EXPECT_EQ(editor->OverviewRows().size(), 1u);  // only the placeholder

    // Move pairs 2 and 3 of binder 3 into the new binder.
    editor->ChooseBinder(3);
    editor->SetBinderSelection({2, 3});
    ASSERT_TRUE(editor->Execute(Dlg::kIdMoveToNewBinder));
    EXPECT_EQ(editor->WorkingCopy(),
              "(1)binder\r\n(0,1,1)Insert\r\n()Create\r\n\r\n(3)binder\r\n(2,3)Extract\r\n");
    EXPECT_EQ(editor->OverviewRowLabel(2), "Extracted(2)");
    EXPECT_EQ(editor->PagesAfterMerge(3), 6);
    editor->ChooseBinder(4);
    ASSERT_EQ(editor->OverviewRows().size(), 3u);
    EXPECT_EQ(editor->OverviewRowLabel(1), "Restored(2-B3)");
    EXPECT_EQ(editor->OverviewRowText(2), "b3p05\nb3p06");
    EXPECT_EQ(editor->PagesAfterMerge(4), 4);

    // Every further Create adds a binder, up to 35.
    while (editor->Execute(Dlg::kIdCreateBinder)) {
    }
    EXPECT_EQ(editor->BinderNumbers().size(), 35u);
    EXPECT_EQ(editor->BinderChoices().back(), "Binder 35 (new)");
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdCreateBinder));
}

TEST_F(MergeDataDlgTest, StoreAndRestoreAcrossBinders) {
    Open();
    editor->ChooseBinder(1);
    editor->SetBinderSelection({1, 2});
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdRestore));
    ASSERT_TRUE(editor->Execute(Dlg::kIdStore));
    EXPECT_EQ(editor->OverviewRowLabel(1), "Stored(1)");
    editor->SetBinderSelection({3});
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdStore));  // one Store waits
    editor->ChooseBinder(2);
    editor->SetBinderSelection({5});
    ASSERT_TRUE(editor->Execute(Dlg::kIdRestore));
    EXPECT_EQ(editor->WorkingCopy(), "(1)binder\r\n(1,2)Store\r\n\r\n(2)binder\r\n(5)Restore\r\n");
    ASSERT_EQ(editor->OverviewRows().size(), 8u);
    EXPECT_EQ(editor->OverviewRowLabel(6), "Restored(1-B1)");
    EXPECT_EQ(editor->OverviewRowText(7), "b1p03\nb1p04");
    EXPECT_EQ(editor->PagesAfterMerge(1), 6);
    EXPECT_EQ(editor->PagesAfterMerge(2), 14);
}

TEST_F(MergeDataDlgTest, ReplaceDeleteTabsheetAndColourWriteOneLinePerRun) {
    PublicationSetup setup;
    setup.tag = [](int binder, int page) {
        return binder == 2 && page <= 2 ? std::string("TABSHEET=true") : std::string();
    };
    Open(setup);
    editor->ChooseBinder(2);
    editor->SetSupplementSelection({0, 1});
    editor->SetBinderSelection({2, 3});
    ASSERT_TRUE(editor->Execute(Dlg::kIdReplace));
    EXPECT_EQ(editor->OverviewRowLabel(2), "Replaced(1)");

    // Replaced rows take no further change.
    editor->SetBinderSelection({2});
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdDelete));
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdToggleTabsheet));
    // Pair 1 is a tab sheet, pair 4 not: not together.
    editor->SetBinderSelection({1, 4});
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdToggleTabsheet));
    editor->SetBinderSelection({4, 5});
    ASSERT_TRUE(editor->Execute(Dlg::kIdToggleTabsheet));
    editor->SetBinderSelection({1});
    EXPECT_TRUE(editor->IsChecked(Dlg::kIdToggleTabsheet));
    ASSERT_TRUE(editor->Execute(Dlg::kIdToggleTabsheet));

    colours.row = 3;  // Blue
    editor->SetBinderSelection({1, 4, 5});
    ASSERT_TRUE(editor->Execute(Dlg::kIdSelectColour));
    editor->SetBinderSelection({1, 5});
    ASSERT_TRUE(editor->Execute(Dlg::kIdDelete));
    EXPECT_EQ(editor->WorkingCopy(),
              "(2)binder\r\n(2,1,2)Replace\r\n(4,5,1)SetTabsheet\r\n(1,1,0)SetTabsheet\r\n"
              "(1,1,Blue)SetColour\r\n(4,5,Blue)SetColour\r\n(1,1)Delete\r\n(5,5)Delete\r\n");
    // No pair had a colour: the colour dialog opened on its no-colour row.
    EXPECT_EQ(colours.currents, std::vector<std::string>{"[[#NOCOLOUR#]]"});
    EXPECT_EQ(colours.initialRow, 0);
    EXPECT_EQ(editor->OverviewRowText(4),
              "b2p07 <<#TABSHEET=\"true\" COLOUR=\"blue\"#>>\n"
              "b2p08 <<#TABSHEET=\"true\" COLOUR=\"blue\"#>>");
    EXPECT_EQ(editor->OverviewRowColour(4), 153u + 204u * 256u + 255u * 65536u);
    EXPECT_EQ(editor->PagesAfterMerge(2), 6);
}

TEST_F(MergeDataDlgTest, BinderAboveTheMaximumBlocksMergeButOkCloses) {
    PublicationSetup setup;
    setup.maxPagesPerBinder = 10;
    setup.mergeData = "(2)binder\r\n";
    Open(setup);
    Insert(2, 1, 1, 1);
    Insert(3, 1, 2, 2);
    ASSERT_TRUE(editor->MergeButtonEnabled());

    boxes.answerNext(MessageAnswer::Ok);  // Save before merge? (Required)
    EXPECT_FALSE(editor->OnMerge());
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].title, "Merge data has changed!");
    EXPECT_EQ(boxes.shown()[0].text, "Save before merge? (Required)");
    EXPECT_EQ(boxes.shown()[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(boxes.shown()[0].defaultButton, 1);
    EXPECT_EQ(boxes.shown()[1].text,
              "Maximum of 10 pages per binder exceeded for these binders: 2, 3.");
    // Nothing reached the service.
    EXPECT_EQ(storedMergeRecord(publicationId).Merge_data, "(2)binder\r\n");
    EXPECT_EQ(latest(publicationId).Publication_ID, publicationId);
    EXPECT_EQ(editor->NewPublicationId(), 0);

    // One binder over: named alone; OK closes all the same.
    editor->SetCommandSelection({});
    ASSERT_TRUE(editor->Execute(Dlg::kIdSwitchToOverview));
    editor->SetCommandSelection({2, 3});  // (3)binder and its Insert
    ASSERT_TRUE(editor->Execute(Dlg::kIdDelete));
    boxes.clear();
    EXPECT_TRUE(editor->OnOK());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Maximum of 10 pages per binder exceeded for binder 2.");
    EXPECT_EQ(editor->Record().Merge_data, "(2)binder\r\n(1,1,1)Insert\r\n");
    EXPECT_EQ(ExpectedPageCounts()[2], 12);
}

TEST_F(MergeDataDlgTest, MergeStoresTheMergeDataAndWritesTheNewVersion) {
    Open();
    Insert(2, 4, 1, 3);
    editor->ChooseBinder(3);
    editor->SetBinderSelection({1});
    ASSERT_TRUE(editor->Execute(Dlg::kIdDelete));
    EXPECT_EQ(editor->MergeButtonText(), "Merge");
    std::vector<int> executing;
    editor->SetOnChange([&] {
        if (editor->ExecutingRow()) {
            executing.push_back(*editor->ExecutingRow());
        }
    });

    boxes.answerNext(MessageAnswer::Ok);
    ASSERT_TRUE(editor->OnMerge()) << ::testing::PrintToString(notes());
    // The executor's progress notices selected the command lines in order.
    EXPECT_EQ(executing, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(editor->MergeSucceeded());
    EXPECT_EQ(titlesShown(), std::vector<std::string>{"Merge data has changed!"});
    EXPECT_TRUE(notes().empty()) << ::testing::PrintToString(notes());

    // The merge record was inserted, the new version registered.
    const std::int32_t next = editor->NewPublicationId();
    ASSERT_NE(next, 0);
    EXPECT_NE(editor->Record().Merge_ID, 0);
    EXPECT_EQ(latest(publicationId).Publication_ID, next);
    EXPECT_EQ(registeredBinders(next).size(), 3u);
    EXPECT_EQ(Origins(binder("pub2H0013.pdf")),
              Pairs(2, {1, 2, 3, 4}) + Pairs(0, {1, 2, 3}) + Pairs(2, {5}));
    EXPECT_EQ(Origins(binder("pub3H0013.pdf")), Pairs(3, {2, 3, 4, 5}));
    EXPECT_EQ(Origins(binder("pub1H0013.pdf")), Pairs(1, {1, 2, 3, 4, 5}));
}

TEST_F(MergeDataDlgTest, ImmediateMergeRunsTheStoredMergeDataWithoutQuestions) {
    PublicationSetup setup;
    setup.mergeData = "(1)binder\r\n(2,2)Delete\r\n";
    CreatePublication(setup);
    MergeDataDlgInputs inputs = EditorInputs();
    inputs.immediateMerge = true;
    Dlg immediate(std::move(inputs));
    immediate.OnInitDialog(nullptr);
    EXPECT_TRUE(immediate.OnTimer());  // merged; the dialog closes
    EXPECT_FALSE(immediate.OnTimer());
    EXPECT_TRUE(immediate.MergeSucceeded());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(Origins(binder("pub1H0013.pdf")), Pairs(1, {1, 3, 4, 5}));
    EXPECT_EQ(latest(publicationId).Publication_ID, immediate.NewPublicationId());
}

TEST_F(MergeDataDlgTest, FailedMergeClosesAndRevertsTheNewVersion) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)Delete\r\n";
    Open(setup);
    std::filesystem::remove(binder(binderFiles[1]));

    ASSERT_FALSE(editor->OnMerge());  // unchanged: no question
    EXPECT_FALSE(editor->MergeSucceeded());
    const std::vector<std::string> shown = notes();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "PDF containing binder not found."),
              shown.end())
        << ::testing::PrintToString(shown);
    // The version the merge made is gone; the publication is as before.
    const PublicationLastInfoRecord now = latest(publicationId);
    EXPECT_EQ(now.Publication_ID, publicationId);
    EXPECT_EQ(now.Publication_ID_next, 0);
    EXPECT_EQ(editor->NewPublicationId(), publicationId);
}

// Stored merge data the editor would not write itself, merged at once as
// the manager's Merge does: what the overview shows for binder 2 before the
// merge is what the merge writes, in the order of the merge data, or the
// merge is refused before anything is written.
struct StoredDataCase {
    const char* name;
    std::string mergeData;
    // Binder 2's pages after the merge; empty: the merge is refused.
    std::vector<std::string> written;
    std::string refusal;  // the start of the refusal's message
};

class StoredMergeData : public MergeDataDlgTest,
                        public ::testing::WithParamInterface<StoredDataCase> {
protected:
    // Binder 2's pairs as its overview shows them after the merge, cut to
    // their origins.
    static std::vector<std::string> Shown(const Dlg& dialog) {
        std::vector<std::string> origins;
        const std::vector<OverviewRow>& rows = dialog.OverviewRows();
        for (std::size_t row = 1; row < rows.size(); ++row) {
            const RowState state = rows[row].state;
            if (state == RowState::Deleted || state == RowState::Stored ||
                state == RowState::Extracted) {
                continue;
            }
            std::string text = dialog.OverviewRowText(static_cast<int>(row));
            for (std::size_t start = 0; start <= text.size();) {
                const std::size_t end = std::min(text.find('\n', start), text.size());
                const std::string line = text.substr(start, end - start);
                origins.push_back(line.substr(0, line.find(' ')));
                start = end + 1;
            }
        }
        return origins;
    }
};

TEST_P(StoredMergeData, OverviewExpectedPagesAndWrittenBinderAgree) {
    const StoredDataCase& c = GetParam();
    PublicationSetup setup;
    setup.mergeData = c.mergeData;
    CreatePublication(setup);
    MergeDataDlgInputs inputs = EditorInputs();
    inputs.immediateMerge = true;
    Dlg immediate(std::move(inputs));
    immediate.OnInitDialog(nullptr);
    immediate.ChooseBinder(2);
    const std::vector<std::string> shown = Shown(immediate);
    const std::int32_t expectedPages = immediate.PagesAfterMerge(2);

    immediate.OnTimer();
    if (c.written.empty()) {
        EXPECT_FALSE(immediate.MergeSucceeded());
        const std::vector<std::string> said = notes();
        EXPECT_TRUE(std::any_of(said.begin(), said.end(), [&c](const std::string& note) {
            return note.rfind(c.refusal, 0) == 0;
        })) << ::testing::PrintToString(said);
        EXPECT_EQ(fileNamesInBinders(), binderFiles);
        EXPECT_EQ(Origins(binder(binderFiles[1])), Pairs(2, {1, 2, 3, 4, 5}));
        EXPECT_EQ(latest(publicationId).Publication_ID, publicationId);  // reverted
        return;
    }
    ASSERT_TRUE(immediate.MergeSucceeded()) << ::testing::PrintToString(notes());
    EXPECT_EQ(shown, c.written);
    EXPECT_EQ(expectedPages, static_cast<std::int32_t>(c.written.size()));
    EXPECT_EQ(Origins(binder("pub2H0013.pdf")), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredMergeData,
    ::testing::Values(
        // Rows put after a deleted pair stand where that pair stood.
        StoredDataCase{"InsertAfterADeletedPair",
                       "(2)binder\r\n(2,2)Delete\r\n(2,1,1)Insert\r\n",
                       Pairs(2, {1}) + Pairs(0, {1}) + Pairs(2, {3, 4, 5}),
                       {}},
        StoredDataCase{"RestoreAfterADeletedPair",
                       "(2)binder\r\n(4,4)Store\r\n(2,2)Delete\r\n(2)Restore\r\n",
                       Pairs(2, {1, 4, 3, 5}),
                       {}},
        StoredDataCase{"InsertAfterADeletedRange",
                       "(2)binder\r\n(2,3)Delete\r\n(3,1,2)Insert\r\n",
                       Pairs(2, {1}) + Pairs(0, {1, 2}) + Pairs(2, {4, 5}),
                       {}},
        // Pairs put at one position follow one another in the order given.
        StoredDataCase{"TwoInsertsAtOnePosition",
                       "(2)binder\r\n(2,1,1)Insert\r\n(2,2,2)Insert\r\n",
                       Pairs(2, {1, 2}) + Pairs(0, {1, 2}) + Pairs(2, {3, 4, 5}),
                       {}},
        StoredDataCase{"TwoInsertsAtTheFront",
                       "(2)binder\r\n(0,3,3)Insert\r\n(0,1,2)Insert\r\n",
                       Pairs(0, {3, 1, 2}) + Pairs(2, {1, 2, 3, 4, 5}),
                       {}},
        StoredDataCase{"InsertAfterARestoreAtOnePosition",
                       "(2)binder\r\n(5,5)Store\r\n(1)Restore\r\n(1,1,1)Insert\r\n",
                       Pairs(2, {1, 5}) + Pairs(0, {1}) + Pairs(2, {2, 3, 4}),
                       {}},
        // A Replace aimed at a pair that is gone would take the next pair's leaf.
        StoredDataCase{"ReplaceOfADeletedPair",
                       "(2)binder\r\n(2,2)Delete\r\n(2,1,1)Replace\r\n",
                       {},
                       "Merge refused: command 2 ('(2,1,1)Replace')"},
        StoredDataCase{"ReplaceOfAStoredPair",
                       "(2)binder\r\n(2,3)Store\r\n(5)Restore\r\n(3,1,1)Replace\r\n",
                       {},
                       "Merge refused: command 3 ('(3,1,1)Replace')"}),
    [](const ::testing::TestParamInfo<StoredDataCase>& info) { return info.param.name; });

// One merge shows each message once, however often the editor parses the
// merge data on the way (opening, the first timer tick, the merge, after it).
struct MessageOnceCase {
    const char* name;
    std::string mergeData;
    std::string message;  // the start of the message shown once
};

class MessagesOfAMerge : public MergeDataDlgTest,
                         public ::testing::WithParamInterface<MessageOnceCase> {};

TEST_P(MessagesOfAMerge, AreShownOnce) {
    const MessageOnceCase& c = GetParam();
    PublicationSetup setup;
    setup.mergeData = c.mergeData;
    CreatePublication(setup);
    MergeDataDlgInputs inputs = EditorInputs();
    inputs.immediateMerge = true;
    Dlg immediate(std::move(inputs));
    immediate.OnInitDialog(nullptr);
    immediate.OnTimer();
    EXPECT_FALSE(immediate.MergeSucceeded());
    std::vector<std::string> said = notes();
    for (const MessageBoxRequest& box : boxes.shown()) {
        said.push_back(box.text);
    }
    const auto count = std::count_if(said.begin(), said.end(), [&c](const std::string& text) {
        return text.rfind(c.message, 0) == 0;
    });
    EXPECT_EQ(count, 1) << ::testing::PrintToString(said);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessagesOfAMerge,
    ::testing::Values(MessageOnceCase{"ParseError", "(2)binder\r\n(1,1)Bogus\r\n",
                                      "Unknown command encountered."},
                      MessageOnceCase{"PairUsedTwice",
                                      "(2)binder\r\n(1,1)Delete\r\n(1,1)Delete\r\n",
                                      "Page pairs cannot be used multiple times!"}),
    [](const ::testing::TestParamInfo<MessageOnceCase>& info) { return info.param.name; });

// A merge that fails is reverted: the binder files it wrote go too, and a
// file it did not write stays.
TEST_F(MergeDataDlgTest, FailedMergeRemovesTheFilesItWrote) {
    PublicationSetup setup;
    setup.mergeData = "(2)binder\r\n(1,1)Delete\r\n";
    Open(setup);
    std::filesystem::remove(binder(binderFiles[2]));
    fixtures::PdfBuilder().pages(2).write(binder("pub3H0013.pdf"));  // not the merge's

    ASSERT_FALSE(editor->OnMerge());
    EXPECT_FALSE(editor->MergeSucceeded());
    EXPECT_EQ(fileNamesInBinders(),
              (std::vector<std::string>{"pub1H0012.pdf", "pub2H0012.pdf", "pub3H0013.pdf"}));
    const std::vector<std::string> said = notes();
    ASSERT_FALSE(said.empty());
    const std::string& last = said.back();
    EXPECT_NE(last.find("removed"), std::string::npos) << last;
    EXPECT_NE(last.find("pub1H0013.pdf"), std::string::npos) << last;
    EXPECT_NE(last.find("pub2H0013.pdf"), std::string::npos) << last;
    EXPECT_EQ(last.find("pub3H0013.pdf"), std::string::npos) << last;
    EXPECT_EQ(latest(publicationId).Publication_ID, publicationId);
}

TEST_F(MergeDataDlgTest, UpdateWithoutSupplementChangesTheBinderInPlace) {
    CreatePublication({});
    MergeDataDlgInputs inputs = BinderUpdateInputs();
    inputs.firstBinder = 2;
    Dlg update(std::move(inputs));
    update.OnInitDialog(nullptr);
    EXPECT_EQ(update.Caption(), "Document annotations");
    EXPECT_EQ(update.MergeButtonText(), "Update");
    EXPECT_EQ(update.SupplementRowCount(), 0);
    EXPECT_EQ(update.ChosenBinder(), 2);
    update.SetBinderSelection({1});
    update.SetSupplementSelection({0});
    EXPECT_FALSE(update.IsEnabled(Dlg::kIdReplace));
    ASSERT_TRUE(update.Execute(Dlg::kIdDelete));
    EXPECT_FALSE(update.OnCancel());  // "Are you sure?" answered Cancel
    EXPECT_EQ(boxes.shown().back().title, "Update data has changed!");

    boxes.answerNext(MessageAnswer::Ok);
    ASSERT_TRUE(update.OnMerge()) << ::testing::PrintToString(notes());
    EXPECT_EQ(boxes.shown().back().title, "Update document(s)");
    EXPECT_EQ(Origins(binder(binderFiles[1])), Pairs(2, {2, 3, 4, 5}));
    EXPECT_EQ(update.Record().Merge_data, "(2)binder\r\n(1,1)Delete\r\n");
    for (const BinderDocRecord& record : registeredBinders(publicationId)) {
        if (record.Binder_number == 2) {
            EXPECT_EQ(record.Page_count, 8);
        }
    }
}

TEST_F(MergeDataDlgTest, CutCopyAndPasteKeepTheNormalForm) {
    PublicationSetup setup;
    setup.mergeData = "(1)binder\r\n(1,1)Delete\r\n(2,2)Delete\r\n\r\n(2)binder\r\n(3,3)Delete\r\n";
    Open(setup);
    ASSERT_TRUE(editor->Execute(Dlg::kIdSwitchToOverview));
    EXPECT_EQ(editor->ToolTip(Dlg::kIdToolStore), "Cut");
    ASSERT_EQ(editor->CommandRows().size(), 5u);
    EXPECT_EQ(editor->CommandRows()[1].source, "Binder 1: 1-1");

    editor->SetCommandSelection({1, 3});
    EXPECT_FALSE(editor->IsEnabled(Dlg::kIdCopy));  // not adjacent
    editor->SetCommandSelection({3, 4});
    ASSERT_TRUE(editor->Execute(Dlg::kIdCopy));
    EXPECT_EQ(clipboard.text(), "(2)binder\r\n(3,3)Delete\r\n");
    ASSERT_TRUE(editor->Execute(Dlg::kIdCut));
    EXPECT_EQ(editor->WorkingCopy(), "(1)binder\r\n(1,1)Delete\r\n(2,2)Delete\r\n");

    // The lines go in as they are: the Delete after them now reads binder 2.
    editor->SetCommandSelection({1});
    ASSERT_TRUE(editor->Execute(Dlg::kIdPaste));
    EXPECT_EQ(editor->WorkingCopy(),
              "(1)binder\r\n(1,1)Delete\r\n\r\n(2)binder\r\n(3,3)Delete\r\n(2,2)Delete\r\n");
    EXPECT_TRUE(boxes.shown().empty());

    // Pasting a line that does not parse takes the paste back.
    clipboard.setText("  (7,7)Delete  \r\n");
    editor->SetCommandSelection({0});
    const std::string before = editor->WorkingCopy();
    ASSERT_TRUE(editor->Execute(Dlg::kIdPaste));
    EXPECT_EQ(editor->WorkingCopy(), before);
    EXPECT_FALSE(boxes.shown().empty());
}

TEST_F(MergeDataDlgTest, CancelAsksWhatToDoWithChanges) {
    Open();
    Insert(1, 0, 1, 1);
    boxes.answerNext(MessageAnswer::Cancel);
    EXPECT_FALSE(editor->OnCancel());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Merge data has changed!");
    EXPECT_EQ(boxes.shown()[0].text, "Save before close?");
    EXPECT_EQ(boxes.shown()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(boxes.shown()[0].defaultButton, 2);
    boxes.answerNext(MessageAnswer::No);
    EXPECT_TRUE(editor->OnCancel());
    EXPECT_EQ(editor->Record().Merge_data, "");
    boxes.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(editor->OnCancel());
    EXPECT_EQ(editor->Record().Merge_data, "(1)binder\r\n(0,1,1)Insert\r\n");
}

TEST_F(MergeDataDlgTest, ReadOnlyOffersNoChange) {
    PublicationSetup setup;
    setup.mergeData = "(1)binder\r\n(1,1)Delete\r\n";
    CreatePublication(setup);
    MergeDataDlgInputs inputs = EditorInputs();
    inputs.readOnly = true;
    Dlg readOnly(std::move(inputs));
    readOnly.OnInitDialog(nullptr);
    readOnly.SetSupplementSelection({0});
    readOnly.SetBinderSelection({2});
    for (const int id :
         {Dlg::kIdReplace, Dlg::kIdInsert, Dlg::kIdDelete, Dlg::kIdStore, Dlg::kIdCreateBinder,
          Dlg::kIdToggleTabsheet, Dlg::kIdSelectColour, Dlg::kIdToolSave}) {
        EXPECT_FALSE(readOnly.IsEnabled(id)) << id;
    }
    EXPECT_FALSE(readOnly.MergeButtonEnabled());
    EXPECT_FALSE(readOnly.OnMerge());
    ASSERT_TRUE(readOnly.Execute(Dlg::kIdSwitchToOverview));
    readOnly.SetCommandSelection({0});
    EXPECT_TRUE(readOnly.IsEnabled(Dlg::kIdCopy));
    EXPECT_FALSE(readOnly.IsEnabled(Dlg::kIdCut));
    EXPECT_FALSE(readOnly.IsEnabled(Dlg::kIdDelete));
    EXPECT_EQ(readOnly.WorkingCopy(), "(1)binder\r\n(1,1)Delete\r\n");
    EXPECT_TRUE(readOnly.OnCancel());
}

}  // namespace
}  // namespace lumar::testing
