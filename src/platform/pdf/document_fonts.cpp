// The fonts used by a range of pages.

#include <qpdf/QPDFPageObjectHelper.hh>
#include <set>

#include "platform/pdf/document.h"
#include "platform/pdf/internal/document_state.h"
#include "platform/pdf/internal/object_util.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {

namespace {

using internal::nameOf;

bool hasFontFile(QPDFObjectHandle font) {
    QPDFObjectHandle descriptor = font.getKey("/FontDescriptor");
    if (!descriptor.isDictionary()) {
        return false;
    }
    for (const char* key : {"/FontFile", "/FontFile2", "/FontFile3"}) {
        if (descriptor.getKey(key).isStream()) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> encodingOf(QPDFObjectHandle font, const std::string& subtype) {
    QPDFObjectHandle encoding = font.getKey("/Encoding");
    if (encoding.isName()) {
        return nameOf(encoding);
    }
    if (subtype == "Type0" && encoding.isStream()) {
        // An embedded CMap: its name tells a standard one from a custom one.
        const std::string name = nameOf(encoding.getDict().getKey("/CMapName"));
        return name.empty() ? std::nullopt : std::optional<std::string>(name);
    }
    if (encoding.isDictionary() && !encoding.hasKey("/Differences")) {
        const std::string base = nameOf(encoding.getKey("/BaseEncoding"));
        if (!base.empty()) {
            return base;
        }
    }
    return std::nullopt;
}

class FontCollector {
public:
    FontCollector(std::shared_ptr<internal::DocumentState> document)
        : document_(std::move(document)) {}

    void addResources(QPDFObjectHandle resources) {
        if (!resources.isDictionary()) {
            return;
        }
        QPDFObjectHandle fonts = resources.getKey("/Font");
        if (fonts.isDictionary()) {
            for (auto [key, font] : fonts.ditems()) {
                if (font.isDictionary() && firstVisit(font)) {
                    fonts_.push_back(describe(font, key.substr(1)));
                    if (nameOf(font.getKey("/Subtype")) == "Type3") {
                        addResources(font.getKey("/Resources"));
                    }
                }
            }
        }
        QPDFObjectHandle xobjects = resources.getKey("/XObject");
        if (xobjects.isDictionary()) {
            for (auto [key, xobject] : xobjects.ditems()) {
                if (xobject.isStream() && nameOf(xobject.getDict().getKey("/Subtype")) == "Form" &&
                    firstVisit(xobject)) {
                    addResources(xobject.getDict().getKey("/Resources"));
                }
            }
        }
    }

    std::vector<Font> take() { return std::move(fonts_); }

private:
    // Indirect objects are visited once (this also ends reference loops);
    // direct ones cannot be told apart and are reported where they occur.
    bool firstVisit(const QPDFObjectHandle& object) {
        if (!object.isIndirect()) {
            return true;
        }
        return visited_.insert(object.getObjGen()).second;
    }

    // Descendants are described one level deep: a composite font's
    // descendants are CIDFonts, which have none (a damaged file may loop).
    Font describe(QPDFObjectHandle font, const std::string& resourceName, bool top = true) {
        Font result;
        result.subtype = nameOf(font.getKey("/Subtype"));
        result.name = nameOf(font.getKey("/BaseFont"));
        if (result.name.empty()) {
            result.name = nameOf(font.getKey("/Name"));
        }
        if (result.name.empty()) {
            result.name = resourceName;
        }
        result.encoding = encodingOf(font, result.subtype);
        result.object = CosObject(internal::makeRef(document_, font));
        if (result.subtype == "Type0" && top) {
            QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
            if (descendants.isArray()) {
                for (auto& d : descendants.aitems()) {
                    if (d.isDictionary()) {
                        result.descendants.push_back(describe(d, resourceName, false));
                    }
                }
            }
            result.embedded = !result.descendants.empty() && result.descendants.front().embedded;
        } else if (result.subtype == "Type3") {
            result.embedded = true;
        } else {
            result.embedded = hasFontFile(font);
        }
        return result;
    }

    std::shared_ptr<internal::DocumentState> document_;
    std::set<QPDFObjGen> visited_;
    std::vector<Font> fonts_;
};

}  // namespace

std::vector<Font> Document::fonts(int firstPage, int lastPage) const {
    QPDF& pdf = internal::openState(state_).pdf();
    const std::vector<QPDFObjectHandle>& pages = pdf.getAllPages();
    const int count = static_cast<int>(pages.size());
    if (firstPage < 0 || lastPage < firstPage || lastPage >= count) {
        throw PdfError(ErrorCode::BadPageRange, "The document has no pages " +
                                                    std::to_string(firstPage + 1) + " to " +
                                                    std::to_string(lastPage + 1) + ".");
    }
    FontCollector collector(state_);
    try {
        for (int i = firstPage; i <= lastPage; ++i) {
            QPDFPageObjectHelper page(pages[static_cast<size_t>(i)]);
            collector.addResources(page.getAttribute("/Resources", false));
        }
    } catch (const std::exception& e) {
        throw PdfError(ErrorCode::Damaged, std::string("Cannot read the fonts: ") + e.what());
    }
    return collector.take();
}

}  // namespace lumar::pdf
