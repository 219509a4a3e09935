#pragma once

// The footer export: for every page of a document, the words that touch the
// page's footer region (footer_region.h) as one line of a text file named
// "<base name>.ann.txt" in the annotations folder. The annotation import
// reads that file back, one line per page.
//
// A line holds the words in the order the host finds them, each followed by
// its separator: a blank when a blank follows the word or it ends its line,
// preceded by a NUL byte when the host marks the word so; nothing otherwise.
// A page without such a word gives "~". Lines end in CR LF.

#include <optional>
#include <string>
#include <string_view>

#include "platform/host/host_types.h"

namespace lumar {

namespace host {
class HostFile;
}
namespace pdf {
class Document;
}

// The regions a word is tested against: for pages with an even index (page
// numbers 1, 3, ...) and for pages with an odd index.
struct FooterRegions {
    host::FixedRect oddPages{};
    host::FixedRect evenPages{};
};

// True when the word's rectangle touches or overlaps the region.
bool WordTouchesRegion(const host::FixedRect& word, const host::FixedRect& region);

// The separator written after a word with the host's word attributes of
// groups 0 and 1.
std::string_view WordSeparator(std::uint16_t group0, std::uint16_t group1);

// Writes the lines of pages first to last into the open file, with progress
// in the host's monitor. A host failure is shown ("Extract text from footer:
// Error 3: ...") and gives false; the lines written before it stay.
bool ExtractFooterWords(pdf::Document* document, int first, int last, const FooterRegions& regions,
                        host::HostFile* file);

// Exports the footer text of the document into the file at `targetPath` (a
// platform path text), replacing what it held, and shows "Text extraction
// completed.". False, with a message, when the file cannot be opened or the
// extraction fails.
bool ExportFooterTextTo(pdf::Document* document, const FooterRegions& regions,
                        const std::string& targetPath);

// Exports the footer text of the active document with the confirmed regions
// into "<base name>.ann.txt" in the annotations folder (with the SAP code's
// subfolder when given and configured).
bool ExportFooterText(std::optional<std::string_view> sapCode);

}  // namespace lumar
