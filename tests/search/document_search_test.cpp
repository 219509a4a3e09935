// The search against the reference service: the walk over the documents'
// annotation data with its re-fetch, progress, cancel and messages; the
// command with its dialogs and summary questions.

#include "search/document_search.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "search/search_command.h"
#include "search/search_dlg.h"
#include "search/search_results_dlg.h"
#include "search_fixture.h"
#include "service/logon_store.h"
#include "ui/modal_dialog.h"

namespace lumar::testing {
namespace {

class DocumentSearchTest : public SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        std::vector<std::vector<std::string>> texts;
        for (int n = 1; n <= 5; ++n) {
            texts.push_back(Origins(n, 10));
        }
        texts[1][2] = "b2p03 xABCx";
        texts[4][7] = "b5p08 abc";
        CreatePublication(texts, {"s01", "s02 ABC", "s03", "s04"});
    }

    SearchOutcome Search(const std::string& text, bool matchCase, SearchScope& scope) {
        return SearchDocuments({text, matchCase}, scope, &window);
    }

    int window = 0;
};

TEST_F(DocumentSearchTest, BinderSearchFetchesMissingDataOnceAndSummarisesPerBinder) {
    std::vector<BinderDocRecord> records = BinderRecords();
    ASSERT_EQ(records.size(), 5U);
    ASSERT_TRUE(records[0].Annotation_data.empty());
    SearchScope scope = SearchScope::Binders(records);

    const SearchOutcome outcome = Search("abc", false, scope);
    EXPECT_EQ(outcome.hits,
              (std::vector<SearchHit>{{2, 2, "b2p03 xABCx\nb2p04"}, {5, 4, "b5p07\nb5p08 abc"}}));
    EXPECT_EQ(outcome.summary,
              "Results for 'abc':\t2 page pairs\r\n"
              "\r\n- binder 2: text found in annotations of 1 page pair"
              "\r\n- binder 5: text found in annotations of 1 page pair");
    EXPECT_FALSE(outcome.stopped);
    EXPECT_TRUE(notes().empty());
    EXPECT_EQ(records[2].Annotation_data.substr(0, 7), "b3p01\r\n");
    EXPECT_EQ(progress.maximum, 50);
    EXPECT_EQ(progress.position, 50);
    EXPECT_EQ(progress.texts.front(), "Searching document(s)...");
    EXPECT_EQ(progress.texts[1], "Searching document 1 of 5...");
    EXPECT_EQ(progress.texts.back(), "Done");
    EXPECT_EQ(progress.parentEnabled, (std::vector<bool>{false, true}));

    // The data stays in the records: without the service the search still runs.
    service.Stop();
    const SearchOutcome again = Search("abc", true, scope);
    EXPECT_EQ(again.hits, (std::vector<SearchHit>{{5, 4, "b5p07\nb5p08 abc"}}));
    EXPECT_TRUE(notes().empty());
}

TEST_F(DocumentSearchTest, SupplementSearchHasNoBinderLines) {
    SupplementRecord supplement = SupplementRecordOf();
    SearchScope scope = SearchScope::Supplement(supplement);
    const SearchOutcome outcome = Search("abc", false, scope);
    EXPECT_EQ(outcome.hits, (std::vector<SearchHit>{{0, 1, "s01\ns02 ABC"}}));
    EXPECT_EQ(outcome.summary, "Results for 'abc':\t1 page pair\r\n");
    EXPECT_EQ(progress.maximum, 4);
    EXPECT_EQ(
        std::count(progress.texts.begin(), progress.texts.end(), "Searching document 1 of 1..."),
        0);
}

TEST_F(DocumentSearchTest, WithoutHitsTheTotalIsNone) {
    std::vector<BinderDocRecord> records = BinderRecords();
    SearchScope scope = SearchScope::Binders(records);
    EXPECT_EQ(Search("nowhere", false, scope).summary, "Results for 'nowhere':\tnone");
}

TEST_F(DocumentSearchTest, InconsistentDocumentStopsTheSearchAndKeepsTheHits) {
    std::vector<BinderDocRecord> records = BinderRecords();
    std::string nineLines;
    for (const std::string& text : Origins(3, 9)) {
        nineLines += text + "\r\n";
    }
    records[2].Annotation_data = nineLines;  // ten pages registered
    SearchScope scope = SearchScope::Binders(records);

    const SearchOutcome outcome = Search("p", false, scope);
    EXPECT_EQ(notes(), (std::vector<std::string>{"Inconsistency found: odd annotation count!"}));
    EXPECT_TRUE(outcome.stopped);
    ASSERT_EQ(outcome.hits.size(), 14U);  // 5 + 5 + the 4 whole pairs of binder 3
    EXPECT_EQ(outcome.hits.back(), (SearchHit{3, 4, "b3p07\nb3p08"}));
    EXPECT_NE(outcome.summary.find("- binder 3: text found in annotations of 4 page pairs"),
              std::string::npos);
    EXPECT_TRUE(records[3].Annotation_data.empty());  // binder 4 was not reached
}

TEST_F(DocumentSearchTest, MoreLinesThanPagesStopAfterTheDocument) {
    std::vector<BinderDocRecord> records = BinderRecords();
    records.resize(2);
    records[0].Annotation_data = "a\r\nb\r\nc\r\nd\r\n";
    records[0].Page_count = 2;
    SearchScope scope = SearchScope::Binders(records);
    const SearchOutcome outcome = Search("a", false, scope);
    EXPECT_EQ(notes(),
              (std::vector<std::string>{"Inconsistency found: page count < annotation count!"}));
    EXPECT_EQ(outcome.hits, (std::vector<SearchHit>{{1, 1, "a\nb"}}));
    EXPECT_TRUE(records[1].Annotation_data.empty());
}

TEST_F(DocumentSearchTest, CancelStopsWithItsMessageAndKeepsTheHits) {
    std::vector<BinderDocRecord> records = BinderRecords();
    SearchScope scope = SearchScope::Binders(records);
    progress.cancelAtPump = 3;  // before the third pair
    const SearchOutcome outcome = Search("p", false, scope);
    EXPECT_EQ(notes(), (std::vector<std::string>{"Search aborted by user."}));
    EXPECT_EQ(outcome.hits.size(), 2U);
    EXPECT_EQ(progress.questions, (std::vector<std::string>{"Are you sure?"}));
    EXPECT_EQ(progress.parentEnabled, (std::vector<bool>{false, true}));
}

TEST_F(DocumentSearchTest, FailedFetchReportsMissingData) {
    std::vector<BinderDocRecord> records = BinderRecords();
    service.Stop();
    SearchScope scope = SearchScope::Binders(records);
    const SearchOutcome outcome = Search("p", false, scope);
    EXPECT_EQ(notes(), (std::vector<std::string>{"Missing annotation data!"}));
    EXPECT_TRUE(outcome.hits.empty());
}

// The command as the details dialog runs it, with its dialogs scripted.
class SearchCommandTest : public DocumentSearchTest {
protected:
    void SetUp() override {
        DocumentSearchTest::SetUp();
        previousSearch_ = SetPresenter<CSearchDlg>([this](CSearchDlg& dialog, void* parent) {
            EXPECT_EQ(parent, &window);
            dialog.OnInitDialog();
            shownEntries.push_back(dialog.Entries());
            if (texts.empty()) {
                return kIdCancel;
            }
            dialog.SetText(texts.front());
            texts.pop_front();
            return dialog.OnOK() ? kIdOk : kIdCancel;
        });
        previousResults_ =
            SetPresenter<CSearchResultsDlg>([this](CSearchResultsDlg& dialog, void* /*parent*/) {
                resultsShown.push_back(dialog.Hits());
                resultsReadOnly = dialog.ReadOnly();
                resultsBinderMode = dialog.BinderMode();
                return kIdCancel;
            });
        records = BinderRecords();
        command.window = &window;
        command.publication = Publication();
        command.scope = SearchScope::Binders(records);
        command.bringToFront = [this] { ++broughtToFront; };
    }
    void TearDown() override {
        SetPresenter<CSearchDlg>(std::move(previousSearch_));
        SetPresenter<CSearchResultsDlg>(std::move(previousResults_));
    }

    std::vector<std::string> questions() const {
        std::vector<std::string> asked;
        for (const auto& message : harness.responder.messages()) {
            if (message.kind == host::ScriptedResponder::Kind::Question) {
                asked.push_back(message.text);
            }
        }
        return asked;
    }

    std::deque<std::string> texts;
    std::vector<std::vector<std::string>> shownEntries;
    std::vector<std::vector<SearchHit>> resultsShown;
    bool resultsReadOnly = false;
    bool resultsBinderMode = false;
    int broughtToFront = 0;
    std::vector<BinderDocRecord> records;
    SearchCommand command;

private:
    ModalPresenter<CSearchDlg> previousSearch_;
    ModalPresenter<CSearchResultsDlg> previousResults_;
};

TEST_F(SearchCommandTest, NewSearchAsksAgainUntilTheDialogIsCancelled) {
    texts = {"abc", "zzz"};
    harness.responder.answerNext(3);  // "New search" after the hits
    harness.responder.answerNext(1);  // "New search" after none
    RunSearchCommand(command);

    ASSERT_EQ(harness.responder.messages().size(), 2U);
    const auto& withHits = harness.responder.messages()[0];
    EXPECT_EQ(withHits.buttons, (std::vector<std::string>{"View results", "OK", "New search"}));
    EXPECT_EQ(withHits.icon, host::AlertIcon::Status);
    EXPECT_EQ(withHits.text.substr(0, 33), "Results for 'abc':\t2 page pairs\r\n");
    const auto& withoutHits = harness.responder.messages()[1];
    EXPECT_EQ(withoutHits.text, "Results for 'zzz':\tnone");
    EXPECT_EQ(withoutHits.buttons, (std::vector<std::string>{"New search", "OK"}));
    // Three dialogs: the list grows with each search.
    ASSERT_EQ(shownEntries.size(), 3U);
    EXPECT_EQ(shownEntries[1], (std::vector<std::string>{"abc"}));
    EXPECT_EQ(shownEntries[2], (std::vector<std::string>{"zzz", "abc"}));
    EXPECT_TRUE(resultsShown.empty());
}

TEST_F(SearchCommandTest, ViewResultsShowsTheHitsThenRaisesTheDetailsDialog) {
    TheLogonStore().user.Authorisation_ID = 2;  // below level 3: read-only results
    texts = {"abc"};
    harness.responder.answerNext(1);
    RunSearchCommand(command);
    ASSERT_EQ(resultsShown.size(), 1U);
    EXPECT_EQ(resultsShown[0].size(), 2U);
    EXPECT_TRUE(resultsReadOnly);
    EXPECT_TRUE(resultsBinderMode);
    EXPECT_EQ(broughtToFront, 1);
    EXPECT_EQ(shownEntries.size(), 1U);
}

TEST_F(SearchCommandTest, OkEndsTheCommand) {
    texts = {"abc", "b"};
    harness.responder.answerNext(2);
    RunSearchCommand(command);
    EXPECT_EQ(shownEntries.size(), 1U);
    EXPECT_EQ(questions().size(), 1U);
    EXPECT_TRUE(resultsShown.empty());
}

}  // namespace
}  // namespace lumar::testing
