#pragma once

// What an extension calls: the host operations by role name, as thin inline
// wrappers over the host function tables the extension imported at set-up.
// Failures arrive as HostError; a try/catch of it is an exception frame.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/host_error.h"
#include "platform/host/host_files.h"
#include "platform/host/host_types.h"
#include "platform/host/messages.h"
#include "platform/host/page_view.h"
#include "platform/host/tables.h"

namespace lumar::host {

class DocumentView;
struct PrintParams;
struct ProgressMonitor;
struct ToolRecord;

// One imported table: where it is and the version obtained.
struct ImportedTable {
    const void* table = nullptr;
    Version version = 0;
};

// The tables of this extension and the identifier the host gave it.
struct ImportedTables {
    ExtensionId extension = 0;
    std::array<ImportedTable, kTableCount> tables{};

    ImportedTable& operator[](TableId id) { return tables[static_cast<std::size_t>(id)]; }
    const ImportedTable& operator[](TableId id) const {
        return tables[static_cast<std::size_t>(id)];
    }

    [[nodiscard]] const CoreTable& core() const { return get<CoreTable>(TableId::Core); }
    [[nodiscard]] const AcroSupportTable& acroSupport() const {
        return get<AcroSupportTable>(TableId::AcroSupport);
    }
    [[nodiscard]] const AcroViewTable& acroView() const {
        return get<AcroViewTable>(TableId::AcroView);
    }
    [[nodiscard]] const PDModelTable& pdModel() const {
        return get<PDModelTable>(TableId::PDModel);
    }
    [[nodiscard]] const CosTable& cos() const { return get<CosTable>(TableId::Cos); }
    [[nodiscard]] const ASExtraTable& asExtra() const {
        return get<ASExtraTable>(TableId::ASExtra);
    }

private:
    template <typename Table>
    [[nodiscard]] const Table& get(TableId id) const {
        return *static_cast<const Table*>((*this)[id].table);
    }
};

// The tables of this module, filled in by its set-up.
ImportedTables& imported();

// --- Core ---------------------------------------------------------------

inline Atom atomFromString(const std::string& name) {
    return imported().core().atomFromString(name.c_str());
}

inline std::string stringOfAtom(Atom atom) {
    return imported().core().stringOfAtom(atom);
}

template <typename Fn>
HostCallback makeHostCallback(Fn* procedure) {
    return imported().core().makeCallback(imported().extension,
                                          reinterpret_cast<GenericProc>(procedure));
}

inline void destroyHostCallback(HostCallback callback) {
    imported().core().destroyCallback(callback);
}

inline const void* getHostFunctionTable(Atom name, Version version) {
    return imported().core().getHostFunctionTable(name, version);
}

// --- AcroSupport --------------------------------------------------------

inline void* allocateMemory(std::size_t size) {
    return imported().acroSupport().allocate(size);
}

inline void freeMemory(void* block) {
    imported().acroSupport().free(block);
}

inline Version versionOfHostFunctionTable(const void* table) {
    return imported().acroSupport().tableVersion(table);
}

// Replaces `entry` of the imported table `table` by `replacement`.
template <typename Table, typename Entry>
void replaceHostTableEntry(TableId table, Entry Table::*entry, HostCallback replacement,
                           std::uint32_t flags) {
    imported().acroSupport().replaceEntry(atomFromString(std::string(tableName(table))),
                                          entryOffset(entry), replacement, flags);
}

inline TextObject* textObjectFromString(const std::string& cp1252) {
    return imported().acroSupport().newText(cp1252.c_str());
}

inline void destroyTextObject(TextObject* text) {
    imported().acroSupport().destroyText(text);
}

// Files and paths.

inline FileSystem* defaultFileSystem() {
    return imported().acroSupport().defaultFileSystem();
}

inline HostPath* pathFromPlatformPath(FileSystem* fileSystem, const std::string& platformPath) {
    return imported().acroSupport().pathFromPlatformPath(fileSystem, platformPath.c_str());
}

inline HostPath* pathOfOpenFile(HostFile* file) {
    return imported().acroSupport().pathOfFile(file);
}

inline void releasePath(FileSystem* fileSystem, HostPath* path) {
    imported().acroSupport().releasePath(fileSystem, path);
}

// 0 on success (with `file` set), else the host's error code.
inline std::int32_t openFile(FileSystem* fileSystem, const HostPath* path, int mode,
                             HostFile*& file) {
    return imported().acroSupport().openFile(fileSystem, path, mode, &file);
}

inline std::size_t writeToFile(HostFile* file, std::string_view bytes) {
    return imported().acroSupport().writeFile(file, bytes.data(), bytes.size());
}

inline void setFilePosition(HostFile* file, std::int64_t position) {
    imported().acroSupport().setFilePosition(file, position);
}

inline std::int64_t filePosition(HostFile* file) {
    return imported().acroSupport().filePosition(file);
}

inline std::int64_t fileLength(HostFile* file) {
    return imported().acroSupport().fileLength(file);
}

inline std::int32_t closeFile(HostFile* file) {
    return imported().acroSupport().closeFile(file);
}

// --- ASExtra ------------------------------------------------------------

// The platform text of a path (the host's copy is freed here).
inline std::string platformPathText(FileSystem* fileSystem, const HostPath* path) {
    char* text = imported().asExtra().platformPathText(fileSystem, path);
    std::string copy = text != nullptr ? text : "";
    freeMemory(text);
    return copy;
}

// Path from folder and file name, kind "FolderPathName"; null on failure.
inline HostPath* pathFromFolderAndName(FileSystem* fileSystem, const std::string& folder,
                                       const std::string& fileName) {
    const FolderPathName description{folder.c_str(), fileName.c_str()};
    return imported().asExtra().pathFromFolderAndName(
        fileSystem, atomFromString(kFolderPathNameKind), &description);
}

// Path from folder and file name, kind "Cstring" (a full path); null on failure.
inline HostPath* pathFromFullPath(FileSystem* fileSystem, const std::string& fullPath) {
    return imported().asExtra().pathFromFolderAndName(fileSystem, atomFromString(kCstringKind),
                                                      fullPath.c_str());
}

// --- AcroView -----------------------------------------------------------

inline void alertNote(const std::string& message) {
    imported().acroView().alertNote(message.c_str());
}

// Returns the number (1 to 3) of the button chosen.
inline int alertWithButtons(AlertIcon icon, const std::string& message, const char* button1,
                            const char* button2 = nullptr, const char* button3 = nullptr,
                            bool beep = false) {
    return imported().acroView().alert(icon, message.c_str(), button1, button2, button3, beep);
}

inline std::optional<std::string> chooseFolder(const FolderChoice& choice) {
    std::string chosen;
    return imported().acroView().chooseFolder(&choice, &chosen) ? std::optional(chosen)
                                                                : std::nullopt;
}

inline std::optional<std::string> chooseOpenFile(const FileChoice& choice) {
    std::string chosen;
    return imported().acroView().chooseOpenFile(&choice, &chosen) ? std::optional(chosen)
                                                                  : std::nullopt;
}

inline std::optional<std::string> chooseSaveFile(const FileChoice& choice) {
    std::string chosen;
    return imported().acroView().chooseSaveFile(&choice, &chosen) ? std::optional(chosen)
                                                                  : std::nullopt;
}

inline DocumentView* activeDocument() {
    return imported().acroView().activeDocument();
}

inline pdf::Document* documentOfView(DocumentView* view) {
    return imported().acroView().documentOfView(view);
}

inline DocumentView* openViewOfDocument(pdf::Document* document) {
    return imported().acroView().openViewOfDocument(document);
}

inline DocumentView* openDocumentInView(const HostPath* path, FileSystem* fileSystem) {
    return imported().acroView().openDocumentInView(path, fileSystem);
}

inline void beginModalState(HostWindow window) {
    imported().acroView().beginModal(window);
}

inline void endModalState() {
    imported().acroView().endModal();
}

inline bool hostIsModal() {
    return imported().acroView().isModal();
}

inline HostWindow hostWindowFromPlatformWindow(void* platformWindow, int kind) {
    return imported().acroView().hostWindowFromPlatform(platformWindow, kind);
}

inline void destroyHostWindow(HostWindow window) {
    imported().acroView().destroyHostWindow(window);
}

inline const ProgressMonitor* documentProgressMonitor(void** clientData) {
    return imported().acroView().documentProgressMonitor(clientData);
}

inline void printDocumentWithParameters(DocumentView* view, PrintParams* params) {
    imported().acroView().printWithParams(view, params);
}

inline MenuBar* hostMenuBar() {
    return imported().acroView().menuBar();
}

inline Menu* acquireMenuByName(MenuBar* bar, const std::string& name) {
    return imported().acroView().acquireMenu(bar, name.c_str());
}

inline Menu* newMenu(const std::string& title, const std::string& name) {
    return imported().acroView().newMenu(title.c_str(), name.c_str(), imported().extension);
}

inline void addMenuToMenuBar(MenuBar* bar, Menu* menu, int position) {
    imported().acroView().addMenuToBar(bar, menu, position);
}

inline void releaseMenu(Menu* menu) {
    imported().acroView().releaseMenu(menu);
}

inline MenuItem* newMenuItem(const std::string& title, const std::string& name, Menu* submenu,
                             bool longMenusOnly, char shortcut, int flags, const void* icon) {
    return imported().acroView().newMenuItem(title.c_str(), name.c_str(), submenu, longMenusOnly,
                                             shortcut, flags, icon, imported().extension);
}

inline void setMenuItemExecuteProc(MenuItem* item, HostCallback proc, void* clientData) {
    imported().acroView().setExecuteProc(item, proc, clientData);
}

inline void setMenuItemEnableTest(MenuItem* item, HostCallback proc, void* clientData) {
    imported().acroView().setComputeEnabledProc(item, proc, clientData);
}

inline void setMenuItemVisibilityTest(MenuItem* item, HostCallback proc, void* clientData) {
    imported().acroView().setComputeVisibleProc(item, proc, clientData);
}

inline void addMenuItem(Menu* menu, MenuItem* item, int position) {
    imported().acroView().addMenuItem(menu, item, position);
}

inline void removeMenuItem(MenuItem* item) {
    imported().acroView().removeMenuItem(item);
}

inline void registerTool(const ToolRecord* record) {
    imported().acroView().registerTool(record);
}

inline Tool* toolByType(Atom type) {
    return imported().acroView().toolByType(type);
}

inline void setActiveTool(Tool* tool, bool persistent) {
    imported().acroView().setActiveTool(tool, persistent);
}

inline Tool* activeTool() {
    return imported().acroView().activeTool();
}

inline Tool* standardTool() {
    return imported().acroView().hostTool(1);
}

// Page views (handed to a tool's click and cursor procedures and to drawing
// procedures).

inline DocumentView* documentOfPageView(PageView* view) {
    return imported().acroView().documentOfPageView(view);
}

inline int pageIndexOfPageView(PageView* view) {
    return imported().acroView().pageIndexOfPageView(view);
}

inline DeviceRect pageViewPageRect(PageView* view) {
    DeviceRect rect;
    imported().acroView().pageViewPageRect(view, &rect);
    return rect;
}

inline DeviceRect pageToDeviceRect(PageView* view, const FixedRect& page) {
    DeviceRect device;
    imported().acroView().pageToDeviceRect(view, &page, &device);
    return device;
}

inline FixedRect deviceToPageRect(PageView* view, const DeviceRect& device) {
    FixedRect page;
    imported().acroView().deviceToPageRect(view, &device, &page);
    return page;
}

inline FixedPoint deviceToPagePoint(PageView* view, int x, int y) {
    FixedPoint point;
    imported().acroView().deviceToPagePoint(view, x, y, &point);
    return point;
}

// A new rectangle dragged out from (x, y) until the mouse button is released.
inline DeviceRect dragNewRect(PageView* view, int x, int y) {
    DeviceRect result;
    imported().acroView().dragRect(view, x, y, nullptr, kNoHandle, &result);
    return result;
}

// `rect` after the user dragged its handle `handle` (1 to 8) from (x, y).
inline DeviceRect dragRectHandle(PageView* view, int x, int y, const DeviceRect& rect, int handle) {
    DeviceRect result;
    imported().acroView().dragRect(view, x, y, &rect, handle, &result);
    return result;
}

inline int rectHandleAt(const DeviceRect& rect, int x, int y) {
    return imported().acroView().rectHandleAt(&rect, x, y);
}

inline bool mouseIsStillDown(PageView* view) {
    return imported().acroView().mouseIsDown(view);
}

inline void setPageViewCursor(PageView* view, CursorShape shape) {
    imported().acroView().setCursor(view, static_cast<int>(shape));
}

inline void setPageViewColour(PageView* view, double red, double green, double blue) {
    imported().acroView().setDrawingColour(view, 1, red, green, blue);
}

inline void drawRectOutline(PageView* view, const DeviceRect& rect, bool withHandles) {
    imported().acroView().drawRectOutline(view, &rect, withHandles);
}

inline void invalidatePageView(PageView* view, const DeviceRect& rect) {
    imported().acroView().invalidatePageView(view, &rect);
}

inline void invalidateWholePageView(PageView* view) {
    imported().acroView().invalidatePageView(view, nullptr);
}

inline void drawPageViewNow(PageView* view) {
    imported().acroView().drawPageViewNow(view);
}

// `proc` is a host callback of a DrawingProc.
inline void registerPageViewDrawing(HostCallback proc, void* clientData) {
    imported().acroView().registerDrawing(proc, clientData);
}

inline void unregisterPageViewDrawing(HostCallback proc, void* clientData) {
    imported().acroView().unregisterDrawing(proc, clientData);
}

// Opens a file (platform path text) with the program the desktop associates
// with its type; false when that cannot be done.
inline bool openWithAssociatedProgram(const std::string& path) {
    return imported().acroView().openWithAssociatedProgram(path.c_str());
}

// --- PDModel ------------------------------------------------------------

inline const PDModelTable& pdModel() {
    return imported().pdModel();
}

inline pdf::Document* openDocument(const HostPath* path, FileSystem* fileSystem, bool repair) {
    return pdModel().openDocument(path, fileSystem, repair);
}

inline pdf::Document* newEmptyDocument() {
    return pdModel().newDocument();
}

inline void closeDocument(pdf::Document* document) {
    pdModel().closeDocument(document);
}

inline int documentFlags(pdf::Document* document) {
    return pdModel().documentFlags(document);
}

inline HostFile* fileOfDocument(pdf::Document* document) {
    return pdModel().fileOfDocument(document);
}

inline void pdfVersion(pdf::Document* document, int& major, int& minor) {
    pdModel().pdfVersion(document, &major, &minor);
}

inline int pageCount(pdf::Document* document) {
    return pdModel().pageCount(document);
}

inline pdf::Page* acquirePage(pdf::Document* document, int index) {
    return pdModel().acquirePage(document, index);
}

inline void releasePage(pdf::Page* page) {
    pdModel().releasePage(page);
}

inline FixedRect pageMediaBox(pdf::Page* page) {
    FixedRect box;
    pdModel().pageMediaBox(page, &box);
    return box;
}

inline void deletePages(pdf::Document* document, int first, int last) {
    pdModel().deletePages(document, first, last);
}

inline void insertPages(pdf::Document* document, int after, pdf::Document* source, int first,
                        int count, int flags = 0) {
    pdModel().insertPages(document, after, source, first, count, flags);
}

inline void saveDocument(pdf::Document* document, const SaveParams& params) {
    pdModel().saveDocument(document, &params);
}

inline int permissionRequest(pdf::Document* document, int object, int operation, void* data) {
    return pdModel().permissionRequest(document, object, operation, data);
}

// Annotations.

inline int annotationCount(pdf::Page* page) {
    return pdModel().annotationCount(page);
}

inline pdf::Annotation annotationOfPage(pdf::Page* page, int index) {
    return pdModel().annotationOfPage(page, index);
}

inline bool annotationIsValid(const pdf::Annotation& annotation) {
    return pdModel().annotationIsValid(annotation);
}

inline Atom annotationSubtype(const pdf::Annotation& annotation) {
    return pdModel().annotationSubtype(annotation);
}

// Title and contents into a caller's buffer (none asks for the length
// only); the whole length is returned.
inline std::size_t annotationTitle(const pdf::Annotation& annotation, char* buffer,
                                   std::size_t size) {
    return pdModel().annotationTitle(annotation, buffer, size);
}

inline std::size_t annotationContents(const pdf::Annotation& annotation, char* buffer,
                                      std::size_t size) {
    return pdModel().annotationContents(annotation, buffer, size);
}

// The whole title or contents.
inline std::string annotationTitle(const pdf::Annotation& annotation) {
    std::vector<char> buffer(annotationTitle(annotation, nullptr, 0) + 1);
    const std::size_t length = annotationTitle(annotation, buffer.data(), buffer.size());
    return {buffer.data(), std::min(length, buffer.size() - 1)};
}

inline std::string annotationContents(const pdf::Annotation& annotation) {
    std::vector<char> buffer(annotationContents(annotation, nullptr, 0) + 1);
    const std::size_t length = annotationContents(annotation, buffer.data(), buffer.size());
    return {buffer.data(), std::min(length, buffer.size() - 1)};
}

inline void setAnnotationTitle(const pdf::Annotation& annotation, std::string_view text) {
    pdModel().setAnnotationTitle(annotation, text.data(), text.size());
}

inline void setAnnotationContents(const pdf::Annotation& annotation, std::string_view text) {
    pdModel().setAnnotationContents(annotation, text.data(), text.size());
}

inline pdf::Annotation newAnnotation(pdf::Page* page, Atom subtype, const FixedRect& rect) {
    return pdModel().newAnnotation(page, subtype, &rect);
}

inline void addAnnotationToPage(pdf::Page* page, int after, const pdf::Annotation& annotation) {
    pdModel().addAnnotation(page, after, annotation);
}

inline void removeAnnotationFromPage(pdf::Page* page, const pdf::Annotation& annotation) {
    pdModel().removeAnnotation(page, annotation);
}

inline void setAnnotationColour(const pdf::Annotation& annotation, double red, double green,
                                double blue) {
    pdModel().setAnnotationColour(annotation, red, green, blue);
}

inline void setAnnotationRectangle(const pdf::Annotation& annotation, const FixedRect& rect) {
    pdModel().setAnnotationRect(annotation, &rect);
}

inline pdf::CosObject objectOfAnnotation(const pdf::Annotation& annotation) {
    return pdModel().objectOfAnnotation(annotation);
}

inline pdf::Annotation annotationFromObject(const pdf::CosObject& object) {
    return pdModel().annotationFromObject(object);
}

// Fonts.

inline void enumerateFontsOfPages(pdf::Document* document, int firstPage, int lastPage,
                                  HostCallback fontProc, void* clientData) {
    pdModel().enumerateFonts(document, firstPage, lastPage, fontProc, clientData);
}

// The font's name as read into a buffer of `bufferSize` bytes.
inline std::string fontName(const pdf::Font* font, std::size_t bufferSize = 128) {
    std::vector<char> buffer(bufferSize);
    pdModel().fontName(font, buffer.data(), buffer.size());
    return buffer.data();
}

inline Atom fontSubtype(const pdf::Font* font) {
    return pdModel().fontSubtype(font);
}

inline std::optional<std::string> fontEncodingName(const pdf::Font* font) {
    std::string name;
    return pdModel().fontEncodingName(font, &name) ? std::optional(name) : std::nullopt;
}

inline bool fontIsEmbedded(const pdf::Font* font) {
    return pdModel().fontIsEmbedded(font);
}

inline pdf::CosObject objectOfFont(const pdf::Font* font) {
    return pdModel().objectOfFont(font);
}

// Words.

inline pdf::WordFinder* newWordFinder(pdf::Document* document, const WordFinderOptions* options) {
    return pdModel().newWordFinder(document, options);
}

inline void destroyWordFinder(pdf::WordFinder* finder) {
    pdModel().destroyWordFinder(finder);
}

inline void enumeratePageWords(pdf::WordFinder* finder, int pageIndex, HostCallback wordProc,
                               void* clientData) {
    pdModel().enumeratePageWords(finder, pageIndex, wordProc, clientData);
}

// The word's text as read into a buffer of `bufferSize` bytes.
inline std::string wordText(const pdf::Word* word, std::size_t bufferSize = 128) {
    std::vector<char> buffer(bufferSize);
    pdModel().wordText(word, buffer.data(), buffer.size());
    return buffer.data();
}

inline std::uint16_t wordAttributes(const pdf::Word* word, int group) {
    return pdModel().wordAttributes(word, group);
}

inline FixedRect wordRectangle(const pdf::Word* word) {
    FixedRect rect;
    pdModel().wordRect(word, &rect);
    return rect;
}

// --- Cos ----------------------------------------------------------------

inline int objectType(const pdf::CosObject& object) {
    return imported().cos().objectType(object);
}

inline pdf::CosObject dictionaryValue(const pdf::CosObject& dictionary, const std::string& key) {
    return imported().cos().dictValue(dictionary, atomFromString(key));
}

inline int arrayLength(const pdf::CosObject& array) {
    return imported().cos().arrayLength(array);
}

inline pdf::CosObject arrayElement(const pdf::CosObject& array, int index) {
    return imported().cos().arrayElement(array, index);
}

inline std::optional<std::string> nameText(const pdf::CosObject& name) {
    std::string text;
    return imported().cos().nameText(name, &text) ? std::optional(text) : std::nullopt;
}

// --- Errors -------------------------------------------------------------

// The error text as read into a buffer of `bufferSize` bytes.
inline std::string hostErrorText(const HostError& error, std::size_t bufferSize = 512) {
    return error.text(bufferSize);
}

}  // namespace lumar::host
