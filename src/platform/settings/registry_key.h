#pragma once

// Keys of the current user's registry, kept in the settings file.
//
// A RegistryKey is a handle to one key, opened with access rights, as the
// registry hands them out. It holds no file open: every call reads the file
// again (and every change rewrites it under the write lock), so handles in
// different processes always see each other's values.
//
// Key paths are registry paths: components separated by backslashes, compared
// without regard to case, below HKEY_CURRENT_USER. Value names are compared
// the same way; names keep the case they were written with. Texts are
// Windows-1252 bytes.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/settings/registry_codes.h"

namespace lumar::settings {

class SettingsFile;

class RegistryKey {
public:
    RegistryKey() = default;  // a closed handle

    // HKEY_CURRENT_USER in the file named by the environment (at the time of
    // the call) or in `file`.
    static RegistryKey currentUser();
    static RegistryKey currentUser(std::filesystem::path file);

    bool isOpen() const { return file_ != nullptr; }
    void close();

    // The key's path below HKEY_CURRENT_USER.
    const std::string& path() const { return path_; }
    const std::filesystem::path& filePath() const;

    // Opens an existing key below this one ("" opens this key again).
    // kErrorFileNotFound when it does not exist.
    ErrorCode openKey(std::string_view subKey, AccessMask access, RegistryKey& result) const;

    // Opens the key below this one, creating it and every missing key above
    // it first.
    ErrorCode createKey(std::string_view subKey, AccessMask access, RegistryKey& result) const;

    // The registry's query: `type` (if given) receives the value's type and
    // `size` the number of bytes it holds. With `data` null only the size is
    // asked for. With a buffer of `*size` bytes that is too small the answer is
    // kErrorMoreData (type and needed size are still filled in). Texts hold
    // their terminating NULs.
    ErrorCode queryValue(std::string_view name, ValueType* type, char* data,
                         std::uint32_t* size) const;

    // Sets the value (creating the key's line if the key exists only by a key
    // below it). Needs kKeySetValue.
    ErrorCode setValue(std::string_view name, ValueType type, std::string_view data) const;

private:
    RegistryKey(std::shared_ptr<const SettingsFile> file, std::string path, AccessMask access);
    ErrorCode subKeyPath(std::string_view subKey, std::string& path) const;

    std::shared_ptr<const SettingsFile> file_;
    std::string path_;
    AccessMask access_ = 0;
};

}  // namespace lumar::settings
