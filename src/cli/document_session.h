#pragma once

// The session of the commands on one PDF that the "&Lumar" menu offers for
// the active document: logged on (the menu offers them to logged-on users of
// level 3) with the PDF open in the host as the active document.

#include <string>

#include "cli/cli_session.h"

namespace lumar::cli {

class DocumentSession {
public:
    // Logs on and opens the PDF; either failure ends the command.
    DocumentSession(const GlobalOptions& global, const std::string& pdf);

    CliSession& operator*() { return session_; }
    CliSession* operator->() { return &session_; }

private:
    CliSession session_;
};

}  // namespace lumar::cli
