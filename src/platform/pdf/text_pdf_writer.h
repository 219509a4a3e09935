#pragma once

// Writes simple text PDFs: A4 pages showing lines of text in an embedded
// TrueType font, each page with one data annotation (a Text annotation
// titled "Index" with its note window). The result is a PDF 1.3 file whose
// fonts are fully embedded, as production files must be. The demo workspace
// is made of these.
//
//   TextPdfPage page;
//   page.lines = {"Demo binder 1", "Page 1"};
//   page.annotation = "Demo binder 1 page 1 <<#TABSHEET=true#>>";
//   WriteTextPdf(folder / "Demo1H003.pdf", {page});

#include <filesystem>
#include <string>
#include <vector>

namespace lumar::pdf {

// The TrueType font embedded unless another is named.
inline constexpr const char* kDefaultTextFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct TextPdfPage {
    std::vector<std::string> lines;  // Windows-1252, drawn from the top
    std::string annotation;          // the data annotation's contents; none when empty
};

// Writes through a temporary file in the target folder and a rename. Throws
// PdfError (WriteFailed, FileNotFound) or std::runtime_error when the font
// cannot be read.
void WriteTextPdf(const std::filesystem::path& target, const std::vector<TextPdfPage>& pages,
                  const std::filesystem::path& fontFile = kDefaultTextFont);

}  // namespace lumar::pdf
