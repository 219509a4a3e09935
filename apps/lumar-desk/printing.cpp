#include "printing.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "platform/pdf/document.h"
#include "platform/pdf/page_renderer.h"
#include "platform/pdf/pdf_error.h"

namespace lumar::desk {

namespace {

// Pages are drawn at the printer's resolution, but never finer than this:
// enough for text, and a binder's pages stay a reasonable size for the spooler.
constexpr int kMaxPrintDpi = 300;

QImage toImage(const pdf::PageImage& page) {
    QImage image(page.width, page.height, QImage::Format_ARGB32);
    for (int row = 0; row < page.height; ++row) {
        std::copy_n(page.pixels.data() + static_cast<std::ptrdiff_t>(row) * page.width, page.width,
                    reinterpret_cast<std::uint32_t*>(image.scanLine(row)));
    }
    return image;
}

}  // namespace

bool printDocument(QWidget* parent, const pdf::Document& document, const PrintRequest& request) {
    try {
        const pdf::PageRenderer renderer(document);
        const int first = std::max(request.firstPage, 0);
        const int last = std::min(request.lastPage, renderer.pageCount() - 1);
        if (first > last) {
            return false;
        }

        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QString::fromStdString(document.path().filename().string()));
        if (!request.toFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(request.toFile);
        }
        printer.setFromTo(first + 1, last + 1);
        if (request.interactive && request.toFile.isEmpty()) {
            QPrintDialog dialog(&printer, parent);
            dialog.setMinMax(1, renderer.pageCount());
            dialog.setOption(QAbstractPrintDialog::PrintPageRange);
            if (dialog.exec() != QDialog::Accepted) {
                return false;
            }
        }
        const int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : first;
        const int to = printer.toPage() > 0 ? printer.toPage() - 1 : last;
        const int dpi = std::min(printer.resolution(), kMaxPrintDpi);

        QPainter painter;
        if (!painter.begin(&printer)) {
            return false;
        }
        for (int page = from; page <= to && page < renderer.pageCount(); ++page) {
            if (page > from && !printer.newPage()) {
                return false;
            }
            const QImage image = toImage(renderer.render(page, dpi));
            // Fit the page into the printable area, keeping its proportions.
            const QRect area = painter.viewport();
            QSize size = image.size();
            size.scale(area.size(), Qt::KeepAspectRatio);
            const QRect target(area.x() + (area.width() - size.width()) / 2,
                               area.y() + (area.height() - size.height()) / 2, size.width(),
                               size.height());
            painter.drawImage(target, image);
        }
        return painter.end();
    } catch (const pdf::PdfError&) {
        return false;
    }
}

}  // namespace lumar::desk
