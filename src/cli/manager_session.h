#pragma once

// The publication manager opened from the "&Lumar" menu in the command
// line's session, with one publication selected, and its buttons clicked as
// a user would click them. Without windows the manager's Merge runs the
// merge data editor's immediate merge at once.

#include <cstdint>

#include "cli/cli_session.h"

namespace lumar {
class CManagerDlg;
}

namespace lumar::cli {

class ManagerSession {
public:
    // Opens the manager and selects the publication; ends the command
    // (exit 1) when it is not in the list.
    ManagerSession(CliSession& session, std::int32_t publicationId);
    ~ManagerSession() = default;
    ManagerSession(const ManagerSession&) = delete;
    ManagerSession& operator=(const ManagerSession&) = delete;

    CManagerDlg& Manager() { return manager_; }
    [[nodiscard]] bool ButtonEnabled(int button) const;
    // Clicks the button; ends the command (exit 1) when it is disabled.
    void Click(int button, const char* what);
    // Locks the selected publication when it is released (the button Lock).
    void LockWhenReleased();

    [[nodiscard]] std::int32_t PublicationId() const { return publicationId_; }

private:
    CManagerDlg& manager_;
    std::int32_t publicationId_;
};

}  // namespace lumar::cli
