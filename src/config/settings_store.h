#pragma once

// The settings store: typed settings of the current user, below the base key
// "Software\Orvane\Lumar", kept in the settings file.
//
// A setting is addressed by a key path and a value name, joined into a setting
// path "key\name". The part after the last backslash is the value name. A
// path that starts with a backslash is taken from the root (HKEY_CURRENT_USER)
// with that backslash dropped; any other path is relative to the base key; a
// path without a backslash names a value in the base key itself. Paths are
// registry paths: they keep backslashes on every platform.
//
// Every function returns true on success. On failure it sets the calling
// thread's last error (config/last_error.h: the registry's code, 2 when the
// key or value is missing, 1804 when the value has another type) and leaves
// its output untouched, so a caller pre-loads its default and keeps it when
// the setting is missing. The one exception: ReadTextSetting fills its output
// with the stored bytes before it tests the type, so a value of another type
// fails with 1804 and the output already overwritten.
//
// Writers create missing keys. No key stays open between calls.
//
//   std::string uri;                                   // default: empty
//   ReadTextSetting("Uri", "Web_service", uri);
//   std::uint32_t port = 0;
//   ReadNumberSetting("Proxy", "Proxy_port", port);
//   WriteNumberSetting("Proxy", "Use_proxy", 1);

#include <cstdint>
#include <string>
#include <string_view>

#include "config/window_placement.h"
#include "platform/settings/registry_key.h"

namespace lumar {

inline constexpr std::string_view kBaseKey = "Software\\Orvane\\Lumar";

// HKEY_CURRENT_USER of the settings file the environment names now.
settings::RegistryKey CurrentUserKey();

// A setting path split into the key path (from the root) and the value name.
struct SettingPath {
    std::string key;
    std::string name;

    bool operator==(const SettingPath&) const = default;
};

// "key\name"; an empty key gives the name alone (a value of the base key).
std::string JoinSettingPath(std::string_view key, std::string_view name);
SettingPath ResolveSettingPath(std::string_view path);

// Text: written as REG_SZ with its NUL; read from REG_SZ, REG_EXPAND_SZ (not
// expanded) or REG_MULTI_SZ, up to the first NUL.
bool ReadTextSetting(const settings::RegistryKey& root, std::string_view key, std::string_view name,
                     std::string& text);
bool WriteTextSetting(const settings::RegistryKey& root, std::string_view key,
                      std::string_view name, std::string_view text);

// Number: REG_DWORD. Flags are stored as 0 or 1.
bool ReadNumberSetting(const settings::RegistryKey& root, std::string_view key,
                       std::string_view name, std::uint32_t& number);
bool WriteNumberSetting(const settings::RegistryKey& root, std::string_view key,
                        std::string_view name, std::uint32_t number);

// Window placement of the dialog `name` below `key` (callers pass "Dialogs"
// and the dialog's registry name): ten numbers in the dialog's key and its
// subkeys ptMinPosition, ptMaxPosition and rcNormalPosition. Reading fails
// only when "flags" cannot be read; then the dialog keeps its default
// position. Writing always reports success.
bool ReadWindowPlacement(const settings::RegistryKey& root, std::string_view key,
                         std::string_view name, WindowPlacement& placement);
bool WriteWindowPlacement(const settings::RegistryKey& root, std::string_view key,
                          std::string_view name, const WindowPlacement& placement);

// The same, for the current user (CurrentUserKey()).
bool ReadTextSetting(std::string_view key, std::string_view name, std::string& text);
bool WriteTextSetting(std::string_view key, std::string_view name, std::string_view text);
bool ReadNumberSetting(std::string_view key, std::string_view name, std::uint32_t& number);
bool WriteNumberSetting(std::string_view key, std::string_view name, std::uint32_t number);
bool ReadWindowPlacement(std::string_view key, std::string_view name, WindowPlacement& placement);
bool WriteWindowPlacement(std::string_view key, std::string_view name,
                          const WindowPlacement& placement);

}  // namespace lumar
