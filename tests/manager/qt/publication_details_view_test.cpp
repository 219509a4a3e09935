// The details window on the offscreen platform, against the reference
// service: opened with "&Details..." from the manager over the demo
// publication, an edited field stored with OK and dropped with Cancel, the
// page count refused, Reset, the read-only form of a reader, and the
// document list with the Print and Search buttons counting its selection,
// printing one document and several, and the hidden command buttons.

#include "manager/qt/publication_details_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "manager/manager_commands.h"
#include "manager/manager_dlg.h"
#include "manager/publication_details_dlg.h"
#include "manager/qt/document_list.h"
#include "manager/qt/document_table.h"
#include "manager/qt/manager_view.h"
#include "manager/qt/publication_list.h"
#include "manager/qt/publication_table.h"
#include "merge/merge_data_dlg.h"
#include "platform/host/headless_ui.h"
#include "plugin/plugin_harness.h"
#include "plugin/qt/qt_views.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/column_layout.h"
#include "ui/modal_dialog.h"
#include "window_test_support.h"

namespace lumar::manager {

namespace {

constexpr std::int32_t kDemo = 1;
constexpr int kDescription = 9;

// What a step inside the open window saw; checked once the window closed.
struct Seen {
    QStringList notes;
    void expect(bool holds, const QString& what) {
        if (!holds) {
            notes << what;
        }
    }
};

// Runs `act` on the details window once it is open; the window is closed
// afterwards in any case, so that a failed step cannot leave it open.
void withNextDetails(const std::function<void(PublicationDetailsView*)>& act) {
    QTimer::singleShot(0, [act] {
        QPointer<PublicationDetailsView> view =
            qobject_cast<PublicationDetailsView*>(QApplication::activeModalWidget());
        if (view.isNull()) {
            withNextDetails(act);
            return;
        }
        act(view);
        if (!view.isNull() && view->isVisible()) {
            view->reject();
        }
    });
}

template <typename Widget>
Widget* child(QWidget* view, const char* id) {
    auto* widget = view->findChild<Widget*>(id);
    if (widget == nullptr) {
        qFatal("no control %s", id);
    }
    return widget;
}

void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void selectRows(DocumentList& list, const std::vector<int>& rows) {
    list.clearSelection();
    for (const int row : rows) {
        const QRect rect = list.visualRect(list.Table().index(row, 0));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
    }
}

void rightClickRow(DocumentList& list, int row) {
    const QPoint position = list.visualRect(list.Table().index(row, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, position,
                            list.viewport()->mapToGlobal(position));
    QApplication::sendEvent(list.viewport(), &event);
}

}  // namespace

class PublicationDetailsViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::TempDir> temp_;
    std::unique_ptr<fixtures::ReferenceService> service_;
    std::unique_ptr<testing::PluginHarness> harness_;
    std::filesystem::path binders_;
    CManagerDlg& manager_ = CManagerDlg::Instance();

    static std::int32_t logOnAs(const std::string& login) {
        return testing::LogOnAsDemoUser(login);
    }

    // The demo publication as the service holds it now.
    PublicationLastInfoRecord stored() {
        PublicationInfoListRequest request;
        request.LogUser_ID = TheLogonStore().user.User_ID;
        request.Publication_ID = kDemo;
        WSListResult<PublicationLastInfoRecord> list;
        if (!CWSClient().PublicationLastInfoList(request, list) || list.Records.empty()) {
            qFatal("the demo publication cannot be read: %s", list.Message.c_str());
        }
        return list.Records.front();
    }

    // The manager opened from the menu with the demo publication selected.
    ManagerView* openManager() {
        harness_->item("TOLMA:LumarManagerOpen")->choose();
        auto* view = static_cast<ManagerView*>(manager_.PlatformWindow());
        if (view == nullptr) {
            qFatal("the manager opened without a window");
        }
        PublicationList& list = view->List();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(list.Table().index(0, 0)).center());
        return view;
    }

    // The supervisor, who may edit the details, holding the demo publication.
    ManagerView* openAsHoldingSupervisor() {
        const std::int32_t supervisor = logOnAs("supervisor");
        WSIdResult locked;
        if (!CWSClient().PublicationLock({supervisor, kDemo}, locked)) {
            qFatal("cannot lock the demo publication: %s", locked.Message.c_str());
        }
        return openManager();
    }

    static QString descriptionCell(ManagerView* view) {
        const PublicationTable& table = view->List().Table();
        for (int column = 0; column < table.columnCount(); ++column) {
            if (table.SetIndex(column) == kDescription) {
                return table.index(0, column).data().toString();
            }
        }
        return "<not shown>";
    }

private Q_SLOTS:
    void initTestCase() { InstallQtViews(); }

    void init() {
        temp_ = std::make_unique<fixtures::TempDir>();
        qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((*temp_ / "registry.reg").string()));
        service_ = std::make_unique<fixtures::ReferenceService>();
        WriteTextSetting("Uri", "Web_service", service_->uri());
        binders_ = *temp_ / "binders";
        std::filesystem::create_directories(binders_);
        std::filesystem::create_directories(*temp_ / "supplements");
        WriteTextSetting("Uri", "Base_docs", binders_.string());
        WriteTextSetting("Uri", "Supp_docs", (*temp_ / "supplements").string());
        harness_ = std::make_unique<testing::PluginHarness>();
        PublicationLayout() = DefaultPublicationLayout();
        DocumentLayout() = DefaultDocumentLayout();
    }

    void cleanup() {
        manager_.Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        harness_.reset();
        service_.reset();
        temp_.reset();
    }

    void okStoresAnEditedFieldAndCancelDropsIt() {
        ManagerView* view = openAsHoldingSupervisor();
        const std::string before = stored().Description;
        QVERIFY(view->Button(kIdcDetails)->isEnabled());

        // Cancel: the edit goes nowhere.
        Seen seen;
        withNextDetails([&](PublicationDetailsView* details) {
            seen.expect(details->windowTitle() == "Details", "title " + details->windowTitle());
            auto* description = child<QLineEdit>(details, "1030");
            seen.expect(!description->isReadOnly(), "description read-only");
            seen.expect(description->text() == QString::fromStdString(before),
                        "description shows " + description->text());
            retype(description, "Dropped again");
            QTest::mouseClick(child<QPushButton>(details, "2"), Qt::LeftButton);
        });
        view->Button(kIdcDetails)->click();
        QVERIFY2(seen.notes.isEmpty(), qPrintable(seen.notes.join("; ")));
        QCOMPARE(stored().Description, before);
        QCOMPARE(descriptionCell(view), QString::fromStdString(before));

        // OK: stored, and the manager's row shows it.
        withNextDetails([&](PublicationDetailsView* details) {
            auto* ok = child<QPushButton>(details, "1");
            seen.expect(ok->isVisible() && ok->isEnabled(), "OK not offered");
            retype(child<QLineEdit>(details, "1030"), "Edited in the details window");
            QTest::mouseClick(ok, Qt::LeftButton);
            seen.expect(!details->isVisible(), "OK left the window open");
        });
        view->Button(kIdcDetails)->click();
        QVERIFY2(seen.notes.isEmpty(), qPrintable(seen.notes.join("; ")));
        QCOMPARE(stored().Description, std::string("Edited in the details window"));
        QCOMPARE(descriptionCell(view), QString("Edited in the details window"));
    }

    void okRefusesAPageCountOutOfRangeAndResetRestores() {
        ManagerView* view = openAsHoldingSupervisor();
        const PublicationLastInfoRecord before = stored();
        Seen seen;
        QString message;
        withNextDetails([&](PublicationDetailsView* details) {
            auto* reset = child<QPushButton>(details, "1006");
            auto* description = child<QLineEdit>(details, "1030");
            seen.expect(reset->isVisible() && !reset->isEnabled(), "Reset not shown disabled");
            // Typed away and back: not modified.
            QTest::keyClick(description, Qt::Key_End);
            QTest::keyClicks(description, "x");
            seen.expect(reset->isEnabled(), "Reset not enabled by an edit");
            QTest::keyClick(description, Qt::Key_Backspace);
            seen.expect(!reset->isEnabled(), "Reset enabled with the old text back");

            auto* pages = child<QLineEdit>(details, "1034");
            retype(pages, "1000000");
            testing::AnswerNextMessageBox("OK", &message);
            QTest::mouseClick(child<QPushButton>(details, "1"), Qt::LeftButton);
            seen.expect(details->isVisible(), "the refused page count closed the window");

            QTest::mouseClick(reset, Qt::LeftButton);
            seen.expect(pages->text() == QString::number(before.Max_page_count_per_binder),
                        "Reset left the page count at " + pages->text());
            seen.expect(!reset->isEnabled(), "Reset still enabled after Reset");
            // Escape is Cancel.
            QTest::keyClick(details, Qt::Key_Escape);
            seen.expect(!details->isVisible(), "Escape left the window open");
        });
        view->Button(kIdcDetails)->click();
        QVERIFY2(seen.notes.isEmpty(), qPrintable(seen.notes.join("; ")));
        QCOMPARE(message, QString("Please enter an integer between 0 and 999999."));
        QCOMPARE(stored().Max_page_count_per_binder, before.Max_page_count_per_binder);
    }

    void tabGoesDownTheFieldsThenTheListAndTheButtons() {
        ManagerView* view = openAsHoldingSupervisor();
        QStringList visited;
        bool active = false;
        withNextDetails([&](PublicationDetailsView* details) {
            details->activateWindow();
            active = QTest::qWaitForWindowActive(details);
            child<QComboBox>(details, "1024")->setFocus();
            for (int i = 0; i < 15; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget()->objectName();
            }
        });
        view->Button(kIdcDetails)->click();
        QVERIFY(active);
        // Search, Print and Reset are disabled with nothing selected or changed.
        QCOMPARE(visited, QStringList({"1025", "1026", "1027", "1028", "1029", "1035", "1036",
                                       "1034", "1031", "1033", "1030", "1032", "1010", "2", "1"}));
    }

    void aReaderSeesTheFormReadOnlyAndTheDocuments() {
        logOnAs("reader");
        ManagerView* view = openManager();
        Seen seen;
        withNextDetails([&](PublicationDetailsView* details) {
            seen.expect(child<QGroupBox>(details, "1074")->title() == "Binder details",
                        "group title");
            seen.expect(!child<QPushButton>(details, "1")->isVisible(), "OK shown");
            seen.expect(!child<QPushButton>(details, "1006")->isVisible(), "Reset shown");
            seen.expect(child<QPushButton>(details, "2")->text() == "Close", "no Close");
            seen.expect(child<QLineEdit>(details, "1030")->isReadOnly(), "description editable");
            seen.expect(!child<QComboBox>(details, "1024")->isEnabled(), "status enabled");
            seen.expect(!child<QCheckBox>(details, "1031")->isEnabled(), "colour print enabled");
            seen.expect(child<QLineEdit>(details, "1054")->text() == "3 / 3",
                        "# Binders OK shows " + child<QLineEdit>(details, "1054")->text());

            DocumentList& list = details->List();
            const DocumentTable& table = list.Table();
            seen.expect(table.rowCount() == 3, "rows: " + QString::number(table.rowCount()));
            seen.expect(
                table.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString() == "Binder number",
                "first column");
            seen.expect(table.index(0, 0).data().toString() == "1", "first binder not first");

            auto* print = child<QPushButton>(details, "1088");
            auto* search = child<QPushButton>(details, "1089");
            const struct {
                std::vector<int> rows;
                QString print;
                QString search;
                bool enabled;
            } cases[] = {{{}, "Print...", "Search...", false},
                         {{1}, "Print... (1)", "Search... (1)", true},
                         {{0, 1, 2}, "Print (3)", "Search... (3)", true}};
            for (const auto& c : cases) {
                selectRows(list, c.rows);
                seen.expect(print->text() == c.print, "Print reads " + print->text());
                seen.expect(search->text() == c.search, "Search reads " + search->text());
                seen.expect(print->isEnabled() == c.enabled && search->isEnabled() == c.enabled,
                            "enabled for " + c.print);
                seen.expect(print->toolTip() == (c.enabled ? "" : "No item(s) selected"),
                            "tip " + print->toolTip());
            }
            // Ctrl+E clears the selection, Ctrl+A selects every row again.
            QTest::keyClick(&list, Qt::Key_E, Qt::ControlModifier);
            seen.expect(print->text() == "Print...", "Ctrl+E kept the selection");
            QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
            seen.expect(print->text() == "Print (3)", "Ctrl+A selected " + print->text());
            // A header click sorts by that column the other way round.
            QHeaderView* header = list.horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
            seen.expect(table.index(0, 0).data().toString() == "3", "not sorted descending");
            seen.expect(list.selectionModel()->selectedRows().size() == 3, "selection lost");

            QTest::mouseClick(child<QPushButton>(details, "2"), Qt::LeftButton);
            seen.expect(!details->isVisible(), "Close left the window open");
        });
        view->Button(kIdcDetails)->click();
        QVERIFY2(seen.notes.isEmpty(), qPrintable(seen.notes.join("; ")));
    }

    void printingSeveralAsksAndShowsItsProgress() {
        for (const std::string_view file : demo::kBinderFiles) {
            testing::WriteAnnotatedPdf(binders_ / file, 4);
        }
        logOnAs("editor");
        ManagerView* view = openManager();
        Seen seen;
        QString question;
        QStringList progressTexts;
        std::vector<host::HeadlessUi::PrintJob> printedAlone;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->objectName() == "140" && window->isVisible()) {
                    const QString text = window->findChild<QLabel*>("1060")->text();
                    if (!progressTexts.contains(text)) {
                        progressTexts << text;
                    }
                }
            }
        });
        withNextDetails([&](PublicationDetailsView* details) {
            DocumentList& list = details->List();
            // One document: the host's print dialog, no question.
            selectRows(list, {0});
            QTest::mouseClick(child<QPushButton>(details, "1088"), Qt::LeftButton);
            printedAlone = harness_->headless.ui().prints();
            // Three: asked first, then printed one after another.
            selectRows(list, {0, 1, 2});
            testing::AnswerNextMessageBox("OK", &question);
            watch.start(0);
            QTest::mouseClick(child<QPushButton>(details, "1088"), Qt::LeftButton);
            watch.stop();
            seen.expect(details->isEnabled(), "the window stayed disabled");
        });
        view->Button(kIdcDetails)->click();
        QVERIFY2(seen.notes.isEmpty(), qPrintable(seen.notes.join("; ")));

        QCOMPARE(printedAlone.size(), std::size_t{1});
        QCOMPARE(printedAlone[0].params.interactive, std::uint16_t{1});
        QCOMPARE(question, QString("This might take a while...\nAre you sure?"));
        const std::vector<host::HeadlessUi::PrintJob>& printed = harness_->headless.ui().prints();
        QCOMPARE(printed.size(), std::size_t{4});
        for (std::size_t job = 1; job < printed.size(); ++job) {
            QCOMPARE(printed[job].params.interactive, std::uint16_t{0});
            QCOMPARE(printed[job].params.lastPage, 3);
        }
        // The last text is set just before the last document prints, with
        // no events processed after it; the earlier ones are seen.
        QVERIFY2(progressTexts.contains("Printing document 1 of 3...") &&
                     progressTexts.contains("Printing document 2 of 3..."),
                 qPrintable(progressTexts.join(" | ")));
    }

    void hiddenCommandButtonsFollowTheSelectionAndTheirKeys() {
        logOnAs("reader");
        ManagerView* view = openManager();
        Seen seen;
        int editorsShown = 0;
        const auto previous = SetPresenter<CMergeDataDlg>([&](CMergeDataDlg&, void*) {
            ++editorsShown;
            return kIdCancel;
        });
        withNextDetails([&](PublicationDetailsView* details) {
            const std::vector<int> ids = {1078, 1079, 1080, 1081, 1082, 1083};
            for (const int id : ids) {
                seen.expect(details->CommandButton(id) != nullptr &&
                                !details->CommandButton(id)->isVisible(),
                            QString("button %1 shown or missing").arg(id));
            }
            // Nothing selected: Alt+V does nothing.
            QTest::keyClick(details, Qt::Key_V, Qt::AltModifier);
            seen.expect(editorsShown == 0, "Alt+V without a selection");
            // A binder selected: "&View annotations..." only (a reader sets
            // no PDF status; checks and reports are never offered here).
            selectRows(details->List(), {1});
            for (const int id : ids) {
                seen.expect(details->CommandButton(id)->isEnabled() == (id == 1080),
                            QString("button %1 enabled wrongly").arg(id));
            }
            QTest::keyClick(details, Qt::Key_V, Qt::AltModifier);
            seen.expect(editorsShown == 1, "Alt+V did not view the annotations");
            QTest::mouseClick(child<QPushButton>(details, "2"), Qt::LeftButton);
        });
        view->Button(kIdcDetails)->click();
        SetPresenter<CMergeDataDlg>(previous);
        QVERIFY2(seen.notes.isEmpty(), qPrintable(seen.notes.join("; ")));
    }

    void theDocumentMenuAndKeysOpenTheSelectedBinders() {
        fixtures::PdfBuilder().pages(2).write(binders_ / "Demo2H003.pdf");
        fixtures::PdfBuilder().pages(2).write(binders_ / "Demo3H003.pdf");
        logOnAs("reader");
        ManagerView* view = openManager();
        Seen seen;
        QStringList oneRow;
        QStringList twoRows;
        std::size_t viewsAfterMenu = 0;
        withNextDetails([&](PublicationDetailsView* details) {
            DocumentList& list = details->List();
            // One binder: the title as it stands; no discarding in binder mode.
            selectRows(list, {1});
            testing::ChooseFromNextMenu("Open selected document", &oneRow);
            rightClickRow(list, 1);
            viewsAfterMenu = harness_->headless.ui().viewCount();
            // Two: "documents"; Ctrl+O opens both.
            selectRows(list, {1, 2});
            testing::ChooseFromNextMenu("<only look>", &twoRows);
            rightClickRow(list, 2);
            QTest::keyClick(&list, Qt::Key_O, Qt::ControlModifier);
            QTest::mouseClick(child<QPushButton>(details, "2"), Qt::LeftButton);
        });
        view->Button(kIdcDetails)->click();
        QVERIFY2(seen.notes.isEmpty(), qPrintable(seen.notes.join("; ")));
        QVERIFY(oneRow.contains("Open selected document"));
        QVERIFY(!oneRow.contains("Discard supplement"));
        QVERIFY(twoRows.contains("Open selected documents"));
        QCOMPARE(viewsAfterMenu, std::size_t{1});
        QVERIFY(harness_->headless.ui().viewShowing(binders_ / "Demo2H003.pdf") != nullptr);
        QVERIFY(harness_->headless.ui().viewShowing(binders_ / "Demo3H003.pdf") != nullptr);
    }
};

}  // namespace lumar::manager

QTEST_MAIN(lumar::manager::PublicationDetailsViewTest)
#include "publication_details_view_test.moc"
