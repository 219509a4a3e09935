// The annotation import on fixture PDFs in a headless host: the line rules
// of the import file, adding and replacing, new data annotations and where
// they go, the menu command with its choosers, question and save.

#include "annotations/annotation_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "annotations/data_annotation.h"
#include "annotations/page_data.h"
#include "config/settings_store.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/host/document_view.h"
#include "platform/host/host.h"
#include "platform/host/roles.h"
#include "platform/pdf/annotation.h"
#include "platform/pdf/document.h"
#include "platform/pdf/page.h"
#include "platform/settings/temp_settings.h"
#include "plugin/plugin_harness.h"
#include "ui/progress.h"

namespace lumar {
namespace {

using fixtures::PdfBuilder;

// The contents of the data annotations of every page of the document, in
// page and annotation order ("" for a page without one; "a|b" for two).
std::vector<std::string> DataContents(const pdf::Document& document) {
    std::vector<std::string> pages;
    for (int i = 0; i < document.pageCount(); ++i) {
        const pdf::Page page = document.page(i);
        std::string texts;
        for (int a = 0; a < page.annotationCount(); ++a) {
            const pdf::Annotation annotation = page.annotation(a);
            if (annotation.subtype() == "Text" && annotation.title() == "Index") {
                texts += (texts.empty() ? "" : "|") + annotation.contents();
            }
        }
        pages.push_back(texts);
    }
    return pages;
}

class AnnotationImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness.loaded.initialised);
        harness.logOn(3);
        std::filesystem::create_directories(dir / "annotations");
        ASSERT_TRUE(WriteTextSetting("Uri", "Annotations", (dir / "annotations").string()));
    }

    pdf::Document* show(const PdfBuilder& builder) {
        builder.write(dir / "binder.pdf");
        auto document = std::make_unique<pdf::Document>(pdf::Document::open(dir / "binder.pdf"));
        return harness.headless.ui().showDocument(std::move(document))->document();
    }

    std::string importFile(const std::string& bytes) const {
        const std::filesystem::path path = dir / "annotations" / "binder.ann";
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fixtures::TempDir dir;
    testing::TempSettings settings;
    testing::PluginHarness harness;
};

struct LineCase {
    const char* name;
    std::string file;
    bool imported;
    std::vector<std::string> pages;  // data contents afterwards
    const char* note;                // "" for none
};

class ImportLines : public AnnotationImportTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ImportLines, OneLinePerPage) {
    const LineCase& c = GetParam();
    pdf::Document* document = show(PdfBuilder().pages(4).dataAnnotations({"o1", "o2", "o3", "o4"}));

    EXPECT_EQ(ImportPages(document, importFile(c.file), PageDataMode::Replace), c.imported);
    EXPECT_EQ(DataContents(*document), c.pages);
    EXPECT_EQ(harness.responder.notes(), std::string(c.note).empty()
                                             ? std::vector<std::string>{}
                                             : std::vector<std::string>{c.note});
    EXPECT_FALSE(ProgressActive());
    EXPECT_EQ(harness.headless.ui().progress().text(), "Done");
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportLines,
    ::testing::Values(
        LineCase{"ExactlyOnePerPage", "a\nb\nc\nd\n", true, {"a\n", "b\n", "c\n", "d\n"}, ""},
        LineCase{"LastLineWithoutLineEnd", "a\nb\nc\nd", true, {"a\n", "b\n", "c\n", "d"}, ""},
        LineCase{"CrLfReadsAsLf", "a\r\nb\r\nc\r\nd\r\n", true, {"a\n", "b\n", "c\n", "d\n"}, ""},
        LineCase{"OneLineShort",
                 "a\nb\nc\n",
                 false,
                 {"a\n", "b\n", "c\n", "o4"},
                 "Unexpected EOF. More pages than footers"},
        LineCase{
            "ExtraBlankLines", "a\nb\nc\nd\n\r\n \t \n\n", true, {"a\n", "b\n", "c\n", "d\n"}, ""},
        LineCase{"ExtraNonBlankLine",
                 "a\nb\nc\nd\n\n  x \n",
                 false,
                 {"a\n", "b\n", "c\n", "d\n"},
                 "Unexpected EOF. More footers than pages"},
        LineCase{"NulEndsTheLine",
                 std::string("a\0 rest\r\nb\nc\nd\n", 17),
                 true,
                 {"a", "b\n", "c\n", "d\n"},
                 ""},
        LineCase{"LongLineGoesOnInTheNextLine",
                 std::string(1500, 'x') + "\nb\nc\n",
                 true,
                 {std::string(1023, 'x'), std::string(477, 'x') + "\n", "b\n", "c\n"},
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnnotationImportTest, MissingFileIsReported) {
    pdf::Document* document = show(PdfBuilder().pages(2));
    const std::string path = (dir / "none.ann").string();
    EXPECT_FALSE(ImportPages(document, path, PageDataMode::Add));
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{"Could not open footer file: " + path});
}

TEST_F(AnnotationImportTest, AddingExtendsAndReplacingKeepsOne) {
    PdfBuilder builder;
    builder.pages(2).dataAnnotation(0, "A").dataAnnotation(1, "X").dataAnnotation(1, "Y");
    pdf::Document* document = show(builder);

    ASSERT_TRUE(ImportPages(document, importFile("B\nC\n"), PageDataMode::Add));
    EXPECT_EQ(DataContents(*document), (std::vector<std::string>{"A\nB\n", "X|Y\nC\n"}));

    ASSERT_TRUE(ImportPages(document, importFile("D\nE\n"), PageDataMode::Replace));
    EXPECT_EQ(DataContents(*document), (std::vector<std::string>{"D\n", "E\n"}));
}

TEST_F(AnnotationImportTest, PageWithoutDataAnnotationGetsOneOutsideItsTopEdge) {
    fixtures::AnnotationOptions comment;
    comment.subtype = "Text";
    comment.title = "Comment";
    PdfBuilder builder;
    builder.pages(2, 595, 842).annotation(0, comment);
    pdf::Document* document = show(builder);

    ASSERT_TRUE(ImportPages(document, importFile("right\nleft\n"), PageDataMode::Add));
    EXPECT_EQ(DataContents(*document), (std::vector<std::string>{"right\n", "left\n"}));

    struct Expected {
        int page;
        pdf::Rect rect;
        pdf::Rect note;
    };
    for (const Expected& e : {Expected{0, {630, 842, 648, 820}, {630, 842, 830, 642}},
                              Expected{1, {-35, 842, -17, 820}, {-35, 842, 165, 642}}}) {
        const pdf::Page page = document->page(e.page);
        const pdf::Annotation added = page.annotation(page.annotationCount() - 2);
        EXPECT_EQ(added.title(), "Index");
        EXPECT_EQ(added.rect(), e.rect) << "page " << e.page;
        EXPECT_EQ(added.colour(), (pdf::RgbColour{1, 0, 0}));
        EXPECT_FALSE(added.isOpen());
        ASSERT_TRUE(added.popup().has_value());
        EXPECT_EQ(added.popup()->rect(), e.note) << "page " << e.page;
    }
    // The comment stays first on page 1.
    EXPECT_EQ(document->page(0).annotation(0).title(), "Comment");
}

TEST(DataAnnotationPlace, RoundsTheMediaBoxHalfUpAndSaturates) {
    const auto fixed = [](double value) { return host::fixedFromDouble(value); };
    const DataAnnotationPlace right =
        DataAnnotationPlaceFor({fixed(0.4), fixed(841.5), fixed(595.5), fixed(0)}, 2);
    EXPECT_EQ(right.annotation,
              (host::FixedRect{fixed(631), fixed(841.5), fixed(649), fixed(820)}));
    EXPECT_EQ(right.noteWindow,
              (host::FixedRect{fixed(631), fixed(841.5), fixed(831), fixed(642)}));

    const DataAnnotationPlace left =
        DataAnnotationPlaceFor({fixed(0.4), fixed(100), fixed(595.5), fixed(0)}, 3);
    EXPECT_EQ(left.annotation.left, fixed(-35));

    const DataAnnotationPlace beyond =
        DataAnnotationPlaceFor({fixed(-32760), fixed(-32700), fixed(32750), fixed(-32767)}, 0);
    EXPECT_EQ(beyond.annotation.left, INT32_MAX);        // 32785
    EXPECT_EQ(beyond.annotation.bottom, fixed(-32722));  // still in range
    EXPECT_EQ(beyond.noteWindow.bottom, INT32_MIN);      // -32900
    const DataAnnotationPlace before =
        DataAnnotationPlaceFor({fixed(-32760), fixed(0), fixed(0), fixed(0)}, 1);
    EXPECT_EQ(before.annotation.left, INT32_MIN);   // -32795
    EXPECT_EQ(before.annotation.right, INT32_MIN);  // -32777
}

TEST_F(AnnotationImportTest, CommandAsksAndOffersToSaveUnderANewName) {
    show(PdfBuilder().pages(2).dataAnnotations({"old 1", "old 2"}).version("1.6"));
    const std::string file = importFile("new 1\nnew 2\n");
    const std::string saved = (dir / "saved.pdf").string();
    harness.responder.chooseNext(file);
    harness.responder.answerNext(2);  // Replace
    harness.responder.chooseNext(saved);

    harness.item("TOLMA:LumarAnnotImport")->choose();

    const auto& messages = harness.responder.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].kind, host::ScriptedResponder::Kind::OpenChooser);
    EXPECT_EQ(messages[0].text, (dir / "annotations" / "binder.ann").string());
    EXPECT_EQ(messages[1].text, "Add to or replace existing Lumar annotations (if any)?");
    EXPECT_EQ(messages[1].buttons, (std::vector<std::string>{"Add to", "Replace"}));
    EXPECT_EQ(messages[1].icon, host::AlertIcon::Question);
    EXPECT_EQ(messages[2].kind, host::ScriptedResponder::Kind::SaveChooser);
    EXPECT_EQ(messages[2].text, (dir / "binder.pdf").string());

    const pdf::Document result = pdf::Document::open(saved);
    EXPECT_EQ(DataContents(result), (std::vector<std::string>{"new 1\n", "new 2\n"}));
    EXPECT_EQ(result.version(), (pdf::PdfVersion{1, 3}));
    // The opened file is as it was.
    EXPECT_EQ(DataContents(pdf::Document::open(dir / "binder.pdf")),
              (std::vector<std::string>{"old 1", "old 2"}));
}

TEST_F(AnnotationImportTest, CommandAddsOnAnyOtherAnswerAndStopsWhenTheChooserIsCancelled) {
    pdf::Document* document = show(PdfBuilder().pages(1).dataAnnotations({"A"}));
    harness.responder.chooseNext(std::nullopt);
    harness.item("TOLMA:LumarAnnotImport")->choose();
    EXPECT_EQ(DataContents(*document), std::vector<std::string>{"A"});

    harness.responder.chooseNext(importFile("B\n"));
    harness.responder.answerNext(1);             // Add to
    harness.responder.chooseNext(std::nullopt);  // not saved
    harness.item("TOLMA:LumarAnnotImport")->choose();
    EXPECT_EQ(DataContents(*document), std::vector<std::string>{"A\nB\n"});
    EXPECT_EQ(harness.responder.pendingAnswers(), 0u);
}

TEST_F(AnnotationImportTest, FailedImportOffersNoSave) {
    show(PdfBuilder().pages(2).dataAnnotations({"A", "B"}));
    harness.responder.chooseNext(importFile("only one\n"));
    harness.responder.answerNext(2);
    harness.item("TOLMA:LumarAnnotImport")->choose();
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{"Unexpected EOF. More pages than footers"});
    EXPECT_EQ(harness.responder.messages().size(), 3u);  // chooser, question, note
}

// The host's annotation maker, refusing on the first page.
pdf::Annotation (*hostNewAnnotation)(pdf::Page*, host::Atom, const host::FixedRect*) = nullptr;
int newAnnotationCalls = 0;
pdf::Annotation NewAnnotationRefusingTheFirst(pdf::Page* page, host::Atom subtype,
                                              const host::FixedRect* rect) {
    if (newAnnotationCalls++ == 0) {
        throw host::HostError(host::error::kBadAnnotation, "No annotation here.");
    }
    return hostNewAnnotation(page, subtype, rect);
}

TEST(AnnotationImportFailure, PageWhoseAnnotationCannotBeMadeIsReportedAndTheImportGoesOn) {
    fixtures::TempDir dir;
    testing::TempSettings settings;
    testing::PluginHarness harness(false);
    hostNewAnnotation = host::makePDModelTable().newAnnotation;
    harness.headless.tables().replaceEntry(
        "PDModel", host::entryOffset(&host::PDModelTable::newAnnotation),
        reinterpret_cast<host::GenericProc>(&NewAnnotationRefusingTheFirst));
    harness.load();
    ASSERT_TRUE(harness.loaded.initialised);
    PdfBuilder().pages(2).write(dir / "binder.pdf");
    pdf::Document* document =
        harness.headless.ui()
            .showDocument(std::make_unique<pdf::Document>(pdf::Document::open(dir / "binder.pdf")))
            ->document();
    std::ofstream(dir / "binder.ann") << "one\ntwo\n";

    EXPECT_TRUE(ImportPages(document, (dir / "binder.ann").string(), PageDataMode::Replace));
    EXPECT_EQ(
        harness.responder.notes(),
        std::vector<std::string>{"Error creating text annotation on page 1: No annotation here."});
    EXPECT_EQ(DataContents(*document), (std::vector<std::string>{"", "two\n"}));
}

}  // namespace
}  // namespace lumar
