// lumar publications: "PublicationLastInfoList" in the publication manager's
// default columns, one tab-separated line per publication after a header.

#include <algorithm>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/terminal_output.h"
#include "platform/host/roles.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "ui/column_layout.h"
#include "ui/column_sets.h"

namespace lumar::cli {

namespace {

// A cell never breaks its line: tabs and line breaks become blanks.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

class PublicationsCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;
};

CLI::App* PublicationsCommand::Declare(CLI::App& app) {
    return app.add_subcommand("publications",
                              "list the publications: the manager's default columns, "
                              "tab-separated, with a header line");
}

int PublicationsCommand::Run(const GlobalOptions& global) {
    CliSession session(global);
    session.LogOn();
    PublicationInfoListRequest all;
    all.LogUser_ID = LogUserID();
    WSListResult<PublicationLastInfoRecord> list;
    if (!CWSClient().PublicationLastInfoList(all, list)) {
        host::alertNote(list.Message);
        return kExitFailed;
    }
    // Without a sort column the manager orders its rows by the first field.
    std::sort(list.Records.begin(), list.Records.end(),
              [](const PublicationLastInfoRecord& a, const PublicationLastInfoRecord& b) {
                  return a.Publication_ID < b.Publication_ID;
              });
    const std::vector<int> columns = DefaultPublicationLayout().Shown();
    std::string header;
    for (int column : columns) {
        header += (header.empty() ? "" : "\t") + ColumnTitle(ColumnSetId::Publications, column);
    }
    PrintResult(header);
    for (const PublicationLastInfoRecord& record : list.Records) {
        std::string line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            line += (i == 0 ? "" : "\t") + OneLine(CellText(record, columns[i]));
        }
        PrintResult(line);
    }
    return kExitDone;
}

}  // namespace

std::unique_ptr<Command> MakePublicationsCommand() {
    return std::make_unique<PublicationsCommand>();
}

}  // namespace lumar::cli
