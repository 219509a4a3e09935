#include "annotations/annotation_check.h"

#include <new>
#include <string>

#include "annotations/host_frame.h"
#include "annotations/page_data.h"
#include "annotations/white_space.h"
#include "platform/host/roles.h"
#include "platform/pdf/annotation.h"
#include "service/wait_cursor.h"
#include "ui/progress.h"

namespace lumar {

namespace {

std::string& SharedCheckMessage() {
    static std::string message;
    return message;
}

// " 3" for one page, " 3, 7, 12" for more: ", %d" per page without the
// leading comma.
std::string PageList(const std::vector<int>& pages) {
    std::string list;
    for (const int page : pages) {
        list += ", " + std::to_string(page);
    }
    return list.substr(1);
}

// The finding's line ("... found on page 3.", "... found on these pages: 3, 7."),
// or nothing for an empty list.
std::string FindingLine(std::string_view heading, const std::vector<int>& pages) {
    if (pages.empty()) {
        return "";
    }
    const std::string list = PageList(pages);
    const char* word = list.find(',') == std::string::npos ? "page" : "these pages:";
    return std::string(heading) + " found on " + word + list + ".\r\n";
}

bool CountsAsDataAnnotation(const pdf::Annotation& annotation) {
    try {
        return host::annotationIsValid(annotation) && IsDataAnnotation(annotation);
    } catch (const host::HostError& error) {
        ShowHostError(kContentsError, error);
    } catch (const std::bad_alloc&) {
        host::alertNote("Memory allocation error.");
    }
    return false;
}

}  // namespace

int CountDataAnnotations(pdf::Page* page) {
    int count = 0;
    const int annotations = host::annotationCount(page);
    for (int index = 0; index < annotations; ++index) {
        try {
            if (CountsAsDataAnnotation(host::annotationOfPage(page, index))) {
                ++count;
            }
        } catch (const host::HostError& error) {
            ShowHostError(kContentsError, error);
        }
    }
    return count;
}

bool CheckAnnotations(pdf::Document* document, AnnotationCheck* result) {
    AnnotationCheck check;
    std::string& message = SharedCheckMessage();
    message.clear();

    const int pages = host::pageCount(document);
    const WaitCursor wait;
    BeginProgress(nullptr, true, true, 0, pages - 1, "Checking annotations...");
    for (int index = 0; index < pages; ++index) {
        SetProgress(index, nullptr);
        const AcquiredPage page(AcquirePageOrReport(document, index));
        if (page.get() == nullptr) {
            continue;
        }
        int count = 0;
        try {
            count = CountDataAnnotations(page.get());
        } catch (const host::HostError& error) {
            // The page's annotation list cannot be read: the page is skipped.
            ShowHostError(kPageError, error);
            continue;
        }
        if (count < 1) {
            check.missingPages.push_back(index + 1);
        } else if (count > 1) {
            check.surplusPages.push_back(index + 1);
        }
    }
    message += FindingLine("No annotations for Lumar", check.missingPages);
    message += FindingLine("Too many annotations for Lumar", check.surplusPages);
    EndProgress("Done");

    message = std::string(Trim(message));
    check.message = message;
    const bool ok = message.empty();
    if (result != nullptr) {
        *result = std::move(check);
    }
    return ok;
}

const std::string& AnnotationCheckMessage() {
    return SharedCheckMessage();
}

void AnnotationCheckCommand(void* /*clientData*/) {
    pdf::Document* document = ActivePdfDocument();
    if (document == nullptr) {
        return;
    }
    if (CheckAnnotations(document)) {
        host::alertNote("One Lumar annotation found on every page.");
    } else {
        host::alertNote(AnnotationCheckMessage());
    }
}

}  // namespace lumar
