#include "platform/pdf/text_pdf_writer.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <sstream>

#include "platform/pdf/document.h"
#include "platform/pdf/internal/text_string.h"
#include "platform/pdf/internal/truetype_font.h"
#include "platform/text/cp1252.h"

namespace lumar::pdf {

namespace {

constexpr double kPageWidth = 595;
constexpr double kPageHeight = 842;
constexpr double kMargin = 72;
constexpr double kFirstLineSize = 20;
constexpr double kLineSize = 12;
constexpr const char* kFontName = "/DejaVuSans";

QPDFObjectHandle name(const std::string& n) {
    return QPDFObjectHandle::newName(n);
}

QPDFObjectHandle numbers(std::initializer_list<double> values) {
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    for (double v : values) {
        array.appendItem(QPDFObjectHandle::newReal(v, 3, true));
    }
    return array;
}

QPDFObjectHandle fontDescriptor(QPDF& pdf, const internal::TrueTypeFont& font) {
    QPDFObjectHandle d = QPDFObjectHandle::newDictionary();
    d.replaceKey("/Type", name("/FontDescriptor"));
    d.replaceKey("/FontName", name(kFontName));
    d.replaceKey("/Flags", QPDFObjectHandle::newInteger(32));  // non-symbolic
    d.replaceKey("/FontBBox",
                 numbers({static_cast<double>(font.xMin()), static_cast<double>(font.yMin()),
                          static_cast<double>(font.xMax()), static_cast<double>(font.yMax())}));
    d.replaceKey("/ItalicAngle", QPDFObjectHandle::newInteger(0));
    d.replaceKey("/Ascent", QPDFObjectHandle::newInteger(font.ascent()));
    d.replaceKey("/Descent", QPDFObjectHandle::newInteger(font.descent()));
    d.replaceKey("/CapHeight", QPDFObjectHandle::newInteger(font.ascent()));
    d.replaceKey("/StemV", QPDFObjectHandle::newInteger(80));
    QPDFObjectHandle file = QPDFObjectHandle::newStream(&pdf, font.bytes());
    file.getDict().replaceKey(
        "/Length1", QPDFObjectHandle::newInteger(static_cast<long long>(font.bytes().size())));
    d.replaceKey("/FontFile2", file);
    return pdf.makeIndirectObject(d);
}

// A simple TrueType font in WinAnsiEncoding, the whole font program embedded.
QPDFObjectHandle trueTypeFont(QPDF& pdf, const internal::TrueTypeFont& font) {
    QPDFObjectHandle f = QPDFObjectHandle::newDictionary();
    f.replaceKey("/Type", name("/Font"));
    f.replaceKey("/Subtype", name("/TrueType"));
    f.replaceKey("/BaseFont", name(kFontName));
    f.replaceKey("/Encoding", name("/WinAnsiEncoding"));
    f.replaceKey("/FirstChar", QPDFObjectHandle::newInteger(32));
    f.replaceKey("/LastChar", QPDFObjectHandle::newInteger(255));
    QPDFObjectHandle widths = QPDFObjectHandle::newArray();
    for (int c = 32; c <= 255; ++c) {
        const int glyph = font.glyph(text::toCodePoint(static_cast<unsigned char>(c)));
        widths.appendItem(QPDFObjectHandle::newInteger(font.advance(glyph)));
    }
    f.replaceKey("/Widths", widths);
    f.replaceKey("/FontDescriptor", fontDescriptor(pdf, font));
    return pdf.makeIndirectObject(f);
}

std::string literal(const std::string& bytes) {
    std::string out = "(";
    for (char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + ")";
}

std::string contentOf(const TextPdfPage& page) {
    std::ostringstream content;
    double y = kPageHeight - kMargin;
    bool first = true;
    for (const std::string& line : page.lines) {
        const double size = first ? kFirstLineSize : kLineSize;
        content << "BT /F1 " << size << " Tf " << kMargin << " " << y << " Td " << literal(line)
                << " Tj ET\n";
        y -= size * 1.6;
        first = false;
    }
    return content.str();
}

// The data annotation sits outside the page's right edge, its note window
// closed beside it.
void addDataAnnotation(QPDF& pdf, QPDFObjectHandle page, const std::string& contents) {
    const double left = kPageWidth + 35;
    const double top = kPageHeight;
    QPDFObjectHandle annot = QPDFObjectHandle::newDictionary();
    annot.replaceKey("/Type", name("/Annot"));
    annot.replaceKey("/Subtype", name("/Text"));
    annot.replaceKey("/Rect", numbers({left, top - 22, left + 18, top}));
    annot.replaceKey("/P", page);
    annot.replaceKey("/T", internal::textString("Index"));
    annot.replaceKey("/Contents", internal::textString(contents));
    annot = pdf.makeIndirectObject(annot);

    QPDFObjectHandle popup = QPDFObjectHandle::newDictionary();
    popup.replaceKey("/Type", name("/Annot"));
    popup.replaceKey("/Subtype", name("/Popup"));
    popup.replaceKey("/Rect", numbers({left + 18, top - 200, left + 218, top}));
    popup.replaceKey("/Parent", annot);
    popup.replaceKey("/P", page);
    popup.replaceKey("/Open", QPDFObjectHandle::newBool(false));
    popup = pdf.makeIndirectObject(popup);
    annot.replaceKey("/Popup", popup);

    QPDFObjectHandle annots = QPDFObjectHandle::newArray();
    annots.appendItem(annot);
    annots.appendItem(popup);
    page.replaceKey("/Annots", annots);
}

std::string buildPdf(const std::vector<TextPdfPage>& pages, const std::filesystem::path& fontFile) {
    const internal::TrueTypeFont font(fontFile);
    QPDF pdf;
    pdf.emptyPDF();
    const QPDFObjectHandle f1 = trueTypeFont(pdf, font);
    for (const TextPdfPage& setup : pages) {
        QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
        fonts.replaceKey("/F1", f1);
        QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
        resources.replaceKey("/Font", fonts);
        QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
        page.replaceKey("/Type", name("/Page"));
        page.replaceKey("/MediaBox", numbers({0, 0, kPageWidth, kPageHeight}));
        page.replaceKey("/Resources", resources);
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, contentOf(setup)));
        pdf.addPage(pdf.makeIndirectObject(page), false);
        if (!setup.annotation.empty()) {
            addDataAnnotation(pdf, pdf.getAllPages().back(), setup.annotation);
        }
    }
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.forcePDFVersion("1.3");
    writer.write();
    std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    return {reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize()};
}

}  // namespace

void WriteTextPdf(const std::filesystem::path& target, const std::vector<TextPdfPage>& pages,
                  const std::filesystem::path& fontFile) {
    Document document = Document::openMemory(buildPdf(pages, fontFile), target.string(), false);
    document.save(target, SaveOptions{PdfVersion{1, 3}});
}

}  // namespace lumar::pdf
