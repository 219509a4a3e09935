#include <gtest/gtest.h>

#include <string>

#include "platform/soap/soap_ctrl.h"
#include "platform/soap/soap_envelope.h"
#include "soap_test_proxy.h"
#include "soap_test_server.h"

namespace lumar::soap {
namespace {

struct ProxyCase {
    const char* name;
    const char* domain;
    const char* login;
    const char* password;
    const char* authentication;
    long status;
    const char* userSeen;  // what the proxy decoded, "" when nothing was decodable
};

void PrintTo(const ProxyCase& c, std::ostream* os) {
    *os << c.name;
}

class SoapCtrlProxy : public testing::TestWithParam<ProxyCase> {};

TEST_P(SoapCtrlProxy, CredentialsReachTheProxy) {
    const ProxyCase& c = GetParam();
    test::SoapTestServer service;
    service.AnswerResult(test::OkResult("<LogData>[DEBUG] via proxy</LogData>"));
    test::SoapTestProxy proxy("ORVANE\\jdoe", "s3cret");

    SoapCtrl ctrl;
    ctrl.PutNamespace(kServiceNamespace);
    ctrl.PutProxyLogin(c.login);
    ctrl.PutProxyPassword(c.password);
    ctrl.PutProxyDomain(c.domain);
    ctrl.PutProxyServer("127.0.0.1");
    ctrl.PutProxyPort(proxy.Port());
    ctrl.PutProxyAuthentication(c.authentication);
    ctrl.PutMethodName("Log");
    ctrl.AddParameter("Severity", "0");

    EXPECT_EQ(ctrl.Invoke(service.Url(), 0, 1), c.status) << ctrl.GetStatusText();
    const auto visits = proxy.Visits();
    ASSERT_FALSE(visits.empty());
    EXPECT_EQ(visits.back().target, service.Url());
    EXPECT_EQ(visits.back().user, c.userSeen);
    if (c.status == kStatusAnswered) {
        EXPECT_EQ(ctrl.GetValue("Result LogData"), "[DEBUG] via proxy");
        ASSERT_EQ(service.Requests().size(), 1u);
        EXPECT_EQ(service.LastRequest().operation, "Log");
    } else {
        EXPECT_TRUE(service.Requests().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SoapCtrlProxy,
    testing::Values(ProxyCase{"DomainAndLogin", "ORVANE", "jdoe", "s3cret", "BASIC",
                              kStatusAnswered, "ORVANE\\jdoe"},
                    ProxyCase{"WrongPassword", "ORVANE", "jdoe", "guess", "BASIC", kStatusHttpError,
                              "ORVANE\\jdoe"},
                    ProxyCase{"NoDomain", "", "jdoe", "s3cret", "BASIC", kStatusHttpError, "jdoe"},
                    ProxyCase{"NoLogin", "", "", "", "BASIC", kStatusHttpError, ""}),
    [](const testing::TestParamInfo<ProxyCase>& info) { return std::string(info.param.name); });

TEST(SoapCtrlProxy, RefusedProxyAuthenticationIsAnHttpError) {
    test::SoapTestServer service;
    test::SoapTestProxy proxy("ORVANE\\jdoe", "s3cret");
    SoapCtrl ctrl;
    ctrl.PutProxyServer("127.0.0.1");
    ctrl.PutProxyPort(proxy.Port());
    ctrl.PutMethodName("Log");
    EXPECT_EQ(ctrl.Invoke(service.Url(), 0, 1), kStatusHttpError);
    EXPECT_EQ(ctrl.GetStatusText(), "HTTP 407 Proxy Authentication Required");
}

TEST(SoapCtrlProxy, NtlmIsNegotiatedWithTheProxy) {
    // The test proxy speaks BASIC only; what matters is that the NTLM setting
    // reaches the wire as an NTLM negotiation.
    test::SoapTestServer service;
    test::SoapTestProxy proxy("ORVANE\\jdoe", "s3cret");
    SoapCtrl ctrl;
    ctrl.PutProxyServer("127.0.0.1");
    ctrl.PutProxyPort(proxy.Port());
    ctrl.PutProxyLogin("jdoe");
    ctrl.PutProxyPassword("s3cret");
    ctrl.PutProxyDomain("ORVANE");
    ctrl.PutProxyAuthentication("NTLM");
    ctrl.PutMethodName("Log");
    EXPECT_EQ(ctrl.Invoke(service.Url(), 0, 1), kStatusHttpError) << ctrl.GetStatusText();
    const auto visits = proxy.Visits();
    ASSERT_FALSE(visits.empty());
    EXPECT_EQ(visits.back().authorization.rfind("NTLM ", 0), 0u) << visits.back().authorization;
}

TEST(SoapCtrlProxy, WithoutUseProxyTheProxyIsBypassed) {
    test::SoapTestServer service;
    service.AnswerResult(test::OkResult());
    test::SoapTestProxy proxy("ORVANE\\jdoe", "s3cret");
    SoapCtrl ctrl;
    ctrl.PutProxyServer("127.0.0.1");
    ctrl.PutProxyPort(proxy.Port());
    ctrl.PutMethodName("Log");
    EXPECT_EQ(ctrl.Invoke(service.Url(), 0, 0), kStatusAnswered) << ctrl.GetStatusText();
    EXPECT_TRUE(proxy.Visits().empty());
    EXPECT_EQ(service.Requests().size(), 1u);
}

}  // namespace
}  // namespace lumar::soap
