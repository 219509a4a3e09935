// lumar add-supplement: the publication manager's "Add supplement" with a
// PDF as the active document, its number chosen from the options.

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/manager_session.h"
#include "cli/publication_records.h"
#include "cli/typed_path.h"
#include "manager/manager_commands.h"
#include "manager/supplement_number_dlg.h"
#include "ui/modal_dialog.h"

namespace lumar::cli {

namespace {

// The choice the supplement number dialog is answered with.
bool noIncrement = false;

int ChooseSupplementNumber(CSupplementNumberDlg& dialog, void* /*parent*/) {
    if (noIncrement) {
        dialog.CheckNoIncrement();
    } else {
        dialog.CheckIncrement();
    }
    dialog.OnOK();
    return kIdOk;
}

class AddSupplementCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::int32_t publication_ = 0;
    std::string pdf_;
    bool noIncrement_ = false;
};

CLI::App* AddSupplementCommand::Declare(CLI::App& app) {
    CLI::App* command =
        app.add_subcommand("add-supplement", "add a PDF as the publication's next supplement");
    command->add_option("--publication", publication_, "publication ID")->required();
    command->add_option("--pdf", pdf_, "the supplement's PDF")
        ->required()
        ->transform(AbsolutePathOption());
    command->add_flag("--no-increment", noIncrement_,
                      "keep the proposed supplement number instead of the next one");
    return command;
}

int AddSupplementCommand::Run(const GlobalOptions& global) {
    CliSession session(global);
    session.LogOn();
    session.OpenDocument(pdf_);
    const std::int32_t before =
        FetchPublicationRecords(publication_).publication.Supplement_ID_next;
    noIncrement = noIncrement_;
    SetPresenter<CSupplementNumberDlg>(ChooseSupplementNumber);
    {
        ManagerSession manager(session, publication_);
        manager.LockWhenReleased();
        manager.Click(kIdcAddSupplement, "Add supplement");
    }
    SetPresenter<CSupplementNumberDlg>(nullptr);
    const std::int32_t after = FetchPublicationRecords(publication_).publication.Supplement_ID_next;
    return after != 0 && after != before ? kExitDone : kExitFailed;
}

}  // namespace

std::unique_ptr<Command> MakeAddSupplementCommand() {
    return std::make_unique<AddSupplementCommand>();
}

}  // namespace lumar::cli
