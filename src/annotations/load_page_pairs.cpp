#include "annotations/load_page_pairs.h"

#include <string>

#include "annotations/white_space.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "service/ws_records.h"
#include "ui/message_box.h"

namespace lumar {

namespace {

// The record's Annotation_data from the service; unchanged when the call
// fails or finds nothing.
void FetchAnnotationData(BinderDocRecord& record) {
    BinderDocListRequest request;
    request.LogUser_ID = LogUserID();
    request.BinderDoc_ID = record.BinderDoc_ID;
    request.Annotation_dataGet = 1;
    WSListResult<BinderDocRecord> result;
    if (CWSClient().BinderDocList(request, result) && !result.Records.empty()) {
        record.Annotation_data = result.Records.front().Annotation_data;
    }
}

void FetchAnnotationData(SupplementRecord& record) {
    SupplementListRequest request;
    request.LogUser_ID = LogUserID();
    request.Supplement_ID = record.Supplement_ID;
    request.Annotation_dataGet = 1;
    WSListResult<SupplementRecord> result;
    if (CWSClient().SupplementList(request, result) && !result.Records.empty()) {
        record.Annotation_data = result.Records.front().Annotation_data;
    }
}

PagePairList Failed(std::string_view title, const std::string& message) {
    ShowMessageBox(std::string(title), message, MessageIcon::Error);
    return {};
}

template <typename Record>
PagePairList Load(Record* record, std::string_view kind, bool fetch, std::string_view title,
                  PlaceholderOnly placeholderOnly) {
    if (record == nullptr) {
        return Failed(title, "Missing " + std::string(kind) + " record!");
    }
    if (record->Page_count % 2 != 0) {
        return Failed(title, "Inconsistency found: odd page count!");
    }
    if (fetch && IsBlank(record->Annotation_data)) {
        FetchAnnotationData(*record);
    }
    PagePairsResult result = SplitAnnotationData(record->Annotation_data, record->Page_count);
    if (!result.ok()) {
        return Failed(title, result.error);
    }
    if (result.pairs.size() == 1 && placeholderOnly == PlaceholderOnly::Empty) {
        result.pairs.clear();
    }
    return std::move(result.pairs);
}

}  // namespace

PagePairList LoadPagePairs(BinderDocRecord* record, bool fetch, std::string_view title,
                           PlaceholderOnly placeholderOnly) {
    return Load(record, "binder", fetch, title, placeholderOnly);
}

PagePairList LoadPagePairs(SupplementRecord* record, bool fetch, std::string_view title,
                           PlaceholderOnly placeholderOnly) {
    return Load(record, "supplement", fetch, title, placeholderOnly);
}

}  // namespace lumar
