// lumar merge --publication ID: the publication's next supplement merged
// into its binders with its stored merge data.

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/publication_merge.h"

namespace lumar::cli {

namespace {

class MergeCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::int32_t publication_ = 0;
};

CLI::App* MergeCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "merge", "merge the publication's next supplement with its stored merge data");
    command->add_option("--publication", publication_, "publication ID")->required();
    return command;
}

int MergeCommand::Run(const GlobalOptions& global) {
    CliSession session(global);
    session.LogOn();
    const MergeOutcome outcome = MergePublication(session, publication_);
    if (!outcome.success) {
        return kExitFailed;
    }
    PrintMergeTable(outcome);
    return kExitDone;
}

}  // namespace

std::unique_ptr<Command> MakeMergeCommand() {
    return std::make_unique<MergeCommand>();
}

}  // namespace lumar::cli
