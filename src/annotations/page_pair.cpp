#include "annotations/page_pair.h"

#include "annotations/colour.h"
#include "annotations/tag.h"
#include "annotations/white_space.h"
#include "platform/text/cp1252.h"

namespace lumar {

std::optional<PairPages> SplitPair(std::string_view pair) {
    const std::size_t split = pair.find('\n');
    if (split == std::string_view::npos) {
        return std::nullopt;
    }
    return PairPages{std::string(pair.substr(0, split)), std::string(pair.substr(split + 1))};
}

std::optional<std::string> PairColour(std::string_view pair) {
    const auto pages = SplitPair(pair);
    if (!pages) {
        return std::nullopt;
    }
    const std::string oddTag = ExtractTag(pages->first);
    if (oddTag.empty()) {
        return std::nullopt;
    }
    std::string_view key = kColourKey;
    std::string oddValue = TagValue(oddTag, key);
    if (oddValue.empty()) {
        key = kColorKey;
        oddValue = TagValue(oddTag, key);
    }
    const std::string evenTag = ExtractTag(pages->second);
    if (evenTag.empty()) {
        return std::nullopt;
    }
    if (!text::equalsIgnoreCase(oddValue, TagValue(evenTag, key))) {
        return std::nullopt;
    }
    // A leaf without colour needs an even page without one, under either key.
    if (oddValue.empty() && !TagValue(evenTag, kColourKey).empty()) {
        return std::nullopt;
    }
    return oddValue;
}

std::optional<bool> PairTabsheet(std::string_view pair) {
    const auto pages = SplitPair(pair);
    if (!pages) {
        return std::nullopt;
    }
    const std::string oddTag = ExtractTag(pages->first);
    if (oddTag.empty()) {
        return std::nullopt;
    }
    const std::string oddValue = TagValue(oddTag, kTabsheetKey);
    if (oddValue.empty()) {
        return std::nullopt;
    }
    const std::string evenTag = ExtractTag(pages->second);
    if (evenTag.empty()) {
        return std::nullopt;
    }
    if (!text::equalsIgnoreCase(oddValue, TagValue(evenTag, kTabsheetKey))) {
        return std::nullopt;
    }
    if (oddValue == "true") {
        return true;
    }
    if (oddValue == "false") {
        return false;
    }
    return std::nullopt;
}

std::string SetPairValue(std::string_view pair, std::string_view key, std::string_view value) {
    const std::string_view trimmed = Trim(pair);
    const auto pages = SplitPair(trimmed);
    if (!pages) {
        return std::string(trimmed);
    }
    const auto setIn = [&](const std::string& page) {
        return ReplaceTag(page, SetTagValue(ExtractTag(page), key, value));
    };
    return setIn(pages->first) + "\n" + setIn(pages->second);
}

std::string SetPairColour(std::string_view pair, std::string_view colour) {
    const std::string withoutColor = SetPairValue(pair, kColorKey, "");
    return SetPairValue(withoutColor, kColourKey, colour == kNoColour ? "" : colour);
}

std::string SetPairTabsheet(std::string_view pair, bool on) {
    return SetPairValue(pair, kTabsheetKey, on ? "true" : "");
}

}  // namespace lumar
