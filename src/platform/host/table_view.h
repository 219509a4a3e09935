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
class PageView;
struct DeviceRect;
struct FixedPoint;
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

    // Page views, as tools' click and cursor procedures and drawing
    // procedures get them: device coordinates are pixels of the view's
    // window (y downwards), page coordinates points of the page (y upwards).
    DocumentView* (*documentOfPageView)(PageView* view);
    int (*pageIndexOfPageView)(PageView* view);
    // Where the page stands in device coordinates.
    void (*pageViewPageRect)(PageView* view, DeviceRect* rect);
    void (*pageToDeviceRect)(PageView* view, const FixedRect* page, DeviceRect* device);
    void (*deviceToPageRect)(PageView* view, const DeviceRect* device, FixedRect* page);
    void (*deviceToPagePoint)(PageView* view, int x, int y, FixedPoint* point);
    // Lets the user drag out a new rectangle from (x, y) (handle 0) or a
    // handle of `start`, inside the page, until the mouse button is released.
    void (*dragRect)(PageView* view, int x, int y, const DeviceRect* start, int handle,
                     DeviceRect* result);
    // The handle (1 to 8) of the rectangle under (x, y), or 0.
    int (*rectHandleAt)(const DeviceRect* rect, int x, int y);
    bool (*mouseIsDown)(PageView* view);
    void (*setCursor)(PageView* view, int shape);
    // Drawing over a page, from a drawing procedure: colour model 1 is RGB
    // (components 0 to 1).
    void (*setDrawingColour)(PageView* view, int colourModel, double red, double green,
                             double blue);
    void (*drawRectOutline)(PageView* view, const DeviceRect* rect, bool withHandles);
    // Has the area (with null: the whole view) drawn again soon, or now.
    void (*invalidatePageView)(PageView* view, const DeviceRect* rect);
    void (*drawPageViewNow)(PageView* view);
    // Drawing procedures (DrawingProc) draw over every page the views draw.
    void (*registerDrawing)(HostCallback proc, void* clientData);
    void (*unregisterDrawing)(HostCallback proc, void* clientData);

    // Opens a file with the program the desktop associates with its type
    // (the platform path text). False when that cannot be done.
    bool (*openWithAssociatedProgram)(const char* path);
};

// Fills in the page-view and shell entries.
void addPageViewRoles(AcroViewTable& table);

}  // namespace lumar::host
