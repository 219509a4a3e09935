#pragma once

// The lines of the registry editor's export format, as the settings file
// uses them:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Orvane\Lumar\Uri]
//   "Web_service"="http://host/WS/Lumar/2007/02/"
//   "Append_SAP"=dword:00000001
//   "Path"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00
//   @="the key's default value"
//
// Parsing works on lines already converted to Windows-1252; formatting returns
// UTF-8 lines ready for the file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings/registry_codes.h"

namespace lumar::settings {

inline constexpr std::string_view kFileHeader = "Windows Registry Editor Version 5.00";

// A value as the system sees it: texts in Windows-1252 with their NULs, numbers
// as four little-endian bytes, anything else as the bytes that were read.
struct RegValue {
    ValueType type = kRegNone;
    std::string data;

    bool operator==(const RegValue&) const = default;
};

struct SectionLine {
    bool currentUser = false;  // under HKEY_CURRENT_USER; other hives are kept, not used
    std::string key;           // below the hive's root, "" for the root itself
};

struct ValueLine {
    std::string name;               // "" for the default value "@"
    std::optional<RegValue> value;  // empty for a deletion ("name"=-)
};

// "[HKEY_...\key]". On failure `reason` says what is wrong.
std::optional<SectionLine> parseSectionLine(std::string_view line, std::string& reason);

// "name"=data or @=data, continuation lines already joined.
std::optional<ValueLine> parseValueLine(std::string_view line, std::string& reason);

// True when a value line ends in a backslash that continues its hex data on the
// next line.
bool continuesOnNextLine(std::string_view line);

std::string formatSectionLine(std::string_view key);

// One value as file lines; long hex data is wrapped as the registry editor
// wraps it (",\" and two blanks on the next line).
std::vector<std::string> formatValueLines(std::string_view name, const RegValue& value);

}  // namespace lumar::settings
