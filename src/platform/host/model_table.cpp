// The "PDModel" table's procedures over the PDF engine. Engine failures
// leave as HostError (engineCall).

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/host/engine_call.h"
#include "platform/host/host.h"
#include "platform/pdf/document.h"
#include "platform/pdf/font.h"
#include "platform/pdf/page.h"
#include "platform/pdf/word_finder.h"

namespace lumar::host {

namespace {

DocumentStore& store() {
    return Host::current().documents();
}

Atom atomOf(const std::string& name) {
    return Host::current().atoms().intern(name);
}

// Copies a text into a caller's buffer the way the host's text getters do:
// as much as fits with a terminating zero. Returns the whole length.
std::size_t copyOut(const std::string& text, char* buffer, std::size_t size) {
    if (buffer != nullptr && size > 0) {
        const std::size_t count = std::min(text.size(), size - 1);
        std::memcpy(buffer, text.data(), count);
        buffer[count] = '\0';
    }
    return text.size();
}

std::string textOf(const char* text, std::size_t length) {
    return text != nullptr ? std::string(text, length) : std::string();
}

pdf::Document* openDocument(const HostPath* path, FileSystem* fileSystem, bool repair) {
    store().checkedFileSystem(fileSystem);
    const HostPath& file = store().checked(path);
    return store().adopt(engineCall([&] { return pdf::Document::open(file.path(), repair); }));
}

pdf::Document* newDocument() {
    return store().adopt(engineCall([] { return pdf::Document::createEmpty(); }));
}

void closeDocument(pdf::Document* document) {
    store().close(document);
}

int documentFlags(pdf::Document* document) {
    return engineCall([&] { return checkedDocument(document).flags(); });
}

HostFile* fileOfDocument(pdf::Document* document) {
    return engineCall([&] { return store().fileOf(checkedDocument(document)); });
}

void pdfVersion(pdf::Document* document, int* major, int* minor) {
    const pdf::PdfVersion version = engineCall([&] { return checkedDocument(document).version(); });
    required(major, "version") = version.major;
    required(minor, "version") = version.minor;
}

int pageCount(pdf::Document* document) {
    return engineCall([&] { return checkedDocument(document).pageCount(); });
}

pdf::Page* acquirePage(pdf::Document* document, int index) {
    return store().acquire(engineCall([&] { return checkedDocument(document).page(index); }));
}

void releasePage(pdf::Page* page) {
    if (page != nullptr) {
        store().release(page);
    }
}

void pageMediaBox(pdf::Page* page, FixedRect* box) {
    required(box, "media box") =
        toFixed(engineCall([&] { return store().checked(page).mediaBox(); }));
}

void deletePages(pdf::Document* document, int first, int last) {
    engineCall([&] { checkedDocument(document).deletePages(first, last); });
}

void insertPages(pdf::Document* document, int after, pdf::Document* source, int first, int count,
                 int flags) {
    engineCall([&] {
        checkedDocument(document).insertPages(after, checkedDocument(source), first, count, flags);
    });
}

void saveDocument(pdf::Document* document, const SaveParams* params) {
    const SaveParams& save = required(params, "save parameters");
    pdf::Document& target = checkedDocument(document);
    store().checkedFileSystem(save.fileSystem);
    std::filesystem::path path =
        save.newPath != nullptr ? store().checked(save.newPath).path() : target.path();
    if (path.empty()) {
        throw HostError(error::kBadPath, "The document has no file to be saved to.");
    }
    pdf::SaveOptions options;
    if ((save.flags & kSaveWithVersion) != 0) {
        options.version = pdf::PdfVersion{save.major, save.minor};
    }
    engineCall([&] { target.save(path, options); });
}

int permissionRequest(pdf::Document* document, int object, int operation, void* /*data*/) {
    return engineCall([&] {
        return static_cast<int>(checkedDocument(document).permissionRequest(object, operation));
    });
}

int annotationCount(pdf::Page* page) {
    return engineCall([&] { return store().checked(page).annotationCount(); });
}

pdf::Annotation annotationOfPage(pdf::Page* page, int index) {
    return engineCall([&] { return store().checked(page).annotation(index); });
}

bool annotationIsValid(const pdf::Annotation& annotation) {
    return engineCall([&] { return annotation.isValid(); });
}

Atom annotationSubtype(const pdf::Annotation& annotation) {
    const std::string subtype = engineCall([&] { return annotation.subtype(); });
    return subtype.empty() ? kNoAtom : atomOf(subtype);
}

std::size_t annotationTitle(const pdf::Annotation& annotation, char* buffer, std::size_t size) {
    return copyOut(engineCall([&] { return annotation.title(); }), buffer, size);
}

std::size_t annotationContents(const pdf::Annotation& annotation, char* buffer, std::size_t size) {
    return copyOut(engineCall([&] { return annotation.contents(); }), buffer, size);
}

void setAnnotationTitle(const pdf::Annotation& annotation, const char* text, std::size_t length) {
    pdf::Annotation target = annotation;
    engineCall([&] { target.setTitle(textOf(text, length)); });
}

void setAnnotationContents(const pdf::Annotation& annotation, const char* text,
                           std::size_t length) {
    pdf::Annotation target = annotation;
    engineCall([&] { target.setContents(textOf(text, length)); });
}

pdf::Annotation newAnnotation(pdf::Page* page, Atom subtype, const FixedRect* rect) {
    const std::string& name = Host::current().atoms().name(subtype);
    const pdf::Rect area = toRect(required(rect, "annotation rectangle"));
    return engineCall([&] { return store().checked(page).createAnnotation(name, area); });
}

void addAnnotation(pdf::Page* page, int after, const pdf::Annotation& annotation) {
    engineCall([&] { store().checked(page).addAnnotation(annotation, after); });
}

void removeAnnotation(pdf::Page* page, const pdf::Annotation& annotation) {
    engineCall([&] { store().checked(page).removeAnnotation(annotation); });
}

void setAnnotationColour(const pdf::Annotation& annotation, double red, double green, double blue) {
    pdf::Annotation target = annotation;
    engineCall([&] { target.setColour(pdf::RgbColour{red, green, blue}); });
}

void setAnnotationRect(const pdf::Annotation& annotation, const FixedRect* rect) {
    pdf::Annotation target = annotation;
    const pdf::Rect area = toRect(required(rect, "annotation rectangle"));
    engineCall([&] { target.setRect(area); });
}

pdf::CosObject objectOfAnnotation(const pdf::Annotation& annotation) {
    return engineCall([&] { return annotation.object(); });
}

pdf::Annotation annotationFromObject(const pdf::CosObject& object) {
    return engineCall([&] { return pdf::Annotation::fromObject(object); });
}

void enumerateFonts(pdf::Document* document, int firstPage, int lastPage, HostCallback fontProc,
                    void* clientData) {
    FontProc* proc = &required(procedureOf<FontProc>(fontProc), "font procedure");
    const std::vector<pdf::Font> fonts =
        engineCall([&] { return checkedDocument(document).fonts(firstPage, lastPage); });
    for (const pdf::Font& font : fonts) {
        proc(&font, clientData);
    }
}

std::size_t fontName(const pdf::Font* font, char* buffer, std::size_t size) {
    return copyOut(required(font, "font").name, buffer, size);
}

Atom fontSubtype(const pdf::Font* font) {
    const std::string& subtype = required(font, "font").subtype;
    return subtype.empty() ? kNoAtom : atomOf(subtype);
}

bool fontEncodingName(const pdf::Font* font, std::string* name) {
    const std::optional<std::string>& encoding = required(font, "font").encoding;
    if (!encoding) {
        return false;
    }
    required(name, "encoding name") = *encoding;
    return true;
}

bool fontIsEmbedded(const pdf::Font* font) {
    return required(font, "font").embedded;
}

pdf::CosObject objectOfFont(const pdf::Font* font) {
    return required(font, "font").object;
}

pdf::WordFinder* newWordFinder(pdf::Document* document, const WordFinderOptions* options) {
    if (options != nullptr && options->size != sizeof(WordFinderOptions)) {
        throw HostError(error::kBadParameter, "Unknown word finder options.");
    }
    return store().adopt(engineCall([&] { return checkedDocument(document).wordFinder(); }));
}

void destroyWordFinder(pdf::WordFinder* finder) {
    if (finder != nullptr) {
        store().destroy(finder);
    }
}

void enumeratePageWords(pdf::WordFinder* finder, int pageIndex, HostCallback wordProc,
                        void* clientData) {
    WordProc* proc = &required(procedureOf<WordProc>(wordProc), "word procedure");
    pdf::WordFinder& words = store().checked(finder);
    const std::vector<pdf::Word> found = engineCall([&] { return words.words(pageIndex); });
    for (const pdf::Word& word : found) {
        if (!proc(finder, &word, pageIndex, clientData)) {
            break;
        }
    }
}

std::size_t wordText(const pdf::Word* word, char* buffer, std::size_t size) {
    return copyOut(required(word, "word").text, buffer, size);
}

std::uint16_t wordAttributes(const pdf::Word* word, int group) {
    const pdf::Word& w = required(word, "word");
    if (group != 0) {
        return 0;
    }
    return static_cast<std::uint16_t>((w.blankFollows ? kWordBlankFollows : 0) |
                                      (w.endsLine ? kWordEndsLine : 0));
}

void wordRect(const pdf::Word* word, FixedRect* rect) {
    required(rect, "word rectangle") = toFixed(required(word, "word").box);
}

}  // namespace

PDModelTable makePDModelTable() {
    PDModelTable table{};
    table.openDocument = openDocument;
    table.newDocument = newDocument;
    table.closeDocument = closeDocument;
    table.documentFlags = documentFlags;
    table.fileOfDocument = fileOfDocument;
    table.pdfVersion = pdfVersion;
    table.pageCount = pageCount;
    table.acquirePage = acquirePage;
    table.releasePage = releasePage;
    table.pageMediaBox = pageMediaBox;
    table.deletePages = deletePages;
    table.insertPages = insertPages;
    table.saveDocument = saveDocument;
    table.permissionRequest = permissionRequest;
    table.annotationCount = annotationCount;
    table.annotationOfPage = annotationOfPage;
    table.annotationIsValid = annotationIsValid;
    table.annotationSubtype = annotationSubtype;
    table.annotationTitle = annotationTitle;
    table.annotationContents = annotationContents;
    table.setAnnotationTitle = setAnnotationTitle;
    table.setAnnotationContents = setAnnotationContents;
    table.newAnnotation = newAnnotation;
    table.addAnnotation = addAnnotation;
    table.removeAnnotation = removeAnnotation;
    table.setAnnotationColour = setAnnotationColour;
    table.setAnnotationRect = setAnnotationRect;
    table.objectOfAnnotation = objectOfAnnotation;
    table.annotationFromObject = annotationFromObject;
    table.enumerateFonts = enumerateFonts;
    table.fontName = fontName;
    table.fontSubtype = fontSubtype;
    table.fontEncodingName = fontEncodingName;
    table.fontIsEmbedded = fontIsEmbedded;
    table.objectOfFont = objectOfFont;
    table.newWordFinder = newWordFinder;
    table.destroyWordFinder = destroyWordFinder;
    table.enumeratePageWords = enumeratePageWords;
    table.wordText = wordText;
    table.wordAttributes = wordAttributes;
    table.wordRect = wordRect;
    return table;
}

}  // namespace lumar::host
