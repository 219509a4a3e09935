#pragma once

// What the annotations pane shows of a page: its data annotations (normally
// one) with their page text, the tag's tab sheet and colour attributes, and
// the text of their note windows. Read straight from the document, without
// the host's tables, so the desktop can show it whatever the extensions do.
// Texts are Windows-1252.

#include <string>
#include <vector>

namespace lumar::pdf {
class Document;
}

namespace lumar::desk {

enum class TabSheetState {
    No,       // no TABSHEET attribute, or "false"
    Yes,      // "true"
    Unclear,  // any other value
};

struct PageDataAnnotation {
    std::string pageText;  // the contents read as one line
    std::string tag;       // normalised; empty without a valid tag
    TabSheetState tabSheet = TabSheetState::No;
    std::string tabSheetValue;  // the value as written (lower case)
    std::string colour;         // COLOUR, or COLOR without it; empty: no colour
    bool hasNoteWindow = false;
    bool noteWindowOpen = false;
    // What the note window shows: its own contents, or else the note's
    // contents with their line breaks.
    std::string noteWindowText;
};

// The data annotations of page `pageIndex` in annotation order. Throws
// pdf::PdfError when the page cannot be read.
std::vector<PageDataAnnotation> ReadPageDataAnnotations(const pdf::Document& document,
                                                        int pageIndex);

}  // namespace lumar::desk
