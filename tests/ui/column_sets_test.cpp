// The column sets' cell texts and order, sorting rows, and the lists'
// context menus and keys.

#include "ui/column_sets.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/column_layout.h"
#include "ui/list_context_menu.h"
#include "ui/list_keys.h"

namespace lumar {
namespace {

using namespace list_command;

TEST(ColumnSets, EntriesAndTitlesPerMode) {
    ASSERT_EQ(PublicationColumnSet().size(), 40U);
    ASSERT_EQ(DocumentColumnSet().size(), 10U);
    EXPECT_STREQ(PublicationColumnSet()[9].title, "Description");
    EXPECT_EQ(PublicationColumnSet()[9].widthRule, kThirdOfList);
    EXPECT_EQ(PublicationColumnSet()[28].kind, ColumnKind::DateTime);
    EXPECT_EQ(ColumnTitle(ColumnSetId::Publications, 39), "Merge data status");
    EXPECT_EQ(ColumnTitle(ColumnSetId::Documents, 0, kBinderMode), "Binder ID");
    EXPECT_EQ(ColumnTitle(ColumnSetId::Documents, 0, kSupplementMode), "Supplement ID");
    EXPECT_EQ(ColumnTitle(ColumnSetId::Documents, 2, kSupplementMode), "Supplement number");
    EXPECT_EQ(ColumnTitle(ColumnSetId::Documents, 4, kSupplementMode), "File name");
    // Every title fits the fixed 51-byte fields.
    for (ColumnSetId set : {ColumnSetId::Publications, ColumnSetId::Documents}) {
        for (const ColumnEntry& entry : ColumnSet(set)) {
            EXPECT_LE(std::string(entry.title).size(), 50U);
        }
    }
}

TEST(ColumnSets, CellTextsByKind) {
    PublicationLastInfoRecord publication;
    publication.Publication_ID = 0;
    publication.Binder_count = 12;
    publication.Publication_ID_previous = -3;
    publication.SAP_code = "  DEMO ";
    publication.Colour_print = true;
    publication.Update_status_DT = {2026, 3, 7, 9, 5, 1, true};
    publication.Create_DT = DateTime::Invalid();

    EXPECT_EQ(CellText(publication, 0), "");  // a number 0 is an empty cell
    EXPECT_EQ(CellText(publication, 14), "12");
    EXPECT_EQ(CellText(publication, 30), "-3");
    EXPECT_EQ(CellText(publication, 7), "  DEMO ");
    EXPECT_EQ(CellText(publication, 11), "Yes");
    EXPECT_EQ(CellText(publication, 12), "No");
    EXPECT_EQ(CellText(publication, 28), "07/03/2026 09:05:01");
    EXPECT_EQ(CellText(publication, 29), "Invalid DateTime");
    EXPECT_EQ(CellText(publication, 40), "");
    EXPECT_EQ(CellText(publication, -1), "");

    BinderDocRecord binder;
    binder.BinderDoc_ID = 5;
    binder.Binder_number = 2;
    binder.Annotation_data = "";
    binder.Pdf_version = "1.4";
    SupplementRecord supplement;
    supplement.Supplement_ID = 9;
    supplement.Supplement_number = 4;
    supplement.Pdf_OK = true;
    EXPECT_EQ(CellText(binder, 0), "5");
    EXPECT_EQ(CellText(binder, 2), "2");
    EXPECT_EQ(CellText(binder, 5), "...");
    EXPECT_EQ(CellText(binder, 6), "1.4");
    EXPECT_EQ(CellText(supplement, 0), "9");
    EXPECT_EQ(CellText(supplement, 2), "4");
    EXPECT_EQ(CellText(supplement, 8), "Yes");
}

std::vector<std::string> SortedTexts(std::vector<PublicationLastInfoRecord>& records,
                                     const ColumnLayout& layout, int setIndex) {
    std::vector<const PublicationLastInfoRecord*> rows;
    for (const auto& record : records) {
        rows.push_back(&record);
    }
    SortRows(rows, layout);
    std::vector<std::string> texts;
    for (const auto* row : rows) {
        texts.push_back(CellText(*row, setIndex));
    }
    return texts;
}

TEST(ColumnSets, SortsTextsByteWiseAndNumbersByValue) {
    std::vector<PublicationLastInfoRecord> records(5);
    const char* codes[] = {"apple", "Zebra", "\xe9t\xe9", "Apple", "zoo"};
    const int binders[] = {10, 0, 2, -1, 35};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].Publication_ID = static_cast<int>(5 - i);
        records[i].SAP_code = codes[i];
        records[i].Binder_count = binders[i];
    }
    ColumnLayout layout = DefaultPublicationLayout();  // column 0 is "SAP code", 5 "# Binders"

    // No sort column: by Publication_ID.
    EXPECT_EQ(SortedTexts(records, layout, 7),
              (std::vector<std::string>{"zoo", "Apple", "\xe9t\xe9", "Zebra", "apple"}));
    ClickHeader(layout, 0);
    EXPECT_EQ(SortedTexts(records, layout, 7),
              (std::vector<std::string>{"Apple", "Zebra", "apple", "zoo", "\xe9t\xe9"}));
    ClickHeader(layout, 0);
    EXPECT_EQ(SortedTexts(records, layout, 7),
              (std::vector<std::string>{"\xe9t\xe9", "zoo", "apple", "Zebra", "Apple"}));
    ClickHeader(layout, 5);  // 0 sorts as 0 and shows empty
    EXPECT_EQ(SortedTexts(records, layout, 14),
              (std::vector<std::string>{"-1", "", "2", "10", "35"}));
}

TEST(ColumnSets, ComparesFlagsDatesAndIgnoresAnnotations) {
    PublicationInfoRecord a;
    PublicationInfoRecord b;
    b.Tab_sheets = true;
    EXPECT_LT(CompareRecords(a, b, 12, true), 0);
    EXPECT_GT(CompareRecords(a, b, 12, false), 0);
    a.Create_DT = {2026, 1, 2, 0, 0, 0, true};
    b.Create_DT = {2026, 1, 1, 23, 59, 59, true};
    EXPECT_GT(CompareRecords(a, b, 29, true), 0);
    b.Create_DT = DateTime::Invalid();
    EXPECT_GT(CompareRecords(a, b, 29, true), 0);
    EXPECT_EQ(CompareRecords(a, b, 41, true), 0);

    BinderDocRecord x;
    BinderDocRecord y;
    x.Annotation_data = "b";
    y.Annotation_data = "a";
    EXPECT_EQ(CompareRecords(x, y, 5, true), 0);
    x.Binder_number = 3;
    y.Binder_number = 12;
    EXPECT_LT(CompareRecords(x, y, 2, true), 0);
}

// --- Context menus --------------------------------------------------------

std::vector<int> Commands(const std::vector<ContextMenuItem>& items) {
    std::vector<int> commands;
    for (const auto& item : items) {
        commands.push_back(item.command);
    }
    return commands;
}

ListCommandQuery Available(std::set<int> commands, std::vector<int>* asked = nullptr) {
    return [commands, asked](int command) {
        if (asked != nullptr) {
            asked->push_back(command);
        }
        return commands.count(command) > 0;
    };
}

struct MenuCase {
    const char* name;
    ListClass list;
    ListMenuState state;
    std::set<int> available;
    std::vector<int> shown;  // 0: a separator
};

class ContextMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(ContextMenu, ShowsTheAvailableItems) {
    const MenuCase& c = GetParam();
    EXPECT_EQ(Commands(ListContextMenu(c.list, c.state, Available(c.available))), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ContextMenu,
    ::testing::Values(MenuCase{"ManagerFirstOfEachPair",
                               ListClass::Publications,
                               {0, 3, 1},
                               {40025, 40027, 40028, 40029, 40031, 40032, 40035},
                               {40025, 0, 40027, 40029, 0, 40031, 0, 40035}},
                      MenuCase{"ManagerSecondOfEachPair",
                               ListClass::Publications,
                               {0, 3, 1},
                               {40028, 40030, 40032, 40034},
                               {40028, 40030, 0, 40032, 40034}},
                      MenuCase{"ManagerNothing", ListClass::Publications, {0, 0, 0}, {}, {}},
                      MenuCase{"BinderModeHasNoDiscard",
                               ListClass::Documents,
                               {kBinderMode, 4, 1},
                               {40037, 40038, 40042, 40045, 40046, 40047, 40048},
                               {40037, 0, 40042, 0, 40040, 40041}},
                      MenuCase{"SupplementModeDiscards",
                               ListClass::Documents,
                               {kSupplementMode, 1, 1},
                               {40038, 40045},
                               {40038, 0, 40045, 0, 40040}},
                      MenuCase{"TwoSelectedAskBothPdfStates",
                               ListClass::Documents,
                               {kBinderMode, 2, 2},
                               {40037, 40038, 40039},
                               {40037, 40038, 0, 40039, 0, 40040}},
                      MenuCase{"OverviewNeverMoves",
                               ListClass::Overview,
                               {0, 5, 0},
                               {40010, 40011, 40013, 40014},
                               {40013, 40014, 0, 40002}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContextMenu, SeveralSelectedDocumentsArePlural) {
    const std::set<int> all = {40042, 40043, 40055};
    const auto titles = [&](int selected) {
        std::map<int, std::string> byCommand;
        for (const auto& item :
             ListContextMenu(ListClass::Documents, {kBinderMode, 3, selected}, Available(all))) {
            byCommand[item.command] = item.title;
        }
        return byCommand;
    };
    EXPECT_EQ(titles(1)[40042], "&Open selected document");
    EXPECT_EQ(titles(2)[40042], "&Open selected documents");
    EXPECT_EQ(titles(2)[40043], "&Print selected documents");
    EXPECT_EQ(titles(2)[40055], "Searc&h in selected documents...");
}

TEST(ContextMenu, TheChooserChecksTheShownColumns) {
    const auto items =
        ColumnChooserMenu(ColumnSetId::Documents, DefaultDocumentLayout(), kSupplementMode);
    ASSERT_EQ(items.size(), 10U);
    EXPECT_EQ(items[0], (ContextMenuItem{32800, "Supplement ID", false}));
    EXPECT_EQ(items[2], (ContextMenuItem{32802, "Supplement number", true}));
    EXPECT_EQ(items[9], (ContextMenuItem{32809, "User ID", false}));
    EXPECT_EQ(ColumnChooserMenu(ColumnSetId::Publications, DefaultPublicationLayout(), 0).size(),
              40U);
    EXPECT_EQ(ColumnsChangedCommand(ColumnSetId::Publications), 40036);
    EXPECT_EQ(ColumnsChangedCommand(ColumnSetId::Documents), 40049);
}

// --- Keys -------------------------------------------------------------------

struct KeyRun {
    std::vector<int> asked;
    std::vector<int> executed;
    int selectAll = 0;
    int clear = 0;

    ListKeyHandlers Handlers(std::set<int> available) {
        return {Available(available, &asked), [this](int command) { executed.push_back(command); },
                [this] { ++selectAll; }, [this] { ++clear; }};
    }
};

TEST(ListKeys, DeleteInASupplementListDiscardsButCtrlDeleteDoesNot) {
    const std::optional<int> code = DeleteKeyCode(ListClass::Documents, false);
    ASSERT_EQ(code, 4);
    KeyRun run;
    EXPECT_TRUE(
        HandleControlCode(ListClass::Documents, *code, {1, 1, false, true}, run.Handlers({4})));
    EXPECT_EQ(run.asked, std::vector<int>{4});
    EXPECT_EQ(run.executed, std::vector<int>{40045});

    KeyRun ctrl;
    EXPECT_FALSE(
        HandleControlCode(ListClass::Documents, *code, {1, 1, true, true}, ctrl.Handlers({4})));
    EXPECT_TRUE(ctrl.asked.empty());
    EXPECT_TRUE(ctrl.executed.empty());
}

TEST(ListKeys, ControlCodesOfTheClasses) {
    KeyRun run;
    const ListKeyState ctrl{3, 1, true, false};
    EXPECT_TRUE(HandleControlCode(ListClass::Documents, 16, ctrl, run.Handlers({16})));
    EXPECT_TRUE(HandleControlCode(ListClass::Documents, 18, ctrl, run.Handlers({})));
    EXPECT_FALSE(HandleControlCode(ListClass::Documents, 3, ctrl, run.Handlers({3})));
    EXPECT_FALSE(HandleControlCode(ListClass::Publications, 4, ctrl, run.Handlers({4})));
    EXPECT_TRUE(HandleControlCode(ListClass::Overview, 8, ctrl, run.Handlers({})));
    EXPECT_EQ(run.executed, (std::vector<int>{40043, kSwitchToEditMode}));
    EXPECT_EQ(run.asked, (std::vector<int>{16, 18}));

    EXPECT_TRUE(HandleControlCode(ListClass::Publications, 1, ctrl, run.Handlers({})));
    EXPECT_TRUE(HandleControlCode(ListClass::Publications, 5, ctrl, run.Handlers({})));
    EXPECT_TRUE(
        HandleControlCode(ListClass::Publications, 1, {3, 3, true, false}, run.Handlers({})));
    EXPECT_EQ(run.selectAll, 1);
    EXPECT_EQ(run.clear, 1);
    EXPECT_FALSE(
        HandleControlCode(ListClass::Documents, 16, {3, 1, false, false}, run.Handlers({16})));

    EXPECT_EQ(DeleteKeyCode(ListClass::Overview, true), 24);
    EXPECT_EQ(DeleteKeyCode(ListClass::Publications, false), std::nullopt);
    EXPECT_EQ(OtherKeyAction(ListClass::Publications, ListKey::F5, false).command, 40035);
    EXPECT_EQ(OtherKeyAction(ListClass::Overview, ListKey::Insert, true).code, 22);
    EXPECT_EQ(OtherKeyAction(ListClass::EditMode, ListKey::Insert, false).code, 9);
    EXPECT_EQ(OtherKeyAction(ListClass::Overview, ListKey::Insert, false).code, std::nullopt);
}

}  // namespace
}  // namespace lumar
