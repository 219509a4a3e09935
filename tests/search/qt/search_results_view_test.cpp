// The search windows on the offscreen platform, against the reference
// service with the demo publication: searched from the details window's
// Search button, the results listed, the selected pairs extracted into a new
// document whose pages come in the order of the list; and the results
// window alone: its cells, its status bar counting the selected pages, and
// the read-only form that lets no row stay selected.

#include "search/qt/search_results_view.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/pdf_reading.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "manager/manager_commands.h"
#include "manager/manager_dlg.h"
#include "manager/qt/document_list.h"
#include "manager/qt/manager_view.h"
#include "manager/qt/publication_details_view.h"
#include "manager/qt/publication_list.h"
#include "manager/qt/publication_table.h"
#include "manager/qt/window_test_support.h"
#include "modal_steps.h"
#include "platform/host/headless_ui.h"
#include "platform/pdf/annotation.h"
#include "platform/pdf/document.h"
#include "platform/pdf/page.h"
#include "plugin/plugin_harness.h"
#include "plugin/qt/qt_views.h"
#include "search/qt/search_view.h"
#include "search/search_results_dlg.h"
#include "service/logon_store.h"
#include "ui/column_layout.h"
#include "ui/modal_dialog.h"
#include "ui/qt/quick_list_view.h"

namespace lumar::search {

namespace {

template <typename Widget>
Widget* child(QWidget* view, const char* id) {
    auto* widget = view->findChild<Widget*>(id);
    if (widget == nullptr) {
        qFatal("no control %s", id);
    }
    return widget;
}

// The demo document's page texts, as the service's records hold them.
std::vector<std::string> demoPages(int binder) {
    return demo::PageTexts("Demo binder " + std::to_string(binder), demo::kPagesPerBinder,
                           demo::ColouredPairOfBinder(binder));
}

// The data annotation of every page of the PDF at `path`.
QStringList dataAnnotations(const std::filesystem::path& path) {
    QStringList texts;
    for (const std::string& text : fixtures::dataAnnotationTexts(path)) {
        texts << QString::fromStdString(text);
    }
    return texts;
}

void clickRow(ui::QuickList& list, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers,
                      list.visualRect(list.Model().index(row, 0)).center());
}

// Clicks the button `title` of the next message box; `text` gets its text.
void answerNextMessageBox(const QString& title, QString* text, QStringList* failures) {
    testing::WithNextModal<QMessageBox>(
        [title, text](QMessageBox* box) {
            *text = box->text();
            for (QAbstractButton* button : box->buttons()) {
                if (button->text().remove('&') == title) {
                    button->click();
                    return;
                }
            }
        },
        failures);
}

// Chooses the item with that title (without its "&") from the next popup
// menu; gives up after a few seconds.
void chooseFromNextMenu(const QString& title, QStringList* failures,
                        QDeadlineTimer deadline = QDeadlineTimer(testing::kModalPatienceMs)) {
    QTimer::singleShot(testing::kModalPollMs, [=] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            if (deadline.hasExpired()) {
                failures->append("no menu came");
            } else {
                chooseFromNextMenu(title, failures, deadline);
            }
            return;
        }
        for (QAction* action : menu->actions()) {
            if (action->text().remove('&') == title) {
                action->trigger();
                menu->close();
                return;
            }
        }
        QStringList titles;
        for (QAction* action : menu->actions()) {
            titles << action->text();
        }
        failures->append("no menu item " + title + " in " + titles.join(", "));
        menu->close();
    });
}

// Demo binder 2's hits: the tab sheet pair and the yellow one.
std::vector<SearchHit> binderTwoHits() {
    const std::vector<std::string> pages = demoPages(2);
    return {{2, 1, pages[0] + "\n" + pages[1]}, {2, 2, pages[2] + "\n" + pages[3]}};
}

}  // namespace

class SearchResultsViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::TempDir> temp_;
    std::unique_ptr<fixtures::ReferenceService> service_;
    std::unique_ptr<testing::PluginHarness> harness_;

    // The manager opened from the menu with the demo publication selected.
    static manager::ManagerView* openManager(testing::PluginHarness& harness) {
        harness.item("TOLMA:LumarManagerOpen")->choose();
        auto* view = static_cast<manager::ManagerView*>(CManagerDlg::Instance().PlatformWindow());
        if (view == nullptr) {
            qFatal("the manager opened without a window");
        }
        manager::PublicationList& list = view->List();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(list.Table().index(0, 0)).center());
        return view;
    }

private Q_SLOTS:
    void initTestCase() { InstallQtViews(); }

    void init() {
        temp_ = std::make_unique<fixtures::TempDir>();
        qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((*temp_ / "registry.reg").string()));
        service_ = std::make_unique<fixtures::ReferenceService>();
        WriteTextSetting("Uri", "Web_service", service_->uri());
        const std::filesystem::path binders = *temp_ / "binders";
        std::filesystem::create_directories(binders);
        std::filesystem::create_directories(*temp_ / "supplements");
        WriteTextSetting("Uri", "Base_docs", binders.string());
        WriteTextSetting("Uri", "Supp_docs", (*temp_ / "supplements").string());
        for (int binder = 1; binder <= 3; ++binder) {
            fixtures::PdfBuilder()
                .pages(demo::kPagesPerBinder)
                .dataAnnotations(demoPages(binder))
                .write(binders / demo::kBinderFiles[binder - 1]);
        }
        harness_ = std::make_unique<testing::PluginHarness>();
        PublicationLayout() = DefaultPublicationLayout();
        DocumentLayout() = DefaultDocumentLayout();
    }

    void cleanup() {
        CManagerDlg::Instance().Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        harness_.reset();
        service_.reset();
        temp_.reset();
    }

    // Every binder of the demo publication selected in the details, "Tab
    // sheet" searched, the results viewed, all of them extracted.
    void searchFromTheDetailsAndExtractTheResults() {
        testing::LogOnAsDemoUser("editor");
        manager::ManagerView* manager = openManager(*harness_);
        harness_->responder.answerNext(1);  // the summary: "View results"
        QStringList failures;
        QStringList rows;
        QString searchText;
        QString question;
        QStringList statusTexts;
        bool extractAtFirst = true;
        QString extractTip;
        bool resultsClosed = false;
        testing::WithNextModal<manager::PublicationDetailsView>(
            [&](manager::PublicationDetailsView* details) {
                manager::DocumentList& list = details->List();
                list.setFocus();
                QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
                testing::WithNextModal<SearchView>(
                    [&](SearchView* search) {
                        QTest::mouseClick(child<QPushButton>(search, "1098"), Qt::LeftButton);
                        testing::WithNextModal<SearchResultsView>(
                            [&](SearchResultsView* results) {
                                ui::QuickList& found = results->List();
                                for (int row = 0; row < found.RowCount(); ++row) {
                                    rows << QString::fromStdString(found.CellAt(row, 1).text + " " +
                                                                   found.CellAt(row, 0).text)
                                                .simplified();
                                }
                                searchText = child<QLabel>(results, "1089")->text();
                                auto* extract = child<QPushButton>(results, "1099");
                                extractAtFirst = extract->isEnabled();
                                extractTip = extract->toolTip();
                                clickRow(found, 0);
                                clickRow(found, 2, Qt::ShiftModifier);
                                // The timer shows the count of pages.
                                if (!QTest::qWaitFor(
                                        [&] { return results->StatusText().endsWith('6'); },
                                        2000)) {
                                    failures << "the status bar did not count the pages";
                                }
                                statusTexts << results->StatusText();
                                answerNextMessageBox("OK", &question, &failures);
                                QTest::mouseClick(extract, Qt::LeftButton);
                                resultsClosed = !results->isVisible();
                            },
                            &failures);
                        QTest::mouseClick(child<QPushButton>(search, "1"), Qt::LeftButton);
                    },
                    &failures);
                QTest::mouseClick(child<QPushButton>(details, "1089"), Qt::LeftButton);
            },
            &failures);
        manager->Button(kIdcDetails)->click();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));

        // The summary offered the results.
        const auto& messages = harness_->responder.messages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].buttons,
                 (std::vector<std::string>{"View results", "OK", "New search"}));
        QVERIFY2(messages[0].text.find("Results for 'TABSHEET=':\t3 page pairs") == 0,
                 messages[0].text.c_str());

        QCOMPARE(searchText, QString("TABSHEET="));
        QCOMPARE(rows, QStringList({"1 1", "2 1", "3 1"}));
        QVERIFY(!extractAtFirst);
        QCOMPARE(extractTip, QString("No item(s) selected"));
        QCOMPARE(statusTexts, QStringList({"Items selected:        6"}));
        QVERIFY2(question.startsWith("Extract from multiple documents! This might take a while"),
                 qPrintable(question));
        QVERIFY(resultsClosed);

        // The new document, shown by the host: saved and read back.
        host::DocumentView* shown = harness_->headless.ui().activeDocument();
        QVERIFY(shown != nullptr && shown->document() != nullptr);
        const std::filesystem::path written = *temp_ / "extracted.pdf";
        shown->document()->save(written);
        QStringList expected;
        for (int binder = 1; binder <= 3; ++binder) {
            expected << QString::fromStdString(demoPages(binder)[0])
                     << QString::fromStdString(demoPages(binder)[1]);
        }
        QCOMPARE(dataAnnotations(written), expected);
    }

    // The document list's context menu searches the selected documents too;
    // a search without hits offers a new search, and the dialog comes again.
    void theDocumentsMenuSearchesTheSelectedDocuments() {
        testing::LogOnAsDemoUser("reader");
        manager::ManagerView* manager = openManager(*harness_);
        harness_->responder.answerNext(1);  // no hits: "New search"
        QStringList failures;
        int searchWindows = 0;
        testing::WithNextModal<manager::PublicationDetailsView>(
            [&](manager::PublicationDetailsView* details) {
                manager::DocumentList& list = details->List();
                const QPoint row = list.visualRect(list.model()->index(1, 0)).center();
                QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row);
                const std::function<void(SearchView*)> search = [&](SearchView* view) {
                    ++searchWindows;
                    if (searchWindows == 1) {
                        QTest::keyClicks(child<QComboBox>(view, "1096")->lineEdit(), "nowhere");
                        QTest::mouseClick(child<QPushButton>(view, "1"), Qt::LeftButton);
                        testing::WithNextModal<SearchView>(search, &failures);
                    } else {
                        QTest::mouseClick(child<QPushButton>(view, "2"), Qt::LeftButton);
                    }
                };
                testing::WithNextModal<SearchView>(search, &failures);
                chooseFromNextMenu("Search in selected document...", &failures);
                QContextMenuEvent event(QContextMenuEvent::Mouse, row,
                                        list.viewport()->mapToGlobal(row));
                QApplication::sendEvent(list.viewport(), &event);
            },
            &failures);
        manager->Button(kIdcDetails)->click();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
        QCOMPARE(searchWindows, 2);
        const auto& messages = harness_->responder.messages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].text, std::string("Results for 'nowhere':\tnone"));
        QCOMPARE(messages[0].buttons, (std::vector<std::string>{"New search", "OK"}));
    }

    void cellsShowPairsColoursAndTabSheets() {
        TheLogonStore().colours.Records = {{2, "Yellow", 255, 255, 153}};
        std::vector<SearchHit> hits = binderTwoHits();
        hits.push_back({3, 4, "p7 <<#TABSHEET=true#>>\np8 <<#TABSHEET=true#>>"});
        CSearchResultsDlg dialog(hits, {}, "binder 2", false);
        dialog.SetBinderDocuments({});
        SearchResultsView view(dialog, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.windowTitle(), QString("Search results"));
        ui::QuickList& list = view.List();
        const ui::QuickListModel& model = list.Model();
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Binder number"));
        QCOMPARE(list.CellAt(2, 1).text, std::string("3"));
        // The tab sheet pair in italics in every column, the yellow pair
        // with its colour box.
        QVERIFY(list.CellAt(2, 0).italic && list.CellAt(2, 2).italic);
        QVERIFY(!list.CellAt(1, 2).italic);
        QVERIFY(list.CellAt(1, 0).HasBox());
        QCOMPARE(list.CellAt(1, 0).box.colour, std::uint32_t{255 | 255 << 8 | 153 << 16});
        QVERIFY(!list.CellAt(0, 0).HasBox());
        QCOMPARE(list.CellAt(1, 2).text, hits[1].text);
        TheLogonStore().colours.Records.clear();
        // Every other row is darker.
        QVERIFY(list.CellAt(1, 1).backgroundColour != list.CellAt(0, 1).backgroundColour);
        // The columns show their texts whole.
        const QFontMetrics metrics(list.font());
        QVERIFY(list.columnWidth(2) >
                metrics.horizontalAdvance(QString::fromStdString(demoPages(2)[2])));
        QVERIFY(list.columnWidth(1) >
                list.horizontalHeader()->fontMetrics().horizontalAdvance("Binder number"));

        // Supplement hits: no binder column.
        CSearchResultsDlg supplement({{0, 1, "s01\ns02"}}, {}, "s0", false);
        supplement.SetSupplement({});
        SearchResultsView other(supplement, nullptr);
        QCOMPARE(other.List().Model().columnCount(), 2);
        QCOMPARE(other.List().CellAt(0, 1).text, std::string("s01\ns02"));
    }

    void theStatusBarCountsPagesAndAReaderKeepsNoRows_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("extractEnabled");
        QTest::addColumn<QString>("extractTip");
        QTest::newRow("editor") << false << "Items selected:        4" << true << "";
        QTest::newRow("reader") << true << "Items selected:        0" << false << "";
    }

    void theStatusBarCountsPagesAndAReaderKeepsNoRows() {
        QFETCH(bool, readOnly);
        QFETCH(QString, status);
        QFETCH(bool, extractEnabled);
        QFETCH(QString, extractTip);
        CSearchResultsDlg dialog(binderTwoHits(), {}, "binder 2", readOnly);
        dialog.SetBinderDocuments({});
        SearchResultsView view(dialog, nullptr);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.StatusText(), QString("Items selected:        0"));
        clickRow(view.List(), 0);
        clickRow(view.List(), 1, Qt::ControlModifier);
        QTRY_COMPARE(view.List().SelectedRows().size(), std::size_t{readOnly ? 0U : 2U});
        QTRY_COMPARE(view.StatusText(), status);
        auto* extract = child<QPushButton>(&view, "1099");
        QCOMPARE(extract->isEnabled(), extractEnabled);
        QCOMPARE(extract->toolTip(), extractTip);
        // Escape closes the window.
        QTest::keyClick(&view.List(), Qt::Key_Escape);
        QVERIFY(!view.isVisible());
    }

    void thePlacementComesBack() {
        const QRect where(110, 120, 640, 380);
        {
            CSearchResultsDlg dialog(binderTwoHits(), {}, "binder 2", false);
            SearchResultsView view(dialog, nullptr);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            view.setGeometry(where);
            view.reject();
        }
        CSearchResultsDlg dialog(binderTwoHits(), {}, "binder 2", false);
        SearchResultsView view(dialog, nullptr);
        QCOMPARE(view.geometry(), where);
    }
};

}  // namespace lumar::search

QTEST_MAIN(lumar::search::SearchResultsViewTest)
#include "search_results_view_test.moc"
