// lumar search: the search over the annotation data of a publication's
// binders or supplement; one line per page pair found, and the pairs' pages
// extracted into a new PDF when asked.

#include <algorithm>
#include <sstream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/publication_records.h"
#include "cli/terminal_output.h"
#include "cli/typed_path.h"
#include "platform/text/cp1252.h"
#include "search/document_search.h"
#include "search/page_extraction.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar::cli {

namespace {

std::vector<std::int32_t> BinderNumbers(const std::string& list) {
    std::vector<std::int32_t> numbers;
    std::stringstream stream(list);
    std::string item;
    while (std::getline(stream, item, ',')) {
        try {
            std::size_t used = 0;
            const int number = std::stoi(item, &used);
            if (used == item.size() && number >= 1 && number <= 35) {
                numbers.push_back(number);
                continue;
            }
        } catch (const std::exception&) {
        }
        throw CommandExit(kExitUsage, "lumar: --binders: not a binder number: " + item);
    }
    return numbers;
}

// The supplement searched: the next one, else the one merged last.
SupplementRecord SearchedSupplement(const PublicationRecords& records) {
    const std::int32_t id = records.publication.Supplement_ID_next != 0
                                ? records.publication.Supplement_ID_next
                                : records.publication.Supplement_ID_done;
    WSListResult<SupplementRecord> list;
    if (id == 0 || !CWSClient().SupplementList({LogUserID(), id, 0, 0, 1, 0}, list) ||
        list.Records.empty()) {
        if (!list.Message.empty()) {
            PrintMessage(list.Message);
        }
        throw CommandExit(kExitFailed, "lumar: publication " +
                                           std::to_string(records.publication.Publication_ID) +
                                           " has no supplement to search");
    }
    return list.Records.front();
}

std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            line += " | ";
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

class SearchCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::int32_t publication_ = 0;
    std::string binders_;  // "1,2"; empty: every binder
    bool supplement_ = false;
    std::string text_;
    bool matchCase_ = false;
    std::string extract_;  // the PDF the hits' pages go to; empty: none
};

CLI::App* SearchCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "search",
        "search the annotation data of the publication's binders or supplement; one "
        "line per page pair found: binder, pair, text");
    command->add_option("--publication", publication_, "publication ID")->required();
    CLI::Option* binders = command->add_option("--binders", binders_,
                                               "binder numbers, e.g. 1,2 "
                                               "(default: every binder)");
    CLI::Option* supplement =
        command->add_flag("--supplement", supplement_, "search the supplement");
    binders->excludes(supplement);
    command->add_option("TEXT", text_, "what to search for")->required();
    command->add_flag("--match-case", matchCase_, "match upper and lower case");
    command->add_option("--extract", extract_, "write the pages of the pairs found into this PDF")
        ->transform(AbsolutePathOption());
    return command;
}

int SearchCommand::Run(const GlobalOptions& global) {
    CliSession session(global);
    session.LogOn();
    PublicationRecords records = FetchPublicationRecords(publication_);

    std::vector<BinderDocRecord> binders;
    SupplementRecord supplement;
    SearchScope scope;
    if (supplement_) {
        supplement = SearchedSupplement(records);
        scope = SearchScope::Supplement(supplement);
    } else {
        const std::vector<std::int32_t> wanted = BinderNumbers(binders_);
        for (const BinderDocRecord& binder : records.binderDocuments) {
            if (wanted.empty() ||
                std::find(wanted.begin(), wanted.end(), binder.Binder_number) != wanted.end()) {
                binders.push_back(binder);
            }
        }
        std::sort(binders.begin(), binders.end(),
                  [](const BinderDocRecord& a, const BinderDocRecord& b) {
                      return a.Binder_number < b.Binder_number;
                  });
        scope = SearchScope::Binders(binders);
    }

    const SearchOutcome outcome =
        SearchDocuments({text::fromUtf8(text_), matchCase_}, scope, nullptr);
    for (const SearchHit& hit : outcome.hits) {
        PrintResult(std::to_string(hit.binder) + "\t" + std::to_string(hit.pair) + "\t" +
                    OneLine(hit.text));
    }
    PrintMessage(outcome.summary);
    if (outcome.stopped) {
        return kExitFailed;
    }
    if (!extract_.empty() && !outcome.hits.empty()) {
        ExtractionSources sources;
        sources.sapCode = records.publication.SAP_code;
        sources.binders = binders;
        if (supplement_) {
            sources.supplement = supplement;
        }
        if (!ExtractPagesToFile(outcome.hits, sources, text::fromUtf8(extract_))) {
            return kExitFailed;
        }
    }
    return kExitDone;
}

}  // namespace

std::unique_ptr<Command> MakeSearchCommand() {
    return std::make_unique<SearchCommand>();
}

}  // namespace lumar::cli
