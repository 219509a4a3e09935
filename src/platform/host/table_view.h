#pragma once

// The "AcroView" table: the application, its messages and choosers, the
// documents in views, modal state, progress, printing, menus and tools.

#include <string>

#include "platform/host/host_types.h"
#include "platform/host/messages.h"

namespace lumar::pdf {
class Document;
}

namespace lumar::host {

class DocumentView;
struct PrintParams;
struct ProgressMonitor;
struct ToolRecord;
class FileSystem;
class HostPath;

struct AcroViewTable {
    // Whether the application may quit now. Extensions replace this entry to
    // hold the application open.
    bool (*appMayQuit)();

    void (*alertNote)(const char* message);
    // Up to three buttons (null texts are left out; none at all shows "OK");
    // returns the number of the button chosen.
    int (*alert)(AlertIcon icon, const char* message, const char* button1, const char* button2,
                 const char* button3, bool beep);

    // Choosers: true with the chosen path, false when the user cancelled.
    bool (*chooseFolder)(const FolderChoice* choice, std::string* chosen);
    bool (*chooseOpenFile)(const FileChoice* choice, std::string* chosen);
    bool (*chooseSaveFile)(const FileChoice* choice, std::string* chosen);

    DocumentView* (*activeDocument)();
    // The PDF document shown in a view, or null when it cannot be had.
    pdf::Document* (*documentOfView)(DocumentView* view);
    // Shows a document handed out by "open document" or "new empty document"
    // in a new view, which takes it over; the view becomes active.
    DocumentView* (*openViewOfDocument)(pdf::Document* document);
    // Opens the file in a view (or activates the view already showing it).
    // Throws HostError when the file cannot be opened.
    DocumentView* (*openDocumentInView)(const HostPath* path, FileSystem* fileSystem);

    void (*beginModal)(HostWindow window);
    void (*endModal)();
    bool (*isModal)();
    HostWindow (*hostWindowFromPlatform)(void* platformWindow, int kind);
    void (*destroyHostWindow)(HostWindow window);

    const ProgressMonitor* (*documentProgressMonitor)(void** clientData);
    void (*printWithParams)(DocumentView* view, PrintParams* params);

    // Menus. Menus are found by language-independent name; acquireMenu and
    // newMenu hand out a reference that releaseMenu gives back.
    MenuBar* (*menuBar)();
    Menu* (*acquireMenu)(MenuBar* bar, const char* name);
    Menu* (*newMenu)(const char* title, const char* name, ExtensionId owner);
    void (*addMenuToBar)(MenuBar* bar, Menu* menu, int position);
    void (*releaseMenu)(Menu* menu);
    MenuItem* (*newMenuItem)(const char* title, const char* name, Menu* submenu, bool longMenusOnly,
                             char shortcut, int flags, const void* icon, ExtensionId owner);
    void (*setExecuteProc)(MenuItem* item, HostCallback proc, void* clientData);
    void (*setComputeEnabledProc)(MenuItem* item, HostCallback proc, void* clientData);
    void (*setComputeVisibleProc)(MenuItem* item, HostCallback proc, void* clientData);
    void (*addMenuItem)(Menu* menu, MenuItem* item, int position);
    void (*removeMenuItem)(MenuItem* item);

    // Tools: registered by the type their type procedure names.
    void (*registerTool)(const ToolRecord* record);
    Tool* (*toolByType)(Atom type);
    void (*setActiveTool)(Tool* tool, bool persistent);
    Tool* (*activeTool)();
    // The host's own tools; 1 is the standard tool.
    Tool* (*hostTool)(int which);
};

}  // namespace lumar::host
