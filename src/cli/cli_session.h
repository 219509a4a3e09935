#pragma once

// The plug-in running in the command line's headless host: the same
// start-up a desktop host performs (entry point, set-up, handshake,
// initialisation: the "&Lumar" menu exists in the in-memory menu bar), the
// seams answered from the flags, and the session the commands run in.
//
//   CliSession session(options);
//   session.LogOn();                                   // exit 3 when refused
//   session.OpenDocument("binder.pdf");
//   session.RunMenuItem("TOLMA:LumarAnnotCheck");

#include <filesystem>
#include <memory>
#include <string>

#include "cli/flag_answers.h"
#include "cli/global_options.h"
#include "cli/progress_line.h"
#include "platform/host/extension_loader.h"
#include "platform/host/headless_host.h"

namespace lumar::pdf {
class Document;
}

namespace lumar::cli {

class CliSession {
public:
    explicit CliSession(const GlobalOptions& options);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Logs on with --user and the password from the environment (or typed
    // at the terminal) through the menu's log-on command. Throws CommandExit
    // with exit code 3 when nobody is logged on afterwards.
    void LogOn();
    void LogOn(const std::string& user, const std::string& password);

    // Opens a PDF in a view of the host, which makes it the active
    // document; a relative path is taken from the working folder. A failure
    // is printed and ends the command (exit 1).
    void OpenDocument(const std::filesystem::path& path);

    // Chooses a menu item as a user would; ends the command (exit 1) when
    // the item is not available (not shown or not enabled).
    void RunMenuItem(const std::string& name);
    // Ends the command (exit 1) unless the menu item is shown and enabled:
    // for commands that run the item's procedure step by step with the
    // answers from the options.
    void RequireMenuItem(const std::string& name);

    // The PDF document of the active view.
    [[nodiscard]] pdf::Document* ActiveDocument() const;

    FlagAnswers& Answers() { return answers_; }
    host::HeadlessHost& Host() { return headless_; }

private:
    std::string Password() const;

    GlobalOptions options_;
    std::filesystem::path serviceSettings_;  // the run's copy of the settings file
    FlagAnswers answers_;
    host::HeadlessHost headless_{answers_};
    ProgressLine progressLine_;
    host::LoadedExtension loaded_;
};

}  // namespace lumar::cli
