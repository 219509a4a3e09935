#include "editor_fixture.h"

#include "service/ws_client.h"

namespace lumar::testing {

namespace {

SupplementRecord Supplement(std::int32_t user, std::int32_t supplement) {
    WSListResult<SupplementRecord> list;
    EXPECT_TRUE(CWSClient().SupplementList({user, supplement, 0, 0, 1, 0}, list)) << list.Message;
    return list.Records.empty() ? SupplementRecord{} : list.Records.front();
}

std::vector<BinderDocRecord> Binders(std::int32_t user, std::int32_t publication) {
    WSListResult<BinderDocRecord> list;
    EXPECT_TRUE(CWSClient().BinderDocList({user, 0, publication, 0, 0, 0}, list)) << list.Message;
    return list.Records;
}

}  // namespace

MergeRecord EditorFixture::storedMergeRecord(std::int32_t publication) {
    const PublicationLastInfoRecord record = latest(publication);
    WSListResult<MergeRecord> list;
    if (record.Merge_ID_next != 0) {
        EXPECT_TRUE(CWSClient().MergeList({producer, record.Merge_ID_next, 0, 0, 1, 0, 0}, list))
            << list.Message;
    }
    return list.Records.empty() ? MergeRecord{} : list.Records.front();
}

MergeDataDlgInputs EditorFixture::EditorInputs() {
    MergeDataDlgInputs inputs;
    inputs.publication = latest(publicationId);
    inputs.supplement = Supplement(producer, supplementId);
    inputs.binderDocuments = Binders(producer, publicationId);
    inputs.mergeRecord = storedMergeRecord(publicationId);
    if (inputs.mergeRecord.Merge_ID == 0) {
        inputs.mergeRecord.Publication_ID = publicationId;
        inputs.mergeRecord.Supplement_ID = supplementId;
        inputs.mergeRecord.Merge_status_ID = 2;
    }
    return inputs;
}

MergeDataDlgInputs EditorFixture::BinderUpdateInputs() {
    MergeDataDlgInputs inputs;
    inputs.publication = latest(publicationId);
    inputs.supplement.Supplement_number = -1;
    inputs.binderDocuments = Binders(producer, publicationId);
    return inputs;
}

AnnotationsDlgInputs EditorFixture::AnnotationsInputs(std::int32_t binder) {
    AnnotationsDlgInputs inputs;
    inputs.publication = latest(publicationId);
    inputs.binderDocuments = Binders(producer, publicationId);
    inputs.supplement = Supplement(producer, supplementId);
    inputs.supplement.Annotation_data.clear();  // fetched by the dialog
    inputs.binder = binder;
    return inputs;
}

std::vector<std::string> EditorFixture::titlesShown() const {
    std::vector<std::string> titles;
    for (const MessageBoxRequest& box : boxes.shown()) {
        titles.push_back(box.title);
    }
    return titles;
}

}  // namespace lumar::testing
