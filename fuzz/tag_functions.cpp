// Runs the page text and tag functions on arbitrary texts. Besides never
// crashing, a tag written into a page text without markers must read back as
// the normalised tag.
//
// Input: page text, a NUL byte, tag text, a NUL byte, key (each part optional).

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "annotations/colour.h"
#include "annotations/page_pair.h"
#include "annotations/page_pairs.h"
#include "annotations/page_text.h"
#include "annotations/tag.h"
#include "annotations/white_space.h"

namespace {

std::string_view NextPart(std::string_view& rest) {
    const std::size_t nul = rest.find('\0');
    const std::string_view part = rest.substr(0, nul);
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    return part;
}

bool HasMarker(std::string_view text) {
    return text.find(lumar::kTagOpen) != std::string_view::npos ||
           text.find(lumar::kTagClose) != std::string_view::npos;
}

// True when "<<#" + tag + "#>>" holds no marker but its own two: the tag can
// stand between the markers without changing where they are found.
bool FitsBetweenMarkers(std::string_view tag) {
    const std::string wrapped =
        std::string(lumar::kTagOpen) + std::string(tag) + std::string(lumar::kTagClose);
    return wrapped.find(lumar::kTagOpen, 1) == std::string::npos &&
           wrapped.find(lumar::kTagClose) == wrapped.size() - lumar::kTagClose.size();
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view page = NextPart(rest);
    const std::string_view tag = NextPart(rest);
    const std::string_view key = NextPart(rest);

    const std::string pageText = lumar::PageText(page);
    const std::string extracted = lumar::ExtractTag(pageText);
    (void)lumar::TagValue(extracted, key);
    (void)lumar::SetTagValue(extracted, key, tag);
    (void)lumar::SetTagValue(tag, key, "");
    (void)lumar::TagValue(tag, key);
    const std::string replaced = lumar::ReplaceTag(page, tag);

    if (!HasMarker(page) && FitsBetweenMarkers(lumar::Trim(tag))) {
        Check(lumar::ExtractTag(replaced) == lumar::NormaliseTag(tag));
    }
    (void)lumar::PairColour(page);
    (void)lumar::PairTabsheet(page);
    (void)lumar::PairDisplayColour(page);
    (void)lumar::SetPairColour(page, tag);
    (void)lumar::SetPairColour(page, lumar::kNoColour);
    const std::string on = lumar::SetPairTabsheet(page, true);
    (void)lumar::SetPairTabsheet(on, false);
    (void)lumar::SetPairValue(page, key, tag);
    (void)lumar::SplitAnnotationData(page, static_cast<std::int32_t>(tag.size() % 64));
    return 0;
}
