// The real client (CWSClient, reading its service address from a settings
// file) against the reference service on a free loopback port: every
// operation, the workflow's flows, refusals and filters end to end.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "fixtures/service/reference_service.h"
#include "lumar-service/password.h"
#include "platform/settings/temp_settings.h"
#include "service/ws_client.h"

namespace lumar::service_test {
namespace {

class ClientIntegration : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", service.uri())); }

    std::int32_t LogOn(std::string_view login) {
        for (const auto& user : demo::kUsers) {
            if (user.login == login) {
                CWSClient client;
                LogonRequest request{std::string(login),
                                     service_app::ScramblePassword(user.password)};
                LogonResult result;
                EXPECT_TRUE(client.Logon(request, result)) << result.Message;
                return result.User_ID;
            }
        }
        return 0;
    }

    bool Call(bool (CWSClient::*operation)(const PublicationRequest&, WSIdResult&),
              std::int32_t user, std::int32_t publication, WSIdResult& result) {
        CWSClient client;
        return (client.*operation)(PublicationRequest{user, publication}, result);
    }

    std::int32_t Id(bool (CWSClient::*operation)(const PublicationRequest&, WSIdResult&),
                    std::int32_t user, std::int32_t publication) {
        WSIdResult result;
        EXPECT_TRUE(Call(operation, user, publication, result)) << result.Message;
        return result.Id;
    }

    PublicationLastInfoRecord Latest(std::int32_t user, std::int32_t publication) {
        CWSClient client;
        PublicationInfoListRequest request;
        request.LogUser_ID = user;
        request.Publication_ID = publication;
        WSListResult<PublicationLastInfoRecord> list;
        EXPECT_TRUE(client.PublicationLastInfoList(request, list)) << list.Message;
        EXPECT_EQ(list.Message, "");
        return list.Records.empty() ? PublicationLastInfoRecord{} : list.Records.front();
    }

    // The failure message, empty when the insert succeeded.
    std::string InsertBinder(std::int32_t user, std::int32_t publication, std::int32_t binder,
                             std::string file) {
        CWSClient client;
        BinderDocInsertRequest request;
        request.LogUser_ID = user;
        request.Publication_ID = publication;
        request.Binder_number = binder;
        request.Page_count = binder == 0 ? 0 : 4;
        request.Doc_file = std::move(file);
        request.Annotation_data = binder == 0 ? "" : "a\r\nb\r\nc\r\nd\r\n";
        request.Pdf_version = binder == 0 ? "" : "1.3";
        request.Pdf_OK = binder != 0;
        WSIdResult result;
        const bool ok = client.BinderDocInsert(request, result);
        return ok ? result.Message : "failed: " + result.Message;
    }

    lumar::testing::TempSettings settings;
    fixtures::ReferenceService service;
};

TEST_F(ClientIntegration, ConnectionTestLogonLookupsAndLogoff) {
    EXPECT_TRUE(CWSClient().TestConnection());

    CWSClient logonClient;
    LogonResult user;
    ASSERT_TRUE(logonClient.Logon({"editor", service_app::ScramblePassword("editor3")}, user))
        << user.Message;
    EXPECT_EQ(user.Name, "Eddie Editor");
    EXPECT_EQ(user.Authorisation_ID, 3);
    EXPECT_EQ(user.Administrator_ID, 1);
    EXPECT_EQ(user.UserDescription, "Eddie Editor (Editor)");

    WSListResult<PublicationStatusRecord> statuses;
    WSListResult<LanguageRecord> languages;
    WSListResult<BinderTypeRecord> binderTypes;
    WSListResult<PrintingRecord> printings;
    WSListResult<ColourRecord> colours;
    const LookupListRequest lookup{user.User_ID};
    ASSERT_TRUE(CWSClient().PublicationStatusList(lookup, statuses)) << statuses.Message;
    ASSERT_TRUE(CWSClient().LanguageList(lookup, languages));
    ASSERT_TRUE(CWSClient().BinderTypeList(lookup, binderTypes));
    ASSERT_TRUE(CWSClient().PrintingList(lookup, printings));
    ASSERT_TRUE(CWSClient().ColourList({user.User_ID, 0}, colours));
    EXPECT_EQ(statuses.Count, 3);
    EXPECT_EQ(languages.Records.at(1).Name, "English");
    EXPECT_EQ(binderTypes.Count, 3);
    EXPECT_EQ(printings.Records.at(1).Printing_ID, 2);
    ASSERT_EQ(colours.Count, 7);
    EXPECT_EQ(colours.Records.at(5).Name, "Salmon");
    EXPECT_EQ(colours.Records.at(5).R, 250);
    EXPECT_EQ(colours.Records.at(5).G, 128);
    EXPECT_EQ(colours.Records.at(5).B, 114);
    EXPECT_EQ(colours.Message, "");

    WSListResult<UserInfoRecord> me;
    ASSERT_TRUE(CWSClient().UserInfoList({user.User_ID, 0, 0, 0}, me));
    ASSERT_EQ(me.Count, 1);
    EXPECT_EQ(me.Records.at(0).Authorisation_Name, "Editor");
    EXPECT_EQ(me.Records.at(0).Administrator_Manager, "Ilse Brandt");

    WSIdResult off;
    ASSERT_TRUE(CWSClient().Logoff({user.User_ID}, off)) << off.Message;
    EXPECT_EQ(off.Id, user.User_ID);
    WSListResult<LanguageRecord> refused;
    EXPECT_FALSE(CWSClient().LanguageList(lookup, refused));
    EXPECT_EQ(refused.Message,
              "Lumar Error 10:\nRequest received but not processed successfully:\nUser " +
                  std::to_string(user.User_ID) + " is not logged on");
}

TEST_F(ClientIntegration, TheFixturesSettingsFilePointsTheClientAtTheService) {
    const std::string file = service.WriteSettingsFile().string();
    ::setenv("LUMAR_REGISTRY", file.c_str(), 1);
    EXPECT_TRUE(CWSClient().TestConnection());
    ::setenv("LUMAR_REGISTRY", settings.file().c_str(), 1);
}

TEST_F(ClientIntegration, WrongPasswordIsRefusedWithTheServicesText) {
    LogonResult user;
    EXPECT_FALSE(CWSClient().Logon({"editor", service_app::ScramblePassword("wrong")}, user));
    EXPECT_EQ(user.Message,
              "Lumar Error 11:\nRequest received but not processed successfully:\n"
              "Unknown user name or wrong password");
    EXPECT_EQ(user.User_ID, 0);
}

TEST_F(ClientIntegration, NewPublicationLockLoadBindersUnlock) {
    const std::int32_t supervisor = LogOn("supervisor");
    const std::int32_t producer = LogOn("producer");
    PublicationInsertRequest insert;
    insert.LogUser_ID = supervisor;
    insert.Publication_status_ID = 2;
    insert.Language_ID = 4;
    insert.SAP_code = "TAX-7";
    insert.Description = "Steuerrecht f\xfcr Praktiker";  // Windows-1252 ü
    insert.Max_page_count_per_binder = 300;
    insert.Binder_type_ID = 3;
    insert.Printing_ID = 1;
    insert.Administrator_ID = 1;
    WSIdResult created;
    ASSERT_TRUE(CWSClient().PublicationInsert(insert, created)) << created.Message;
    const std::int32_t id = created.Id;

    EXPECT_EQ(Id(&CWSClient::PublicationLock, producer, id), id);
    EXPECT_EQ(Latest(producer, id).Update_status_ID, 3);
    ASSERT_EQ(InsertBinder(producer, id, 2, "TAX7_2H001.pdf"), "");
    // A second load attempt starts with a reset, as the client's "Add" does.
    EXPECT_EQ(Id(&CWSClient::PublicationReset, producer, id), id);
    EXPECT_EQ(Latest(producer, id).Binder_count, 0);
    ASSERT_EQ(InsertBinder(producer, id, 2, "TAX7_2H001.pdf"), "");
    ASSERT_EQ(InsertBinder(producer, id, 3, "TAX7_3H001.pdf"), "");
    ASSERT_EQ(InsertBinder(producer, id, 1, "TAX7_1H001.pdf"), "");

    PublicationLastInfoRecord record = Latest(producer, id);
    EXPECT_EQ(record.Update_status_ID, 2);
    EXPECT_EQ(record.Update_status_Name, "Locked for supplement");
    EXPECT_EQ(record.Binder_count, 3);
    EXPECT_EQ(record.Binder_count_OK, 3);
    EXPECT_EQ(record.Page_count, 12);
    EXPECT_EQ(record.Description, "Steuerrecht f\xfcr Praktiker");
    EXPECT_EQ(record.Language_Name, "German");
    EXPECT_EQ(record.Binder_type_Name, "Lever arch file");
    EXPECT_EQ(record.Administrator_Name, "Legal publications");
    EXPECT_TRUE(record.Create_DT.Valid);
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(record.Create_DT.Year, local.tm_year + 1900);

    // Set PDF status "not OK" on binder 3, as the details dialog does.
    WSListResult<BinderDocRecord> third;
    ASSERT_TRUE(CWSClient().BinderDocList({producer, 0, id, 3, 1, 0}, third));
    ASSERT_EQ(third.Count, 1);
    BinderDocUpdateRequest update;
    const BinderDocRecord& r = third.Records.at(0);
    update = {producer,   r.BinderDoc_ID,    r.Publication_ID, r.Binder_number,        r.Page_count,
              r.Doc_file, r.Annotation_data, r.Pdf_version,    r.Pdf_font_error_count, false};
    WSIdResult updated;
    ASSERT_TRUE(CWSClient().BinderDocUpdate(update, updated)) << updated.Message;
    EXPECT_EQ(Latest(producer, id).Binder_count_OK, 2);

    EXPECT_EQ(Id(&CWSClient::PublicationUnlock, producer, id), id);
    EXPECT_EQ(Latest(producer, id).Update_status_ID, 1);
}

TEST_F(ClientIntegration, SupplementMergeDataMergeAndRevert) {
    const std::int32_t editor = LogOn("editor");
    const std::int32_t producer = LogOn("producer");
    const std::int32_t demo = 1;
    ASSERT_EQ(Id(&CWSClient::PublicationLock, editor, demo), demo);

    // Replace the demo's merge data and supplement by new ones.
    PublicationLastInfoRecord record = Latest(editor, demo);
    WSIdResult done;
    ASSERT_TRUE(CWSClient().MergeDelete({editor, record.Merge_ID_next}, done)) << done.Message;
    ASSERT_TRUE(CWSClient().SupplementDelete({editor, record.Supplement_ID_next}, done));
    SupplementInsertRequest supplement{
        editor, demo, 5, 4, "DemoS005.pdf", "s1\r\ns2\r\ns3\r\ns4\r\n", "1.3", 0, true};
    WSIdResult added;
    ASSERT_TRUE(CWSClient().SupplementInsert(supplement, added)) << added.Message;
    SupplementUpdateRequest replace{
        editor, added.Id, demo, 5, 4, "DemoS005.pdf", "S1\r\nS2\r\nS3\r\nS4\r\n", "1.3", 0, true};
    ASSERT_TRUE(CWSClient().SupplementUpdate(replace, done)) << done.Message;
    WSIdResult merge;
    ASSERT_TRUE(CWSClient().MergeInsert({editor, demo, added.Id, "", 1}, merge)) << merge.Message;
    ASSERT_TRUE(CWSClient().MergeUpdate(
        {editor, merge.Id, demo, added.Id, "(1)binder\r\n(2,1,2)Replace\r\n", 2}, done))
        << done.Message;

    record = Latest(editor, demo);
    EXPECT_EQ(record.Supplement_number_next, 5);
    EXPECT_EQ(record.Merge_ID_next, merge.Id);
    EXPECT_EQ(record.Merge_status_ID, 2);

    // The merge: the next version, the run's binders (2, then 1, then 0).
    const std::int32_t next = Id(&CWSClient::PublicationMerge, editor, demo);
    ASSERT_NE(next, demo);
    WSListResult<MergeRecord> merges;
    ASSERT_TRUE(CWSClient().MergeList({editor, record.Merge_ID_next, 0, 0, 1, 0, 0}, merges));
    ASSERT_EQ(merges.Count, 1);
    EXPECT_EQ(merges.Records.at(0).Publication_ID, next);
    EXPECT_EQ(merges.Records.at(0).Merge_data, "(1)binder\r\n(2,1,2)Replace\r\n");
    EXPECT_TRUE(merges.Records.at(0).Create_DT.Valid);
    ASSERT_EQ(InsertBinder(editor, next, 2, "Demo2H005.pdf"), "");
    // A binder written twice in one run: its first registration is deleted.
    WSListResult<BinderDocRecord> first;
    ASSERT_TRUE(CWSClient().BinderDocList({editor, 0, next, 2, 0, 0}, first));
    ASSERT_EQ(first.Count, 1);
    WSIdResult removed;
    ASSERT_TRUE(CWSClient().BinderDocDelete({editor, first.Records.at(0).BinderDoc_ID}, removed))
        << removed.Message;
    ASSERT_EQ(InsertBinder(editor, next, 2, "Demo2H005.pdf"), "");
    ASSERT_EQ(InsertBinder(editor, next, 3, "Demo3H005.pdf"), "");
    ASSERT_EQ(InsertBinder(editor, next, 1, "Demo1H005.pdf"), "");
    ASSERT_EQ(InsertBinder(editor, next, 0, ""), "");

    record = Latest(editor, demo);
    EXPECT_EQ(record.Publication_ID, next);
    EXPECT_EQ(record.Update_status_ID, 2);
    EXPECT_EQ(record.Publication_ID_previous, demo);
    EXPECT_EQ(record.Supplement_number_done, 5);
    EXPECT_EQ(record.Merge_ID_done, merge.Id);
    EXPECT_EQ(record.Supplement_ID_next, 0);

    WSListResult<PublicationInfoRecord> versions;
    PublicationInfoListRequest all;
    all.LogUser_ID = editor;
    ASSERT_TRUE(CWSClient().PublicationInfoList(all, versions));
    ASSERT_EQ(versions.Count, 2);
    EXPECT_EQ(versions.Records.at(0).Publication_ID_next, next);
    EXPECT_EQ(versions.Records.at(0).Update_status_Name, "Superseded");

    // Revert: the editor may not; a producer who holds it may.
    WSIdResult refused;
    EXPECT_FALSE(Call(&CWSClient::PublicationRevert, editor, next, refused));
    EXPECT_EQ(refused.Message.rfind("Lumar Error 12:", 0), 0u) << refused.Message;
    EXPECT_EQ(Id(&CWSClient::PublicationUnlock, editor, next), next);
    EXPECT_EQ(Id(&CWSClient::PublicationLock, producer, next), next);
    EXPECT_EQ(Id(&CWSClient::PublicationRevert, producer, next), demo);
    record = Latest(producer, demo);
    EXPECT_EQ(record.Publication_ID, demo);
    EXPECT_EQ(record.Merge_ID_next, merge.Id);
    EXPECT_EQ(record.Supplement_number_next, 5);
}

TEST_F(ClientIntegration, FailedMergeTakesTheEditorsFailurePath) {
    const std::int32_t editor = LogOn("editor");
    const std::int32_t demo = 1;
    ASSERT_EQ(Id(&CWSClient::PublicationLock, editor, demo), demo);
    const std::int32_t next = Id(&CWSClient::PublicationMerge, editor, demo);
    ASSERT_EQ(InsertBinder(editor, next, 2, "Demo2H004.pdf"), "");

    // Binder 1 and binder 0 with empty fields, answers ignored; then revert.
    InsertBinder(editor, next, 1, "");
    InsertBinder(editor, next, 0, "");
    EXPECT_EQ(Id(&CWSClient::PublicationRevert, editor, next), demo);

    const PublicationLastInfoRecord record = Latest(editor, demo);
    EXPECT_EQ(record.Publication_ID, demo);
    EXPECT_EQ(record.Update_status_ID, 2);
    EXPECT_EQ(record.Update_user_ID, editor);
    EXPECT_EQ(record.Publication_ID_next, 0);
    EXPECT_EQ(record.Binder_count, 3);
    EXPECT_NE(record.Merge_ID_next, 0);
}

TEST_F(ClientIntegration, DetailsKeepEveryByteOfTheirTexts) {
    const std::int32_t supervisor = LogOn("supervisor");
    ASSERT_EQ(Id(&CWSClient::PublicationLock, supervisor, 1), 1);
    PublicationUpdateRequest update;
    update.LogUser_ID = supervisor;
    update.Publication_ID = 1;
    update.Publication_status_ID = 1;
    update.Language_ID = 3;
    update.NIMBA_code = "'; DROP TABLE publications; --";
    update.Lumar_code = "100% \"sure\" <b>&amp;</b>";
    update.SAP_code = "DEMO";
    update.Abbreviation = "\x80\x92\xe9\xff";
    update.Description = "line 1\r\nline 2\ttab";
    update.Remarks = "Robert'); DELETE FROM users WHERE ('1'='1";
    update.Tab_sheets = true;
    update.Max_page_count_per_binder = 999999;
    update.Binder_type_ID = 2;
    update.Printing_ID = 2;
    update.Administrator_ID = 0;  // the supervisor has none: the publication keeps its own
    WSIdResult result;
    ASSERT_TRUE(CWSClient().PublicationUpdate(update, result)) << result.Message;

    const PublicationLastInfoRecord record = Latest(supervisor, 1);
    EXPECT_EQ(record.NIMBA_code, update.NIMBA_code);
    EXPECT_EQ(record.Lumar_code, update.Lumar_code);
    EXPECT_EQ(record.Abbreviation, update.Abbreviation);
    EXPECT_EQ(record.Description, update.Description);
    EXPECT_EQ(record.Remarks, update.Remarks);
    EXPECT_EQ(record.Language_Name, "French");
    EXPECT_EQ(record.Administrator_ID, 1);
    EXPECT_EQ(record.Max_page_count_per_binder, 999999);
    EXPECT_TRUE(record.Tab_sheets);
    EXPECT_FALSE(record.Colour_print);

    // The whole publication goes with PublicationDelete.
    WSIdResult deleted;
    ASSERT_TRUE(CWSClient().PublicationDelete({supervisor, 1}, deleted)) << deleted.Message;
    PublicationInfoListRequest all;
    all.LogUser_ID = supervisor;
    WSListResult<PublicationLastInfoRecord> none;
    ASSERT_TRUE(CWSClient().PublicationLastInfoList(all, none));
    EXPECT_EQ(none.Count, 0);
    EXPECT_EQ(none.Message, "");
}

TEST_F(ClientIntegration, RefusalsReachTheUserAsTheServiceWroteThem) {
    const std::int32_t reader = LogOn("reader");
    const std::int32_t editor = LogOn("editor");
    const std::int32_t taxEditor = LogOn("taxeditor");
    const struct {
        const char* name;
        std::int32_t user;
        bool (CWSClient::*operation)(const PublicationRequest&, WSIdResult&);
        std::int32_t publication;
        std::int32_t code;
    } cases[] = {
        {"too low a level", reader, &CWSClient::PublicationLock, 1, 12},
        {"another administrator's publication", taxEditor, &CWSClient::PublicationLock, 1, 13},
        {"unknown publication", editor, &CWSClient::PublicationLock, 77, 20},
        {"wrong state", editor, &CWSClient::PublicationUnlock, 1, 21},
        {"not logged on", 4242, &CWSClient::PublicationLock, 1, 10},
    };
    for (const auto& c : cases) {
        WSIdResult result;
        EXPECT_FALSE(Call(c.operation, c.user, c.publication, result)) << c.name;
        EXPECT_EQ(result.Message.rfind("Lumar Error " + std::to_string(c.code) +
                                           ":\nRequest received but not processed successfully:\n",
                                       0),
                  0u)
            << c.name << ": " << result.Message;
    }
    // Another user's lock.
    ASSERT_EQ(Id(&CWSClient::PublicationLock, editor, 1), 1);
    WSIdResult locked;
    EXPECT_FALSE(Call(&CWSClient::PublicationUnlock, LogOn("producer"), 1, locked));
    EXPECT_EQ(locked.Message.rfind("Lumar Error 14:", 0), 0u) << locked.Message;
    EXPECT_NE(locked.Message.find("is locked by user " + std::to_string(editor)),
              std::string::npos);
}

TEST_F(ClientIntegration, ListsFilterAndDeliverTextsOnRequest) {
    const std::int32_t reader = LogOn("reader");
    WSListResult<BinderDocRecord> binders;
    ASSERT_TRUE(CWSClient().BinderDocList({reader, 0, 1, 0, 0, 0}, binders)) << binders.Message;
    ASSERT_EQ(binders.Count, 3);
    EXPECT_EQ(binders.Records.at(1).Doc_file, "Demo2H003.pdf");
    EXPECT_EQ(binders.Records.at(2).Doc_file, "Demo3H003.pdf");
    EXPECT_EQ(binders.Records.at(1).Annotation_data, "");
    EXPECT_TRUE(binders.Records.at(1).Pdf_OK);

    WSListResult<BinderDocRecord> second;
    ASSERT_TRUE(CWSClient().BinderDocList({reader, 0, 1, 2, 1, 0}, second));
    ASSERT_EQ(second.Count, 1);
    EXPECT_EQ(second.Records.at(0).Annotation_data.substr(0, 35),
              "Demo binder 2 page 1 <<#TABSHEET=tr");
    EXPECT_NE(second.Records.at(0).Annotation_data.find("page 3 <<#COLOUR=\"Yellow\"#>>\r\n"),
              std::string::npos);

    WSListResult<SupplementRecord> supplements;
    ASSERT_TRUE(CWSClient().SupplementList({reader, 0, 1, 4, 1, 0}, supplements));
    ASSERT_EQ(supplements.Count, 1);
    EXPECT_EQ(supplements.Records.at(0).Doc_file, "DemoS004.pdf");
    EXPECT_EQ(supplements.Records.at(0).Page_count, 4);

    WSListResult<MergeRecord> merges;
    ASSERT_TRUE(CWSClient().MergeList({reader, 0, 1, 0, 0, 2, 0}, merges));
    ASSERT_EQ(merges.Count, 1);
    EXPECT_EQ(merges.Records.at(0).Merge_data, "");
    EXPECT_EQ(merges.Records.at(0).Merge_status_ID, 2);

    PublicationInfoListRequest filter;
    filter.LogUser_ID = reader;
    filter.Administrator_ID = 1;
    filter.Update_status_ID = 1;
    WSListResult<PublicationLastInfoRecord> released;
    ASSERT_TRUE(CWSClient().PublicationLastInfoList(filter, released));
    EXPECT_EQ(released.Count, 1);
    filter.Update_status_ID = 2;
    WSListResult<PublicationLastInfoRecord> locked;
    ASSERT_TRUE(CWSClient().PublicationLastInfoList(filter, locked));
    EXPECT_EQ(locked.Count, 0);
}

}  // namespace
}  // namespace lumar::service_test
