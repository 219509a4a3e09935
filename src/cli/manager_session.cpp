#include "cli/manager_session.h"

#include "cli/exit_codes.h"
#include "cli/publication_records.h"
#include "manager/manager_commands.h"
#include "manager/manager_dlg.h"

namespace lumar::cli {

namespace {

constexpr std::int32_t kReleased = 1;

}  // namespace

ManagerSession::ManagerSession(CliSession& session, std::int32_t publicationId)
    : manager_(CManagerDlg::Instance()),
      // Any version's id names the publication; the manager lists the newest.
      publicationId_(FetchPublicationRecords(publicationId).publication.Publication_ID) {
    session.RunMenuItem("TOLMA:LumarManagerOpen");
    if (!manager_.SelectPublication(publicationId_)) {
        throw CommandExit(kExitFailed, "lumar: publication " + std::to_string(publicationId) +
                                           " is not in the publication manager's list");
    }
}

bool ManagerSession::ButtonEnabled(int button) const {
    return manager_.ButtonEnabled(button);
}

void ManagerSession::Click(int button, const char* what) {
    if (!manager_.ButtonEnabled(button)) {
        throw CommandExit(kExitFailed, std::string("lumar: ") + what +
                                           " is not available for publication " +
                                           std::to_string(publicationId_) +
                                           " (its state, its lock or the user's level)");
    }
    manager_.ClickButton(button);
}

void ManagerSession::LockWhenReleased() {
    const PublicationLastInfoRecord* selected = manager_.Selected();
    if (selected != nullptr && selected->Update_status_ID == kReleased &&
        manager_.ButtonEnabled(kIdcLock)) {
        manager_.ClickButton(kIdcLock);
    }
}

}  // namespace lumar::cli
