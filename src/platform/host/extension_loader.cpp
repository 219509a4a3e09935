#include "platform/host/extension_loader.h"

#include "platform/host/host.h"

namespace lumar::host {

namespace {

bool runStep(HostCallback step) {
    auto* procedure = procedureOf<StartupStepProc>(step);
    return procedure != nullptr && procedure();
}

}  // namespace

LoadedExtension loadExtension(Host& host, EntryPoint entry, void* moduleInstance, Version offered) {
    LoadedExtension loaded;
    loaded.extension = host.newExtension();

    PlatformData platform{host.mainWindow(), moduleInstance};
    SetupProc setup = nullptr;
    loaded.entered = entry(offered, &loaded.handshakeVersion, &setup, &platform);
    if (!loaded.entered || setup == nullptr) {
        return loaded;
    }

    SetupData setupData{loaded.handshakeVersion, loaded.extension, &host.core(), nullptr};
    loaded.setUp = setup(loaded.handshakeVersion, &setupData);
    if (!loaded.setUp) {
        return loaded;
    }

    auto* handshake = procedureOf<HandshakeProc>(setupData.handshake);
    loaded.handshaken = handshake != nullptr && handshake(loaded.handshakeVersion, &loaded.record);
    if (!loaded.handshaken) {
        return loaded;
    }

    loaded.exported = runStep(loaded.record.exportProc);
    loaded.importedAndReplaced = runStep(loaded.record.importReplaceProc);
    loaded.initialised = runStep(loaded.record.initProc);
    return loaded;
}

bool unloadExtension(const LoadedExtension& extension) {
    return extension.handshaken && runStep(extension.record.unloadProc);
}

}  // namespace lumar::host
