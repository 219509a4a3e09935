// The annotation report on fixture PDFs in a headless host: the lines with
// and without page pair numbers, the bytes of the file, the menu commands and
// their failures.

#include "annotations/annotation_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "annotations/page_data.h"
#include "config/settings_store.h"
#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "platform/host/document_view.h"
#include "platform/pdf/document.h"
#include "platform/settings/temp_settings.h"
#include "plugin/plugin_harness.h"
#include "ui/progress.h"

namespace lumar {
namespace {

using fixtures::PdfBuilder;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Six pages: page 3 spans three lines, page 4 has no data annotation, page 5
// has two.
PdfBuilder SixPages() {
    PdfBuilder builder;
    builder.pages(6)
        .dataAnnotation(0, "Page 1 <<#TABSHEET=true#>>")
        .dataAnnotation(1, "  Page 2  ")
        .dataAnnotation(2, "one\r\ntwo\nthree")
        .dataAnnotation(4, "Page 5a")
        .dataAnnotation(4, "Page 5b")
        .dataAnnotation(5, "Page 6");
    return builder;
}

constexpr const char* kWithNumbers =
    "1 Page 1 <<#TABSHEET=true#>>\r\n"
    "1 Page 2\r\n"
    "2 one\ttwo\tthree\r\n"
    "3 Page 5a\r\n"
    "3 Page 5b\r\n"
    "3 Page 6\r\n";
constexpr const char* kWithoutNumbers =
    "Page 1 <<#TABSHEET=true#>>\r\n"
    "Page 2\r\n"
    "one\ttwo\tthree\r\n"
    "Page 5a\r\n"
    "Page 5b\r\n"
    "Page 6\r\n";

class AnnotationReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness.loaded.initialised);
        harness.logOn(3);
        std::filesystem::create_directories(dir / "annotations");
        ASSERT_TRUE(WriteTextSetting("Uri", "Annotations", (dir / "annotations").string()));
    }

    pdf::Document* show(const PdfBuilder& builder, const std::filesystem::path& path) {
        builder.write(path);
        auto document = std::make_unique<pdf::Document>(pdf::Document::open(path));
        return harness.headless.ui().showDocument(std::move(document))->document();
    }
    pdf::Document* show(const PdfBuilder& builder) { return show(builder, dir / "binder.pdf"); }

    fixtures::TempDir dir;
    testing::TempSettings settings;
    testing::PluginHarness harness;
};

TEST_F(AnnotationReportTest, LinesInMemoryWithAndWithoutNumbers) {
    pdf::Document* document = show(SixPages());
    EXPECT_EQ(AnnotationReportText(document, true), kWithNumbers);
    EXPECT_EQ(AnnotationReportText(document, false), kWithoutNumbers);
    EXPECT_EQ(AnnotationReportText(document, false), CollectAnnotationData(document));
    EXPECT_TRUE(harness.responder.messages().empty());
}

struct CommandCase {
    const char* name;
    const char* item;
    const char* bytes;
};

class AnnotationReportCommands : public AnnotationReportTest,
                                 public ::testing::WithParamInterface<CommandCase> {};

TEST_P(AnnotationReportCommands, WriteTheReportFileInTheAnnotationsFolder) {
    show(SixPages());
    // An older, longer report is replaced, not overwritten in part.
    std::ofstream(dir / "annotations" / "binder.rep") << std::string(500, 'x');

    harness.item(GetParam().item)->choose();

    EXPECT_EQ(ReadFile(dir / "annotations" / "binder.rep"), GetParam().bytes);
    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{"Annotation report generated."});
    EXPECT_FALSE(ProgressActive());
    EXPECT_EQ(harness.headless.ui().progress().text(), "Done");
}

INSTANTIATE_TEST_SUITE_P(
    Menu, AnnotationReportCommands,
    ::testing::Values(CommandCase{"WithNumbers", "TOLMA:LumarAnnotRepYes", kWithNumbers},
                      CommandCase{"WithoutNumbers", "TOLMA:LumarAnnotRepNo", kWithoutNumbers}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnnotationReportTest, UnwritableTargetIsReported) {
    pdf::Document* document = show(SixPages());
    EXPECT_FALSE(
        WriteAnnotationReport(document, true, (dir / "no-such-folder" / "x.rep").string()));
    EXPECT_EQ(harness.responder.notes(),
              std::vector<std::string>{"Failed to create report output file."});
}

TEST_F(AnnotationReportTest, WithoutAnnotationsFolderNothingIsWritten) {
    ASSERT_TRUE(WriteTextSetting("Uri", "Annotations", ""));
    EXPECT_FALSE(CreateAnnotationReport(show(SixPages()), true));
    EXPECT_FALSE(std::filesystem::exists(dir / "annotations" / "binder.rep"));
    // The folder's message reaches the user through the host.
    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{"No annotations folder set"});
}

}  // namespace
}  // namespace lumar
