// The desktop host on the offscreen platform with the plug-in module loaded:
// documents in page views, the extension's menu, messages, progress,
// printing and quitting.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <functional>

#include "desk_application.h"
#include "desktop_ui.h"
#include "document_tab.h"
#include "file_dialogs.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "main_window.h"
#include "page_view.h"
#include "platform/host/document_view.h"
#include "platform/host/host.h"
#include "platform/host/print_params.h"
#include "platform/host/progress_monitor.h"
#include "platform/host/text_object.h"
#include "platform/pdf/document.h"
#include "plugin_loader.h"
#include "status_progress.h"

namespace lumar::desk {

namespace {

// Answers the next message box that opens by clicking the button with that
// text, and records the box's text.
void answerNextMessageBox(const QString& button, QString* text = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            answerNextMessageBox(button, text);  // not open yet
            return;
        }
        if (text != nullptr) {
            *text = box->text();
        }
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text() == button) {
                candidate->click();
                return;
            }
        }
        box->reject();
    });
}

// The actions of a menu as the user sees them after opening it: titles,
// "-" for separators.
QStringList shownItems(QMenu* menu) {
    Q_EMIT menu->aboutToShow();
    QStringList shown;
    for (QAction* action : menu->actions()) {
        if (action->isVisible()) {
            shown << (action->isSeparator() ? QString("-") : action->text());
        }
    }
    return shown;
}

}  // namespace

class DeskTest : public QObject {
    Q_OBJECT

private:
    fixtures::TempDir temp_;
    QString binder_;

    void writeBinder(const std::filesystem::path& path, int pages) {
        fixtures::PdfBuilder builder;
        builder.pages(pages).dataAnnotations(fixtures::numberedTexts(pages));
        for (int i = 0; i < pages; ++i) {
            builder.text(i, 72, 760, "Leaf " + std::to_string(i + 1), 0, 24);
        }
        builder.write(path);
    }

    std::unique_ptr<DeskApplication> startDesk() {
        auto desk = std::make_unique<DeskApplication>();
        desk->loadPlugins({LUMAR_MODULE_DIR});
        desk->window().show();
        return desk;
    }

private Q_SLOTS:
    void initTestCase() {
        // The settings of the desk and of the plug-in stay in the test's folder.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((temp_ / "config").string()));
        qputenv("LUMAR_REGISTRY", QByteArray::fromStdString((temp_ / "registry.reg").string()));
        binder_ = QString::fromStdString((temp_ / "binder.pdf").string());
        writeBinder(temp_ / "binder.pdf", 3);
    }

    void opensAPdfWithThePlugInInTheLoggedOffState() {
        auto desk = startDesk();
        QVERIFY2(desk->plugins().problems().empty(),
                 desk->plugins().problems().empty() ? "" : desk->plugins().problems()[0].c_str());
        QCOMPARE(desk->plugins().loaded().size(), std::size_t(1));

        DocumentTab* tab = desk->window().openFile(binder_);
        QVERIFY(tab != nullptr);
        QCOMPARE(tab->pages().pageCount(), 3);
        QCOMPARE(desk->ui().activeDocument(), &tab->view());
        QCOMPARE(desk->window().windowTitle(), QString("binder.pdf[*] - Lumar Desk"));
        // A new document shows its first page, whatever sizes the window goes through.
        desk->window().resize(300, 200);
        desk->window().resize(1000, 760);
        QCOMPARE(tab->pages().currentPage(), 0);

        auto* lumar = desk->window().menuBar()->findChild<QMenu*>("TOLMA:OrvaneLumar");
        QVERIFY(lumar != nullptr);
        QCOMPARE(lumar->title(), QString("&Lumar"));
        // The extension's menu stands between the host's View and Help menus.
        const QList<QAction*> bar = desk->window().menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar[2], lumar->menuAction());
        QCOMPARE(shownItems(lumar), (QStringList{"-", "&Log on...", "-", "Settin&gs..."}));
    }

    void settingsOpensTheSettingsDialogOfThePlugIn() {
        auto desk = startDesk();
        auto* lumar = desk->window().menuBar()->findChild<QMenu*>("TOLMA:OrvaneLumar");
        Q_EMIT lumar->aboutToShow();
        QAction* settings = lumar->findChild<QAction*>("TOLMA:LumarSettings");
        QVERIFY(settings != nullptr && settings->isEnabled());
        QString title;
        bool hostModal = false;
        QWidget* owner = nullptr;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            title = dialog->windowTitle();
            owner = dialog->parentWidget();
            hostModal = desk->ui().isModal();
            // Nothing changed: Cancel closes without a question.
            dialog->findChild<QPushButton*>("2")->click();
        });
        settings->trigger();
        QCOMPARE(title, QString("Lumar User settings"));
        QCOMPARE(owner, static_cast<QWidget*>(&desk->window()));
        QVERIFY(hostModal);
        QVERIFY(!desk->ui().isModal());
        QCOMPARE(desk->ui().hostWindowCount(), std::size_t(0));
    }

    void drawsOnlyThePagesThatShow() {
        const auto path = temp_ / "thick.pdf";
        writeBinder(path, 400);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        QVERIFY(tab != nullptr);
        PageView& pages = tab->pages();
        pages.grab();
        const int first = pages.picturesDrawn();
        QVERIFY(first >= 1 && first <= 3);
        pages.goToPage(399);
        QCOMPARE(pages.currentPage(), 399);
        pages.grab();
        QVERIFY(pages.picturesDrawn() <= first + 3);
        // Going back draws nothing new: the first pages are kept.
        pages.goToPage(0);
        pages.grab();
        QVERIFY(pages.picturesDrawn() <= first + 3);
        QVERIFY(pages.cachedPictures() <= PageView::kCachedPages);
        QCOMPARE(desk->window().findChild<QLabel*>("PageLabel")->text(), QString("Page 1 of 400"));
    }

    void zoomsAndFitsTheWidth() {
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(binder_);
        PageView& pages = tab->pages();
        QVERIFY(pages.fitsWidth());
        pages.setZoomPercent(100);
        QVERIFY(!pages.fitsWidth());
        pages.zoomIn();
        QCOMPARE(pages.zoomPercent(), 125);
        pages.zoomOut();
        pages.zoomOut();
        QCOMPARE(pages.zoomPercent(), 90);
        pages.fitWidth();
        QVERIFY(pages.fitsWidth());
        QVERIFY(pages.horizontalScrollBar()->maximum() == 0);
    }

    void opensAFileOnceAndReportsFilesItCannotOpen() {
        auto desk = startDesk();
        DocumentTab* first = desk->window().openFile(binder_);
        QCOMPARE(desk->window().openFile(binder_), first);
        QCOMPARE(desk->window().tabCount(), 1);
        QVERIFY(desk->window().recentFiles().contains(binder_));

        const auto junk = temp_ / "junk.pdf";
        std::ofstream(junk) << "not a PDF at all";
        QString shown;
        answerNextMessageBox("OK", &shown);
        QVERIFY(desk->window().openFile(QString::fromStdString(junk.string())) == nullptr);
        QVERIFY(shown.contains("junk.pdf"));
        QCOMPARE(desk->window().tabCount(), 1);
    }

    void marksUnsavedChangesAndSaves() {
        const auto path = temp_ / "changed.pdf";
        writeBinder(path, 4);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        tab->document().deletePages(0, 0);
        desk->window().refreshDocuments();
        QVERIFY(desk->window().isWindowModified());
        QCOMPARE(tab->pages().pageCount(), 3);
        QVERIFY(desk->window().save(tab));
        QVERIFY(!desk->window().isWindowModified());
        QCOMPARE(pdf::Document::open(path).pageCount(), 3);
    }

    void asksBeforeClosingAChangedDocument() {
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(binder_);
        tab->document().deletePages(0, 0);
        answerNextMessageBox("Cancel");
        QVERIFY(!desk->window().closeTab(tab));
        QCOMPARE(desk->window().tabCount(), 1);
        answerNextMessageBox("Discard");
        QVERIFY(desk->window().closeTab(tab));
        QCOMPARE(desk->window().tabCount(), 0);
        QCOMPARE(desk->ui().activeDocument(), nullptr);
        QCOMPARE(pdf::Document::open(binder_.toStdString()).pageCount(), 3);
    }

    void alertsAnswerWithTheButtonChosen() {
        auto desk = startDesk();
        const host::AcroViewTable& view = desk->host().acroView();
        QString shown;
        answerNextMessageBox("Cancel", &shown);
        QCOMPARE(view.alert(host::AlertIcon::Question, "Selected region OK for all pages?", "OK",
                            "Cancel", nullptr, true),
                 2);
        QCOMPARE(shown, QString("Selected region OK for all pages?"));
        // Windows-1252 texts arrive as the characters they stand for.
        answerNextMessageBox("OK", &shown);
        view.alertNote("Can\x92t do that");
        QCOMPARE(shown, QString::fromUtf8("Can\u2019t do that"));
    }

    void showsProgressInTheStatusBar() {
        auto desk = startDesk();
        void* data = nullptr;
        const host::ProgressMonitor* monitor =
            desk->host().acroView().documentProgressMonitor(&data);
        QVERIFY(monitor != nullptr);
        StatusProgress& progress = desk->window().progress();
        QCOMPARE(data, progress.clientData());
        monitor->setCurrentValue(0, data);
        monitor->setDuration(9, data);
        monitor->beginOperation(data);
        const host::TextObject text("Extracting text...");
        monitor->setText(&text, data);
        monitor->setCurrentValue(4, data);
        QVERIFY(progress.isVisible());
        QCOMPARE(monitor->currentValue(data), 4);
        QCOMPARE(progress.duration(), 9);
        QCOMPARE(progress.text(), QString("Extracting text..."));
        monitor->endOperation(data);
        QVERIFY(!progress.isVisible());
    }

    void printsTheChosenPagesIntoAPdf() {
        const auto path = temp_ / "print.pdf";
        writeBinder(path, 5);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        const auto output = temp_ / "printed.pdf";
        desk->ui().setPrintToFile(QString::fromStdString(output.string()));
        host::PrintParams params;
        params.firstPage = 1;
        params.lastPage = 3;
        params.result = 99;
        desk->host().acroView().printWithParams(&tab->view(), &params);
        QCOMPARE(params.result, std::uint16_t(0));
        QCOMPARE(pdf::Document::open(output).pageCount(), 3);
    }

    void reportsModulesThatCannotBeLoaded() {
        const auto folder = temp_ / "plugins";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "broken.so") << "not a module";
        DeskApplication desk;
        desk.loadPlugins({folder, LUMAR_MODULE_DIR});
        QCOMPARE(desk.plugins().loaded().size(), std::size_t(1));
        QCOMPARE(desk.plugins().problems().size(), std::size_t(1));
        QVERIFY(desk.plugins().problems()[0].find("broken.so") != std::string::npos);
        // The same module in two folders is loaded from the first only.
        desk.loadPlugins({LUMAR_MODULE_DIR});
        QCOMPARE(desk.plugins().loaded().size(), std::size_t(1));
    }

    void quitsWhenNobodyIsLoggedOn() {
        auto desk = startDesk();
        QVERIFY(desk->window().close());
    }

    void convertsFileFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("label with patterns") << "Lumar Annotations Files (*.ann)|*.ann||"
                                             << QStringList{"Lumar Annotations Files (*.ann)"};
        QTest::newRow("label without")
            << "Reports|*.rep|All files|*.*||" << QStringList{"Reports (*.rep)", "All files (*.*)"};
        QTest::newRow("several patterns")
            << "Texts|*.txt;*.ann.txt||" << QStringList{"Texts (*.txt *.ann.txt)"};
        QTest::newRow("entry without pattern") << "Nothing||" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void convertsFileFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(nameFilters(filter.toStdString()), expected);
    }
};

}  // namespace lumar::desk

QTEST_MAIN(lumar::desk::DeskTest)
#include "desk_test.moc"
