#pragma once

// Windows-1252 texts at the edges of the system.
//
// Inside the core every text is a byte string in Windows-1252, as the service,
// the settings file and the page annotations expect. This module is the one
// place that converts those bytes to and from Unicode (UTF-8 terminals, PDF
// text strings, Qt strings go through UTF-8) and that lower-cases them the way
// the system compares keys, tags and file names.

#include <string>
#include <string_view>

namespace lumar::text {

// The Unicode code point of one Windows-1252 byte. The five bytes that the
// code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same value, so that every byte string round-trips.
char32_t toCodePoint(unsigned char byte);

// The byte for a code point, or -1 when Windows-1252 has none.
int fromCodePoint(char32_t codePoint);

// Windows-1252 bytes to UTF-8.
std::string toUtf8(std::string_view cp1252);

// UTF-8 to Windows-1252 bytes. Characters the code page lacks and malformed
// UTF-8 sequences become `replacement`.
std::string fromUtf8(std::string_view utf8, char replacement = '?');

// Single-byte case mapping of the system: ASCII letters and the accented
// Windows-1252 letters (0xC0-0xDE except 0xD7, and Š Œ Ž Ÿ), independent of
// the machine's locale.
char toLower(char byte);
char toUpper(char byte);
std::string toLower(std::string_view cp1252);
std::string toUpper(std::string_view cp1252);

// Case-insensitive equality under the mapping above.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace lumar::text
