#include "annotation_pane.h"

#include <QTextBrowser>

#include "document_tab.h"
#include "page_annotations.h"
#include "page_view.h"
#include "platform/pdf/pdf_error.h"
#include "platform/text/qt/qt_text.h"

namespace lumar::desk {

namespace {

QString html(const std::string& cp1252) {
    return text::toQString(cp1252).toHtmlEscaped();
}

QString line(const QString& label, const QString& value) {
    return QString("<p><b>%1:</b> %2</p>").arg(label, value);
}

QString tabSheetText(const PageDataAnnotation& annotation) {
    switch (annotation.tabSheet) {
    case TabSheetState::Yes:
        return "Yes";
    case TabSheetState::Unclear:
        return QString("Unclear (TABSHEET=%1)").arg(html(annotation.tabSheetValue));
    case TabSheetState::No:
        break;
    }
    return "No";
}

QString describe(const PageDataAnnotation& annotation) {
    QString shown;
    // The page text's TABs (its line breaks) stay as they are.
    shown +=
        line("Page text", annotation.pageText.empty() ? QString("<i>(empty)</i>")
                                                      : "<span style=\"white-space: pre-wrap\">" +
                                                            html(annotation.pageText) + "</span>");
    shown += line("Tab sheet", tabSheetText(annotation));
    shown += line("Colour", annotation.colour.empty() ? QString("None") : html(annotation.colour));
    shown += line("Tag", annotation.tag.empty() ? QString("<i>(none)</i>") : html(annotation.tag));
    if (!annotation.hasNoteWindow) {
        shown += line("Note window", "<i>(none)</i>");
        return shown;
    }
    shown += QString("<p><b>Note window</b> (%1):</p>")
                 .arg(annotation.noteWindowOpen ? "open" : "closed");
    QString note = html(annotation.noteWindowText);
    note.replace("\r\n", "<br>").replace('\r', "<br>").replace('\n', "<br>");
    shown += "<p style=\"margin-left: 12px\">" + note + "</p>";
    return shown;
}

}  // namespace

AnnotationPane::AnnotationPane(QWidget* parent)
    : QDockWidget("Annotations", parent), text_(new QTextBrowser(this)) {
    setObjectName("AnnotationPane");
    text_->setObjectName("AnnotationText");
    text_->setOpenLinks(false);
    text_->setFrameShape(QFrame::NoFrame);
    setWidget(text_);
    showPage(nullptr, -1);
}

void AnnotationPane::showPage(DocumentTab* tab, int page) {
    if (tab == nullptr || page < 0 || page >= tab->pages().pageCount()) {
        text_->setHtml("<p><i>No page is shown.</i></p>");
        return;
    }
    QString shown = QString("<h3>Page %1 of %2</h3>").arg(page + 1).arg(tab->pages().pageCount());
    try {
        const std::vector<PageDataAnnotation> found =
            ReadPageDataAnnotations(tab->document(), page);
        if (found.empty()) {
            shown += "<p>This page has no data annotation.</p>";
        } else if (found.size() > 1) {
            shown += QString("<p>This page has %1 data annotations; a page should have one.</p>")
                         .arg(found.size());
        }
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (found.size() > 1) {
                shown += QString("<h4>Data annotation %1</h4>").arg(i + 1);
            }
            shown += describe(found[i]);
        }
    } catch (const pdf::PdfError& error) {
        shown += QString("<p>The page's annotations cannot be read: %1</p>")
                     .arg(QString::fromUtf8(error.what()).toHtmlEscaped());
    }
    text_->setHtml(shown);
}

QString AnnotationPane::shownText() const {
    return text_->toPlainText();
}

}  // namespace lumar::desk
