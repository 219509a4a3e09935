#pragma once

// Storing the host's active document as a document of a publication: it
// replaces the selected binder or supplement of the details dialog, or (add
// mode) becomes a new supplement with the dialog's supplement number. The
// document is checked (even page count, saved, one data annotation per page,
// the PDF check), registered with the service and then copied into the
// binders or supplements folder.

namespace lumar {

class CPublicationDetailsDlg;

// Runs "&Replace with current document" on the dialog's state; asks "Are you
// sure?" first unless the dialog is in add mode. Returns whether the service
// accepted the document. Ends the dialog's add mode; a failure in add mode
// cancels the dialog.
bool StoreActiveDocument(CPublicationDetailsDlg& dialog);

}  // namespace lumar
