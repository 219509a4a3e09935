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

// A Log call with `count` distinct parameters P0, P1, ...
std::string ManyParameters(int count) {
    std::string call = "<m:Log " + kNs + ">";
    for (int i = 0; i < count; ++i) {
        call += "<P" + std::to_string(i) + "/>";
    }
    return Wrap(call + "</m:Log>");
}

TEST(ParseSoapRequest, TakesCharacterReferencesOtherThanNul) {
    const SoapRequest request = ParseSoapRequest(
        Wrap("<m:Log " + kNs + "><Message>a&#10;&#x41;&#048;&#x20AC;&#0010;</Message></m:Log>"));
    EXPECT_EQ(request.params.at(0).second, "a\nA0\x80\n");
}

TEST(ParseSoapRequest, TakesManyDistinctParametersUpToTheTagLimit) {
    const int most = static_cast<int>(kMaxMarkup / 2) - 8;  // room for the envelope's tags
    EXPECT_EQ(ParseSoapRequest(ManyParameters(most)).params.size(), static_cast<size_t>(most));
}

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
        // A reference to NUL would cut the value short ("editor&#0;xyz" read
        // as "editor"); it is refused like a NUL byte.
        BadRequest{"NulReference",
                   Wrap("<m:Log " + kNs + "><Message>editor&#0;xyz</Message></m:Log>")},
        BadRequest{"NulHexReference",
                   Wrap("<m:Log " + kNs + "><Message>a&#x0000;</Message></m:Log>")},
        BadRequest{"NulReferenceUpperX",
                   Wrap("<m:Log " + kNs + "><Message>&#X0;</Message></m:Log>")},
        // Tiny elements cost memory far beyond their bytes: such a request is
        // refused before it is parsed, and so is its duplicate check.
        BadRequest{"TooManyTags", ManyParameters(160000)},
        BadRequest{"NotWindows1252",
                   Wrap("<m:Log " + kNs + "><Message>\xe4\xb8\xad</Message></m:Log>")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumar::service_app
