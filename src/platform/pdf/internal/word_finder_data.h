#pragma once

// What a WordFinder holds: a serialised copy of its document and poppler's
// view of it.

#include <poppler-document.h>

#include <memory>
#include <string>

namespace lumar::pdf::internal {

struct WordFinderData {
    // poppler reads from this buffer without copying it; it outlives
    // `document` (members are destroyed in reverse order).
    std::string bytes;
    std::unique_ptr<poppler::document> document;
};

}  // namespace lumar::pdf::internal
