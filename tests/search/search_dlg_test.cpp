// The search dialog's model over a real settings file: the stored flag and
// recent searches, the Search button's rule, and the tab sheet and colour
// conditions.

#include "search/search_dlg.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "annotations/colour.h"
#include "config/settings_store.h"
#include "merge/colour_dlg.h"
#include "platform/settings/temp_settings.h"
#include "search/search_colour.h"
#include "search/search_results_dlg.h"
#include "service/logon_store.h"
#include "ui/modal_dialog.h"

namespace lumar {
namespace {

// The colour dialog as the user answers it: the row of the colour named
// `answer` (empty: the no-colour row) and OK; none: Cancel.
class SearchDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        RememberedSearchColour() = kNoColour;
        TheLogonStore().colours.Records = {{1, "Blue", 153, 204, 255}, {2, "Red", 255, 0, 0}};
        previous_ = SetPresenter<CColourDlg>([this](CColourDlg& dialog, void* parent) {
            shown.push_back({dialog.RowName(0), dialog.InitialRow(), parent});
            if (!answer) {
                return kIdCancel;
            }
            for (int row = 0; row < dialog.RowCount(); ++row) {
                if ((row == 0 && answer->empty()) || (row > 0 && dialog.RowName(row) == *answer)) {
                    dialog.SelectRow(row);
                }
            }
            return dialog.OnOK() ? kIdOk : kIdCancel;
        });
    }
    void TearDown() override {
        SetPresenter<CColourDlg>(std::move(previous_));
        TheLogonStore().clear();
    }

    static std::string StoredList() {
        std::string list;
        ReadTextSetting("Search", "MRU_list", list);
        return list;
    }

    struct Shown {
        std::string noColourRow;
        std::optional<int> currentRow;
        void* parent = nullptr;
    };

    testing::TempSettings settings;
    std::vector<Shown> shown;
    std::optional<std::string> answer;

private:
    ModalPresenter<CColourDlg> previous_;
};

TEST_F(SearchDlgTest, FreshSettingsGiveAnEmptyListAndNoMatchCase) {
    CSearchDlg dialog;
    dialog.OnInitDialog();
    EXPECT_TRUE(dialog.Entries().empty());
    EXPECT_FALSE(dialog.MatchCase());
    EXPECT_FALSE(dialog.SearchEnabled());
    EXPECT_EQ(dialog.SearchToolTip(), "No text to search for");
    EXPECT_FALSE(dialog.OnOK());
    EXPECT_EQ(StoredList(), "");
}

TEST_F(SearchDlgTest, SearchEnablingFollowsTheTrimmedText) {
    CSearchDlg dialog;
    dialog.OnInitDialog();
    dialog.SetText("  \t ");
    EXPECT_FALSE(dialog.SearchEnabled());
    dialog.SetText(" a ");
    EXPECT_TRUE(dialog.SearchEnabled());
    EXPECT_EQ(dialog.SearchToolTip(), "");
}

TEST_F(SearchDlgTest, SearchStoresTheFlagAndPutsTheTextFirst) {
    ASSERT_TRUE(WriteTextSetting("Search", "MRU_list", "a|b|c"));
    ASSERT_TRUE(WriteNumberSetting("Search", "Match_case", 1));
    CSearchDlg dialog;
    dialog.OnInitDialog();
    EXPECT_TRUE(dialog.MatchCase());
    EXPECT_EQ(dialog.Entries(), (std::vector<std::string>{"a", "b", "c"}));
    dialog.SelectEntry(1);  // the picked entry becomes the text
    EXPECT_EQ(dialog.Text(), "b");
    EXPECT_TRUE(dialog.SearchEnabled());
    dialog.SetMatchCase(false);
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_EQ(StoredList(), "b|a|c");
    std::uint32_t matchCase = 7;
    ASSERT_TRUE(ReadNumberSetting("Search", "Match_case", matchCase));
    EXPECT_EQ(matchCase, 0U);
}

TEST_F(SearchDlgTest, TextWithSeparatorReadsBackAsSeveralEntries) {
    CSearchDlg first;
    first.OnInitDialog();
    first.SetText("x|y");
    ASSERT_TRUE(first.OnOK());
    EXPECT_EQ(StoredList(), "x|y");
    CSearchDlg second;
    second.OnInitDialog();
    EXPECT_EQ(second.Entries(), (std::vector<std::string>{"x", "y"}));
}

TEST_F(SearchDlgTest, TabSheetAppendsItsConditionAndClearsMatchCase) {
    CSearchDlg dialog;
    dialog.OnInitDialog();
    dialog.SetMatchCase(true);
    dialog.OnTabSheet();
    EXPECT_EQ(dialog.Text(), "TABSHEET=");
    EXPECT_FALSE(dialog.MatchCase());
    EXPECT_TRUE(dialog.SearchEnabled());
}

TEST_F(SearchDlgTest, ColourAppendsTheNameInQuotesAndIsRemembered) {
    int window = 0;
    CSearchDlg dialog;
    dialog.OnInitDialog();
    dialog.SetWindow(&window);
    dialog.SetText("abc ");
    dialog.SetMatchCase(true);
    answer = "Red";
    EXPECT_TRUE(dialog.OnColour());
    EXPECT_EQ(dialog.Text(), "abc COLOUR=\"Red\"");
    EXPECT_FALSE(dialog.MatchCase());
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].noColourRow, "Any colour");
    EXPECT_EQ(shown[0].currentRow, 0);  // no colour remembered yet
    EXPECT_EQ(shown[0].parent, &window);
    EXPECT_EQ(RememberedSearchColour(), "Red");

    // The next dialog starts at the remembered colour.
    CSearchDlg next;
    next.OnInitDialog();
    answer = "";  // the no-colour row
    EXPECT_TRUE(next.OnColour());
    EXPECT_EQ(next.Text(), "COLOUR=");
    EXPECT_EQ(shown[1].currentRow, 2);
    EXPECT_EQ(RememberedSearchColour(), kNoColour);
}

TEST_F(SearchDlgTest, CancelledColourChangesNothing) {
    CSearchDlg dialog;
    dialog.OnInitDialog();
    dialog.SetText("abc");
    dialog.SetMatchCase(true);
    answer = std::nullopt;
    EXPECT_FALSE(dialog.OnColour());
    EXPECT_EQ(dialog.Text(), "abc");
    EXPECT_TRUE(dialog.MatchCase());
}

TEST_F(SearchDlgTest, PlacementsAreStoredUnderTheDialogsNames) {
    WindowPlacement placement;
    placement.showCmd = 1;
    placement.rcNormalPosition = {10, 20, 410, 140};
    CSearchDlg::SavePlacement(placement);
    WindowPlacement read;
    ASSERT_TRUE(ReadWindowPlacement("Dialogs", "SearchDlg", read));
    EXPECT_EQ(read.rcNormalPosition, placement.rcNormalPosition);
    WindowPlacement restored;
    ASSERT_TRUE(CSearchDlg::RestorePlacement(restored));
    EXPECT_EQ(restored, read);
    EXPECT_FALSE(CSearchResultsDlg::RestorePlacement(restored));
    CSearchResultsDlg::SavePlacement(placement);
    ASSERT_TRUE(ReadWindowPlacement("Dialogs", "SearchResultsDlg", read));
    EXPECT_EQ(read.showCmd, 1U);
}

}  // namespace
}  // namespace lumar
