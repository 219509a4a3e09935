#include "annotations/page_pairs.h"

#include "annotations/white_space.h"

namespace lumar {

std::string NormaliseLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

PagePairsResult SplitAnnotationData(std::string_view annotationData, std::int32_t pageCount) {
    PagePairsResult result;
    const auto fail = [&result](std::string_view message) {
        result.pairs.clear();
        result.error = message;
        return result;
    };
    if (pageCount % 2 != 0) {
        return fail("Inconsistency found: odd page count!");
    }
    const std::string data = NormaliseLineEnds(annotationData);
    if (IsBlank(data)) {
        return fail("Missing annotation data!");
    }
    result.pairs.emplace_back(kNullPair);
    std::size_t pos = 0;
    std::int64_t pages = 0;
    while (pages < pageCount) {
        const std::size_t oddEnd = data.find('\n', pos);
        if (oddEnd == std::string::npos) {
            return fail("Inconsistency found: odd annotation count!");
        }
        ++pages;
        std::size_t evenEnd = data.find('\n', oddEnd + 1);
        if (evenEnd == std::string::npos) {
            if (pageCount != pages + 1) {
                return fail("Inconsistency found: page count > annotation count!");
            }
            evenEnd = data.size();  // the last line needs no line end
        }
        ++pages;
        result.pairs.push_back(data.substr(pos, evenEnd - pos));
        pos = evenEnd + 1;
    }
    if (pos < data.size() && !IsBlank(std::string_view(data).substr(pos))) {
        return fail("Inconsistency found: page count < annotation count!");
    }
    return result;
}

}  // namespace lumar
