// The PDF check on fixture PDFs in a headless host: the version verdict, the
// font tests, the report file and the questions.

#include "pdftools/pdf_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/pdf_builder.h"
#include "fixtures/temp_dir.h"
#include "pdftools/associated_program.h"
#include "platform/host/document_view.h"
#include "platform/host/roles.h"
#include "platform/pdf/document.h"
#include "plugin/plugin_harness.h"

namespace lumar {
namespace {

using fixtures::FontKind;
using fixtures::FontOptions;
using fixtures::PdfBuilder;

class RecordingOpener : public AssociatedProgram {
public:
    bool open(const std::string& path, void* /*owner*/) override {
        opened.push_back(path);
        return true;
    }
    std::vector<std::string> opened;
};

// One page per font, each font used by one line of text.
PdfBuilder WithFonts(const std::vector<FontOptions>& fonts, const std::string& version = "1.3") {
    PdfBuilder builder;
    builder.pages(static_cast<int>(fonts.size())).version(version);
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        const int font = builder.addFont(fonts[i]);
        builder.text(static_cast<int>(i), 72, 700, "Leaf", font);
    }
    return builder;
}

FontOptions TrueType(const std::string& subsetPrefix = "") {
    FontOptions font;
    font.kind = FontKind::TrueType;
    font.subsetPrefix = subsetPrefix;
    return font;
}

FontOptions Composite(const std::string& descendantName) {
    FontOptions font;
    font.kind = FontKind::Composite;
    font.name = "DejaVuSans";
    font.descendantName = descendantName;
    return font;
}

class PdfCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness.loaded.initialised);
        harness.logOn(3);
        previousOpener = SetAssociatedProgram(&opener);
    }
    void TearDown() override { SetAssociatedProgram(previousOpener); }

    pdf::Document* show(const PdfBuilder& builder, const std::string& name = "book.pdf") {
        builder.write(dir / name);
        auto document = std::make_unique<pdf::Document>(pdf::Document::open(dir / name));
        host::DocumentView* view = harness.headless.ui().showDocument(std::move(document));
        return view->document();
    }

    std::string report(const std::string& name = "book.pdf_report.txt") const {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    const host::ScriptedResponder::Message& onlyMessage() const {
        EXPECT_EQ(harness.responder.messages().size(), 1u);
        return harness.responder.messages().front();
    }

    fixtures::TempDir dir;
    testing::PluginHarness harness;
    RecordingOpener opener;
    AssociatedProgram* previousOpener = nullptr;
};

TEST_F(PdfCheck, VersionFromTheMenuIsJudgedAndTheVerdictOffersTheReport) {
    FontOptions helvetica;  // base-14, not embedded
    show(WithFonts({helvetica}, "1.4"));
    harness.responder.answerNext(1);  // View report
    harness.responder.answerNext(2);  // OK

    harness.item("TOLMA:LumarCheckPDF")->choose();

    const std::string path = (dir / "book.pdf").string();
    EXPECT_EQ(report(),
              "[Report summary]\r\nErrors encountered:\r\n\t- PDF version must be 1.3"
              "\r\n\t- 1 font not OK\r\n\r\n"
              "[PDF Info]\r\n" +
                  path +
                  "\r\n\tversion:\t1.4 (NOK)\r\n\r\n"
                  "[Font Info]\r\nHelvetica\r\n\ttype:\tType1\r\n\tencoding:\tWinAnsiEncoding"
                  "\r\n\tembedding:\tNot embedded (NOK)\r\n"
                  "\r\n[End of report]\r\n\r\n");

    const auto& messages = harness.responder.messages();
    ASSERT_EQ(messages.size(), 2u);  // asked again after "View report"
    for (const auto& message : messages) {
        EXPECT_EQ(message.kind, host::ScriptedResponder::Kind::Question);
        EXPECT_EQ(message.text,
                  "Errors encountered: (see report)\r\n\t- PDF version must be 1.3"
                  "\r\n\t- 1 font not OK");
        EXPECT_EQ(message.buttons, (std::vector<std::string>{"View report", "OK"}));
        EXPECT_EQ(message.icon, host::AlertIcon::Question);
    }
    EXPECT_EQ(opener.opened, std::vector<std::string>{(dir / "book.pdf_report.txt").string()});

    // The host's progress monitor ran from 0 to 100 and was ended.
    const host::RecordingProgress& progress = harness.headless.ui().progress();
    EXPECT_FALSE(progress.running());
    EXPECT_EQ(progress.duration(), 100);
    EXPECT_EQ(progress.value(), 100);
}

TEST_F(PdfCheck, ViewReportOpensTheReportThroughTheHost) {
    // The opener the plug-in installed at initialisation: the host's.
    SetAssociatedProgram(previousOpener);
    FontOptions helvetica;
    show(WithFonts({helvetica}, "1.4"));
    harness.responder.answerNext(1);  // View report
    harness.responder.answerNext(2);  // OK

    harness.item("TOLMA:LumarCheckPDF")->choose();

    EXPECT_EQ(harness.headless.ui().openedWithProgram(),
              std::vector<std::filesystem::path>{dir / "book.pdf_report.txt"});
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(PdfCheck, PartOfAnOperationDoesNotJudgeTheVersion) {
    PdfCheckRequest check;
    check.document = show(WithFonts({TrueType()}, "1.4"));
    check.partOfOperation = true;

    EXPECT_TRUE(CheckPdf(check));
    EXPECT_EQ(check.versionText, "1.3");
    EXPECT_EQ(check.fontErrorCount, 0);
    EXPECT_TRUE(check.proceed);
    EXPECT_TRUE(harness.responder.messages().empty());  // no verdict note inside an operation
    EXPECT_NE(report().find("\tversion:\t1.4\r\n"), std::string::npos);
    EXPECT_EQ(report().find("(NOK)"), std::string::npos);
    EXPECT_EQ(report().rfind("[Report summary]\r\nFile is OK\r\n\r\n", 0), 0u);
}

TEST_F(PdfCheck, GoodFileFromTheMenuSaysSo) {
    PdfCheckRequest check;
    check.document = show(WithFonts({TrueType()}));
    EXPECT_TRUE(CheckPdf(check));
    EXPECT_EQ(check.versionText, "1.3");
    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{"File is OK"});
}

TEST_F(PdfCheck, PartOfAnOperationAsksContinueOrCancel) {
    struct Case {
        int answer;
        bool proceed;
    };
    for (const Case& c : {Case{3, true}, Case{2, false}}) {
        harness.responder.clearMessages();
        PdfCheckRequest check;
        check.document = show(WithFonts({TrueType("ABCDEF")}));
        check.partOfOperation = true;
        harness.responder.answerNext(c.answer);
        EXPECT_FALSE(CheckPdf(check));
        EXPECT_EQ(check.proceed, c.proceed) << c.answer;
        EXPECT_EQ(onlyMessage().buttons,
                  (std::vector<std::string>{"View report", "Cancel", "Continue"}));
    }
}

struct FontCase {
    const char* name;
    std::vector<FontOptions> fonts;
    std::vector<std::string> embeddings;  // in the report, in page order
    std::vector<std::string> encodings;
    int fontErrors;
};

class PdfCheckFonts : public PdfCheck, public ::testing::WithParamInterface<FontCase> {};

TEST_P(PdfCheckFonts, ReportsEachFontsEmbeddingAndEncoding) {
    const FontCase& c = GetParam();
    PdfCheckRequest check;
    check.document = show(WithFonts(c.fonts));
    check.quiet = true;

    EXPECT_EQ(CheckPdf(check), c.fontErrors == 0);
    EXPECT_EQ(check.fontErrorCount, c.fontErrors);
    EXPECT_TRUE(harness.responder.messages().empty());

    const std::string text = report();
    std::size_t at = 0;
    for (std::size_t i = 0; i < c.embeddings.size(); ++i) {
        at = text.find(
            "\r\n\tencoding:\t" + c.encodings[i] + "\r\n\tembedding:\t" + c.embeddings[i] + "\r\n",
            at);
        ASSERT_NE(at, std::string::npos) << "font " << i << " in\n" << text;
        ++at;
    }
    if (c.fontErrors == 1) {
        EXPECT_NE(text.find("\r\n\t- 1 font not OK\r\n"), std::string::npos);
    } else if (c.fontErrors > 1) {
        EXPECT_NE(text.find("\r\n\t- " + std::to_string(c.fontErrors) + " fonts not OK\r\n"),
                  std::string::npos);
    } else {
        EXPECT_EQ(text.find("not OK"), std::string::npos);
    }
}

FontOptions CustomEncoding() {
    FontOptions font = TrueType();
    font.encoding = "Differences";
    return font;
}

FontOptions NotEmbedded() {
    FontOptions font = TrueType();
    font.embedded = false;
    return font;
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, PdfCheckFonts,
    ::testing::Values(
        FontCase{"FullyEmbedded", {TrueType()}, {"Embedded"}, {"WinAnsiEncoding"}, 0},
        FontCase{"SubsetPrefix",
                 {TrueType("ABCDEF")},
                 {"Subset embedded (NOK)"},
                 {"WinAnsiEncoding"},
                 1},
        FontCase{"LowerCaseInPrefixIsNoSubset",
                 {TrueType("ABcDEF")},
                 {"Embedded"},
                 {"WinAnsiEncoding"},
                 0},
        FontCase{
            "DigitInPrefixIsNoSubset", {TrueType("ABC1EF")}, {"Embedded"}, {"WinAnsiEncoding"}, 0},
        FontCase{"CompositeWithSubsetDescendant",
                 {Composite("ABCDEF+DejaVuSans")},
                 {"Subset embedded (NOK)"},
                 {"Identity-H"},
                 1},
        FontCase{"CompositeWithVerticalSubsetDescendant",
                 {Composite("@ABCDEF+DejaVuSans")},
                 {"Subset embedded (NOK)"},
                 {"Identity-H"},
                 1},
        FontCase{"CompositeWithFullDescendant",
                 {Composite("DejaVuSans")},
                 {"Embedded"},
                 {"Identity-H"},
                 0},
        FontCase{"CustomEncoding", {CustomEncoding()}, {"Embedded"}, {"Custom-encoding (NOK)"}, 1},
        FontCase{"TwoFaultyFonts",
                 {NotEmbedded(), TrueType(), TrueType("QWERTY")},
                 {"Not embedded (NOK)", "Embedded", "Subset embedded (NOK)"},
                 {"WinAnsiEncoding", "WinAnsiEncoding", "WinAnsiEncoding"},
                 2}),
    [](const ::testing::TestParamInfo<FontCase>& info) { return info.param.name; });

TEST(SubsetFontName, NeedsSixCapitalsAPlusAndMore) {
    EXPECT_TRUE(IsSubsetFontName("ABCDEF+X"));
    EXPECT_FALSE(IsSubsetFontName("ABCDEF+"));  // 7 characters
    EXPECT_FALSE(IsSubsetFontName("ABCDE+XY"));
    EXPECT_FALSE(IsSubsetFontName("ABCDEFG+X"));
    EXPECT_FALSE(IsSubsetFontName("ABCDE[+X"));
}

TEST_F(PdfCheck, SecondRunAppendsToTheReport) {
    PdfCheckRequest check;
    check.document = show(WithFonts({TrueType()}));
    check.quiet = true;
    ASSERT_TRUE(CheckPdf(check));
    const std::string first = report();
    ASSERT_TRUE(CheckPdf(check));
    EXPECT_EQ(report(), first + first);
}

TEST_F(PdfCheck, QuietCheckShowsNothing) {
    PdfCheckRequest check;
    check.document = show(WithFonts({NotEmbedded()}, "1.5"));
    check.quiet = true;
    EXPECT_FALSE(CheckPdf(check));
    EXPECT_TRUE(check.proceed);  // quiet: the caller decides
    EXPECT_EQ(check.versionText, "1.3");
    EXPECT_EQ(check.fontErrorCount, 1);
    EXPECT_TRUE(harness.responder.messages().empty());
    EXPECT_TRUE(harness.headless.ui().progress().events().empty());
}

TEST_F(PdfCheck, UnwritableReportMakesTheCheckFail) {
    std::filesystem::create_directory(dir / "book.pdf_report.txt");
    PdfCheckRequest check;
    check.document = show(WithFonts({TrueType()}));

    EXPECT_FALSE(CheckPdf(check));  // the file itself is fine
    EXPECT_EQ(harness.responder.notes(),
              (std::vector<std::string>{"Failed to open pdf report file", "File is OK"}));
    EXPECT_FALSE(check.proceed);
}

TEST_F(PdfCheck, UnwritableReportWithErrorsAsksWithoutTheReport) {
    std::filesystem::create_directory(dir / "book.pdf_report.txt");
    PdfCheckRequest check;
    check.document = show(WithFonts({NotEmbedded()}));
    harness.responder.answerNext(1);

    EXPECT_FALSE(CheckPdf(check));
    const auto& messages = harness.responder.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Failed to open pdf report file");
    EXPECT_EQ(messages[1].text, "Errors encountered:\r\n\t- 1 font not OK");
    EXPECT_EQ(messages[1].buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(PdfCheck, MenuWithoutDocumentAsksForOne) {
    PdfCheckCommand(nullptr);
    EXPECT_EQ(harness.responder.notes(), std::vector<std::string>{"Open a PDF first."});
}

}  // namespace
}  // namespace lumar
