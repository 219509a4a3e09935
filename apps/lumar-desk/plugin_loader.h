#pragma once

// Loads the extension modules of the desktop host: every shared library in
// the plug-ins folders, through its exported entry point and the start-up
// records. A module that cannot be loaded or refuses the handshake is
// reported and skipped.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/extension_loader.h"

namespace lumar::host {
class Host;
}

namespace lumar::desk {

// The folders searched, in order: each folder of $LUMAR_PLUGINS (separated
// by ':'), "plugins" next to the executable (a build tree), then the
// installed tree's plug-ins folder (lib/lumar/plugins beside bin/).
std::vector<std::filesystem::path> pluginFolders(const std::filesystem::path& executableFolder);

class PluginLoader {
public:
    explicit PluginLoader(host::Host& host) : host_(host) {}
    ~PluginLoader();
    PluginLoader(const PluginLoader&) = delete;
    PluginLoader& operator=(const PluginLoader&) = delete;

    // Loads the modules of the folders. A module whose file name was loaded
    // from an earlier folder is left alone, so $LUMAR_PLUGINS can override
    // the modules next to the executable.
    void loadFolders(const std::vector<std::filesystem::path>& folders);
    bool load(const std::filesystem::path& module);

    // Calls every loaded extension's unload procedure, once.
    void unloadAll();

    struct Loaded {
        std::filesystem::path path;
        void* handle = nullptr;
        host::LoadedExtension extension;
    };
    const std::vector<Loaded>& loaded() const { return loaded_; }
    // What went wrong, one line per module.
    const std::vector<std::string>& problems() const { return problems_; }

private:
    host::Host& host_;
    std::vector<Loaded> loaded_;
    std::vector<std::string> problems_;
    bool unloaded_ = false;
};

}  // namespace lumar::desk
