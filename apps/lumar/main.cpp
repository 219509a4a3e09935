// lumar: the command-line host. Runs the plug-in's commands without windows;
// see "lumar --help" and README.md.

#include <CLI/CLI.hpp>
#include <cstdio>

#include "commands.h"
#include "exit_codes.h"
#include "terminal_output.h"

namespace {

using namespace lumar::cli;

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
                   "$XDG_CONFIG_HOME/lumar/registry.reg, else ~/.config/lumar/registry.reg)");
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

int main(int argc, char** argv) {
    CLI::App app(kDescription, "lumar");
    app.footer(kAnswers);
    app.require_subcommand(1);
    GlobalOptions global;
    AddGlobalOptions(app, global);
    int result = kExitDone;

    DemoOptions demo;
    CLI::App* demoCommand = app.add_subcommand(
        "demo",
        "make a demo workspace in DIR, start lumar-service --demo and merge the demo "
        "publication");
    demoCommand->add_option("DIR", demo.folder, "workspace folder (default ./lumar-demo)");
    demoCommand->add_option("--port", demo.port, "service port (default: a free one)")
        ->check(CLI::Range(0, 65535));
    demoCommand->add_flag("--keep-service", demo.keepService, "leave the service running");
    demoCommand->callback([&] { result = RunDemo(global, demo); });

    MergeOptions merge;
    CLI::App* mergeCommand = app.add_subcommand(
        "merge", "merge the publication's next supplement with its stored merge data");
    mergeCommand->add_option("--publication", merge.publication, "publication ID")->required();
    mergeCommand->callback([&] { result = RunMerge(global, merge); });

    MergeDataCheckOptions check;
    CLI::App* mergeData = app.add_subcommand("merge-data", "merge data tools");
    mergeData->require_subcommand(1);
    CLI::App* checkCommand = mergeData->add_subcommand(
        "check", "parse merge data or update data in a context; prints one line per command");
    checkCommand->add_option("FILE", check.file, "merge data file (- = standard input)")
        ->required();
    checkCommand->add_option("--context", check.context, "executor, update, editor or dialog")
        ->required()
        ->check(CLI::IsMember({"executor", "update", "editor", "dialog"}));
    CLI::Option* publication =
        checkCommand->add_option("--publication", check.publication,
                                 "take binders, supplement and colours from this publication");
    CLI::Option* binderPages = checkCommand->add_option("--binder-pages", check.binderPages,
                                                        "binder page counts, e.g. \"1=40,2=30\"");
    publication->excludes(binderPages);
    checkCommand
        ->add_option("--binder-count", check.binderCount,
                     "Binder_count (default: the number of binders given)")
        ->excludes(publication);
    checkCommand
        ->add_option("--supplement-pages", check.supplementPages, "the supplement's page count")
        ->excludes(publication);
    checkCommand->add_option("--colours", check.colours, "colour names, e.g. \"red,light blue\"")
        ->excludes(publication);
    checkCommand->add_option("--showing", check.showing,
                             "dialog context: the document shown (0 the supplement, N binder N; "
                             "default 1)");
    checkCommand->callback([&] {
        if (check.publication == 0 && check.binderPages.empty()) {
            throw CLI::ValidationError("--publication or --binder-pages is needed");
        }
        result = RunMergeDataCheck(global, check);
    });

    PdfCheckOptions pdfCheck;
    CLI::App* pdfCheckCommand = app.add_subcommand(
        "pdf-check",
        "check a PDF's version and fonts; prints version, font errors and verdict "
        "(exit 1 when not OK)");
    pdfCheckCommand->add_option("PDF", pdfCheck.pdf, "the PDF file")->required();
    pdfCheckCommand->add_flag("--part-of-operation", pdfCheck.partOfOperation,
                              "as inside a larger operation: the version is not judged");
    pdfCheckCommand->add_flag("--quiet", pdfCheck.quiet, "the check shows nothing");
    pdfCheckCommand->callback([&] { result = RunPdfCheck(global, pdfCheck); });

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? kExitDone : kExitUsage;
    } catch (const CommandExit& exit) {
        if (*exit.what() != '\0') {
            std::fflush(stdout);
            std::fprintf(stderr, "%s\n", exit.what());
        }
        return exit.code();
    }
    std::fflush(stdout);
    return result;
}
