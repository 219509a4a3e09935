#include "manager_fixture.h"

#include <memory>

#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "fixtures/pdf_builder.h"
#include "lumar-service/password.h"
#include "platform/pdf/document.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar::testing {

void ManagerFixture::SetUp() {
    ASSERT_TRUE(harness.loaded.initialised);
    binders = dir / "binders";
    supplements = dir / "supplements";
    sources = dir / "sources";
    for (const auto& folder : {binders, supplements, sources}) {
        std::filesystem::create_directories(folder);
    }
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", service.uri()));
    ASSERT_TRUE(WriteTextSetting("Uri", "Base_docs", binders.string()));
    ASSERT_TRUE(WriteTextSetting("Uri", "Supp_docs", supplements.string()));
    supervisor = ServiceUser("supervisor");
    ASSERT_NE(supervisor, 0);
}

void ManagerFixture::TearDown() {
    manager.Close();
}

std::int32_t ManagerFixture::ServiceUser(const std::string& login) {
    for (const auto& user : demo::kUsers) {
        if (user.login == login) {
            LogonResult result;
            EXPECT_TRUE(
                CWSClient().Logon({login, service_app::ScramblePassword(user.password)}, result))
                << result.Message;
            return result.User_ID;
        }
    }
    ADD_FAILURE() << "no demo user " << login;
    return 0;
}

std::int32_t ManagerFixture::LogOnAs(const std::string& login) {
    LogonStore& store = TheLogonStore();
    store.clear();
    for (const auto& user : demo::kUsers) {
        if (user.login == login) {
            EXPECT_TRUE(CWSClient().Logon({login, service_app::ScramblePassword(user.password)},
                                          store.user))
                << store.user.Message;
        }
    }
    const LookupListRequest lookups{store.user.User_ID};
    EXPECT_TRUE(CWSClient().PublicationStatusList(lookups, store.publicationStatuses));
    EXPECT_TRUE(CWSClient().LanguageList(lookups, store.languages));
    EXPECT_TRUE(CWSClient().BinderTypeList(lookups, store.binderTypes));
    EXPECT_TRUE(CWSClient().PrintingList(lookups, store.printings));
    EXPECT_TRUE(CWSClient().ColourList({store.user.User_ID, 0}, store.colours));
    return store.user.User_ID;
}

std::int32_t ManagerFixture::CreatePublication(const std::string& sapCode) {
    PublicationInsertRequest insert;
    insert.LogUser_ID = supervisor;
    insert.Publication_status_ID = 1;
    insert.Language_ID = 1;
    insert.SAP_code = sapCode;
    insert.Description = "Manager test " + sapCode;
    insert.Binder_type_ID = 1;
    insert.Printing_ID = 1;
    insert.Administrator_ID = 1;
    WSIdResult created;
    EXPECT_TRUE(CWSClient().PublicationInsert(insert, created)) << created.Message;
    return created.Id;
}

void ManagerFixture::LoadBinders(std::int32_t publication, std::int32_t user,
                                 const std::vector<std::string>& files) {
    const int count = static_cast<int>(files.size());
    for (int i = 1; i <= count; ++i) {
        const int n = i == count ? 1 : i + 1;
        BinderDocInsertRequest binder;
        binder.LogUser_ID = user;
        binder.Publication_ID = publication;
        binder.Binder_number = n;
        binder.Page_count = 4;
        binder.Doc_file = files[n - 1];
        binder.Pdf_version = "1.3";
        binder.Pdf_OK = true;
        WSIdResult added;
        ASSERT_TRUE(CWSClient().BinderDocInsert(binder, added)) << added.Message;
    }
}

PublicationLastInfoRecord ManagerFixture::Latest(std::int32_t publication) const {
    PublicationInfoListRequest request;
    request.LogUser_ID = supervisor;
    request.Publication_ID = publication;
    WSListResult<PublicationLastInfoRecord> list;
    EXPECT_TRUE(CWSClient().PublicationLastInfoList(request, list)) << list.Message;
    return list.Records.empty() ? PublicationLastInfoRecord{} : list.Records.front();
}

std::vector<BinderDocRecord> ManagerFixture::Binders(std::int32_t publication) const {
    WSListResult<BinderDocRecord> list;
    EXPECT_TRUE(CWSClient().BinderDocList({supervisor, 0, publication, 0, 1, 0}, list))
        << list.Message;
    return list.Records;
}

std::vector<SupplementRecord> ManagerFixture::Supplements(std::int32_t publication) const {
    WSListResult<SupplementRecord> list;
    EXPECT_TRUE(CWSClient().SupplementList({supervisor, 0, publication, 0, 1, 0}, list))
        << list.Message;
    return list.Records;
}

void ManagerFixture::WritePdf(const std::filesystem::path& path, int pages) {
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        texts.push_back(path.stem().string() + " page " + std::to_string(page));
    }
    fixtures::PdfBuilder().pages(pages).dataAnnotations(texts).write(path);
}

host::DocumentView* ManagerFixture::Show(const std::filesystem::path& path) {
    auto document = std::make_unique<pdf::Document>(pdf::Document::open(path));
    return harness.headless.ui().showDocument(std::move(document));
}

void ManagerFixture::OpenManagerOn(std::int32_t publication) {
    manager.Open();
    ASSERT_TRUE(manager.IsOpen());
    ASSERT_TRUE(manager.SelectPublication(publication)) << "publication " << publication;
}

}  // namespace lumar::testing
