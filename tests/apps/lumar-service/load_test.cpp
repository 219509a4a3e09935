// Eight clients making 200 mixed calls each at the same time: every call is
// answered without error (no "database is locked"), and every record they
// inserted is there afterwards.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "fixtures/service/reference_service.h"
#include "lumar-service/accounts.h"
#include "lumar-service/sqlite_db.h"
#include "soap_test_client.h"

namespace lumar::service_test {
namespace {

constexpr int kClients = 8;
constexpr int kRounds = 20;  // ten calls each

std::string Id(std::int64_t id) {
    return std::to_string(id);
}

struct ClientOutcome {
    int calls = 0;
    std::vector<std::string> failures;
    std::vector<std::int32_t> publications;
};

// One round: a publication with two binders, a supplement and merge data,
// read back in between.
void Round(const SoapTestClient& soap, const std::string& user, int round, ClientOutcome& outcome) {
    auto call = [&](std::string_view method, const Params& params) {
        ++outcome.calls;
        Answer answer = soap.Call(method, params);
        if (!answer.Ok()) {
            outcome.failures.push_back(std::string(method) + ": " +
                                       std::to_string(answer.httpStatus) + " " +
                                       answer.Item("Result Error"));
        }
        return answer;
    };
    const Answer created = call("PublicationInsert", {{"LogUser_ID", user},
                                                      {"Publication_status_ID", "1"},
                                                      {"Language_ID", "2"},
                                                      {"NIMBA_code", "N"},
                                                      {"Lumar_code", "L"},
                                                      {"SAP_code", "LOAD" + user + "-" + Id(round)},
                                                      {"Abbreviation", "A"},
                                                      {"Description", "load"},
                                                      {"Remarks", ""},
                                                      {"Colour_print", "0"},
                                                      {"Tab_sheets", "0"},
                                                      {"Max_page_count_per_binder", "100"},
                                                      {"Binder_type_ID", "1"},
                                                      {"Printing_ID", "1"},
                                                      {"Administrator_ID", "1"}});
    const std::string id = Id(created.Long("Result Publication_ID"));
    outcome.publications.push_back(created.Long("Result Publication_ID"));
    call("PublicationLock", {{"LogUser_ID", user}, {"Publication_ID", id}});
    for (const char* binder : {"2", "1"}) {
        call("BinderDocInsert", {{"LogUser_ID", user},
                                 {"Publication_ID", id},
                                 {"Binder_number", binder},
                                 {"Page_count", "2"},
                                 {"Doc_file", "L" + id + "_" + binder + "H001.pdf"},
                                 {"Annotation_data", "a\r\nb\r\n"},
                                 {"Pdf_version", "1.3"},
                                 {"Pdf_font_error_count", "0"},
                                 {"Pdf_OK", "1"},
                                 {"Publication_update", "0"}});
    }
    const Answer supplement = call("SupplementInsert", {{"LogUser_ID", user},
                                                        {"Publication_ID", id},
                                                        {"Supplement_number", "2"},
                                                        {"Page_count", "2"},
                                                        {"Doc_file", "S" + id + ".pdf"},
                                                        {"Annotation_data", "s\r\nt\r\n"},
                                                        {"Pdf_version", "1.3"},
                                                        {"Pdf_font_error_count", "0"},
                                                        {"Pdf_OK", "1"}});
    const std::string supplementId = Id(supplement.Long("Result Supplement_ID"));
    const Answer merge = call("MergeInsert", {{"LogUser_ID", user},
                                              {"Publication_ID", id},
                                              {"Supplement_ID", supplementId},
                                              {"Merge_data", ""},
                                              {"Merge_status_ID", "1"}});
    call("MergeUpdate", {{"LogUser_ID", user},
                         {"Merge_ID", Id(merge.Long("Result Merge_ID"))},
                         {"Publication_ID", id},
                         {"Supplement_ID", supplementId},
                         {"Merge_data", "(1)binder\r\n(1,1,1)Replace\r\n"},
                         {"Merge_status_ID", "2"}});
    call("PublicationLastInfoList", {{"LogUser_ID", user},
                                     {"Publication_ID", "0"},
                                     {"Publication_status_ID", "0"},
                                     {"Language_ID", "0"},
                                     {"Binder_type_ID", "0"},
                                     {"Printing_ID", "0"},
                                     {"Administrator_ID", "0"},
                                     {"Update_user_ID", "0"},
                                     {"Update_status_ID", "0"},
                                     {"Merge_status_ID", "0"}});
    call("BinderDocList", {{"LogUser_ID", user},
                           {"BinderDoc_ID", "0"},
                           {"Publication_ID", id},
                           {"Binder_number", "0"},
                           {"Annotation_dataGet", "1"},
                           {"User_ID", "0"}});
    call("ColourList", {{"LogUser_ID", user}, {"Colour_ID", "0"}});
}

TEST(Load, EightClientsLoseNothing) {
    fixtures::ReferenceService service;
    std::vector<std::string> logins;
    for (int i = 0; i < kClients; ++i) {
        logins.push_back("load" + std::to_string(i));
        service_app::AddUser(service.db(), logins.back(), "Load " + logins.back(), "", 5, 1,
                             "pw" + logins.back(), 1000);
    }

    std::vector<ClientOutcome> outcomes(kClients);
    std::vector<std::thread> clients;
    for (int i = 0; i < kClients; ++i) {
        clients.emplace_back([&, i] {
            const SoapTestClient soap(service.port());
            const std::int32_t user = soap.Logon(logins[i], "pw" + logins[i]);
            if (user == 0) {
                outcomes[i].failures.push_back("Logon");
                return;
            }
            for (int round = 0; round < kRounds; ++round) {
                Round(soap, Id(user), round, outcomes[i]);
            }
        });
    }
    for (auto& client : clients) {
        client.join();
    }

    for (const ClientOutcome& outcome : outcomes) {
        EXPECT_EQ(outcome.calls, kRounds * 10);
        EXPECT_TRUE(outcome.failures.empty()) << outcome.failures.front();
    }
    EXPECT_EQ(service.log().find("database is"), std::string::npos);

    auto count = [&](const std::string& sql) {
        service_app::Statement query(service.db(), sql);
        query.Step();
        return query.Int(0);
    };
    EXPECT_EQ(count("SELECT COUNT(*) FROM publications WHERE SAP_code LIKE 'LOAD%'"),
              kClients * kRounds);
    for (const ClientOutcome& outcome : outcomes) {
        for (std::int32_t publication : outcome.publications) {
            const std::string id = Id(publication);
            EXPECT_EQ(count("SELECT COUNT(*) FROM binder_docs WHERE Publication_ID = " + id), 2);
            EXPECT_EQ(count("SELECT COUNT(*) FROM supplements WHERE Publication_ID = " + id), 1);
            EXPECT_EQ(count("SELECT COUNT(*) FROM merges WHERE Publication_ID = " + id +
                            " AND Merge_status_ID = 2"),
                      1);
            EXPECT_EQ(count("SELECT COUNT(*) FROM publications WHERE Publication_ID = " + id +
                            " AND Update_status_ID = 2 AND Supplement_ID_next <> 0 AND "
                            "Merge_ID_next <> 0"),
                      1);
        }
    }
}

}  // namespace
}  // namespace lumar::service_test
