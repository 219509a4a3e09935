// The details dialog's model against the reference service: its modes and
// buttons, the modified flag, OK's checks, the document commands.

#include "manager/publication_details_dlg.h"

#include <filesystem>
#include <string>
#include <vector>

#include "manager/editor_launcher.h"
#include "manager_fixture.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/modal_dialog.h"

namespace lumar::testing {
namespace {

// Records what the editors were opened with.
class RecordingLauncher : public EditorLauncher {
public:
    RecordingLauncher() : previous_(SetEditorLauncher(this)) {}
    ~RecordingLauncher() override { SetEditorLauncher(previous_); }
    RecordingLauncher(const RecordingLauncher&) = delete;
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    int EditMergeData(MergeDataEditorRequest& request) override {
        mergeRequests.push_back(request);
        supplementNumbers.push_back(request.supplement->Supplement_number);
        return kIdCancel;
    }
    int EditAnnotations(AnnotationsEditorRequest& request) override {
        annotationRequests.push_back(request);
        return kIdCancel;
    }

    std::vector<MergeDataEditorRequest> mergeRequests;
    std::vector<std::int32_t> supplementNumbers;
    std::vector<AnnotationsEditorRequest> annotationRequests;

private:
    EditorLauncher* previous_;
};

// A publication of three binders, locked for supplement work by `holder`.
class DetailsDlg : public ManagerFixture {
protected:
    void Prepare(const std::string& holderLogin, const std::string& userLogin) {
        publication = CreatePublication("DET");
        const std::int32_t producer = ServiceUser("producer");
        WSIdResult result;
        ASSERT_TRUE(CWSClient().PublicationLock({producer, publication}, result));
        LoadBinders(publication, producer, {"Det1H001.pdf", "Det2H001.pdf", "Det3H001.pdf"});
        ASSERT_TRUE(CWSClient().PublicationUnlock({producer, publication}, result));
        const std::int32_t holder = ServiceUser(holderLogin);
        ASSERT_TRUE(CWSClient().PublicationLock({holder, publication}, result)) << result.Message;
        LogOnAs(userLogin);
        record = Latest(publication);
    }

    void Open(CPublicationDetailsDlg& dialog, bool supplementMode, bool readOnly) {
        dialog.SetRecord(&record);
        dialog.SetSupplementMode(supplementMode);
        dialog.SetReadOnly(readOnly);
        dialog.OnInitDialog();
    }

    std::int32_t publication = 0;
    PublicationLastInfoRecord record;
};

TEST_F(DetailsDlg, PrintAndSearchButtonsCountTheSelection) {
    Prepare("editor", "editor");
    CPublicationDetailsDlg dialog;
    Open(dialog, false, true);
    ASSERT_EQ(dialog.DocumentCount(), 3);
    const struct {
        std::vector<int> rows;
        const char* print;
        const char* search;
    } cases[] = {
        {{}, "Print...", "Search..."},
        {{1}, "Print... (1)", "Search... (1)"},
        {{0, 2}, "Print (2)", "Search... (2)"},
        {{0, 1, 2}, "Print (3)", "Search... (3)"},
    };
    for (const auto& c : cases) {
        dialog.SelectRows(c.rows);
        EXPECT_EQ(dialog.PrintText(), c.print);
        EXPECT_EQ(dialog.SearchText(), c.search);
        EXPECT_EQ(dialog.PrintEnabled(), !c.rows.empty());
        EXPECT_EQ(dialog.PrintToolTip(), c.rows.empty() ? "No item(s) selected" : "");
    }
}

TEST_F(DetailsDlg, ModesDecideTitlesAndButtons) {
    Prepare("supervisor", "supervisor");
    CPublicationDetailsDlg binders;
    Open(binders, false, false);
    EXPECT_EQ(binders.Title(), "Details");
    EXPECT_EQ(binders.GroupTitle(), "Binder details");
    EXPECT_TRUE(binders.OkVisible());
    EXPECT_EQ(binders.CancelText(), "Cancel");
    EXPECT_TRUE(binders.ResetVisible());
    EXPECT_EQ(binders.BindersOkText(), "3 / 3");
    EXPECT_EQ(binders.PagesText(), "12");
    EXPECT_EQ(binders.MergedSupplementText(), "");

    CPublicationDetailsDlg supplements;
    Open(supplements, true, false);
    EXPECT_EQ(supplements.Title(), "Supplement details");
    EXPECT_FALSE(supplements.OkVisible());
    EXPECT_EQ(supplements.CancelText(), "Close");
    EXPECT_FALSE(supplements.ResetVisible());
    PublicationForm typed = supplements.Controls();
    typed.description = "typed";
    supplements.SetControls(typed);
    EXPECT_EQ(supplements.Controls().description, record.Description);
    EXPECT_FALSE(supplements.Modified());
}

TEST_F(DetailsDlg, ModifiedFollowsTheControlsAndResetRestores) {
    Prepare("supervisor", "supervisor");
    CPublicationDetailsDlg dialog;
    Open(dialog, false, false);
    EXPECT_FALSE(dialog.ResetEnabled());
    PublicationForm form = dialog.Controls();
    form.description += " and more";
    dialog.SetControls(form);
    EXPECT_TRUE(dialog.Modified());
    EXPECT_TRUE(dialog.ResetEnabled());
    form.description = record.Description;  // typed back
    dialog.SetControls(form);
    EXPECT_FALSE(dialog.ResetEnabled());

    form.maxPageCount = "0000";  // the same number
    dialog.SetControls(form);
    EXPECT_FALSE(dialog.Modified());
    form.tabSheets = !form.tabSheets;
    dialog.SetControls(form);
    EXPECT_TRUE(dialog.Modified());
    dialog.OnReset();
    EXPECT_FALSE(dialog.Modified());
    EXPECT_EQ(dialog.Controls(), dialog.FormValues());
}

TEST_F(DetailsDlg, OkRefusesPageCountsOutOfRangeWithoutTouchingTheRecord) {
    Prepare("supervisor", "supervisor");
    CPublicationDetailsDlg dialog;
    Open(dialog, false, false);
    PublicationForm form = dialog.Controls();
    form.maxPageCount = "1000000";
    form.description = "refused";
    dialog.SetControls(form);
    dialog.OnOK();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Please enter an integer between 0 and 999999.");
    EXPECT_FALSE(dialog.EndResult());
    EXPECT_NE(record.Description, "refused");
    EXPECT_FALSE(dialog.Changed());

    form.maxPageCount = "999999";
    form.languageId = CPublicationDetailsDlg::LanguageEntries().back().id;
    dialog.SetControls(form);
    dialog.OnOK();
    EXPECT_EQ(dialog.EndResult(), kIdOk);
    EXPECT_TRUE(dialog.Changed());
    EXPECT_EQ(record.Max_page_count_per_binder, 999999);
    EXPECT_EQ(record.Description, "refused");
    EXPECT_EQ(record.Language_ID, form.languageId);
}

TEST_F(DetailsDlg, CancelWritesNothingBackCloseEndsWithOk) {
    Prepare("supervisor", "supervisor");
    CPublicationDetailsDlg editable;
    Open(editable, false, false);
    PublicationForm form = editable.Controls();
    form.remarks = "not kept";
    editable.SetControls(form);
    editable.OnCancel();
    EXPECT_EQ(editable.EndResult(), kIdCancel);
    EXPECT_NE(record.Remarks, "not kept");
    EXPECT_FALSE(editable.Changed());

    CPublicationDetailsDlg readOnly;
    Open(readOnly, false, true);
    readOnly.OnCancel();
    EXPECT_EQ(readOnly.EndResult(), kIdOk);
    EXPECT_FALSE(readOnly.Changed());
}

TEST_F(DetailsDlg, UnknownLookupIdShowsTheFirstEntry) {
    Prepare("supervisor", "supervisor");
    record.Printing_ID = 999;
    CPublicationDetailsDlg dialog;
    Open(dialog, false, false);
    const std::int32_t first = CPublicationDetailsDlg::PrintingEntries().front().id;
    EXPECT_EQ(dialog.Controls().printingId, first);
    EXPECT_FALSE(dialog.Modified());
    dialog.OnOK();
    EXPECT_EQ(record.Printing_ID, first);
}

TEST_F(DetailsDlg, PdfStatusIsOfferedOnlyWhereItChanges) {
    Prepare("editor", "editor");
    CPublicationDetailsDlg dialog;
    Open(dialog, false, false);
    dialog.SelectRows({0, 2});
    EXPECT_FALSE(dialog.CommandAvailable(kCmdSetPdfStatusOk));
    ASSERT_TRUE(dialog.CommandAvailable(kCmdSetPdfStatusNotOk));
    dialog.ListCommand(kCmdSetPdfStatusNotOk);
    EXPECT_TRUE(dialog.Changed());
    EXPECT_TRUE(Notes().empty());
    int notOk = 0;
    for (const BinderDocRecord& binder : Binders(publication)) {
        notOk += binder.Pdf_OK ? 0 : 1;
    }
    EXPECT_EQ(notOk, 2);
    // The selection survives the refill.
    EXPECT_EQ(dialog.SelectedRows(), (std::vector<int>{0, 2}));
    EXPECT_TRUE(dialog.CommandAvailable(kCmdSetPdfStatusOk));
    EXPECT_FALSE(dialog.CommandAvailable(kCmdSetPdfStatusNotOk));
    dialog.SelectRows({1});
    EXPECT_FALSE(dialog.CommandAvailable(kCmdSetPdfStatusOk));
}

TEST_F(DetailsDlg, OtherUsersAndReadersGetNoDocumentChanges) {
    Prepare("producer", "editor");
    CPublicationDetailsDlg dialog;
    Open(dialog, false, true);
    dialog.SelectRows({0});
    for (int command :
         std::initializer_list<int>{kCmdSetPdfStatusOk, kCmdSetPdfStatusNotOk, kCmdReplaceDocument,
                                    kCmdDiscardSupplement, kCmdCheckDocument}) {
        EXPECT_FALSE(dialog.CommandAvailable(command)) << command;
    }
    for (int command :
         std::initializer_list<int>{kCmdViewAnnotations, kCmdOpenDocument, kCmdPrintDocument,
                                    kCmdSearchDocument, 15, 16, 8}) {
        EXPECT_TRUE(dialog.CommandAvailable(command)) << command;
    }
    LogOnAs("reader");
    EXPECT_FALSE(dialog.CommandAvailable(kCmdPrintDocument));
    EXPECT_TRUE(dialog.CommandAvailable(kCmdOpenDocument));
}

TEST_F(DetailsDlg, ViewAnnotationsOpensTheBinderViewOfTheEditor) {
    Prepare("producer", "producer");
    RecordingLauncher launcher;
    CPublicationDetailsDlg dialog;
    Open(dialog, false, false);
    dialog.SelectRows({1});
    dialog.OnDoubleClick(true);
    ASSERT_EQ(launcher.mergeRequests.size(), 1u);
    const MergeDataEditorRequest& request = launcher.mergeRequests[0];
    EXPECT_EQ(launcher.supplementNumbers[0], -1);
    EXPECT_EQ(request.firstBinder, dialog.BinderDocuments()[1].Binder_number);
    EXPECT_FALSE(request.readOnly);  // level 4, held, no merge data
    EXPECT_FALSE(dialog.Changed());

    LogOnAs("editor");
    dialog.ListCommand(kCmdViewAnnotations);
    ASSERT_EQ(launcher.mergeRequests.size(), 2u);
    EXPECT_TRUE(launcher.mergeRequests[1].readOnly);
}

TEST_F(DetailsDlg, ViewAnnotationsShowsTheFirstSelectedBinderFromTheTopRow) {
    Prepare("producer", "producer");
    RecordingLauncher launcher;
    CPublicationDetailsDlg dialog;
    Open(dialog, false, false);
    ASSERT_EQ(dialog.DocumentCount(), 3);
    // Rows 0 and 2 selected: the list scrolled to row 1 shows row 2 first;
    // scrolled past every selected row, the first selected row counts.
    const struct {
        int topRow;
        int expectedRow;
    } cases[] = {{0, 0}, {1, 2}, {2, 2}};
    for (const auto& c : cases) {
        dialog.SelectRows({0, 2});
        dialog.SetTopRow(c.topRow);
        EXPECT_EQ(dialog.TopRow(), c.topRow);
        dialog.ListCommand(kCmdViewAnnotations);
        ASSERT_FALSE(launcher.mergeRequests.empty());
        EXPECT_EQ(launcher.mergeRequests.back().firstBinder,
                  dialog.BinderDocuments()[c.expectedRow].Binder_number)
            << "top row " << c.topRow;
    }
    dialog.SelectRows({0});
    dialog.SetTopRow(2);
    dialog.ListCommand(kCmdViewAnnotations);
    EXPECT_EQ(launcher.mergeRequests.back().firstBinder, dialog.BinderDocuments()[0].Binder_number);
    // A row past the list is held to its last row.
    dialog.SetTopRow(7);
    EXPECT_EQ(dialog.TopRow(), 2);
}

TEST_F(DetailsDlg, OpenShowsTheSelectedDocumentsFromTheirFolder) {
    Prepare("editor", "editor");
    WritePdf(binders / "Det2H001.pdf", 4);
    CPublicationDetailsDlg dialog;
    Open(dialog, false, false);
    dialog.SelectRows({0, 1});  // Det1H001.pdf is missing: skipped quietly
    dialog.ListCommand(15);
    EXPECT_EQ(harness.headless.ui().viewCount(), 1u);
    EXPECT_TRUE(Notes().empty());
}

TEST_F(DetailsDlg, ReplaceStoresTheActiveDocumentAfterConfirmation) {
    Prepare("editor", "editor");
    WritePdf(sources / "Det2H001.pdf", 10);
    Show(sources / "Det2H001.pdf");
    CPublicationDetailsDlg dialog;
    Open(dialog, false, false);
    dialog.SelectRows({1});
    const std::int32_t binder = dialog.BinderDocuments()[1].Binder_number;
    ASSERT_TRUE(dialog.CommandAvailable(kCmdReplaceDocument));

    dialog.ListCommand(18);  // answered Cancel
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Replace document");
    EXPECT_FALSE(dialog.Changed());

    boxes.answerNext(MessageAnswer::Ok);
    dialog.ListCommand(kCmdReplaceDocument);
    EXPECT_TRUE(dialog.Changed());
    EXPECT_TRUE(std::filesystem::exists(binders / "Det2H001.pdf"));
    bool found = false;
    for (const BinderDocRecord& r : Binders(publication)) {
        if (r.Binder_number == binder) {
            found = true;
            EXPECT_EQ(r.Page_count, 10);
            EXPECT_EQ(r.Doc_file, "Det2H001.pdf");
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(DetailsDlg, DiscardDeletesTheFirstRowsSupplementAndCloses) {
    Prepare("editor", "editor");
    const std::int32_t editor = TheLogonStore().user.User_ID;
    SupplementInsertRequest insert{editor, publication, 2, 4, "DetS2.pdf", "", "1.3", 0, true};
    WSIdResult added;
    ASSERT_TRUE(CWSClient().SupplementInsert(insert, added)) << added.Message;
    record = Latest(publication);
    CPublicationDetailsDlg dialog;
    Open(dialog, true, false);
    ASSERT_EQ(dialog.DocumentCount(), 1);
    ASSERT_TRUE(dialog.CommandAvailable(kCmdDiscardSupplement));

    dialog.ListCommand(kCmdDiscardSupplement);  // Cancel, the default
    EXPECT_EQ(boxes.shown().at(0).title, "Discard supplement");
    EXPECT_EQ(boxes.shown().at(0).defaultButton, 1);
    EXPECT_EQ(Supplements(publication).size(), 1u);

    boxes.answerNext(MessageAnswer::Ok);
    dialog.ListCommand(4);
    EXPECT_TRUE(Supplements(publication).empty());
    EXPECT_TRUE(dialog.Changed());
    EXPECT_EQ(dialog.DocumentCount(), 0);
    EXPECT_TRUE(dialog.EndResult().has_value());
}

}  // namespace
}  // namespace lumar::testing
