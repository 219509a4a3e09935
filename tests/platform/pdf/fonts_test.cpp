#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include "fixtures/pdf_builder.h"
#include "platform/pdf/document.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::pdf {
namespace {

using fixtures::FontKind;
using fixtures::FontOptions;
using fixtures::PdfBuilder;

struct FontCase {
    const char* name;
    FontOptions options;
    std::string reportedName;
    std::string subtype;
    std::optional<std::string> encoding;
    bool embedded;
    std::string descendantName;  // composite fonts only
};

class FontFacts : public testing::TestWithParam<FontCase> {};

TEST_P(FontFacts, AreReportedAsTheFileHasThem) {
    const FontCase& c = GetParam();
    PdfBuilder builder;
    builder.pages(1);
    builder.text(0, 72, 700, "Text", builder.addFont(c.options));
    Document doc = Document::openMemory(builder.bytes(), "font.pdf");

    const std::vector<Font> fonts = doc.fonts(0, 0);
    ASSERT_EQ(fonts.size(), 1u);
    const Font& font = fonts[0];
    EXPECT_EQ(font.name, c.reportedName);
    EXPECT_EQ(font.subtype, c.subtype);
    EXPECT_EQ(font.encoding, c.encoding);
    EXPECT_EQ(font.embedded, c.embedded);
    EXPECT_EQ(font.object.dictValue("BaseFont").nameText(), c.reportedName);
    if (c.subtype == "Type0") {
        ASSERT_EQ(font.descendants.size(), 1u);
        EXPECT_EQ(font.descendants[0].name, c.descendantName);
        EXPECT_EQ(font.descendants[0].subtype, "CIDFontType2");
        EXPECT_EQ(font.object.dictValue("DescendantFonts")
                      .arrayElement(0)
                      .dictValue("BaseFont")
                      .nameText(),
                  c.descendantName);
    } else {
        EXPECT_TRUE(font.descendants.empty());
    }
}

FontOptions fontOptions(FontKind kind, std::string prefix = "",
                        std::string encoding = "WinAnsiEncoding", bool embedded = true,
                        std::string descendant = "") {
    FontOptions s;
    s.kind = kind;
    s.subsetPrefix = std::move(prefix);
    s.encoding = std::move(encoding);
    s.embedded = embedded;
    s.descendantName = std::move(descendant);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontFacts,
    testing::Values(FontCase{"Base14", fontOptions(FontKind::Helvetica), "Helvetica", "Type1",
                             "WinAnsiEncoding", false, ""},
                    FontCase{"Base14WithoutEncoding", fontOptions(FontKind::TimesRoman, "", ""),
                             "Times-Roman", "Type1", std::nullopt, false, ""},
                    FontCase{"CustomEncoding", fontOptions(FontKind::Helvetica, "", "Differences"),
                             "Helvetica", "Type1", std::nullopt, false, ""},
                    FontCase{"MacRoman", fontOptions(FontKind::Helvetica, "", "MacRomanEncoding"),
                             "Helvetica", "Type1", "MacRomanEncoding", false, ""},
                    FontCase{"EmbeddedTrueType", fontOptions(FontKind::TrueType), "DejaVuSans",
                             "TrueType", "WinAnsiEncoding", true, ""},
                    FontCase{"SubsetTrueType", fontOptions(FontKind::TrueType, "ABCDEF"),
                             "ABCDEF+DejaVuSans", "TrueType", "WinAnsiEncoding", true, ""},
                    FontCase{"TrueTypeNotEmbedded",
                             fontOptions(FontKind::TrueType, "", "WinAnsiEncoding", false),
                             "DejaVuSans", "TrueType", "WinAnsiEncoding", false, ""},
                    FontCase{"Composite", fontOptions(FontKind::Composite), "DejaVuSans", "Type0",
                             "Identity-H", true, "DejaVuSans"},
                    FontCase{"CompositeSubsetDescendant",
                             fontOptions(FontKind::Composite, "", "", true, "@QWERTY+DejaVuSans"),
                             "DejaVuSans", "Type0", "Identity-H", true, "@QWERTY+DejaVuSans"},
                    FontCase{"CompositeNotEmbedded",
                             fontOptions(FontKind::Composite, "XYZABC", "", false),
                             "XYZABC+DejaVuSans", "Type0", "Identity-H", false,
                             "XYZABC+DejaVuSans"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fonts, EachFontOnceAcrossPagesAndFormXObjects) {
    PdfBuilder builder;
    builder.pages(4);
    const int helvetica = builder.addFont(fontOptions(FontKind::Helvetica));
    const int times = builder.addFont(fontOptions(FontKind::TimesRoman));
    const int dejaVu = builder.addFont(fontOptions(FontKind::TrueType, "ABCDEF"));
    builder.text(0, 72, 700, "one", helvetica);
    builder.text(1, 72, 700, "two", helvetica);
    builder.text(fixtures::TextRun{1, 72, 600, "form", times, 12, true});
    builder.text(fixtures::TextRun{2, 72, 600, "form", times, 12, true});
    builder.text(3, 72, 700, "last", dejaVu);
    Document doc = Document::openMemory(builder.bytes(), "fonts.pdf");

    auto names = [](const std::vector<Font>& fonts) {
        std::vector<std::string> result;
        for (const Font& f : fonts) {
            result.push_back(f.name);
        }
        return result;
    };
    EXPECT_EQ(names(doc.fonts(0, 3)),
              (std::vector<std::string>{"Helvetica", "Times-Roman", "ABCDEF+DejaVuSans"}));
    EXPECT_EQ(names(doc.fonts(2, 2)), (std::vector<std::string>{"Times-Roman"}));
    EXPECT_THROW(doc.fonts(0, 4), PdfError);
    EXPECT_THROW(doc.fonts(2, 1), PdfError);
}

// Loops that a damaged or hostile file can build: a composite font listed as
// its own descendant, a form XObject drawing itself. The walk reports each
// font once and ends.
TEST(Fonts, LoopsInTheFileEndTheWalk) {
    PdfBuilder builder;
    builder.pages(1);
    const int composite = builder.addFont(fontOptions(FontKind::Composite, "", "", false));
    builder.text(fixtures::TextRun{0, 72, 700, "loop", composite, 12, true});
    const std::string clean = builder.bytes();

    QPDF pdf;
    pdf.processMemoryFile("loop.pdf", clean.data(), clean.size());
    QPDFObjectHandle page = pdf.getAllPages().at(0);
    QPDFObjectHandle form = page.getKey("/Resources").getKey("/XObject").getKey("/Fm0");
    QPDFObjectHandle font = form.getDict().getKey("/Resources").getKey("/Font").getKey("/F0");
    font.getKey("/DescendantFonts").setArrayItem(0, font);
    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey("/Fm0", form);
    form.getDict().getKey("/Resources").replaceKey("/XObject", xobjects);
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.write();
    auto buffer = writer.getBufferSharedPointer();
    Document doc = Document::openMemory(
        std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize()),
        "loop.pdf");

    const std::vector<Font> fonts = doc.fonts(0, 0);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].subtype, "Type0");
    ASSERT_EQ(fonts[0].descendants.size(), 1u);
    EXPECT_TRUE(fonts[0].descendants[0].descendants.empty());
}

}  // namespace
}  // namespace lumar::pdf
