#include "lumar-service/soap_request.h"

#include <algorithm>
#include <cstring>
#include <pugixml.hpp>
#include <string_view>
#include <unordered_set>

#include "lumar-service/service_error.h"
#include "platform/soap/value_codec.h"
#include "platform/text/cp1252.h"

namespace lumar::service_app {

namespace {

[[noreturn]] void Refuse(const std::string& text) {
    throw ServiceError(ErrorCode::BadRequest, text);
}

std::string_view LocalName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string_view Prefix(const pugi::xml_node& node) {
    std::string_view name = node.name();
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? std::string_view{} : name.substr(0, colon);
}

// The namespace URI bound to the element's prefix, looked up through its
// ancestors (pugixml does not resolve namespaces itself).
std::string NamespaceOf(const pugi::xml_node& element) {
    const std::string_view prefix = Prefix(element);
    const std::string attribute =
        prefix.empty() ? std::string("xmlns") : "xmlns:" + std::string(prefix);
    for (pugi::xml_node node = element; node; node = node.parent()) {
        if (const pugi::xml_attribute a = node.attribute(attribute.c_str()); !a.empty()) {
            return a.value();
        }
    }
    return {};
}

pugi::xml_node FirstElement(const pugi::xml_node& parent) {
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element) {
            return child;
        }
    }
    return {};
}

pugi::xml_node ChildByLocalName(const pugi::xml_node& parent, std::string_view name) {
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element && LocalName(child) == name) {
            return child;
        }
    }
    return {};
}

// The text of a parameter element: its character data, which must not be
// mixed with child elements.
std::string ParameterText(const pugi::xml_node& param) {
    std::string text;
    for (pugi::xml_node child : param.children()) {
        switch (child.type()) {
        case pugi::node_pcdata:
        case pugi::node_cdata:
            text += child.value();
            break;
        case pugi::node_comment:
            break;
        default:
            Refuse("Parameter " + std::string(param.name()) + " holds markup");
        }
    }
    return text;
}

// The XML text is Unicode; the system's texts are Windows-1252 bytes. The
// client sends ASCII only (it percent-encodes every other byte), other
// clients may send any character the code page has.
std::string ToWindows1252(const std::string& utf8, std::string_view name) {
    bool ascii = true;
    for (char c : utf8) {
        if (static_cast<unsigned char>(c) > 0x7F) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        return utf8;
    }
    std::string bytes = text::fromUtf8(utf8);
    if (text::toUtf8(bytes) != utf8) {
        Refuse("Parameter " + std::string(name) + " holds a character outside Windows-1252");
    }
    return bytes;
}

// Whether the text holds a character reference to NUL ("&#0;", "&#x00;"):
// the parser would store it as a NUL and cut the value short there.
bool HasNulReference(std::string_view text) {
    for (auto at = text.find("&#"); at != std::string_view::npos; at = text.find("&#", at + 2)) {
        std::size_t digit = at + 2;
        const bool hex = digit < text.size() && (text[digit] == 'x' || text[digit] == 'X');
        digit += hex ? 1 : 0;
        const std::size_t first = digit;
        while (digit < text.size() && text[digit] == '0') {
            ++digit;
        }
        if (digit > first && digit < text.size() && text[digit] == ';') {
            return true;
        }
    }
    return false;
}

}  // namespace

SoapRequest ParseSoapRequest(std::string_view body) {
    // Every node of the parsed tree costs far more memory than its bytes in
    // the request: count the markup before parsing and refuse a request of
    // many tiny elements, so that parsing costs a small multiple of its size.
    if (std::count(body.begin(), body.end(), '<') > static_cast<std::ptrdiff_t>(kMaxMarkup)) {
        Refuse("The request has more than " + std::to_string(kMaxMarkup) + " tags");
    }
    if (HasNulReference(body)) {
        Refuse("The request holds a character reference to NUL");
    }
    pugi::xml_document document;
    const unsigned options = pugi::parse_default | pugi::parse_doctype;
    const pugi::xml_parse_result parsed =
        document.load_buffer(body.data(), body.size(), options, pugi::encoding_utf8);
    if (!parsed) {
        Refuse(std::string("Malformed XML: ") + parsed.description() + " at offset " +
               std::to_string(parsed.offset));
    }
    for (pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_doctype) {
            Refuse("Document type declarations are not accepted");
        }
    }
    const pugi::xml_node envelope = document.document_element();
    if (LocalName(envelope) != "Envelope") {
        Refuse("The request is not a SOAP envelope");
    }
    const pugi::xml_node soapBody = ChildByLocalName(envelope, "Body");
    if (!soapBody) {
        Refuse("The SOAP envelope has no Body");
    }
    const pugi::xml_node call = FirstElement(soapBody);
    if (!call) {
        Refuse("The SOAP Body names no method");
    }
    if (NamespaceOf(call) != kServiceNamespace) {
        Refuse("The method is not in the namespace " + std::string(kServiceNamespace));
    }

    SoapRequest request;
    request.method = std::string(LocalName(call));
    // Views of names in the parsed document, which outlives the loop.
    std::unordered_set<std::string_view> seen;
    for (pugi::xml_node param : call.children()) {
        if (param.type() == pugi::node_pcdata || param.type() == pugi::node_cdata) {
            const std::string_view text = param.value();
            if (text.find_first_not_of(" \t\r\n") != std::string_view::npos) {
                Refuse("The method element holds text outside its parameters");
            }
            continue;
        }
        if (param.type() != pugi::node_element) {
            continue;
        }
        const std::string_view localName = LocalName(param);
        std::string name(localName);
        if (!seen.insert(localName).second) {
            Refuse("Parameter " + name + " is given twice");
        }
        std::string value = soap::PercentDecode(ToWindows1252(ParameterText(param), name));
        request.params.emplace_back(std::move(name), std::move(value));
    }
    return request;
}

}  // namespace lumar::service_app
