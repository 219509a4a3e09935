// Opens arbitrary bytes as a PDF through the engine (with repair) and walks
// what the system reads from a document: version, permissions, pages and
// their boxes, annotations with their texts and note windows, and fonts.
// Every failure must arrive as the engine's PdfError; anything else escaping
// is a fault. Inputs and walks are bounded so that one input cannot run away
// in time or memory.

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/pdf/document.h"
#include "platform/pdf/pdf_error.h"

namespace {

using namespace lumar::pdf;

constexpr std::size_t kMaxInput = 256 * 1024;
constexpr int kMaxPages = 32;
constexpr int kMaxAnnotations = 32;

void walkAnnotation(const Annotation& annotation) {
    if (!annotation.isValid()) {
        return;
    }
    (void)annotation.subtype();
    (void)annotation.title();
    (void)annotation.contents();
    (void)annotation.rect();
    (void)annotation.colour();
    (void)annotation.isOpen();
    if (auto popup = annotation.popup()) {
        (void)popup->rect();
        (void)popup->object().dictValue("Parent").type();
    }
    (void)annotation.object().dictValue("P").objectNumber();
}

void walk(const Document& doc) {
    (void)doc.version();
    (void)doc.flags();
    (void)doc.permissionRequest(kPermissionObjectDocument, kPermissionTextExtraction);
    const int pages = std::min(doc.pageCount(), kMaxPages);
    for (int i = 0; i < pages; ++i) {
        Page page = doc.page(i);
        (void)page.mediaBox();
        (void)page.cropBox();
        (void)page.rotation();
        const int count = std::min(page.annotationCount(), kMaxAnnotations);
        for (int a = 0; a < count; ++a) {
            try {
                walkAnnotation(page.annotation(a));
            } catch (const PdfError&) {
                // A damaged annotation does not stop the walk, as in the system.
            }
        }
    }
    if (pages > 0) {
        for (const Font& font : doc.fonts(0, pages - 1)) {
            (void)font.object.dictValue("BaseFont").nameText();
            CosObject descendants = font.object.dictValue("DescendantFonts");
            (void)descendants.arrayElement(0).dictValue("BaseFont").nameText();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) {
        return 0;
    }
    try {
        Document doc = Document::openMemory(std::string(reinterpret_cast<const char*>(data), size),
                                            "fuzz.pdf");
        walk(doc);
    } catch (const PdfError&) {
        // Refused or damaged: the expected answer to most inputs.
    }
    return 0;
}
