#pragma once

// The host: offers its function tables by name and version and keeps what
// every host shares (atoms, callbacks, memory, text objects, the document
// layer). The user-interface roles come from a UserInterface, which the
// headless host and the desktop host each provide.
//
// Table procedures are plain function pointers and reach their host through
// Host::current(): one host lives in a process at a time.

#include <memory>

#include "platform/host/atom_table.h"
#include "platform/host/callback_registry.h"
#include "platform/host/document_store.h"
#include "platform/host/host_types.h"
#include "platform/host/table_registry.h"
#include "platform/host/tables.h"

namespace lumar::host {

class UserInterface;

class Host {
public:
    explicit Host(UserInterface& ui);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host of the process. Throws std::logic_error when there is none.
    static Host& current();

    AtomTable& atoms() { return atoms_; }
    CallbackRegistry& callbacks() { return callbacks_; }
    TableRegistry& tables() { return registry_; }
    UserInterface& ui() { return ui_; }
    DocumentStore& documents() { return documents_; }

    // A new extension identifier for an extension being loaded.
    ExtensionId newExtension() { return ++lastExtension_; }

    // The platform main window handed to extensions at their entry point: a
    // desktop host sets its window before loading extensions; without one
    // extensions get a token that stands for the application.
    void* mainWindow() { return mainWindow_ != nullptr ? mainWindow_ : &mainWindowToken_; }
    void setMainWindow(void* window) { mainWindow_ = window; }

    // The host's own tables, as offered (a replaced entry shows here too).
    const CoreTable& core() const;
    const AcroSupportTable& acroSupport() const;
    const AcroViewTable& acroView() const;

    // Asks "may the application quit" through the AcroView table, as the
    // application does when the user quits.
    bool applicationMayQuit();

private:
    struct Tables;

    UserInterface& ui_;
    AtomTable atoms_;
    CallbackRegistry callbacks_;
    TableRegistry registry_;
    DocumentStore documents_;
    std::unique_ptr<Tables> tables_;
    ExtensionId lastExtension_ = 0;
    int mainWindowToken_ = 0;
    void* mainWindow_ = nullptr;
};

// The procedures of each table (defined beside the tables' roles).
CoreTable makeCoreTable();
AcroSupportTable makeAcroSupportTable();
AcroViewTable makeAcroViewTable();
PDModelTable makePDModelTable();
CosTable makeCosTable();
ASExtraTable makeASExtraTable();

}  // namespace lumar::host
