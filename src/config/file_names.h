#pragma once

// File names of binders, supplements, annotation files and reports.
//
// A binder document is named prefix, binder character, "H", supplement number
// zero-padded to the publication's width, ".pdf" ("abc1H007.pdf"); binder i
// is written '1'..'9' for 1 to 9 and 'A'..'Z' for 10 to 35. Names are formed
// from a lower-cased path (as on a file system that ignores case), so they
// are looked up without regard to case (FindFileIgnoringCase).
// Paths are Windows-1252 texts with '/' as separator.

#include <optional>
#include <string>
#include <string_view>

namespace lumar {

inline constexpr int kMaxBinders = 35;

// The text with each character that cannot stand in a file name component
// (\ / : * ? " < > | TAB LF CR, and NUL) replaced by '_'. A text made only of
// dots ("." or "..") has its dots replaced too, so that it cannot name the
// folder itself or the one above.
std::string MakeFileNameComponent(std::string_view text);

// True for a usable file name: not empty, not "." or "..", and without any of
// the characters above.
bool IsUsableFileName(std::string_view name);

// '1'..'9', 'A'..'Z' for binders 1 to 35; none for any other number.
std::optional<char> BinderCharacter(int binder);

// prefix + binder character + "H" + number padded to `width` + ".pdf"; none
// for a binder that cannot be named.
std::optional<std::string> BinderFileName(std::string_view prefix, int binder, int width,
                                          long number);

struct FirstBinderName {
    std::string prefix;  // everything before the binder character, lower-cased
    int width = 0;       // digits of the supplement number, 1 to 5
    long number = 0;     // the supplement number

    bool operator==(const FirstBinderName&) const = default;
};

// Recognises the path of a publication's first binder ("*1H?*.pdf"): it ends
// in ".pdf" (any case); in the lower-cased path the number runs from after the
// last "h" to the last "." and has 1 to 5 digits; a binder character stands
// before the "h" in the file name itself.
std::optional<FirstBinderName> ParseFirstBinderName(std::string_view path);

// The path with its extension replaced by "_<binder character>H<number>.pdf"
// (number without padding); none for a binder that cannot be named.
std::optional<std::string> AlternateBinderName(std::string_view path, int binder, long number);

// folder + '/' + file name (no doubled separator after a folder ending in '/').
std::string DocumentPath(std::string_view folder, std::string_view fileName);

// The text after the last '/', cut at its last ".".
std::string BaseName(std::string_view path);

// The folder part of a path: the text before its last '/' ("/" for a file in
// the root, "" for a bare name).
std::string FolderOf(std::string_view path);

// Names derived from a document's path: annotation import file, footer export
// file and annotation report (these three go to the annotations folder), and
// the path of the PDF check report beside the document.
std::string AnnotationFileName(std::string_view documentPath);
std::string FooterExportFileName(std::string_view documentPath);
std::string AnnotationReportFileName(std::string_view documentPath);
std::string PdfCheckReportPath(std::string_view documentPath);

// Finds the file that `path` names when each of its components is compared
// without regard to case: a component counts as found when exactly one entry
// of its folder matches it (a folder for the inner components, a file that is
// not a folder for the last). Returns the path as the file system spells it.
std::optional<std::string> FindFileIgnoringCase(std::string_view path);

}  // namespace lumar
