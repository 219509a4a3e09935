#pragma once

// What an extension calls: the host operations by role name, as thin inline
// wrappers over the host function tables the extension imported at set-up.
// Failures arrive as HostError; a try/catch of it is an exception frame.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/host/host_error.h"
#include "platform/host/host_types.h"
#include "platform/host/messages.h"
#include "platform/host/tables.h"

namespace lumar::pdf {
class Document;
}

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

    const CoreTable& core() const { return get<CoreTable>(TableId::Core); }
    const AcroSupportTable& acroSupport() const {
        return get<AcroSupportTable>(TableId::AcroSupport);
    }
    const AcroViewTable& acroView() const { return get<AcroViewTable>(TableId::AcroView); }
    const PDModelTable& pdModel() const { return get<PDModelTable>(TableId::PDModel); }
    const CosTable& cos() const { return get<CosTable>(TableId::Cos); }

private:
    template <typename Table>
    const Table& get(TableId id) const {
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

// --- PDModel ------------------------------------------------------------

inline int documentFlags(pdf::Document* document) {
    return imported().pdModel().documentFlags(document);
}

inline int permissionRequest(pdf::Document* document, int object, int operation, void* data) {
    return imported().pdModel().permissionRequest(document, object, operation, data);
}

// --- Errors -------------------------------------------------------------

// The error text as read into a buffer of `bufferSize` bytes.
inline std::string hostErrorText(const HostError& error, std::size_t bufferSize = 512) {
    return error.text(bufferSize);
}

}  // namespace lumar::host
