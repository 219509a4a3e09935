#pragma once

// Reading a SOAP 1.1 request of the wire format:
//   <soap:Envelope><soap:Body><m:Method xmlns:m="ns"><Param>value</Param>...
// Element names are matched by local name (prefixes are free). Values are
// turned back into the Windows-1252 bytes the client sent.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/soap/soap_envelope.h"

namespace lumar::service_app {

using soap::kServiceNamespace;

struct SoapRequest {
    std::string method;
    // Parameters in the order they arrived, values decoded.
    std::vector<std::pair<std::string, std::string>> params;
};

// The most tags ('<') a request may hold: every operation has fewer than 50
// parameters, so this leaves ample room for comments and CDATA sections.
inline constexpr std::size_t kMaxMarkup = 4096;

// Throws ServiceError(BadRequest) for anything that is not a well-formed
// envelope of that shape: malformed XML, a document type declaration (never
// expanded), processing instructions after the declaration, a method element
// in another namespace, nested parameter elements, a parameter given twice,
// more tags than kMaxMarkup, a character reference to NUL.
SoapRequest ParseSoapRequest(std::string_view body);

}  // namespace lumar::service_app
