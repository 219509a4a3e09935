// The annotation check on fixture PDFs in a headless host: the missing and
// surplus lists, their message, what counts as a data annotation, and the
// menu command.

#include "annotations/annotation_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/host/document_view.h"
#include "platform/host/roles.h"
#include "platform/pdf/document.h"
#include "plugin/plugin_harness.h"
#include "ui/progress.h"

namespace lumar {
namespace {

using fixtures::AnnotationOptions;
using fixtures::PdfBuilder;

// `pages` pages; page numbers (from 1) in `missing` get no data annotation,
// those in `doubled` two.
PdfBuilder Document(int pages, const std::vector<int>& missing, const std::vector<int>& doubled) {
    PdfBuilder builder;
    builder.pages(pages);
    for (int number = 1; number <= pages; ++number) {
        if (std::find(missing.begin(), missing.end(), number) != missing.end()) {
            continue;
        }
        builder.dataAnnotation(number - 1, "Page " + std::to_string(number));
        if (std::find(doubled.begin(), doubled.end(), number) != doubled.end()) {
            builder.dataAnnotation(number - 1, "again");
        }
    }
    return builder;
}

class AnnotationCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness.loaded.initialised);
        harness.logOn(3);
    }

    pdf::Document* show(const PdfBuilder& builder) {
        builder.write(dir / "binder.pdf");
        auto document = std::make_unique<pdf::Document>(pdf::Document::open(dir / "binder.pdf"));
        return harness.headless.ui().showDocument(std::move(document))->document();
    }

    fixtures::TempDir dir;
    testing::PluginHarness harness;
};

struct CheckCase {
    const char* name;
    int pages;
    std::vector<int> missing;
    std::vector<int> doubled;
    const char* message;
};

class AnnotationCheckCases : public AnnotationCheckTest,
                             public ::testing::WithParamInterface<CheckCase> {};

TEST_P(AnnotationCheckCases, ListsMissingAndSurplusPages) {
    const CheckCase& c = GetParam();
    pdf::Document* document = show(Document(c.pages, c.missing, c.doubled));

    AnnotationCheck check;
    EXPECT_EQ(CheckAnnotations(document, &check), std::string(c.message).empty());
    EXPECT_EQ(check.missingPages, c.missing);
    EXPECT_EQ(check.surplusPages, c.doubled);
    EXPECT_EQ(check.message, c.message);
    EXPECT_EQ(AnnotationCheckMessage(), c.message);
    EXPECT_FALSE(ProgressActive());
    EXPECT_TRUE(harness.responder.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Documents, AnnotationCheckCases,
    ::testing::Values(
        CheckCase{"EveryPageHasOne", 4, {}, {}, ""},
        CheckCase{"PageThreeMissing", 5, {3}, {}, "No annotations for Lumar found on page 3."},
        CheckCase{"ThreeAndSevenMissingFiveDoubled",
                  8,
                  {3, 7},
                  {5},
                  "No annotations for Lumar found on these pages: 3, 7.\r\n"
                  "Too many annotations for Lumar found on page 5."},
        CheckCase{"SurplusOnly",
                  3,
                  {},
                  {1, 2, 3},
                  "Too many annotations for Lumar found on these pages: 1, 2, 3."},
        CheckCase{"NoPages", 0, {}, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnnotationCheckTest, OnlyTextAnnotationsTitledIndexInAnyCaseCount) {
    AnnotationOptions square;
    square.subtype = "Square";
    square.title = "Index";
    AnnotationOptions comment;
    comment.subtype = "Text";
    comment.title = "Index 2";
    PdfBuilder builder;
    builder.pages(2)
        .dataAnnotation(0, "caps", "INDEX")
        .annotation(0, square)
        .annotation(0, comment)
        .annotation(1, comment)
        .annotation(1, square);
    pdf::Document* document = show(builder);

    pdf::Page* first = host::acquirePage(document, 0);
    EXPECT_EQ(CountDataAnnotations(first), 1);
    host::releasePage(first);

    AnnotationCheck check;
    EXPECT_FALSE(CheckAnnotations(document, &check));
    EXPECT_EQ(check.missingPages, std::vector<int>{2});
    EXPECT_TRUE(check.surplusPages.empty());
}

TEST_F(AnnotationCheckTest, MessageIsEmptiedByTheNextCheck) {
    EXPECT_FALSE(CheckAnnotations(show(Document(2, {1}, {}))));
    EXPECT_FALSE(AnnotationCheckMessage().empty());
    EXPECT_TRUE(CheckAnnotations(show(Document(2, {}, {}))));
    EXPECT_EQ(AnnotationCheckMessage(), "");
}

TEST_F(AnnotationCheckTest, CommandShowsTheVerdict) {
    show(Document(2, {}, {}));
    harness.item("TOLMA:LumarAnnotCheck")->choose();
    show(Document(3, {2}, {}));
    harness.item("TOLMA:LumarAnnotCheck")->choose();

    EXPECT_EQ(harness.responder.notes(),
              (std::vector<std::string>{"One Lumar annotation found on every page.",
                                        "No annotations for Lumar found on page 2."}));
    // The check ran in the host's progress monitor, which was ended.
    const auto& progress = harness.headless.ui().progress();
    EXPECT_FALSE(progress.running());
    EXPECT_EQ(progress.text(), "Done");
}

TEST_F(AnnotationCheckTest, CommandWithoutPdfDocument) {
    harness.headless.ui().openView(std::make_unique<host::DocumentView>("lost.pdf"));
    AnnotationCheckCommand(nullptr);
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{"Could not get pdDoc of opened PDF"});
}

}  // namespace
}  // namespace lumar
