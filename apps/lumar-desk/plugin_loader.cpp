#include "plugin_loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

namespace lumar::desk {

namespace {

constexpr const char* kModuleSuffix = ".so";

}  // namespace

std::vector<std::filesystem::path> pluginFolders(const std::filesystem::path& executableFolder) {
    std::vector<std::filesystem::path> folders;
    if (const char* list = std::getenv("LUMAR_PLUGINS")) {
        std::istringstream entries(list);
        for (std::string entry; std::getline(entries, entry, ':');) {
            if (!entry.empty()) {
                folders.emplace_back(entry);
            }
        }
    }
    folders.push_back(executableFolder / "plugins");
    // Where an installed tree keeps the module, relative to the programs'
    // folder (set by the build from its install folders).
    folders.push_back((executableFolder / LUMAR_INSTALLED_PLUGINS).lexically_normal());
    return folders;
}

PluginLoader::~PluginLoader() {
    unloadAll();
}

void PluginLoader::loadFolders(const std::vector<std::filesystem::path>& folders) {
    std::set<std::filesystem::path> names;
    for (const Loaded& module : loaded_) {
        names.insert(module.path.filename());
    }
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        std::vector<std::filesystem::path> modules;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.path().extension() == kModuleSuffix && !entry.is_directory()) {
                modules.push_back(entry.path());
            }
        }
        std::sort(modules.begin(), modules.end());
        for (const std::filesystem::path& module : modules) {
            if (names.insert(module.filename()).second) {
                load(module);
            }
        }
    }
}

bool PluginLoader::load(const std::filesystem::path& module) {
    const std::string name = module.string();
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        problems_.push_back(name + ": cannot be loaded (" + (why != nullptr ? why : "") + ")");
        return false;
    }
    auto entry = reinterpret_cast<host::EntryPoint>(dlsym(handle, host::kEntryPointName));
    if (entry == nullptr) {
        problems_.push_back(name + ": no entry point " + host::kEntryPointName);
        dlclose(handle);
        return false;
    }
    host::LoadedExtension extension = host::loadExtension(host_, entry, handle);
    if (!extension.loaded()) {
        problems_.push_back(name + ": refused the start-up handshake");
        // The module may have handed the host callbacks already; it stays
        // mapped so that none of them points nowhere.
        return false;
    }
    if (!extension.initialised) {
        problems_.push_back(name + ": loaded, but its initialisation reported a failure");
    }
    loaded_.push_back(Loaded{module, handle, extension});
    return true;
}

void PluginLoader::unloadAll() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    for (auto module = loaded_.rbegin(); module != loaded_.rend(); ++module) {
        host::unloadExtension(module->extension);
        // Modules stay mapped until the process ends: windows and objects
        // they made may still be alive.
    }
}

}  // namespace lumar::desk
