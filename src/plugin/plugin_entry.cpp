#include "plugin/plugin_entry.h"

#include "platform/host/roles.h"
#include "plugin/host_table_import.h"
#include "plugin/plugin_init.h"
#include "plugin/plugin_names.h"
#include "shell/plugin_state.h"

namespace lumar {

bool PlugInEntry(host::Version hostHandshakeVersion, host::Version* pluginHandshakeVersion,
                 host::SetupProc* setup, void* platformData) {
    PluginState& state = ThePlugin();
    void* attachedInstance = state.moduleInstance;
    state = PluginState{};
    state.moduleInstance = attachedInstance;
    host::imported() = host::ImportedTables{};

    if (const auto* platform = static_cast<const host::PlatformData*>(platformData)) {
        state.hostMainWindow = platform->hostMainWindow;
        state.moduleInstance = platform->moduleInstance;
    }
    if (pluginHandshakeVersion != nullptr) {
        *pluginHandshakeVersion = hostHandshakeVersion >= host::kHandshakeVersion
                                      ? host::kHandshakeVersion
                                      : hostHandshakeVersion;
    }
    if (setup != nullptr) {
        *setup = &SetUpPlugIn;
    }
    return true;
}

bool SetUpPlugIn(host::Version handshakeVersion, host::SetupData* setup) {
    if (handshakeVersion != host::kHandshakeVersion || setup == nullptr ||
        setup->handshakeVersion != host::kHandshakeVersion || setup->core == nullptr) {
        return false;
    }
    try {
        host::ImportedTables& tables = host::imported();
        tables.extension = setup->extension;
        tables[host::TableId::Core] = {setup->core, host::kHandshakeVersion};
        if (!ImportHostTables()) {
            return false;
        }
        setup->handshake = host::makeHostCallback(&HandshakePlugIn);
        return true;
    } catch (const host::HostError&) {
        return false;
    }
}

bool HandshakePlugIn(host::Version handshakeVersion, host::HandshakeRecord* record) {
    if (handshakeVersion != host::kHandshakeVersion || record == nullptr) {
        return false;
    }
    try {
        record->extensionName = host::atomFromString(kExtensionName);
        record->exportProc = host::makeHostCallback(&ExportPlugIn);
        record->importReplaceProc = host::makeHostCallback(&ImportReplacePlugIn);
        record->initProc = host::makeHostCallback(&InitialisePlugIn);
        record->unloadProc = host::makeHostCallback(&UnloadPlugIn);
        return true;
    } catch (const host::HostError&) {
        return false;
    }
}

bool ExportPlugIn() {
    return true;
}

bool ImportReplacePlugIn() {
    return true;
}

}  // namespace lumar
