#include "lumar-service/answer_writer.h"

#include "lumar-service/soap_request.h"
#include "platform/soap/value_codec.h"
#include "protocol/operations.h"

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
    soap::AppendWireValue(out, value);
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

std::string WriteAnswer(const protocol::Operation& operation, const OperationResult& result) {
    const std::size_t fieldCount = operation.IsList() ? operation.record->fields.size() : 0;
    std::string out;
    // About 40 bytes per field: one allocation for most answers.
    out.reserve(512 + result.records.size() * fieldCount * 40);
    OpenResponse(out, operation.method);
    out += "<ErrorCode>0</ErrorCode><Error/>";
    for (std::size_t i = 0; i < operation.items.size() && i < result.items.size(); ++i) {
        AppendElement(out, operation.items[i].name, result.items[i]);
    }
    if (operation.IsList()) {
        const protocol::Record& record = *operation.record;
        const std::string list = protocol::ListElement(record);
        AppendElement(out, protocol::CountElement(record),
                      WireLong(static_cast<long>(result.records.size())));
        out += '<';
        out += list;
        out += '>';
        for (const auto& values : result.records) {
            out += '<';
            out += record.name;
            out += '>';
            for (std::size_t i = 0; i < fieldCount && i < values.size(); ++i) {
                AppendElement(out, record.fields[i].name, values[i]);
            }
            out += "</";
            out += record.name;
            out += '>';
        }
        out += "</";
        out += list;
        out += '>';
    }
    CloseResponse(out, operation.method);
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
    out += soap::XmlEscape(soap::PercentEncode(text));
    out += "</faultstring></soap:Fault>";
    out += kEnvelopeClose;
    return out;
}

}  // namespace lumar::service_app
