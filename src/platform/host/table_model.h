#pragma once

// The "PDModel" table (documents, pages, annotations, fonts, words) and the
// "Cos" table (the objects of a document), over the PDF engine. Documents,
// pages and word finders are handed out as pointers the host owns until
// they are closed, released or destroyed; annotations and objects travel as
// engine handles by value. Rectangles are 16.16 fixed-point page
// coordinates.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/host/host_types.h"
#include "platform/pdf/annotation.h"
#include "platform/pdf/cos_object.h"

namespace lumar::pdf {
class Document;
class Page;
class WordFinder;
struct Font;
struct Word;
}  // namespace lumar::pdf

namespace lumar::host {

class FileSystem;
class HostFile;
class HostPath;
struct ProgressMonitor;

// Document flags.
inline constexpr int kDocumentUnsaved = 1;

// Save flags: 0x01 full save (the engine always writes the whole file),
// 0x10 write the PDF version given in the record, 0x20 drop objects nothing
// refers to (the engine always does).
inline constexpr std::uint32_t kSaveFull = 0x01;
inline constexpr std::uint32_t kSaveWithVersion = 0x10;
inline constexpr std::uint32_t kSaveCollectGarbage = 0x20;

struct SaveParams {
    std::uint32_t size = sizeof(SaveParams);
    std::uint32_t flags = 0;
    // Where to save; the document's own file when null.
    const HostPath* newPath = nullptr;
    FileSystem* fileSystem = nullptr;
    const ProgressMonitor* monitor = nullptr;
    void* monitorData = nullptr;
    std::int16_t major = 0;
    std::int16_t minor = 0;
    std::uint16_t versionOption = 0;
};

// Insert flags: 0 the pages with their annotations; 4096 also what else the
// pages bring (form fields).
inline constexpr int kInsertAll = 4096;

// Page positions: insert after -1 puts pages at the front; add annotation
// after -2 puts it at the end.
inline constexpr int kInsertAtFront = -1;
inline constexpr int kAddAnnotationAtEnd = -2;

// Word finder options: 52 bytes, zero except the size and four 16-bit
// fields the caller sets to 1. The host reads none of them.
struct WordFinderOptions {
    std::uint32_t size = sizeof(WordFinderOptions);
    std::uint16_t field4 = 0;
    std::uint16_t field6 = 0;
    std::uint32_t field8 = 0;
    std::uint16_t field12 = 0;
    std::uint16_t field14 = 0;
    std::uint32_t field16 = 0;
    std::uint16_t field20 = 0;
    std::uint16_t field22 = 0;
    std::uint32_t field24 = 0;
    std::uint16_t field28 = 0;
    std::uint8_t reserved30[22] = {};
};
static_assert(sizeof(WordFinderOptions) == 52);

// Word attributes: group 0 bit 0x8000 a blank follows, bit 0x800 the word
// ends its line; group 1 bit 8 is never set by this host.
inline constexpr std::uint16_t kWordBlankFollows = 0x8000;
inline constexpr std::uint16_t kWordEndsLine = 0x800;

// Called (through a host callback) once per font; the result is the font's
// verdict (the host goes on either way).
using FontProc = bool(const pdf::Font* font, void* clientData);
// Called (through a host callback) once per word of a page; false stops the
// enumeration.
using WordProc = bool(pdf::WordFinder* finder, const pdf::Word* word, int pageIndex,
                      void* clientData);

struct PDModelTable {
    pdf::Document* (*openDocument)(const HostPath* path, FileSystem* fileSystem, bool repair);
    pdf::Document* (*newDocument)();
    void (*closeDocument)(pdf::Document* document);
    int (*documentFlags)(pdf::Document* document);
    // The file the document was read from or saved to; null for a new
    // document. Owned by the host.
    HostFile* (*fileOfDocument)(pdf::Document* document);
    void (*pdfVersion)(pdf::Document* document, int* major, int* minor);
    int (*pageCount)(pdf::Document* document);
    pdf::Page* (*acquirePage)(pdf::Document* document, int index);
    void (*releasePage)(pdf::Page* page);
    void (*pageMediaBox)(pdf::Page* page, FixedRect* box);
    void (*deletePages)(pdf::Document* document, int first, int last);
    void (*insertPages)(pdf::Document* document, int after, pdf::Document* source, int first,
                        int count, int flags);
    void (*saveDocument)(pdf::Document* document, const SaveParams* params);
    // 0 when the operation on the object is granted.
    int (*permissionRequest)(pdf::Document* document, int object, int operation, void* data);

    int (*annotationCount)(pdf::Page* page);
    pdf::Annotation (*annotationOfPage)(pdf::Page* page, int index);
    bool (*annotationIsValid)(const pdf::Annotation& annotation);
    Atom (*annotationSubtype)(const pdf::Annotation& annotation);
    // Title and contents: the length of the text; when `buffer` is given, as
    // much of it as fits with a terminating zero.
    std::size_t (*annotationTitle)(const pdf::Annotation& annotation, char* buffer,
                                   std::size_t size);
    std::size_t (*annotationContents)(const pdf::Annotation& annotation, char* buffer,
                                      std::size_t size);
    void (*setAnnotationTitle)(const pdf::Annotation& annotation, const char* text,
                               std::size_t length);
    void (*setAnnotationContents)(const pdf::Annotation& annotation, const char* text,
                                  std::size_t length);
    pdf::Annotation (*newAnnotation)(pdf::Page* page, Atom subtype, const FixedRect* rect);
    void (*addAnnotation)(pdf::Page* page, int after, const pdf::Annotation& annotation);
    void (*removeAnnotation)(pdf::Page* page, const pdf::Annotation& annotation);
    void (*setAnnotationColour)(const pdf::Annotation& annotation, double red, double green,
                                double blue);
    void (*setAnnotationRect)(const pdf::Annotation& annotation, const FixedRect* rect);
    pdf::CosObject (*objectOfAnnotation)(const pdf::Annotation& annotation);
    pdf::Annotation (*annotationFromObject)(const pdf::CosObject& object);

    // Fonts used by pages first .. last, each once.
    void (*enumerateFonts)(pdf::Document* document, int firstPage, int lastPage,
                           HostCallback fontProc, void* clientData);
    std::size_t (*fontName)(const pdf::Font* font, char* buffer, std::size_t size);
    Atom (*fontSubtype)(const pdf::Font* font);
    // False when the font has no standard encoding name.
    bool (*fontEncodingName)(const pdf::Font* font, std::string* name);
    bool (*fontIsEmbedded)(const pdf::Font* font);
    pdf::CosObject (*objectOfFont)(const pdf::Font* font);

    pdf::WordFinder* (*newWordFinder)(pdf::Document* document, const WordFinderOptions* options);
    void (*destroyWordFinder)(pdf::WordFinder* finder);
    void (*enumeratePageWords)(pdf::WordFinder* finder, int pageIndex, HostCallback wordProc,
                               void* clientData);
    std::size_t (*wordText)(const pdf::Word* word, char* buffer, std::size_t size);
    std::uint16_t (*wordAttributes)(const pdf::Word* word, int group);
    void (*wordRect)(const pdf::Word* word, FixedRect* rect);
};

struct CosTable {
    // 0 null, 1 integer, 2 real, 3 boolean, 4 name, 5 string, 6 dictionary,
    // 7 array, 8 stream.
    int (*objectType)(const pdf::CosObject& object);
    pdf::CosObject (*dictValue)(const pdf::CosObject& dictionary, Atom key);
    int (*arrayLength)(const pdf::CosObject& array);
    pdf::CosObject (*arrayElement)(const pdf::CosObject& array, int index);
    // False when the object is no name.
    bool (*nameText)(const pdf::CosObject& name, std::string* text);
};

}  // namespace lumar::host
