#include "merge_fixture.h"

#include <algorithm>
#include <cstdio>

#include "config/settings_store.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/service/publication_seeding.h"
#include "platform/pdf/document.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar::testing {

namespace {

std::string Origin(int binder, int page) {
    char text[32];
    if (binder == 0) {
        std::snprintf(text, sizeof text, "s%02d", page);
    } else {
        std::snprintf(text, sizeof text, "b%dp%02d", binder, page);
    }
    return text;
}

std::vector<std::string> PageOrigins(int binder, int pages,
                                     const std::function<std::string(int, int)>& tag = {}) {
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        const std::string tagText = tag ? tag(binder, page) : std::string();
        texts.push_back(Origin(binder, page) + (tagText.empty() ? "" : " <<#" + tagText + "#>>"));
    }
    return texts;
}

}  // namespace

std::vector<std::string> Pairs(int binder, std::initializer_list<int> pairs) {
    std::vector<std::string> texts;
    for (int pair : pairs) {
        texts.push_back(Origin(binder, 2 * pair - 1));
        texts.push_back(Origin(binder, 2 * pair));
    }
    return texts;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void MergeFixture::SetUp() {
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
    ExpectedPageCounts().fill(0);
}

void MergeFixture::CreatePublication(const PublicationSetup& setup) {
    PublicationInsertRequest insert;
    insert.LogUser_ID = supervisor;
    insert.Publication_status_ID = 2;
    insert.Language_ID = 1;
    insert.SAP_code = "PUB";
    insert.Description = "Merge test";
    insert.Max_page_count_per_binder = setup.maxPagesPerBinder;
    insert.Binder_type_ID = 1;
    insert.Printing_ID = 1;
    insert.Administrator_ID = 1;
    WSIdResult created;
    ASSERT_TRUE(CWSClient().PublicationInsert(insert, created)) << created.Message;
    publicationId = created.Id;
    WSIdResult locked;
    ASSERT_TRUE(CWSClient().PublicationLock({producer, publicationId}, locked)) << locked.Message;

    const int count = static_cast<int>(setup.binderPages.size());
    binderFiles.clear();
    for (int n = 1; n <= count; ++n) {
        char name[128];
        std::snprintf(name, sizeof name, "%s%cH0012.pdf", setup.prefix.c_str(), BinderChar(n));
        binderFiles.push_back(setup.fileNames.size() >= static_cast<std::size_t>(n)
                                  ? setup.fileNames[n - 1]
                                  : std::string(name));
        const std::vector<std::string> texts = PageOrigins(n, setup.binderPages[n - 1], setup.tag);
        fixtures::PdfBuilder()
            .pages(setup.binderPages[n - 1])
            .dataAnnotations(texts)
            .write(binders / binderFiles.back());
    }
    // Binder 1 completes the load: it goes last.
    for (int i = 1; i <= count; ++i) {
        const int n = i == count ? 1 : i + 1;
        BinderDocInsertRequest binder;
        binder.LogUser_ID = producer;
        binder.Publication_ID = publicationId;
        binder.Binder_number = n;
        binder.Page_count = setup.binderPages[n - 1];
        binder.Doc_file = binderFiles[n - 1];
        binder.Annotation_data =
            AnnotationData(PageOrigins(n, setup.binderPages[n - 1], setup.tag));
        binder.Pdf_version = "1.3";
        binder.Pdf_OK = true;
        WSIdResult added;
        ASSERT_TRUE(CWSClient().BinderDocInsert(binder, added)) << added.Message;
    }

    supplementFile = "pubS" + std::to_string(setup.supplementNumber) + ".pdf";
    const std::vector<std::string> texts = PageOrigins(0, setup.supplementPages, setup.tag);
    fixtures::PdfBuilder()
        .pages(setup.supplementPages)
        .dataAnnotations(texts)
        .write(supplements / supplementFile);
    SupplementInsertRequest supplement{producer,
                                       publicationId,
                                       setup.supplementNumber,
                                       setup.supplementPages,
                                       supplementFile,
                                       AnnotationData(texts),
                                       "1.3",
                                       0,
                                       true};
    WSIdResult added;
    ASSERT_TRUE(CWSClient().SupplementInsert(supplement, added)) << added.Message;
    supplementId = added.Id;
    if (!setup.mergeData.empty()) {
        WSIdResult merge;
        ASSERT_TRUE(CWSClient().MergeInsert(
            {producer, publicationId, supplementId, setup.mergeData, 2}, merge))
            << merge.Message;
    }
}

PublicationLastInfoRecord MergeFixture::latest(std::int32_t publication) const {
    PublicationInfoListRequest request;
    request.LogUser_ID = producer;
    request.Publication_ID = publication;
    WSListResult<PublicationLastInfoRecord> list;
    EXPECT_TRUE(CWSClient().PublicationLastInfoList(request, list)) << list.Message;
    return list.Records.empty() ? PublicationLastInfoRecord{} : list.Records.front();
}

std::vector<BinderDocRecord> MergeFixture::registeredBinders(std::int32_t publication) const {
    WSListResult<BinderDocRecord> list;
    EXPECT_TRUE(CWSClient().BinderDocList({producer, 0, publication, 0, 1, 0}, list))
        << list.Message;
    std::sort(list.Records.begin(), list.Records.end(),
              [](const BinderDocRecord& a, const BinderDocRecord& b) {
                  return a.BinderDoc_ID < b.BinderDoc_ID;
              });
    return list.Records;
}

MergeRequest MergeFixture::StartMerge() {
    MergeRequest request;
    request.publication = latest(publicationId);
    WSListResult<SupplementRecord> supplement;
    EXPECT_TRUE(CWSClient().SupplementList({producer, supplementId, 0, 0, 0, 0}, supplement));
    if (!supplement.Records.empty()) {
        request.supplement = supplement.Records.front();
    }
    request.binderDocuments = registeredBinders(publicationId);
    WSIdResult merged;
    EXPECT_TRUE(CWSClient().PublicationMerge({producer, publicationId}, merged)) << merged.Message;
    nextId = merged.Id;
    static int window = 0;
    request.window = &window;
    return request;
}

MergeRequest MergeFixture::UpdateRequest(const std::string& updateData) {
    MergeRequest request;
    request.publication = latest(publicationId);
    WSListResult<SupplementRecord> supplement;
    EXPECT_TRUE(CWSClient().SupplementList({producer, supplementId, 0, 0, 0, 0}, supplement));
    if (!supplement.Records.empty()) {
        request.supplement = supplement.Records.front();
    }
    request.binderDocuments = registeredBinders(publicationId);
    static int window = 0;
    request.window = &window;
    request.updateData = updateData;
    return request;
}

std::vector<std::string> MergeFixture::PageTexts(const std::filesystem::path& path) {
    std::vector<std::string> texts;
    try {
        pdf::Document document = pdf::Document::open(path, false);
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
    } catch (const std::exception&) {
        texts.clear();
    }
    return texts;
}

std::vector<std::string> MergeFixture::Origins(const std::filesystem::path& path) {
    std::vector<std::string> origins = PageTexts(path);
    for (std::string& text : origins) {
        text = text.substr(0, text.find(' '));
    }
    return origins;
}

std::vector<std::string> MergeFixture::fileNamesInBinders() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(binders)) {
        if (entry.path().extension() == ".pdf") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace lumar::testing
