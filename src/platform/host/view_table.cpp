// The "AcroView" table's procedures: each hands its role to the host's user
// interface or to the menu and tool models it keeps.

#include <vector>

#include "platform/host/document_view.h"
#include "platform/host/engine_call.h"
#include "platform/host/host.h"
#include "platform/host/host_error.h"
#include "platform/host/menu_model.h"
#include "platform/host/print_params.h"
#include "platform/host/tool_set.h"
#include "platform/host/user_interface.h"

namespace lumar::host {

namespace {

UserInterface& ui() {
    return Host::current().ui();
}

std::string text(const char* value) {
    return value != nullptr ? std::string(value) : std::string();
}

MenuBar& bar() {
    MenuBar* menuBar = ui().menuBar();
    if (menuBar == nullptr) {
        throw HostError(error::kNoMenuBar, "The application has no menu bar.");
    }
    return *menuBar;
}

bool appMayQuit() {
    return true;
}

void alertNote(const char* message) {
    ui().alertNote(text(message));
}

int alert(AlertIcon icon, const char* message, const char* button1, const char* button2,
          const char* button3, bool beep) {
    Question question{icon, text(message), {}, beep};
    for (const char* button : {button1, button2, button3}) {
        if (button != nullptr) {
            question.buttons.emplace_back(button);
        }
    }
    if (question.buttons.empty()) {
        question.buttons.emplace_back("OK");
    }
    return ui().alert(question);
}

template <typename Choice, typename Chooser>
bool choose(const Choice* choice, std::string* chosen, Chooser chooser) {
    if (choice == nullptr || chosen == nullptr) {
        throw HostError(error::kBadParameter, "A chooser needs its request and an answer.");
    }
    std::optional<std::string> answer = chooser(*choice);
    if (!answer) {
        return false;
    }
    *chosen = std::move(*answer);
    return true;
}

bool chooseFolder(const FolderChoice* choice, std::string* chosen) {
    return choose(choice, chosen, [](const FolderChoice& c) { return ui().chooseFolder(c); });
}

bool chooseOpenFile(const FileChoice* choice, std::string* chosen) {
    return choose(choice, chosen, [](const FileChoice& c) { return ui().chooseOpenFile(c); });
}

bool chooseSaveFile(const FileChoice* choice, std::string* chosen) {
    return choose(choice, chosen, [](const FileChoice& c) { return ui().chooseSaveFile(c); });
}

DocumentView* activeDocument() {
    return ui().activeDocument();
}

pdf::Document* documentOfView(DocumentView* view) {
    if (view == nullptr) {
        throw HostError(error::kBadParameter, "No document view.");
    }
    return view->document();
}

DocumentView* openViewOfDocument(pdf::Document* document) {
    DocumentStore& store = Host::current().documents();
    std::unique_ptr<pdf::Document> shown = store.takeOver(document);
    try {
        return ui().showDocument(std::move(shown));
    } catch (...) {
        // The extension still holds the document: it stays the host's.
        if (shown) {
            store.adopt(std::move(shown));
        }
        throw;
    }
}

DocumentView* openDocumentInView(const HostPath* path, FileSystem* fileSystem) {
    DocumentStore& store = Host::current().documents();
    store.checkedFileSystem(fileSystem);
    const std::filesystem::path& file = store.checked(path).path();
    if (DocumentView* shown = ui().viewShowing(file)) {
        ui().activate(shown);
        return shown;
    }
    auto document = std::make_unique<pdf::Document>(
        engineCall([&] { return pdf::Document::open(file, true); }));
    return ui().showDocument(std::move(document));
}

void beginModal(HostWindow window) {
    ui().beginModal(window);
}

void endModal() {
    ui().endModal();
}

bool isModal() {
    return ui().isModal();
}

HostWindow hostWindowFromPlatform(void* platformWindow, int kind) {
    return ui().hostWindowFromPlatform(platformWindow, kind);
}

void destroyHostWindow(HostWindow window) {
    ui().destroyHostWindow(window);
}

const ProgressMonitor* documentProgressMonitor(void** clientData) {
    return ui().documentProgressMonitor(clientData);
}

void printWithParams(DocumentView* view, PrintParams* params) {
    if (view == nullptr || params == nullptr || params->size != sizeof(PrintParams)) {
        throw HostError(error::kBadParameter, "Printing needs a document and print parameters.");
    }
    ui().print(*view, *params);
}

MenuBar* menuBar() {
    return ui().menuBar();
}

Menu* acquireMenu(MenuBar* menuBar, const char* name) {
    if (menuBar == nullptr || menuBar != &bar()) {
        throw HostError(error::kNoMenuBar, "Unknown menu bar.");
    }
    return menuBar->acquireMenu(text(name));
}

Menu* newMenu(const char* title, const char* name, ExtensionId owner) {
    return bar().newMenu(text(title), text(name), owner);
}

void addMenuToBar(MenuBar* menuBar, Menu* menu, int position) {
    if (menuBar == nullptr || menuBar != &bar()) {
        throw HostError(error::kNoMenuBar, "Unknown menu bar.");
    }
    menuBar->addMenu(menu, position);
}

void releaseMenu(Menu* menu) {
    if (menu != nullptr) {
        bar().releaseMenu(menu);
    }
}

MenuItem* newMenuItem(const char* title, const char* name, Menu* submenu, bool longMenusOnly,
                      char shortcut, int flags, const void* /*icon*/, ExtensionId owner) {
    return bar().newItem(text(title), text(name), submenu, longMenusOnly, shortcut, flags, owner);
}

MenuItem& checkedItem(MenuItem* item) {
    if (item == nullptr) {
        throw HostError(error::kBadMenu, "No menu item.");
    }
    return *item;
}

void setExecuteProc(MenuItem* item, HostCallback proc, void* clientData) {
    checkedItem(item).setExecute(proc, clientData);
}

void setComputeEnabledProc(MenuItem* item, HostCallback proc, void* clientData) {
    checkedItem(item).setEnableTest(proc, clientData);
}

void setComputeVisibleProc(MenuItem* item, HostCallback proc, void* clientData) {
    checkedItem(item).setVisibilityTest(proc, clientData);
}

void addMenuItem(Menu* menu, MenuItem* item, int position) {
    bar().addItem(menu, &checkedItem(item), position);
}

void removeMenuItem(MenuItem* item) {
    bar().removeItem(item);
}

void registerTool(const ToolRecord* record) {
    if (record == nullptr || record->size != sizeof(ToolRecord)) {
        throw HostError(error::kBadTool, "A tool needs a tool record.");
    }
    auto* type = procedureOf<ToolTypeProc>(record->slot(kToolType));
    if (type == nullptr) {
        throw HostError(error::kBadTool, "A tool must name its type.");
    }
    // The type procedure is asked before the tool exists.
    const Atom atom = type(nullptr);
    ui().tools().add(Host::current().atoms().name(atom), *record);
}

Tool* toolByType(Atom type) {
    return ui().tools().find(Host::current().atoms().name(type));
}

void setActiveTool(Tool* tool, bool persistent) {
    ui().tools().setActive(tool, persistent);
}

Tool* activeTool() {
    return ui().tools().active();
}

Tool* hostTool(int which) {
    return which == 1 ? ui().tools().standardTool() : nullptr;
}

}  // namespace

AcroViewTable makeAcroViewTable() {
    AcroViewTable table{};
    table.appMayQuit = appMayQuit;
    table.alertNote = alertNote;
    table.alert = alert;
    table.chooseFolder = chooseFolder;
    table.chooseOpenFile = chooseOpenFile;
    table.chooseSaveFile = chooseSaveFile;
    table.activeDocument = activeDocument;
    table.documentOfView = documentOfView;
    table.openViewOfDocument = openViewOfDocument;
    table.openDocumentInView = openDocumentInView;
    table.beginModal = beginModal;
    table.endModal = endModal;
    table.isModal = isModal;
    table.hostWindowFromPlatform = hostWindowFromPlatform;
    table.destroyHostWindow = destroyHostWindow;
    table.documentProgressMonitor = documentProgressMonitor;
    table.printWithParams = printWithParams;
    table.menuBar = menuBar;
    table.acquireMenu = acquireMenu;
    table.newMenu = newMenu;
    table.addMenuToBar = addMenuToBar;
    table.releaseMenu = releaseMenu;
    table.newMenuItem = newMenuItem;
    table.setExecuteProc = setExecuteProc;
    table.setComputeEnabledProc = setComputeEnabledProc;
    table.setComputeVisibleProc = setComputeVisibleProc;
    table.addMenuItem = addMenuItem;
    table.removeMenuItem = removeMenuItem;
    table.registerTool = registerTool;
    table.toolByType = toolByType;
    table.setActiveTool = setActiveTool;
    table.activeTool = activeTool;
    table.hostTool = hostTool;
    addPageViewRoles(table);
    return table;
}

}  // namespace lumar::host
