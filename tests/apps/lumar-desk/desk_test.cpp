// The desktop host on the offscreen platform with the plug-in module loaded:
// documents in page views, the extension's menu, messages, progress,
// printing and quitting.

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <functional>
#include <optional>
#include <vector>

#include "desk_application.h"
#include "desktop_ui.h"
#include "document_tab.h"
#include "file_dialogs.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "main_window.h"
#include "page_view.h"
#include "platform/host/document_view.h"
#include "platform/host/host.h"
#include "platform/host/page_view.h"
#include "platform/host/print_params.h"
#include "platform/host/progress_monitor.h"
#include "platform/host/text_object.h"
#include "platform/host/tool_set.h"
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

// Answers every message box that opens while it lives with "OK" (or its
// first button), and records the boxes' texts.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(QStringList* texts) : texts_(texts) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box == last_ || box->buttons().isEmpty()) {
                return;
            }
            last_ = box;
            *texts_ << box->text();
            QAbstractButton* chosen = box->buttons().front();
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == "OK") {
                    chosen = button;
                }
            }
            chosen->click();
        });
        timer_.start(10);
    }

private:
    QStringList* texts_;
    QTimer timer_;
    QPointer<QMessageBox> last_;
};

// Whether a pixel at (x, y) or next to it is red: outlines drawn from page
// coordinates may land a pixel either way.
bool redNear(const QImage& image, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (QColor(image.pixel(x + dx, y + dy)) == QColor(Qt::red)) {
                return true;
            }
        }
    }
    return false;
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

// A tool as an extension registers it: the click drags out a rectangle,
// kept in page coordinates and drawn in red over the page; the cursor is a
// cross. It calls the host only through its tables.
struct DrawingTool {
    const host::AcroViewTable* view = nullptr;
    host::Atom type = host::kNoAtom;
    std::vector<host::FixedPoint> clicks;
    std::optional<host::FixedRect> rect;
    host::HostCallback drawing = nullptr;
} theTool;

host::Atom drawingToolType(host::Tool*) {
    return theTool.type;
}

void drawToolRect(host::PageView* view, const host::DeviceRect*, void*) {
    host::DeviceRect shown;
    theTool.view->pageToDeviceRect(view, &*theTool.rect, &shown);
    theTool.view->setDrawingColour(view, 1, 1.0, 0, 0);
    theTool.view->drawRectOutline(view, &shown, true);
}

bool clickDrawingTool(host::Tool*, host::PageView* view, int x, int y, int, int) {
    host::FixedPoint point;
    theTool.view->deviceToPagePoint(view, x, y, &point);
    theTool.clicks.push_back(point);
    host::DeviceRect dragged;
    theTool.view->dragRect(view, x, y, nullptr, host::kNoHandle, &dragged);
    if (dragged.left != dragged.right || dragged.top != dragged.bottom) {
        host::FixedRect rect;
        theTool.view->deviceToPageRect(view, &dragged, &rect);
        theTool.rect = rect;
        theTool.view->registerDrawing(theTool.drawing, nullptr);
    }
    theTool.view->drawPageViewNow(view);
    return true;
}

bool drawingToolCursor(host::Tool*, host::PageView* view, int, int) {
    theTool.view->setCursor(view, static_cast<int>(host::CursorShape::Cross));
    return true;
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

    // The plug-in's settings come from `path` while this lives.
    struct SettingsFileInUse {
        explicit SettingsFileInUse(const std::filesystem::path& path)
            : previous(qgetenv("LUMAR_REGISTRY")) {
            qputenv("LUMAR_REGISTRY", QByteArray::fromStdString(path.string()));
        }
        ~SettingsFileInUse() { qputenv("LUMAR_REGISTRY", previous); }
        QByteArray previous;
    };

    static QMenu* lumarMenu(DeskApplication& desk) {
        return desk.window().menuBar()->findChild<QMenu*>("TOLMA:OrvaneLumar");
    }

    // Chooses "Log on...", types the user and password into the dialog and
    // confirms it, and the greeting.
    static void logOnThroughTheDialog(QMenu* lumar, const QString& user, const QString& password,
                                      QString* dialogTitle = nullptr, QString* greeting = nullptr) {
        Q_EMIT lumar->aboutToShow();
        QAction* logon = lumar->findChild<QAction*>("TOLMA:LumarLogon");
        QVERIFY(logon != nullptr && logon->isEnabled());
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            if (dialogTitle != nullptr) {
                *dialogTitle = dialog->windowTitle();
            }
            QTest::keyClicks(dialog->findChild<QLineEdit*>("1003"), user);
            QTest::keyClicks(dialog->findChild<QLineEdit*>("1004"), password);
            dialog->findChild<QPushButton*>("1")->click();
        });
        answerNextMessageBox("OK", greeting);
        logon->trigger();
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

    void aRegisteredToolGetsClicksOnPagesAndDrawsOverThem() {
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(binder_);
        PageView& pages = tab->pages();
        pages.setZoomPercent(100);
        pages.grab();

        const host::CoreTable& core = desk->host().core();
        theTool = DrawingTool{};
        theTool.view = &desk->host().acroView();
        theTool.type = core.atomFromString("Test:DrawingTool");
        const host::ExtensionId extension = desk->host().newExtension();
        const auto callback = [&](auto* proc) {
            return core.makeCallback(extension, reinterpret_cast<host::GenericProc>(proc));
        };
        theTool.drawing = callback(&drawToolRect);
        host::ToolRecord record;
        record.slot(host::kToolType) = callback(&drawingToolType);
        record.slot(host::kToolClick) = callback(&clickDrawingTool);
        record.slot(host::kToolCursor) = callback(&drawingToolCursor);
        theTool.view->registerTool(&record);
        theTool.view->setActiveTool(theTool.view->toolByType(theTool.type), true);

        // The page is A4 (595 x 842 points); 100 points right of its left
        // edge and 150 below its top is (100, 692) on the page.
        QWidget* area = pages.viewport();
        const QRect page = pages.pageRectInViewport(0);
        const double scale = page.width() / 595.0;
        const QPoint from = page.topLeft() + QPoint(qRound(100 * scale), qRound(150 * scale));
        const QPoint to = from + QPoint(qRound(200 * scale), qRound(40 * scale));

        QTest::mouseMove(area, from);
        QCOMPARE(area->cursor().shape(), Qt::CrossCursor);
        QTimer::singleShot(0, [=] {
            QTest::mouseMove(area, to);
            QTest::mouseRelease(area, Qt::LeftButton, {}, to);
        });
        QTest::mousePress(area, Qt::LeftButton, {}, from);

        QCOMPARE(theTool.clicks.size(), std::size_t(1));
        QVERIFY(std::abs(host::doubleFromFixed(theTool.clicks[0].h) - 100) < 1);
        QVERIFY(std::abs(host::doubleFromFixed(theTool.clicks[0].v) - 692) < 1);
        QVERIFY(theTool.rect.has_value());
        QVERIFY(std::abs(host::doubleFromFixed(theTool.rect->right) - 300) < 1);
        QVERIFY(std::abs(host::doubleFromFixed(theTool.rect->bottom) - 652) < 1);

        // The outline shows in red where it was dragged; inside it the page
        // is white as before.
        // (The edges went to points and back: a pixel either way is the same place.)
        const QImage shown = area->grab().toImage();
        QVERIFY(redNear(shown, from.x() + 20, from.y()));
        QVERIFY(redNear(shown, to.x(), to.y() - 10));
        QVERIFY(!redNear(shown, from.x() + 20, from.y() + 20));
        QCOMPARE(QColor(shown.pixel(from.x() + 20, from.y() + 20)), QColor(Qt::white));

        // Escape puts the tool away: the hand drags the pages again.
        QTest::keyClick(&pages, Qt::Key_Escape);
        QCOMPARE(desk->ui().tools().active(), desk->ui().tools().standardTool());
        QTest::mouseMove(area, from);
        QCOMPARE(area->cursor().shape(), Qt::OpenHandCursor);
        theTool.view->unregisterDrawing(theTool.drawing, nullptr);
    }

    void opensFilesWithTheirAssociatedProgram() {
        auto desk = startDesk();
        QList<QUrl> opened;
        desk->ui().setAssociatedProgramOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        const auto report = temp_ / "binder.pdf_report.txt";
        std::ofstream(report) << "[Report summary]";
        const host::AcroViewTable& view = desk->host().acroView();
        QVERIFY(view.openWithAssociatedProgram(report.string().c_str()));
        // A file that is not there is not handed to the desktop.
        QVERIFY(!view.openWithAssociatedProgram((temp_ / "gone.txt").string().c_str()));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(report.string()))});
    }

    void opensDocumentsInViewsForPlugIns() {
        auto desk = startDesk();
        const host::AcroSupportTable& support = desk->host().acroSupport();
        const host::AcroViewTable& view = desk->host().acroView();
        host::FileSystem* files = support.defaultFileSystem();
        host::HostPath* path = support.pathFromPlatformPath(files, binder_.toStdString().c_str());
        host::DocumentView* shown = view.openDocumentInView(path, files);
        QCOMPARE(desk->window().tabCount(), 1);
        QCOMPARE(view.activeDocument(), shown);
        QCOMPARE(desk->window().activeTab()->pages().pageCount(), 3);

        // A second document, then the first again: its view comes to the front.
        const auto other = temp_ / "other.pdf";
        writeBinder(other, 2);
        host::HostPath* otherPath = support.pathFromPlatformPath(files, other.string().c_str());
        QVERIFY(view.openDocumentInView(otherPath, files) != shown);
        QCOMPARE(view.openDocumentInView(path, files), shown);
        QCOMPARE(desk->window().tabCount(), 2);
        QCOMPARE(desk->window().activeTab(), desk->window().tabOf(shown));
        support.releasePath(files, path);
        support.releasePath(files, otherPath);
    }

    void choosersUseTheirOwnerAndDefaultExtension() {
        auto desk = startDesk();
        QDialog owner(&desk->window());
        owner.show();
        QWidget* parent = nullptr;
        QString suffix;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr) {
                parent = dialog->parentWidget();
                suffix = dialog->defaultSuffix();
                dialog->reject();
            }
        });
        host::FileChoice choice;
        choice.initialPath = temp_.path().string() + "/";
        choice.defaultName = "binder.txt";
        choice.defaultExtension = "ann";
        choice.owner = &owner;
        QVERIFY(!desk->ui().chooseSaveFile(choice).has_value());
        QCOMPARE(parent, static_cast<QWidget*>(&owner));
        QCOMPARE(suffix, QString("ann"));
    }

    void logsOnThroughTheDialogAndShowsTheLoggedOnMenu() {
        fixtures::ReferenceService service;
        const SettingsFileInUse settings(service.WriteSettingsFile());
        auto desk = startDesk();
        desk->window().openFile(binder_);
        QMenu* lumar = lumarMenu(*desk);
        QVERIFY(lumar != nullptr);

        QString dialogTitle;
        QString greeting;
        logOnThroughTheDialog(lumar, "editor", "editor3", &dialogTitle, &greeting);

        QCOMPARE(dialogTitle, QString("Log on"));
        QCOMPARE(greeting, QString("Logged on as Eddie Editor (Editor)"));
        QCOMPARE(shownItems(lumar),
                 (QStringList{"Open publication &manager...", "&Check PDF file",
                              "&Export footer information...", "&Import annotations...",
                              "Check number of &annotations", "Create annotation &report",
                              "Create annotation report (&no numbers)", "-", "&Log off", "-",
                              "Settin&gs..."}));
        QVERIFY(lumar->findChild<QAction*>("TOLMA:LumarCheckPDF")->isEnabled());

        // Logging off brings the logged-off menu back.
        lumar->findChild<QAction*>("TOLMA:LumarLogoff")->trigger();
        QCOMPARE(shownItems(lumar), (QStringList{"-", "&Log on...", "-", "Settin&gs..."}));
    }

    void footerRegionIsDrawnOnAPageAndExported() {
        fixtures::ReferenceService service;
        const auto annotations = temp_ / "annotations";
        std::filesystem::create_directories(annotations);
        const auto settingsFile = service.WriteSettingsFile();
        std::ofstream(settingsFile, std::ios::app)
            << "\"Annotations\"=\"" << annotations.string() << "\"\r\n";
        const SettingsFileInUse settings(settingsFile);

        const auto path = temp_ / "footers.pdf";
        fixtures::PdfBuilder builder;
        builder.pages(2);
        builder.text(0, 72, 30, "Binder 1 page 1").text(1, 72, 30, "Binder 1 page 2");
        builder.text(1, 72, 700, "Body text");
        builder.write(path);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        QMenu* lumar = lumarMenu(*desk);
        logOnThroughTheDialog(lumar, "editor", "editor3");

        QStringList shown;
        MessageBoxAnswerer answerer(&shown);
        Q_EMIT lumar->aboutToShow();
        QAction* exportFooter = lumar->findChild<QAction*>("TOLMA:LumarVoetRegels");
        QVERIFY(exportFooter->isEnabled());
        exportFooter->trigger();
        QCOMPARE(shown, QStringList{"Select footer region"});

        // The band 20 to 50 points above the page's bottom edge, from 60 to
        // 300 points from its left edge, dragged out on the first page.
        PageView& pages = tab->pages();
        pages.setZoomPercent(100);
        pages.goToPage(1);
        pages.goToPage(0);
        const QRect page = pages.pageRectInViewport(0);
        const double scale = page.width() / 595.0;
        const auto at = [&](double x, double y) {
            return page.topLeft() + QPoint(qRound(x * scale), qRound((842 - y) * scale));
        };
        QWidget* area = pages.viewport();
        pages.verticalScrollBar()->setValue(at(0, 0).y() + pages.verticalScrollBar()->value() -
                                            area->height() / 2);
        const QRect moved = pages.pageRectInViewport(0);
        const auto atNow = [&](double x, double y) {
            return moved.topLeft() + QPoint(qRound(x * scale), qRound((842 - y) * scale));
        };
        const QPoint from = atNow(60, 50);
        const QPoint to = atNow(300, 20);
        QTimer::singleShot(0, [=] {
            QTest::mouseMove(area, to);
            QTest::mouseRelease(area, Qt::LeftButton, {}, to);
        });
        QTest::mousePress(area, Qt::LeftButton, {}, from);
        const QImage drawn = area->grab().toImage();
        // (Beside the handles, which are white inside.)
        QVERIFY(redNear(drawn, (3 * from.x() + to.x()) / 4, from.y()));
        QVERIFY(redNear(drawn, to.x(), (3 * from.y() + to.y()) / 4));
        QTest::mouseMove(area, atNow(180, 35));
        QCOMPARE(area->cursor().shape(), Qt::PointingHandCursor);

        // A click inside, "OK", and the footer text of every page is written.
        QTest::mouseClick(area, Qt::LeftButton, {}, atNow(180, 35));
        QCOMPARE(shown, (QStringList{"Select footer region", "Selected region OK for all pages?",
                                     "Text extraction completed."}));
        std::ifstream written(annotations / "footers.ann.txt", std::ios::binary);
        const std::string footers((std::istreambuf_iterator<char>(written)),
                                  std::istreambuf_iterator<char>());
        QCOMPARE(footers, std::string("Binder 1 page 1 \r\nBinder 1 page 2 \r\n"));
        QCOMPARE(desk->ui().tools().active(), desk->ui().tools().standardTool());
        lumar->findChild<QAction*>("TOLMA:LumarLogoff")->trigger();
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
