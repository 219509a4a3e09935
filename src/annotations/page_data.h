#pragma once

// Reading and writing the data annotations of pages through the host.
//
// A page's data annotation holds its page text (page_text.h). These walks
// never touch other annotations. Host failures while reading an
// annotation's title or contents are shown with the host's alert note and
// the annotation is skipped; the walk goes on.

#include <string>
#include <string_view>

namespace lumar::host {
class HostFile;
}  // namespace lumar::host

namespace lumar::pdf {
class Annotation;
class Document;
class Page;
}  // namespace lumar::pdf

namespace lumar {

// Where ReadPageData writes its lines: a text in memory or a file opened
// through the host (annotation reports).
class PageDataSink {
public:
    explicit PageDataSink(std::string& text) : text_(&text) {}
    explicit PageDataSink(host::HostFile* file) : file_(file) {}

    void write(std::string_view bytes);

private:
    std::string* text_ = nullptr;
    host::HostFile* file_ = nullptr;
};

// True for an annotation of subtype "Text" whose title reads "index" in
// lower case. Host failures propagate.
bool IsDataAnnotation(const pdf::Annotation& annotation);

// Appends prefix, page text and CR LF for every data annotation of the page,
// in annotation order.
void ReadPageData(pdf::Page* page, std::string_view prefix, PageDataSink sink);

enum class PageDataMode {
    Replace,  // the last data annotation gets the text; the other data annotations go
    Add,      // the last data annotation's contents gain "\n" and the text; nothing goes
};

// Walks the page's annotations from the last to the first and writes the
// text into the first data annotation met. Returns whether the page has a
// data annotation. When the text cannot be written, no other annotation is
// removed.
bool WritePageData(pdf::Page* page, std::string_view text,
                   PageDataMode mode = PageDataMode::Replace);

// The page texts of every page, each followed by CR LF: the document's
// Annotation_data. A page that cannot be acquired is reported and left out.
std::string CollectAnnotationData(pdf::Document* document);

}  // namespace lumar
