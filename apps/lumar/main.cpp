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

    app.add_subcommand("publications",
                       "list the publications: the manager's default columns, tab-separated, "
                       "with a header line")
        ->callback([&] { result = RunPublications(global); });

    MergeOptions merge;
    CLI::App* mergeCommand = app.add_subcommand(
        "merge", "merge the publication's next supplement with its stored merge data");
    mergeCommand->add_option("--publication", merge.publication, "publication ID")->required();
    mergeCommand->callback([&] { result = RunMerge(global, merge); });

    UpdateOptions update;
    CLI::App* updateCommand = app.add_subcommand(
        "update", "apply update data (tab sheets and colours) to a binder or the supplement");
    updateCommand->add_option("--publication", update.publication, "publication ID")->required();
    CLI::Option* binder = updateCommand->add_option("--binder", update.binder, "binder number")
                              ->check(CLI::Range(1, 35));
    CLI::Option* supplement =
        updateCommand->add_flag("--supplement", update.supplement, "the next supplement");
    binder->excludes(supplement);
    updateCommand->add_option("--data", update.data, "update data file (- = standard input)")
        ->required();
    updateCommand->callback([&] {
        if (update.binder == 0 && !update.supplement) {
            throw CLI::ValidationError("--binder N or --supplement is needed");
        }
        result = RunUpdate(global, update);
    });

    std::int32_t binderPublication = 0;
    std::string firstBinder;
    CLI::App* addBinders = app.add_subcommand(
        "add-binders", "add the publication's binders, found beside the first binder's file");
    addBinders->add_option("--publication", binderPublication, "publication ID")->required();
    addBinders->add_option("--first", firstBinder, "the first binder's PDF")->required();
    addBinders->callback([&] { result = RunAddBinders(global, binderPublication, firstBinder); });

    AddSupplementOptions addSupplementOptions;
    CLI::App* addSupplement =
        app.add_subcommand("add-supplement", "add a PDF as the publication's next supplement");
    addSupplement->add_option("--publication", addSupplementOptions.publication, "publication ID")
        ->required();
    addSupplement->add_option("--pdf", addSupplementOptions.pdf, "the supplement's PDF")
        ->required();
    addSupplement->add_flag("--no-increment", addSupplementOptions.noIncrement,
                            "keep the proposed supplement number instead of the next one");
    addSupplement->callback([&] { result = RunAddSupplement(global, addSupplementOptions); });

    SearchOptions search;
    CLI::App* searchCommand = app.add_subcommand(
        "search",
        "search the annotation data of the publication's binders or supplement; one "
        "line per page pair found: binder, pair, text");
    searchCommand->add_option("--publication", search.publication, "publication ID")->required();
    CLI::Option* binderList = searchCommand->add_option("--binders", search.binders,
                                                        "binder numbers, e.g. 1,2 "
                                                        "(default: every binder)");
    CLI::Option* inSupplement =
        searchCommand->add_flag("--supplement", search.supplement, "search the supplement");
    binderList->excludes(inSupplement);
    searchCommand->add_option("TEXT", search.text, "what to search for")->required();
    searchCommand->add_flag("--match-case", search.matchCase, "match upper and lower case");
    searchCommand->add_option("--extract", search.extract,
                              "write the pages of the pairs found into this PDF");
    searchCommand->callback([&] { result = RunSearch(global, search); });

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

    std::string checkPdf;
    CLI::App* checkAnnotations = app.add_subcommand(
        "check-annotations", "check that every page carries one data annotation (exit 1 when not)");
    checkAnnotations->add_option("PDF", checkPdf, "the PDF file")->required();
    checkAnnotations->callback([&] { result = RunCheckAnnotations(global, checkPdf); });

    std::string reportPdf;
    bool noNumbers = false;
    CLI::App* report = app.add_subcommand(
        "annotation-report", "write the annotation report (.rep) into the annotations folder");
    report->add_option("PDF", reportPdf, "the PDF file")->required();
    report->add_flag("--no-numbers", noNumbers, "without the page pair numbers");
    report->callback([&] { result = RunAnnotationReport(global, reportPdf, noNumbers); });

    ImportOptions import;
    CLI::App* importCommand = app.add_subcommand(
        "import-annotations", "give every page its data annotation from a file, one line a page");
    importCommand->add_option("PDF", import.pdf, "the PDF file")->required();
    importCommand
        ->add_option("--from", import.from, "annotation file (.ann) or footer file (.ann.txt)")
        ->required();
    CLI::Option* add =
        importCommand->add_flag("--add", import.add, "add to existing data annotations");
    CLI::Option* replace =
        importCommand->add_flag("--replace", import.replace, "replace existing data annotations");
    add->excludes(replace);
    importCommand->add_option("--save-as", import.saveAs,
                              "where to save (default: the PDF itself, through a temporary file)");
    importCommand->callback([&] {
        if (!import.add && !import.replace) {
            throw CLI::ValidationError("--add or --replace is needed");
        }
        result = RunImportAnnotations(global, import);
    });

    std::string footerPdf;
    std::string region;
    CLI::App* footer = app.add_subcommand(
        "export-footer", "export the footer text of every page into the annotations folder");
    footer->add_option("PDF", footerPdf, "the PDF file")->required();
    footer
        ->add_option("--region", region,
                     "the footer region for all pages: LEFT,BOTTOM,RIGHT,TOP in points")
        ->required();
    footer->callback([&] { result = RunExportFooter(global, footerPdf, region); });

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
