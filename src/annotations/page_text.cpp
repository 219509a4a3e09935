#include "annotations/page_text.h"

#include "annotations/white_space.h"
#include "platform/text/cp1252.h"

namespace lumar {

bool IsDataAnnotationTitle(std::string_view title) {
    return text::toLower(title) == kDataAnnotationTitle;
}

std::string PageText(std::string_view contents) {
    const std::string_view trimmed = Trim(contents);
    std::string line;
    line.reserve(trimmed.size());
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c == '\r' && i + 1 < trimmed.size() && trimmed[i + 1] == '\n') {
            line += '\t';
            ++i;
        } else if (c == '\r' || c == '\n') {
            line += '\t';
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace lumar
