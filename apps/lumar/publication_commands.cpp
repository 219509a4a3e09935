// The commands on one publication: the update of a document's tab sheets
// and colours, adding the binders of a publication and adding a supplement.

#include <fstream>
#include <iostream>
#include <iterator>

#include "cli_session.h"
#include "commands.h"
#include "exit_codes.h"
#include "manager/manager_commands.h"
#include "manager/supplement_number_dlg.h"
#include "manager_session.h"
#include "merge/annotations_dlg.h"
#include "publication_records.h"
#include "ui/modal_dialog.h"

namespace lumar::cli {

namespace {

std::string ReadData(const std::string& file) {
    if (file == "-") {
        return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw CommandExit(kExitFailed, "lumar: cannot read " + file);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool noIncrement = false;

int ChooseSupplementNumber(CSupplementNumberDlg& dialog, void*) {
    if (noIncrement) {
        dialog.CheckNoIncrement();
    } else {
        dialog.CheckIncrement();
    }
    dialog.OnOK();
    return kIdOk;
}

}  // namespace

int RunUpdate(const GlobalOptions& global, const UpdateOptions& options) {
    const std::string data = ReadData(options.data);
    CliSession session(global);
    session.LogOn();
    {
        ManagerSession manager(session, options.publication);
        manager.LockWhenReleased();
    }
    const PublicationRecords records = FetchPublicationRecords(options.publication);
    if (options.supplement && records.supplement.Supplement_ID == 0) {
        throw CommandExit(kExitFailed, "lumar: publication " + std::to_string(options.publication) +
                                           " has no next supplement");
    }
    AnnotationsDlgInputs inputs;
    inputs.publication = records.publication;
    inputs.binderDocuments = records.binderDocuments;
    inputs.supplement = records.supplement;
    inputs.binder = options.supplement ? 0 : options.binder;
    CAnnotationsDlg dialog(std::move(inputs));
    dialog.OnInitDialog(nullptr);
    const bool updated = dialog.ApplyUpdateData(data);
    dialog.OnDestroy();
    return updated ? kExitDone : kExitFailed;
}

int RunAddBinders(const GlobalOptions& global, std::int32_t publication,
                  const std::string& firstBinder) {
    CliSession session(global);
    session.LogOn();
    const std::int32_t before = FetchPublicationRecords(publication).publication.Binder_count;
    {
        ManagerSession manager(session, publication);
        manager.LockWhenReleased();
        session.Answers().QueueChoice(firstBinder);
        manager.Click(kIdcAdd, "Add publication binders");
    }
    return FetchPublicationRecords(publication).publication.Binder_count > before ? kExitDone
                                                                                  : kExitFailed;
}

int RunAddSupplement(const GlobalOptions& global, const AddSupplementOptions& options) {
    CliSession session(global);
    session.LogOn();
    session.OpenDocument(options.pdf);
    const std::int32_t before =
        FetchPublicationRecords(options.publication).publication.Supplement_ID_next;
    noIncrement = options.noIncrement;
    SetPresenter<CSupplementNumberDlg>(ChooseSupplementNumber);
    {
        ManagerSession manager(session, options.publication);
        manager.LockWhenReleased();
        manager.Click(kIdcAddSupplement, "Add supplement");
    }
    SetPresenter<CSupplementNumberDlg>(nullptr);
    const std::int32_t after =
        FetchPublicationRecords(options.publication).publication.Supplement_ID_next;
    return after != 0 && after != before ? kExitDone : kExitFailed;
}

}  // namespace lumar::cli
