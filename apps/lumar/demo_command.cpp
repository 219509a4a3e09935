// lumar demo [DIR]: the main job on the reference service's demo data. Makes
// the workspace, starts lumar-service --demo on a loopback port with its
// database in DIR, logs on as the demo editor, merges the demo publication
// and prints what became of every binder.

#include <cstdio>
#include <cstdlib>

#include "cli_session.h"
#include "commands.h"
#include "config/settings_store.h"
#include "demo/demo_data.h"
#include "demo_workspace.h"
#include "exit_codes.h"
#include "platform/text/cp1252.h"
#include "publication_merge.h"
#include "service/logon_store.h"
#include "service/ws_client.h"
#include "service_process.h"
#include "terminal_output.h"

namespace lumar::cli {

namespace {

constexpr std::string_view kDemoEditor = "editor";

void WriteDemoSettings(const DemoWorkspace& workspace, const std::string& uri) {
    ::setenv("LUMAR_REGISTRY", workspace.settings.c_str(), 1);
    const bool written =
        WriteTextSetting("Uri", "Web_service", uri) &&
        WriteTextSetting("Uri", "Base_docs", text::fromUtf8(workspace.binders.string())) &&
        WriteTextSetting("Uri", "Supp_docs", text::fromUtf8(workspace.supplements.string())) &&
        WriteTextSetting("Uri", "Annotations", text::fromUtf8(workspace.annotations.string()));
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

}  // namespace

int RunDemo(const GlobalOptions& global, const DemoOptions& options) {
    const DemoWorkspace workspace = DemoWorkspaceIn(options.folder);
    try {
        PrepareDemoWorkspace(workspace);
    } catch (const std::exception& error) {
        throw CommandExit(kExitFailed, std::string("lumar: cannot make the demo workspace in ") +
                                           workspace.folder.string() + ": " + error.what());
    }
    PrintRemark("Demo workspace: " + workspace.folder.string());

    ServiceProcess service({workspace.database, workspace.serviceLog, options.port, true});
    PrintRemark("lumar-service --demo listening on " + service.Uri());
    WriteDemoSettings(workspace, service.Uri());

    GlobalOptions demoOptions = global;
    demoOptions.registry = workspace.settings.string();
    demoOptions.service.clear();
    int result = kExitFailed;
    {
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
    PrintResultUtf8("  PDF check reports          " + workspace.binders.string() +
                    "/*.pdf_report.txt");
    PrintResultUtf8("  supplement                 " + workspace.supplements.string());
    PrintResultUtf8("  settings file              " + workspace.settings.string());
    PrintResultUtf8("  service database and log   " + workspace.database.string() + ", " +
                    workspace.serviceLog.string());
    if (options.keepService) {
        PrintResultUtf8("  service (still running)    " + service.Uri() + " (pid " +
                        std::to_string(service.Pid()) + "; stop it with: kill " +
                        std::to_string(service.Pid()) + ")");
        service.Release();
    }
    PrintResultUtf8("Run the demo again on the same folder to start afresh.");
    return result;
}

}  // namespace lumar::cli
