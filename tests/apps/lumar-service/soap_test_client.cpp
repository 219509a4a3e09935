#include "soap_test_client.h"

#include <httplib.h>

#include <pugixml.hpp>

#include "lumar-service/password.h"
#include "lumar-service/request_params.h"
#include "lumar-service/soap_request.h"
#include "platform/soap/value_codec.h"

namespace lumar::service_test {

using namespace lumar::service_app;

namespace {

std::string_view LocalName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node FindByLocalName(const pugi::xml_node& node, std::string_view name) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        if (LocalName(child) == name) {
            return child;
        }
        if (pugi::xml_node found = FindByLocalName(child, name)) {
            return found;
        }
    }
    return {};
}

void CollectLeaves(const pugi::xml_node& node, const std::string& path, Answer& answer) {
    bool hasElement = false;
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element) {
            hasElement = true;
            CollectLeaves(child, path + " " + std::string(LocalName(child)), answer);
        }
    }
    if (!hasElement) {
        answer.items.emplace_back(path, soap::PercentDecode(node.child_value()));
    }
}

void ParseAnswer(Answer& answer) {
    pugi::xml_document document;
    if (!document.load_string(answer.body.c_str())) {
        return;
    }
    if (FindByLocalName(document, "Fault")) {
        answer.soapFault = true;
    }
    if (pugi::xml_node result = FindByLocalName(document, "Result")) {
        for (pugi::xml_node child : result.children()) {
            if (child.type() == pugi::node_element) {
                CollectLeaves(child, "Result " + std::string(LocalName(child)), answer);
            }
        }
    }
}

}  // namespace

std::string Answer::Item(std::string_view path) const {
    for (const auto& [name, value] : items) {
        if (name == path) {
            return value;
        }
    }
    return {};
}

bool Answer::Has(std::string_view path) const {
    for (const auto& item : items) {
        if (item.first == path) {
            return true;
        }
    }
    return false;
}

int Answer::ErrorCode() const {
    std::int32_t code = -1;
    return ParseLong(Item("Result ErrorCode"), code) ? code : -1;
}

std::int32_t Answer::Long(std::string_view path) const {
    std::int32_t value = 0;
    ParseLong(Item(path), value);
    return value;
}

std::vector<std::string> Answer::Column(std::string_view recordName, std::string_view field) const {
    const std::string path = "Result " + std::string(recordName) + "s " + std::string(recordName) +
                             " " + std::string(field);
    std::vector<std::string> values;
    for (const auto& [name, value] : items) {
        if (name == path) {
            values.push_back(value);
        }
    }
    return values;
}

int Answer::RecordCount(std::string_view recordName) const {
    return Long("Result " + std::string(recordName) + "Count");
}

SoapTestClient::SoapTestClient(int port) : port_(port) {}

std::string SoapTestClient::Action(std::string_view method) {
    return "\"" + std::string(kServiceNamespace) + std::string(method) + "\"";
}

std::string SoapTestClient::Envelope(std::string_view method, const Params& params) {
    std::string body =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
        "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><m:";
    body += method;
    body += " xmlns:m=\"";
    body += kServiceNamespace;
    body += "\">";
    for (const auto& [name, value] : params) {
        body += "<" + name + ">" + soap::XmlEscape(soap::PercentEncode(value)) + "</" + name + ">";
    }
    body += "</m:";
    body += method;
    body += "></soap:Body></soap:Envelope>";
    return body;
}

Answer SoapTestClient::Post(const std::string& body, const char* soapAction) const {
    httplib::Client client("127.0.0.1", port_);
    client.set_tcp_nodelay(true);
    client.set_connection_timeout(5);
    client.set_read_timeout(30);
    httplib::Headers headers;
    if (soapAction != nullptr) {
        headers.emplace("SOAPAction", soapAction);
    }
    Answer answer;
    if (auto result = client.Post("/WS/Lumar/2007/02/", headers, body, "text/xml; charset=utf-8")) {
        answer.httpStatus = result->status;
        answer.body = result->body;
        ParseAnswer(answer);
    }
    return answer;
}

Answer SoapTestClient::Call(std::string_view method, const Params& params) const {
    return Post(Envelope(method, params), Action(method).c_str());
}

std::int32_t SoapTestClient::Logon(std::string_view login, std::string_view password) const {
    const Answer answer =
        Call("Logon", {{"Login", std::string(login)}, {"Password", ScramblePassword(password)}});
    return answer.Ok() ? answer.Long("Result User_ID") : 0;
}

}  // namespace lumar::service_test
