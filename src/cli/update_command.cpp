// lumar update: update data (tab sheets and colours) applied to a binder or
// the next supplement through the document annotations dialog's Update.

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/input_file.h"
#include "cli/manager_session.h"
#include "cli/publication_records.h"
#include "cli/typed_path.h"
#include "merge/annotations_dlg.h"

namespace lumar::cli {

namespace {

class UpdateCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::int32_t publication_ = 0;
    std::int32_t binder_ = 0;
    bool supplement_ = false;
    std::string data_;  // "-": standard input
};

CLI::App* UpdateCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "update", "apply update data (tab sheets and colours) to a binder or the supplement");
    command->add_option("--publication", publication_, "publication ID")->required();
    CLI::Option* binder =
        command->add_option("--binder", binder_, "binder number")->check(CLI::Range(1, 35));
    CLI::Option* supplement = command->add_flag("--supplement", supplement_, "the next supplement");
    binder->excludes(supplement);
    command->add_option("--data", data_, "update data file (- = standard input)")
        ->required()
        ->transform(AbsolutePathOption());
    return command;
}

int UpdateCommand::Run(const GlobalOptions& global) {
    if (binder_ == 0 && !supplement_) {
        throw CLI::ValidationError("--binder N or --supplement is needed");
    }
    const std::string data = ReadInputFile(data_);
    CliSession session(global);
    session.LogOn();
    {
        ManagerSession manager(session, publication_);
        manager.LockWhenReleased();
    }
    const PublicationRecords records = FetchPublicationRecords(publication_);
    if (supplement_ && records.supplement.Supplement_ID == 0) {
        throw CommandExit(kExitFailed, "lumar: publication " + std::to_string(publication_) +
                                           " has no next supplement");
    }
    AnnotationsDlgInputs inputs;
    inputs.publication = records.publication;
    inputs.binderDocuments = records.binderDocuments;
    inputs.supplement = records.supplement;
    inputs.binder = supplement_ ? 0 : binder_;
    CAnnotationsDlg dialog(std::move(inputs));
    dialog.OnInitDialog(nullptr);
    const bool updated = dialog.ApplyUpdateData(data);
    dialog.OnDestroy();
    return updated ? kExitDone : kExitFailed;
}

}  // namespace

std::unique_ptr<Command> MakeUpdateCommand() {
    return std::make_unique<UpdateCommand>();
}

}  // namespace lumar::cli
