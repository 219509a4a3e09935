#include "platform/soap/soap_envelope.h"

namespace lumar::soap {

std::string RequestEnvelope(std::string_view method, std::string_view namespaceUri,
                            const std::vector<std::pair<std::string, std::string>>& parameters) {
    std::string body;
    body += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    body += "<soap:Envelope xmlns:soap=\"";
    body += kSoapEnvelopeNamespace;
    body +=
        "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body><m:";
    body += method;
    body += " xmlns:m=\"";
    body += namespaceUri;
    body += "\">";
    for (const auto& [name, value] : parameters) {
        body += '<';
        body += name;
        body += '>';
        body += value;
        body += "</";
        body += name;
        body += '>';
    }
    body += "</m:";
    body += method;
    body += "></soap:Body></soap:Envelope>";
    return body;
}

}  // namespace lumar::soap
