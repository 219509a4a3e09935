// Adding a supplement: the proposed number and its dialog, the checks of the
// active document, and storing it through the details dialog in add mode.

#include "manager/add_supplement.h"

#include <filesystem>
#include <string>

#include "fixtures/pdf_builder.h"
#include "manager/manager_commands.h"
#include "manager/publication_details_dlg.h"
#include "manager/supplement_number_dlg.h"
#include "manager_fixture.h"
#include "platform/host/document_view.h"
#include "platform/pdf/document.h"
#include "service/ws_client.h"
#include "ui/modal_dialog.h"

namespace lumar::testing {
namespace {

TEST(SupplementNumberDlg, ProposesNumberAndNextWithNextSelected) {
    CSupplementNumberDlg dialog(4);
    EXPECT_EQ(dialog.NoIncrementText(), "4 (no increment)");
    EXPECT_EQ(dialog.IncrementText(), "5 (do increment)");
    EXPECT_TRUE(dialog.IncrementChecked());
    EXPECT_FALSE(dialog.NoIncrementChecked());
    dialog.OnOK();
    EXPECT_EQ(dialog.RecordedChoice(), CSupplementNumberDlg::kIncrement);
    EXPECT_EQ(dialog.ChosenNumber(), 5);

    dialog.CheckNoIncrement();
    dialog.OnOK();
    EXPECT_EQ(dialog.RecordedChoice(), CSupplementNumberDlg::kNoIncrement);
    EXPECT_EQ(dialog.ChosenNumber(), 4);
}

// A publication with two binders, locked for supplement work by the editor.
class AddSupplement : public ManagerFixture {
protected:
    void SetUp() override {
        ManagerFixture::SetUp();
        publication = CreatePublication("SUP");
        const std::int32_t producer = ServiceUser("producer");
        WSIdResult locked;
        ASSERT_TRUE(CWSClient().PublicationLock({producer, publication}, locked));
        LoadBinders(publication, producer, {"Sup1H012.pdf", "Sup2H012.pdf"});
        ASSERT_TRUE(CWSClient().PublicationUnlock({producer, publication}, locked));
        editor = LogOnAs("editor");
        ASSERT_TRUE(CWSClient().PublicationLock({editor, publication}, locked)) << locked.Message;
        ASSERT_EQ(Latest(publication).Update_status_ID, 2);
        previous_ = SetPresenter<CSupplementNumberDlg>([this](CSupplementNumberDlg& dialog, void*) {
            offered.push_back(dialog.NoIncrementText() + " / " + dialog.IncrementText());
            if (noIncrement) {
                dialog.CheckNoIncrement();
            }
            dialog.OnOK();
            return numberAnswer;
        });
    }
    void TearDown() override {
        SetPresenter<CSupplementNumberDlg>(previous_);
        ManagerFixture::TearDown();
    }

    std::int32_t publication = 0;
    std::int32_t editor = 0;
    std::vector<std::string> offered;
    bool noIncrement = false;
    int numberAnswer = kIdOk;

private:
    ModalPresenter<CSupplementNumberDlg> previous_;
};

TEST_F(AddSupplement, ProposesTheNumberOfBinderOnesFile) {
    EXPECT_EQ(ProposedSupplementNumber(Latest(publication)), 12);
    PublicationLastInfoRecord merged = Latest(publication);
    merged.Supplement_number_done = 4;
    EXPECT_EQ(ProposedSupplementNumber(merged), 4);
}

TEST_F(AddSupplement, StoresTheActiveDocumentWithTheNextNumber) {
    WritePdf(sources / "Sup_S13.pdf", 8);
    Show(sources / "Sup_S13.pdf");
    OpenManagerOn(publication);
    ASSERT_TRUE(manager.ButtonEnabled(kIdcAddSupplement));
    manager.OnMenuChar('s');  // Alt+S: add supplement (none yet)

    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0], "12 (no increment) / 13 (do increment)");
    EXPECT_EQ(harness.responder.pendingAnswers(), 0u);
    const std::vector<SupplementRecord> stored = Supplements(publication);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Supplement_number, 13);
    EXPECT_EQ(stored[0].Page_count, 8);
    EXPECT_EQ(stored[0].Doc_file, "Sup_S13.pdf");
    EXPECT_NE(stored[0].Annotation_data.find("Sup_S13 page 8"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(supplements / "Sup_S13.pdf"));
    // The row shows the new supplement: its details are offered now.
    EXPECT_NE(manager.Selected()->Supplement_ID_next, 0);
    EXPECT_TRUE(manager.ButtonEnabled(kIdcSupplementDetails));
    EXPECT_FALSE(manager.ButtonEnabled(kIdcAddSupplement));
}

// The PDF check's report of a stored document lies beside the stored copy;
// the folder the user took the document from gets nothing.
TEST_F(AddSupplement, PdfReportGoesBesideTheStoredCopy) {
    WritePdf(sources / "Sup_S13.pdf", 4);
    Show(sources / "Sup_S13.pdf");
    OpenManagerOn(publication);
    lumar::AddSupplement(manager, CSupplementNumberDlg::kIncrement);
    ASSERT_EQ(Supplements(publication).size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(supplements / "Sup_S13.pdf"));
    EXPECT_TRUE(std::filesystem::exists(supplements / "Sup_S13.pdf_report.txt"));
    EXPECT_FALSE(std::filesystem::exists(sources / "Sup_S13.pdf_report.txt"));
}

TEST_F(AddSupplement, NoIncrementKeepsTheProposedNumber) {
    WritePdf(sources / "Sup_S12.pdf", 4);
    Show(sources / "Sup_S12.pdf");
    OpenManagerOn(publication);
    lumar::AddSupplement(manager, CSupplementNumberDlg::kNoIncrement);
    EXPECT_TRUE(offered.empty());  // a given choice shows no dialog
    const std::vector<SupplementRecord> stored = Supplements(publication);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Supplement_number, 12);
}

TEST_F(AddSupplement, CancelledNumberStoresNothing) {
    WritePdf(sources / "Sup_S13.pdf", 4);
    Show(sources / "Sup_S13.pdf");
    OpenManagerOn(publication);
    numberAnswer = kIdCancel;
    manager.ClickButton(kIdcAddSupplement);
    EXPECT_EQ(offered.size(), 1u);
    EXPECT_TRUE(Supplements(publication).empty());
}

TEST_F(AddSupplement, DocumentsThatCannotBeStored) {
    OpenManagerOn(publication);
    lumar::AddSupplement(manager);
    WritePdf(sources / "Odd.pdf", 7);
    Show(sources / "Odd.pdf");
    lumar::AddSupplement(manager);
    fixtures::PdfBuilder().pages(4).dataAnnotation(0, "only one").write(sources / "Bare.pdf");
    Show(sources / "Bare.pdf");
    harness.responder.answerNext(1);  // "Replace aborted!": Close
    lumar::AddSupplement(manager);

    ASSERT_EQ(Notes().size(), 2u);
    EXPECT_EQ(Notes()[0], "Open a PDF first");
    EXPECT_EQ(Notes()[1], "The document has an odd number of pages!");
    EXPECT_EQ(harness.responder.messages().back().text,
              "Replace aborted!\r\n\r\nNo annotations for Lumar found on these pages: 2, 3, 4.");
    EXPECT_EQ(offered.size(), 1u);  // only the last one got as far as the number
    EXPECT_TRUE(Supplements(publication).empty());
}

TEST_F(AddSupplement, UnsavedChangesMustBeSavedFirst) {
    WritePdf(sources / "Sup_S13.pdf", 6);
    host::DocumentView* view = Show(sources / "Sup_S13.pdf");
    view->document()->deletePages(4, 5);
    OpenManagerOn(publication);
    lumar::AddSupplement(manager);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0], "The document needs to be saved first...");
}

}  // namespace
}  // namespace lumar::testing
