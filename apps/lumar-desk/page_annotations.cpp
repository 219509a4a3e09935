#include "page_annotations.h"

#include "annotations/page_text.h"
#include "annotations/tag.h"
#include "platform/pdf/annotation.h"
#include "platform/pdf/document.h"
#include "platform/pdf/page.h"

namespace lumar::desk {

namespace {

bool isDataAnnotation(const pdf::Annotation& annotation) {
    return annotation.isValid() && annotation.subtype() == kDataAnnotationSubtype &&
           IsDataAnnotationTitle(annotation.title());
}

PageDataAnnotation describe(const pdf::Annotation& annotation) {
    PageDataAnnotation shown;
    const std::string contents = annotation.contents();
    shown.pageText = PageText(contents);
    shown.tag = ExtractTag(shown.pageText);
    shown.tabSheetValue = TagValue(shown.tag, "TABSHEET");
    if (shown.tabSheetValue == "true") {
        shown.tabSheet = TabSheetState::Yes;
    } else if (!shown.tabSheetValue.empty() && shown.tabSheetValue != "false") {
        shown.tabSheet = TabSheetState::Unclear;
    }
    shown.colour = TagValue(shown.tag, "COLOUR");
    if (shown.colour.empty()) {
        shown.colour = TagValue(shown.tag, "COLOR");
    }
    if (const std::optional<pdf::Annotation> note = annotation.popup(); note && note->isValid()) {
        shown.hasNoteWindow = true;
        shown.noteWindowOpen = note->isOpen();
        const std::string own = note->contents();
        shown.noteWindowText = own.empty() ? contents : own;
    }
    return shown;
}

}  // namespace

std::vector<PageDataAnnotation> ReadPageDataAnnotations(const pdf::Document& document,
                                                        int pageIndex) {
    const pdf::Page page = document.page(pageIndex);
    std::vector<PageDataAnnotation> found;
    const int count = page.annotationCount();
    for (int i = 0; i < count; ++i) {
        const pdf::Annotation annotation = page.annotation(i);
        if (isDataAnnotation(annotation)) {
            found.push_back(describe(annotation));
        }
    }
    return found;
}

}  // namespace lumar::desk
