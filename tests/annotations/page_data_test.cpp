#include "annotations/page_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/host/roles.h"
#include "platform/pdf/annotation.h"
#include "plugin/plugin_harness.h"

namespace lumar {
namespace {

using fixtures::AnnotationOptions;
using fixtures::PdfBuilder;

AnnotationOptions Other(std::string subtype, std::string title, std::string contents) {
    AnnotationOptions options;
    options.subtype = std::move(subtype);
    options.title = std::move(title);
    options.contents = std::move(contents);
    return options;
}

// Fixture PDFs opened through the plug-in's host roles.
class PageDataTest : public ::testing::Test {
protected:
    ~PageDataTest() override {
        for (pdf::Page* page : acquired_) {
            host::releasePage(page);
        }
        for (pdf::Document* document : opened_) {
            host::closeDocument(document);
        }
    }

    pdf::Document* open(const PdfBuilder& builder) {
        const std::string file =
            (dir.path() / ("doc" + std::to_string(opened_.size()) + ".pdf")).string();
        builder.write(file);
        host::HostPath* path = host::pathFromPlatformPath(host::defaultFileSystem(), file);
        pdf::Document* document = host::openDocument(path, host::defaultFileSystem(), true);
        host::releasePath(host::defaultFileSystem(), path);
        opened_.push_back(document);
        return document;
    }

    pdf::Page* page(pdf::Document* document, int index) {
        acquired_.push_back(host::acquirePage(document, index));
        return acquired_.back();
    }

    static std::string Read(pdf::Page* page, std::string_view prefix = "") {
        std::string text;
        ReadPageData(page, prefix, PageDataSink(text));
        return text;
    }

    // Subtype/title/contents of every annotation of the page, in order.
    static std::vector<std::string> Describe(pdf::Page* page) {
        std::vector<std::string> rows;
        for (int i = 0; i < host::annotationCount(page); ++i) {
            const pdf::Annotation annotation = host::annotationOfPage(page, i);
            const std::string subtype = host::stringOfAtom(host::annotationSubtype(annotation));
            if (subtype == "Popup") {
                continue;
            }
            rows.push_back(subtype + "/" + host::annotationTitle(annotation) + "/" +
                           host::annotationContents(annotation));
        }
        return rows;
    }

    lumar::testing::PluginHarness harness;
    fixtures::TempDir dir;

private:
    std::vector<pdf::Document*> opened_;
    std::vector<pdf::Page*> acquired_;
};

TEST_F(PageDataTest, ReadsOnlyDataAnnotationsAsOneLineEach) {
    PdfBuilder builder;
    builder.pages(1)
        .annotation(0, Other("Square", "Index", "a square"))
        .dataAnnotation(0, "  first\r\nsecond\rthird\nfourth  ")
        .annotation(0, Other("Text", "Note", "a note"))
        .dataAnnotation(0, "caps \x92 title", "INDEX")
        .annotation(0, Other("FreeText", "index", "free text"));
    pdf::Document* document = open(builder);

    EXPECT_EQ(Read(page(document, 0)), "first\tsecond\tthird\tfourth\r\ncaps \x92 title\r\n");
    EXPECT_EQ(Read(page(document, 0), "7: "),
              "7: first\tsecond\tthird\tfourth\r\n7: caps \x92 title\r\n");
    EXPECT_TRUE(harness.responder.notes().empty());
}

TEST_F(PageDataTest, PageWithoutDataAnnotationReadsNothing) {
    PdfBuilder builder;
    builder.pages(1).annotation(0, Other("Text", "Comment", "x"));
    EXPECT_EQ(Read(page(open(builder), 0)), "");
}

TEST_F(PageDataTest, ReplacingKeepsOnlyTheLastDataAnnotation) {
    PdfBuilder builder;
    builder.pages(1)
        .dataAnnotation(0, "one")
        .annotation(0, Other("Square", "index", "square"))
        .dataAnnotation(0, "two")
        .dataAnnotation(0, "three", "index");
    pdf::Page* p = page(open(builder), 0);

    EXPECT_TRUE(WritePageData(p, "new <<#TABSHEET=true#>>"));
    EXPECT_EQ(Describe(p), (std::vector<std::string>{"Square/index/square",
                                                     "Text/index/new <<#TABSHEET=true#>>"}));
    EXPECT_EQ(Read(p), "new <<#TABSHEET=true#>>\r\n");
}

TEST_F(PageDataTest, AddingExtendsTheLastDataAnnotationAndRemovesNothing) {
    PdfBuilder builder;
    builder.pages(1).dataAnnotation(0, "one").dataAnnotation(0, "two");
    pdf::Page* p = page(open(builder), 0);

    EXPECT_TRUE(WritePageData(p, "added", PageDataMode::Add));
    EXPECT_EQ(Describe(p), (std::vector<std::string>{"Text/Index/one", "Text/Index/two\nadded"}));
}

TEST_F(PageDataTest, WritingFindsNoDataAnnotation) {
    PdfBuilder builder;
    builder.pages(1).annotation(0, Other("Text", "Comment", "keep"));
    pdf::Page* p = page(open(builder), 0);
    EXPECT_FALSE(WritePageData(p, "x"));
    EXPECT_FALSE(WritePageData(p, "x", PageDataMode::Add));
    EXPECT_EQ(Describe(p), (std::vector<std::string>{"Text/Comment/keep"}));
}

TEST_F(PageDataTest, CollectsEveryPageInOrder) {
    PdfBuilder builder;
    builder.pages(4).dataAnnotation(0, "Page 1 <<#COLOUR=red#>>").dataAnnotation(1, "Page 2");
    builder.dataAnnotation(3, "Page 4a").dataAnnotation(3, "Page 4b");
    EXPECT_EQ(CollectAnnotationData(open(builder)),
              "Page 1 <<#COLOUR=red#>>\r\nPage 2\r\nPage 4a\r\nPage 4b\r\n");
}

TEST_F(PageDataTest, CollectedDataOfAWrittenDocument) {
    PdfBuilder builder;
    builder.pages(2).dataAnnotations({"old 1", "old 2"});
    pdf::Document* document = open(builder);
    WritePageData(page(document, 1), "new 2");
    EXPECT_EQ(CollectAnnotationData(document), "old 1\r\nnew 2\r\n");
}

TEST_F(PageDataTest, ReadsIntoAnOpenHostFile) {
    PdfBuilder builder;
    builder.pages(1).dataAnnotation(0, "report line");
    pdf::Page* p = page(open(builder), 0);

    const std::string file = (dir.path() / "report.rep").string();
    host::HostPath* path = host::pathFromPlatformPath(host::defaultFileSystem(), file);
    host::HostFile* handle = nullptr;
    ASSERT_EQ(host::openFile(host::defaultFileSystem(), path, 6, handle), 0);
    host::releasePath(host::defaultFileSystem(), path);
    ReadPageData(p, "1\t", PageDataSink(handle));
    ReadPageData(p, "2\t", PageDataSink(handle));
    host::closeFile(handle);

    std::ifstream in(file, std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_EQ(written.str(), "1\treport line\r\n2\treport line\r\n");
}

}  // namespace
}  // namespace lumar
