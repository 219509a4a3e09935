#pragma once

// Words of a document's pages with their positions, read with the engine's
// text extractor.

#include <memory>
#include <string>
#include <vector>

#include "platform/pdf/geometry.h"

namespace lumar::pdf {

namespace internal {
struct DocumentState;
struct WordFinderData;
}  // namespace internal

struct Word {
    // The word's text as Windows-1252 bytes ('?' for characters outside the
    // code page).
    std::string text;
    // The word's bounding rectangle in page coordinates (default user space,
    // whatever the page's crop box and rotation).
    Rect box;
    // A blank follows the word on its line.
    bool blankFollows = false;
    // The word is the last of its line (or of the page).
    bool endsLine = false;
};

// A word finder works on a snapshot of its document taken when it is
// created: later changes to the document are not seen. Create a new one after
// changing the document.
class WordFinder {
public:
    WordFinder(WordFinder&& other) noexcept;
    WordFinder& operator=(WordFinder&& other) noexcept;
    ~WordFinder();

    [[nodiscard]] int pageCount() const;

    // The words of page `pageIndex` in reading order. Throws
    // PdfError(BadPageRange) for an index outside the document.
    [[nodiscard]] std::vector<Word> words(int pageIndex) const;

    explicit WordFinder(std::unique_ptr<internal::WordFinderData> data);

private:
    std::unique_ptr<internal::WordFinderData> data_;
};

}  // namespace lumar::pdf
