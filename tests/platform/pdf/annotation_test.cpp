#include <gtest/gtest.h>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/pdf/document.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {
namespace {

using fixtures::AnnotationOptions;
using fixtures::PdfBuilder;
using fixtures::TempDir;

Document twoPages() {
    PdfBuilder builder;
    builder.pages(2, 600, 800).dataAnnotations({"first", "second"});
    AnnotationOptions square;
    square.title = "Reviewer";
    builder.annotation(1, square);
    return Document::openMemory(builder.bytes(), "two.pdf");
}

TEST(Annotations, ListsEveryAnnotationWithNoteWindows) {
    Document doc = twoPages();
    Page page = doc.page(1);
    ASSERT_EQ(page.annotationCount(), 3);
    Annotation data = page.annotation(0);
    EXPECT_TRUE(data.isValid());
    EXPECT_EQ(data.subtype(), "Text");
    EXPECT_EQ(data.title(), "Index");
    EXPECT_EQ(data.contents(), "second");
    EXPECT_EQ(data.rect(), (Rect{635, 800, 653, 778}));
    ASSERT_TRUE(data.popup().has_value());
    EXPECT_EQ(*data.popup(), page.annotation(1));
    EXPECT_EQ(page.annotation(1).subtype(), "Popup");
    EXPECT_EQ(page.annotation(2).title(), "Reviewer");
    EXPECT_EQ(page.annotation(2).contents(), "");
    EXPECT_FALSE(page.annotation(2).popup().has_value());
    EXPECT_THROW(page.annotation(3), PdfError);
}

// Titles and contents cross the engine as Windows-1252 bytes and are stored
// as PDF text strings, whatever characters they hold.
TEST(Annotations, TextsRoundTripAsWindows1252ThroughAFile) {
    TempDir dir;
    const std::vector<std::string> samples = {"plain",
                                              "Annotation\x92s contents",
                                              "\x80 caf\xE9 \x8C\x9C \xFF",
                                              "line one\r\nline two\ttab",
                                              std::string("nul\0inside", 10),
                                              ""};
    Document doc =
        Document::openMemory(PdfBuilder().pages(1).dataAnnotation(0, "x").bytes(), "one.pdf");
    for (const std::string& sample : samples) {
        SCOPED_TRACE(sample);
        Annotation a = doc.page(0).annotation(0);
        a.setContents(sample);
        a.setTitle(sample);
        doc.save(dir / "out.pdf");
        Document reread = Document::open(dir / "out.pdf");
        EXPECT_EQ(reread.page(0).annotation(0).contents(), sample);
        EXPECT_EQ(reread.page(0).annotation(0).title(), sample);
    }
}

TEST(Annotations, EveryChangeMarksTheDocumentUnsaved) {
    TempDir dir;
    const std::vector<std::pair<const char*, std::function<void(Document&)>>> changes = {
        {"title", [](Document& d) { d.page(0).annotation(0).setTitle("t"); }},
        {"contents", [](Document& d) { d.page(0).annotation(0).setContents("c"); }},
        {"colour",
         [](Document& d) {
             d.page(0).annotation(0).setColour({1, 0, 0});
         }},
        {"rect",
         [](Document& d) {
             d.page(0).annotation(0).setRect({1, 2, 3, 0});
         }},
        {"open", [](Document& d) { d.page(0).annotation(0).setOpen(true); }},
        {"remove", [](Document& d) { d.page(0).removeAnnotation(d.page(0).annotation(0)); }},
        {"add",
         [](Document& d) {
             Page p = d.page(0);
             p.addAnnotation(p.createAnnotation("Square", {0, 10, 10, 0}));
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        Document doc = twoPages();
        doc.save(dir / "saved.pdf");
        ASSERT_EQ(doc.flags(), 0);
        const std::uint64_t before = doc.changeCount();
        change(doc);
        EXPECT_EQ(doc.flags() & kDocumentNeedsSave, kDocumentNeedsSave);
        // Saving clears the flag but is no change: views see the count grow.
        EXPECT_GT(doc.changeCount(), before);
        const std::uint64_t changed = doc.changeCount();
        doc.save(dir / "saved.pdf");
        EXPECT_EQ(doc.changeCount(), changed);
    }
}

TEST(Annotations, NewNoteGetsANoteWindowAndItsSettings) {
    TempDir dir;
    Document doc = twoPages();
    Page page = doc.page(0);
    Annotation note = page.createAnnotation("Text", {635, 800, 653, 778});
    note.setOpen(true);
    note.setTitle("Index");
    note.setContents("new data");
    note.setOpen(false);
    note.setColour({1, 0, 0});
    page.addAnnotation(note, kAddAtEnd);

    ASSERT_EQ(page.annotationCount(), 4);
    EXPECT_EQ(page.annotation(2), note);
    ASSERT_TRUE(note.popup().has_value());
    Annotation window = *note.popup();
    EXPECT_EQ(page.annotation(3), window);
    EXPECT_FALSE(window.isOpen());
    window.setRect({635, 800, 835, 600});
    doc.save(dir / "out.pdf");

    Document reread = Document::open(dir / "out.pdf");
    Annotation saved = reread.page(0).annotation(2);
    EXPECT_EQ(saved.contents(), "new data");
    EXPECT_EQ(saved.colour(), (RgbColour{1, 0, 0}));
    EXPECT_FALSE(saved.isOpen());
    EXPECT_EQ(saved.popup()->rect(), (Rect{635, 800, 835, 600}));
    EXPECT_TRUE(saved.object().dictValue("P").sameObject(reread.page(0).object()));
}

struct AddCase {
    const char* name;
    int after;
    int expectedIndex;
};

class AddPosition : public testing::TestWithParam<AddCase> {};

TEST_P(AddPosition, InsertsAfterTheGivenIndex) {
    Document doc = twoPages();
    Page page = doc.page(1);  // data note, its window, a square
    Annotation square = page.createAnnotation("Square", {0, 10, 10, 0});
    page.addAnnotation(square, GetParam().after);
    ASSERT_EQ(page.annotationCount(), 4);
    EXPECT_EQ(page.annotation(GetParam().expectedIndex), square);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddPosition,
                         testing::Values(AddCase{"AtTheEnd", kAddAtEnd, 3},
                                         AddCase{"AtTheFront", kAddAtFront, 0},
                                         AddCase{"AfterTheFirst", 0, 1},
                                         AddCase{"AfterTheLast", 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Annotations, AddRefusesBadPositionsAndForeignAnnotations) {
    Document doc = twoPages();
    Document other = twoPages();
    Page page = doc.page(0);
    Annotation a = page.createAnnotation("Square", {0, 10, 10, 0});
    EXPECT_THROW(page.addAnnotation(a, 2), PdfError);
    EXPECT_THROW(page.addAnnotation(a, -3), PdfError);
    EXPECT_THROW(page.addAnnotation(other.page(0).annotation(0)), PdfError);
    EXPECT_EQ(page.annotationCount(), 2);
}

TEST(Annotations, RemoveTakesTheNoteWindowAlong) {
    Document doc = twoPages();
    Page page = doc.page(1);
    Annotation square = page.annotation(2);
    page.removeAnnotation(page.annotation(0));
    ASSERT_EQ(page.annotationCount(), 1);
    EXPECT_EQ(page.annotation(0), square);
    page.removeAnnotation(doc.page(0).annotation(0));  // not on this page: ignored
    EXPECT_EQ(page.annotationCount(), 1);
}

TEST(Annotations, ObjectsGiveTypesEntriesAndNames) {
    Document doc = twoPages();
    Annotation data = doc.page(0).annotation(0);
    CosObject object = data.object();
    EXPECT_EQ(object.type(), CosType::Dictionary);
    EXPECT_EQ(object.dictValue("Subtype").type(), CosType::Name);
    EXPECT_EQ(object.dictValue("Subtype").nameText(), "Text");
    EXPECT_EQ(object.dictValue("Contents").type(), CosType::String);
    EXPECT_EQ(object.dictValue("Missing").type(), CosType::Null);
    EXPECT_EQ(object.dictValue("Missing").nameText(), std::nullopt);

    CosObject rect = object.dictValue("Rect");
    EXPECT_EQ(rect.type(), CosType::Array);
    EXPECT_EQ(rect.arrayLength(), 4);
    EXPECT_EQ(rect.arrayElement(0).number(), 635.0);
    EXPECT_EQ(rect.arrayElement(4).type(), CosType::Null);
    EXPECT_EQ(object.arrayElement(0).type(), CosType::Null);

    CosObject popup = object.dictValue("Popup");
    EXPECT_EQ(popup.type(), CosType::Dictionary);
    EXPECT_GT(popup.objectNumber(), 0);
    EXPECT_EQ(Annotation::fromObject(popup).subtype(), "Popup");
    EXPECT_THROW(Annotation::fromObject(rect), PdfError);
    EXPECT_EQ(CosObject().type(), CosType::Null);
}

TEST(Annotations, ABrokenListEntryIsInvalidNotFatal) {
    std::string bytes = PdfBuilder().pages(1).dataAnnotation(0, "kept").bytes();
    // Point the first entry of the page's list at an object that does not
    // exist; readers take it as null.
    const size_t list = bytes.find("/Annots [");
    ASSERT_NE(list, std::string::npos);
    const size_t number = bytes.find_first_of("0123456789", list);
    const size_t end = bytes.find(' ', number);
    bytes.replace(number, end - number, "9999");
    Document doc = Document::openMemory(bytes, "broken.pdf");

    Page page = doc.page(0);
    ASSERT_EQ(page.annotationCount(), 2);
    Annotation broken = page.annotation(0);
    EXPECT_FALSE(broken.isValid());
    EXPECT_THROW(broken.contents(), PdfError);
    EXPECT_TRUE(page.annotation(1).isValid());
}

}  // namespace
}  // namespace lumar::pdf
