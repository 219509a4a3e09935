// lumar merge-data check FILE: the merge data parser in one of its contexts,
// its command records printed one per line.

#include <iterator>
#include <sstream>
#include <vector>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/input_file.h"
#include "cli/publication_records.h"
#include "cli/terminal_output.h"
#include "cli/typed_path.h"
#include "merge/merge_data_parser.h"
#include "platform/text/cp1252.h"
#include "service/logon_store.h"
#include "service/ws_records.h"

namespace lumar::cli {

namespace {

const char* KindName(CommandKind kind) {
    static const char* const kNames[] = {"Empty",   "Binder",      "Replace",  "Insert",
                                         "Delete",  "Store",       "Restore",  "Create",
                                         "Extract", "SetTabsheet", "SetColour"};
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(kNames) ? kNames[index] : "?";
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) {
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    return parts;
}

std::int32_t Number(const std::string& text, const char* option) {
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used);
        if (used == text.size() && value >= 0 && value <= 999999) {
            return static_cast<std::int32_t>(value);
        }
    } catch (const std::exception&) {
    }
    throw CommandExit(kExitUsage, std::string("lumar: ") + option + ": not a number: " + text);
}

// "1=40,2=30": binder documents with their page counts.
std::vector<BinderDocRecord> BinderPages(const std::string& text) {
    std::vector<BinderDocRecord> binders;
    for (const std::string& item : Split(text, ',')) {
        const auto equals = item.find('=');
        if (equals == std::string::npos) {
            throw CommandExit(kExitUsage,
                              "lumar: --binder-pages: expected BINDER=PAGES, got " + item);
        }
        BinderDocRecord binder;
        binder.Binder_number = Number(item.substr(0, equals), "--binder-pages");
        binder.Page_count = Number(item.substr(equals + 1), "--binder-pages");
        binders.push_back(binder);
    }
    return binders;
}

MergeDataContext ContextOf(const std::string& name) {
    if (name == "executor") {
        return MergeDataContext::ExecutorMerge;
    }
    if (name == "update") {
        return MergeDataContext::ExecutorUpdate;
    }
    if (name == "editor") {
        return MergeDataContext::Editor;
    }
    return MergeDataContext::AnnotationsDialog;
}

void PrintRecord(std::size_t index, const MergeCommand& command) {
    std::ostringstream line;
    line << index << '\t' << KindName(command.kind) << '\t' << command.first << '\t' << command.last
         << '\t' << command.destinationPosition << '\t' << command.sourcePosition << '\t'
         << command.sourceBinder << '\t' << command.destinationBinder << '\t'
         << (command.tabsheetOn ? 1 : 0) << '\t'
         << (command.kind == CommandKind::SetColour ? command.colour : std::string()) << '\t'
         << command.text;
    PrintResult(line.str());
}

class MergeDataCheckCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::string file_;  // "-": standard input
    std::string context_;
    std::int32_t publication_ = 0;
    std::string binderPages_;  // "1=40,2=30"
    std::int32_t binderCount_ = -1;
    std::int32_t supplementPages_ = 0;
    std::string colours_;  // "red,light blue"
    std::int32_t showing_ = 1;
};

CLI::App* MergeDataCheckCommand::Declare(CLI::App& app) {
    CLI::App* mergeData = app.add_subcommand("merge-data", "merge data tools");
    mergeData->require_subcommand(1);
    CLI::App* command = mergeData->add_subcommand(
        "check", "parse merge data or update data in a context; prints one line per command");
    command->add_option("FILE", file_, "merge data file (- = standard input)")
        ->required()
        ->transform(AbsolutePathOption());
    command->add_option("--context", context_, "executor, update, editor or dialog")
        ->required()
        ->check(CLI::IsMember({"executor", "update", "editor", "dialog"}));
    CLI::Option* publication =
        command->add_option("--publication", publication_,
                            "take binders, supplement and colours from this publication");
    CLI::Option* binderPages = command->add_option("--binder-pages", binderPages_,
                                                   "binder page counts, e.g. \"1=40,2=30\"");
    publication->excludes(binderPages);
    command
        ->add_option("--binder-count", binderCount_,
                     "Binder_count (default: the number of binders given)")
        ->excludes(publication);
    command->add_option("--supplement-pages", supplementPages_, "the supplement's page count")
        ->excludes(publication);
    command->add_option("--colours", colours_, "colour names, e.g. \"red,light blue\"")
        ->excludes(publication);
    command->add_option("--showing", showing_,
                        "dialog context: the document shown (0 the supplement, N binder N; "
                        "default 1)");
    return command;
}

int MergeDataCheckCommand::Run(const GlobalOptions& global) {
    if (publication_ == 0 && binderPages_.empty()) {
        throw CLI::ValidationError("--publication or --binder-pages is needed");
    }
    const std::string text = ReadInputFile(file_);
    const MergeDataContext context = ContextOf(context_);

    std::vector<BinderDocRecord> binders;
    std::vector<ColourRecord> colours;
    MergeDataInputs inputs;
    inputs.shownBinder = showing_;
    std::unique_ptr<CliSession> session;
    if (publication_ != 0) {
        session = std::make_unique<CliSession>(global);
        session->LogOn();
        const PublicationRecords records = FetchPublicationRecords(publication_);
        binders = records.binderDocuments;
        inputs.binderCount = records.publication.Binder_count;
        inputs.supplementPageCount = records.supplement.Page_count;
        // The colours are the logged-on user's list.
    } else {
        binders = BinderPages(binderPages_);
        inputs.binderCount =
            binderCount_ >= 0 ? binderCount_ : static_cast<std::int32_t>(binders.size());
        inputs.supplementPageCount = supplementPages_;
        for (const std::string& name : Split(colours_, ',')) {
            ColourRecord colour;
            colour.Colour_ID = static_cast<std::int32_t>(colours.size()) + 1;
            colour.Name = text::fromUtf8(name);
            colours.push_back(colour);
        }
        inputs.colours = &colours;
    }
    inputs.binderDocuments = binders;

    const MergeDataParse parse = ParseMergeData(text, context, inputs);
    for (std::size_t i = 0; i < parse.commands.size(); ++i) {
        PrintRecord(i, parse.commands[i]);
    }
    if (!parse.success) {
        if (!parse.alertText.empty()) {
            PrintMessage(parse.alertText);
        }
        if (!parse.errorText.empty()) {
            PrintMessage(parse.errorText);
        }
        if (parse.alertText.empty() && parse.errorText.empty()) {
            PrintMessage("Parsing of merge data failed.");
        }
        return kExitFailed;
    }
    if (context == MergeDataContext::ExecutorMerge || context == MergeDataContext::ExecutorUpdate) {
        PrintResult("steps\t" + std::to_string(parse.stepTotal));
    }
    return kExitDone;
}

}  // namespace

std::unique_ptr<Command> MakeMergeDataCheckCommand() {
    return std::make_unique<MergeDataCheckCommand>();
}

}  // namespace lumar::cli
