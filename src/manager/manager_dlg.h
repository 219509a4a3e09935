#pragma once

// CManagerDlg: the publication manager, the plug-in's modeless main window
// for the administration of publications. This is its model: the list of
// publications (the latest version of each), the selection, which command
// is available for the selected publication, and every command. The view
// binds to it without adding logic; without a view (the command line, tests)
// the model runs alone.
//
// One object serves the whole life of the plug-in (Instance()); the
// publication list, the current publication and the full-refresh flag
// survive closing, so a reopened manager shows the publications as last
// fetched unless the user changed.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/window_placement.h"
#include "service/ws_records.h"
#include "service/ws_results.h"

namespace lumar {

class CManagerDlg;

// The manager's window, as the host's user interface makes it. Its factory
// is called by Open with the model; the window calls the model's
// OnInitDialog while it is created and draws the model's rows and buttons.
class ManagerWindow {
public:
    virtual ~ManagerWindow() = default;
    // The platform window: the owner of the manager's dialogs and choosers.
    virtual void* PlatformWindow() = 0;
    // The rows, the selection or the buttons of the model changed.
    virtual void ModelChanged() {}
    // The window's placement as it is now, saved when the manager closes.
    virtual std::optional<WindowPlacement> Placement() { return std::nullopt; }
    // Takes the list's header, as the user left it, into the publication
    // column layout; called when the manager closes, before it is saved.
    virtual void CaptureColumns() {}
};

// Makes the window (null when it cannot be created).
using ManagerWindowFactory = std::function<std::unique_ptr<ManagerWindow>(CManagerDlg&)>;

// Installs the factory and returns the one replaced. Without a factory the
// manager opens without a window: the model alone.
ManagerWindowFactory SetManagerWindowFactory(ManagerWindowFactory factory);

class CManagerDlg {
public:
    static constexpr const char* kTitle = "Manage publications";
    static constexpr const char* kTabTitle = "Available publications";
    static constexpr const char* kRegistryName = "ManagerDlg";

    // The plug-in's one manager.
    static CManagerDlg& Instance();

    CManagerDlg() = default;
    CManagerDlg(const CManagerDlg&) = delete;
    CManagerDlg& operator=(const CManagerDlg&) = delete;

    // The menu items "Open publication &manager..." and "Close publication
    // &manager"; Close also serves the Close button, Escape and the log-off.
    void Open();
    void Close();
    [[nodiscard]] static bool IsOpen();

    // Called by the window while it is created, and by Close.
    void OnInitDialog();
    void OnDestroy();

    // The list: one row per record of the publication list, in row order.
    [[nodiscard]] const std::vector<PublicationLastInfoRecord*>& Rows() const { return rows_; }
    [[nodiscard]] int SelectedRow() const { return selectedRow_; }
    // Selects a row (-1: none) and updates the buttons.
    void SelectRow(int row);
    // Selects the row of the publication; false when no row shows it.
    bool SelectPublication(std::int32_t publicationId);
    // The record of the selected row, or null.
    [[nodiscard]] PublicationLastInfoRecord* Selected() const;
    [[nodiscard]] std::int32_t CurrentPublication() const { return currentPublication_; }
    [[nodiscard]] bool FullRefreshPending() const { return fullRefresh_; }
    [[nodiscard]] int SortColumn() const { return sortColumn_; }
    [[nodiscard]] const std::optional<WindowPlacement>& InitialPlacement() const {
        return placement_;
    }

    // Fetches the publications again (all of them after a full-refresh
    // request, otherwise the current one) and rebuilds the rows. A non-zero
    // ID becomes the current publication and is selected.
    void Refill(std::int32_t selectId = 0, bool lockUpdates = false);

    // A click on the header of list column `column`: sorts by it (again:
    // the other way round); the selection stays on its publication.
    void OnHeaderClick(int column);

    // The command handler of the list and the buttons: with `available`
    // it answers whether the command is available, without it runs the
    // command. Always returns 1.
    int ListCommand(int command, bool* available = nullptr);
    [[nodiscard]] bool CommandAvailable(int command) const;

    // Buttons: enabled by their command's availability; "&Add..." shown only
    // for level 4 and above. UpdateButtons recomputes them.
    void UpdateButtons();
    [[nodiscard]] bool ButtonEnabled(int button) const;
    [[nodiscard]] bool AddButtonVisible() const { return addVisible_; }
    // A click: the buttons are updated, then the command runs when its
    // button is enabled. The Close button closes the manager.
    void ClickButton(int button);

    // A double click on the list with one row selected.
    void OnDoubleClick();
    // Alt with a lower-case letter; false when the character is not a
    // shortcut of the manager (the default handling applies then).
    bool OnMenuChar(char character);
    // The tool tip of "&Add..." (empty when there is no reason to show).
    std::string AddButtonToolTip();

    // The platform window of the manager (null without a view).
    [[nodiscard]] void* PlatformWindow() const;

    // The commands, for the list's context menu, the buttons and the command
    // line. Each reports its own failures.
    void PublicationDetails();
    void SupplementDetails();
    void MergeDataDetails(bool merge);
    void AddMergeData();
    void LockPublication(bool lock);
    void RevertPublication();

private:
    void RunCommand(int command);
    void RebuildRows();
    void SortAndSelect(std::int32_t publicationId);
    void NotifyView();

    std::unique_ptr<ManagerWindow> window_;
    bool initialised_ = false;

    // Kept for the life of the plug-in.
    std::int32_t currentPublication_ = 0;
    bool fullRefresh_ = true;
    WSListResult<PublicationLastInfoRecord> publications_;

    std::vector<PublicationLastInfoRecord*> rows_;
    int selectedRow_ = -1;
    int sortColumn_ = -1;
    std::optional<WindowPlacement> placement_;

    std::vector<int> enabledButtons_;
    bool addVisible_ = false;
    int addToolTipReason_ = 0;
};

// The execute procedures of "Open publication &manager..." and "Close
// publication &manager" (the log-off closes the manager through the latter).
void ManagerOpenCommand(void* clientData);
void ManagerCloseCommand(void* clientData);

}  // namespace lumar
