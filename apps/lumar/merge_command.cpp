// lumar merge --publication ID: the publication's next supplement merged
// into its binders with its stored merge data.

#include "cli_session.h"
#include "commands.h"
#include "exit_codes.h"
#include "publication_merge.h"

namespace lumar::cli {

int RunMerge(const GlobalOptions& global, const MergeOptions& options) {
    CliSession session(global);
    session.LogOn();
    const MergeOutcome outcome = MergePublication(session, options.publication);
    if (!outcome.success) {
        return kExitFailed;
    }
    PrintMergeTable(outcome);
    return kExitDone;
}

}  // namespace lumar::cli
