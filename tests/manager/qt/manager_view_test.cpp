// The publication manager's window on the offscreen platform, against the
// reference service: opened from the menu, its list and buttons following
// the manager, a lock through its shortcut, header clicks, the column layout
// across openings, a merge and a revert, adding a supplement through the
// number dialog, and closing.

#include "manager/qt/manager_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "config/settings_store.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "manager/manager_commands.h"
#include "manager/manager_dlg.h"
#include "manager/publication_details_dlg.h"
#include "manager/qt/document_list.h"
#include "manager/qt/document_table.h"
#include "manager/qt/publication_details_view.h"
#include "manager/qt/publication_list.h"
#include "manager/qt/publication_table.h"
#include "manager/qt/supplement_number_view.h"
#include "platform/host/menu_model.h"
#include "platform/pdf/document.h"
#include "plugin/plugin_harness.h"
#include "plugin/qt/qt_views.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "shell/manager_state.h"
#include "ui/column_layout.h"
#include "ui/modal_dialog.h"
#include "window_test_support.h"

namespace lumar::manager {

namespace {

constexpr std::int32_t kDemo = 1;
constexpr int kSapCode = 7;
constexpr int kPublicationId = 0;

void rightClick(QWidget* widget, const QPoint& position) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, widget->mapToGlobal(position));
    QApplication::sendEvent(widget, &event);
}

std::string storedText(const char* key, const char* name) {
    std::string text;
    return ReadTextSetting(key, name, text) ? text : "<missing>";
}

}  // namespace

class ManagerViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::TempDir> temp_;
    std::unique_ptr<fixtures::ReferenceService> service_;
    std::unique_ptr<testing::PluginHarness> harness_;
    std::filesystem::path binders_;
    std::filesystem::path supplements_;
    CManagerDlg& manager_ = CManagerDlg::Instance();

    static std::int32_t logOnAs(const std::string& login) {
        return testing::LogOnAsDemoUser(login);
    }

    host::MenuItem* item(const char* name) { return harness_->item(name); }

    // Opens the manager through its menu item; its window.
    ManagerView* open() {
        item("TOLMA:LumarManagerOpen")->choose();
        auto* view = static_cast<ManagerView*>(manager_.PlatformWindow());
        if (view == nullptr) {
            qFatal("the manager opened without a window");
        }
        if (!QTest::qWaitForWindowExposed(view)) {
            qWarning("the manager's window was not shown");
        }
        return view;
    }

    static QString cell(ManagerView* view, int row, int setIndex) {
        const PublicationTable& table = view->List().Table();
        for (int column = 0; column < table.columnCount(); ++column) {
            if (table.SetIndex(column) == setIndex) {
                return table.index(row, column).data().toString();
            }
        }
        return "<not shown>";
    }

    static int columnOf(ManagerView* view, int setIndex) {
        const PublicationTable& table = view->List().Table();
        for (int column = 0; column < table.columnCount(); ++column) {
            if (table.SetIndex(column) == setIndex) {
                return column;
            }
        }
        return -1;
    }

    static void clickRow(ManagerView* view, int row) {
        PublicationList& list = view->List();
        const QRect rect = list.visualRect(list.Table().index(row, 0));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }

    static void clickHeader(ManagerView* view, int column) {
        QHeaderView* header = view->List().horizontalHeader();
        const QPoint point(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
    }

private Q_SLOTS:
    void initTestCase() { InstallQtViews(); }

    void init() {
        temp_ = std::make_unique<fixtures::TempDir>();
        qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((*temp_ / "registry.reg").string()));
        service_ = std::make_unique<fixtures::ReferenceService>();
        WriteTextSetting("Uri", "Web_service", service_->uri());
        binders_ = *temp_ / "binders";
        supplements_ = *temp_ / "supplements";
        std::filesystem::create_directories(binders_);
        std::filesystem::create_directories(supplements_);
        WriteTextSetting("Uri", "Base_docs", binders_.string());
        WriteTextSetting("Uri", "Supp_docs", supplements_.string());
        harness_ = std::make_unique<testing::PluginHarness>();
        PublicationLayout() = DefaultPublicationLayout();
    }

    void cleanup() {
        manager_.Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        harness_.reset();
        service_.reset();
        temp_.reset();
    }

    void opensFromTheMenuWithTheDemoPublication() {
        logOnAs("reader");
        QVERIFY(item("TOLMA:LumarManagerOpen")->isVisible());
        ManagerView* view = open();
        QVERIFY(IsManagerOpen());
        QVERIFY(view->isVisible());
        QVERIFY(!view->isModal());
        QCOMPARE(view->windowTitle(), QString("Manage publications"));
        QCOMPARE(view->findChild<QTabWidget*>("1063")->tabText(0),
                 QString("Available publications"));
        QCOMPARE(view->List().Table().rowCount(), 1);
        QCOMPARE(cell(view, 0, kSapCode), QString("DEMO"));
        QCOMPARE(view->List().Table().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("SAP code"));
        QVERIFY(!item("TOLMA:LumarManagerOpen")->isVisible());
        QVERIFY(item("TOLMA:LumarManagerClose")->isVisible());

        // Nothing selected yet: only refreshing is possible; a reader never
        // sees "&Add...".
        QVERIFY(!view->Button(kIdcDetails)->isEnabled());
        QVERIFY(view->Button(kIdcRefresh)->isEnabled());
        QVERIFY(view->Button(kIdcAdd)->isHidden());
        clickRow(view, 0);
        QCOMPARE(manager_.SelectedRow(), 0);
        QVERIFY(view->Button(kIdcDetails)->isEnabled());
        QVERIFY(!view->Button(kIdcLock)->isEnabled());

        // Tab goes from the list through the shown buttons left to right.
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view));
        view->List().setFocus();
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"2", "1073", "1065", "1004"}));
    }

    void placementComesBackAfterClosing() {
        logOnAs("reader");
        ManagerView* view = open();
        const QRect placed(40, 50, 700, 420);
        view->setGeometry(placed);
        manager_.Close();
        view = open();
        QCOMPARE(view->geometry(), placed);
    }

    void lockingChangesTheButtonsAndTheRow() {
        const std::int32_t editor = logOnAs("editor");
        ManagerView* view = open();
        clickRow(view, 0);
        QVERIFY(view->Button(kIdcLock)->isEnabled());
        QVERIFY(!view->Button(kIdcUnlock)->isEnabled());
        const QString statusBefore = cell(view, 0, 27);

        // Alt+L: the hidden "&Lock publication" button's shortcut.
        QTest::keyClick(&view->List(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(manager_.Selected()->Update_status_ID, 2);
        QCOMPARE(manager_.Selected()->Update_user_ID, editor);
        QVERIFY(!view->Button(kIdcLock)->isEnabled());
        QVERIFY(view->Button(kIdcUnlock)->isEnabled());
        QVERIFY(cell(view, 0, 27) != statusBefore);
        QCOMPARE(view->List().selectionModel()->selectedRows().size(), 1);

        // And unlocked through the button itself.
        view->Button(kIdcUnlock)->click();
        QCOMPARE(manager_.Selected()->Update_status_ID, 1);
        QVERIFY(view->Button(kIdcLock)->isEnabled());
        QCOMPARE(cell(view, 0, 27), statusBefore);
    }

    void headerClicksSortBothWays() {
        logOnAs("supervisor");
        PublicationInsertRequest insert;
        insert.LogUser_ID = TheLogonStore().user.User_ID;
        insert.Publication_status_ID = 1;
        insert.Language_ID = 1;
        insert.SAP_code = "ABC";
        insert.Description = "Sorted before the demo";
        insert.Binder_type_ID = 1;
        insert.Printing_ID = 1;
        insert.Administrator_ID = 1;
        WSIdResult created;
        QVERIFY(CWSClient().PublicationInsert(insert, created));

        ManagerView* view = open();
        QCOMPARE(view->List().Table().rowCount(), 2);
        manager_.SelectPublication(kDemo);
        const int sap = columnOf(view, kSapCode);
        clickHeader(view, sap);
        QCOMPARE(cell(view, 0, kSapCode), QString("ABC"));
        QCOMPARE(view->List().horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        clickHeader(view, sap);
        QCOMPARE(cell(view, 0, kSapCode), QString("DEMO"));
        QCOMPARE(view->List().horizontalHeader()->sortIndicatorSection(), sap);
        QCOMPARE(view->List().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        // The selection stayed on its publication.
        QCOMPARE(view->List().currentIndex().row(), manager_.SelectedRow());
        QCOMPARE(manager_.Selected()->Publication_ID, kDemo);
    }

    void columnLayoutComesBackAfterClosing() {
        logOnAs("reader");
        ManagerView* view = open();
        QHeaderView* header = view->List().horizontalHeader();
        // "Description" dragged to the front, "SAP code" widened, and
        // "Publication ID" added through the chooser.
        header->moveSection(columnOf(view, 9), 0);
        header->resizeSection(columnOf(view, kSapCode), 150);
        view->List().ToggleColumn(kPublicationId);
        QCOMPARE(view->List().Table().SetIndex(0), 9);
        QCOMPARE(view->List().Table().SetIndex(view->List().Table().columnCount() - 1),
                 kPublicationId);
        QCOMPARE(cell(view, 0, kPublicationId), QString("1"));
        // Changed again: only closing takes these from the header.
        header->moveSection(header->count() - 1, 1);
        header->resizeSection(columnOf(view, 14), 90);

        QPointer<ManagerView> closed(view);
        QTest::keyClick(&view->List(), Qt::Key_Escape);
        QVERIFY(!IsManagerOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QCOMPARE(QString::fromStdString(storedText("Dialogs\\ManagerDlg", "ListColOrder")),
                 QString("9,0,7,22,27,25,14,32,36,39,40"));

        // Another session of the plug-in starts from the defaults again.
        PublicationLayout() = DefaultPublicationLayout();
        view = open();
        const PublicationTable& table = view->List().Table();
        QCOMPARE(table.columnCount(), 10);
        QCOMPARE(table.SetIndex(0), 9);
        QCOMPARE(table.SetIndex(1), kPublicationId);
        QCOMPARE(view->List().horizontalHeader()->sectionSize(columnOf(view, kSapCode)), 150);
        QCOMPARE(view->List().horizontalHeader()->sectionSize(columnOf(view, 14)), 90);
    }

    void mergeShowsItsProgressAndSelectsTheNewVersion() {
        testing::WriteAnnotatedPdf(binders_ / "Demo1H003.pdf", 8);
        testing::WriteAnnotatedPdf(binders_ / "Demo2H003.pdf", 8);
        testing::WriteAnnotatedPdf(binders_ / "Demo3H003.pdf", 8);
        testing::WriteAnnotatedPdf(supplements_ / "DemoS004.pdf", 4);
        const std::int32_t producer = logOnAs("producer");
        WSIdResult locked;
        QVERIFY(CWSClient().PublicationLock({producer, kDemo}, locked));
        ManagerView* view = open();
        clickRow(view, 0);
        QVERIFY(view->Button(kIdcMerge)->isEnabled());

        // What the progress window showed while the merge ran.
        QStringList texts;
        int largestValue = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->objectName() == "140" && window->isVisible()) {
                    const QString text = window->findChild<QLabel*>("1060")->text();
                    if (!texts.contains(text)) {
                        texts << text;
                    }
                    largestValue =
                        std::max(largestValue, window->findChild<QProgressBar*>("1059")->value());
                }
            }
        });
        watch.start(0);
        // Alt+G: "Mer&ge publication"; the editor merges at once.
        QTest::keyClick(&view->List(), Qt::Key_G, Qt::AltModifier);
        watch.stop();
        QVERIFY2(
            harness_->responder.notes().empty(),
            harness_->responder.notes().empty() ? "" : harness_->responder.notes().front().c_str());
        QVERIFY(!texts.isEmpty());
        QVERIFY(largestValue > 0);

        QVERIFY(manager_.Selected() != nullptr);
        QVERIFY(manager_.Selected()->Publication_ID != kDemo);
        QCOMPARE(view->List().Table().rowCount(), 1);
        QCOMPARE(cell(view, 0, 32), QString("4"));  // "Merged supplement"
        QCOMPARE(view->List().selectionModel()->selectedRows().size(), 1);
        QVERIFY(std::filesystem::exists(binders_ / "Demo1H004.pdf"));
    }

    void revertAsksAndSelectsTheVersionTheServiceReturns() {
        // The demo publication merged by the producer: a new version in status 2.
        const std::int32_t producer = logOnAs("producer");
        WSIdResult result;
        QVERIFY(CWSClient().PublicationLock({producer, kDemo}, result));
        QVERIFY(CWSClient().PublicationMerge({producer, kDemo}, result));
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
            QVERIFY(CWSClient().BinderDocInsert(binder, result));
        }
        ManagerView* view = open();
        clickRow(view, 0);
        QCOMPARE(manager_.Selected()->Publication_ID, merged);
        QVERIFY(view->Button(kIdcRevert)->isEnabled());

        testing::AnswerNextMessageBox("Cancel");
        QTest::keyClick(&view->List(), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(manager_.Selected()->Publication_ID, merged);

        testing::AnswerNextMessageBox("OK");
        QTest::keyClick(&view->List(), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(manager_.Selected()->Publication_ID, kDemo);
        QCOMPARE(view->List().Table().rowCount(), 1);
        QCOMPARE(view->List().currentIndex().row(), 0);
        QVERIFY(!view->Button(kIdcRevert)->isEnabled());
    }

    void contextMenusAndKeysRunTheManagersCommands() {
        const std::int32_t editor = logOnAs("editor");
        ManagerView* view = open();
        PublicationList& list = view->List();
        clickRow(view, 0);

        // A right click on the row: the available commands only, of each
        // pair the one that applies.
        QStringList titles;
        testing::ChooseFromNextMenu("Lock publication", &titles);
        rightClick(list.viewport(), list.visualRect(list.Table().index(0, 0)).center());
        QVERIFY(titles.contains("Lock publication"));
        QVERIFY(!titles.contains("Unlock publication"));
        QVERIFY(!titles.contains("Add publication binders..."));
        QCOMPARE(manager_.Selected()->Update_user_ID, editor);
        QVERIFY(view->Button(kIdcUnlock)->isEnabled());

        // A right click on the header: the column chooser, which adds
        // "Publication ID" at the end.
        titles.clear();
        testing::ChooseFromNextMenu("Publication ID", &titles);
        rightClick(list.horizontalHeader()->viewport(), QPoint(5, 5));
        QCOMPARE(titles.size(), 40);
        QCOMPARE(list.Table().SetIndex(list.Table().columnCount() - 1), kPublicationId);

        // F5 fetches every publication again: one made since shows up.
        logOnAs("supervisor");
        PublicationInsertRequest insert;
        insert.LogUser_ID = TheLogonStore().user.User_ID;
        insert.Publication_status_ID = 1;
        insert.Language_ID = 1;
        insert.SAP_code = "NEW";
        insert.Binder_type_ID = 1;
        insert.Printing_ID = 1;
        insert.Administrator_ID = 1;
        WSIdResult created;
        QVERIFY(CWSClient().PublicationInsert(insert, created));
        QCOMPARE(list.Table().rowCount(), 1);
        QTest::keyClick(&list, Qt::Key_F5);
        QCOMPARE(list.Table().rowCount(), 2);
        // Ctrl+E clears the selection.
        QTest::keyClick(&list, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(manager_.SelectedRow(), -1);
        QVERIFY(list.selectionModel()->selectedRows().isEmpty());
        QVERIFY(!view->Button(kIdcDetails)->isEnabled());
    }

    void addButtonTellsWhyItCannotAdd() {
        logOnAs("producer");
        ManagerView* view = open();
        QPushButton* add = view->Button(kIdcAdd);
        QVERIFY(add->isVisible());
        const auto tipOfAdd = [add] {
            QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), add->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(add, &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString("<none>");
        };
        // Ctrl+E: no publication selected.
        QTest::keyClick(&view->List(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(tipOfAdd(), QString("No item selected"));
        clickRow(view, 0);
        QVERIFY(!add->isEnabled());
        QCOMPARE(tipOfAdd(), QString("You need to lock the publication first"));
    }

    void addSupplementAsksTheNumberAndStoresTheOpenDocument() {
        // A publication of two binders ("Sup1H012.pdf" proposes number 12),
        // held by the editor.
        logOnAs("supervisor");
        PublicationInsertRequest insert;
        insert.LogUser_ID = TheLogonStore().user.User_ID;
        insert.Publication_status_ID = 1;
        insert.Language_ID = 1;
        insert.SAP_code = "SUP";
        insert.Description = "Supplement added from the window";
        insert.Binder_type_ID = 1;
        insert.Printing_ID = 1;
        insert.Administrator_ID = 1;
        WSIdResult created;
        QVERIFY(CWSClient().PublicationInsert(insert, created));
        const std::int32_t producer = logOnAs("producer");
        WSIdResult locked;
        QVERIFY(CWSClient().PublicationLock({producer, created.Id}, locked));
        for (const int binder : {2, 1}) {  // binder 1 last closes the loading
            BinderDocInsertRequest document;
            document.LogUser_ID = producer;
            document.Publication_ID = created.Id;
            document.Binder_number = binder;
            document.Page_count = 4;
            document.Doc_file = "Sup" + std::to_string(binder) + "H012.pdf";
            document.Pdf_version = "1.3";
            document.Pdf_OK = true;
            WSIdResult added;
            QVERIFY2(CWSClient().BinderDocInsert(document, added), added.Message.c_str());
        }
        QVERIFY(CWSClient().PublicationUnlock({producer, created.Id}, locked));
        const std::int32_t editor = logOnAs("editor");
        QVERIFY(CWSClient().PublicationLock({editor, created.Id}, locked));

        // The supplement is the document open in the host.
        const std::filesystem::path source = *temp_ / "Sup_S12.pdf";
        testing::WriteAnnotatedPdf(source, 6);
        harness_->headless.ui().showDocument(
            std::make_unique<pdf::Document>(pdf::Document::open(source)));

        ManagerView* view = open();
        QVERIFY(manager_.SelectPublication(created.Id));
        QVERIFY(view->Button(kIdcAddSupplement)->isEnabled());

        // The number dialog: keep the proposed number; then the details
        // window in add mode, which has stored the document, closed with OK.
        QStringList offered;
        QStringList detailsSeen;
        std::function<void()> answerNumber = [&] {
            auto* dialog = qobject_cast<SupplementNumberView*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                QTimer::singleShot(10, answerNumber);
                return;
            }
            offered << dialog->findChild<QRadioButton*>("1100")->text()
                    << dialog->findChild<QRadioButton*>("1102")->text();
            QTest::mouseClick(dialog->findChild<QRadioButton*>("1100"), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>("1"), Qt::LeftButton);
        };
        // Supplement details are not editable: "Close" ends them.
        std::function<void()> closeDetails = [&] {
            auto* details =
                qobject_cast<PublicationDetailsView*>(QApplication::activeModalWidget());
            if (details == nullptr) {
                QTimer::singleShot(10, closeDetails);
                return;
            }
            detailsSeen << details->windowTitle()
                        << QString::number(details->List().Table().rowCount());
            QTest::mouseClick(details->findChild<QPushButton*>("2"), Qt::LeftButton);
        };
        QTimer::singleShot(0, answerNumber);
        QTimer::singleShot(0, closeDetails);
        // Alt+S: "Add &supplement...", hidden while the row has no supplement.
        QTest::keyClick(&view->List(), Qt::Key_S, Qt::AltModifier);

        QCOMPARE(offered, QStringList({"12 (no increment)", "13 (do increment)"}));
        QCOMPARE(detailsSeen,
                 QStringList({"Supplement details", "1"}));  // the stored supplement, listed
        QVERIFY(std::filesystem::exists(supplements_ / "Sup_S12.pdf"));
        QVERIFY(harness_->responder.notes().empty());
        // The row now offers the supplement's details instead.
        QVERIFY(manager_.Selected() != nullptr);
        QVERIFY(manager_.Selected()->Supplement_ID_next != 0);
        QVERIFY(view->Button(kIdcSupplementDetails)->isEnabled());
        QVERIFY(!view->Button(kIdcAddSupplement)->isEnabled());
    }

    void doubleClickAndEnterOpenTheDetailsOverTheWindow() {
        logOnAs("reader");
        ManagerView* view = open();
        std::vector<void*> owners;
        std::vector<bool> readOnly;
        const auto previous =
            SetPresenter<CPublicationDetailsDlg>([&](CPublicationDetailsDlg& dialog, void* owner) {
                owners.push_back(owner);
                readOnly.push_back(dialog.ReadOnly());
                return kIdCancel;
            });
        PublicationList& list = view->List();
        const QPoint row = list.visualRect(list.Table().index(0, 0)).center();
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row);
        // Return in the list presses the default button, "&Details...".
        QTest::keyClick(&list, Qt::Key_Return);
        SetPresenter<CPublicationDetailsDlg>(previous);
        QCOMPARE(owners, (std::vector<void*>{view, view}));
        QCOMPARE(readOnly, (std::vector<bool>{true, true}));
    }

    void closingSwitchesTheMenuBack() {
        logOnAs("reader");
        ManagerView* view = open();
        QPointer<ManagerView> closed(view);
        QTest::mouseClick(view->Button(kIdcClose), Qt::LeftButton);
        QVERIFY(!IsManagerOpen());
        QVERIFY(item("TOLMA:LumarManagerOpen")->isVisible());
        QVERIFY(!item("TOLMA:LumarManagerClose")->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());

        // The menu's Close closes the window too, and a second Open while
        // open makes no second window.
        view = open();
        item("TOLMA:LumarManagerOpen")->choose();
        QCOMPARE(manager_.PlatformWindow(), static_cast<void*>(view));
        closed = view;
        item("TOLMA:LumarManagerClose")->choose();
        QVERIFY(!IsManagerOpen());
        QVERIFY(!view->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());

        // The log-off closes it through the manager's closer.
        view = open();
        closed = view;
        CloseManager();
        QVERIFY(!IsManagerOpen());
        QVERIFY(!view->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
    }
};

}  // namespace lumar::manager

QTEST_MAIN(lumar::manager::ManagerViewTest)
#include "manager_view_test.moc"
