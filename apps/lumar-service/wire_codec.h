#pragma once

// The value codecs of the wire format. The client percent-encodes every
// parameter value and then escapes it for XML; answers come back the same
// way. The service must encode and decode exactly the bytes the client does,
// so these functions follow the client's rules byte for byte.

#include <string>
#include <string_view>

namespace lumar::service_app {

// Every byte below 0x20, above 0x7E, and "%" itself becomes "%" and two
// lowercase hexadecimal digits. The text ends at its first NUL byte.
std::string PercentEncode(std::string_view bytes);

// A "%" with at least two more characters takes those two as hexadecimal
// digits (lower-cased; code minus 48 up to '9', else minus 87; not
// validated, the low eight bits are kept). Anything else is copied.
std::string PercentDecode(std::string_view text);

// "&" first, then "<", ">", "'" and the double quote become entities.
std::string XmlEscape(std::string_view text);

// Appends XmlEscape(PercentEncode(bytes)) to `out` in one pass, without the
// two intermediate strings (answers write thousands of values).
void AppendWireValue(std::string& out, std::string_view bytes);

}  // namespace lumar::service_app
