// The document layer through the host's roles, on fixture PDFs: paths and
// files, documents and views, pages, annotations, objects, fonts and words.
// The engine's own behaviour is tested with the engine; these tests show
// what the host adds: handles, fixed-point rectangles, buffers, callbacks,
// save parameters, error codes.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "host_fixture.h"
#include "platform/host/document_view.h"
#include "platform/pdf/document.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::host {
namespace {

class DocumentRoles : public testing::HostFixture {
protected:
    ~DocumentRoles() override {
        for (pdf::Document* document : opened_) {
            closeDocument(document);
        }
    }

    std::string write(const fixtures::PdfBuilder& builder, const std::string& name) {
        builder.write(dir / name);
        return (dir / name).string();
    }

    // Opens through the roles: path from platform path, open, release path.
    pdf::Document* open(const std::string& file) {
        HostPath* path = pathFromPlatformPath(defaultFileSystem(), file);
        pdf::Document* document = openDocument(path, defaultFileSystem(), true);
        releasePath(defaultFileSystem(), path);
        opened_.push_back(document);
        return document;
    }

    DocumentStore& store() { return headless.host().documents(); }

    fixtures::TempDir dir;

private:
    std::vector<pdf::Document*> opened_;
};

TEST_F(DocumentRoles, OpenReadAndTellTheFile) {
    pdf::Document* document =
        open(write(fixtures::PdfBuilder().pages(3, 612, 792).version("1.4"), "Book.pdf"));
    EXPECT_EQ(pageCount(document), 3);
    int major = 0;
    int minor = 0;
    pdfVersion(document, major, minor);
    EXPECT_EQ(major, 1);
    EXPECT_EQ(minor, 4);
    EXPECT_EQ(documentFlags(document) & kDocumentUnsaved, 0);

    pdf::Page* page = acquirePage(document, 2);
    EXPECT_EQ(pageMediaBox(page), (FixedRect{0, fixedFromInt(792), fixedFromInt(612), 0}));
    releasePage(page);
    EXPECT_EQ(store().acquiredPageCount(), 0u);

    HostPath* path = pathOfOpenFile(fileOfDocument(document));
    EXPECT_EQ(platformPathText(defaultFileSystem(), path), (dir / "Book.pdf").string());
    releasePath(defaultFileSystem(), path);
    EXPECT_EQ(store().pathCount(), 0u);
    EXPECT_EQ(fileOfDocument(newEmptyDocument()), nullptr);
}

TEST_F(DocumentRoles, EngineFailuresArriveAsHostErrors) {
    HostPath* missing = pathFromPlatformPath(defaultFileSystem(), (dir / "absent.pdf").string());
    try {
        openDocument(missing, defaultFileSystem(), true);
        FAIL() << "a missing file opened";
    } catch (const HostError& failure) {
        EXPECT_EQ(failure.code() & 0xFFFF, static_cast<int>(pdf::ErrorCode::FileNotFound));
        EXPECT_FALSE(failure.text().empty());
    }
    releasePath(defaultFileSystem(), missing);

    pdf::Document* document = open(write(fixtures::PdfBuilder().pages(1), "One.pdf"));
    EXPECT_THROW(acquirePage(document, 1), HostError);
    EXPECT_THROW(deletePages(document, 0, 5), HostError);
    EXPECT_EQ(store().acquiredPageCount(), 0u);
}

TEST_F(DocumentRoles, HandlesTheHostNeverGaveAreRefused) {
    pdf::Document* document = open(write(fixtures::PdfBuilder().pages(1), "One.pdf"));
    pdf::Page* page = acquirePage(document, 0);
    releasePage(page);
    EXPECT_THROW(releasePage(page), HostError);
    EXPECT_THROW(annotationCount(page), HostError);

    HostPath* path = pathFromPlatformPath(defaultFileSystem(), "/tmp/x.pdf");
    releasePath(defaultFileSystem(), path);
    EXPECT_THROW(releasePath(defaultFileSystem(), path), HostError);
    EXPECT_THROW(closeDocument(nullptr), HostError);
}

TEST_F(DocumentRoles, PagesMoveBetweenDocumentsAndSaveAsVersionOneThree) {
    pdf::Document* binder = open(write(
        fixtures::PdfBuilder().pages(4).dataAnnotations(fixtures::numberedTexts(4)).version("1.6"),
        "Binder.pdf"));
    pdf::Document* supplement = open(write(
        fixtures::PdfBuilder().pages(2).dataAnnotations({"New 1", "New 2"}), "Supplement.pdf"));

    deletePages(binder, 0, 1);
    insertPages(binder, kInsertAtFront, supplement, 0, 2);
    EXPECT_EQ(pageCount(binder), 4);
    EXPECT_NE(documentFlags(binder) & kDocumentUnsaved, 0);

    HostPath* target = pathFromFolderAndName(defaultFileSystem(), dir.path().string(), "Out.pdf");
    ASSERT_NE(target, nullptr);
    SaveParams params;
    params.flags = kSaveFull | kSaveWithVersion | kSaveCollectGarbage;
    params.newPath = target;
    params.fileSystem = defaultFileSystem();
    params.major = 1;
    params.minor = 3;
    saveDocument(binder, params);
    releasePath(defaultFileSystem(), target);
    EXPECT_EQ(documentFlags(binder) & kDocumentUnsaved, 0);

    pdf::Document* saved = open((dir / "Out.pdf").string());
    int major = 0;
    int minor = 0;
    pdfVersion(saved, major, minor);
    EXPECT_EQ(minor, 3);
    std::vector<std::string> contents;
    for (int i = 0; i < pageCount(saved); ++i) {
        pdf::Page* page = acquirePage(saved, i);
        for (int a = 0; a < annotationCount(page); ++a) {
            pdf::Annotation annotation = annotationOfPage(page, a);
            if (stringOfAtom(annotationSubtype(annotation)) == "Text") {
                contents.push_back(annotationContents(annotation));
            }
        }
        releasePage(page);
    }
    EXPECT_EQ(contents, (std::vector<std::string>{"New 1", "New 2", "Page 3", "Page 4"}));
}

TEST_F(DocumentRoles, AnnotationTextsThroughBuffers) {
    pdf::Document* document = open(
        write(fixtures::PdfBuilder().pages(1).dataAnnotation(0, "Caf\xE9 au lait"), "Note.pdf"));
    pdf::Page* page = acquirePage(document, 0);
    pdf::Annotation note = annotationOfPage(page, 0);
    ASSERT_TRUE(annotationIsValid(note));
    EXPECT_EQ(stringOfAtom(annotationSubtype(note)), "Text");
    EXPECT_EQ(annotationTitle(note), "Index");

    // None asks for the length; a short buffer gets what fits.
    EXPECT_EQ(annotationContents(note, nullptr, 0), 12u);
    char buffer[5];
    EXPECT_EQ(annotationContents(note, buffer, sizeof buffer), 12u);
    EXPECT_STREQ(buffer, "Caf\xE9");

    setAnnotationContents(note, std::string_view("ab\0cd", 2));
    EXPECT_EQ(annotationContents(note), "ab");
    setAnnotationTitle(note, "Data");
    EXPECT_EQ(annotationTitle(note), "Data");

    // The note window is reached through the annotation's object.
    pdf::CosObject popup = dictionaryValue(objectOfAnnotation(note), "Popup");
    EXPECT_EQ(objectType(popup), 6);
    EXPECT_EQ(stringOfAtom(annotationSubtype(annotationFromObject(popup))), "Popup");
    releasePage(page);
}

TEST_F(DocumentRoles, NewAnnotationsWithFixedRectangles) {
    pdf::Document* document = open(write(fixtures::PdfBuilder().pages(1), "Blank.pdf"));
    pdf::Page* page = acquirePage(document, 0);
    const FixedRect rect{fixedFromInt(600), fixedFromDouble(50.5), fixedFromInt(620),
                         fixedFromInt(30)};
    pdf::Annotation added = newAnnotation(page, atomFromString("Square"), rect);
    addAnnotationToPage(page, kAddAnnotationAtEnd, added);
    setAnnotationColour(added, 1, 0, 0);
    ASSERT_EQ(annotationCount(page), 1);

    const pdf::CosObject rectangle = dictionaryValue(objectOfAnnotation(added), "Rect");
    ASSERT_EQ(arrayLength(rectangle), 4);
    EXPECT_EQ(arrayElement(rectangle, 3).number(), 50.5);

    setAnnotationRectangle(added, FixedRect{0, fixedFromInt(20), fixedFromInt(10), 0});
    EXPECT_EQ(dictionaryValue(objectOfAnnotation(added), "Rect").arrayElement(2).number(), 10);

    removeAnnotationFromPage(page, added);
    EXPECT_EQ(annotationCount(page), 0);
    releasePage(page);
}

struct SeenFont {
    std::string name;
    std::string subtype;
    std::optional<std::string> encoding;
    bool embedded;
};

bool collectFont(const pdf::Font* font, void* clientData) {
    auto* seen = static_cast<std::vector<SeenFont>*>(clientData);
    seen->push_back({fontName(font), stringOfAtom(fontSubtype(font)), fontEncodingName(font),
                     fontIsEmbedded(font)});
    EXPECT_EQ(nameText(dictionaryValue(objectOfFont(font), "BaseFont")), seen->back().name);
    return false;  // the host reports every font whatever the verdict
}

TEST_F(DocumentRoles, FontsAreReportedThroughTheCallback) {
    fixtures::PdfBuilder builder;
    builder.pages(2);
    const int subset = builder.addFont({fixtures::FontKind::TrueType, "", "ABCDEF"});
    const int helvetica = builder.addFont({fixtures::FontKind::Helvetica});
    builder.text(0, 72, 700, "Hello", subset);
    builder.text(1, 72, 700, "World", helvetica);
    pdf::Document* document = open(write(builder, "Fonts.pdf"));

    std::vector<SeenFont> seen;
    HostCallback callback = makeHostCallback(&collectFont);
    enumerateFontsOfPages(document, 0, 1, callback, &seen);
    destroyHostCallback(callback);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].name, "ABCDEF+DejaVuSans");
    EXPECT_EQ(seen[0].subtype, "TrueType");
    EXPECT_EQ(seen[0].encoding, "WinAnsiEncoding");
    EXPECT_TRUE(seen[0].embedded);
    EXPECT_EQ(seen[1].name, "Helvetica");
    EXPECT_FALSE(seen[1].embedded);
}

struct SeenWord {
    std::string text;
    std::uint16_t group0;
    std::uint16_t group1;
    FixedRect rect;
};

bool collectWord(pdf::WordFinder*, const pdf::Word* word, int, void* clientData) {
    auto* seen = static_cast<std::vector<SeenWord>*>(clientData);
    seen->push_back(
        {wordText(word), wordAttributes(word, 0), wordAttributes(word, 1), wordRectangle(word)});
    return seen->size() < 3;
}

TEST_F(DocumentRoles, WordsWithAttributesAndRectangles) {
    fixtures::PdfBuilder builder;
    builder.pages(1).text(0, 100, 700, "Supplement one").text(0, 100, 600, "Binder two");
    pdf::Document* document = open(write(builder, "Words.pdf"));

    WordFinderOptions options;
    options.field6 = options.field12 = options.field20 = options.field28 = 1;
    pdf::WordFinder* finder = newWordFinder(document, &options);
    std::vector<SeenWord> seen;
    HostCallback callback = makeHostCallback(&collectWord);
    enumeratePageWords(finder, 0, callback, &seen);
    destroyHostCallback(callback);
    destroyWordFinder(finder);

    // The procedure stopped the enumeration after the third word.
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text, "Supplement");
    EXPECT_EQ(seen[0].group0, kWordBlankFollows);
    EXPECT_EQ(seen[1].text, "one");
    EXPECT_NE(seen[1].group0 & kWordEndsLine, 0);
    EXPECT_EQ(seen[2].text, "Binder");
    for (const SeenWord& word : seen) {
        EXPECT_EQ(word.group1, 0);
    }
    // The first word starts where it was drawn, on the baseline at 700.
    EXPECT_NEAR(doubleFromFixed(seen[0].rect.left), 100, 1);
    EXPECT_LT(doubleFromFixed(seen[0].rect.bottom), 700);
    EXPECT_GT(doubleFromFixed(seen[0].rect.top), 700);
    EXPECT_THROW(newWordFinder(nullptr, &options), HostError);
}

TEST_F(DocumentRoles, FileModesAndWrites) {
    FileSystem* fileSystem = defaultFileSystem();
    HostPath* path = pathFromFolderAndName(fileSystem, dir.path().string(), "Book.ann.txt");
    ASSERT_NE(path, nullptr);

    HostFile* file = nullptr;
    EXPECT_NE(openFile(fileSystem, path, kFileModeWrite, file), 0);  // 2 does not create
    EXPECT_EQ(file, nullptr);

    ASSERT_EQ(openFile(fileSystem, path, kFileModeWriteCreate, file), 0);
    writeToFile(file, "first line\r\n");
    EXPECT_EQ(fileLength(file), 12);
    EXPECT_EQ(closeFile(file), 0);

    ASSERT_EQ(openFile(fileSystem, path, kFileModeWrite, file), 0);
    setFilePosition(file, fileLength(file));
    writeToFile(file, std::string_view("~\0\r\n", 4));
    EXPECT_EQ(filePosition(file), 16);
    EXPECT_EQ(closeFile(file), 0);
    EXPECT_NE(closeFile(file), 0);

    releasePath(fileSystem, path);
    std::ifstream in(dir / "Book.ann.txt", std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, std::string("first line\r\n~\0\r\n", 16));
    EXPECT_EQ(store().openFileCount(), 0u);
}

TEST_F(DocumentRoles, PathsFromFolderAndNameOrFullPath) {
    FileSystem* fileSystem = defaultFileSystem();
    EXPECT_EQ(pathFromFolderAndName(fileSystem, "", "a.pdf"), nullptr);
    EXPECT_EQ(pathFromFolderAndName(fileSystem, "/data", "../a.pdf"), nullptr);
    EXPECT_EQ(pathFromFullPath(fileSystem, ""), nullptr);
    HostPath* full = pathFromFullPath(fileSystem, "/data/Bin\xE9.pdf");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(platformPathText(fileSystem, full), "/data/Bin\xE9.pdf");
    releasePath(fileSystem, full);
}

TEST_F(DocumentRoles, DocumentsInViews) {
    const std::string file = write(fixtures::PdfBuilder().pages(2), "Shown.pdf");
    HostPath* path = pathFromFullPath(defaultFileSystem(), file);
    DocumentView* view = openDocumentInView(path, defaultFileSystem());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->title(), "Shown.pdf");
    EXPECT_EQ(activeDocument(), view);
    EXPECT_EQ(pageCount(documentOfView(view)), 2);
    // A document shown in a view belongs to the view.
    EXPECT_THROW(closeDocument(documentOfView(view)), HostError);

    pdf::Document* made = newEmptyDocument();
    DocumentView* other = openViewOfDocument(made);
    EXPECT_EQ(activeDocument(), other);
    EXPECT_EQ(other->title(), "Untitled");
    EXPECT_EQ(store().documentCount(), 0u);

    // Opening the same file again brings its view to the front.
    EXPECT_EQ(openDocumentInView(path, defaultFileSystem()), view);
    EXPECT_EQ(activeDocument(), view);
    EXPECT_EQ(headless.ui().viewCount(), 2u);
    releasePath(defaultFileSystem(), path);
}

}  // namespace
}  // namespace lumar::host

namespace lumar::host {
namespace {

// A user interface that leaves opening views to the default: refused.
class NoViewsUi : public HeadlessUi {
public:
    using HeadlessUi::HeadlessUi;
    DocumentView* showDocument(std::unique_ptr<pdf::Document>&& document) override {
        return UserInterface::showDocument(std::move(document));
    }
};

TEST(DocumentRolesWithoutViews, RefusedDocumentStaysWithTheExtension) {
    ScriptedResponder responder;
    NoViewsUi ui(responder);
    Host host(ui);
    imported() = ImportedTables{};
    imported().extension = host.newExtension();
    for (std::size_t i = 0; i < kTableCount; ++i) {
        imported().tables[i] = {host.tables().table(kTableNames[i]), kOfferedTableVersion};
    }

    pdf::Document* made = newEmptyDocument();
    EXPECT_THROW(openViewOfDocument(made), HostError);
    EXPECT_EQ(activeDocument(), nullptr);
    EXPECT_EQ(host.documents().documentCount(), 1u);
    EXPECT_EQ(pageCount(made), 0);
    closeDocument(made);
    EXPECT_EQ(host.documents().documentCount(), 0u);
    imported() = ImportedTables{};
}

}  // namespace
}  // namespace lumar::host
