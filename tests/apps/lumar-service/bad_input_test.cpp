// Bad input over HTTP: every kind gets an error answer or a closed
// connection, nothing is stored from it, and the service keeps serving.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <pugixml.hpp>
#include <thread>

#include "demo/demo_data.h"
#include "fixtures/service/reference_service.h"
#include "lumar-service/operation_table.h"
#include "lumar-service/sqlite_db.h"
#include "protocol/operations.h"
#include "soap_test_client.h"

namespace lumar::service_test {
namespace {

using namespace std::chrono_literals;

std::string Id(std::int32_t id) {
    return std::to_string(id);
}

class BadInput : public ::testing::Test {
protected:
    static fixtures::ReferenceService::Options Limits() {
        fixtures::ReferenceService::Options options;
        options.server.maxBodyBytes = 64 * 1024;
        options.server.requestTimeout = 2s;
        return options;
    }

    // The service still answers a well-formed call.
    void ExpectStillServing() {
        const Answer log = soap.Call("Log", {{"Severity", "0"}, {"Message", "still there"}});
        EXPECT_TRUE(log.Ok()) << log.body;
    }

    std::int32_t LogOn(std::string_view login) {
        for (const auto& user : demo::kUsers) {
            if (user.login == login) {
                return soap.Logon(user.login, user.password);
            }
        }
        return 0;
    }

    std::int64_t Count(const char* table) {
        service_app::Statement count(service.db(), std::string("SELECT COUNT(*) FROM ") + table);
        count.Step();
        return count.Int(0);
    }

    fixtures::ReferenceService service{Limits()};
    SoapTestClient soap{service.port()};
};

TEST_F(BadInput, MalformedRequestsGetAFault) {
    const std::string action = SoapTestClient::Action("Log");
    const struct {
        const char* name;
        std::string body;
        const char* action;
    } cases[] = {
        {"empty body", "", action.c_str()},
        {"not XML", "GET / HTTP/1.0", action.c_str()},
        {"cut off", SoapTestClient::Envelope("Log", {{"Severity", "0"}}).substr(0, 90),
         action.c_str()},
        {"no envelope", "<Log/>", action.c_str()},
        {"no SOAPAction", SoapTestClient::Envelope("Log", {{"Severity", "0"}, {"Message", "x"}}),
         nullptr},
        {"SOAPAction of another method",
         SoapTestClient::Envelope("Log", {{"Severity", "0"}, {"Message", "x"}}),
         "\"http://orvane.example/WS/Lumar/2007/02/Logon\""},
    };
    for (const auto& c : cases) {
        const Answer answer = soap.Post(c.body, c.action);
        EXPECT_EQ(answer.httpStatus, 500) << c.name;
        EXPECT_TRUE(answer.soapFault) << c.name << ": " << answer.body;
    }
    ExpectStillServing();
}

TEST_F(BadInput, DocumentTypeDeclarationsAreRefusedNeverExpanded) {
    const std::int32_t editor = LogOn("editor");
    std::string body = SoapTestClient::Envelope("LanguageList", {{"LogUser_ID", Id(editor)}});
    body.insert(body.find("<soap:Envelope"),
                "<!DOCTYPE soap:Envelope [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaa\">"
                "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                "<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>");
    body.replace(body.find(">" + Id(editor) + "<"), Id(editor).size() + 2, ">&b;&xxe;<");
    const Answer answer = soap.Post(body, SoapTestClient::Action("LanguageList").c_str());
    EXPECT_EQ(answer.httpStatus, 500);
    EXPECT_TRUE(answer.soapFault);
    EXPECT_NE(answer.body.find("Document type declarations are not accepted"), std::string::npos);
    EXPECT_EQ(answer.body.find("root:"), std::string::npos);
    EXPECT_EQ(answer.body.find("aaaa"), std::string::npos);
    ExpectStillServing();
}

TEST_F(BadInput, BadParametersGetTheirErrorCodes) {
    const std::int32_t editor = LogOn("editor");
    const std::string user = Id(editor);
    const struct {
        const char* name;
        const char* method;
        Params params;
        int code;
    } cases[] = {
        {"unknown method", "PublicationExplode", {{"LogUser_ID", user}}, 3},
        {"method in another case",
         "publicationlock",
         {{"LogUser_ID", user}, {"Publication_ID", "1"}},
         3},
        {"missing parameter", "PublicationLock", {{"LogUser_ID", user}}, 4},
        {"missing LogUser_ID", "PublicationLock", {{"Publication_ID", "1"}}, 4},
        {"not a number", "PublicationLock", {{"LogUser_ID", user}, {"Publication_ID", "one"}}, 5},
        {"number with trailing text",
         "PublicationLock",
         {{"LogUser_ID", user}, {"Publication_ID", "1x"}},
         5},
        {"empty number", "PublicationLock", {{"LogUser_ID", user}, {"Publication_ID", ""}}, 5},
        {"beyond 32 bits",
         "PublicationLock",
         {{"LogUser_ID", user}, {"Publication_ID", "4294967297"}},
         5},
        {"negative identifier",
         "PublicationLock",
         {{"LogUser_ID", user}, {"Publication_ID", "-1"}},
         5},
        {"unknown parameter",
         "PublicationLock",
         {{"LogUser_ID", user}, {"Publication_ID", "1"}, {"Force", "1"}},
         5},
        {"flag that is no flag",
         "BinderDocList",
         {{"LogUser_ID", user},
          {"BinderDoc_ID", "0"},
          {"Publication_ID", "1"},
          {"Binder_number", "0"},
          {"Annotation_dataGet", "7"},
          {"User_ID", "0"}},
         5},
        {"NUL byte in a text", "Log", {{"Severity", "0"}, {"Message", "a%00b"}}, 5},
        {"binder number out of range",
         "BinderDocInsert",
         {{"LogUser_ID", user},
          {"Publication_ID", "1"},
          {"Binder_number", "36"},
          {"Page_count", "2"},
          {"Doc_file", "x.pdf"},
          {"Annotation_data", ""},
          {"Pdf_version", "1.3"},
          {"Pdf_font_error_count", "0"},
          {"Pdf_OK", "1"},
          {"Publication_update", "0"}},
         5},
    };
    for (const auto& c : cases) {
        Params params = c.params;
        std::string body = SoapTestClient::Envelope(c.method, params);
        if (std::string_view(c.name) == "NUL byte in a text") {
            // The test client would encode the percent sign; put %00 on the wire as is.
            body.replace(body.find("a%2500b"), 7, "a%00b");
        }
        const Answer answer = soap.Post(body, SoapTestClient::Action(c.method).c_str());
        EXPECT_EQ(answer.httpStatus, 200) << c.name;
        EXPECT_EQ(answer.ErrorCode(), c.code) << c.name << ": " << answer.body;
        EXPECT_FALSE(answer.Item("Result Error").empty()) << c.name;
    }
    ExpectStillServing();
}

TEST_F(BadInput, SqlMetacharactersAreStoredAsText) {
    const std::string nasty = "x'); DROP TABLE users; --\" OR \"1\"=\"1";
    const std::string nastyFile = "x'); DROP TABLE users; --.pdf";
    const std::int32_t supervisor = LogOn("supervisor");
    const std::string user = Id(supervisor);
    const std::int64_t users = Count("users");

    // Every text parameter of the operations that store texts.
    Params publication = {{"LogUser_ID", user},
                          {"Publication_status_ID", "1"},
                          {"Language_ID", "1"},
                          {"NIMBA_code", nasty.substr(0, 50)},
                          {"Lumar_code", nasty.substr(0, 50)},
                          {"SAP_code", nasty.substr(0, 50)},
                          {"Abbreviation", nasty.substr(0, 50)},
                          {"Description", nasty},
                          {"Remarks", nasty},
                          {"Colour_print", "1"},
                          {"Tab_sheets", "0"},
                          {"Max_page_count_per_binder", "10"},
                          {"Binder_type_ID", "1"},
                          {"Printing_ID", "1"},
                          {"Administrator_ID", "1"}};
    const Answer created = soap.Call("PublicationInsert", publication);
    ASSERT_TRUE(created.Ok()) << created.body;
    const std::string id = Id(created.Long("Result Publication_ID"));
    ASSERT_TRUE(soap.Call("PublicationLock", {{"LogUser_ID", user}, {"Publication_ID", id}}).Ok());
    auto document = [&](const char* idName, const std::string& idValue) {
        Params params = {{"LogUser_ID", user}};
        if (idName != nullptr) {
            params.emplace_back(idName, idValue);
        }
        return params;
    };
    Params binder = document(nullptr, "");
    const Params binderFields = {
        {"Publication_ID", id},        {"Binder_number", "1"},
        {"Page_count", "2"},           {"Doc_file", nastyFile},
        {"Annotation_data", nasty},    {"Pdf_version", nasty.substr(0, 32)},
        {"Pdf_font_error_count", "0"}, {"Pdf_OK", "1"},
        {"Publication_update", "0"}};
    binder.insert(binder.end(), binderFields.begin(), binderFields.end());
    const Answer binderDoc = soap.Call("BinderDocInsert", binder);
    ASSERT_TRUE(binderDoc.Ok()) << binderDoc.body;

    Params supplement = {{"LogUser_ID", user},
                         {"Publication_ID", id},
                         {"Supplement_number", "1"},
                         {"Page_count", "2"},
                         {"Doc_file", nastyFile},
                         {"Annotation_data", nasty},
                         {"Pdf_version", nasty.substr(0, 32)},
                         {"Pdf_font_error_count", "0"},
                         {"Pdf_OK", "1"}};
    const Answer supplementId = soap.Call("SupplementInsert", supplement);
    ASSERT_TRUE(supplementId.Ok()) << supplementId.body;
    const Answer merge =
        soap.Call("MergeInsert", {{"LogUser_ID", user},
                                  {"Publication_ID", id},
                                  {"Supplement_ID", Id(supplementId.Long("Result Supplement_ID"))},
                                  {"Merge_data", nasty},
                                  {"Merge_status_ID", "1"}});
    ASSERT_TRUE(merge.Ok()) << merge.body;
    EXPECT_FALSE(soap.Call("Logon", {{"Login", "' OR '1'='1"}, {"Password", "' OR '1'='1"}}).Ok());
    EXPECT_TRUE(soap.Call("Log", {{"Severity", "0"}, {"Message", nasty}}).Ok());

    // Everything is still there and reads back byte for byte.
    EXPECT_EQ(Count("users"), users);
    const Answer info = soap.Call("PublicationInfoList", {{"LogUser_ID", user},
                                                          {"Publication_ID", id},
                                                          {"Publication_status_ID", "0"},
                                                          {"Language_ID", "0"},
                                                          {"Binder_type_ID", "0"},
                                                          {"Printing_ID", "0"},
                                                          {"Administrator_ID", "0"},
                                                          {"Update_user_ID", "0"},
                                                          {"Update_status_ID", "0"},
                                                          {"Merge_status_ID", "0"}});
    for (const char* field : {"NIMBA_code", "Lumar_code", "SAP_code", "Abbreviation"}) {
        EXPECT_EQ(info.Column("PublicationInfoRecord", field),
                  std::vector<std::string>{nasty.substr(0, 50)})
            << field;
    }
    EXPECT_EQ(info.Column("PublicationInfoRecord", "Remarks"), std::vector<std::string>{nasty});
    const Answer docs = soap.Call("BinderDocList", {{"LogUser_ID", user},
                                                    {"BinderDoc_ID", "0"},
                                                    {"Publication_ID", id},
                                                    {"Binder_number", "0"},
                                                    {"Annotation_dataGet", "1"},
                                                    {"User_ID", "0"}});
    EXPECT_EQ(docs.Column("BinderDocRecord", "Doc_file"), std::vector<std::string>{nastyFile});
    EXPECT_EQ(docs.Column("BinderDocRecord", "Annotation_data"), std::vector<std::string>{nasty});
    const Answer merges = soap.Call("MergeList", {{"LogUser_ID", user},
                                                  {"Merge_ID", "0"},
                                                  {"Publication_ID", id},
                                                  {"Supplement_ID", "0"},
                                                  {"Merge_dataGet", "1"},
                                                  {"Merge_status_ID", "0"},
                                                  {"User_ID", "0"}});
    EXPECT_EQ(merges.Column("MergeRecord", "Merge_data"), std::vector<std::string>{nasty});
}

TEST_F(BadInput, OversizedBodyIsRefusedWith413) {
    const std::string big(100 * 1024, 'x');
    const Answer answer = soap.Call("Log", {{"Severity", "0"}, {"Message", big}});
    EXPECT_EQ(answer.httpStatus, 413);
    ExpectStillServing();
    // Answered by the HTTP layer, and still logged.
    EXPECT_NE(service.log().find("http=413"), std::string::npos) << service.log();
}

TEST_F(BadInput, OverlongTextsAreRefused) {
    const Answer answer =
        soap.Call("Log", {{"Severity", "0"}, {"Message", std::string(5000, 'm')}});
    EXPECT_EQ(answer.ErrorCode(), 5);
    const Answer login = soap.Call("Logon", {{"Login", std::string(51, 'l')}, {"Password", "x"}});
    EXPECT_EQ(login.ErrorCode(), 5);
}

int Connect(int port) {
    const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
    if (::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(sock);
        return -1;
    }
    return sock;
}

TEST_F(BadInput, SlowClientIsCutOffWhileOthersAreServed) {
    const std::int32_t editor = LogOn("editor");
    const int sock = Connect(service.port());
    ASSERT_GE(sock, 0);
    const std::string request =
        "POST /WS/Lumar/2007/02/ HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        "Content-Type: text/xml\r\nContent-Length: 100000\r\n\r\n<soap";
    // One byte a second, on a thread of its own; it stops when the server
    // closes the connection.
    auto trickle = std::async(std::launch::async, [&] {
        const auto start = std::chrono::steady_clock::now();
        for (char byte : request) {
            if (::send(sock, &byte, 1, MSG_NOSIGNAL) != 1) {
                break;
            }
            pollfd entry{sock, POLLIN, 0};
            if (::poll(&entry, 1, 1000) > 0) {
                char buffer[256];
                if (::recv(sock, buffer, sizeof buffer, 0) <= 0) {
                    break;
                }
            }
        }
        return std::chrono::steady_clock::now() - start;
    });

    // Meanwhile other clients are answered promptly.
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const Answer answer = soap.Call("LanguageList", {{"LogUser_ID", Id(editor)}});
        EXPECT_TRUE(answer.Ok());
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
        std::this_thread::sleep_for(200ms);
    }
    const auto lasted = trickle.get();
    ::close(sock);
    // The request deadline is 2 s; the trickle would have needed far longer.
    EXPECT_LT(lasted, 6s);
    EXPECT_GE(lasted, 1500ms);
    ExpectStillServing();
}

TEST_F(BadInput, WsdlDescribesEveryOperation) {
    httplib::Client client("127.0.0.1", service.port());
    const auto wsdl = client.Get("/WS/Lumar/2007/02/?wsdl");
    ASSERT_TRUE(wsdl);
    ASSERT_EQ(wsdl->status, 200);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(wsdl->body.c_str()));
    const pugi::xml_node portType = document.child("wsdl:definitions").child("wsdl:portType");
    std::vector<std::string> listed;
    for (pugi::xml_node operation : portType.children("wsdl:operation")) {
        EXPECT_NE(service_app::FindOperation(operation.attribute("name").value()), nullptr);
        listed.emplace_back(operation.attribute("name").value());
    }
    EXPECT_EQ(listed.size(), 31u);
    // Every declared operation, in declaration order, with its parameters in
    // sending order.
    std::vector<std::string> declared;
    for (const protocol::Operation& operation : protocol::kOperations) {
        declared.emplace_back(operation.method);
        const std::string request = "//*[local-name()='element'][@name='" +
                                    std::string(operation.method) +
                                    "']//*[local-name()='sequence']";
        const pugi::xpath_node sequence = document.select_node(request.c_str());
        ASSERT_TRUE(sequence) << operation.method;
        std::vector<std::string> params;
        for (pugi::xml_node element : sequence.node().children()) {
            params.emplace_back(element.attribute("name").value());
        }
        std::vector<std::string> declaredParams;
        for (const protocol::Item& param : operation.params) {
            declaredParams.emplace_back(param.name);
        }
        EXPECT_EQ(params, declaredParams) << operation.method;
    }
    EXPECT_EQ(listed, declared);
    // The request element of BinderDocInsert lists the parameters in sending order.
    const pugi::xpath_node insert = document.select_node(
        "//*[local-name()='element'][@name='BinderDocInsert']//*[local-name()='sequence']");
    ASSERT_TRUE(insert);
    std::vector<std::string> names;
    for (pugi::xml_node element : insert.node().children()) {
        names.emplace_back(element.attribute("name").value());
    }
    EXPECT_EQ(names.front(), "LogUser_ID");
    EXPECT_EQ(names.back(), "Publication_update");
    EXPECT_EQ(names.size(), 10u);
    EXPECT_NE(wsdl->body.find("soap:address location=\"http://127.0.0.1:" +
                              std::to_string(service.port()) + "/WS/Lumar/2007/02/\""),
              std::string::npos);

    const auto other = client.Get("/WS/Lumar/2007/02/");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->status, 404);
}

}  // namespace
}  // namespace lumar::service_test
