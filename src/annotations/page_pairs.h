#pragma once

// Page pair lists: the page pair texts of a document, read from the
// `Annotation_data` text that the service keeps for every binder document
// and supplement (one line per page, each ended by CR LF).
//
// Element 0 of a list is the placeholder "<NULL>", so that the index equals
// the page pair number. An empty list means that no annotation data is
// available.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumar {

inline constexpr std::string_view kNullPair = "<NULL>";

using PagePairList = std::vector<std::string>;

// The pairs of `annotationData` for a document of `pageCount` pages, or the
// failure message (then `pairs` is empty). A lone CR counts as a line end,
// and the last line needs none.
struct PagePairsResult {
    PagePairList pairs;
    std::string error;

    [[nodiscard]] bool ok() const { return error.empty(); }
};
PagePairsResult SplitAnnotationData(std::string_view annotationData, std::int32_t pageCount);

// CR LF, then every remaining CR, replaced by LF.
std::string NormaliseLineEnds(std::string_view text);

}  // namespace lumar
