#pragma once

// The details dialog's "Search in selected document..." command: the search
// dialog, the search, its summary with the choice of viewing the results or
// searching again, and the results dialog.
//
//   SearchCommand command;
//   command.window = detailsWindow;
//   command.publication = publication;
//   command.scope = SearchScope::Binders(...);   // the selected documents
//   command.bringToFront = [&] { raise the details dialog; };
//   RunSearchCommand(command);

#include <functional>

#include "search/document_search.h"
#include "service/ws_records.h"

namespace lumar {

struct SearchCommand {
    void* window = nullptr;  // the details dialog: parent of everything shown
    PublicationLastInfoRecord publication;
    SearchScope scope;
    // Brings the details dialog to the front after the results dialog.
    std::function<void()> bringToFront;
};

// Runs until the user is done: cancelling the search dialog, answering OK
// to the summary, or closing the results dialog.
void RunSearchCommand(SearchCommand& command);

}  // namespace lumar
