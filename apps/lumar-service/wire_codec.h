#pragma once

// The value codecs of the wire format. The client percent-encodes every
// parameter value and then escapes it for XML; answers come back the same
// way. The service encodes and decodes with the client's own codecs, so both
// ends agree byte for byte.

#include <string>
#include <string_view>

#include "platform/soap/value_codec.h"

namespace lumar::service_app {

using soap::PercentDecode;
using soap::PercentEncode;
using soap::XmlEscape;

// Appends XmlEscape(PercentEncode(bytes)) to `out` in one pass, without the
// two intermediate strings (answers write thousands of values).
void AppendWireValue(std::string& out, std::string_view bytes);

}  // namespace lumar::service_app
