#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <exception>

#include "annotation_pane.h"
#include "document_tab.h"
#include "empty_window_hint.h"
#include "menu_mirror.h"
#include "message_boxes.h"
#include "page_view.h"
#include "platform/host/tool_set.h"
#include "platform/pdf/document.h"
#include "platform/pdf/pdf_error.h"
#include "printing.h"
#include "status_progress.h"
#include "thumbnail_sidebar.h"

namespace lumar::desk {

namespace {

constexpr int kRecentFiles = 8;
constexpr const char* kRecentKey = "recentFiles";
constexpr const char* kPdfFilter = "PDF files (*.pdf *.PDF);;All files (*)";

// The extension's footer region tool and the command that starts it, by
// their language-independent names.
constexpr const char* kFooterRegionToolType = "TOLMA:Lumar_RegionTool";
constexpr const char* kFooterExportItem = "TOLMA:LumarVoetRegels";
constexpr const char* kLogOnItem = "TOLMA:LumarLogon";

QSettings deskSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "lumar", "lumar-desk");
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

}  // namespace

MainWindow::MainWindow(host::MenuBar& menus, std::function<bool()> mayQuit, QWidget* parent)
    : QMainWindow(parent),
      mayQuit_(std::move(mayQuit)),
      centre_(new QStackedWidget(this)),
      emptyHint_(new EmptyWindowHint(centre_)),
      tabs_(new QTabWidget(centre_)),
      mirror_(new MenuMirror(menus, *menuBar(), this)),
      progress_(new StatusProgress(this)),
      pageLabel_(new QLabel(this)),
      zoomLabel_(new QLabel(this)) {
    setObjectName("MainWindow");
    setAcceptDrops(true);
    resize(1000, 760);

    tabs_->setObjectName("Documents");
    tabs_->setDocumentMode(true);
    tabs_->setTabsClosable(true);
    tabs_->setMovable(true);
    centre_->addWidget(emptyHint_);
    centre_->addWidget(tabs_);
    setCentralWidget(centre_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        showActiveTab();
        updateTitles();
        updateStatus();
    });
    connect(emptyHint_, &EmptyWindowHint::openRequested, this, &MainWindow::openWithDialog);
    connect(emptyHint_, &EmptyWindowHint::logOnRequested, this,
            [this] { mirror_->choose(kLogOnItem); });
    connect(tabs_, &QTabWidget::tabCloseRequested, this,
            [this](int index) { closeTab(qobject_cast<DocumentTab*>(tabs_->widget(index))); });

    statusBar()->addWidget(progress_);
    statusBar()->addPermanentWidget(pageLabel_);
    statusBar()->addPermanentWidget(zoomLabel_);
    pageLabel_->setObjectName("PageLabel");
    zoomLabel_->setObjectName("ZoomLabel");

    buildMenus();
    buildToolBar();
    buildPanes();
    mirror_->setAfterCommand([this] { refreshDocuments(); });
    mirror_->setReportError([this](const std::string& message) { showAlertNote(this, message); });
    showActiveTab();
    updateTitles();
    updateStatus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu("&File");
    fileMenu_->setObjectName("FileMenu");
    openAction_ =
        fileMenu_->addAction("&Open...", QKeySequence::Open, this, &MainWindow::openWithDialog);
    openAction_->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    recentMenu_ = fileMenu_->addMenu("Open &Recent");
    recentMenu_->setObjectName("RecentMenu");
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    fileMenu_->addSeparator();
    QAction* saveAction =
        fileMenu_->addAction("&Save", QKeySequence::Save, this, [this] { save(activeTab()); });
    QAction* saveAsAction = fileMenu_->addAction("Save &As...", QKeySequence::SaveAs, this,
                                                 [this] { saveAs(activeTab()); });
    printAction_ =
        fileMenu_->addAction("&Print...", QKeySequence::Print, this, &MainWindow::printActive);
    QAction* printAction = printAction_;
    QAction* closeAction = fileMenu_->addAction("&Close", QKeySequence::Close, this,
                                                [this] { closeTab(activeTab()); });
    fileMenu_->addSeparator();
    fileMenu_->addAction("&Quit", QKeySequence::Quit, this, &QWidget::close);
    connect(fileMenu_, &QMenu::aboutToShow, this, [=, this] {
        const bool open = activeTab() != nullptr;
        for (QAction* action : {saveAction, saveAsAction, printAction, closeAction}) {
            action->setEnabled(open);
        }
    });

    viewMenu_ = menuBar()->addMenu("&View");
    viewMenu_->setObjectName("ViewMenu");
    auto onPages = [this](auto what) {
        return [this, what] {
            if (DocumentTab* tab = activeTab()) {
                what(tab->pages());
                updateStatus();
            }
        };
    };
    zoomInAction_ = viewMenu_->addAction("Zoom &In", QKeySequence::ZoomIn, this,
                                         onPages([](PageView& pages) { pages.zoomIn(); }));
    zoomOutAction_ = viewMenu_->addAction("Zoom &Out", QKeySequence::ZoomOut, this,
                                          onPages([](PageView& pages) { pages.zoomOut(); }));
    QAction* actualSize =
        viewMenu_->addAction("&Actual Size", QKeySequence(Qt::CTRL | Qt::Key_0), this,
                             onPages([](PageView& pages) { pages.setZoomPercent(100); }));
    fitPageAction_ = viewMenu_->addAction("Fit &Page", QKeySequence(Qt::CTRL | Qt::Key_1), this,
                                          onPages([](PageView& pages) { pages.fitPage(); }));
    fitWidthAction_ = viewMenu_->addAction("Fit &Width", QKeySequence(Qt::CTRL | Qt::Key_2), this,
                                           onPages([](PageView& pages) { pages.fitWidth(); }));
    viewMenu_->addSeparator();
    nextAction_ = viewMenu_->addAction(
        "&Next Page", QKeySequence(Qt::Key_PageDown | Qt::CTRL), this,
        onPages([](PageView& pages) { pages.goToPage(pages.currentPage() + 1); }));
    previousAction_ = viewMenu_->addAction(
        "&Previous Page", QKeySequence(Qt::Key_PageUp | Qt::CTRL), this,
        onPages([](PageView& pages) { pages.goToPage(pages.currentPage() - 1); }));
    QAction* goTo = viewMenu_->addAction("&Go to Page...", QKeySequence(Qt::CTRL | Qt::Key_G), this,
                                         &MainWindow::goToPageDialog);
    nextAction_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    previousAction_->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    documentActions_ = {printAction_,    zoomInAction_, zoomOutAction_,  actualSize, fitPageAction_,
                        fitWidthAction_, nextAction_,   previousAction_, goTo};
    viewMenu_->addSeparator();

    helpMenu_ = menuBar()->addMenu("&Help");
    helpMenu_->setObjectName("HelpMenu");
    helpMenu_->addAction("&About Lumar Desk", this, [this] {
        QMessageBox::about(this, "About Lumar Desk",
                           QString("Lumar Desk %1\n\nLumar Desk opens PDF documents and hosts "
                                   "the Lumar plug-in for loose-leaf publishing.")
                               .arg(QApplication::applicationVersion()));
    });
}

void MainWindow::buildToolBar() {
    toolBar_ = addToolBar("Main Toolbar");
    toolBar_->setObjectName("MainToolBar");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar_->addAction(openAction_);
    toolBar_->addAction(printAction_);
    toolBar_->addSeparator();
    toolBar_->addAction(zoomOutAction_);
    toolBar_->addAction(zoomInAction_);
    toolBar_->addAction(fitPageAction_);
    toolBar_->addAction(fitWidthAction_);
    toolBar_->addSeparator();
    toolBar_->addAction(previousAction_);
    pageBox_ = new QSpinBox(toolBar_);
    pageBox_->setObjectName("PageBox");
    pageBox_->setAccessibleName("Page");
    pageBox_->setToolTip("The page shown; type a number to go there");
    pageBox_->setKeyboardTracking(false);
    pageBox_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    pageBox_->setAlignment(Qt::AlignRight);
    pageBox_->setMinimumWidth(pageBox_->fontMetrics().horizontalAdvance("00000") + 16);
    toolBar_->addWidget(pageBox_);
    pageCountLabel_ = new QLabel(toolBar_);
    pageCountLabel_->setObjectName("PageCount");
    pageCountLabel_->setContentsMargins(4, 0, 4, 0);
    toolBar_->addWidget(pageCountLabel_);
    toolBar_->addAction(nextAction_);
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int page) {
        if (DocumentTab* tab = activeTab();
            tab != nullptr && page - 1 != tab->pages().currentPage()) {
            tab->pages().goToPage(page - 1);
        }
    });
    toolBar_->addSeparator();

    // The page tools: the hand that moves the pages, and the tools the
    // extensions install in the host (the footer region tool).
    handAction_ = toolBar_->addAction("&Hand", this, &MainWindow::chooseStandardTool);
    handAction_->setObjectName("HandTool");
    handAction_->setCheckable(true);
    handAction_->setToolTip("Drag the pages with the mouse");
    footerAction_ =
        toolBar_->addAction("&Footer Region", this, &MainWindow::chooseFooterRegionTool);
    footerAction_->setObjectName("FooterRegionTool");
    footerAction_->setCheckable(true);
    footerAction_->setToolTip("Draw the footer region and export the footer text of every page");
    viewMenu_->addAction(toolBar_->toggleViewAction());
}

void MainWindow::buildPanes() {
    thumbnails_ = new ThumbnailSidebar(this);
    addDockWidget(Qt::LeftDockWidgetArea, thumbnails_);
    connect(thumbnails_, &ThumbnailSidebar::pageChosen, this, [this](int page) {
        if (DocumentTab* tab = activeTab()) {
            tab->pages().goToPage(page);
        }
    });
    annotationPane_ = new AnnotationPane(this);
    addDockWidget(Qt::RightDockWidgetArea, annotationPane_);
    resizeDocks({thumbnails_, annotationPane_}, {150, 280}, Qt::Horizontal);
    viewMenu_->addAction(thumbnails_->toggleViewAction());
    viewMenu_->addAction(annotationPane_->toggleViewAction());
}

void MainWindow::showActiveTab() {
    DocumentTab* tab = activeTab();
    centre_->setCurrentWidget(tab != nullptr ? static_cast<QWidget*>(tabs_)
                                             : static_cast<QWidget*>(emptyHint_));
    thumbnails_->showDocument(tab);
    showCurrentPage();
    updateActions();
}

void MainWindow::showCurrentPage() {
    DocumentTab* tab = activeTab();
    const int page = tab != nullptr ? tab->pages().currentPage() : -1;
    annotationPane_->showPage(tab, page);
    thumbnails_->selectPage(page);
    const int count = tab != nullptr ? tab->pages().pageCount() : 0;
    const QSignalBlocker quiet(pageBox_);
    pageBox_->setRange(count > 0 ? 1 : 0, count);
    pageBox_->setValue(page + 1);
    pageBox_->setEnabled(count > 0);
    pageCountLabel_->setText(QString("of %1").arg(count));
}

void MainWindow::updateActions() {
    const bool open = activeTab() != nullptr;
    for (QAction* action : documentActions_) {
        action->setEnabled(open);
    }
    const host::Tool* active = tools_ != nullptr ? tools_->active() : nullptr;
    const bool footerActive = active != nullptr && active->type() == kFooterRegionToolType;
    handAction_->setEnabled(open);
    handAction_->setChecked(open && (active == nullptr || active == tools_->standardTool()));
    footerAction_->setEnabled(open && (footerActive || mirror_->isAvailable(kFooterExportItem)));
    footerAction_->setChecked(open && footerActive);
    emptyHint_->setLogOnAvailable(mirror_->isAvailable(kLogOnItem));
}

void MainWindow::chooseStandardTool() {
    if (tools_ != nullptr && tools_->active() != tools_->standardTool()) {
        try {
            tools_->setActive(tools_->standardTool(), true);
        } catch (const std::exception& error) {
            showAlertNote(this, error.what());
        }
        if (DocumentTab* tab = activeTab()) {
            tab->pages().viewport()->update();  // what the tool drew goes with it
        }
    }
    updateActions();
}

void MainWindow::chooseFooterRegionTool() {
    const host::Tool* active = tools_ != nullptr ? tools_->active() : nullptr;
    if (active != nullptr && active->type() == kFooterRegionToolType) {
        updateActions();  // it stays chosen
        return;
    }
    // The extension's command starts its tool: it tells the user what to
    // draw and makes the tool active. The menu then brings everything up
    // to date.
    if (mirror_->isAvailable(kFooterExportItem)) {
        mirror_->choose(kFooterExportItem);
    } else {
        updateActions();
    }
}

void MainWindow::syncExtensionMenus() {
    mirror_->sync(helpMenu_);
    updateActions();  // what the extensions offer now
}

DocumentTab* MainWindow::openFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (DocumentTab* open = tabShowing(toPath(absolute))) {
        activate(open);
        return open;
    }
    std::unique_ptr<pdf::Document> document;
    try {
        document = std::make_unique<pdf::Document>(pdf::Document::open(toPath(absolute), true));
    } catch (const pdf::PdfError& error) {
        reportError(QString("The file \"%1\" cannot be opened.\n%2")
                        .arg(QDir::toNativeSeparators(absolute), QString::fromUtf8(error.what())));
        return nullptr;
    }
    return showDocument(std::move(document));
}

DocumentTab* MainWindow::showDocument(std::unique_ptr<pdf::Document> document) {
    auto* tab = new DocumentTab(std::move(document), tabs_);
    tab->pages().setTools(tools_);
    connect(&tab->pages(), &PageView::currentPageChanged, this, [this, tab] {
        updateStatus();
        if (tab == activeTab()) {
            showCurrentPage();
        }
    });
    // Shown again after an extension changed it: new pictures, new
    // annotations.
    connect(&tab->pages(), &PageView::documentShown, this, [this, tab] {
        if (tab == activeTab()) {
            showActiveTab();
        }
    });
    connect(&tab->pages(), &PageView::toolMayHaveChanged, this, &MainWindow::updateActions);
    connect(&tab->pages(), &PageView::zoomChanged, this, [this] { updateStatus(); });
    tabs_->setCurrentIndex(tabs_->addTab(tab, tab->displayName()));
    tab->setFocus();
    if (!tab->path().empty()) {
        rememberRecent(QString::fromStdString(tab->path().string()));
    }
    updateTitles();
    updateStatus();
    return tab;
}

DocumentTab* MainWindow::tabShowing(const std::filesystem::path& path) const {
    std::error_code ignored;
    const std::filesystem::path wanted = std::filesystem::weakly_canonical(path, ignored);
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* tab = qobject_cast<DocumentTab*>(tabs_->widget(i));
        if (!tab->path().empty() &&
            std::filesystem::weakly_canonical(tab->path(), ignored) == wanted) {
            return tab;
        }
    }
    return nullptr;
}

void MainWindow::activate(DocumentTab* tab) {
    if (tab != nullptr && tabs_->indexOf(tab) >= 0) {
        tabs_->setCurrentWidget(tab);
        tab->setFocus();
    }
}

void MainWindow::openWithDialog() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, "Open PDF", QString(), kPdfFilter);
    for (const QString& path : paths) {
        openFile(path);
    }
}

DocumentTab* MainWindow::activeTab() const {
    return qobject_cast<DocumentTab*>(tabs_->currentWidget());
}

DocumentTab* MainWindow::tabOf(const host::DocumentView* view) const {
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* tab = qobject_cast<DocumentTab*>(tabs_->widget(i));
        if (&tab->view() == view) {
            return tab;
        }
    }
    return nullptr;
}

int MainWindow::tabCount() const {
    return tabs_->count();
}

bool MainWindow::save(DocumentTab* tab) {
    if (tab == nullptr) {
        return false;
    }
    if (tab->path().empty()) {
        return saveAs(tab);
    }
    try {
        tab->saveAs(tab->path());
    } catch (const pdf::PdfError& error) {
        reportError(
            QString("The document cannot be saved.\n%1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    updateTitles();
    return true;
}

bool MainWindow::saveAs(DocumentTab* tab) {
    if (tab == nullptr) {
        return false;
    }
    QString target = QFileDialog::getSaveFileName(
        this, "Save PDF As", QString::fromStdString(tab->path().string()), kPdfFilter);
    if (target.isEmpty()) {
        return false;
    }
    if (QFileInfo(target).suffix().isEmpty()) {
        target += ".pdf";
    }
    try {
        tab->saveAs(toPath(target));
    } catch (const pdf::PdfError& error) {
        reportError(
            QString("The document cannot be saved.\n%1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    rememberRecent(QFileInfo(target).absoluteFilePath());
    updateTitles();
    return true;
}

bool MainWindow::closeTab(DocumentTab* tab) {
    if (tab == nullptr) {
        return false;
    }
    if (tab->hasUnsavedChanges()) {
        tabs_->setCurrentWidget(tab);
        const auto answer = QMessageBox::question(
            this, kApplicationTitle,
            QString("Save the changes to \"%1\" before closing?").arg(tab->displayName()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save(tab))) {
            return false;
        }
    }
    tabs_->removeTab(tabs_->indexOf(tab));
    delete tab;
    updateTitles();
    updateStatus();
    return true;
}

void MainWindow::printActive() {
    DocumentTab* tab = activeTab();
    if (tab == nullptr) {
        return;
    }
    PrintRequest request;
    request.firstPage = 0;
    request.lastPage = tab->pages().pageCount() - 1;
    request.interactive = true;
    printDocument(this, tab->document(), request);
}

void MainWindow::goToPageDialog() {
    DocumentTab* tab = activeTab();
    if (tab == nullptr || tab->pages().pageCount() == 0) {
        return;
    }
    bool ok = false;
    const int page =
        QInputDialog::getInt(this, "Go to Page", "Page:", tab->pages().currentPage() + 1, 1,
                             tab->pages().pageCount(), 1, &ok);
    if (ok) {
        tab->pages().goToPage(page - 1);
    }
}

void MainWindow::refreshDocuments() {
    for (int i = 0; i < tabs_->count(); ++i) {
        qobject_cast<DocumentTab*>(tabs_->widget(i))->refresh();
    }
    syncExtensionMenus();
    updateTitles();
    updateStatus();
}

void MainWindow::updateTitles() {
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* tab = qobject_cast<DocumentTab*>(tabs_->widget(i));
        tabs_->setTabText(i, tab->displayName() + (tab->hasUnsavedChanges() ? " *" : ""));
        tabs_->setTabToolTip(i, QString::fromStdString(tab->path().string()));
    }
    DocumentTab* tab = activeTab();
    if (tab == nullptr) {
        setWindowTitle(kApplicationTitle);
        setWindowModified(false);
        return;
    }
    setWindowTitle(tab->displayName() + "[*] - " + kApplicationTitle);
    setWindowModified(tab->hasUnsavedChanges());
}

void MainWindow::updateStatus() {
    DocumentTab* tab = activeTab();
    if (tab == nullptr || tab->pages().pageCount() == 0) {
        pageLabel_->clear();
        zoomLabel_->clear();
        return;
    }
    pageLabel_->setText(
        QString("Page %1 of %2").arg(tab->pages().currentPage() + 1).arg(tab->pages().pageCount()));
    zoomLabel_->setText(QString("%1%").arg(tab->pages().zoomPercent()));
}

QStringList MainWindow::recentFiles() const {
    return deskSettings().value(kRecentKey).toStringList();
}

void MainWindow::rememberRecent(const QString& path) {
    QStringList recent = recentFiles();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentFiles) {
        recent.removeLast();
    }
    deskSettings().setValue(kRecentKey, recent);
}

void MainWindow::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList recent = recentFiles();
    for (const QString& path : recent) {
        recentMenu_->addAction(QDir::toNativeSeparators(path), this,
                               [this, path] { openFile(path); });
    }
    if (recent.isEmpty()) {
        recentMenu_->addAction("(none)")->setEnabled(false);
    }
}

void MainWindow::reportError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, message, QMessageBox::Ok, this);
    box.setObjectName("DeskError");
    box.exec();
}

bool MainWindow::event(QEvent* event) {
    // Back from a window of an extension (the publication manager), which
    // may have worked on the open documents.
    if (event->type() == QEvent::WindowActivate) {
        refreshDocuments();
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* tab = qobject_cast<DocumentTab*>(tabs_->widget(i));
        if (!tab->hasUnsavedChanges()) {
            continue;
        }
        tabs_->setCurrentIndex(i);
        const auto answer = QMessageBox::question(
            this, kApplicationTitle,
            QString("Save the changes to \"%1\" before quitting?").arg(tab->displayName()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save(tab))) {
            event->ignore();
            return;
        }
    }
    // The extensions have the last word (a logged-on session logs off first).
    if (mayQuit_ && !mayQuit_()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile() && url.toLocalFile().endsWith(".pdf", Qt::CaseInsensitive)) {
                event->acceptProposedAction();
                return;
            }
        }
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            openFile(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
}

}  // namespace lumar::desk
