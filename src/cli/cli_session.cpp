#include "cli/cli_session.h"

#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "cli/exit_codes.h"
#include "cli/terminal_output.h"
#include "cli/typed_path.h"
#include "config/settings_store.h"
#include "platform/host/held_path.h"
#include "platform/host/roles.h"
#include "platform/settings/settings_file.h"
#include "platform/text/cp1252.h"
#include "plugin/logon_dlg.h"
#include "plugin/plugin_entry.h"
#include "service/logon_store.h"
#include "ui/modal_dialog.h"

namespace lumar::cli {

namespace {

// The credentials the log-on dialog is filled in with.
struct Credentials {
    std::string user;
    std::string password;
};
Credentials pendingCredentials;

int FillLogonDialog(CLogonDlg& dialog, void* parent) {
    dialog.OnInitDialog(parent);
    dialog.SetUserName(pendingCredentials.user);
    dialog.SetPassword(pendingCredentials.password);
    const bool ok = dialog.OnOK();
    dialog.OnDestroy();
    if (!ok) {
        PrintRemark("lumar: the user name and the password must not be blank");
    }
    return ok ? kIdOk : kIdCancel;
}

// A line typed at the terminal; without echo for a password.
std::string Prompt(const char* label, bool echo) {
    MessageStream() << label << std::flush;
    termios saved{};
    const bool hide = !echo && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (hide) {
        termios silent = saved;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    std::string line;
    std::getline(std::cin, line);
    if (hide) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        MessageStream() << '\n';
    }
    return line;
}

bool StdinIsTerminal() {
    return ::isatty(STDIN_FILENO) != 0;
}

}  // namespace

CliSession::CliSession(const GlobalOptions& options)
    : options_(options), answers_(options.yes, options.answers) {
    if (!options.registry.empty()) {
        ::setenv("LUMAR_REGISTRY", options.registry.c_str(), 1);
    }
    // A settings file that is there but cannot be read would make every
    // setting look unset ("No supplements folder set"): say which file and
    // why, once, and stop.
    const std::filesystem::path settingsPath = settings::SettingsFile::defaultPath();
    if (const auto problem = settings::SettingsFile(settingsPath).problem()) {
        throw CommandExit(kExitFailed, "lumar: the settings file " + settingsPath.string() +
                                           " cannot be read: " + *problem);
    }
    if (!options.service.empty()) {
        // The address holds for this run only: the run works on a copy of
        // the settings file that points there.
        const std::filesystem::path original = settings::SettingsFile::defaultPath();
        char folder[] = "/tmp/lumar-run-XXXXXX";
        if (::mkdtemp(folder) == nullptr) {
            throw CommandExit(kExitFailed, "lumar: cannot make a temporary folder");
        }
        serviceSettings_ = std::filesystem::path(folder) / "registry.reg";
        std::error_code ignored;
        if (std::filesystem::exists(original, ignored)) {
            std::filesystem::copy_file(original, serviceSettings_, ignored);
        }
        ::setenv("LUMAR_REGISTRY", serviceSettings_.c_str(), 1);
        if (!WriteTextSetting("Uri", "Web_service", text::fromUtf8(options.service))) {
            std::filesystem::remove_all(folder, ignored);
            throw CommandExit(kExitFailed,
                              "lumar: cannot use the service address " + options.service);
        }
    }
    SetQuiet(options.quiet);
    SetMessageBoxes(&answers_);
    SetProgressWindows(&progressLine_);
    SetPresenter<CLogonDlg>(FillLogonDialog);

    static int moduleInstance = 0;
    loaded_ = host::loadExtension(headless_.host(), &PlugInEntry, &moduleInstance);
    if (!loaded_.initialised) {
        throw CommandExit(kExitFailed, "lumar: the plug-in did not start");
    }
}

CliSession::~CliSession() {
    try {
        if (IsLoggedOn()) {
            host::MenuItem* logoff = headless_.menuBar().findItem("TOLMA:LumarLogoff");
            if (logoff != nullptr) {
                logoff->choose();
            }
        }
        host::unloadExtension(loaded_);
    } catch (const std::exception& error) {
        PrintRemark(std::string("lumar: ") + error.what());
    }
    SetPresenter<CLogonDlg>(nullptr);
    SetProgressWindows(nullptr);
    SetMessageBoxes(nullptr);
    if (!serviceSettings_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(serviceSettings_.parent_path(), ignored);
    }
}

std::string CliSession::Password() const {
    const char* value = std::getenv(options_.passwordEnv.c_str());
    if (value != nullptr) {
        return value;
    }
    if (StdinIsTerminal()) {
        return Prompt("Password: ", false);
    }
    throw CommandExit(kExitUsage, "lumar: no password: set " + options_.passwordEnv +
                                      " (or --password-env VAR), or run on a terminal");
}

void CliSession::LogOn() {
    std::string user = options_.user;
    if (user.empty()) {
        if (!StdinIsTerminal()) {
            throw CommandExit(kExitUsage, "lumar: --user NAME is needed to log on");
        }
        user = Prompt("User: ", true);
    }
    LogOn(user, Password());
}

void CliSession::LogOn(const std::string& user, const std::string& password) {
    pendingCredentials = {text::fromUtf8(user), text::fromUtf8(password)};
    host::MenuItem* logon = headless_.menuBar().findItem("TOLMA:LumarLogon");
    const bool ran = logon != nullptr && logon->choose();
    pendingCredentials = {};
    if (!ran || !IsLoggedOn()) {
        throw CommandExit(kExitLogonFailed, "");
    }
}

void CliSession::OpenDocument(const std::filesystem::path& path) {
    host::FileSystem* files = host::defaultFileSystem();
    try {
        // The host keeps the path it opened from: the document's folder and
        // base name, and every file named after it, come from the whole path.
        const std::string platformPath = text::fromUtf8(AbsolutePath(path.string()));
        const host::HeldPath hostPath(files, host::pathFromPlatformPath(files, platformPath));
        host::openDocumentInView(hostPath.get(), files);
    } catch (const host::HostError& error) {
        PrintMessage(host::hostErrorText(error));
        throw CommandExit(kExitFailed, "");
    }
}

namespace {

[[noreturn]] void NotAvailable(const host::MenuItem* item, const std::string& name) {
    const std::string title = item != nullptr ? item->title() : name;
    throw CommandExit(kExitFailed, "lumar: \"" + text::toUtf8(title) +
                                       "\" is not available (it needs a logged-on user of "
                                       "its level and a document)");
}

}  // namespace

void CliSession::RunMenuItem(const std::string& name) {
    host::MenuItem* item = headless_.menuBar().findItem(name);
    if (item == nullptr || !item->choose()) {
        NotAvailable(item, name);
    }
}

void CliSession::RequireMenuItem(const std::string& name) {
    const host::MenuItem* item = headless_.menuBar().findItem(name);
    if (item == nullptr || !item->isVisible() || !item->isEnabled()) {
        NotAvailable(item, name);
    }
}

pdf::Document* CliSession::ActiveDocument() const {
    host::DocumentView* view = host::activeDocument();
    return view != nullptr ? host::documentOfView(view) : nullptr;
}

}  // namespace lumar::cli
