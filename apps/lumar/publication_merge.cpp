#include "publication_merge.h"

#include <algorithm>
#include <map>

#include "exit_codes.h"
#include "merge/merge_data_parser.h"
#include "merge/merge_request.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "terminal_output.h"

namespace lumar::cli {

namespace {

constexpr std::int32_t kReleased = 1;

// The pages each binder has after the merge: its pages before, plus the
// pairs inserted, restored or extracted into it, less those deleted, stored
// or extracted from it (a Replace keeps the count).
void ComputeExpectedPageCounts(const PublicationRecords& records,
                               const std::vector<MergeCommand>& commands) {
    std::array<std::int32_t, 36>& expected = ExpectedPageCounts();
    expected.fill(0);
    const auto add = [&expected](std::int32_t binder, std::int64_t pages) {
        if (binder >= 1 && binder <= 35) {
            expected[static_cast<std::size_t>(binder)] += static_cast<std::int32_t>(pages);
        }
    };
    for (const BinderDocRecord& binder : records.binderDocuments) {
        add(binder.Binder_number, binder.Page_count);
    }
    for (const MergeCommand& command : commands) {
        const std::int64_t pages = 2 * command.pairCount();
        switch (command.kind) {
        case CommandKind::Insert:
        case CommandKind::Restore:
            add(command.destinationBinder, pages);
            break;
        case CommandKind::Delete:
        case CommandKind::Store:
            add(command.sourceBinder, -pages);
            break;
        case CommandKind::Extract:
            add(command.sourceBinder, -pages);
            add(command.destinationBinder, pages);
            break;
        default:
            break;
        }
    }
}

}  // namespace

MergeOutcome MergePublication(std::int32_t publicationId) {
    MergeOutcome outcome;
    PublicationRecords& records = outcome.before;
    records = FetchPublicationRecords(publicationId);
    const std::int32_t id = records.publication.Publication_ID;

    if (records.publication.Update_status_ID == kReleased) {
        WSIdResult locked;
        if (!CWSClient().PublicationLock({LogUserID(), id}, locked)) {
            host::alertNote(locked.Message);
            return outcome;
        }
        records = FetchPublicationRecords(id);
    }

    const MergeDataInputs inputs{records.publication.Binder_count, records.binderDocuments,
                                 records.supplement.Page_count};
    const MergeDataParse parse =
        ParseMergeData(records.merge.Merge_data, MergeDataContext::Editor, inputs);
    ComputeExpectedPageCounts(records, parse.commands);

    WSIdResult merged;
    if (!CWSClient().PublicationMerge({LogUserID(), id}, merged)) {
        host::alertNote(merged.Message);
        return outcome;
    }
    outcome.newPublicationId = merged.Id;

    MergeRequest request;
    request.publication = records.publication;
    request.supplement = records.supplement;
    request.binderDocuments = records.binderDocuments;
    static int window = 0;
    request.window = &window;
    outcome.success = RunMerge(request);
    if (!outcome.success) {
        // Close the run at the service and bring the previous version back.
        WSIdResult ignored;
        BinderDocInsertRequest binder;
        binder.LogUser_ID = LogUserID();
        binder.Publication_ID = merged.Id;
        binder.Binder_number = 1;
        CWSClient().BinderDocInsert(binder, ignored);
        binder.Binder_number = 0;
        CWSClient().BinderDocInsert(binder, ignored);
        CWSClient().PublicationRevert({LogUserID(), merged.Id}, ignored);
    }
    return outcome;
}

namespace {

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 1, ' ');
}

}  // namespace

void PrintMergeTable(const MergeOutcome& outcome) {
    WSListResult<BinderDocRecord> after;
    if (!CWSClient().BinderDocList({LogUserID(), 0, outcome.newPublicationId, 0, 0, 0}, after)) {
        PrintMessage(after.Message);
        throw CommandExit(kExitFailed, "");
    }
    std::map<std::int32_t, const BinderDocRecord*> before;
    for (const BinderDocRecord& binder : outcome.before.binderDocuments) {
        before[binder.Binder_number] = &binder;
    }
    std::vector<BinderDocRecord> rows = after.Records;
    std::sort(rows.begin(), rows.end(), [](const BinderDocRecord& a, const BinderDocRecord& b) {
        return a.Binder_number < b.Binder_number;
    });
    const std::size_t widths[] = {8, 18, 18, 14, 13};
    PrintResult(Padded("Binder", widths[0]) + Padded("File before", widths[1]) +
                Padded("File after", widths[2]) + Padded("Pages before", widths[3]) +
                Padded("Pages after", widths[4]) + "PDF check");
    for (const BinderDocRecord& binder : rows) {
        const auto old = before.find(binder.Binder_number);
        const bool existed = old != before.end();
        PrintResult(Padded(std::to_string(binder.Binder_number), widths[0]) +
                    Padded(existed ? old->second->Doc_file : "-", widths[1]) +
                    Padded(binder.Doc_file, widths[2]) +
                    Padded(existed ? std::to_string(old->second->Page_count) : "-", widths[3]) +
                    Padded(std::to_string(binder.Page_count), widths[4]) +
                    (binder.Pdf_OK ? "OK" : "Not OK"));
    }
}

}  // namespace lumar::cli
