// lumar add-binders: the publication manager's "Add publication binders"
// with a file as the chosen first binder; the others are found beside it.

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/manager_session.h"
#include "cli/publication_records.h"
#include "cli/typed_path.h"
#include "manager/manager_commands.h"

namespace lumar::cli {

namespace {

class AddBindersCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::int32_t publication_ = 0;
    std::string firstBinder_;
};

CLI::App* AddBindersCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "add-binders", "add the publication's binders, found beside the first binder's file");
    command->add_option("--publication", publication_, "publication ID")->required();
    command->add_option("--first", firstBinder_, "the first binder's PDF")
        ->required()
        ->transform(AbsolutePathOption());
    return command;
}

int AddBindersCommand::Run(const GlobalOptions& global) {
    CliSession session(global);
    session.LogOn();
    const std::int32_t before = FetchPublicationRecords(publication_).publication.Binder_count;
    {
        ManagerSession manager(session, publication_);
        manager.LockWhenReleased();
        session.Answers().QueueChoice(firstBinder_);
        manager.Click(kIdcAdd, "Add publication binders");
    }
    return FetchPublicationRecords(publication_).publication.Binder_count > before ? kExitDone
                                                                                   : kExitFailed;
}

}  // namespace

std::unique_ptr<Command> MakeAddBindersCommand() {
    return std::make_unique<AddBindersCommand>();
}

}  // namespace lumar::cli
