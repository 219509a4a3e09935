#pragma once

// The two codecs every request value passes through before it is written into
// a request, and the decoding of every result value. Both ends of the wire
// use them, so that any byte of a Windows-1252 text travels as printable
// ASCII and arrives unchanged.

#include <string>
#include <string_view>

namespace lumar::soap {

// Every byte below 0x20, above 0x7E, and "%" itself becomes "%" and two
// lowercase hexadecimal digits ("100%" -> "100%25", 0xE9 -> "%e9"); all other
// bytes are copied. The text ends at its first NUL byte, as a C text does.
std::string PercentEncode(std::string_view text);

// Replaces "&" (first, so that later entities are not escaped again), "<",
// ">", "'" and the double quote by their XML entities.
std::string XmlEscape(std::string_view text);

// Appends XmlEscape(PercentEncode(bytes)), the form in which a value stands in
// a request or an answer, to `out` in one pass without the two intermediate
// texts (an answer writes thousands of values).
void AppendWireValue(std::string& out, std::string_view bytes);

// Undoes PercentEncode: a "%" followed by at least two more characters takes
// them as two hexadecimal digits (lower-cased, not validated: the byte is the
// low eight bits of the arithmetic), any other byte is copied, including a
// "%" with fewer than two characters after it.
std::string PercentDecode(std::string_view text);

}  // namespace lumar::soap
