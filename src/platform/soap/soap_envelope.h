#pragma once

// The wire format that the client and the reference service share.
//
// A request is a POST with "Content-Type: text/xml; charset=utf-8" and
// "SOAPAction: "<namespace><Method>"", carrying
//   <soap:Envelope ...><soap:Body><m:Method xmlns:m="namespace">
//     <Param>value</Param>...</m:Method></soap:Body></soap:Envelope>
// The answer's body holds <m:MethodResponse><Result><ErrorCode>0</ErrorCode>
// <Error/>...fields...</Result></m:MethodResponse>; a list puts
// <XRecordCount> before <XRecords><XRecord>...fields...</XRecord></XRecords>.
// Values are percent-encoded and XML-escaped by the caller on both sides.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumar::soap {

// The namespace of every operation of the publication administration service.
inline constexpr std::string_view kServiceNamespace = "http://orvane.example/WS/Lumar/2007/02/";

inline constexpr std::string_view kSoapEnvelopeNamespace =
    "http://schemas.xmlsoap.org/soap/envelope/";

// The request body: parameter names and values are written as they stand
// (values are already escaped).
std::string RequestEnvelope(std::string_view method, std::string_view namespaceUri,
                            const std::vector<std::pair<std::string, std::string>>& parameters);

}  // namespace lumar::soap
