#include "config/settings_store.h"

#include <cstring>
#include <vector>

#include "config/last_error.h"

namespace lumar {

namespace {

using settings::ErrorCode;
using settings::RegistryKey;

bool fail(ErrorCode error) {
    SetLastError(error);
    return false;
}

// The key path of a setting for reading: one trailing backslash dropped.
std::string readerKey(std::string key) {
    if (!key.empty() && key.back() == '\\') {
        key.pop_back();
    }
    return key;
}

// Opens the key for writing, creating it (and the keys above it) if needed.
ErrorCode openOrCreate(const RegistryKey& root, const std::string& key, RegistryKey& result) {
    if (root.openKey(key, settings::kKeySetValue, result) == settings::kSuccess) {
        return settings::kSuccess;
    }
    return root.createKey(key, settings::kKeySetValue, result);
}

bool writeValue(const RegistryKey& root, std::string_view key, std::string_view name,
                settings::ValueType type, std::string_view data) {
    const SettingPath path = ResolveSettingPath(JoinSettingPath(key, name));
    RegistryKey handle;
    if (const ErrorCode error = openOrCreate(root, path.key, handle); error != settings::kSuccess) {
        return fail(error);
    }
    if (const ErrorCode error = handle.setValue(path.name, type, data);
        error != settings::kSuccess) {
        return fail(error);
    }
    SetLastError(settings::kSuccess);
    return true;
}

bool isText(settings::ValueType type) {
    return type == settings::kRegSz || type == settings::kRegExpandSz ||
           type == settings::kRegMultiSz;
}

// Reads a number into a signed field; the field keeps its value on failure.
void readSignedField(const RegistryKey& root, std::string_view key, std::string_view name,
                     std::int32_t& field) {
    std::uint32_t number = 0;
    if (ReadNumberSetting(root, key, name, number)) {
        field = static_cast<std::int32_t>(number);
    }
}

}  // namespace

RegistryKey CurrentUserKey() {
    return RegistryKey::currentUser();
}

std::string JoinSettingPath(std::string_view key, std::string_view name) {
    if (key.empty()) {
        return std::string(name);
    }
    std::string path(key);
    path += '\\';
    path += name;
    return path;
}

SettingPath ResolveSettingPath(std::string_view path) {
    if (path.empty()) {
        return {};
    }
    const size_t last = path.rfind('\\');
    if (last == std::string_view::npos) {
        return {std::string(kBaseKey), std::string(path)};
    }
    SettingPath result;
    result.name = std::string(path.substr(last + 1));
    if (path.front() == '\\') {
        result.key = last == 0 ? std::string() : std::string(path.substr(1, last - 1));
    } else {
        result.key = std::string(kBaseKey);
        if (result.key.back() != '\\') {
            result.key += '\\';
        }
        result.key += path.substr(0, last);
    }
    return result;
}

bool ReadTextSetting(const RegistryKey& root, std::string_view key, std::string_view name,
                     std::string& text) {
    const SettingPath path = ResolveSettingPath(JoinSettingPath(key, name));
    RegistryKey handle;
    ErrorCode error = root.openKey(readerKey(path.key), settings::kKeyQueryValue, handle);
    if (error != settings::kSuccess) {
        return fail(error);
    }
    settings::ValueType type = settings::kRegNone;
    std::uint32_t size = 0;
    error = handle.queryValue(path.name, &type, nullptr, &size);
    std::vector<char> buffer;
    // Another process may lengthen the value between asking its size and
    // reading it: ask again then.
    for (int attempt = 0; attempt < 3 && error == settings::kSuccess; ++attempt) {
        buffer.assign(size + 1, '\0');
        std::uint32_t room = size;
        error = handle.queryValue(path.name, &type, buffer.data(), &room);
        if (error != settings::kErrorMoreData) {
            size = room;
            break;
        }
        size = room;
        error = settings::kSuccess;
        buffer.clear();
    }
    if (error != settings::kSuccess || buffer.empty()) {
        return fail(error != settings::kSuccess ? error : settings::kErrorMoreData);
    }
    text.assign(buffer.data(), strnlen(buffer.data(), size));
    if (!isText(type)) {
        return fail(settings::kErrorDatatypeMismatch);
    }
    SetLastError(settings::kSuccess);
    return true;
}

bool WriteTextSetting(const RegistryKey& root, std::string_view key, std::string_view name,
                      std::string_view text) {
    std::string data(text.substr(0, std::min(text.find('\0'), text.size())));
    data.push_back('\0');
    return writeValue(root, key, name, settings::kRegSz, data);
}

bool ReadNumberSetting(const RegistryKey& root, std::string_view key, std::string_view name,
                       std::uint32_t& number) {
    const SettingPath path = ResolveSettingPath(JoinSettingPath(key, name));
    RegistryKey handle;
    ErrorCode error = root.openKey(readerKey(path.key), settings::kKeyQueryValue, handle);
    if (error != settings::kSuccess) {
        return fail(error);
    }
    settings::ValueType type = settings::kRegNone;
    char bytes[4] = {};
    std::uint32_t size = sizeof bytes;
    error = handle.queryValue(path.name, &type, bytes, &size);
    if (error != settings::kSuccess && error != settings::kErrorMoreData) {
        return fail(error);
    }
    // A longer value of another type is a type mismatch, not a buffer problem.
    if (type != settings::kRegDword) {
        return fail(settings::kErrorDatatypeMismatch);
    }
    if (error != settings::kSuccess || size != sizeof bytes) {
        return fail(settings::kErrorInvalidData);
    }
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    number = value;
    SetLastError(settings::kSuccess);
    return true;
}

bool WriteNumberSetting(const RegistryKey& root, std::string_view key, std::string_view name,
                        std::uint32_t number) {
    const char bytes[4] = {
        static_cast<char>(number & 0xFF), static_cast<char>((number >> 8) & 0xFF),
        static_cast<char>((number >> 16) & 0xFF), static_cast<char>((number >> 24) & 0xFF)};
    return writeValue(root, key, name, settings::kRegDword, std::string_view(bytes, 4));
}

bool ReadWindowPlacement(const RegistryKey& root, std::string_view key, std::string_view name,
                         WindowPlacement& placement) {
    const std::string dialogKey = JoinSettingPath(key, name);
    std::uint32_t flags = 0;
    if (!ReadNumberSetting(root, dialogKey, "flags", flags)) {
        return false;
    }
    placement.length = WindowPlacement::kLength;
    placement.flags = flags;
    ReadNumberSetting(root, dialogKey, "showCmd", placement.showCmd);
    readSignedField(root, dialogKey, "ptMinPosition\\x", placement.ptMinPosition.x);
    readSignedField(root, dialogKey, "ptMinPosition\\y", placement.ptMinPosition.y);
    readSignedField(root, dialogKey, "ptMaxPosition\\x", placement.ptMaxPosition.x);
    readSignedField(root, dialogKey, "ptMaxPosition\\y", placement.ptMaxPosition.y);
    readSignedField(root, dialogKey, "rcNormalPosition\\left", placement.rcNormalPosition.left);
    readSignedField(root, dialogKey, "rcNormalPosition\\top", placement.rcNormalPosition.top);
    readSignedField(root, dialogKey, "rcNormalPosition\\right", placement.rcNormalPosition.right);
    readSignedField(root, dialogKey, "rcNormalPosition\\bottom", placement.rcNormalPosition.bottom);
    return true;
}

bool WriteWindowPlacement(const RegistryKey& root, std::string_view key, std::string_view name,
                          const WindowPlacement& placement) {
    const std::string dialogKey = JoinSettingPath(key, name);
    auto number = [](std::int32_t value) { return static_cast<std::uint32_t>(value); };
    WriteNumberSetting(root, dialogKey, "flags", placement.flags);
    WriteNumberSetting(root, dialogKey, "showCmd", placement.showCmd);
    WriteNumberSetting(root, dialogKey, "ptMinPosition\\x", number(placement.ptMinPosition.x));
    WriteNumberSetting(root, dialogKey, "ptMinPosition\\y", number(placement.ptMinPosition.y));
    WriteNumberSetting(root, dialogKey, "ptMaxPosition\\x", number(placement.ptMaxPosition.x));
    WriteNumberSetting(root, dialogKey, "ptMaxPosition\\y", number(placement.ptMaxPosition.y));
    const WindowRect& normal = placement.rcNormalPosition;
    WriteNumberSetting(root, dialogKey, "rcNormalPosition\\left", number(normal.left));
    WriteNumberSetting(root, dialogKey, "rcNormalPosition\\top", number(normal.top));
    WriteNumberSetting(root, dialogKey, "rcNormalPosition\\right", number(normal.right));
    WriteNumberSetting(root, dialogKey, "rcNormalPosition\\bottom", number(normal.bottom));
    return true;
}

bool ReadTextSetting(std::string_view key, std::string_view name, std::string& text) {
    return ReadTextSetting(CurrentUserKey(), key, name, text);
}

bool WriteTextSetting(std::string_view key, std::string_view name, std::string_view text) {
    return WriteTextSetting(CurrentUserKey(), key, name, text);
}

bool ReadNumberSetting(std::string_view key, std::string_view name, std::uint32_t& number) {
    return ReadNumberSetting(CurrentUserKey(), key, name, number);
}

bool WriteNumberSetting(std::string_view key, std::string_view name, std::uint32_t number) {
    return WriteNumberSetting(CurrentUserKey(), key, name, number);
}

bool ReadWindowPlacement(std::string_view key, std::string_view name, WindowPlacement& placement) {
    return ReadWindowPlacement(CurrentUserKey(), key, name, placement);
}

bool WriteWindowPlacement(std::string_view key, std::string_view name,
                          const WindowPlacement& placement) {
    return WriteWindowPlacement(CurrentUserKey(), key, name, placement);
}

}  // namespace lumar
