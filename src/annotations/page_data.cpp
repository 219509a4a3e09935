#include "annotations/page_data.h"

#include <new>
#include <optional>

#include "annotations/host_frame.h"
#include "annotations/page_text.h"
#include "platform/host/roles.h"
#include "platform/pdf/annotation.h"

namespace lumar {

namespace {

// The title or contents of an annotation, read through a buffer of the
// announced length.
template <typename Reader>
std::string ReadText(const pdf::Annotation& annotation, Reader reader) {
    const std::size_t length = reader(annotation, nullptr, 0);
    std::string text(length + 1, '\0');
    const std::size_t read = reader(annotation, text.data(), text.size());
    text.resize(std::min(read, length));
    return text;
}

std::string Title(const pdf::Annotation& annotation) {
    return ReadText(annotation, [](const pdf::Annotation& a, char* buffer, std::size_t size) {
        return host::annotationTitle(a, buffer, size);
    });
}

std::string Contents(const pdf::Annotation& annotation) {
    return ReadText(annotation, [](const pdf::Annotation& a, char* buffer, std::size_t size) {
        return host::annotationContents(a, buffer, size);
    });
}

// Runs `step` for one annotation inside an exception frame: host failures
// and failed allocations are shown, and the walk goes on. Returns whether
// the step ran through.
template <typename Step>
bool Framed(Step step) {
    try {
        step();
        return true;
    } catch (const host::HostError& error) {
        ShowHostError(kContentsError, error);
    } catch (const std::bad_alloc&) {
        host::alertNote("Memory allocation error.");
    }
    return false;
}

}  // namespace

void PageDataSink::write(std::string_view bytes) {
    if (text_ != nullptr) {
        text_->append(bytes);
    } else if (file_ != nullptr) {
        host::writeToFile(file_, bytes);
    }
}

bool IsDataAnnotation(const pdf::Annotation& annotation) {
    return host::annotationSubtype(annotation) ==
               host::atomFromString(std::string(kDataAnnotationSubtype)) &&
           IsDataAnnotationTitle(Title(annotation));
}

void ReadPageData(pdf::Page* page, std::string_view prefix, PageDataSink sink) {
    const int count = host::annotationCount(page);
    for (int index = 0; index < count; ++index) {
        std::string line;
        Framed([&] {
            const pdf::Annotation annotation = host::annotationOfPage(page, index);
            if (!host::annotationIsValid(annotation) || !IsDataAnnotation(annotation)) {
                return;
            }
            line.append(prefix);
            line += PageText(Contents(annotation));
            line += "\r\n";
        });
        sink.write(line);
    }
}

bool WritePageData(pdf::Page* page, std::string_view text, PageDataMode mode) {
    bool found = false;
    for (int index = host::annotationCount(page) - 1; index >= 0; --index) {
        std::optional<pdf::Annotation> annotation;
        Framed([&] {
            pdf::Annotation candidate = host::annotationOfPage(page, index);
            if (host::annotationIsValid(candidate) && IsDataAnnotation(candidate)) {
                annotation = std::move(candidate);
            }
        });
        if (!annotation) {
            continue;
        }
        if (found) {
            // A further data annotation: the page keeps only the one written.
            Framed([&] { host::removeAnnotationFromPage(page, *annotation); });
            continue;
        }
        found = true;
        const bool written = Framed([&] {
            if (mode == PageDataMode::Replace) {
                host::setAnnotationContents(*annotation, text);
            } else {
                host::setAnnotationContents(*annotation,
                                            Contents(*annotation) + "\n" + std::string(text));
            }
        });
        if (!written || mode == PageDataMode::Add) {
            break;
        }
    }
    return found;
}

std::string CollectAnnotationData(pdf::Document* document) {
    std::string data;
    const int pages = host::pageCount(document);
    for (int index = 0; index < pages; ++index) {
        const AcquiredPage page(AcquirePageOrReport(document, index));
        if (page.get() != nullptr) {
            ReadPageData(page.get(), "", PageDataSink(data));
        }
    }
    return data;
}

}  // namespace lumar
