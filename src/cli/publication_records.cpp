#include "cli/publication_records.h"

#include "cli/exit_codes.h"
#include "cli/terminal_output.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar::cli {

namespace {

template <typename Result>
void Check(bool ok, const Result& result) {
    if (!ok) {
        PrintMessage(result.Message);
        throw CommandExit(kExitFailed, "");
    }
}

}  // namespace

PublicationRecords FetchPublicationRecords(std::int32_t publicationId) {
    PublicationRecords records;
    PublicationInfoListRequest filter;
    filter.LogUser_ID = LogUserID();
    filter.Publication_ID = publicationId;
    WSListResult<PublicationLastInfoRecord> publications;
    Check(CWSClient().PublicationLastInfoList(filter, publications), publications);
    if (publications.Records.empty()) {
        throw CommandExit(kExitFailed,
                          "lumar: there is no publication " + std::to_string(publicationId));
    }
    records.publication = publications.Records.front();
    const std::int32_t id = records.publication.Publication_ID;

    WSListResult<BinderDocRecord> binders;
    Check(CWSClient().BinderDocList({LogUserID(), 0, id, 0, 1, 0}, binders), binders);
    records.binderDocuments = binders.Records;

    if (records.publication.Supplement_ID_next != 0) {
        WSListResult<SupplementRecord> supplements;
        Check(CWSClient().SupplementList(
                  {LogUserID(), records.publication.Supplement_ID_next, 0, 0, 1, 0}, supplements),
              supplements);
        if (!supplements.Records.empty()) {
            records.supplement = supplements.Records.front();
        }
    }
    if (records.publication.Merge_ID_next != 0) {
        WSListResult<MergeRecord> merges;
        MergeListRequest request;
        request.LogUser_ID = LogUserID();
        request.Merge_ID = records.publication.Merge_ID_next;
        request.Merge_dataGet = 1;
        Check(CWSClient().MergeList(request, merges), merges);
        if (!merges.Records.empty()) {
            records.merge = merges.Records.front();
        }
    }
    return records;
}

}  // namespace lumar::cli
