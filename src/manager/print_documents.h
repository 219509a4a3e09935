#pragma once

// Printing the documents selected in the details dialog. Each document is
// opened in the host from the binders or supplements folder and printed by
// the host: one document with the host's print dialog, several one after
// another without it, under a progress dialog that can cancel between
// documents. The documents stay open in the host afterwards.
//
//   PrintSelection selection{FolderKind::Binders, "DEMO", {{"Demo1H003.pdf", 8}},
//                            dialogWindow, dialogHostWindow};
//   PrintSelectedDocuments(selection);

#include <cstdint>
#include <string>
#include <vector>

#include "config/document_folders.h"
#include "platform/host/host_types.h"
#include "platform/host/print_params.h"

namespace lumar {

namespace host {
class DocumentView;
}

// One selected document: its file name in the folder and its page count as
// the service records it (the progress counts with it).
struct PrintableDocument {
    std::string Doc_file;
    std::int32_t Page_count = 0;
};

struct PrintSelection {
    FolderKind folder = FolderKind::Binders;  // Binders or Supplements
    std::string sapCode;
    std::vector<PrintableDocument> documents;  // the selected rows in list order
    void* parentWindow = nullptr;              // the details dialog's window
    host::HostWindow hostWindow = 0;           // its host window
};

// The print parameter record for a document of `pageCount` pages: every page,
// with the host's print dialog when `single`.
host::PrintParams MakePrintParams(std::int32_t pageCount, bool single, host::HostWindow owner);

// Prints the selected documents. Several ask "This might take a while..."
// first and run under a progress dialog; the first document that cannot be
// opened or printed ends the run.
void PrintSelectedDocuments(const PrintSelection& selection);

// Opens the document `fileName` of the folder of `kind` for the SAP code in
// a host view; none (and the reason shown) when the folder is not usable, the
// name is not a plain file name, or the host cannot open the file.
host::DocumentView* OpenDocument(FolderKind kind, const std::string& sapCode,
                                 const std::string& fileName);

// Prints every page of the view's document; false when there is no view or
// the host failed (shown) or did not print (cancelled in its dialog).
bool PrintDocument(host::DocumentView* view, bool single, host::HostWindow owner);

}  // namespace lumar
