#pragma once

// Character encodings at the settings file's edge.
//
// The file is UTF-8 text (administrators read and edit it with ordinary
// editors). The system's texts are Windows-1252 bytes; they are converted with
// the text module when a line is read or written. Texts stored as hex(1),
// hex(2) and hex(7) hold UTF-16LE bytes, as the registry editor writes them.

#include <string>
#include <string_view>

namespace lumar::settings {

bool isValidUtf8(std::string_view bytes);

// One line of the file as Windows-1252 bytes. A line that is not valid UTF-8
// was written by a Windows-1252 editor and is taken as it stands.
std::string lineToCore(std::string_view line);

// Windows-1252 bytes to UTF-16LE and back. Characters that Windows-1252 lacks
// become '?'; a lone trailing byte is dropped.
std::string coreToUtf16le(std::string_view cp1252);
std::string utf16leToCore(std::string_view utf16le);

// A whole file written in UTF-16LE (after its byte order mark) as UTF-8.
std::string utf16leToUtf8(std::string_view utf16le);

}  // namespace lumar::settings
