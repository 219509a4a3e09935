#include "lumar-service/soap_request.h"

#include <gtest/gtest.h>

#include "lumar-service/service_error.h"

namespace lumar::service_app {
namespace {

constexpr const char* kOpen =
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>";
constexpr const char* kClose = "</soap:Body></soap:Envelope>";

std::string Wrap(const std::string& call) {
    return kOpen + call + kClose;
}

TEST(ParseSoapRequest, ReadsMethodAndDecodedParametersInOrder) {
    const SoapRequest request = ParseSoapRequest(
        Wrap("<m:Log xmlns:m=\"http://orvane.example/WS/Lumar/2007/02/\"><Severity>0</Severity>"
             "<Message>a%0ab &amp; caf%e9</Message></m:Log>"));
    EXPECT_EQ(request.method, "Log");
    ASSERT_EQ(request.params.size(), 2u);
    EXPECT_EQ(request.params[0].first, "Severity");
    EXPECT_EQ(request.params[1].second, "a\nb & caf\xe9");
}

TEST(ParseSoapRequest, TakesUnicodeCharactersOfOtherClientsAsWindows1252) {
    const SoapRequest request = ParseSoapRequest(Wrap(
        "<Log xmlns=\"http://orvane.example/WS/Lumar/2007/02/\"><Message>caf\xc3\xa9 \xe2\x82\xac"
        "</Message></Log>"));
    EXPECT_EQ(request.params.at(0).second, "caf\xe9 \x80");
}

struct BadRequest {
    const char* name;
    std::string body;
};

class ParseSoapRequestRefuses : public ::testing::TestWithParam<BadRequest> {};

TEST_P(ParseSoapRequestRefuses, WithBadRequest) {
    try {
        ParseSoapRequest(GetParam().body);
        FAIL() << "accepted";
    } catch (const ServiceError& error) {
        EXPECT_EQ(error.code(), ErrorCode::BadRequest);
    }
}

const std::string kNs = "xmlns:m=\"http://orvane.example/WS/Lumar/2007/02/\"";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseSoapRequestRefuses,
    ::testing::Values(
        BadRequest{"Empty", ""}, BadRequest{"NotXml", "hello"},
        BadRequest{"Unclosed", Wrap("<m:Log " + kNs + "><Message>x</Message>").substr(0, 80)},
        BadRequest{"Doctype", "<!DOCTYPE e [<!ENTITY x \"boom\">]>" +
                                  Wrap("<m:Log " + kNs + "><Message>&x;</Message></m:Log>")},
        BadRequest{"NotEnvelope", "<Envelope2><Body/></Envelope2>"},
        BadRequest{"NoBody", "<soap:Envelope xmlns:soap=\"s\"></soap:Envelope>"},
        BadRequest{"NoMethod", Wrap("")},
        BadRequest{"OtherNamespace", Wrap("<m:Log xmlns:m=\"urn:other\"><Message/></m:Log>")},
        BadRequest{"NoNamespace", Wrap("<Log><Message/></Log>")},
        BadRequest{"NestedParameter",
                   Wrap("<m:Log " + kNs + "><Message><b>x</b></Message></m:Log>")},
        BadRequest{"TwiceGiven",
                   Wrap("<m:Log " + kNs + "><Message>a</Message><Message>b</Message></m:Log>")},
        BadRequest{"StrayText", Wrap("<m:Log " + kNs + ">text<Message>a</Message></m:Log>")},
        BadRequest{"NotWindows1252",
                   Wrap("<m:Log " + kNs + "><Message>\xe4\xb8\xad</Message></m:Log>")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumar::service_app
