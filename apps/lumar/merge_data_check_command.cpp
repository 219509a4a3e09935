// lumar merge-data check FILE: the merge data parser in one of its contexts,
// its command records printed one per line.

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <vector>

#include "cli_session.h"
#include "commands.h"
#include "exit_codes.h"
#include "merge/merge_data_parser.h"
#include "platform/text/cp1252.h"
#include "publication_records.h"
#include "service/logon_store.h"
#include "service/ws_records.h"
#include "terminal_output.h"

namespace lumar::cli {

namespace {

const char* KindName(CommandKind kind) {
    static const char* const kNames[] = {"Empty",   "Binder",      "Replace",  "Insert",
                                         "Delete",  "Store",       "Restore",  "Create",
                                         "Extract", "SetTabsheet", "SetColour"};
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(kNames) ? kNames[index] : "?";
}

std::string ReadInput(const std::string& file) {
    if (file == "-") {
        return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw CommandExit(kExitFailed, "lumar: cannot read " + file);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

}  // namespace

int RunMergeDataCheck(const GlobalOptions& global, const MergeDataCheckOptions& options) {
    const std::string text = ReadInput(options.file);
    const MergeDataContext context = ContextOf(options.context);

    std::vector<BinderDocRecord> binders;
    std::vector<ColourRecord> colours;
    MergeDataInputs inputs;
    inputs.shownBinder = options.showing;
    std::unique_ptr<CliSession> session;
    if (options.publication != 0) {
        session = std::make_unique<CliSession>(global);
        session->LogOn();
        const PublicationRecords records = FetchPublicationRecords(options.publication);
        binders = records.binderDocuments;
        inputs.binderCount = records.publication.Binder_count;
        inputs.supplementPageCount = records.supplement.Page_count;
        // The colours are the logged-on user's list.
    } else {
        binders = BinderPages(options.binderPages);
        inputs.binderCount = options.binderCount >= 0 ? options.binderCount
                                                      : static_cast<std::int32_t>(binders.size());
        inputs.supplementPageCount = options.supplementPages;
        for (const std::string& name : Split(options.colours, ',')) {
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

}  // namespace lumar::cli
