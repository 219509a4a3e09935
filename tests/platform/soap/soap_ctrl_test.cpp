#include "platform/soap/soap_ctrl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <thread>

#include "platform/soap/soap_envelope.h"
#include "soap_test_server.h"

namespace lumar::soap {
namespace {

using test::SoapTestServer;

// Short limits keep the time-out cases quick.
TransportLimits QuickLimits() {
    TransportLimits limits;
    limits.connectTimeoutMs = 1000;
    limits.totalTimeoutMs = 800;
    limits.maxAnswerBytes = 64 * 1024;
    return limits;
}

void Configure(SoapCtrl& ctrl, const std::string& method = "ColourList") {
    ctrl.PutNamespace(std::string(kServiceNamespace));
    ctrl.PutMethodName(method);
    ctrl.PutTransportLimits(QuickLimits());
}

TEST(SoapCtrl, SendsTheCallAsTheWireFormatSays) {
    SoapTestServer server;
    server.AnswerResult(test::OkResult());
    SoapCtrl ctrl;
    Configure(ctrl, "PublicationLock");
    ctrl.AddParameter("LogUser_ID", "7");
    ctrl.AddParameter("Publication_ID", "12");
    // Values arrive encoded and are written as they stand, never escaped twice.
    ctrl.AddParameter("Remarks", "a &amp; b %0a");

    ASSERT_EQ(ctrl.Invoke(server.Url(), 0, 0), kStatusAnswered) << ctrl.GetStatusText();
    const test::SoapRequest seen = server.LastRequest();
    EXPECT_EQ(seen.httpMethod, "POST");
    EXPECT_EQ(seen.path, "/ws");
    EXPECT_EQ(seen.contentType, "text/xml; charset=utf-8");
    EXPECT_EQ(seen.soapAction, "\"http://orvane.example/WS/Lumar/2007/02/PublicationLock\"");
    ASSERT_TRUE(seen.wellFormed) << seen.body;
    EXPECT_EQ(seen.operation, "PublicationLock");
    EXPECT_EQ(seen.operationNamespace, kServiceNamespace);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"LogUser_ID", "7"}, {"Publication_ID", "12"}, {"Remarks", "a &amp; b %0a"}};
    EXPECT_EQ(seen.parameters, expected);
    EXPECT_EQ(ctrl.GetStatusText(), "OK");
}

TEST(SoapCtrl, ParametersAreConsumedByInvoke) {
    SoapTestServer server;
    server.AnswerResult(test::OkResult());
    SoapCtrl ctrl;
    Configure(ctrl);
    ctrl.AddParameter("LogUser_ID", "1");
    ASSERT_EQ(ctrl.Invoke(server.Url(), 0, 0), kStatusAnswered);
    ctrl.AddParameter("LogUser_ID", "2");
    ASSERT_EQ(ctrl.Invoke(server.Url(), 0, 0), kStatusAnswered);
    const std::vector<std::pair<std::string, std::string>> second = {{"LogUser_ID", "2"}};
    EXPECT_EQ(server.LastRequest().parameters, second);
}

TEST(SoapCtrl, ResultItemsAreLeavesInDocumentOrder) {
    SoapTestServer server;
    server.AnswerResult(
        "<ErrorCode>0</ErrorCode><Error/>"
        "<ColourRecordCount>2</ColourRecordCount>"
        "<ColourRecords>\n  <ColourRecord><Colour_ID>1</Colour_ID><Name> </Name></ColourRecord>\n"
        "  <ColourRecord><Colour_ID>2</Colour_ID><Name><![CDATA[a<b]]>&amp;c</Name>"
        "</ColourRecord>\n</ColourRecords>");
    SoapCtrl ctrl;
    Configure(ctrl);
    ASSERT_EQ(ctrl.Invoke(server.Url(), 0, 0), kStatusAnswered) << ctrl.GetStatusText();

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Result ErrorCode", "0"},
        {"Result Error", ""},
        {"Result ColourRecordCount", "2"},
        {"Result ColourRecords ColourRecord Colour_ID", "1"},
        {"Result ColourRecords ColourRecord Name", " "},
        {"Result ColourRecords ColourRecord Colour_ID", "2"},
        {"Result ColourRecords ColourRecord Name", "a<b&c"},
    };
    ASSERT_EQ(ctrl.GetResultCount(), static_cast<long>(expected.size()));
    for (long i = 0; i < ctrl.GetResultCount(); ++i) {
        EXPECT_EQ(ctrl.GetResultName(i), expected[i].first) << i;
        EXPECT_EQ(ctrl.GetResultValue(i), expected[i].second) << i;
    }
    EXPECT_EQ(ctrl.GetResultName(-1), "");
    EXPECT_EQ(ctrl.GetResultValue(7), "");
    EXPECT_EQ(ctrl.GetValue("Result ErrorCode"), "0");
    EXPECT_EQ(ctrl.GetValue("Result ColourRecords ColourRecord Colour_ID"), "1");
    EXPECT_EQ(ctrl.GetValue("Result Missing"), "");
}

TEST(SoapCtrl, TextsArriveAsWindows1252) {
    SoapTestServer server;
    server.Handle([](const httplib::Request&, httplib::Response& response) {
        response.status = 500;
        response.set_content(
            "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
            "<soap:Fault><faultcode>soap:Server</faultcode>"
            "<faultstring>Gr\xC3\xB6\xC3\x9F"
            "e \xE2\x82\xAC</faultstring></soap:Fault>"
            "</soap:Body></soap:Envelope>",
            "text/xml; charset=utf-8");
    });
    SoapCtrl ctrl;
    Configure(ctrl);
    EXPECT_EQ(ctrl.Invoke(server.Url(), 0, 0), kStatusServerFault);
    EXPECT_EQ(ctrl.GetStatusText(),
              "Gr\xF6\xDF"
              "e \x80");
}

// One row per way a call can end: what the server does, the status, and a
// part of the status text that tells the user what happened.
struct StatusCase {
    const char* name;
    std::function<void(SoapTestServer&)> arrange;
    long status;
    const char* textPart;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.name;
}

void Answer(SoapTestServer& server, int status, std::string body,
            std::string contentType = "text/xml; charset=utf-8") {
    server.Handle([=](const httplib::Request&, httplib::Response& response) {
        response.status = status;
        response.set_content(body, contentType.c_str());
    });
}

const char* const kFault =
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
    "<soap:Fault><faultcode>soap:Client</faultcode><faultstring>Unknown method "
    "Colourlist</faultstring></soap:Fault></soap:Body></soap:Envelope>";

std::string Bomb() {
    return "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
           "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
           "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">]>" +
           test::SoapAnswer("ColourList", "<ErrorCode>0</ErrorCode><Error>&lol3;</Error>")
               .substr(38);
}

std::string ExternalEntity() {
    return "<?xml version=\"1.0\"?><!DOCTYPE e [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>" +
           test::SoapAnswer("ColourList", "<ErrorCode>0</ErrorCode><Error>&x;</Error>").substr(38);
}

// Many leaves below a long chain of long names: small on the wire, but their
// paths together would take gigabytes.
std::string PathBomb() {
    const std::string name(100, 'n');
    std::string open;
    std::string close;
    for (int i = 0; i < 150; ++i) {
        open += "<" + name + ">";
        close = "</" + name + ">" + close;
    }
    std::string leaves;
    for (int i = 0; i < 6000; ++i) {
        leaves += "<b/>";
    }
    return test::SoapAnswer("ColourList", open + leaves + close);
}

void Redirect(SoapTestServer& server, const std::string& location) {
    server.Handle([location](const httplib::Request&, httplib::Response& response) {
        response.status = 302;
        response.set_header("Location", location);
    });
}

void Trickle(SoapTestServer& server) {
    server.Handle([&server](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "text/xml", [&server](size_t, httplib::DataSink& sink) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                return !server.Stopping() && sink.write(" ", 1);
            });
    });
}

class SoapCtrlStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(SoapCtrlStatus, GivesStatusAndReadableText) {
    const StatusCase& c = GetParam();
    SoapTestServer server;
    c.arrange(server);
    SoapCtrl ctrl;
    Configure(ctrl);
    ctrl.AddParameter("LogUser_ID", "1");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(ctrl.Invoke(server.Url(), 0, 0), c.status) << ctrl.GetStatusText();
    EXPECT_NE(ctrl.GetStatusText().find(c.textPart), std::string::npos) << ctrl.GetStatusText();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    if (c.status != kStatusAnswered) {
        EXPECT_EQ(ctrl.GetResultCount(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SoapCtrlStatus,
    testing::Values(
        StatusCase{"Answered",
                   [](SoapTestServer& s) {
                       Answer(s, 200, test::SoapAnswer("ColourList", test::OkResult()));
                   },
                   kStatusAnswered, "OK"},
        StatusCase{"NotFound", [](SoapTestServer& s) { Answer(s, 404, "<html>gone</html>"); },
                   kStatusHttpError, "HTTP 404 Not Found"},
        StatusCase{
            "HtmlErrorPage",
            [](SoapTestServer& s) { Answer(s, 403, "<!DOCTYPE html><html></html>", "text/html"); },
            kStatusHttpError, "HTTP 403 Forbidden"},
        StatusCase{"ServerErrorWithFault", [](SoapTestServer& s) { Answer(s, 500, kFault); },
                   kStatusServerFault, "Unknown method Colourlist"},
        StatusCase{"ServerErrorWithoutFault",
                   [](SoapTestServer& s) { Answer(s, 500, "oops", "text/plain"); },
                   kStatusServerFault, "HTTP 500 Internal Server Error"},
        StatusCase{"BadRequestWithFault", [](SoapTestServer& s) { Answer(s, 400, kFault); },
                   kStatusServerFault, "Unknown method Colourlist"},
        StatusCase{"FaultWithOk", [](SoapTestServer& s) { Answer(s, 200, kFault); },
                   kStatusServerFault, "Unknown method Colourlist"},
        StatusCase{"Malformed", [](SoapTestServer& s) { Answer(s, 200, "<a><b></a>"); },
                   kStatusTransportFailure, "is not well-formed XML"},
        StatusCase{"Truncated",
                   [](SoapTestServer& s) {
                       const std::string whole = test::SoapAnswer("ColourList", test::OkResult());
                       Answer(s, 200, whole.substr(0, whole.size() / 2));
                   },
                   kStatusTransportFailure, "is not well-formed XML"},
        StatusCase{"Empty", [](SoapTestServer& s) { Answer(s, 200, ""); }, kStatusTransportFailure,
                   "is empty"},
        StatusCase{"NotSoap", [](SoapTestServer& s) { Answer(s, 200, "<html><body/></html>"); },
                   kStatusTransportFailure, "is not a SOAP envelope"},
        StatusCase{"NoResult",
                   [](SoapTestServer& s) {
                       Answer(s, 200,
                              test::SoapAnswer("ColourList", "")
                                  .replace(test::SoapAnswer("ColourList", "").find("<Result>"), 17,
                                           ""));
                   },
                   kStatusTransportFailure, "holds no Result element"},
        StatusCase{"OverLimitWithLength",
                   [](SoapTestServer& s) {
                       Answer(s, 200,
                              test::SoapAnswer(
                                  "ColourList",
                                  test::OkResult("<X>" + std::string(70000, 'x') + "</X>")));
                   },
                   kStatusTransportFailure, "larger than the limit of 65536 bytes"},
        StatusCase{"OverLimitChunked",
                   [](SoapTestServer& s) {
                       s.Handle([](const httplib::Request&, httplib::Response& response) {
                           response.set_chunked_content_provider(
                               "text/xml", [](size_t, httplib::DataSink& sink) {
                                   const std::string block(8192, ' ');
                                   return sink.write(block.data(), block.size());
                               });
                       });
                   },
                   kStatusTransportFailure, "larger than the limit"},
        StatusCase{"Multipart",
                   [](SoapTestServer& s) {
                       Answer(s, 200, "--b\r\n\r\n--b--", "multipart/related; boundary=b");
                   },
                   kStatusDime, "multipart/related"},
        StatusCase{"Dime",
                   [](SoapTestServer& s) { Answer(s, 200, "\x08\x00", "application/dime"); },
                   kStatusDime, "not supported"},
        StatusCase{"EntityBomb", [](SoapTestServer& s) { Answer(s, 200, Bomb()); },
                   kStatusTransportFailure, "document type declaration"},
        StatusCase{"ExternalEntity", [](SoapTestServer& s) { Answer(s, 200, ExternalEntity()); },
                   kStatusTransportFailure, "document type declaration"},
        StatusCase{"PathBomb", [](SoapTestServer& s) { Answer(s, 200, PathBomb()); },
                   kStatusTransportFailure, "nests its elements too deeply"},
        StatusCase{"RedirectToFile", [](SoapTestServer& s) { Redirect(s, "file:///etc/passwd"); },
                   kStatusTransportFailure, "file"},
        StatusCase{"RedirectToFtp",
                   [](SoapTestServer& s) { Redirect(s, "ftp://127.0.0.1/answer.xml"); },
                   kStatusTransportFailure, "ftp"},
        StatusCase{"Trickle", Trickle, kStatusTransportFailure, "timed out"}),
    [](const testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST(SoapCtrl, FollowsRedirectsWithinHttpKeepingThePost) {
    SoapTestServer server;
    server.Handle([](const httplib::Request& request, httplib::Response& response) {
        if (request.path == "/ws") {
            response.status = 302;
            response.set_header("Location", "/moved");
            return;
        }
        response.set_content(test::SoapAnswer("ColourList", test::OkResult()), "text/xml");
    });
    SoapCtrl ctrl;
    Configure(ctrl);
    ctrl.AddParameter("LogUser_ID", "5");
    ASSERT_EQ(ctrl.Invoke(server.Url(), 0, 0), kStatusAnswered) << ctrl.GetStatusText();
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].path, "/moved");
    EXPECT_EQ(requests[1].httpMethod, "POST");
    EXPECT_EQ(requests[1].body, requests[0].body);
}

TEST(SoapCtrl, RefusedConnectionNamesTheAddress) {
    SoapCtrl ctrl;
    Configure(ctrl);
    const std::string url = "http://127.0.0.1:" + std::to_string(test::RefusingPort()) + "/ws";
    EXPECT_EQ(ctrl.Invoke(url, 0, 0), kStatusTransportFailure);
    EXPECT_NE(ctrl.GetStatusText().find("Could not complete the request to " + url),
              std::string::npos)
        << ctrl.GetStatusText();
    EXPECT_NE(ctrl.GetStatusText().find("Failed to connect"), std::string::npos)
        << ctrl.GetStatusText();
}

TEST(SoapCtrl, ServerThatNeverAnswersTimesOut) {
    test::SilentListener silent;
    SoapCtrl ctrl;
    Configure(ctrl);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(ctrl.Invoke(silent.Url(), 0, 0), kStatusTransportFailure);
    EXPECT_NE(ctrl.GetStatusText().find("timed out"), std::string::npos) << ctrl.GetStatusText();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
}

struct IncompleteCase {
    const char* method;
    const char* uri;
    long useProxy;
    const char* text;
};

class SoapCtrlIncomplete : public testing::TestWithParam<IncompleteCase> {};

TEST_P(SoapCtrlIncomplete, SendsNothing) {
    const IncompleteCase& c = GetParam();
    SoapCtrl ctrl(
        [](const HttpPost&) -> HttpReply { throw std::logic_error("nothing may be sent"); });
    ctrl.PutMethodName(c.method);
    EXPECT_EQ(ctrl.Invoke(c.uri, 0, c.useProxy), kStatusIncomplete);
    EXPECT_EQ(ctrl.GetStatusText(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SoapCtrlIncomplete,
    testing::Values(IncompleteCase{"", "http://127.0.0.1:1/ws", 0, "The request names no method"},
                    IncompleteCase{"Log", "", 0, "The request has no service URI"},
                    IncompleteCase{"Log", "http://127.0.0.1:1/ws", 1,
                                   "A proxy is to be used, but no proxy server is set"}));

}  // namespace
}  // namespace lumar::soap
