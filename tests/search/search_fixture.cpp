#include "search_fixture.h"

#include <algorithm>
#include <cstdio>

#include "config/settings_store.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/service/publication_seeding.h"
#include "platform/pdf/document.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar::testing {

void SearchFixture::SetUp() {
    ASSERT_TRUE(harness.loaded.initialised);
    binders = dir / "binders";
    supplements = dir / "supplements";
    std::filesystem::create_directories(binders);
    std::filesystem::create_directories(supplements);
    ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", service.uri()));
    ASSERT_TRUE(WriteTextSetting("Uri", "Base_docs", binders.string()));
    ASSERT_TRUE(WriteTextSetting("Uri", "Supp_docs", supplements.string()));

    supervisor = LogOn("supervisor");
    producer = LogOn("producer");
    ASSERT_NE(producer, 0);
    LogonStore& store = TheLogonStore();
    store.user.User_ID = producer;
    store.user.Authorisation_ID = 4;
    ASSERT_TRUE(CWSClient().ColourList({producer, 0}, store.colours)) << store.colours.Message;
}

std::vector<std::string> SearchFixture::Origins(int binder, int pages) {
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        char text[32];
        std::snprintf(text, sizeof text, "b%dp%02d", binder, page);
        texts.emplace_back(text);
    }
    return texts;
}

void SearchFixture::CreatePublication(const std::vector<std::vector<std::string>>& binderTexts,
                                      const std::vector<std::string>& supplement,
                                      const std::vector<std::int32_t>& pageCounts) {
    PublicationInsertRequest insert;
    insert.LogUser_ID = supervisor;
    insert.Publication_status_ID = 2;
    insert.Language_ID = 1;
    insert.SAP_code = "PUB";
    insert.Description = "Search test";
    insert.Binder_type_ID = 1;
    insert.Printing_ID = 1;
    insert.Administrator_ID = 1;
    WSIdResult created;
    ASSERT_TRUE(CWSClient().PublicationInsert(insert, created)) << created.Message;
    publicationId = created.Id;
    WSIdResult locked;
    ASSERT_TRUE(CWSClient().PublicationLock({producer, publicationId}, locked)) << locked.Message;

    const int count = static_cast<int>(binderTexts.size());
    // Binder 1 completes the load: it goes last.
    for (int i = 1; i <= count; ++i) {
        const int n = i == count ? 1 : i + 1;
        const std::vector<std::string>& texts = binderTexts[static_cast<std::size_t>(n - 1)];
        char name[64];
        std::snprintf(name, sizeof name, "pub%cH0012.pdf", BinderChar(n));
        fixtures::PdfBuilder()
            .pages(static_cast<int>(texts.size()))
            .dataAnnotations(texts)
            .write(binders / name);
        BinderDocInsertRequest binder;
        binder.LogUser_ID = producer;
        binder.Publication_ID = publicationId;
        binder.Binder_number = n;
        const std::size_t at = static_cast<std::size_t>(n - 1);
        binder.Page_count = at < pageCounts.size() && pageCounts[at] != 0
                                ? pageCounts[at]
                                : static_cast<std::int32_t>(texts.size());
        binder.Doc_file = name;
        binder.Annotation_data = AnnotationData(texts);
        binder.Pdf_version = "1.3";
        binder.Pdf_OK = true;
        WSIdResult added;
        ASSERT_TRUE(CWSClient().BinderDocInsert(binder, added)) << added.Message;
    }
    if (supplement.empty()) {
        return;
    }
    const std::string file = "pubS13.pdf";
    fixtures::PdfBuilder()
        .pages(static_cast<int>(supplement.size()))
        .dataAnnotations(supplement)
        .write(supplements / file);
    SupplementInsertRequest request{producer, publicationId,
                                    13,       static_cast<std::int32_t>(supplement.size()),
                                    file,     AnnotationData(supplement),
                                    "1.3",    0,
                                    true};
    WSIdResult added;
    ASSERT_TRUE(CWSClient().SupplementInsert(request, added)) << added.Message;
    supplementId = added.Id;
}

std::vector<BinderDocRecord> SearchFixture::BinderRecords() const {
    WSListResult<BinderDocRecord> list;
    EXPECT_TRUE(CWSClient().BinderDocList({producer, 0, publicationId, 0, 0, 0}, list))
        << list.Message;
    std::sort(list.Records.begin(), list.Records.end(),
              [](const BinderDocRecord& a, const BinderDocRecord& b) {
                  return a.Binder_number < b.Binder_number;
              });
    return list.Records;
}

SupplementRecord SearchFixture::SupplementRecordOf() const {
    WSListResult<SupplementRecord> list;
    EXPECT_TRUE(CWSClient().SupplementList({producer, supplementId, 0, 0, 0, 0}, list))
        << list.Message;
    return list.Records.empty() ? SupplementRecord{} : list.Records.front();
}

PublicationLastInfoRecord SearchFixture::Publication() const {
    PublicationInfoListRequest request;
    request.LogUser_ID = producer;
    request.Publication_ID = publicationId;
    WSListResult<PublicationLastInfoRecord> list;
    EXPECT_TRUE(CWSClient().PublicationLastInfoList(request, list)) << list.Message;
    return list.Records.empty() ? PublicationLastInfoRecord{} : list.Records.front();
}

std::vector<std::string> SearchFixture::PageTexts(const pdf::Document& document) {
    std::vector<std::string> texts;
    for (int i = 0; i < document.pageCount(); ++i) {
        const pdf::Page page = document.page(i);
        std::string text;
        for (int a = 0; a < page.annotationCount(); ++a) {
            const pdf::Annotation annotation = page.annotation(a);
            if (annotation.subtype() == "Text" && annotation.title() == "Index") {
                text += (text.empty() ? "" : "|") + annotation.contents();
            }
        }
        texts.push_back(text);
    }
    return texts;
}

}  // namespace lumar::testing
