// lumar demo [DIR]: the main job on the reference service's demo data. Makes
// the workspace, starts lumar-service --demo on a loopback port with its
// database in DIR, logs on as the demo editor, merges the demo publication
// and prints what became of every binder. With --no-merge the service stays
// up and the merge is left to the desktop.

#include <cstdio>
#include <cstdlib>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/demo_workspace.h"
#include "cli/exit_codes.h"
#include "cli/publication_merge.h"
#include "cli/service_process.h"
#include "cli/terminal_output.h"
#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "platform/text/cp1252.h"
#include "service/logon_store.h"
#include "service/ws_client.h"

namespace lumar::cli {

namespace {

constexpr std::string_view kDemoEditor = "editor";

void WriteDemoSettings(const DemoWorkspace& workspace, const std::string& uri) {
    ::setenv("LUMAR_REGISTRY", workspace.settings.c_str(), 1);
    const bool written =
        WriteTextSetting("Uri", "Web_service", uri) &&
        WriteTextSetting("Uri", "Base_docs", text::fromUtf8(workspace.binders.string())) &&
        WriteTextSetting("Uri", "Supp_docs", text::fromUtf8(workspace.supplements.string())) &&
        WriteTextSetting("Uri", "Annotations", text::fromUtf8(workspace.annotations.string())) &&
        // Written off: the settings dialog shows a missing value as checked,
        // and its OK would then move every folder below the SAP code.
        WriteNumberSetting("Uri", "Append_SAP", 0);
    if (!written) {
        throw CommandExit(kExitFailed, "lumar: cannot write " + workspace.settings.string());
    }
}

std::int32_t DemoPublicationId() {
    PublicationInfoListRequest all;
    all.LogUser_ID = LogUserID();
    WSListResult<PublicationLastInfoRecord> list;
    if (!CWSClient().PublicationLastInfoList(all, list)) {
        PrintMessage(list.Message);
        throw CommandExit(kExitFailed, "");
    }
    for (const PublicationLastInfoRecord& publication : list.Records) {
        if (publication.SAP_code == demo::kSapCode) {
            return publication.Publication_ID;
        }
    }
    throw CommandExit(kExitFailed, "lumar: the service has no demo publication");
}

class DemoCommand final : public Command {
public:
    CLI::App* Declare(CLI::App& app) override;
    int Run(const GlobalOptions& global) override;

private:
    std::string folder_ = "lumar-demo";
    int port_ = 0;
    bool keepService_ = false;
    bool noMerge_ = false;
};

CLI::App* DemoCommand::Declare(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "demo",
        "make a demo workspace in DIR, start lumar-service --demo and merge the demo "
        "publication");
    command->add_option("DIR", folder_, "workspace folder (default ./lumar-demo)");
    command->add_option("--port", port_, "service port (default: a free one)")
        ->check(CLI::Range(0, 65535));
    command->add_flag("--keep-service", keepService_, "leave the service running");
    command->add_flag("--no-merge", noMerge_,
                      "leave the merge to the desktop (the service keeps running)");
    return command;
}

int DemoCommand::Run(const GlobalOptions& global) {
    const DemoWorkspace workspace = DemoWorkspaceIn(folder_);
    try {
        PrepareDemoWorkspace(workspace);
    } catch (const std::exception& error) {
        throw CommandExit(kExitFailed, std::string("lumar: cannot make the demo workspace in ") +
                                           workspace.folder.string() + ": " + error.what());
    }
    PrintRemark("Demo workspace: " + workspace.folder.string());

    ServiceProcess service({workspace.database, workspace.serviceLog, port_, true});
    PrintRemark("lumar-service --demo listening on " + service.Uri());
    WriteDemoSettings(workspace, service.Uri());

    GlobalOptions demoOptions = global;
    demoOptions.registry = workspace.settings.string();
    demoOptions.service.clear();
    int result = kExitFailed;
    if (noMerge_) {
        keepService_ = true;
        result = kExitDone;
        PrintResultUtf8("Merge the demo publication from the desktop:");
        PrintResultUtf8("  LUMAR_REGISTRY=" + workspace.settings.string() +
                        " build/apps/lumar-desk/lumar-desk");
        PrintResultUtf8("  then Lumar > Log on... as " + std::string(kDemoEditor) + " (password " +
                        std::string(demo::PasswordOf(kDemoEditor)) +
                        "), Lumar > Open publication manager...,");
        PrintResultUtf8(
            "  and from the DEMO row's menu choose Lock publication, then Merge publication...");
    } else {
        CliSession session(demoOptions);
        session.LogOn(std::string(kDemoEditor), std::string(demo::PasswordOf(kDemoEditor)));
        const MergeOutcome outcome = MergePublication(session, DemoPublicationId());
        if (outcome.success) {
            PrintMergeTable(outcome);
            result = kExitDone;
        }
    }

    PrintResult("");
    PrintResultUtf8("Where to look:");
    PrintResultUtf8("  binders (before and after) " + workspace.binders.string());
    PrintResultUtf8("  supplement                 " + workspace.supplements.string());
    PrintResultUtf8("  settings file              " + workspace.settings.string());
    PrintResultUtf8("  service database and log   " + workspace.database.string() + ", " +
                    workspace.serviceLog.string());
    if (keepService_) {
        PrintResultUtf8("  service (still running)    " + service.Uri() + " (pid " +
                        std::to_string(service.Pid()) + "; stop it with: kill " +
                        std::to_string(service.Pid()) + ")");
        service.Release();
    }
    PrintResultUtf8("Run the demo again on the same folder to start afresh.");
    return result;
}

}  // namespace

std::unique_ptr<Command> MakeDemoCommand() {
    return std::make_unique<DemoCommand>();
}

}  // namespace lumar::cli
