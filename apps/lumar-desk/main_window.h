#pragma once

// The desktop host's main window: the open documents as tabs (the current
// tab is the active document), the File and View menus followed by the
// extensions' menus, and a status bar with the page, the zoom and the
// document progress monitor.

#include <QMainWindow>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QToolBar;

namespace lumar::host {
class DocumentView;
class MenuBar;
class ToolSet;
}  // namespace lumar::host
namespace lumar::pdf {
class Document;
}

namespace lumar::desk {

class AnnotationPane;
class DocumentTab;
class EmptyWindowHint;
class MenuMirror;
class StatusProgress;
class ThumbnailSidebar;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `mayQuit` asks the extensions whether the application may quit now.
    MainWindow(host::MenuBar& menus, std::function<bool()> mayQuit, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a PDF file in a new tab, or brings its tab to the front when it
    // is open already. Shows why when it cannot be opened. Returns the tab.
    DocumentTab* openFile(const QString& path);
    // Shows a document in a new tab, which becomes the current one; the tab
    // takes the document over.
    DocumentTab* showDocument(std::unique_ptr<pdf::Document> document);
    // The tab of the file at `path`, or none.
    [[nodiscard]] DocumentTab* tabShowing(const std::filesystem::path& path) const;
    void activate(DocumentTab* tab);

    // The host's page-view tools, handed to every page view.
    void setTools(host::ToolSet* tools) { tools_ = tools; }

    DocumentTab* activeTab() const;
    DocumentTab* tabOf(const host::DocumentView* view) const;
    int tabCount() const;

    // Saves the active document in its file, or asks for one; false when it
    // was not saved.
    bool save(DocumentTab* tab);
    bool saveAs(DocumentTab* tab);
    // Closes a tab, asking first when its document has unsaved changes.
    bool closeTab(DocumentTab* tab);

    StatusProgress& progress() { return *progress_; }
    MenuMirror& menuMirror() { return *mirror_; }
    AnnotationPane& annotationPane() { return *annotationPane_; }
    ThumbnailSidebar& thumbnails() { return *thumbnails_; }
    QToolBar& toolBar() { return *toolBar_; }
    EmptyWindowHint& emptyHint() { return *emptyHint_; }

    // Adds the extensions' menus after the host's own.
    void syncExtensionMenus();

    // Brings every tab up to date after an extension worked on documents:
    // pages, titles and the unsaved-changes marks, the panes and the tools.
    void refreshDocuments();

    QStringList recentFiles() const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildPanes();
    // The active tab's pages in the panes, or the hint without one.
    void showActiveTab();
    void showCurrentPage();
    // Enables the document actions and checks the active page tool.
    void updateActions();
    void chooseFooterRegionTool();
    void chooseStandardTool();
    void openWithDialog();
    void printActive();
    void goToPageDialog();
    void updateTitles();
    void updateStatus();
    void rememberRecent(const QString& path);
    void fillRecentMenu();
    void reportError(const QString& message);

    std::function<bool()> mayQuit_;
    host::ToolSet* tools_ = nullptr;
    QStackedWidget* centre_;
    EmptyWindowHint* emptyHint_;
    QTabWidget* tabs_;
    QToolBar* toolBar_ = nullptr;
    AnnotationPane* annotationPane_ = nullptr;
    ThumbnailSidebar* thumbnails_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageCountLabel_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* zoomInAction_ = nullptr;
    QAction* zoomOutAction_ = nullptr;
    QAction* fitWidthAction_ = nullptr;
    QAction* fitPageAction_ = nullptr;
    QAction* previousAction_ = nullptr;
    QAction* nextAction_ = nullptr;
    QAction* handAction_ = nullptr;
    QAction* footerAction_ = nullptr;
    QList<QAction*> documentActions_;  // enabled while a document is open
    QMenu* fileMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    MenuMirror* mirror_;
    StatusProgress* progress_;
    QLabel* pageLabel_;
    QLabel* zoomLabel_;
};

}  // namespace lumar::desk
