// The font part of the PDF check: the font procedure and the subset test.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "pdftools/pdf_check.h"
#include "pdftools/pdf_check_state.h"
#include "platform/host/roles.h"
#include "ui/progress.h"

namespace lumar {

namespace {

constexpr int kCosNull = 0;
constexpr int kCosDictionary = 6;
constexpr int kCosArray = 7;

// The name of a font dictionary's "BaseFont" entry, or none.
std::optional<std::string> BaseFontName(const pdf::CosObject& font) {
    const pdf::CosObject baseFont = host::dictionaryValue(font, "BaseFont");
    if (host::objectType(baseFont) == kCosNull) {
        return std::nullopt;
    }
    return host::nameText(baseFont);
}

}  // namespace

bool IsSubsetFontName(std::string_view name) {
    if (name.size() <= 7 || name[6] != '+') {
        return false;
    }
    for (std::size_t i = 0; i < 6; ++i) {
        if (name[i] < 'A' || name[i] > 'Z') {
            return false;
        }
    }
    return true;
}

bool FontIsSubset(const pdf::Font* font) {
    const pdf::CosObject object = host::objectOfFont(font);
    if (host::objectType(object) != kCosDictionary) {
        return false;
    }
    if (host::objectType(host::dictionaryValue(object, "BaseFont")) == kCosNull) {
        return false;
    }
    if (const auto name = BaseFontName(object); name && IsSubsetFontName(*name)) {
        return true;
    }
    const pdf::CosObject descendants = host::dictionaryValue(object, "DescendantFonts");
    if (host::objectType(descendants) != kCosArray || host::arrayLength(descendants) < 1) {
        return false;
    }
    const pdf::CosObject descendant = host::arrayElement(descendants, 0);
    if (host::objectType(descendant) != kCosDictionary) {
        return false;
    }
    const auto name = BaseFontName(descendant);
    if (!name) {
        return false;
    }
    // A vertical-writing font's name starts with "@".
    std::string_view text = *name;
    if (!text.empty() && text.front() == '@') {
        text.remove_prefix(1);
    }
    return IsSubsetFontName(text);
}

bool PdfCheckFontProc(const pdf::Font* font, void* quiet) {
    pdf_check::WorkingState& working = pdf_check::Working();
    const bool showProgress = quiet == nullptr;
    if (showProgress) {
        AdvanceProgress(1, nullptr);
    }
    bool fontOk = true;
    std::string embedding = "Embedded";
    if (!host::fontIsEmbedded(font)) {
        embedding = "Not embedded (NOK)";
        ++working.errorCount;
        fontOk = false;
    } else if (FontIsSubset(font)) {
        embedding = "Subset embedded (NOK)";
        ++working.errorCount;
        fontOk = false;
    }
    if (showProgress) {
        AdvanceProgress(1, nullptr);
    }

    std::optional<std::string> encoding = host::fontEncodingName(font);
    const std::string name = host::fontName(font, 128);
    const host::Atom subtypeAtom = host::fontSubtype(font);
    const std::string subtype =
        subtypeAtom == host::kNoAtom ? std::string() : host::stringOfAtom(subtypeAtom);
    if (!encoding) {
        encoding = "Custom-encoding (NOK)";
        ++working.errorCount;
        fontOk = false;
    }
    working.report += name + "\r\n\ttype:\t" + subtype + "\r\n\tencoding:\t" + *encoding +
                      "\r\n\tembedding:\t" + embedding + "\r\n";
    if (!fontOk) {
        ++working.fontErrorCount;
    }
    return fontOk;
}

}  // namespace lumar
