#pragma once

// The one error type of the PDF engine: a code the host can pass on as its
// error code, and a text for the user.

#include <stdexcept>
#include <string>

namespace lumar::pdf {

// Error codes of the engine. The values are stable: hosts show them to the
// user ("Error %d: %s") and tests compare them.
enum class ErrorCode : int {
    General = 1,         // anything not covered below
    FileNotFound = 2,    // the file or its folder does not exist
    FileOpen = 3,        // the file exists but cannot be opened
    Damaged = 4,         // not a PDF, or damaged beyond repair
    Password = 5,        // encrypted with a password we do not have
    BadPageRange = 6,    // a page index or range outside the document
    BadArgument = 7,     // any other argument out of its range
    WriteFailed = 8,     // a document or file could not be written
    DocumentClosed = 9,  // the document was closed before this call
    NotAnnotation = 10,  // the object is not an annotation dictionary
    FileIo = 11,         // read, write or seek on an open file failed
};

class PdfError : public std::runtime_error {
public:
    PdfError(ErrorCode code, const std::string& message)
        : std::runtime_error(message), code_(code) {}

    ErrorCode code() const noexcept { return code_; }
    int codeValue() const noexcept { return static_cast<int>(code_); }

private:
    ErrorCode code_;
};

}  // namespace lumar::pdf
