// The desktop host on the offscreen platform with the plug-in module loaded:
// documents in page views, the extension's menu, messages, progress,
// printing and quitting.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <functional>
#include <optional>
#include <vector>

#include "annotation_pane.h"
#include "desk_application.h"
#include "desktop_ui.h"
#include "document_tab.h"
#include "empty_window_hint.h"
#include "file_dialogs.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/service/reference_service.h"
#include "fixtures/temp_dir.h"
#include "main_window.h"
#include "menu_mirror.h"
#include "page_focus.h"
#include "page_layout.h"
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
#include "thumbnail_model.h"
#include "thumbnail_sidebar.h"

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

// Answers every dialog that opens while it lives: an open-file chooser
// with `openPath`, a save-file chooser with Cancel, a message box with the
// button titled `button` when it has one, else "OK" or its first; records
// the boxes' texts.
class DialogAnswerer {
public:
    DialogAnswerer(QString openPath, QString button, QStringList* texts)
        : openPath_(std::move(openPath)), button_(std::move(button)), texts_(texts) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(10);
    }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last_) {
            return;
        }
        last_ = modal;
        if (auto* chooser = qobject_cast<QFileDialog*>(modal)) {
            if (chooser->acceptMode() == QFileDialog::AcceptOpen) {
                chooser->selectFile(openPath_);
                static_cast<QDialog*>(chooser)->accept();  // as OK does
            } else {
                chooser->reject();
            }
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || box->buttons().isEmpty()) {
            return;
        }
        *texts_ << box->text();
        QAbstractButton* chosen = box->buttons().front();
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text() == button_ ||
                (candidate->text() == "OK" && chosen->text() != button_)) {
                chosen = candidate;
            }
        }
        chosen->click();
    }

    QString openPath_;
    QString button_;
    QStringList* texts_;
    QTimer timer_;
    QPointer<QWidget> last_;
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

    // The settings of a logged-on editor with an annotations folder, for
    // the commands that write there.
    static std::filesystem::path editorSettings(fixtures::ReferenceService& service,
                                                const std::filesystem::path& annotations) {
        std::filesystem::create_directories(annotations);
        const auto settingsFile = service.WriteSettingsFile();
        std::ofstream(settingsFile, std::ios::app)
            << "\"Annotations\"=\"" << annotations.string() << "\"\r\n";
        return settingsFile;
    }

    void annotationPaneShowsTheCurrentPagesDataAnnotation() {
        fixtures::ReferenceService service;
        const auto annotations = temp_ / "pane-annotations";
        const SettingsFileInUse settings(editorSettings(service, annotations));
        const auto path = temp_ / "tagged.pdf";
        fixtures::PdfBuilder builder;
        builder.pages(2).dataAnnotations(
            {"Leaf one <<#TABSHEET=true colour='light blue'#>>", "Leaf two\r\nsecond line"});
        builder.annotation(1, {.subtype = "Square", .title = "Index", .contents = "not data"});
        builder.write(path);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        AnnotationPane& pane = desk->window().annotationPane();
        QVERIFY(pane.isVisible());

        const QStringList first = pane.shownText().split('\n');
        QVERIFY2(first.contains("Page 1 of 2"), qPrintable(pane.shownText()));
        QVERIFY(first.contains("Page text: Leaf one <<#TABSHEET=true colour='light blue'#>>"));
        QVERIFY(first.contains("Tab sheet: Yes"));
        QVERIFY(first.contains("Colour: light blue"));
        QVERIFY(first.contains("Note window (closed):"));

        // The pane follows the page; the note window keeps the line break
        // the page text turns into a TAB. The square titled "Index" is no
        // data annotation.
        tab->pages().goToPage(1);
        const QStringList second = pane.shownText().split('\n');
        QVERIFY2(second.contains("Page 2 of 2"), qPrintable(pane.shownText()));
        QVERIFY(second.contains("Page text: Leaf two\tsecond line"));
        QVERIFY(second.contains("Tab sheet: No"));
        QVERIFY(second.contains("Colour: None"));
        QVERIFY(second.contains("Leaf two") && second.contains("second line"));
        QVERIFY(!pane.shownText().contains("not data"));

        // An import through the plug-in's menu replaces the texts, and the
        // pane shows the new ones at once.
        std::ofstream(annotations / "tagged.ann", std::ios::binary)
            << "Imported one <<#COLOUR=red#>>\r\nImported two\r\n";
        QMenu* lumar = lumarMenu(*desk);
        logOnThroughTheDialog(lumar, "editor", "editor3");
        QStringList shown;
        {
            DialogAnswerer answerer(QString::fromStdString((annotations / "tagged.ann").string()),
                                    "Replace", &shown);
            Q_EMIT lumar->aboutToShow();
            lumar->findChild<QAction*>("TOLMA:LumarAnnotImport")->trigger();
        }
        QVERIFY2(shown.contains("Add to or replace existing Lumar annotations (if any)?"),
                 qPrintable(shown.join(" | ")));
        QCOMPARE(tab->pages().currentPage(), 1);
        QVERIFY2(pane.shownText().split('\n').contains("Page text: Imported two"),
                 qPrintable(pane.shownText()));
        tab->pages().goToPage(0);
        QVERIFY(pane.shownText().split('\n').contains("Colour: red"));
        QVERIFY(pane.shownText().split('\n').contains("Tab sheet: No"));
        // The pictures are those of the changed document.
        QCOMPARE(desk->window().thumbnails().model().rowCount(), 2);

        // A change made while the user was in another window shows when the
        // main window is active again.
        tab->document().page(0).annotation(0).setContents("Changed meanwhile");
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&desk->window(), &activate);
        QVERIFY2(pane.shownText().split('\n').contains("Page text: Changed meanwhile"),
                 qPrintable(pane.shownText()));
        Q_EMIT lumar->aboutToShow();
        lumar->findChild<QAction*>("TOLMA:LumarLogoff")->trigger();
        QCOMPARE(shownItems(lumar), (QStringList{"-", "&Log on...", "-", "Settin&gs..."}));
    }

    void thumbnailsAreDrawnOnlyAsTheyShow() {
        const auto path = temp_ / "thousand.pdf";
        writeBinder(path, 1000);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        ThumbnailSidebar& sidebar = desk->window().thumbnails();
        ThumbnailModel& model = sidebar.model();
        QCOMPARE(model.rowCount(), 1000);
        QTRY_VERIFY(model.picturesDrawn() > 0 && !model.isDrawing());
        const int firstScreen = model.picturesDrawn();
        // One screen of pictures, not the binder.
        QVERIFY2(firstScreen < 30, qPrintable(QString::number(firstScreen)));

        // Scrolling to the end draws the pictures that show there.
        sidebar.list().scrollToBottom();
        QTRY_VERIFY(model.picturesDrawn() > firstScreen && !model.isDrawing());
        QVERIFY(model.picturesDrawn() < 2 * firstScreen + 10);

        // A click on a picture goes to its page, and the page view's page
        // is the one selected.
        const QModelIndex last = model.index(998);
        sidebar.list().scrollTo(last);
        QTest::mouseClick(sidebar.list().viewport(), Qt::LeftButton, {},
                          sidebar.list().visualRect(last).center());
        QCOMPARE(tab->pages().currentPage(), 998);
        tab->pages().goToPage(3);
        QCOMPARE(sidebar.list().currentIndex().row(), 3);
    }

    void fitsThePageAndNavigatesFromTheToolBar() {
        auto desk = startDesk();
        MainWindow& window = desk->window();
        // Without a document the window says how to begin.
        QVERIFY(window.emptyHint().isVisible());
        QVERIFY(window.emptyHint().findChild<QPushButton*>("LogOnButton")->isVisible());
        QVERIFY(!window.findChild<QAction*>("FooterRegionTool")->isEnabled());

        DocumentTab* tab = window.openFile(binder_);
        QVERIFY(!window.emptyHint().isVisible());
        PageView& pages = tab->pages();
        const auto trigger = [&](const QString& text) {
            for (QAction* action : window.toolBar().actions()) {
                if (action->text() == text) {
                    action->trigger();
                    return true;
                }
            }
            return false;
        };
        QVERIFY(trigger("Fit &Page"));
        QVERIFY(pages.fitsPage() && !pages.fitsWidth());
        QVERIFY(pages.viewport()->rect().contains(pages.pageRectInViewport(0)));
        // The fit stays when the window changes its size.
        window.resize(700, 900);
        QVERIFY(pages.viewport()->rect().contains(pages.pageRectInViewport(0)));
        QVERIFY(trigger("Fit &Width"));
        QVERIFY(pages.fitsWidth());

        QVERIFY(trigger("&Next Page"));
        QCOMPARE(pages.currentPage(), 1);
        auto* pageBox = window.toolBar().findChild<QSpinBox*>("PageBox");
        QCOMPARE(pageBox->value(), 2);
        QCOMPARE(window.toolBar().findChild<QLabel*>("PageCount")->text(), QString("of 3"));
        pageBox->setValue(1);
        QCOMPARE(pages.currentPage(), 0);
        QVERIFY(window.findChild<QAction*>("HandTool")->isChecked());
    }

    // A page turned by 0, 90, 180 and 270 degrees: where a point of the page
    // lands in the window, and back.
    void convertsBetweenWindowAndTurnedPages_data() {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QPointF>("expected");  // of the page point (100, 700)
        // The A4 box (0, 0, 595, 842) shown at one pixel per point at (10, 20).
        QTest::newRow("0") << 0 << QPointF(10 + 100, 20 + 142);
        QTest::newRow("90") << 90 << QPointF(10 + 842 - 142, 20 + 100);
        QTest::newRow("180") << 180 << QPointF(10 + 495, 20 + 842 - 142);
        QTest::newRow("270") << 270 << QPointF(10 + 142, 20 + 495);
    }

    void convertsBetweenWindowAndTurnedPages() {
        QFETCH(int, rotation);
        QFETCH(QPointF, expected);
        PagePlacement placement;
        placement.right = 595;
        placement.top = 842;
        placement.rotation = rotation;
        const bool turned = rotation % 180 != 0;
        placement.device = QRect(10, 20, turned ? 842 : 595, turned ? 595 : 842);
        QCOMPARE(placement.toDevice({100, 700}), expected);
        QCOMPARE(placement.toPage(expected), QPointF(100, 700));
        // The box's corner at the page's top left: the window's top left
        // turned with the page.
        const QPointF corner = placement.toDevice({0, 842});
        const QPointF expectedCorner = rotation == 0     ? QPointF(10, 20)
                                       : rotation == 90  ? QPointF(10 + 842, 20)
                                       : rotation == 180 ? QPointF(10 + 595, 20 + 842)
                                                         : QPointF(10, 20 + 595);
        QCOMPARE(corner, expectedCorner);

        // On a real turned page the conversion meets what the renderer drew:
        // the stem of a large "I" is dark where the conversion puts it, and a
        // point far from it is white.
        const auto path = temp_ / ("turned" + std::to_string(rotation) + ".pdf");
        fixtures::PdfBuilder builder;
        builder.pages(1).rotate(0, rotation).text(0, 100, 100, "I", 0, 200);
        builder.write(path);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        PageView& pages = tab->pages();
        pages.setZoomPercent(50);
        pages.goToPage(0);
        const QImage shown = pages.viewport()->grab().toImage();
        const PagePlacement real = pages.placement(0);
        QCOMPARE(real.rotation, rotation);
        const QPoint stem = real.toDevice({128, 170}).toPoint();
        const QPoint blank = real.toDevice({450, 650}).toPoint();
        QVERIFY2(QColor(shown.pixel(stem)).lightness() < 100,
                 qPrintable(QString("at %1,%2").arg(stem.x()).arg(stem.y())));
        QCOMPARE(QColor(shown.pixel(blank)), QColor(Qt::white));
        // The tools' conversions are the page view's.
        PageFocus focus(pages, 0);
        const host::FixedPoint back = focus.toPage(stem.x(), stem.y());
        QVERIFY(std::abs(host::doubleFromFixed(back.h) - 128) < 2);
        QVERIFY(std::abs(host::doubleFromFixed(back.v) - 170) < 2);
    }

    void footerRegionOnATurnedPageExportsTheWordsInIt() {
        fixtures::ReferenceService service;
        const auto annotations = temp_ / "turned-annotations";
        const SettingsFileInUse settings(editorSettings(service, annotations));
        const auto path = temp_ / "turned-footers.pdf";
        fixtures::PdfBuilder builder;
        builder.pages(2).rotate(0, 90).rotate(1, 90);
        builder.text(0, 72, 30, "Binder 1 page 1").text(1, 72, 30, "Binder 1 page 2");
        builder.text(0, 72, 700, "Body text").text(1, 72, 700, "Body text");
        builder.write(path);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        QMenu* lumar = lumarMenu(*desk);
        logOnThroughTheDialog(lumar, "editor", "editor3");

        // The footer tool is one of the page tools of the tool bar.
        QAction* footerTool = desk->window().findChild<QAction*>("FooterRegionTool");
        QVERIFY(footerTool->isEnabled());
        QStringList shown;
        MessageBoxAnswerer answerer(&shown);
        footerTool->trigger();
        QCOMPARE(shown, QStringList{"Select footer region"});
        QVERIFY(footerTool->isChecked());

        // The band 20 to 50 points above the page's bottom edge, from 60 to
        // 300 points from its left: on the turned page it stands upright at
        // the window's left.
        PageView& pages = tab->pages();
        pages.setZoomPercent(75);
        pages.goToPage(0);
        const PagePlacement place = pages.placement(0);
        const QPoint from = place.toDevice({60, 50}).toPoint();
        const QPoint to = place.toDevice({300, 20}).toPoint();
        QVERIFY(std::abs(from.x() - to.x()) < std::abs(from.y() - to.y()));
        QWidget* area = pages.viewport();
        QTimer::singleShot(0, [=] {
            QTest::mouseMove(area, to);
            QTest::mouseRelease(area, Qt::LeftButton, {}, to);
        });
        QTest::mousePress(area, Qt::LeftButton, {}, from);
        const QPoint inside = place.toDevice({180, 35}).toPoint();
        QTest::mouseMove(area, inside);
        QCOMPARE(area->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(area, Qt::LeftButton, {}, inside);
        QCOMPARE(shown, (QStringList{"Select footer region", "Selected region OK for all pages?",
                                     "Text extraction completed."}));
        std::ifstream written(annotations / "turned-footers.ann.txt", std::ios::binary);
        const std::string footers((std::istreambuf_iterator<char>(written)),
                                  std::istreambuf_iterator<char>());
        QCOMPARE(footers, std::string("Binder 1 page 1 \r\nBinder 1 page 2 \r\n"));
        QVERIFY(!footerTool->isChecked());
        Q_EMIT lumar->aboutToShow();
        lumar->findChild<QAction*>("TOLMA:LumarLogoff")->trigger();
    }

    void windowTitlesStandAsTheyAre() {
        // The platform appends a display name to every window's title; the
        // desk sets none, so the extensions' dialogs keep their own titles.
        const QString before = QGuiApplication::applicationName();
        DeskApplication::nameApplication();
        QCOMPARE(QGuiApplication::applicationName(), QString("lumar-desk"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("lumar-desk"));
        QGuiApplication::setApplicationName(before);
    }

    void theLumarMenuShowsItsLeadingSeparator() {
        auto desk = startDesk();
        QMenu* lumar = lumarMenu(*desk);
        QCOMPARE(shownItems(lumar), (QStringList{"-", "&Log on...", "-", "Settin&gs..."}));
        QAction* leading = lumar->findChild<QAction*>("TOLMA:LumarMenuSeparator");
        QVERIFY(leading != nullptr && leading->isSeparator());
        // Qt drops a leading separator unless told not to: it then has no place.
        QVERIFY(!lumar->actionGeometry(leading).isEmpty());
        QVERIFY(lumar->actionGeometry(leading).top() <
                lumar->actionGeometry(lumar->findChild<QAction*>("TOLMA:LumarLogon")).top());
    }

    void folderChooserStartsWithItsFolderInTheEditBox() {
        auto desk = startDesk();
        const auto start = temp_ / "start folder";
        std::filesystem::create_directories(start);
        QString typed;
        QString shownFolder;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) {
                typed = edit->text();
            }
            shownFolder = dialog->directory().absolutePath();
            static_cast<QDialog*>(dialog)->accept();
        });
        host::FolderChoice choice;
        choice.initialFolder = start.string();
        choice.title = "Annotations folder";
        choice.prompt = "Folder:";
        const std::optional<std::string> chosen = desk->ui().chooseFolder(choice);
        // The start folder is selected among its neighbours, its name typed.
        QCOMPARE(typed, QString("start folder"));
        QCOMPARE(shownFolder, QString::fromStdString(temp_.path().string()));
        // OK takes the folder shown.
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), QString::fromStdString(start.string()));
    }

    void saveAsAddsTheNewFileToTheRecentFiles() {
        const auto path = temp_ / "to-save.pdf";
        writeBinder(path, 2);
        auto desk = startDesk();
        DocumentTab* tab = desk->window().openFile(QString::fromStdString(path.string()));
        const QString target = QString::fromStdString((temp_ / "saved-as.pdf").string());
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog->selectFile(target);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        QVERIFY(desk->window().saveAs(tab));
        QCOMPARE(tab->path(), std::filesystem::path(target.toStdString()));
        QCOMPARE(desk->window().recentFiles().value(0), target);
        QCOMPARE(desk->window().windowTitle(), QString("saved-as.pdf[*] - Lumar Desk"));
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
