#include "manager_session.h"

#include "exit_codes.h"
#include "manager/editor_launcher.h"
#include "manager/manager_commands.h"
#include "manager/manager_dlg.h"
#include "merge/merge_data_dlg.h"
#include "publication_records.h"
#include "ui/modal_dialog.h"

namespace lumar::cli {

namespace {

constexpr std::int32_t kReleased = 1;

// The editors without windows: the merge data editor merges at once when
// asked to (and is otherwise left as it was); the document annotations
// dialog is left as it was.
class ImmediateEditors : public EditorLauncher {
public:
    int EditMergeData(MergeDataEditorRequest& request) override {
        MergeDataDlgInputs inputs;
        inputs.publication = *request.publication;
        inputs.supplement = *request.supplement;
        inputs.binderDocuments = *request.binderDocuments;
        inputs.mergeRecord = *request.merge;
        inputs.firstBinder = request.firstBinder;
        inputs.readOnly = request.readOnly;
        inputs.immediateMerge = request.mergeMode;
        CMergeDataDlg editor(std::move(inputs));
        editor.OnInitDialog(nullptr);
        editor.OnTimer();
        editor.OnDestroy();
        succeeded = editor.MergeSucceeded();
        request.mergedPublicationId = editor.NewPublicationId();
        mergedId = request.mergedPublicationId;
        return kIdCancel;
    }
    int EditAnnotations(AnnotationsEditorRequest&) override { return kIdCancel; }

    bool succeeded = false;
    std::int32_t mergedId = 0;
};

ImmediateEditors editors;

}  // namespace

ManagerSession::ManagerSession(CliSession& session, std::int32_t publicationId)
    : manager_(CManagerDlg::Instance()),
      // Any version's id names the publication; the manager lists the newest.
      publicationId_(FetchPublicationRecords(publicationId).publication.Publication_ID) {
    editors = ImmediateEditors{};
    SetEditorLauncher(&editors);
    session.RunMenuItem("TOLMA:LumarManagerOpen");
    if (!manager_.SelectPublication(publicationId_)) {
        throw CommandExit(kExitFailed, "lumar: publication " + std::to_string(publicationId) +
                                           " is not in the publication manager's list");
    }
}

ManagerSession::~ManagerSession() {
    SetEditorLauncher(nullptr);
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

bool ManagerSession::MergeSucceeded() const {
    return editors.succeeded;
}

std::int32_t ManagerSession::MergedPublicationId() const {
    return editors.mergedId;
}

}  // namespace lumar::cli
