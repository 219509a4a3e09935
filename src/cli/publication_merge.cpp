#include "cli/publication_merge.h"

#include <algorithm>
#include <map>

#include "cli/exit_codes.h"
#include "cli/manager_session.h"
#include "cli/terminal_output.h"
#include "manager/manager_commands.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar::cli {

namespace {

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 1, ' ');
}

}  // namespace

MergeOutcome MergePublication(CliSession& session, std::int32_t publicationId) {
    MergeOutcome outcome;
    outcome.before = FetchPublicationRecords(publicationId);
    // The manager's Merge, on the publication locked by the user.
    ManagerSession manager(session, outcome.before.publication.Publication_ID);
    manager.LockWhenReleased();
    manager.Click(kIdcMerge, "Merge publication");
    // A merge that finished made the newest version, no longer in progress;
    // a failed one was reverted, and the version before is the newest again.
    constexpr std::int32_t kMergeInProgress = 4;
    const PublicationLastInfoRecord newest =
        FetchPublicationRecords(manager.PublicationId()).publication;
    outcome.success = newest.Publication_ID != manager.PublicationId() &&
                      newest.Update_status_ID != kMergeInProgress;
    outcome.newPublicationId = outcome.success ? newest.Publication_ID : 0;
    return outcome;
}

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
