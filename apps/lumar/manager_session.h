#pragma once

// The publication manager opened from the "&Lumar" menu in the command
// line's session, with one publication selected, and its buttons clicked as
// a user would click them. The merge data editor opens through the
// launcher installed here: asked to merge, it merges at once.

#include <cstdint>

#include "cli_session.h"

namespace lumar {
class CManagerDlg;
}

namespace lumar::cli {

class ManagerSession {
public:
    // Opens the manager and selects the publication; ends the command
    // (exit 1) when it is not in the list.
    ManagerSession(CliSession& session, std::int32_t publicationId);
    ~ManagerSession();
    ManagerSession(const ManagerSession&) = delete;
    ManagerSession& operator=(const ManagerSession&) = delete;

    CManagerDlg& Manager() { return manager_; }
    [[nodiscard]] bool ButtonEnabled(int button) const;
    // Clicks the button; ends the command (exit 1) when it is disabled.
    void Click(int button, const char* what);
    // Locks the selected publication when it is released (the button Lock).
    void LockWhenReleased();

    // The outcome of the last merge the editor ran.
    [[nodiscard]] bool MergeSucceeded() const;
    [[nodiscard]] std::int32_t MergedPublicationId() const;

private:
    CManagerDlg& manager_;
    std::int32_t publicationId_;
};

}  // namespace lumar::cli
