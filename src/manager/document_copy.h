#pragma once

// Copying a document file into a document folder, replacing a file of the
// same name: through a temporary file beside the target and a rename, so the
// target is always either the old file or the whole copy, which has the
// source's permissions.

#include <string>

namespace lumar {

// Returns 0, or the system's error code (errno) of the failure.
int CopyDocumentFile(const std::string& source, const std::string& target);

// Reports a failed copy: "Error copying document." with the system's text
// for the code in a message box, or the code itself when the system has no
// text; an error code of 0 shows the text alone in an alert note.
void ReportCopyError(int errorCode);

}  // namespace lumar
