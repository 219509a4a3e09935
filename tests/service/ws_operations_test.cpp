#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "protocol/operations.h"
#include "service/ws_client.h"
#include "ws_client_fixture.h"

namespace lumar {
namespace {

using test::OkResult;
using test::WSClientTest;
using Params = std::vector<std::pair<std::string, std::string>>;
// Values as they travel (percent-encoded, then XML-escaped), in the order of
// the declared parameters, result items or record fields they belong to.
using Values = std::vector<std::string>;

const protocol::Operation& Declared(std::string_view method) {
    const protocol::Operation* operation = protocol::FindOperation(method);
    if (operation == nullptr) {
        throw std::invalid_argument("no declared operation " + std::string(method));
    }
    return *operation;
}

// "<name>value</name>" for every declared item and its value.
std::string Elements(std::span<const protocol::Item> items, const Values& values) {
    EXPECT_EQ(items.size(), values.size());
    std::string xml;
    for (std::size_t i = 0; i < items.size() && i < values.size(); ++i) {
        const std::string name(items[i].name);
        xml += "<" + name + ">";
        xml += values[i];
        xml += "</" + name + ">";
    }
    return xml;
}

// The result items of an operation that answers items.
std::string ItemAnswer(std::string_view method, const Values& values) {
    return Elements(Declared(method).items, values);
}

// The count and the records of a list operation, each record's values in
// field order.
std::string ListAnswer(std::string_view method, const std::vector<Values>& records) {
    const protocol::Record& record = *Declared(method).record;
    const std::string name(record.name);
    std::string xml = "<" + protocol::CountElement(record) + ">" + std::to_string(records.size()) +
                      "</" + protocol::CountElement(record) + "><" + protocol::ListElement(record) +
                      ">";
    for (const Values& values : records) {
        xml += "<" + name + ">";
        xml += Elements(record.fields, values);
        xml += "</" + name + ">";
    }
    return xml + "</" + protocol::ListElement(record) + ">";
}

// One row per operation: the request it sends (the values of the declared
// parameters, encoded as they arrive at the server), the answer, and a check
// of what the operation read from it.
struct OperationCase {
    const char* method;
    std::function<bool(CWSClient&, std::string& failure)> call;
    Values sent;
    std::string answerFields;
};

void PrintTo(const OperationCase& c, std::ostream* os) {
    *os << c.method;
}

class OperationTest : public WSClientTest, public ::testing::WithParamInterface<OperationCase> {};

TEST_P(OperationTest, SendsItsParametersAndReadsItsResult) {
    const OperationCase& c = GetParam();
    server.AnswerResult(OkResult(c.answerFields));
    CWSClient client;
    std::string failure;
    EXPECT_TRUE(c.call(client, failure)) << failure;
    EXPECT_EQ(failure, "");

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const test::SoapRequest& seen = requests[0];
    EXPECT_EQ(seen.httpMethod, "POST");
    EXPECT_EQ(seen.soapAction,
              std::string("\"http://orvane.example/WS/Lumar/2007/02/") + c.method + "\"");
    ASSERT_TRUE(seen.wellFormed) << seen.body;
    EXPECT_EQ(seen.operation, c.method);
    EXPECT_EQ(seen.operationNamespace, "http://orvane.example/WS/Lumar/2007/02/");
    const std::span<const protocol::Item> declared = Declared(c.method).params;
    ASSERT_EQ(c.sent.size(), declared.size());
    Params expected;
    for (std::size_t i = 0; i < declared.size(); ++i) {
        expected.emplace_back(declared[i].name, c.sent[i]);
    }
    EXPECT_EQ(seen.parameters, expected);
}

// Runs an identifier operation and checks the identifier it read.
template <typename Request>
std::function<bool(CWSClient&, std::string&)> IdCall(bool (CWSClient::*operation)(const Request&,
                                                                                  WSIdResult&),
                                                     Request request, std::int32_t expectedId) {
    return [=](CWSClient& client, std::string& failure) {
        WSIdResult result;
        const bool ok = (client.*operation)(request, result);
        failure = result.Message;
        EXPECT_EQ(result.Id, expectedId);
        EXPECT_EQ(result.ErrorCode, 0);
        return ok;
    };
}

template <typename Request, typename Record>
std::function<bool(CWSClient&, std::string&)> ListCall(
    bool (CWSClient::*operation)(const Request&, WSListResult<Record>&), Request request,
    std::function<void(const WSListResult<Record>&)> check) {
    return [=](CWSClient& client, std::string& failure) {
        WSListResult<Record> result;
        const bool ok = (client.*operation)(request, result);
        failure = result.Message;
        check(result);
        return ok;
    };
}

PublicationRequest Publication() {
    PublicationRequest r;
    r.LogUser_ID = 7;
    r.Publication_ID = 4711;
    return r;
}

Values PublicationValues() {
    return {"7", "4711"};
}
Values PublicationId() {
    return {"4711"};
}

template <typename Request>
Request PublicationFields(Request r) {
    r.LogUser_ID = 7;
    r.Publication_status_ID = 2;
    r.Language_ID = 3;
    r.NIMBA_code = "N-1";
    r.Lumar_code = "L&1";
    r.SAP_code = "SAP<1>";
    r.Abbreviation = "'ab'";
    r.Description = "\"Tax\" law\nvolume 2";
    r.Remarks = "100% caf\xE9";
    r.Colour_print = true;
    r.Tab_sheets = false;
    r.Max_page_count_per_binder = 800;
    r.Binder_type_ID = 4;
    r.Printing_ID = 5;
    r.Administrator_ID = 6;
    return r;
}

// The fourteen publication fields as they arrive: percent-encoded, then
// XML-escaped, bools as 1 and 0.
Values PublicationFieldValues() {
    return {
        "2",                               // Publication_status_ID
        "3",                               // Language_ID
        "N-1",                             // NIMBA_code
        "L&amp;1",                         // Lumar_code
        "SAP&lt;1&gt;",                    // SAP_code
        "&apos;ab&apos;",                  // Abbreviation
        "&quot;Tax&quot; law%0avolume 2",  // Description
        "100%25 caf%e9",                   // Remarks
        "1",                               // Colour_print
        "0",                               // Tab_sheets
        "800",                             // Max_page_count_per_binder
        "4",                               // Binder_type_ID
        "5",                               // Printing_ID
        "6",                               // Administrator_ID
    };
}

Values Concat(Values head, const Values& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

PublicationInfoListRequest PublicationFilter() {
    PublicationInfoListRequest r;
    r.LogUser_ID = 7;
    r.Publication_ID = 1;
    r.Publication_status_ID = 2;
    r.Language_ID = 3;
    r.Binder_type_ID = 4;
    r.Printing_ID = 5;
    r.Administrator_ID = 6;
    r.Update_user_ID = 8;
    r.Update_status_ID = 9;
    r.Merge_status_ID = 10;
    return r;
}

Values PublicationFilterValues() {
    return {"7", "1", "2", "3", "4", "5", "6", "8", "9", "10"};
}

// One complete publication record, every field with its own value; `id`
// distinguishes records.
Values PublicationInfoValues(const std::string& id) {
    return {id,                    // Publication_ID
            "2",                   // Publication_status_ID
            "Released",            // Publication_status_Name
            "3",                   // Language_ID
            "Deutsch",             // Language_Name
            "NIM",                 // NIMBA_code
            "LUM",                 // Lumar_code
            "SAP9",                // SAP_code
            "ABB",                 // Abbreviation
            "Tax%20law%0aII",      // Description
            "R%e9m",               // Remarks
            "1",                   // Colour_print
            "2",                   // Tab_sheets
            "800",                 // Max_page_count_per_binder
            "12",                  // Binder_count
            "11",                  // Binder_count_OK
            "9000",                // Page_count
            "4",                   // Binder_type_ID
            "Ring",                // Binder_type_Name
            "5",                   // Printing_ID
            "Offset",              // Printing_Name
            "6",                   // Administrator_ID
            "Ann",                 // Administrator_Name
            "Max",                 // Administrator_Manager
            "8",                   // Update_user_ID
            "Udo",                 // Update_user_Name
            "1",                   // Update_status_ID
            "released",            // Update_status_Name
            "621356004000000000",  // Update_status_DT_Ticks
            "0",                   // Create_DT_Ticks
            "30",                  // Publication_ID_previous
            "31",                  // Supplement_ID_done
            "32",                  // Supplement_number_done
            "33",                  // Merge_ID_done
            "34",                  // Publication_ID_next
            "35",                  // Supplement_ID_next
            "36",                  // Supplement_number_next
            "37",                  // Merge_ID_next
            "38",                  // Merge_status_ID
            "open"};               // Merge_status_Name
}

std::string PublicationList(std::string_view method) {
    return ListAnswer(method, {PublicationInfoValues("100"), PublicationInfoValues("101")});
}

void CheckPublicationInfo(const PublicationInfoRecord& r, std::int32_t id) {
    EXPECT_EQ(r.Publication_ID, id);
    EXPECT_EQ(r.Publication_status_ID, 2);
    EXPECT_EQ(r.Publication_status_Name, "Released");
    EXPECT_EQ(r.Language_ID, 3);
    EXPECT_EQ(r.Language_Name, "Deutsch");
    EXPECT_EQ(r.NIMBA_code, "NIM");
    EXPECT_EQ(r.Lumar_code, "LUM");
    EXPECT_EQ(r.SAP_code, "SAP9");
    EXPECT_EQ(r.Abbreviation, "ABB");
    EXPECT_EQ(r.Description, "Tax law\nII");
    EXPECT_EQ(r.Remarks, "R\xE9m");
    EXPECT_TRUE(r.Colour_print);
    EXPECT_TRUE(r.Tab_sheets);
    EXPECT_EQ(r.Max_page_count_per_binder, 800);
    EXPECT_EQ(r.Binder_count, 12);
    EXPECT_EQ(r.Binder_count_OK, 11);
    EXPECT_EQ(r.Page_count, 9000);
    EXPECT_EQ(r.Binder_type_ID, 4);
    EXPECT_EQ(r.Binder_type_Name, "Ring");
    EXPECT_EQ(r.Printing_ID, 5);
    EXPECT_EQ(r.Printing_Name, "Offset");
    EXPECT_EQ(r.Administrator_ID, 6);
    EXPECT_EQ(r.Administrator_Name, "Ann");
    EXPECT_EQ(r.Administrator_Manager, "Max");
    EXPECT_EQ(r.Update_user_ID, 8);
    EXPECT_EQ(r.Update_user_Name, "Udo");
    EXPECT_EQ(r.Update_status_ID, 1);
    EXPECT_EQ(r.Update_status_Name, "released");
    EXPECT_TRUE(r.Update_status_DT.Valid);
    EXPECT_FALSE(r.Create_DT.Valid);
    EXPECT_EQ(r.Publication_ID_previous, 30);
    EXPECT_EQ(r.Supplement_ID_done, 31);
    EXPECT_EQ(r.Supplement_number_done, 32);
    EXPECT_EQ(r.Merge_ID_done, 33);
    EXPECT_EQ(r.Publication_ID_next, 34);
    EXPECT_EQ(r.Supplement_ID_next, 35);
    EXPECT_EQ(r.Supplement_number_next, 36);
    EXPECT_EQ(r.Merge_ID_next, 37);
    EXPECT_EQ(r.Merge_status_ID, 38);
    EXPECT_EQ(r.Merge_status_Name, "open");
}

template <typename Record>
void CheckPublicationList(const WSListResult<Record>& result) {
    ASSERT_EQ(result.Count, 2);
    ASSERT_EQ(result.Records.size(), 2u);
    CheckPublicationInfo(result.Records[0], 100);
    CheckPublicationInfo(result.Records[1], 101);
}

// Two records of binder documents or supplements: identifiers 21 and 22.
std::string DocumentRecords(std::string_view method) {
    std::vector<Values> records;
    for (const char* id : {"21", "22"}) {
        records.push_back(
            {id, "4711", "3", "120", "abc3H007.pdf", "[[p1]]%0a[[p2]]", "1.3", "1", "1", "9"});
    }
    return ListAnswer(method, records);
}

template <typename Record>
void CheckDocument(const Record& r) {
    EXPECT_EQ(r.Publication_ID, 4711);
    EXPECT_EQ(r.Page_count, 120);
    EXPECT_EQ(r.Doc_file, "abc3H007.pdf");
    EXPECT_EQ(r.Annotation_data, "[[p1]]\n[[p2]]");
    EXPECT_EQ(r.Pdf_version, "1.3");
    EXPECT_EQ(r.Pdf_font_error_count, 1);
    EXPECT_TRUE(r.Pdf_OK);
    EXPECT_EQ(r.User_ID, 9);
}

template <typename Request>
Request DocumentFields(Request r) {
    r.LogUser_ID = 7;
    r.Publication_ID = 4711;
    r.Page_count = 120;
    r.Doc_file = "abc3H007.pdf";
    r.Annotation_data = "[[TABSHEET]]\r\n<p>";
    r.Pdf_version = "1.3";
    r.Pdf_font_error_count = 2;
    r.Pdf_OK = true;
    return r;
}

// Page_count to Pdf_OK as they arrive.
Values DocumentFieldValues() {
    return {"120", "abc3H007.pdf", "[[TABSHEET]]%0d%0a&lt;p&gt;", "1.3", "2", "1"};
}

template <typename Request>
Request Binder(Request r) {
    r = DocumentFields(r);
    r.Binder_number = 3;
    return r;
}

template <typename Request>
Request Supplement(Request r) {
    r = DocumentFields(r);
    r.Supplement_number = 3;
    return r;
}

std::string Lookup(std::string_view method) {
    return ListAnswer(method, {{"1", "First"}, {"2", "Zw%f6lf"}});
}

template <typename Record, typename Id>
std::function<void(const WSListResult<Record>&)> CheckLookup(Id Record::*id) {
    return [id](const WSListResult<Record>& result) {
        ASSERT_EQ(result.Count, 2);
        ASSERT_EQ(result.Records.size(), 2u);
        EXPECT_EQ(result.Records[0].*id, 1);
        EXPECT_EQ(result.Records[0].Name, "First");
        EXPECT_EQ(result.Records[1].*id, 2);
        EXPECT_EQ(result.Records[1].Name, "Zw\xF6lf");
    };
}

LookupListRequest LookupRequest() {
    LookupListRequest r;
    r.LogUser_ID = 7;
    return r;
}

std::vector<OperationCase> Operations() {
    std::vector<OperationCase> cases;

    LogonRequest logon;
    logon.Login = " jdoe";
    logon.Password = ";<=&";
    cases.push_back({"Logon",
                     [logon](CWSClient& client, std::string& failure) {
                         LogonResult result;
                         const bool ok = client.Logon(logon, result);
                         failure = result.Message;
                         EXPECT_EQ(result.User_ID, 7);
                         EXPECT_EQ(result.Name, "jdoe");
                         EXPECT_EQ(result.Authorisation_ID, 4);
                         EXPECT_EQ(result.Administrator_ID, 2);
                         EXPECT_EQ(result.UserDescription,
                                   "John D\xF6"
                                   "e");
                         return ok;
                     },
                     {" jdoe", ";&lt;=&amp;"},
                     ItemAnswer("Logon", {"7", "jdoe", "4", "2", "John D%f6e"})});

    LogoffRequest logoff;
    logoff.User_ID = 7;
    cases.push_back(
        {"Logoff", IdCall(&CWSClient::Logoff, logoff, 7), {"7"}, ItemAnswer("Logoff", {"7"})});

    LogRequest log;
    log.Severity = 2;
    log.Message = "Plugin test";
    cases.push_back({"Log",
                     [log](CWSClient& client, std::string& failure) {
                         LogResult result;
                         const bool ok = client.Log(log, result);
                         failure = result.Message;
                         EXPECT_EQ(result.LogData, "[DEBUG] Plugin test");
                         return ok;
                     },
                     {"2", "Plugin test"},
                     ItemAnswer("Log", {"[DEBUG] Plugin test"})});

    cases.push_back(
        {"PublicationInsert",
         IdCall(&CWSClient::PublicationInsert, PublicationFields(PublicationInsertRequest{}), 4711),
         Concat({"7"}, PublicationFieldValues()),
         ItemAnswer("PublicationInsert", PublicationId())});
    PublicationUpdateRequest update = PublicationFields(PublicationUpdateRequest{});
    update.Publication_ID = 4711;
    cases.push_back({"PublicationUpdate", IdCall(&CWSClient::PublicationUpdate, update, 4711),
                     Concat(PublicationValues(), PublicationFieldValues()),
                     ItemAnswer("PublicationUpdate", PublicationId())});

    const std::pair<const char*, bool (CWSClient::*)(const PublicationRequest&, WSIdResult&)>
        publicationCalls[] = {
            {"PublicationReset", &CWSClient::PublicationReset},
            {"PublicationDelete", &CWSClient::PublicationDelete},
            {"PublicationLock", &CWSClient::PublicationLock},
            {"PublicationUnlock", &CWSClient::PublicationUnlock},
            {"PublicationMerge", &CWSClient::PublicationMerge},
            {"PublicationRevert", &CWSClient::PublicationRevert},
        };
    for (const auto& [method, operation] : publicationCalls) {
        cases.push_back({method, IdCall(operation, Publication(), 4711), PublicationValues(),
                         ItemAnswer(method, PublicationId())});
    }

    cases.push_back({"PublicationInfoList",
                     ListCall(&CWSClient::PublicationInfoList, PublicationFilter(),
                              std::function<void(const WSListResult<PublicationInfoRecord>&)>(
                                  CheckPublicationList<PublicationInfoRecord>)),
                     PublicationFilterValues(), PublicationList("PublicationInfoList")});
    cases.push_back({"PublicationLastInfoList",
                     ListCall(&CWSClient::PublicationLastInfoList, PublicationFilter(),
                              std::function<void(const WSListResult<PublicationLastInfoRecord>&)>(
                                  CheckPublicationList<PublicationLastInfoRecord>)),
                     PublicationFilterValues(), PublicationList("PublicationLastInfoList")});

    BinderDocInsertRequest binderInsert = Binder(BinderDocInsertRequest{});
    binderInsert.Publication_update = true;
    cases.push_back({"BinderDocInsert", IdCall(&CWSClient::BinderDocInsert, binderInsert, 21),
                     Concat(Concat({"7", "4711", "3"}, DocumentFieldValues()), {"1"}),
                     ItemAnswer("BinderDocInsert", {"21"})});
    BinderDocUpdateRequest binderUpdate = Binder(BinderDocUpdateRequest{});
    binderUpdate.BinderDoc_ID = 21;
    cases.push_back({"BinderDocUpdate", IdCall(&CWSClient::BinderDocUpdate, binderUpdate, 21),
                     Concat({"7", "21", "4711", "3"}, DocumentFieldValues()),
                     ItemAnswer("BinderDocUpdate", {"21"})});
    cases.push_back({"BinderDocDelete",
                     IdCall(&CWSClient::BinderDocDelete, BinderDocDeleteRequest{7, 21}, 21),
                     {"7", "21"},
                     ItemAnswer("BinderDocDelete", {"21"})});
    cases.push_back({"BinderDocList",
                     ListCall(&CWSClient::BinderDocList, BinderDocListRequest{7, 21, 4711, 3, 1, 9},
                              std::function<void(const WSListResult<BinderDocRecord>&)>(
                                  [](const WSListResult<BinderDocRecord>& result) {
                                      ASSERT_EQ(result.Count, 2);
                                      ASSERT_EQ(result.Records.size(), 2u);
                                      EXPECT_EQ(result.Records[0].BinderDoc_ID, 21);
                                      EXPECT_EQ(result.Records[1].BinderDoc_ID, 22);
                                      EXPECT_EQ(result.Records[1].Binder_number, 3);
                                      CheckDocument(result.Records[1]);
                                  })),
                     {"7", "21", "4711", "3", "1", "9"},
                     DocumentRecords("BinderDocList")});

    cases.push_back(
        {"SupplementInsert",
         IdCall(&CWSClient::SupplementInsert, Supplement(SupplementInsertRequest{}), 31),
         Concat({"7", "4711", "3"}, DocumentFieldValues()),
         ItemAnswer("SupplementInsert", {"31"})});
    SupplementUpdateRequest supplementUpdate = Supplement(SupplementUpdateRequest{});
    supplementUpdate.Supplement_ID = 31;
    cases.push_back({"SupplementUpdate", IdCall(&CWSClient::SupplementUpdate, supplementUpdate, 31),
                     Concat({"7", "31", "4711", "3"}, DocumentFieldValues()),
                     ItemAnswer("SupplementUpdate", {"31"})});
    cases.push_back({"SupplementDelete",
                     IdCall(&CWSClient::SupplementDelete, SupplementDeleteRequest{7, 31}, 31),
                     {"7", "31"},
                     ItemAnswer("SupplementDelete", {"31"})});
    cases.push_back(
        {"SupplementList",
         ListCall(&CWSClient::SupplementList, SupplementListRequest{7, 31, 4711, 3, 0, 9},
                  std::function<void(const WSListResult<SupplementRecord>&)>(
                      [](const WSListResult<SupplementRecord>& result) {
                          ASSERT_EQ(result.Count, 2);
                          ASSERT_EQ(result.Records.size(), 2u);
                          EXPECT_EQ(result.Records[0].Supplement_ID, 21);
                          EXPECT_EQ(result.Records[1].Supplement_ID, 22);
                          EXPECT_EQ(result.Records[1].Supplement_number, 3);
                          CheckDocument(result.Records[1]);
                      })),
         {"7", "31", "4711", "3", "0", "9"},
         DocumentRecords("SupplementList")});

    cases.push_back(
        {"MergeInsert",
         IdCall(&CWSClient::MergeInsert, MergeInsertRequest{7, 4711, 31, "REPLACE 1 2\n", 1}, 41),
         {"7", "4711", "31", "REPLACE 1 2%0a", "1"},
         ItemAnswer("MergeInsert", {"41"})});
    cases.push_back({"MergeUpdate",
                     IdCall(&CWSClient::MergeUpdate,
                            MergeUpdateRequest{7, 41, 4711, 31, "INSERT 3 <4>", 2}, 41),
                     {"7", "41", "4711", "31", "INSERT 3 &lt;4&gt;", "2"},
                     ItemAnswer("MergeUpdate", {"41"})});
    cases.push_back({"MergeDelete",
                     IdCall(&CWSClient::MergeDelete, MergeDeleteRequest{7, 41}, 41),
                     {"7", "41"},
                     ItemAnswer("MergeDelete", {"41"})});
    cases.push_back({"MergeList",
                     ListCall(&CWSClient::MergeList, MergeListRequest{7, 41, 4711, 31, 1, 2, 9},
                              std::function<void(const WSListResult<MergeRecord>&)>(
                                  [](const WSListResult<MergeRecord>& result) {
                                      ASSERT_EQ(result.Count, 1);
                                      ASSERT_EQ(result.Records.size(), 1u);
                                      const MergeRecord& r = result.Records[0];
                                      EXPECT_EQ(r.Merge_ID, 41);
                                      EXPECT_EQ(r.Publication_ID, 4711);
                                      EXPECT_EQ(r.Supplement_ID, 31);
                                      EXPECT_EQ(r.Merge_data, "REPLACE 1 2\n");
                                      EXPECT_EQ(r.Merge_status_ID, 2);
                                      EXPECT_EQ(r.User_ID, 9);
                                      EXPECT_TRUE(r.Create_DT.Valid);
                                      EXPECT_GE(r.Create_DT.Year, 2024);
                                  })),
                     {"7", "41", "4711", "31", "1", "2", "9"},
                     ListAnswer("MergeList", {{"41", "4711", "31", "REPLACE 1 2%0a", "2", "9",
                                               "638448104960000000"}})});

    cases.push_back(
        {"UserInfoList",
         ListCall(&CWSClient::UserInfoList, UserInfoListRequest{7, 8, 4, 2},
                  std::function<void(const WSListResult<UserInfoRecord>&)>(
                      [](const WSListResult<UserInfoRecord>& result) {
                          ASSERT_EQ(result.Count, 1);
                          ASSERT_EQ(result.Records.size(), 1u);
                          const UserInfoRecord& r = result.Records[0];
                          EXPECT_EQ(r.User_ID, 8);
                          EXPECT_EQ(r.Name, "anna");
                          EXPECT_EQ(r.Authorisation_ID, 4);
                          EXPECT_EQ(r.Authorisation_Name, "Editor");
                          EXPECT_EQ(r.Administrator_ID, 2);
                          EXPECT_EQ(r.Administrator_Name, "Bob");
                          EXPECT_EQ(r.Administrator_Manager, "Carla");
                      })),
         {"7", "8", "4", "2"},
         ListAnswer("UserInfoList", {{"8", "anna", "4", "Editor", "2", "Bob", "Carla"}})});

    cases.push_back({"PublicationStatusList",
                     ListCall(&CWSClient::PublicationStatusList, LookupRequest(),
                              CheckLookup(&PublicationStatusRecord::Publication_status_ID)),
                     {"7"},
                     Lookup("PublicationStatusList")});
    cases.push_back({"LanguageList",
                     ListCall(&CWSClient::LanguageList, LookupRequest(),
                              CheckLookup(&LanguageRecord::Language_ID)),
                     {"7"},
                     Lookup("LanguageList")});
    cases.push_back({"BinderTypeList",
                     ListCall(&CWSClient::BinderTypeList, LookupRequest(),
                              CheckLookup(&BinderTypeRecord::Binder_type_ID)),
                     {"7"},
                     Lookup("BinderTypeList")});
    cases.push_back({"PrintingList",
                     ListCall(&CWSClient::PrintingList, LookupRequest(),
                              CheckLookup(&PrintingRecord::Printing_ID)),
                     {"7"},
                     Lookup("PrintingList")});
    cases.push_back({"ColourList",
                     ListCall(&CWSClient::ColourList, ColourListRequest{7, 0},
                              std::function<void(const WSListResult<ColourRecord>&)>(
                                  [](const WSListResult<ColourRecord>& result) {
                                      ASSERT_EQ(result.Count, 1);
                                      ASSERT_EQ(result.Records.size(), 1u);
                                      const ColourRecord& r = result.Records[0];
                                      EXPECT_EQ(r.Colour_ID, 5);
                                      EXPECT_EQ(r.Name, "Yellow");
                                      // Components are kept as sent, without clamping.
                                      EXPECT_EQ(r.R, 300);
                                      EXPECT_EQ(r.G, 255);
                                      EXPECT_EQ(r.B, -5);
                                  })),
                     {"7", "0"},
                     ListAnswer("ColourList", {{"5", "Yellow", "300", "255", "-5"}})});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(All, OperationTest, ::testing::ValuesIn(Operations()),
                         [](const ::testing::TestParamInfo<OperationCase>& info) {
                             return std::string(info.param.method);
                         });

TEST(Operations, EveryDeclaredOperationIsCovered) {
    std::set<std::string> covered;
    for (const OperationCase& c : Operations()) {
        EXPECT_TRUE(covered.insert(c.method).second) << c.method << " twice";
    }
    std::set<std::string> declared;
    for (const protocol::Operation& operation : protocol::kOperations) {
        declared.insert(std::string(operation.method));
    }
    EXPECT_EQ(covered, declared);
    EXPECT_EQ(declared.size(), 31u);
}

// The list cases, on "ColourList": how the count item and the records
// together decide what the caller gets.
struct ListCase {
    const char* name;
    std::string items;
    bool succeeds;
    std::int32_t count;
    std::size_t records;
    std::string message;
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Colour(int id, const char* name = "c") {
    return "<ColourRecord><Colour_ID>" + std::to_string(id) + "</Colour_ID><Name>" + name +
           "</Name><R>1</R><G>2</G><B>3</B></ColourRecord>";
}

std::string Count(const char* value) {
    return std::string("<ColourRecordCount>") + value + "</ColourRecordCount>";
}

std::string Records(const std::string& records) {
    return "<ColourRecords>" + records + "</ColourRecords>";
}

class ListTest : public WSClientTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListTest, CountAndRecordsAgree) {
    const ListCase& c = GetParam();
    server.AnswerResult(OkResult(c.items));
    CWSClient client;
    WSListResult<ColourRecord> result;
    EXPECT_EQ(client.ColourList({}, result), c.succeeds);
    EXPECT_EQ(result.Count, c.count);
    EXPECT_EQ(result.Records.size(), c.records);
    EXPECT_EQ(result.Message, c.message);
    EXPECT_EQ(result.ErrorCode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListTest,
    ::testing::Values(
        ListCase{"CountBeforeRecords", Count("2") + Records(Colour(1) + Colour(2)), true, 2, 2, ""},
        ListCase{"ZeroCountNoRecords", Count("0"), true, 0, 0, ""},
        ListCase{"EmptyRecords", Count("0") + "<ColourRecords/>", true, 0, 0, ""},
        ListCase{"UnknownItemsIgnored",
                 "<Extra>1</Extra>" + Count("1") + Records(Colour(1)) + "<More/>", true, 1, 1, ""},
        ListCase{"ExtraRecord", Count("2") + Records(Colour(1) + Colour(2) + Colour(3)), false, 0,
                 0, "List Error:\nIncorrect number of items (3 != 2)"},
        ListCase{"MissingRecord", Count("2") + Records(Colour(1)), false, 0, 0,
                 "List Error:\nIncorrect number of items (1 != 2)"},
        // Records before their count lose their values: the caller must not
        // take them for the service's data.
        ListCase{"CountAfterRecords", Records(Colour(1) + Colour(2)) + Count("2"), false, 0, 0,
                 "List Error:\nIncorrect number of items (0 != 2)"},
        ListCase{"NegativeCount", Count("-1"), false, 0, 0,
                 "List Error:\nIncorrect number of items (0 != -1)"},
        ListCase{"ZeroCountWithRecords", Count("0") + Records(Colour(1)), false, 0, 0,
                 "List Error:\nIncorrect number of items (1 != 0)"},
        ListCase{"RecordLacksAField",
                 Count("2") + Records("<ColourRecord><Colour_ID>1</Colour_ID><R>1</R><G>2</G>"
                                      "<B>3</B></ColourRecord>" +
                                      Colour(2)),
                 false, 0, 0, "List Error:\nIncorrect number of items (0 != 2)"},
        // A huge count does not make the client allocate for it.
        ListCase{"HugeCount", Count("2147483647") + Records(Colour(1)), false, 0, 0,
                 "List Error:\nIncorrect number of items (1 != 2147483647)"},
        // A Result Error item on success still reaches the message.
        ListCase{"ErrorTextOnSuccess", Count("1") + Records(Colour(1)) + "<Error>note</Error>",
                 true, 1, 1, ":\nnote"}),
    [](const ::testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

TEST_F(WSClientTest, NonzeroErrorCodeItemFailsTheOperation) {
    // The first ErrorCode passes the send step; a later one is read as an item.
    server.AnswerResult(OkResult("<Publication_ID>9</Publication_ID>") +
                        "<ErrorCode>4</ErrorCode><Error>second thoughts</Error>");
    CWSClient client;
    WSIdResult result;
    EXPECT_FALSE(client.PublicationLock(Publication(), result));
    EXPECT_EQ(result.ErrorCode, 4);
    EXPECT_EQ(result.Id, 9);
    EXPECT_EQ(result.Message, ":\nsecond thoughts");
}

TEST_F(WSClientTest, FailedSendLeavesTheResultAlone) {
    server.AnswerResult(
        "<ErrorCode>12</ErrorCode><Error>no</Error><ColourRecordCount>1"
        "</ColourRecordCount>");
    CWSClient client;
    WSListResult<ColourRecord> result;
    result.Count = 3;
    EXPECT_FALSE(client.ColourList({}, result));
    EXPECT_EQ(result.Count, 3);
    EXPECT_EQ(result.ErrorCode, 0);
}

}  // namespace
}  // namespace lumar
