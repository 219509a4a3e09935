#include "lumar-service/wsdl.h"

#include <set>

#include "lumar-service/soap_request.h"
#include "platform/soap/value_codec.h"
#include "protocol/operations.h"

namespace lumar::service_app {

namespace {

using protocol::Kind;

std::string_view XsdType(Kind kind) {
    switch (kind) {
    case Kind::Long:
        return "xsd:int";
    case Kind::Bool:
        return "xsd:boolean";
    case Kind::Ticks:
        return "xsd:long";
    case Kind::Text:
        return "xsd:string";
    }
    return "xsd:string";
}

void Sequence(std::string& out, std::span<const protocol::Item> elements) {
    out += "<xsd:sequence>";
    for (const protocol::Item& element : elements) {
        out += "<xsd:element name=\"";
        out += element.name;
        out += "\" type=\"";
        out += XsdType(element.kind);
        out += "\"/>";
    }
    out += "</xsd:sequence>";
}

void Types(std::string& out) {
    out += "<wsdl:types><xsd:schema targetNamespace=\"";
    out += kServiceNamespace;
    out += "\" elementFormDefault=\"unqualified\">";
    std::set<std::string_view> records;
    for (const protocol::Operation& operation : protocol::kOperations) {
        const std::string name(operation.method);
        out += "<xsd:element name=\"" + name + "\"><xsd:complexType>";
        Sequence(out, operation.params);
        out += "</xsd:complexType></xsd:element>";

        out += "<xsd:element name=\"" + name + "Response\"><xsd:complexType><xsd:sequence>";
        out += "<xsd:element name=\"Result\" type=\"tns:" + name + "Result\"/>";
        out += "</xsd:sequence></xsd:complexType></xsd:element>";

        out += "<xsd:complexType name=\"" + name + "Result\"><xsd:sequence>";
        out += "<xsd:element name=\"ErrorCode\" type=\"xsd:int\"/>";
        out += "<xsd:element name=\"Error\" type=\"xsd:string\"/>";
        for (const protocol::Item& item : operation.items) {
            out += "<xsd:element name=\"" + std::string(item.name) + "\" type=\"" +
                   std::string(XsdType(item.kind)) + "\" minOccurs=\"0\"/>";
        }
        if (operation.IsList()) {
            const std::string record(operation.record->name);
            out += "<xsd:element name=\"" + protocol::CountElement(*operation.record) +
                   "\" type=\"xsd:int\" minOccurs=\"0\"/>";
            out += "<xsd:element name=\"" + protocol::ListElement(*operation.record) +
                   "\" type=\"tns:ArrayOf" + record + "\" minOccurs=\"0\"/>";
        }
        out += "</xsd:sequence></xsd:complexType>";

        if (operation.IsList() && records.insert(operation.record->name).second) {
            const std::string record(operation.record->name);
            out += "<xsd:complexType name=\"ArrayOf" + record + "\"><xsd:sequence>";
            out += "<xsd:element name=\"" + record + "\" type=\"tns:" + record +
                   "\" minOccurs=\"0\" maxOccurs=\"unbounded\"/>";
            out += "</xsd:sequence></xsd:complexType>";
            out += "<xsd:complexType name=\"" + record + "\">";
            Sequence(out, operation.record->fields);
            out += "</xsd:complexType>";
        }
    }
    out += "</xsd:schema></wsdl:types>";
}

}  // namespace

std::string WriteWsdl(std::string_view location) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
        "<wsdl:definitions xmlns:wsdl=\"http://schemas.xmlsoap.org/wsdl/\" "
        "xmlns:soap=\"http://schemas.xmlsoap.org/wsdl/soap/\" "
        "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" xmlns:tns=\"";
    out += kServiceNamespace;
    out += "\" targetNamespace=\"";
    out += kServiceNamespace;
    out += "\">";
    out +=
        "<wsdl:documentation>Lumar publication administration service. Text values are "
        "Windows-1252 bytes, percent-encoded: every byte below 0x20, above 0x7E, and the "
        "percent sign itself is written as a percent sign and two lowercase hexadecimal "
        "digits.</wsdl:documentation>";
    Types(out);
    for (const protocol::Operation& operation : protocol::kOperations) {
        const std::string name(operation.method);
        out += "<wsdl:message name=\"" + name +
               "SoapIn\"><wsdl:part name=\"parameters\" "
               "element=\"tns:" +
               name + "\"/></wsdl:message>";
        out += "<wsdl:message name=\"" + name +
               "SoapOut\"><wsdl:part name=\"parameters\" "
               "element=\"tns:" +
               name + "Response\"/></wsdl:message>";
    }
    out += "<wsdl:portType name=\"LumarSoap\">";
    for (const protocol::Operation& operation : protocol::kOperations) {
        const std::string name(operation.method);
        out += "<wsdl:operation name=\"" + name + "\"><wsdl:input message=\"tns:" + name +
               "SoapIn\"/><wsdl:output message=\"tns:" + name + "SoapOut\"/></wsdl:operation>";
    }
    out += "</wsdl:portType>";
    out +=
        "<wsdl:binding name=\"LumarSoap\" type=\"tns:LumarSoap\">"
        "<soap:binding transport=\"http://schemas.xmlsoap.org/soap/http\" "
        "style=\"document\"/>";
    for (const protocol::Operation& operation : protocol::kOperations) {
        const std::string name(operation.method);
        out += "<wsdl:operation name=\"" + name + "\"><soap:operation soapAction=\"" +
               std::string(kServiceNamespace) + name +
               "\" style=\"document\"/><wsdl:input><soap:body use=\"literal\"/></wsdl:input>"
               "<wsdl:output><soap:body use=\"literal\"/></wsdl:output></wsdl:operation>";
    }
    out += "</wsdl:binding>";
    out +=
        "<wsdl:service name=\"Lumar\"><wsdl:port name=\"LumarSoap\" binding=\"tns:LumarSoap\">"
        "<soap:address location=\"" +
        soap::XmlEscape(location) + "\"/></wsdl:port></wsdl:service>";
    out += "</wsdl:definitions>";
    return out;
}

}  // namespace lumar::service_app
