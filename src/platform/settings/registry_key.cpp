#include "platform/settings/registry_key.h"

#include <cstring>
#include <utility>

#include "platform/settings/reg_document.h"
#include "platform/settings/settings_file.h"

namespace lumar::settings {

RegistryKey::RegistryKey(std::shared_ptr<const SettingsFile> file, std::string path,
                         AccessMask access)
    : file_(std::move(file)), path_(std::move(path)), access_(access) {}

RegistryKey RegistryKey::currentUser() {
    return currentUser(SettingsFile::defaultPath());
}

RegistryKey RegistryKey::currentUser(std::filesystem::path file) {
    return RegistryKey(std::make_shared<const SettingsFile>(std::move(file)), "",
                       kKeyQueryValue | kKeySetValue | kKeyCreateSubKey);
}

void RegistryKey::close() {
    file_.reset();
    path_.clear();
    access_ = 0;
}

const std::filesystem::path& RegistryKey::filePath() const {
    static const std::filesystem::path none;
    return file_ ? file_->path() : none;
}

// Joins this key's path and `subKey`. One trailing backslash is ignored; an
// empty component (a leading or doubled backslash) is refused.
ErrorCode RegistryKey::subKeyPath(std::string_view subKey, std::string& path) const {
    if (!subKey.empty() && subKey.back() == '\\') {
        subKey.remove_suffix(1);
    }
    if (subKey.empty()) {
        path = path_;
        return kSuccess;
    }
    size_t start = 0;
    while (true) {
        const size_t next = subKey.find('\\', start);
        if (next == start || start == subKey.size()) {
            return kErrorBadPathname;
        }
        if (next == std::string_view::npos) {
            break;
        }
        start = next + 1;
    }
    path = path_.empty() ? std::string(subKey) : path_ + "\\" + std::string(subKey);
    return kSuccess;
}

ErrorCode RegistryKey::openKey(std::string_view subKey, AccessMask access,
                               RegistryKey& result) const {
    if (!isOpen()) {
        return kErrorInvalidHandle;
    }
    std::string path;
    if (const ErrorCode error = subKeyPath(subKey, path); error != kSuccess) {
        return error;
    }
    RegDocument document;
    if (const ErrorCode error = file_->read(document); error != kSuccess) {
        return error;
    }
    if (!document.hasKey(path)) {
        return kErrorFileNotFound;
    }
    result = RegistryKey(file_, std::move(path), access);
    return kSuccess;
}

ErrorCode RegistryKey::createKey(std::string_view subKey, AccessMask access,
                                 RegistryKey& result) const {
    if (!isOpen()) {
        return kErrorInvalidHandle;
    }
    std::string path;
    if (const ErrorCode error = subKeyPath(subKey, path); error != kSuccess) {
        return error;
    }
    // An existing key opens without a write, so a read-only file still works.
    RegDocument document;
    if (const ErrorCode error = file_->read(document); error != kSuccess) {
        return error;
    }
    if (!document.hasKey(path)) {
        if ((access_ & kKeyCreateSubKey) == 0) {
            return kErrorAccessDenied;
        }
        const ErrorCode error =
            file_->update([&](RegDocument& current) { return current.addKey(path); });
        if (error != kSuccess) {
            return error;
        }
    }
    result = RegistryKey(file_, std::move(path), access);
    return kSuccess;
}

ErrorCode RegistryKey::queryValue(std::string_view name, ValueType* type, char* data,
                                  std::uint32_t* size) const {
    if (!isOpen()) {
        return kErrorInvalidHandle;
    }
    if ((access_ & kKeyQueryValue) == 0) {
        return kErrorAccessDenied;
    }
    if (data != nullptr && size == nullptr) {
        return kErrorInvalidParameter;
    }
    RegDocument document;
    if (const ErrorCode error = file_->read(document); error != kSuccess) {
        return error;
    }
    const auto value = document.value(path_, name);
    if (!value) {
        return kErrorFileNotFound;
    }
    if (type != nullptr) {
        *type = value->type;
    }
    if (size == nullptr) {
        return kSuccess;
    }
    const auto needed = static_cast<std::uint32_t>(value->data.size());
    const std::uint32_t room = *size;
    *size = needed;
    if (data == nullptr) {
        return kSuccess;
    }
    if (room < needed) {
        return kErrorMoreData;
    }
    std::memcpy(data, value->data.data(), needed);
    return kSuccess;
}

ErrorCode RegistryKey::setValue(std::string_view name, ValueType type,
                                std::string_view data) const {
    if (!isOpen()) {
        return kErrorInvalidHandle;
    }
    if ((access_ & kKeySetValue) == 0) {
        return kErrorAccessDenied;
    }
    const RegValue value{type, std::string(data)};
    return file_->update([&](RegDocument& document) {
        if (document.value(path_, name) == value) {
            return false;
        }
        document.setValue(path_, name, value);
        return true;
    });
}

}  // namespace lumar::settings
