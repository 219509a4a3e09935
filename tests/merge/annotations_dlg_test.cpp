// The document annotations dialog's model: tab sheets and colours of a
// supplement's or a binder's page pairs collected as update data and
// written into the PDF by Update, against the reference service.

#include <gtest/gtest.h>

#include "config/settings_store.h"
#include "editor_fixture.h"

namespace lumar::testing {
namespace {

using Dlg = CAnnotationsDlg;

class AnnotationsDlgTest : public EditorFixture {
protected:
    std::unique_ptr<Dlg> Open(std::int32_t binder, bool readOnly = false) {
        AnnotationsDlgInputs inputs = AnnotationsInputs(binder);
        inputs.readOnly = readOnly;
        auto dialog = std::make_unique<Dlg>(std::move(inputs));
        dialog->OnInitDialog(nullptr);
        return dialog;
    }

    std::filesystem::path supplementPath() const { return supplements / supplementFile; }
};

TEST_F(AnnotationsDlgTest, ToggleWritesOneLinePerRunAndUpdateWritesThePdf) {
    PublicationSetup setup;
    setup.supplementPages = 16;
    CreatePublication(setup);
    auto dialog = Open(0);
    ASSERT_EQ(dialog->Rows().size(), 8u);
    EXPECT_FALSE(dialog->ShowsBinder());
    EXPECT_TRUE(dialog->BinderChoices().empty());
    EXPECT_FALSE(dialog->UpdateEnabled());

    dialog->SetSelection({1, 2, 6});  // pairs 2, 3 and 7
    EXPECT_EQ(dialog->StatusText(), "Items selected:        6");
    EXPECT_FALSE(dialog->IsChecked(Dlg::kIdToggleTabsheet));
    ASSERT_TRUE(dialog->Execute(Dlg::kIdToggleTabsheet));
    EXPECT_EQ(dialog->WorkingCopy(), "(0)binder\r\n(2,3,1)SetTabsheet\r\n(7,7,1)SetTabsheet\r\n");
    EXPECT_EQ(dialog->Rows()[1].tabsheet, true);
    EXPECT_EQ(dialog->Rows()[6].tabsheet, true);
    EXPECT_TRUE(dialog->IsChanged());
    EXPECT_TRUE(dialog->UpdateEnabled());

    // Pair 1 is no tab sheet, pair 2 is one now: they cannot be toggled together.
    dialog->SetSelection({0, 1});
    EXPECT_FALSE(dialog->IsEnabled(Dlg::kIdToggleTabsheet));
    dialog->SetSelection({1});
    EXPECT_TRUE(dialog->IsChecked(Dlg::kIdToggleTabsheet));

    boxes.answerNext(MessageAnswer::Ok);
    ASSERT_TRUE(dialog->OnUpdate()) << ::testing::PrintToString(notes());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Update document(s)");
    EXPECT_EQ(boxes.shown()[0].text, "Are you sure?");
    EXPECT_EQ(dialog->StoredCopy(), dialog->WorkingCopy());

    const std::vector<std::string> pages = PageTexts(supplementPath());
    ASSERT_EQ(pages.size(), 16u);
    for (int page = 1; page <= 16; ++page) {
        const bool tab = (page >= 3 && page <= 6) || page == 13 || page == 14;
        EXPECT_EQ(pages[page - 1].find("TABSHEET=\"true\"") != std::string::npos, tab) << page;
    }
}

TEST_F(AnnotationsDlgTest, UnspecifiedColourRemovesColourAndColor) {
    PublicationSetup setup;
    setup.tag = [](int binder, int page) {
        if (binder != 0) {
            return std::string();
        }
        return page <= 2 ? std::string("COLOR=Yellow") : std::string("COLOUR=Blue");
    };
    CreatePublication(setup);
    auto dialog = Open(0);
    EXPECT_EQ(dialog->Rows()[0].colour, "yellow");
    EXPECT_EQ(dialog->RowColour(1), 153u + 204u * 256u + 255u * 65536u);

    dialog->SetSelection({0, 1});
    colours.row = 0;  // "Unspecified"
    ASSERT_TRUE(dialog->Execute(Dlg::kIdSelectColour));
    EXPECT_EQ(colours.currents, std::vector<std::string>{""});  // the colours differ
    EXPECT_EQ(colours.initialRow, std::nullopt);
    EXPECT_EQ(dialog->WorkingCopy(), "(0)binder\r\n(1,2,)SetColour\r\n");
    EXPECT_EQ(dialog->Rows()[0].colour, "");

    // Cancel offers to update first.
    boxes.answerNext(MessageAnswer::Yes);
    ASSERT_TRUE(dialog->OnCancel()) << ::testing::PrintToString(notes());
    EXPECT_EQ(boxes.shown().back().title, "Update data present!");
    EXPECT_EQ(boxes.shown().back().text, "Update before close?");
    EXPECT_EQ(boxes.shown().back().defaultButton, 2);
    const std::vector<std::string> pages = PageTexts(supplementPath());
    ASSERT_EQ(pages.size(), 8u);
    for (int page = 0; page < 4; ++page) {
        EXPECT_EQ(pages[page].find("COLO"), std::string::npos) << pages[page];
    }
    EXPECT_NE(pages[4].find("COLOUR=Blue"), std::string::npos);
}

TEST_F(AnnotationsDlgTest, ColourDialogOpensOnTheCommonColour) {
    PublicationSetup setup;
    setup.tag = [](int, int) { return std::string("COLOUR=yellow"); };
    CreatePublication(setup);
    auto dialog = Open(0);
    dialog->SetSelection({2, 3});
    colours.row.reset();  // Cancel
    ASSERT_TRUE(dialog->Execute(Dlg::kIdSelectColour));
    EXPECT_EQ(colours.currents, std::vector<std::string>{"yellow"});
    EXPECT_EQ(colours.initialRow, 2);  // Yellow, matched ignoring case
    EXPECT_EQ(dialog->WorkingCopy(), "");

    colours.row = 5;  // Pink
    ASSERT_TRUE(dialog->Execute(Dlg::kIdSelectColour));
    EXPECT_EQ(dialog->WorkingCopy(), "(0)binder\r\n(3,4,Pink)SetColour\r\n");
    EXPECT_EQ(dialog->Rows()[2].colour, "pink");
}

TEST_F(AnnotationsDlgTest, BinderUpdateKeepsItsPagesAndIsRegistered) {
    CreatePublication({});
    auto dialog = Open(2);
    EXPECT_TRUE(dialog->ShowsBinder());
    EXPECT_EQ(dialog->BinderChoices(),
              (std::vector<std::string>{"Binder 1", "Binder 2", "Binder 3"}));
    EXPECT_EQ(dialog->DocFile(), binderFiles[1]);
    dialog->ChooseBinder(3);
    EXPECT_EQ(dialog->DocFile(), binderFiles[2]);
    EXPECT_EQ(dialog->Rows()[0].text, "b3p01\nb3p02");

    dialog->SetSelection({4});
    ASSERT_TRUE(dialog->Execute(Dlg::kIdToggleTabsheet));
    EXPECT_EQ(dialog->WorkingCopy(), "(3)binder\r\n(5,5,1)SetTabsheet\r\n");
    EXPECT_TRUE(dialog->OnOK());  // kept, not applied
    EXPECT_EQ(dialog->StoredCopy(), dialog->WorkingCopy());
    EXPECT_EQ(PageTexts(binder(binderFiles[2])).back(), "b3p10");

    ASSERT_TRUE(dialog->OnUpdate()) << ::testing::PrintToString(notes());
    EXPECT_TRUE(boxes.shown().empty());  // stored already: no question
    EXPECT_EQ(PageTexts(binder(binderFiles[2])).back(), "b3p10 <<#TABSHEET=\"true\"#>>");
    for (const BinderDocRecord& record : registeredBinders(publicationId)) {
        if (record.Binder_number == 3) {
            EXPECT_NE(record.Annotation_data.find("b3p10 <<#TABSHEET=\"true\"#>>"),
                      std::string::npos);
        }
    }
}

TEST_F(AnnotationsDlgTest, ApplyUpdateDataRunsWithoutQuestions) {
    CreatePublication({});
    auto dialog = Open(0);
    EXPECT_TRUE(dialog->ApplyUpdateData("(0)binder\r\n(1,1,1)SetTabsheet\r\n"))
        << ::testing::PrintToString(notes());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(PageTexts(supplementPath()).front(), "s01 <<#TABSHEET=\"true\"#>>");

    // Data the dialog cannot take is refused with the parser's message.
    EXPECT_FALSE(dialog->ApplyUpdateData("(0)binder\r\n(1,1)Delete\r\n"));
    ASSERT_FALSE(boxes.shown().empty());
    EXPECT_EQ(boxes.shown().back().title, "Update data");
}

TEST_F(AnnotationsDlgTest, ReadOnlyShowsThePairsButOffersNoChange) {
    CreatePublication({});
    auto dialog = Open(0, true);
    ASSERT_EQ(dialog->Rows().size(), 4u);
    dialog->SetSelection({0});
    EXPECT_FALSE(dialog->IsEnabled(Dlg::kIdToggleTabsheet));
    EXPECT_FALSE(dialog->IsEnabled(Dlg::kIdSelectColour));
    EXPECT_TRUE(dialog->IsEnabled(Dlg::kIdSelectAll));
    EXPECT_FALSE(dialog->UpdateEnabled());
    EXPECT_FALSE(dialog->OnUpdate());
    EXPECT_FALSE(dialog->ApplyUpdateData("(0)binder\r\n(1,1,1)SetTabsheet\r\n"));
    EXPECT_EQ(PageTexts(supplementPath()).front(), "s01");
    EXPECT_TRUE(dialog->OnCancel());
}

TEST_F(AnnotationsDlgTest, MissingRecordLeavesTheListEmpty) {
    CreatePublication({});
    AnnotationsDlgInputs inputs = AnnotationsInputs(2);
    inputs.binderDocuments.clear();
    Dlg dialog(std::move(inputs));
    dialog.OnInitDialog(nullptr);
    EXPECT_TRUE(dialog.Rows().empty());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Document annotations");
    EXPECT_EQ(boxes.shown()[0].text, "Missing binder record!");
    EXPECT_FALSE(dialog.IsEnabled(Dlg::kIdSelectColour));
}

}  // namespace
}  // namespace lumar::testing

namespace lumar::testing {
namespace {

// The merge data editor and the document annotations dialog keep one
// placement, the colour dialog its own.
TEST_F(AnnotationsDlgTest, PlacementIsSharedWithTheMergeDataEditor) {
    WindowPlacement placement;
    EXPECT_FALSE(CAnnotationsDlg::ReadPlacement(placement));
    WindowPlacement written;
    written.flags = 2;
    written.showCmd = 1;
    written.rcNormalPosition = {10, 20, 610, 420};
    CMergeDataDlg::WritePlacement(written);
    ASSERT_TRUE(CAnnotationsDlg::ReadPlacement(placement));
    written.length = WindowPlacement::kLength;
    EXPECT_EQ(placement, written);
    EXPECT_FALSE(ReadWindowPlacement("Dialogs", CColourDlg::kPlacementName, placement));
}

}  // namespace
}  // namespace lumar::testing
