// The results dialog's model and the extraction of found page pairs from
// the binder and supplement PDFs into a new document.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/roles.h"
#include "platform/pdf/document.h"
#include "search/document_search.h"
#include "search/page_extraction.h"
#include "search/search_results_dlg.h"
#include "search_fixture.h"
#include "ui/message_box.h"

namespace lumar::testing {
namespace {

constexpr const char* kQuestion = "This might take a while...\r\nAre you sure?";

class SearchResultsTest : public SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        std::vector<std::vector<std::string>> texts;
        for (int n = 1; n <= 5; ++n) {
            texts.push_back(Origins(n, 10));
        }
        texts[1][2] = "b2p03 xABCx";
        texts[4][7] = "b5p08 abc";
        // Binder 3, pair 2: a tab sheet on blue paper.
        texts[2][2] = "b3p03 <<#TABSHEET=true COLOUR=\"Blue\"#>>";
        texts[2][3] = "b3p04 <<#TABSHEET=true COLOUR=\"blue\"#>>";
        CreatePublication(texts, {"s01", "s02 ABC", "s03", "s04"});
        records = BinderRecords();
    }

    CSearchResultsDlg Dialog(std::vector<SearchHit> hits, bool readOnly = false) {
        CSearchResultsDlg dialog(std::move(hits), Publication(), "abc", readOnly);
        dialog.SetBinderDocuments(records);
        dialog.OnInitDialog(&window);
        return dialog;
    }

    // The page texts of the document in the active view; empty without one.
    std::vector<std::string> ShownPages() {
        host::DocumentView* view = harness.headless.ui().activeDocument();
        return view != nullptr && view->document() != nullptr ? PageTexts(*view->document())
                                                              : std::vector<std::string>{};
    }

    int window = 0;
    std::vector<BinderDocRecord> records;
};

TEST_F(SearchResultsTest, ColumnsAndCellsOfABinderSearch) {
    CSearchResultsDlg dialog = Dialog({{3, 2,
                                        std::string("b3p03 <<#TABSHEET=true COLOUR=\"Blue\"#>>\n"
                                                    "b3p04 <<#TABSHEET=true COLOUR=\"blue\"#>>")},
                                       {2, 10, "b2p19\nb2p20"}});
    const auto columns = dialog.Columns();
    ASSERT_EQ(columns.size(), 3U);
    EXPECT_EQ(columns[0].title, "Page pair");
    EXPECT_EQ(columns[0].align, CSearchResultsDlg::Align::Centre);
    EXPECT_EQ(columns[1].title, "Binder number");
    EXPECT_EQ(columns[2].title, "Search result");
    EXPECT_EQ(columns[2].width, CSearchResultsDlg::Width::FitContents);
    EXPECT_EQ(dialog.RowCount(), 2);

    const auto pair = dialog.CellAt(0, 0);
    EXPECT_EQ(pair.text, "2" + std::string(16, ' '));
    EXPECT_EQ(pair.toolTip, pair.text);
    EXPECT_TRUE(pair.italic);  // a tab sheet, in every column
    ASSERT_TRUE(pair.box.has_value());
    EXPECT_EQ(pair.box->rgb, 153U + 204U * 256U + 255U * 65536U);  // Blue
    EXPECT_EQ(pair.box->maximum, 1);
    EXPECT_EQ(pair.box->value, 1);
    EXPECT_EQ(dialog.CellAt(0, 1).text, "3");
    EXPECT_TRUE(dialog.CellAt(0, 2).italic);
    EXPECT_EQ(dialog.CellAt(1, 0).text, "10" + std::string(16, ' '));
    EXPECT_FALSE(dialog.CellAt(1, 0).box.has_value());
    EXPECT_FALSE(dialog.CellAt(1, 2).italic);
    EXPECT_EQ(dialog.CellAt(1, 2).text, "b2p19\nb2p20");
}

TEST_F(SearchResultsTest, SupplementSearchHasTheResultSecond) {
    CSearchResultsDlg dialog({{0, 1, "s01\ns02 ABC"}}, Publication(), "abc", false);
    dialog.SetSupplement(SupplementRecordOf());
    const auto columns = dialog.Columns();
    ASSERT_EQ(columns.size(), 2U);
    EXPECT_EQ(columns[1].title, "Search result");
    EXPECT_EQ(dialog.CellAt(0, 1).text, "s01\ns02 ABC");
    CSearchResultsDlg empty({}, Publication(), "abc", false);
    EXPECT_EQ(empty.Columns().back().width, CSearchResultsDlg::Width::FitTitleAndContents);
}

TEST_F(SearchResultsTest, SelectionStatusAndExtractState) {
    CSearchResultsDlg dialog = Dialog({{2, 1, "a\nb"}, {2, 2, "c\nd"}, {2, 3, "e\nf"}});
    EXPECT_FALSE(dialog.ExtractEnabled());
    EXPECT_EQ(dialog.ExtractToolTip(), "No item(s) selected");
    EXPECT_TRUE(dialog.OnTimer());
    EXPECT_EQ(dialog.StatusText(), "Items selected:        0");
    dialog.SetSelection({2, 0, 1});
    EXPECT_TRUE(dialog.OnTimer());
    EXPECT_EQ(dialog.StatusText(), "Items selected:        6");
    EXPECT_FALSE(dialog.OnTimer());  // unchanged: not set again
    EXPECT_TRUE(dialog.ExtractEnabled());
    EXPECT_EQ(dialog.ExtractToolTip(), "");
}

TEST_F(SearchResultsTest, ReadOnlyCannotKeepRowsSelectedNorExtract) {
    CSearchResultsDlg dialog = Dialog(
        {{3, 2, "b3p03 <<#COLOUR=\"Blue\"#>>\nb3p04 <<#COLOUR=blue#>>"}, {2, 2, "c\nd"}}, true);
    CSearchResultsDlg::SystemColours system;
    system.grayText = 0x808080;
    dialog.SetSystemColours(system);
    dialog.SetSelection({0, 1});
    EXPECT_FALSE(dialog.ExtractEnabled());
    EXPECT_EQ(dialog.ExtractToolTip(), "");
    dialog.OnTimer();
    EXPECT_TRUE(dialog.Selection().empty());
    EXPECT_EQ(dialog.StatusText(), "Items selected:        0");
    EXPECT_FALSE(dialog.OnExtract());
    EXPECT_TRUE(progress.questions.empty());

    const auto colours = dialog.Colours(0);
    EXPECT_EQ(colours.text, 0x808080U);
    EXPECT_EQ(colours.selectedText, 0x808080U);
    EXPECT_EQ(colours.background, system.window);
    EXPECT_EQ(dialog.Colours(1).background, DarkenRowColour(system.window));
    // The colour box is greyed too: halfway toward the grey text colour.
    EXPECT_EQ(dialog.CellAt(0, 0).box->rgb, BlendColour(0xFFCC99, 0x808080));
}

TEST_F(SearchResultsTest, EditableColoursFollowTheSystem) {
    CSearchResultsDlg dialog = Dialog({{2, 1, "a\nb"}, {2, 2, "c\nd"}});
    const CSearchResultsDlg::SystemColours system;
    const auto even = dialog.Colours(0);
    EXPECT_EQ(even.text, system.windowText);
    EXPECT_EQ(even.hotText, system.hotTrack);
    EXPECT_EQ(even.selectedText, system.highlightText);
    EXPECT_EQ(even.selectedBackground, system.highlight);
    const auto odd = dialog.Colours(1);
    EXPECT_EQ(odd.selectedBackgroundUnfocused, DarkenRowColour(system.highlight));
    EXPECT_EQ(odd.text, system.windowText);
}

TEST_F(SearchResultsTest, ExtractFromTwoBindersWarnsAndShowsTheNewDocument) {
    SearchScope scope = SearchScope::Binders(records);
    const SearchOutcome outcome = SearchDocuments({"abc", false}, scope);
    ASSERT_EQ(outcome.hits.size(), 2U);
    progress.texts.clear();
    CSearchResultsDlg dialog = Dialog(outcome.hits);
    dialog.SetSelection({0, 1});
    const std::size_t viewsBefore = harness.headless.ui().viewCount();

    EXPECT_TRUE(dialog.OnExtract());
    EXPECT_EQ(progress.titles, (std::vector<std::string>{"Extract search results"}));
    EXPECT_EQ(
        progress.questions,
        (std::vector<std::string>{std::string("Extract from multiple documents! ") + kQuestion}));
    EXPECT_EQ(harness.headless.ui().viewCount(), viewsBefore + 1);
    EXPECT_EQ(ShownPages(),
              (std::vector<std::string>{"b2p03 xABCx", "b2p04", "b5p07", "b5p08 abc"}));
    EXPECT_EQ(progress.texts.front(), "Extracting pages...");
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), "Opening document..."),
              progress.texts.end());
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(),
                        "Extracting pages from document..."),
              progress.texts.end());
    EXPECT_EQ(progress.texts.back(), "Done");
    EXPECT_EQ(progress.maximum, 4);  // two rows and two documents
    EXPECT_TRUE(notes().empty());
}

TEST_F(SearchResultsTest, PairThreeCopiesTheFifthAndSixthPages) {
    CSearchResultsDlg dialog = Dialog({{4, 3, "b4p05\nb4p06"}, {4, 1, "b4p01\nb4p02"}});
    dialog.SetSelection({0, 1});
    EXPECT_TRUE(dialog.OnExtract());
    EXPECT_EQ(progress.questions, (std::vector<std::string>{kQuestion}));  // one document
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"b4p05", "b4p06", "b4p01", "b4p02"}));
}

TEST_F(SearchResultsTest, PairBeyondTheDocumentIsRefusedAndNothingIsShown) {
    CSearchResultsDlg dialog = Dialog({{1, 1, "x\ny"}, {1, 6, "x\ny"}});
    dialog.SetSelection({0, 1});
    const std::size_t viewsBefore = harness.headless.ui().viewCount();
    EXPECT_FALSE(dialog.OnExtract());
    EXPECT_EQ(notes(), (std::vector<std::string>{"Invalid Extract parameters."}));
    EXPECT_EQ(harness.headless.ui().viewCount(), viewsBefore);
    EXPECT_EQ(progress.parentEnabled, (std::vector<bool>{false, true}));
}

TEST_F(SearchResultsTest, CancelledQuestionExtractsNothing) {
    progress.answer = MessageAnswer::Cancel;
    CSearchResultsDlg dialog = Dialog({{1, 1, "x\ny"}});
    dialog.SetSelection({0});
    EXPECT_FALSE(dialog.OnExtract());
    EXPECT_EQ(progress.windowsMade, 0);
    EXPECT_TRUE(notes().empty());
}

TEST_F(SearchResultsTest, CancelDuringExtractionClosesTheNewDocument) {
    CSearchResultsDlg dialog = Dialog({{1, 1, "x\ny"}, {2, 1, "x\ny"}});
    dialog.SetSelection({0, 1});
    progress.cancelAtPump = 3;  // opening the second document
    const std::size_t viewsBefore = harness.headless.ui().viewCount();
    EXPECT_FALSE(dialog.OnExtract());
    EXPECT_EQ(notes(), (std::vector<std::string>{"Extract aborted by user."}));
    EXPECT_EQ(harness.headless.ui().viewCount(), viewsBefore);
}

TEST_F(SearchResultsTest, MissingSourceFileStopsTheExtraction) {
    std::filesystem::remove(binders / records[1].Doc_file);
    CSearchResultsDlg dialog = Dialog({{1, 1, "x\ny"}, {2, 1, "x\ny"}});
    dialog.SetSelection({0, 1});
    EXPECT_FALSE(dialog.OnExtract());
    EXPECT_EQ(notes(), (std::vector<std::string>{"PDF containing binder not found."}));
}

TEST_F(SearchResultsTest, FileNameLeadingOutOfTheFolderIsRefused) {
    records[0].Doc_file = "../pub1H0012.pdf";
    CSearchResultsDlg dialog = Dialog({{1, 1, "x\ny"}});
    dialog.SetSelection({0});
    EXPECT_FALSE(dialog.OnExtract());
    EXPECT_EQ(notes(), (std::vector<std::string>{"Invalid document file name: ../pub1H0012.pdf"}));
}

TEST_F(SearchResultsTest, SupplementHitsExtractToAFile) {
    ExtractionSources sources{"PUB", {}, SupplementRecordOf()};
    const std::filesystem::path output = dir / "found.pdf";
    const std::vector<SearchHit> hits{{0, 2, "s03\ns04"}, {0, 1, "s01\ns02 ABC"}};
    ASSERT_TRUE(ExtractPagesToFile(hits, sources, output.string()));
    const pdf::Document written = pdf::Document::open(output, false);
    EXPECT_EQ(PageTexts(written), (std::vector<std::string>{"s03", "s04", "s01", "s02 ABC"}));
    EXPECT_EQ(progress.maximum, 2);  // a supplement's document does not count
    EXPECT_TRUE(notes().empty());
}

TEST_F(SearchResultsTest, FailedExtractionWritesNoFile) {
    ExtractionSources sources{"PUB", records, std::nullopt};
    const std::filesystem::path output = dir / "found.pdf";
    EXPECT_FALSE(ExtractPagesToFile({{{3, 9, "x\ny"}, {3, 11, "x\ny"}}}, sources, output.string()));
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_EQ(notes(), (std::vector<std::string>{"Invalid Extract parameters."}));
}

}  // namespace
}  // namespace lumar::testing
