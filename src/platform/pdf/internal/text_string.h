#pragma once

// PDF text strings (PDFDocEncoding or UTF-16) to and from the system's
// Windows-1252 bytes.

#include <qpdf/QPDFObjectHandle.hh>
#include <string>

namespace lumar::pdf::internal {

// The text of a string object as Windows-1252 bytes; empty for anything that
// is not a string.
std::string textOf(QPDFObjectHandle object);

// A text string object holding `cp1252`, in PDFDocEncoding when it can be
// and UTF-16 otherwise.
QPDFObjectHandle textString(const std::string& cp1252);

}  // namespace lumar::pdf::internal
