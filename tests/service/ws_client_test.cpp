#include "service/ws_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/soap/soap_ctrl.h"
#include "service/wait_cursor.h"
#include "soap_test_proxy.h"
#include "ws_client_fixture.h"

namespace lumar {
namespace {

using test::OkResult;
using test::SoapAnswer;
using test::WSClientTest;

// Replaces the component factory for one test.
class FactoryOverride {
public:
    explicit FactoryOverride(SoapComponentFactory factory)
        : previous_(SetSoapComponentFactory(std::move(factory))) {}
    ~FactoryOverride() { SetSoapComponentFactory(std::move(previous_)); }
    FactoryOverride(const FactoryOverride&) = delete;
    FactoryOverride& operator=(const FactoryOverride&) = delete;

private:
    SoapComponentFactory previous_;
};

// A component whose status or item reading is scripted, for the outcomes the
// real component cannot produce.
class ScriptedCtrl : public soap::SoapCtrl {
public:
    ScriptedCtrl(long status, bool throwOnItems)
        : SoapCtrl([](const soap::HttpPost&) { return soap::HttpReply{}; }),
          status_(status),
          throwOnItems_(throwOnItems) {}
    long Invoke(std::string_view, long, long) override { return status_; }
    std::string GetStatusText() const override { return "scripted status"; }
    std::string GetValue(std::string_view path) const override {
        return path == "Result ErrorCode" ? "0" : "";
    }
    long GetResultCount() const override { return 1; }
    std::string GetResultValue(long) const override {
        if (throwOnItems_) {
            throw std::runtime_error("broken item");
        }
        return "";
    }

private:
    long status_;
    bool throwOnItems_;
};

WSListResult<ColourRecord> CallColourList() {
    CWSClient client;
    ColourListRequest request;
    request.LogUser_ID = 3;
    WSListResult<ColourRecord> result;
    result.ErrorCode = 99;
    result.Message = "stale";
    client.ColourList(request, result);
    return result;
}

TEST(ComposeMessage, HeadingAloneOrHeadingColonLineBreakDetail) {
    EXPECT_EQ(CWSClient::ComposeMessage("Internal Error", ""), "Internal Error");
    EXPECT_EQ(CWSClient::ComposeMessage("HTTP error", "HTTP 404 Not Found"),
              "HTTP error:\nHTTP 404 Not Found");
    EXPECT_EQ(CWSClient::ComposeMessage("", "note"), ":\nnote");
    EXPECT_EQ(CWSClient::ComposeMessage("", ""), "");
}

// One row per outcome of a call: what the server (or the component) does,
// what the operation returns and the whole Message the user reads.
struct OutcomeCase {
    const char* name;
    std::function<void(test::SoapTestServer&)> arrange;
    SoapComponentFactory factory;  // empty: the real component
    bool succeeds;
    std::string message;  // a "*" at the end: the message starts with the rest
};

void PrintTo(const OutcomeCase& c, std::ostream* os) {
    *os << c.name;
}

void Answer(test::SoapTestServer& server, int status, std::string body,
            std::string contentType = "text/xml") {
    server.Handle([=](const httplib::Request&, httplib::Response& response) {
        response.status = status;
        response.set_content(body, contentType.c_str());
    });
}

std::function<void(test::SoapTestServer&)> Result(std::string resultXml) {
    return [resultXml](test::SoapTestServer& server) { server.AnswerResult(resultXml); };
}

SoapComponentFactory Scripted(long status, bool throwOnItems = false) {
    return [=] { return std::make_unique<ScriptedCtrl>(status, throwOnItems); };
}

soap::Transport Throwing() {
    return [](const soap::HttpPost&) -> soap::HttpReply { throw std::runtime_error("boom"); };
}

class WSClientOutcome : public WSClientTest, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(WSClientOutcome, GivesTheMessageToShow) {
    const OutcomeCase& c = GetParam();
    if (c.arrange) {
        c.arrange(server);
    }
    FactoryOverride factory(c.factory);
    const auto result = CallColourList();
    std::string expected = c.message;
    if (!expected.empty() && expected.back() == '*') {
        expected.pop_back();
        EXPECT_EQ(result.Message.substr(0, expected.size()), expected) << result.Message;
    } else {
        EXPECT_EQ(result.Message, expected);
    }
    EXPECT_EQ(result.Count, 0);
    EXPECT_TRUE(result.Records.empty());
}

const char* const kFault =
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
    "<soap:Fault><faultcode>soap:Server</faultcode><faultstring>Database is read-only"
    "</faultstring></soap:Fault></soap:Body></soap:Envelope>";

INSTANTIATE_TEST_SUITE_P(
    Table, WSClientOutcome,
    ::testing::Values(
        OutcomeCase{
            "Clean", Result(OkResult("<ColourRecordCount>0</ColourRecordCount>")), {}, true, ""},
        OutcomeCase{"ServiceRefuses",
                    Result("<ErrorCode>12</ErrorCode><Error>Publication is locked</Error>"),
                    {},
                    false,
                    "Lumar Error 12:\nRequest received but not processed successfully:\n"
                    "Publication is locked"},
        // The service's error text is percent-encoded like every value.
        OutcomeCase{"RefusalTextDecoded",
                    Result("<ErrorCode>3</ErrorCode><Error>Gr%f6%dfe%0a100%25</Error>"),
                    {},
                    false,
                    "Lumar Error 3:\nRequest received but not processed successfully:\n"
                    "Gr\xF6\xDF"
                    "e\n100%"},
        OutcomeCase{"ZeroWithBlank",
                    Result("<ErrorCode>0 </ErrorCode><Error/>"),
                    {},
                    false,
                    "Lumar Error 0 :\nRequest received but not processed successfully:\n"},
        OutcomeCase{"DoubleZero",
                    Result("<ErrorCode>00</ErrorCode><Error>x</Error>"),
                    {},
                    false,
                    "Lumar Error 00:\nRequest received but not processed successfully:\nx"},
        OutcomeCase{"NoErrorCode",
                    Result("<Error/>"),
                    {},
                    false,
                    "Lumar Error :\nRequest received but not processed successfully:\n"},
        OutcomeCase{"Malformed",
                    [](test::SoapTestServer& s) { Answer(s, 200, "<a><b></a>"); },
                    {},
                    false,
                    "Unknown error:\nThe answer from http://127.0.0.1:*"},
        OutcomeCase{"NotFound",
                    [](test::SoapTestServer& s) { Answer(s, 404, "gone"); },
                    {},
                    false,
                    "HTTP error:\nHTTP 404 Not Found"},
        OutcomeCase{"Fault",
                    [](test::SoapTestServer& s) { Answer(s, 500, kFault); },
                    {},
                    false,
                    "Server error:\nDatabase is read-only"},
        OutcomeCase{"ServerErrorWithoutFault",
                    [](test::SoapTestServer& s) { Answer(s, 500, "", "text/plain"); },
                    {},
                    false,
                    "Server error:\nHTTP 500 Internal Server Error"},
        OutcomeCase{"Multipart",
                    [](test::SoapTestServer& s) {
                        Answer(s, 200, "--b--", "multipart/related; boundary=b");
                    },
                    {},
                    false,
                    "DIME unsupported:\nThe answer from http://127.0.0.1:*"},
        OutcomeCase{"UndefinedStatus", {}, Scripted(7), false, "Undefined error:\nscripted status"},
        OutcomeCase{"NoComponent",
                    {},
                    [] { return std::unique_ptr<soap::SoapCtrl>(); },
                    false,
                    "Internal Error:\nSOAPCtrl not instantiated"},
        OutcomeCase{
            "ComponentThrows",
            {},
            []() -> std::unique_ptr<soap::SoapCtrl> { throw std::runtime_error("no component"); },
            false,
            "Internal Error:\nSOAPCtrl not instantiated"},
        OutcomeCase{"SendThrows",
                    {},
                    [] { return std::make_unique<soap::SoapCtrl>(Throwing()); },
                    false,
                    "ColourList Error:\nException caught while sending message"},
        OutcomeCase{"ReadingThrows",
                    {},
                    Scripted(0, true),
                    false,
                    "Exception caught while processing Lumar response"}),
    [](const ::testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.name); });

// The outcome table above checks the messages; this one checks what each
// outcome returns and that ErrorCode is reset before the call.
TEST_F(WSClientTest, ReturnValueFollowsTheOutcome) {
    server.AnswerResult(OkResult("<ColourRecordCount>0</ColourRecordCount>"));
    CWSClient client;
    WSListResult<ColourRecord> ok;
    ok.ErrorCode = 5;
    EXPECT_TRUE(client.ColourList({}, ok));
    EXPECT_EQ(ok.ErrorCode, 0);

    server.AnswerResult("<ErrorCode>12</ErrorCode><Error>locked</Error>");
    CWSClient refused;
    WSListResult<ColourRecord> failed;
    EXPECT_FALSE(refused.ColourList({}, failed));
}

TEST_F(WSClientTest, EmptyServiceUriIsStillInvoked) {
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", ""));
    const auto result = CallColourList();
    EXPECT_EQ(result.Message, "Insufficient number of parameters:\nThe request has no service URI");
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WSClientTest, RefusedConnectionNamesTheAddress) {
    const std::string url = "http://127.0.0.1:" + std::to_string(test::RefusingPort()) + "/ws";
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", url));
    const auto result = CallColourList();
    EXPECT_EQ(result.Message.rfind("Unknown error:\nCould not complete the request to " + url, 0),
              0u)
        << result.Message;
}

TEST_F(WSClientTest, TimeOutComesFromTheSettings) {
    test::SilentListener silent;
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", silent.Url()));
    ASSERT_TRUE(WriteNumberSetting("Uri", "Request_timeout_ms", 300));
    const auto started = std::chrono::steady_clock::now();
    const auto result = CallColourList();
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_NE(result.Message.find("timed out"), std::string::npos) << result.Message;
    EXPECT_GE(took, std::chrono::milliseconds(250));
    EXPECT_LT(took, std::chrono::milliseconds(1400));
}

TEST_F(WSClientTest, AnswerLimitComesFromTheSettings) {
    ASSERT_TRUE(WriteNumberSetting("Uri", "Answer_limit_bytes", 2000));
    server.AnswerResult(OkResult("<Padding>" + std::string(3000, 'p') + "</Padding>"));
    const auto result = CallColourList();
    EXPECT_NE(result.Message.find("larger than the limit of 2000 bytes"), std::string::npos)
        << result.Message;
}

TEST_F(WSClientTest, SettingsAreReadOnceAtConstruction) {
    server.AnswerResult(OkResult("<ColourRecordCount>0</ColourRecordCount>"));
    CWSClient client;
    // Changed after the client was built: this client keeps its address.
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", "http://127.0.0.1:1/elsewhere"));
    WSListResult<ColourRecord> result;
    EXPECT_TRUE(client.ColourList({}, result)) << result.Message;
    EXPECT_EQ(server.Requests().size(), 1u);

    // The next client reads the new address.
    CWSClient next;
    WSListResult<ColourRecord> failed;
    EXPECT_FALSE(next.ColourList({}, failed));
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(WSClientTest, ValueOfAnotherTypeKeepsTheDefault) {
    ASSERT_TRUE(WriteNumberSetting("Uri", "Web_service", 0x41414141));
    const auto result = CallColourList();
    EXPECT_EQ(result.Message, "Insufficient number of parameters:\nThe request has no service URI");
}

TEST_F(WSClientTest, SetUriBeforeTheFirstCallIsUsed) {
    test::SoapTestServer other;
    other.AnswerResult(OkResult("<ColourRecordCount>0</ColourRecordCount>"));
    CWSClient client;
    client.SetUri(other.Url());
    WSListResult<ColourRecord> result;
    EXPECT_TRUE(client.ColourList({}, result)) << result.Message;
    EXPECT_EQ(other.Requests().size(), 1u);
    EXPECT_TRUE(server.Requests().empty());
}

class WSClientProxyTest : public WSClientTest {
protected:
    void UseProxy(int port, const char* domain) {
        ASSERT_TRUE(WriteNumberSetting("Proxy", "Use_proxy", 1));
        ASSERT_TRUE(WriteTextSetting("Proxy", "Proxy_server", "127.0.0.1"));
        ASSERT_TRUE(WriteNumberSetting("Proxy", "Proxy_port", static_cast<std::uint32_t>(port)));
        ASSERT_TRUE(WriteTextSetting("Proxy", "Proxy_domain", domain));
        ASSERT_TRUE(WriteTextSetting("Proxy", "Proxy_login", "jdoe"));
        ASSERT_TRUE(WriteTextSetting("Proxy", "Proxy_password", "s3cret"));
        ASSERT_TRUE(WriteTextSetting("Proxy", "Proxy_authentication", "BASIC"));
    }
};

TEST_F(WSClientProxyTest, ProxySettingsReachTheWire) {
    server.AnswerResult(OkResult("<ColourRecordCount>0</ColourRecordCount>"));
    test::SoapTestProxy proxy("ORVANE\\jdoe", "s3cret");
    UseProxy(proxy.Port(), "ORVANE");

    const auto result = CallColourList();
    EXPECT_EQ(result.Message, "");
    const auto visits = proxy.Visits();
    ASSERT_EQ(visits.size(), 1u);
    EXPECT_EQ(visits[0].user, "ORVANE\\jdoe");
    EXPECT_EQ(visits[0].password, "s3cret");
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(WSClientProxyTest, LoginWithoutDomainIsSentAlone) {
    test::SoapTestProxy proxy("jdoe", "s3cret");
    server.AnswerResult(OkResult("<ColourRecordCount>0</ColourRecordCount>"));
    UseProxy(proxy.Port(), "");
    EXPECT_EQ(CallColourList().Message, "");
    ASSERT_EQ(proxy.Visits().size(), 1u);
    EXPECT_EQ(proxy.Visits()[0].user, "jdoe");
}

TEST_F(WSClientProxyTest, ProxyValuesSetAfterTheFirstCallHaveNoEffect) {
    server.AnswerResult(OkResult("<ColourRecordCount>0</ColourRecordCount>"));
    test::SoapTestProxy proxy("ORVANE\\jdoe", "s3cret");
    UseProxy(proxy.Port(), "ORVANE");

    CWSClient client;
    WSListResult<ColourRecord> first;
    ASSERT_TRUE(client.ColourList({}, first)) << first.Message;
    client.SetProxyPort(test::RefusingPort());
    client.SetProxyLogin("intruder");
    WSListResult<ColourRecord> second;
    EXPECT_TRUE(client.ColourList({}, second)) << second.Message;
    ASSERT_EQ(proxy.Visits().size(), 2u);
    EXPECT_EQ(proxy.Visits()[1].user, "ORVANE\\jdoe");

    // Set before the first call, the same values are used.
    CWSClient fresh;
    fresh.SetProxyLogin("intruder");
    WSListResult<ColourRecord> refused;
    EXPECT_FALSE(fresh.ColourList({}, refused));
    EXPECT_EQ(refused.Message, "HTTP error:\nHTTP 407 Proxy Authentication Required");
    EXPECT_EQ(proxy.Visits().back().user, "ORVANE\\intruder");
}

TEST_F(WSClientTest, ShowsTheWaitCursorDuringTheCall) {
    std::vector<bool> calls;
    const WaitCursorHandler previous =
        SetWaitCursorHandler([&](bool busy) { calls.push_back(busy); });
    server.AnswerResult(OkResult("<ColourRecordCount>0</ColourRecordCount>"));
    CallColourList();
    SetWaitCursorHandler(previous);
    EXPECT_EQ(calls, (std::vector<bool>{true, false}));
}

// The connection test logs "Plugin test" and judges the log data the service
// sends back.
struct ConnectionCase {
    const char* name;
    std::string resultXml;
    bool passes;
};

void PrintTo(const ConnectionCase& c, std::ostream* os) {
    *os << c.name;
}

class ConnectionTest : public WSClientTest, public ::testing::WithParamInterface<ConnectionCase> {};

TEST_P(ConnectionTest, PassesOnlyOnAnEchoAtDebugLevel) {
    server.AnswerResult(GetParam().resultXml);
    CWSClient client;
    EXPECT_EQ(client.TestConnection(), GetParam().passes);
    const test::SoapRequest seen = server.LastRequest();
    EXPECT_EQ(seen.operation, "Log");
    const std::vector<std::pair<std::string, std::string>> expected = {{"Severity", "0"},
                                                                       {"Message", "Plugin test"}};
    EXPECT_EQ(seen.parameters, expected);
}

std::string LogData(const std::string& data) {
    return OkResult("<LogData>" + data + "</LogData>");
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConnectionTest,
    ::testing::Values(ConnectionCase{"DebugTagThenText", LogData("[DEBUG] Plugin test"), true},
                      ConnectionCase{"TextAtTheStart", LogData("Plugin test [DEBUG]"), false},
                      ConnectionCase{"DebugAtTheStart", LogData("DEBUG Plugin test"), false},
                      ConnectionCase{"OtherLevel", LogData("[INFO] Plugin test"), false},
                      ConnectionCase{"WithError", LogData("[DEBUG] Plugin test error"), false},
                      ConnectionCase{"WithERROR", LogData("[DEBUG] ERROR Plugin test"), false},
                      ConnectionCase{"Encoded", LogData("[DEBUG]%20Plugin%20test"), true},
                      ConnectionCase{"Refused",
                                     "<ErrorCode>2</ErrorCode><Error>[DEBUG] Plugin test</Error>",
                                     false}),
    [](const ::testing::TestParamInfo<ConnectionCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(WSClientTest, ConnectionTestFailsWithoutService) {
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service",
                                 "http://127.0.0.1:" + std::to_string(test::RefusingPort())));
    CWSClient client;
    EXPECT_FALSE(client.TestConnection());
    EXPECT_EQ(client.LogMessage(0, "Plugin test").rfind("Unknown error:\n", 0), 0u);
}

}  // namespace
}  // namespace lumar
