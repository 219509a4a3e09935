// The workflow driven over HTTP with raw SOAP requests: the service on a free
// loopback port with a temporary database seeded with the demo data.

#include <gtest/gtest.h>

#include "fixtures/service/reference_service.h"
#include "lumar-service/demo_seed.h"
#include "lumar-service/password.h"
#include "soap_test_client.h"

namespace lumar::service_test {
namespace {

std::string Id(std::int32_t id) {
    return std::to_string(id);
}

class ServiceFlow : public ::testing::Test {
protected:
    fixtures::ReferenceService service;
    SoapTestClient soap{service.port()};

    std::int32_t LogOn(std::string_view login) {
        for (const auto& user : service_app::kDemoUsers) {
            if (user.login == login) {
                return soap.Logon(user.login, user.password);
            }
        }
        return 0;
    }

    Answer Publication(std::string_view method, std::int32_t user, std::int32_t publication) {
        return soap.Call(method, {{"LogUser_ID", Id(user)}, {"Publication_ID", Id(publication)}});
    }

    Answer LastInfo(std::int32_t user, std::int32_t publication) {
        return soap.Call("PublicationLastInfoList", {{"LogUser_ID", Id(user)},
                                                     {"Publication_ID", Id(publication)},
                                                     {"Publication_status_ID", "0"},
                                                     {"Language_ID", "0"},
                                                     {"Binder_type_ID", "0"},
                                                     {"Printing_ID", "0"},
                                                     {"Administrator_ID", "0"},
                                                     {"Update_user_ID", "0"},
                                                     {"Update_status_ID", "0"},
                                                     {"Merge_status_ID", "0"}});
    }

    std::string Field(const Answer& list, std::string_view field) {
        const auto values = list.Column("PublicationLastInfoRecord", field);
        return values.empty() ? "<none>" : values.front();
    }

    Answer InsertBinder(std::int32_t user, std::int32_t publication, std::int32_t binder,
                        std::string file, bool publicationUpdate = false) {
        return soap.Call("BinderDocInsert",
                         {{"LogUser_ID", Id(user)},
                          {"Publication_ID", Id(publication)},
                          {"Binder_number", Id(binder)},
                          {"Page_count", "4"},
                          {"Doc_file", std::move(file)},
                          {"Annotation_data", "p1\r\np2\r\np3\r\np4\r\n"},
                          {"Pdf_version", "1.3"},
                          {"Pdf_font_error_count", "0"},
                          {"Pdf_OK", "1"},
                          {"Publication_update", publicationUpdate ? "1" : "0"}});
    }
};

TEST_F(ServiceFlow, LogonAnswersTheUserAndTheLookupListsFollow) {
    const Answer logon = soap.Call(
        "Logon", {{"Login", "editor"}, {"Password", service_app::ScramblePassword("editor3")}});
    ASSERT_TRUE(logon.Ok()) << logon.body;
    EXPECT_EQ(logon.Item("Result Name"), "Eddie Editor");
    EXPECT_EQ(logon.Long("Result Authorisation_ID"), 3);
    EXPECT_EQ(logon.Long("Result Administrator_ID"), 1);
    EXPECT_EQ(logon.Item("Result UserDescription"), "Eddie Editor (Editor)");
    const std::int32_t user = logon.Long("Result User_ID");

    for (const char* list :
         {"PublicationStatusList", "LanguageList", "BinderTypeList", "PrintingList"}) {
        const Answer answer = soap.Call(list, {{"LogUser_ID", Id(user)}});
        EXPECT_TRUE(answer.Ok()) << list;
    }
    const Answer colours = soap.Call("ColourList", {{"LogUser_ID", Id(user)}, {"Colour_ID", "0"}});
    ASSERT_TRUE(colours.Ok());
    EXPECT_EQ(colours.RecordCount("ColourRecord"), 7);
    EXPECT_EQ(colours.Column("ColourRecord", "Name").at(1), "Yellow");
    EXPECT_EQ(colours.Column("ColourRecord", "B").at(1), "153");
    // The count item comes before the records, the record's last field last.
    EXPECT_EQ(colours.items.at(2).first, "Result ColourRecordCount");
    EXPECT_EQ(colours.items.back().first, "Result ColourRecords ColourRecord B");

    const Answer yellow = soap.Call("ColourList", {{"LogUser_ID", Id(user)}, {"Colour_ID", "2"}});
    EXPECT_EQ(yellow.Column("ColourRecord", "Name"), std::vector<std::string>{"Yellow"});

    ASSERT_TRUE(soap.Call("Logoff", {{"User_ID", Id(user)}}).Ok());
    EXPECT_EQ(soap.Call("LanguageList", {{"LogUser_ID", Id(user)}}).ErrorCode(), 10);
}

TEST_F(ServiceFlow, LogonRefusesWrongPasswordsAndUnknownUsers) {
    EXPECT_EQ(soap.Logon("editor", "editor4"), 0);
    EXPECT_EQ(soap.Logon("nobody", "editor3"), 0);
    EXPECT_EQ(soap.Logon("editor", ""), 0);
    // Logins ignore case, passwords do not.
    EXPECT_NE(soap.Logon("EDITOR", "editor3"), 0);
    EXPECT_EQ(soap.Logon("editor", "EDITOR3"), 0);
}

TEST_F(ServiceFlow, LogAnswersTheConnectionTestsText) {
    const Answer log = soap.Call("Log", {{"Severity", "0"}, {"Message", "Plugin test"}});
    ASSERT_TRUE(log.Ok());
    EXPECT_EQ(log.Item("Result LogData"), "[DEBUG] Plugin test");
    EXPECT_NE(service.log().find("client [DEBUG] Plugin test"), std::string::npos);
}

TEST_F(ServiceFlow, LockAddBindersUnlock) {
    const std::int32_t supervisor = LogOn("supervisor");
    const std::int32_t producer = LogOn("producer");
    const Answer created = soap.Call("PublicationInsert", {{"LogUser_ID", Id(supervisor)},
                                                           {"Publication_status_ID", "1"},
                                                           {"Language_ID", "1"},
                                                           {"NIMBA_code", "N1"},
                                                           {"Lumar_code", "L1"},
                                                           {"SAP_code", "S1"},
                                                           {"Abbreviation", "A"},
                                                           {"Description", "New"},
                                                           {"Remarks", ""},
                                                           {"Colour_print", "0"},
                                                           {"Tab_sheets", "1"},
                                                           {"Max_page_count_per_binder", "400"},
                                                           {"Binder_type_ID", "1"},
                                                           {"Printing_ID", "1"},
                                                           {"Administrator_ID", "1"}});
    ASSERT_TRUE(created.Ok()) << created.body;
    const std::int32_t id = created.Long("Result Publication_ID");

    ASSERT_TRUE(Publication("PublicationLock", producer, id).Ok());
    EXPECT_EQ(Field(LastInfo(producer, id), "Update_status_ID"), "3");
    ASSERT_TRUE(InsertBinder(producer, id, 2, "S1_2H001.pdf").Ok());
    ASSERT_TRUE(InsertBinder(producer, id, 3, "S1_3H001.pdf").Ok());
    // Binder 1 comes last and completes the load: locked for supplement work.
    ASSERT_TRUE(InsertBinder(producer, id, 1, "S1_1H001.pdf").Ok());
    Answer info = LastInfo(producer, id);
    EXPECT_EQ(Field(info, "Update_status_ID"), "2");
    EXPECT_EQ(Field(info, "Binder_count"), "3");
    EXPECT_EQ(Field(info, "Page_count"), "12");
    EXPECT_EQ(Field(info, "Update_user_Name"), "Petra Producer");

    ASSERT_TRUE(Publication("PublicationUnlock", producer, id).Ok());
    EXPECT_EQ(Field(LastInfo(producer, id), "Update_status_ID"), "1");
}

TEST_F(ServiceFlow, SupplementMergeMakesTheNextVersion) {
    const std::int32_t editor = LogOn("editor");
    const std::int32_t demo = 1;
    ASSERT_TRUE(Publication("PublicationLock", editor, demo).Ok());
    const Answer merged = Publication("PublicationMerge", editor, demo);
    ASSERT_TRUE(merged.Ok()) << merged.body;
    const std::int32_t next = merged.Long("Result Publication_ID");
    EXPECT_NE(next, demo);
    EXPECT_EQ(Field(LastInfo(editor, demo), "Update_status_ID"), "4");

    ASSERT_TRUE(InsertBinder(editor, next, 2, "Demo2H004.pdf").Ok());
    ASSERT_TRUE(InsertBinder(editor, next, 1, "Demo1H004.pdf").Ok());
    ASSERT_TRUE(InsertBinder(editor, next, 0, "").Ok());

    const Answer info = LastInfo(editor, demo);
    EXPECT_EQ(Field(info, "Publication_ID"), Id(next));
    EXPECT_EQ(Field(info, "Update_status_ID"), "2");
    EXPECT_EQ(Field(info, "Publication_ID_previous"), Id(demo));
    EXPECT_EQ(Field(info, "Supplement_number_done"), "4");
    EXPECT_EQ(Field(info, "Supplement_ID_next"), "0");
    EXPECT_EQ(Field(info, "Binder_count"), "2");
}

}  // namespace
}  // namespace lumar::service_test
