#include "cli/run.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/terminal_output.h"
#include "cli/typed_path.h"
#include "lumar_version.h"

namespace lumar::cli {

namespace {

constexpr const char* kDescription =
    "lumar: the Lumar system on the command line.\n"
    "Messages go to standard error, results to standard output.\n"
    "Exit codes: 0 done, 1 the command failed, 2 usage error,\n"
    "3 log-on failed or the service could not be reached.";

constexpr const char* kAnswers =
    "Questions are answered by --answer (in order), else by --yes with the first button, "
    "else with the last button (Cancel, No).";

void AddGlobalOptions(CLI::App& app, GlobalOptions& global) {
    app.add_option("--registry", global.registry,
                   "settings file (default $LUMAR_REGISTRY, else "
                   "$XDG_CONFIG_HOME/lumar/registry.reg, else ~/.config/lumar/registry.reg)")
        ->transform(AbsolutePathOption());
    app.add_option("--service", global.service, "service address for this run only");
    app.add_option("--user", global.user, "log-on name");
    app.add_option("--password-env", global.passwordEnv,
                   "environment variable holding the password (default LUMAR_PASSWORD; "
                   "without it the password is asked for on a terminal)");
    app.add_flag("--yes", global.yes,
                 "answer every question with its first button (OK, Yes, Continue)");
    app.add_option("--answer", global.answers,
                   "answer the next question with the button of this text (repeatable), "
                   "e.g. --answer Replace")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag("--quiet", global.quiet, "no progress line and no remarks of lumar itself")
        ->each([](const std::string&) { SetQuiet(true); });
}

}  // namespace

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const OutputTo output(out, err);
    SetQuiet(false);

    GlobalOptions global;
    int result = kExitDone;
    const std::vector<std::unique_ptr<Command>> commands = AllCommands();
    CLI::App app(kDescription, "lumar");
    app.footer(kAnswers);
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("lumar ") + kVersion);
    AddGlobalOptions(app, global);
    for (const std::unique_ptr<Command>& command : commands) {
        Command* runs = command.get();
        runs->Declare(app)->callback([&result, &global, runs] { result = runs->Run(global); });
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error, out, err);
        return code == 0 ? kExitDone : kExitUsage;
    } catch (const CommandExit& exit) {
        if (*exit.what() != '\0') {
            out.flush();
            err << exit.what() << '\n';
        }
        return exit.code();
    }
    out.flush();
    return result;
}

}  // namespace lumar::cli
