#include "search/search_command.h"

#include "platform/host/roles.h"
#include "search/search_dlg.h"
#include "search/search_results_dlg.h"
#include "service/logon_store.h"
#include "ui/modal_dialog.h"

namespace lumar {

namespace {

void ShowResults(SearchCommand& command, const SearchOutcome& outcome,
                 const std::string& searchText) {
    CSearchResultsDlg results(outcome.hits, command.publication, searchText, !HasUserLevel(3));
    if (command.scope.binderMode()) {
        std::vector<BinderDocRecord> binders;
        for (const BinderDocRecord* record : command.scope.binders) {
            binders.push_back(*record);
        }
        results.SetBinderDocuments(std::move(binders));
    } else {
        results.SetSupplement(*command.scope.supplement);
    }
    DoModal(results, command.window);
    if (command.bringToFront) {
        command.bringToFront();
    }
}

}  // namespace

void RunSearchCommand(SearchCommand& command) {
    if (command.scope.binderMode() && command.scope.binders.empty()) {
        return;  // nothing selected
    }
    while (true) {
        CSearchDlg dialog(command.window);
        if (DoModal(dialog, command.window) != kIdOk) {
            return;
        }
        const SearchRequest request{dialog.Text(), dialog.MatchCase()};
        const SearchOutcome outcome = SearchDocuments(request, command.scope, command.window);
        if (!outcome.hits.empty()) {
            const int answer = host::alertWithButtons(host::AlertIcon::Status, outcome.summary,
                                                      "View results", "OK", "New search", true);
            if (answer == 1) {
                ShowResults(command, outcome, request.text);
                return;
            }
            if (answer != 3) {
                return;
            }
        } else {
            const int answer = host::alertWithButtons(host::AlertIcon::Status, outcome.summary,
                                                      "New search", "OK", nullptr, true);
            if (answer != 1) {
                return;
            }
        }
    }
}

}  // namespace lumar
