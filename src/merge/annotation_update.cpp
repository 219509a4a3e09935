// The commands that change page annotations instead of moving pages:
// SetTabsheet marks page pairs as tab sheets or not, SetColour gives them a
// paper colour or none. Both work page by page on the data annotation.

#include <cstdint>
#include <string>
#include <string_view>

#include "annotations/colour.h"
#include "annotations/page_data.h"
#include "annotations/page_pair.h"
#include "annotations/tag.h"
#include "annotations/white_space.h"
#include "merge/merge_state.h"
#include "platform/host/roles.h"

namespace lumar {

namespace {

// The page text with one attribute of its tag set (an empty value removes it).
std::string SetPageValue(std::string_view pageText, std::string_view key, std::string_view value) {
    const std::string_view trimmed = Trim(pageText);
    const std::string tag = SetTagValue(ExtractTag(trimmed), key, value);
    return ReplaceTag(trimmed, tag);
}

std::string SetPageTabsheet(std::string_view pageText, bool on) {
    return SetPageValue(pageText, kTabsheetKey, on ? "true" : "");
}

std::string SetPageColour(std::string_view pageText, std::string_view colour) {
    const std::string withoutColor = SetPageValue(pageText, kColorKey, "");
    return SetPageValue(withoutColor, kColourKey, colour == kNoColour ? "" : colour);
}

struct UpdateWords {
    const char* noSupplement;
    const char* noBinder;
    const char* invalid;
};

// Rewrites the data annotation of every page of the command's shifted range.
// `change` makes a page's new text from its old one.
template <typename Change>
bool UpdatePages(MergeState& state, pdf::Document* document, std::size_t index,
                 const UpdateWords& words, bool colourKnown, Change change) {
    if (document == nullptr) {
        host::alertNote(state.supplementMode ? words.noSupplement : words.noBinder);
        return false;
    }
    if (!colourKnown) {
        host::alertNote("Unknown colour parameter.");
        return false;
    }
    const MergeCommand& command = state.commands[index];
    const std::int64_t first = ShiftPair(state, command.first, index);
    const std::int64_t last = ShiftPair(state, command.last, index);
    const std::int64_t firstPage = 2 * first - 2;
    const std::int64_t lastPage = 2 * last - 1;
    // Page indices count from 0: the last page is pageCount - 1.
    if (first < 1 || firstPage > lastPage || lastPage >= host::pageCount(document)) {
        host::alertNote(words.invalid);
        return false;
    }
    for (std::int64_t pageIndex = firstPage; pageIndex <= lastPage; ++pageIndex) {
        pdf::Page* page = nullptr;
        try {
            page = host::acquirePage(document, static_cast<int>(pageIndex));
        } catch (const host::HostError& error) {
            host::alertNote("Error acquiring page: " + host::hostErrorText(error));
            continue;
        }
        bool found = false;
        try {
            std::string text;
            ReadPageData(page, "", PageDataSink(text));
            found = WritePageData(page, change(text));
        } catch (...) {
            host::releasePage(page);
            throw;
        }
        host::releasePage(page);
        if (!found) {
            host::alertNote("Annotations missing.");
            return false;
        }
    }
    return true;
}

}  // namespace

bool ExecSetTabsheet(MergeState& state, pdf::Document* document, std::size_t index) {
    static constexpr UpdateWords kWords{"No supplement specified for ToggleTabsheet.",
                                        "No binder specified for ToggleTabsheet.",
                                        "Invalid ToggleTabsheet parameters."};
    const bool on = state.commands[index].tabsheetOn;
    return UpdatePages(state, document, index, kWords, true,
                       [on](const std::string& text) { return SetPageTabsheet(text, on); });
}

bool ExecSetColour(MergeState& state, pdf::Document* document, std::size_t index) {
    static constexpr UpdateWords kWords{"No supplement specified for SetColour.",
                                        "No binder specified for SetColour.",
                                        "Invalid SetColour parameters."};
    const std::string colour = state.commands[index].colour;
    const bool known = colour == kNoColour || ColourByName(colour).has_value();
    return UpdatePages(state, document, index, kWords, known,
                       [&colour](const std::string& text) { return SetPageColour(text, colour); });
}

}  // namespace lumar
