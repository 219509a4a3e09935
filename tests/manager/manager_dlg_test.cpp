// The publication manager against the reference service: opening and
// closing, the list, the buttons per user level, and the commands that
// change a publication's workflow state.

#include <filesystem>
#include <string>

#include "config/settings_store.h"
#include "manager/manager_commands.h"
#include "manager/publication_details_dlg.h"
#include "manager_fixture.h"
#include "merge/merge_data_dlg.h"
#include "platform/host/menu_model.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "shell/manager_state.h"
#include "ui/column_layout.h"
#include "ui/modal_dialog.h"

namespace lumar::testing {
namespace {

constexpr std::int32_t kDemo = 1;

using ManagerDlg = ManagerFixture;

TEST_F(ManagerDlg, OpensFromTheMenuOnceAndCloses) {
    LogOnAs("reader");
    harness.item("TOLMA:LumarManagerOpen")->choose();
    ASSERT_TRUE(IsManagerOpen());
    ASSERT_EQ(manager.Rows().size(), 1u);
    EXPECT_EQ(manager.Rows()[0]->SAP_code, "DEMO");
    EXPECT_EQ(manager.SelectedRow(), -1);
    EXPECT_FALSE(manager.FullRefreshPending());

    // A second opening changes nothing: the selection stays.
    manager.SelectRow(0);
    manager.Open();
    EXPECT_EQ(manager.SelectedRow(), 0);

    harness.item("TOLMA:LumarManagerClose")->choose();
    EXPECT_FALSE(IsManagerOpen());
    EXPECT_TRUE(manager.Rows().empty());

    // Reopened by the same user: the publication that was selected is again.
    manager.Open();
    EXPECT_EQ(manager.SelectedRow(), 0);
    EXPECT_EQ(manager.CurrentPublication(), kDemo);
}

TEST_F(ManagerDlg, HeaderClicksSortAndTheLayoutIsSavedOnClosing) {
    const std::int32_t other = CreatePublication("ABC");
    LogOnAs("supervisor");
    PublicationLayout() = DefaultPublicationLayout();
    OpenManagerOn(kDemo);
    ASSERT_EQ(manager.Rows().size(), 2u);
    const int sapColumn = FirstColumnShowing(PublicationLayout(), 7);
    ASSERT_GE(sapColumn, 0);

    manager.OnHeaderClick(sapColumn);
    EXPECT_EQ(manager.Rows()[0]->Publication_ID, other);  // "ABC" before "DEMO"
    EXPECT_EQ(manager.Selected()->Publication_ID, kDemo);
    manager.OnHeaderClick(sapColumn);
    EXPECT_EQ(manager.Rows()[0]->Publication_ID, kDemo);
    EXPECT_EQ(manager.SortColumn(), sapColumn);

    manager.Close();
    std::string order;
    ASSERT_TRUE(ReadTextSetting("Dialogs\\ManagerDlg", "ListColOrder", order));
    EXPECT_EQ(order, "7,22,9,27,25,14,32,36,39,40");
    // Reopened: the list starts unsorted again.
    manager.Open();
    EXPECT_EQ(manager.SortColumn(), -1);
}

// A window that keeps the user's header changes to itself until the manager
// closes: shows "Description" first and "SAP code" 120 pixels wide.
class HeaderWindow : public ManagerWindow {
public:
    explicit HeaderWindow(CManagerDlg& manager) { manager.OnInitDialog(); }
    void* PlatformWindow() override { return this; }
    std::optional<WindowPlacement> Placement() override {
        WindowPlacement placement;
        placement.showCmd = 1;
        placement.rcNormalPosition = {10, 20, 610, 420};
        return placement;
    }
    void CaptureColumns() override {
        const std::vector<int> columns = {2, 0, 1};
        const std::vector<int> widths = {300, 120, 80};
        CaptureHeader(PublicationLayout(), columns, widths);
    }
};

TEST_F(ManagerDlg, ClosingTakesTheWindowsHeaderAndPlacementBeforeSaving) {
    LogOnAs("reader");
    PublicationLayout() = DefaultPublicationLayout();
    const ManagerWindowFactory previous = SetManagerWindowFactory(
        [](CManagerDlg& dialog) { return std::make_unique<HeaderWindow>(dialog); });
    OpenManagerOn(kDemo);
    EXPECT_NE(manager.PlatformWindow(), nullptr);
    manager.Close();
    SetManagerWindowFactory(previous);

    std::string order;
    std::string widths;
    ASSERT_TRUE(ReadTextSetting("Dialogs\\ManagerDlg", "ListColOrder", order));
    ASSERT_TRUE(ReadTextSetting("Dialogs\\ManagerDlg", "ListColWidths", widths));
    EXPECT_EQ(order, "9,7,22,40");
    EXPECT_EQ(widths.substr(0, 11), "300,120,80,");
    WindowPlacement stored;
    ASSERT_TRUE(ReadWindowPlacement("Dialogs", CManagerDlg::kRegistryName, stored));
    EXPECT_EQ(stored.rcNormalPosition, (WindowRect{10, 20, 610, 420}));

    // The next opening starts from what was saved.
    manager.Open();
    EXPECT_EQ(PublicationLayout().Shown(), (std::vector<int>{9, 7, 22}));
    ASSERT_TRUE(manager.InitialPlacement().has_value());
    EXPECT_EQ(manager.InitialPlacement()->rcNormalPosition, (WindowRect{10, 20, 610, 420}));
}

TEST_F(ManagerDlg, LogOffClosesTheManagerThroughItsCloser) {
    LogOnAs("reader");
    OpenManagerOn(kDemo);
    CloseManager();
    EXPECT_FALSE(manager.IsOpen());
    EXPECT_TRUE(manager.Rows().empty());
    EXPECT_EQ(manager.CurrentPublication(), kDemo);
}

TEST_F(ManagerDlg, LevelThreeSeesNoAddButtonLevelFourIsToldToLock) {
    LogOnAs("editor");
    OpenManagerOn(kDemo);
    EXPECT_FALSE(manager.AddButtonVisible());
    EXPECT_TRUE(manager.ButtonEnabled(kIdcDetails));
    EXPECT_EQ(manager.AddButtonToolTip(), "Not authorised");
    manager.Close();

    LogOnAs("producer");
    OpenManagerOn(kDemo);
    EXPECT_TRUE(manager.AddButtonVisible());
    EXPECT_FALSE(manager.ButtonEnabled(kIdcAdd));
    EXPECT_EQ(manager.AddButtonToolTip(), "You need to lock the publication first");
    manager.SelectRow(-1);
    EXPECT_EQ(manager.AddButtonToolTip(), "No item selected");
}

TEST_F(ManagerDlg, EditorLocksOnlyPublicationsWithBindersAndUnlocksThem) {
    const std::int32_t empty = CreatePublication("EMPTY");
    const std::int32_t editor = LogOnAs("editor");
    OpenManagerOn(empty);
    EXPECT_FALSE(manager.ButtonEnabled(kIdcLock));

    ASSERT_TRUE(manager.SelectPublication(kDemo));
    ASSERT_TRUE(manager.ButtonEnabled(kIdcLock));
    manager.ClickButton(kIdcLock);
    EXPECT_TRUE(Notes().empty()) << Notes().front();
    // Only the locked publication's row was fetched again, and it stays selected.
    ASSERT_NE(manager.Selected(), nullptr);
    EXPECT_EQ(manager.Selected()->Publication_ID, kDemo);
    EXPECT_EQ(manager.Selected()->Update_status_ID, 2);
    EXPECT_EQ(manager.Selected()->Update_user_ID, editor);
    EXPECT_FALSE(manager.ButtonEnabled(kIdcLock));
    EXPECT_TRUE(manager.ButtonEnabled(kIdcUnlock));

    EXPECT_TRUE(manager.OnMenuChar('u'));  // Alt+U
    EXPECT_EQ(manager.Selected()->Update_status_ID, 1);
    EXPECT_EQ(Latest(kDemo).Update_status_ID, 1);
}

TEST_F(ManagerDlg, ProducerUnlocksStatusThreeOnlyWithoutBinders) {
    const std::int32_t publication = CreatePublication("LOAD");
    const std::int32_t producer = LogOnAs("producer");
    OpenManagerOn(publication);
    manager.ClickButton(kIdcLock);
    ASSERT_EQ(manager.Selected()->Update_status_ID, 3);
    EXPECT_TRUE(manager.ButtonEnabled(kIdcUnlock));
    EXPECT_TRUE(manager.ButtonEnabled(kIdcAdd));
    EXPECT_EQ(manager.AddButtonToolTip(), "");

    // A binder registered (the load not complete): no unlocking any more.
    BinderDocInsertRequest binder{producer, publication, 2, 4,    "load2H001.pdf",
                                  "",       "1.3",       0, true, false};
    WSIdResult added;
    ASSERT_TRUE(CWSClient().BinderDocInsert(binder, added)) << added.Message;
    manager.ListCommand(kCmdRefreshList);
    ASSERT_TRUE(manager.SelectPublication(publication));
    EXPECT_EQ(manager.Selected()->Binder_count, 1);
    EXPECT_FALSE(manager.ButtonEnabled(kIdcUnlock));
}

TEST_F(ManagerDlg, RevertSelectsThePublicationTheServiceReturns) {
    // The demo publication merged by the producer: a new version in status 2.
    const std::int32_t producer = LogOnAs("producer");
    WSIdResult result;
    ASSERT_TRUE(CWSClient().PublicationLock({producer, kDemo}, result)) << result.Message;
    ASSERT_TRUE(CWSClient().PublicationMerge({producer, kDemo}, result)) << result.Message;
    const std::int32_t merged = result.Id;
    for (int n : {2, 3, 1, 0}) {
        BinderDocInsertRequest binder{producer,
                                      merged,
                                      n,
                                      n == 0 ? 0 : 8,
                                      n == 0 ? "" : "Demo" + std::to_string(n) + "H004.pdf",
                                      "",
                                      "1.3",
                                      0,
                                      true,
                                      false};
        ASSERT_TRUE(CWSClient().BinderDocInsert(binder, result)) << n << ": " << result.Message;
    }
    ASSERT_EQ(Latest(merged).Update_status_ID, 2);

    OpenManagerOn(merged);
    ASSERT_TRUE(manager.ButtonEnabled(kIdcRevert));
    boxes.answerNext(MessageAnswer::Cancel);
    manager.OnMenuChar('v');
    EXPECT_EQ(Latest(merged).Update_status_ID, 2);

    boxes.answerNext(MessageAnswer::Ok);
    manager.ClickButton(kIdcRevert);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].title, "Revert publication");
    EXPECT_EQ(boxes.shown()[1].text, "Are you sure?");
    EXPECT_EQ(boxes.shown()[1].defaultButton, 1);
    ASSERT_NE(manager.Selected(), nullptr);
    EXPECT_EQ(manager.Selected()->Publication_ID, kDemo);
    EXPECT_EQ(manager.CurrentPublication(), kDemo);
    EXPECT_EQ(manager.Rows().size(), 1u);
}

TEST_F(ManagerDlg, MergeRunsTheDemoMergeDataAndSelectsTheNewVersion) {
    WritePdf(binders / "Demo1H003.pdf", 8);
    WritePdf(binders / "Demo2H003.pdf", 8);
    WritePdf(binders / "Demo3H003.pdf", 8);
    WritePdf(supplements / "DemoS004.pdf", 4);
    const std::int32_t producer = LogOnAs("producer");
    WSIdResult locked;
    ASSERT_TRUE(CWSClient().PublicationLock({producer, kDemo}, locked)) << locked.Message;
    OpenManagerOn(kDemo);
    ASSERT_TRUE(manager.ButtonEnabled(kIdcMerge));
    ASSERT_TRUE(manager.ButtonEnabled(kIdcMergeDataDetails));

    EXPECT_TRUE(manager.OnMenuChar('g'));  // Alt+G: the editor merges at once
    for (const std::string& note : Notes()) {
        ADD_FAILURE() << note;
    }
    ASSERT_NE(manager.Selected(), nullptr);
    const std::int32_t merged = manager.Selected()->Publication_ID;
    EXPECT_NE(merged, kDemo);
    EXPECT_EQ(manager.Rows().size(), 1u);
    EXPECT_EQ(manager.Selected()->Supplement_number_done, 4);
    EXPECT_EQ(Latest(kDemo).Publication_ID, merged);
    EXPECT_TRUE(std::filesystem::exists(binders / "Demo1H004.pdf"));
    EXPECT_TRUE(std::filesystem::exists(binders / "Demo3H004.pdf"));
}

TEST_F(ManagerDlg, AddedMergeDataIsInsertedAndDetailsUpdateIt) {
    const std::int32_t producer = LogOnAs("producer");
    WSIdResult result;
    ASSERT_TRUE(CWSClient().PublicationLock({producer, kDemo}, result)) << result.Message;
    ASSERT_TRUE(CWSClient().MergeDelete({producer, Latest(kDemo).Merge_ID_next}, result))
        << result.Message;
    OpenManagerOn(kDemo);
    ASSERT_TRUE(manager.ButtonEnabled(kIdcAddMergeData));
    std::vector<bool> readOnly;
    auto previous = SetPresenter<CMergeDataDlg>([&](CMergeDataDlg& editor, void*) {
        editor.OnInitDialog(nullptr);
        readOnly.push_back(editor.ReadOnly());
        editor.SetActiveList(CMergeDataDlg::List::Supplement);
        // A new supplement pair each round: pairs are used once.
        const int round = static_cast<int>(readOnly.size()) - 1;
        editor.SetSupplementSelection({round});
        editor.SetBinderSelection({1 + round});
        editor.Execute(CMergeDataDlg::kIdReplace);
        const bool closed = editor.OnOK();
        editor.OnDestroy();
        return closed ? kIdOk : kIdCancel;
    });

    EXPECT_TRUE(manager.OnMenuChar('m'));  // Alt+M: add merge data (none yet)
    for (const std::string& note : Notes()) {
        ADD_FAILURE() << note;
    }
    const std::int32_t mergeId = Latest(kDemo).Merge_ID_next;
    ASSERT_NE(mergeId, 0);
    EXPECT_EQ(manager.Selected()->Merge_ID_next, mergeId);
    WSListResult<MergeRecord> merges;
    ASSERT_TRUE(CWSClient().MergeList({producer, mergeId, 0, 0, 1, 0, 0}, merges));
    ASSERT_EQ(merges.Records.size(), 1u);
    const std::string inserted = merges.Records[0].Merge_data;
    EXPECT_NE(inserted.find("Replace"), std::string::npos) << inserted;

    // Alt+M now opens the details: the second line goes in with MergeUpdate.
    EXPECT_TRUE(manager.OnMenuChar('m'));
    merges = {};
    ASSERT_TRUE(CWSClient().MergeList({producer, mergeId, 0, 0, 1, 0, 0}, merges));
    ASSERT_EQ(merges.Records.size(), 1u);
    EXPECT_GT(merges.Records[0].Merge_data.size(), inserted.size());
    EXPECT_EQ(readOnly, (std::vector<bool>{false, false}));
    SetPresenter<CMergeDataDlg>(previous);
}

TEST_F(ManagerDlg, ModalHostDisablesDetailsAndRefusesItsCommands) {
    LogOnAs("reader");
    OpenManagerOn(kDemo);
    ASSERT_TRUE(manager.ButtonEnabled(kIdcDetails));
    int shown = 0;
    auto previous = SetPresenter<CPublicationDetailsDlg>(
        [&](CPublicationDetailsDlg&, void*) { return ++shown, kIdCancel; });

    harness.headless.ui().beginModal(0);
    manager.UpdateButtons();
    EXPECT_FALSE(manager.ButtonEnabled(kIdcDetails));
    EXPECT_TRUE(manager.ButtonEnabled(kIdcRefresh));
    EXPECT_TRUE(manager.OnMenuChar('d'));  // Alt+D
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(boxes.shown().empty());
    bool available = true;
    manager.ListCommand(kCmdPublicationDetails, &available);
    EXPECT_FALSE(available);
    manager.ListCommand(kCmdPublicationDetails);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "A modal dialog box is open...");
    EXPECT_EQ(boxes.shown()[0].icon, MessageIcon::Error);
    EXPECT_EQ(shown, 0);

    harness.headless.ui().endModal();
    manager.OnDoubleClick();
    EXPECT_EQ(shown, 1);
    SetPresenter<CPublicationDetailsDlg>(previous);
}

TEST_F(ManagerDlg, ShortcutsNeedASelectionForMergeDataAndSupplement) {
    LogOnAs("editor");
    manager.Open();
    EXPECT_TRUE(manager.OnMenuChar('m'));
    EXPECT_TRUE(manager.OnMenuChar('s'));
    EXPECT_FALSE(manager.OnMenuChar('x'));
    EXPECT_TRUE(Notes().empty());
}

// The details of a publication held by a level-5 user are sent to the
// service; a refused update opens the dialog again until the user gives up.
class ManagerDetails : public ManagerFixture {
protected:
    void SetUp() override {
        ManagerFixture::SetUp();
        const std::int32_t user = LogOnAs("supervisor");
        WSIdResult locked;
        ASSERT_TRUE(CWSClient().PublicationLock({user, kDemo}, locked)) << locked.Message;
        OpenManagerOn(kDemo);
        previous_ =
            SetPresenter<CPublicationDetailsDlg>([this](CPublicationDetailsDlg& dialog, void*) {
                dialog.OnInitDialog();
                rounds.push_back(dialog.Controls().description);
                PublicationForm form = dialog.Controls();
                const std::string answer = answers.empty() ? "cancel" : answers.front();
                if (!answers.empty()) {
                    answers.erase(answers.begin());
                }
                if (answer == "cancel") {
                    dialog.OnCancel();
                } else {
                    form.description = answer;
                    dialog.SetControls(form);
                    dialog.OnOK();
                }
                dialog.OnDestroy();
                return dialog.EndResult().value_or(kIdCancel);
            });
    }
    void TearDown() override {
        SetPresenter<CPublicationDetailsDlg>(previous_);
        ManagerFixture::TearDown();
    }

    std::vector<std::string> answers;  // a description to type and OK, or "cancel"
    std::vector<std::string> rounds;   // the description each round opened with

private:
    ModalPresenter<CPublicationDetailsDlg> previous_;
};

TEST_F(ManagerDetails, AcceptedChangesAreSentAndShown) {
    answers = {"Demo publication, revised"};
    manager.ClickButton(kIdcDetails);
    EXPECT_EQ(rounds.size(), 1u);
    EXPECT_TRUE(Notes().empty());
    EXPECT_EQ(Latest(kDemo).Description, "Demo publication, revised");
    EXPECT_EQ(manager.Selected()->Description, "Demo publication, revised");
}

TEST_F(ManagerDetails, RefusedUpdateReopensUntilTheUserDiscards) {
    const std::string original = manager.Selected()->Description;
    const std::string tooLong(501, 'x');  // the service keeps 500 characters
    answers = {tooLong, "cancel", "cancel"};
    boxes.answerNext(MessageAnswer::No);   // keep editing
    boxes.answerNext(MessageAnswer::Yes);  // discard
    manager.ClickButton(kIdcDetails);

    ASSERT_EQ(rounds.size(), 3u);
    EXPECT_EQ(rounds[0], original);
    EXPECT_EQ(rounds[1], tooLong);  // the dialog reopens on the record as edited
    ASSERT_EQ(Notes().size(), 1u);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "Discard your changes?");
    EXPECT_EQ(boxes.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(manager.Selected()->Description, original);
    EXPECT_EQ(Latest(kDemo).Description, original);
}

TEST_F(ManagerDetails, RefusedUpdateThenAcceptedOne) {
    answers = {std::string(501, 'y'), "Short again"};
    manager.ClickButton(kIdcDetails);
    EXPECT_EQ(rounds.size(), 2u);
    EXPECT_EQ(Notes().size(), 1u);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(Latest(kDemo).Description, "Short again");
}

TEST_F(ManagerDetails, ReadOnlyForOthersSendsNothing) {
    manager.Close();
    LogOnAs("reader");
    OpenManagerOn(kDemo);
    answers = {"never typed"};
    manager.ClickButton(kIdcDetails);
    EXPECT_EQ(rounds.size(), 1u);
    EXPECT_NE(Latest(kDemo).Description, "never typed");
}

}  // namespace
}  // namespace lumar::testing
