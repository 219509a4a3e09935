// The workflow driven over HTTP with raw SOAP requests: the service on a free
// loopback port with a temporary database seeded with the demo data.

#include <gtest/gtest.h>

#include "demo/demo_data.h"
#include "fixtures/service/reference_service.h"
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
        for (const auto& user : demo::kUsers) {
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

    // A new publication of administrator 1, released, without binders.
    std::int32_t CreatePublication(std::int32_t supervisor) {
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
        EXPECT_TRUE(created.Ok()) << created.body;
        return created.Long("Result Publication_ID");
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
    ASSERT_TRUE(InsertBinder(editor, next, 3, "Demo3H004.pdf").Ok());
    ASSERT_TRUE(InsertBinder(editor, next, 1, "Demo1H004.pdf").Ok());
    ASSERT_TRUE(InsertBinder(editor, next, 0, "").Ok());

    const Answer info = LastInfo(editor, demo);
    EXPECT_EQ(Field(info, "Publication_ID"), Id(next));
    EXPECT_EQ(Field(info, "Update_status_ID"), "2");
    EXPECT_EQ(Field(info, "Publication_ID_previous"), Id(demo));
    EXPECT_EQ(Field(info, "Supplement_number_done"), "4");
    EXPECT_EQ(Field(info, "Supplement_ID_next"), "0");
    EXPECT_EQ(Field(info, "Binder_count"), "3");
}

TEST_F(ServiceFlow, FailedMergeIsRevertedToThePreviousVersion) {
    const std::int32_t editor = LogOn("editor");
    const std::int32_t demo = 1;
    ASSERT_TRUE(Publication("PublicationLock", editor, demo).Ok());
    const std::int32_t next =
        Publication("PublicationMerge", editor, demo).Long("Result Publication_ID");
    ASSERT_TRUE(InsertBinder(editor, next, 2, "Demo2H004.pdf").Ok());

    // The editor's failure path: binder 1 and binder 0 with empty fields (their
    // answers are ignored), then the revert.
    EXPECT_FALSE(InsertBinder(editor, next, 1, "").Ok());
    EXPECT_EQ(InsertBinder(editor, next, 0, "").ErrorCode(), 21);  // binder 1 is missing
    const Answer reverted = Publication("PublicationRevert", editor, next);
    ASSERT_TRUE(reverted.Ok()) << reverted.body;
    EXPECT_EQ(reverted.Long("Result Publication_ID"), demo);

    const Answer info = LastInfo(editor, demo);
    EXPECT_EQ(Field(info, "Publication_ID"), Id(demo));
    EXPECT_EQ(Field(info, "Update_status_ID"), "2");
    EXPECT_EQ(Field(info, "Update_user_ID"), Id(editor));
    EXPECT_EQ(Field(info, "Publication_ID_next"), "0");
    EXPECT_EQ(Field(info, "Supplement_ID_next"), "1");
    EXPECT_EQ(Field(info, "Merge_ID_next"), "1");
    EXPECT_EQ(Field(info, "Merge_status_ID"), "2");
    // The half-built version and its binder are gone.
    EXPECT_EQ(soap.Call("BinderDocList", {{"LogUser_ID", Id(editor)},
                                          {"BinderDoc_ID", "0"},
                                          {"Publication_ID", Id(next)},
                                          {"Binder_number", "0"},
                                          {"Annotation_dataGet", "0"},
                                          {"User_ID", "0"}})
                  .ErrorCode(),
              20);
    // The merge can run again.
    EXPECT_TRUE(Publication("PublicationMerge", editor, demo).Ok());
}

TEST_F(ServiceFlow, FinishedMergeIsRevertedByAProducer) {
    const std::int32_t editor = LogOn("editor");
    const std::int32_t producer = LogOn("producer");
    const std::int32_t demo = 1;
    ASSERT_TRUE(Publication("PublicationLock", editor, demo).Ok());
    const std::int32_t next =
        Publication("PublicationMerge", editor, demo).Long("Result Publication_ID");
    ASSERT_TRUE(InsertBinder(editor, next, 2, "Demo2H004.pdf").Ok());
    ASSERT_TRUE(InsertBinder(editor, next, 3, "Demo3H004.pdf").Ok());
    ASSERT_TRUE(InsertBinder(editor, next, 1, "Demo1H004.pdf").Ok());
    ASSERT_TRUE(InsertBinder(editor, next, 0, "").Ok());

    // An editor may not revert a finished merge; a producer who locks it may.
    EXPECT_EQ(Publication("PublicationRevert", editor, next).ErrorCode(), 12);
    ASSERT_TRUE(Publication("PublicationUnlock", editor, next).Ok());
    ASSERT_TRUE(Publication("PublicationLock", producer, next).Ok());
    const Answer reverted = Publication("PublicationRevert", producer, next);
    ASSERT_TRUE(reverted.Ok()) << reverted.body;
    EXPECT_EQ(reverted.Long("Result Publication_ID"), demo);
    const Answer info = LastInfo(producer, demo);
    EXPECT_EQ(Field(info, "Update_user_ID"), Id(producer));
    EXPECT_EQ(Field(info, "Binder_count"), "3");
    EXPECT_EQ(Field(info, "Merge_status_Name"), "Ready");
}

TEST_F(ServiceFlow, SupplementAndMergeDataLifeCycle) {
    const std::int32_t editor = LogOn("editor");
    const std::int32_t demo = 1;
    ASSERT_TRUE(Publication("PublicationLock", editor, demo).Ok());
    const Params merge = {{"LogUser_ID", Id(editor)}, {"Merge_ID", "1"}};
    // The supplement cannot change while merge data exist.
    const Params discard = {{"LogUser_ID", Id(editor)}, {"Supplement_ID", "1"}};
    EXPECT_EQ(soap.Call("SupplementDelete", discard).ErrorCode(), 21);
    ASSERT_TRUE(soap.Call("MergeDelete", merge).Ok());
    ASSERT_TRUE(soap.Call("SupplementDelete", discard).Ok());
    Answer info = LastInfo(editor, demo);
    EXPECT_EQ(Field(info, "Supplement_ID_next"), "0");
    EXPECT_EQ(Field(info, "Merge_ID_next"), "0");

    const Answer added = soap.Call("SupplementInsert", {{"LogUser_ID", Id(editor)},
                                                        {"Publication_ID", Id(demo)},
                                                        {"Supplement_number", "5"},
                                                        {"Page_count", "2"},
                                                        {"Doc_file", "DemoS005.pdf"},
                                                        {"Annotation_data", "a\r\nb\r\n"},
                                                        {"Pdf_version", "1.3"},
                                                        {"Pdf_font_error_count", "0"},
                                                        {"Pdf_OK", "1"}});
    ASSERT_TRUE(added.Ok()) << added.body;
    const std::string supplement = Id(added.Long("Result Supplement_ID"));
    ASSERT_TRUE(soap.Call("SupplementUpdate", {{"LogUser_ID", Id(editor)},
                                               {"Supplement_ID", supplement},
                                               {"Publication_ID", Id(demo)},
                                               {"Supplement_number", "5"},
                                               {"Page_count", "4"},
                                               {"Doc_file", "DemoS005b.pdf"},
                                               {"Annotation_data", "1\r\n2\r\n3\r\n4\r\n"},
                                               {"Pdf_version", "1.4"},
                                               {"Pdf_font_error_count", "1"},
                                               {"Pdf_OK", "0"}})
                    .Ok());
    const Answer data = soap.Call("MergeInsert", {{"LogUser_ID", Id(editor)},
                                                  {"Publication_ID", Id(demo)},
                                                  {"Supplement_ID", supplement},
                                                  {"Merge_data", "(1)binder\r\n"},
                                                  {"Merge_status_ID", "1"}});
    ASSERT_TRUE(data.Ok()) << data.body;
    const std::string mergeId = Id(data.Long("Result Merge_ID"));
    ASSERT_TRUE(soap.Call("MergeUpdate", {{"LogUser_ID", Id(editor)},
                                          {"Merge_ID", mergeId},
                                          {"Publication_ID", Id(demo)},
                                          {"Supplement_ID", supplement},
                                          {"Merge_data", "(1)binder\r\n(1,1,1)Replace\r\n"},
                                          {"Merge_status_ID", "2"}})
                    .Ok());

    info = LastInfo(editor, demo);
    EXPECT_EQ(Field(info, "Supplement_ID_next"), supplement);
    EXPECT_EQ(Field(info, "Supplement_number_next"), "5");
    EXPECT_EQ(Field(info, "Merge_ID_next"), mergeId);
    EXPECT_EQ(Field(info, "Merge_status_ID"), "2");

    const Answer list = soap.Call("MergeList", {{"LogUser_ID", Id(editor)},
                                                {"Merge_ID", mergeId},
                                                {"Publication_ID", "0"},
                                                {"Supplement_ID", "0"},
                                                {"Merge_dataGet", "1"},
                                                {"Merge_status_ID", "0"},
                                                {"User_ID", "0"}});
    EXPECT_EQ(list.Column("MergeRecord", "Merge_data"),
              std::vector<std::string>{"(1)binder\r\n(1,1,1)Replace\r\n"});
    const Answer supplements = soap.Call("SupplementList", {{"LogUser_ID", Id(editor)},
                                                            {"Supplement_ID", supplement},
                                                            {"Publication_ID", "0"},
                                                            {"Supplement_number", "0"},
                                                            {"Annotation_dataGet", "1"},
                                                            {"User_ID", "0"}});
    EXPECT_EQ(supplements.Column("SupplementRecord", "Doc_file"),
              std::vector<std::string>{"DemoS005b.pdf"});
    EXPECT_EQ(supplements.Column("SupplementRecord", "Annotation_data"),
              std::vector<std::string>{"1\r\n2\r\n3\r\n4\r\n"});
}

TEST_F(ServiceFlow, ListsFilterAndSendTextsOnlyWhenAsked) {
    const std::int32_t editor = LogOn("editor");
    auto binders = [&](std::string_view binder, std::string_view withText) {
        return soap.Call("BinderDocList", {{"LogUser_ID", Id(editor)},
                                           {"BinderDoc_ID", "0"},
                                           {"Publication_ID", "1"},
                                           {"Binder_number", std::string(binder)},
                                           {"Annotation_dataGet", std::string(withText)},
                                           {"User_ID", "0"}});
    };
    const Answer all = binders("0", "0");
    EXPECT_EQ(all.Column("BinderDocRecord", "Doc_file"),
              (std::vector<std::string>{"Demo1H003.pdf", "Demo2H003.pdf", "Demo3H003.pdf"}));
    EXPECT_EQ(all.Column("BinderDocRecord", "Annotation_data"),
              (std::vector<std::string>{"", "", ""}));
    const Answer second = binders("2", "1");
    ASSERT_EQ(second.RecordCount("BinderDocRecord"), 1);
    EXPECT_EQ(second.Column("BinderDocRecord", "Annotation_data").at(0).substr(0, 22),
              "Demo binder 2 page 1 <");

    auto lastInfo = [&](const Params& filters) {
        Params params = {{"LogUser_ID", Id(editor)},     {"Publication_ID", "0"},
                         {"Publication_status_ID", "0"}, {"Language_ID", "0"},
                         {"Binder_type_ID", "0"},        {"Printing_ID", "0"},
                         {"Administrator_ID", "1"},      {"Update_user_ID", "0"},
                         {"Update_status_ID", "0"},      {"Merge_status_ID", "0"}};
        for (const auto& [name, value] : filters) {
            for (auto& param : params) {
                if (param.first == name) {
                    param.second = value;
                }
            }
        }
        return soap.Call("PublicationLastInfoList", params)
            .RecordCount("PublicationLastInfoRecord");
    };
    EXPECT_EQ(lastInfo({}), 1);
    EXPECT_EQ(lastInfo({{"Language_ID", "2"}}), 1);
    EXPECT_EQ(lastInfo({{"Language_ID", "1"}}), 0);
    EXPECT_EQ(lastInfo({{"Printing_ID", "2"}, {"Binder_type_ID", "1"}}), 1);
    EXPECT_EQ(lastInfo({{"Update_status_ID", "2"}}), 0);
    EXPECT_EQ(lastInfo({{"Merge_status_ID", "2"}}), 1);
    EXPECT_EQ(lastInfo({{"Publication_status_ID", "3"}}), 0);

    // Every version in PublicationInfoList, the newest only in the last-info list.
    ASSERT_TRUE(Publication("PublicationLock", editor, 1).Ok());
    const std::int32_t next =
        Publication("PublicationMerge", editor, 1).Long("Result Publication_ID");
    Params filters = {{"LogUser_ID", Id(editor)},     {"Publication_ID", "0"},
                      {"Publication_status_ID", "0"}, {"Language_ID", "0"},
                      {"Binder_type_ID", "0"},        {"Printing_ID", "0"},
                      {"Administrator_ID", "0"},      {"Update_user_ID", "0"},
                      {"Update_status_ID", "0"},      {"Merge_status_ID", "0"}};
    EXPECT_EQ(
        soap.Call("PublicationInfoList", filters).Column("PublicationInfoRecord", "Publication_ID"),
        (std::vector<std::string>{"1", Id(next)}));
    EXPECT_EQ(soap.Call("PublicationLastInfoList", filters)
                  .Column("PublicationLastInfoRecord", "Publication_ID"),
              std::vector<std::string>{Id(next)});
}

TEST_F(ServiceFlow, UnknownIdentifiersAreRefused) {
    const std::int32_t editor = LogOn("editor");
    const std::int32_t supervisor = LogOn("supervisor");
    const struct {
        const char* method;
        Params params;
    } cases[] = {
        {"PublicationLock", {{"LogUser_ID", Id(editor)}, {"Publication_ID", "999"}}},
        {"PublicationRevert", {{"LogUser_ID", Id(editor)}, {"Publication_ID", "999"}}},
        {"PublicationDelete", {{"LogUser_ID", Id(supervisor)}, {"Publication_ID", "999"}}},
        {"BinderDocDelete", {{"LogUser_ID", Id(editor)}, {"BinderDoc_ID", "999"}}},
        {"SupplementDelete", {{"LogUser_ID", Id(editor)}, {"Supplement_ID", "999"}}},
        {"MergeDelete", {{"LogUser_ID", Id(editor)}, {"Merge_ID", "999"}}},
        {"Logoff", {{"User_ID", "999"}}},
        {"SupplementList",
         {{"LogUser_ID", Id(editor)},
          {"Supplement_ID", "999"},
          {"Publication_ID", "0"},
          {"Supplement_number", "0"},
          {"Annotation_dataGet", "0"},
          {"User_ID", "0"}}},
    };
    for (const auto& c : cases) {
        const Answer answer = soap.Call(c.method, c.params);
        EXPECT_EQ(answer.ErrorCode(), 20) << c.method << ": " << answer.body;
        EXPECT_FALSE(answer.Item("Result Error").empty()) << c.method;
    }
    // A user who is not logged on, or does not exist, is refused everything.
    EXPECT_EQ(Publication("PublicationLock", 999, 1).ErrorCode(), 10);
    EXPECT_EQ(Publication("PublicationLock", LogOn("reader") + 1000, 1).ErrorCode(), 10);
}

TEST_F(ServiceFlow, DocumentNamesAreFileNamesNeverPaths) {
    const std::int32_t producer = LogOn("producer");
    const std::int32_t id = CreatePublication(LogOn("supervisor"));
    ASSERT_TRUE(Publication("PublicationLock", producer, id).Ok());
    for (const char* name : {"../Demo1H003.pdf", "sub/Demo1H003.pdf", "C:\\x.pdf", "..", "",
                             "a:b.pdf", "a\nb.pdf", "x?.pdf", "trailing.pdf "}) {
        const Answer answer = InsertBinder(producer, id, 2, name);
        EXPECT_EQ(answer.ErrorCode(), 5) << name;
    }
    EXPECT_TRUE(InsertBinder(producer, id, 2, "Demo 2H003 (copy).pdf").Ok());
}

}  // namespace
}  // namespace lumar::service_test
