#include "lumar-service/answer_writer.h"

#include "lumar-service/soap_request.h"
#include "lumar-service/wire_codec.h"

namespace lumar::service_app {

namespace {

constexpr std::string_view kEnvelopeOpen =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body>";
constexpr std::string_view kEnvelopeClose = "</soap:Body></soap:Envelope>";

void AppendElement(std::string& out, std::string_view name, std::string_view value) {
    if (value.empty()) {
        out += '<';
        out += name;
        out += "/>";
        return;
    }
    out += '<';
    out += name;
    out += '>';
    AppendWireValue(out, value);
    out += "</";
    out += name;
    out += '>';
}

void OpenResponse(std::string& out, std::string_view method) {
    out += kEnvelopeOpen;
    out += "<m:";
    out += method;
    out += "Response xmlns:m=\"";
    out += kServiceNamespace;
    out += "\"><Result>";
}

void CloseResponse(std::string& out, std::string_view method) {
    out += "</Result></m:";
    out += method;
    out += "Response>";
    out += kEnvelopeClose;
}

}  // namespace

std::string WriteAnswer(const OperationDeclaration& operation, const OperationResult& result) {
    std::string out;
    // About 40 bytes per field: one allocation for most answers.
    out.reserve(512 + result.records.size() * operation.recordFields.size() * 40);
    OpenResponse(out, operation.name);
    out += "<ErrorCode>0</ErrorCode><Error/>";
    for (const auto& [name, value] : result.items) {
        AppendElement(out, name, value);
    }
    if (operation.shape == ResultShape::List) {
        const std::string record(operation.recordName);
        AppendElement(out, record + "Count", WireLong(static_cast<long>(result.records.size())));
        out += '<';
        out += record;
        out += "s>";
        for (const auto& values : result.records) {
            out += '<';
            out += record;
            out += '>';
            for (std::size_t i = 0; i < operation.recordFields.size() && i < values.size(); ++i) {
                AppendElement(out, operation.recordFields[i].name, values[i]);
            }
            out += "</";
            out += record;
            out += '>';
        }
        out += "</";
        out += record;
        out += "s>";
    }
    CloseResponse(out, operation.name);
    return out;
}

std::string WriteErrorAnswer(std::string_view method, int code, std::string_view text) {
    std::string out;
    OpenResponse(out, method);
    AppendElement(out, "ErrorCode", WireLong(code));
    AppendElement(out, "Error", text);
    CloseResponse(out, method);
    return out;
}

std::string WriteFault(std::string_view faultCode, std::string_view text) {
    std::string out(kEnvelopeOpen);
    out += "<soap:Fault><faultcode>";
    out += faultCode;
    out += "</faultcode><faultstring>";
    out += XmlEscape(PercentEncode(text));
    out += "</faultstring></soap:Fault>";
    out += kEnvelopeClose;
    return out;
}

}  // namespace lumar::service_app
