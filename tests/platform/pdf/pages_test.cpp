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

// Pages with one data annotation each (contents <prefix>1 ...), and on
// the second page a square with its own note window.
void writeDocument(const std::filesystem::path& path, int pages, const std::string& prefix) {
    PdfBuilder builder;
    builder.pages(pages).dataAnnotations(fixtures::numberedTexts(pages, prefix));
    AnnotationOptions square;
    square.contents = prefix + " square";
    square.withPopup = true;
    builder.annotation(1, square);
    for (int i = 0; i < pages; ++i) {
        builder.text(i, 72, 700, prefix + std::to_string(i + 1));
    }
    builder.write(path);
}

// The data annotation texts of every page, in page order.
std::vector<std::string> pageTexts(const Document& doc) {
    std::vector<std::string> texts;
    for (int i = 0; i < doc.pageCount(); ++i) {
        Page page = doc.page(i);
        std::string text;
        for (int a = 0; a < page.annotationCount(); ++a) {
            Annotation annotation = page.annotation(a);
            if (annotation.subtype() == "Text" && annotation.title() == "Index") {
                text += annotation.contents();
            }
        }
        texts.push_back(text);
    }
    return texts;
}

// Every annotation points back at its page; every note window is listed on
// the same page and its parent is the annotation that names it.
void expectAnnotationsConsistent(const Document& doc) {
    for (int i = 0; i < doc.pageCount(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        Page page = doc.page(i);
        std::vector<Annotation> listed;
        for (int a = 0; a < page.annotationCount(); ++a) {
            listed.push_back(page.annotation(a));
        }
        for (const Annotation& annotation : listed) {
            ASSERT_TRUE(annotation.isValid());
            EXPECT_TRUE(annotation.object().dictValue("P").sameObject(page.object()));
            if (auto note = annotation.popup()) {
                EXPECT_TRUE(note->object().dictValue("Parent").sameObject(annotation.object()));
                EXPECT_NE(std::find(listed.begin(), listed.end(), *note), listed.end());
            }
            if (annotation.subtype() == "Popup") {
                auto parent = Annotation::fromObject(annotation.object().dictValue("Parent"));
                EXPECT_NE(std::find(listed.begin(), listed.end(), parent), listed.end());
            }
        }
    }
}

std::vector<std::string> texts(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
}

TEST(Pages, InsertedPagesKeepAnnotationsAndPopupsAcrossSave) {
    TempDir dir;
    writeDocument(dir / "binder.pdf", 6, "B");
    writeDocument(dir / "supplement.pdf", 4, "S");

    Document binder = Document::open(dir / "binder.pdf");
    {
        Document supplement = Document::open(dir / "supplement.pdf");
        binder.insertPages(3, supplement, 0, 2);
        // The supplement goes away (closed and its file removed) before the
        // binder is written: the copied pages must not depend on it.
    }
    std::filesystem::remove(dir / "supplement.pdf");
    EXPECT_EQ(binder.flags() & kDocumentNeedsSave, kDocumentNeedsSave);
    binder.save(dir / "binder-2.pdf", {PdfVersion{1, 3}});

    Document reread = Document::open(dir / "binder-2.pdf");
    EXPECT_FALSE(reread.wasRepaired());
    EXPECT_EQ(pageTexts(reread), texts({"B1", "B2", "B3", "B4", "S1", "S2", "B5", "B6"}));
    expectAnnotationsConsistent(reread);
    // The square with its note came along on the supplement's second page.
    Page copied = reread.page(5);
    ASSERT_EQ(copied.annotationCount(), 4);
    EXPECT_EQ(copied.annotation(2).contents(), "S square");
    EXPECT_EQ(copied.annotation(3).subtype(), "Popup");
    // Resources came along: the page text is still there.
    EXPECT_EQ(reread.wordFinder().words(5).at(0).text, "S2");
}

struct InsertCase {
    const char* name;
    int targetPages;
    int after;
    int first;
    int count;
    std::vector<std::string> expected;
};

class InsertPosition : public testing::TestWithParam<InsertCase> {};

TEST_P(InsertPosition, PutsPagesInOrder) {
    const InsertCase& c = GetParam();
    TempDir dir;
    writeDocument(dir / "supplement.pdf", 4, "S");
    Document source = Document::open(dir / "supplement.pdf");
    Document target = Document::createEmpty();
    if (c.targetPages > 0) {
        writeDocument(dir / "binder.pdf", c.targetPages, "B");
        target = Document::open(dir / "binder.pdf");
    }
    target.insertPages(c.after, source, c.first, c.count);
    EXPECT_EQ(pageTexts(target), c.expected);
    expectAnnotationsConsistent(target);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertPosition,
    testing::Values(InsertCase{"AtTheFront", 2, -1, 2, 2, texts({"S3", "S4", "B1", "B2"})},
                    InsertCase{"AtTheEnd", 2, 1, 0, 1, texts({"B1", "B2", "S1"})},
                    InsertCase{"InTheMiddle", 2, 0, 1, 2, texts({"B1", "S2", "S3", "B2"})},
                    InsertCase{"IntoANewDocument", 0, -1, 0, 4, texts({"S1", "S2", "S3", "S4"})},
                    InsertCase{"NothingAtAll", 2, 0, 4, 0, texts({"B1", "B2"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pages, StoreAndRestoreMovesPagesThroughANewDocument) {
    TempDir dir;
    writeDocument(dir / "binder.pdf", 6, "B");
    Document binder = Document::open(dir / "binder.pdf");

    Document store = Document::createEmpty();
    store.insertPages(-1, binder, 2, 2);
    binder.deletePages(2, 3);
    EXPECT_EQ(pageTexts(binder), texts({"B1", "B2", "B5", "B6"}));
    binder.insertPages(3, store, 0, store.pageCount(), kInsertAll);
    store.close();
    binder.save(dir / "binder-2.pdf", {PdfVersion{1, 3}});

    Document reread = Document::open(dir / "binder-2.pdf");
    EXPECT_EQ(pageTexts(reread), texts({"B1", "B2", "B5", "B6", "B3", "B4"}));
    expectAnnotationsConsistent(reread);
}

// Flag 0 brings a page with its annotations; kInsertAll also registers the
// form fields of the page's widgets in the target's form.
TEST(Pages, InsertAllCarriesFormFields) {
    TempDir dir;
    writeDocument(dir / "binder.pdf", 2, "B");
    PdfBuilder form;
    form.pages(2).dataAnnotations({"F1", "F2"}).formField(1, "total");
    form.write(dir / "form.pdf");
    Document source = Document::open(dir / "form.pdf");

    auto fieldCount = [](const Document& doc) {
        return doc.root().dictValue("AcroForm").dictValue("Fields").arrayLength();
    };
    for (int flags : {kInsertPagesOnly, kInsertAll}) {
        SCOPED_TRACE(flags);
        Document target = Document::open(dir / "binder.pdf");
        target.insertPages(1, source, 0, 2, flags);
        EXPECT_EQ(pageTexts(target), texts({"B1", "B2", "F1", "F2"}));
        Page page = target.page(3);
        ASSERT_EQ(page.annotationCount(), 3);
        Annotation widget = page.annotation(2);
        EXPECT_EQ(widget.subtype(), "Widget");
        target.save(dir / "out.pdf");

        Document reread = Document::open(dir / "out.pdf");
        if (flags == kInsertAll) {
            ASSERT_EQ(fieldCount(reread), 1);
            CosObject field =
                reread.root().dictValue("AcroForm").dictValue("Fields").arrayElement(0);
            EXPECT_TRUE(field.sameObject(reread.page(3).annotation(2).object()));
            EXPECT_EQ(reread.page(3).annotation(2).title(), "total");
        } else {
            EXPECT_EQ(fieldCount(reread), 0);
        }
        expectAnnotationsConsistent(reread);
    }
}

TEST(Pages, InsertingFromItselfMakesIndependentCopies) {
    TempDir dir;
    writeDocument(dir / "binder.pdf", 3, "B");
    Document doc = Document::open(dir / "binder.pdf");
    doc.insertPages(2, doc, 0, 2);
    ASSERT_EQ(pageTexts(doc), texts({"B1", "B2", "B3", "B1", "B2"}));
    doc.page(3).annotation(0).setContents("copy");
    EXPECT_EQ(pageTexts(doc), texts({"B1", "B2", "B3", "copy", "B2"}));
    expectAnnotationsConsistent(doc);
}

TEST(Pages, DeleteRemovesTheRangeAndMarksTheDocument) {
    TempDir dir;
    writeDocument(dir / "binder.pdf", 6, "B");
    Document doc = Document::open(dir / "binder.pdf");
    doc.deletePages(1, 3);
    EXPECT_EQ(pageTexts(doc), texts({"B1", "B5", "B6"}));
    EXPECT_EQ(doc.flags() & kDocumentNeedsSave, kDocumentNeedsSave);
    doc.deletePages(0, 2);
    EXPECT_EQ(doc.pageCount(), 0);
    doc.save(dir / "empty.pdf");
    EXPECT_EQ(Document::open(dir / "empty.pdf").pageCount(), 0);
}

struct BadRange {
    const char* name;
    int after, first, count;  // insert; delete uses first .. first + count - 1
};

class PageRanges : public testing::TestWithParam<BadRange> {};

TEST_P(PageRanges, OutsideTheDocumentAreRefusedWithoutChange) {
    const BadRange& c = GetParam();
    TempDir dir;
    writeDocument(dir / "a.pdf", 4, "A");
    Document doc = Document::open(dir / "a.pdf");
    Document other = Document::open(dir / "a.pdf");
    try {
        if (c.after == -99) {
            doc.deletePages(c.first, c.first + c.count - 1);
        } else {
            doc.insertPages(c.after, other, c.first, c.count);
        }
        FAIL() << "no error";
    } catch (const PdfError& e) {
        EXPECT_EQ(e.code(), ErrorCode::BadPageRange);
    }
    EXPECT_EQ(doc.pageCount(), 4);
    EXPECT_EQ(doc.flags(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageRanges,
    testing::Values(BadRange{"InsertAfterTheEnd", 4, 0, 1},
                    BadRange{"InsertBeforeTheFront", -2, 0, 1}, BadRange{"SourceTooShort", 0, 3, 2},
                    BadRange{"NegativeFirst", 0, -1, 1}, BadRange{"NegativeCount", 0, 0, -1},
                    BadRange{"DeletePastTheEnd", -99, 3, 2}, BadRange{"DeleteNegative", -99, -1, 1},
                    BadRange{"DeleteBackwards", -99, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumar::pdf
