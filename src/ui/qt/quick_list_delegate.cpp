#include "ui/qt/quick_list_delegate.h"

#include <qdrawutil.h>

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/text/qt/qt_text.h"
#include "ui/qt/colour_value.h"
#include "ui/qt/quick_list_view.h"

namespace lumar::ui {

namespace {

CellRect toCellRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect toQRect(const CellRect& rect) {
    return {rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height())};
}

// The colours a cell is drawn in.
struct CellColours {
    QColor background;
    QColor text;
    QColor boxBackground;
};

// A selection without the focus: a pale tint of the highlight, so that the
// window text stays readable on it.
QColor unfocusedSelection(const QColor& highlight, const QColor& base) {
    constexpr int kTintPercent = 30;
    const auto mix = [](int a, int b) {
        return (a * kTintPercent + b * (100 - kTintPercent)) / 100;
    };
    return {mix(highlight.red(), base.red()), mix(highlight.green(), base.green()),
            mix(highlight.blue(), base.blue())};
}

CellColours coloursOf(const QuickListCell& cell, const QPalette& palette, bool focused,
                      bool enabled) {
    const QPalette::ColorGroup group = !enabled  ? QPalette::Disabled
                                       : focused ? QPalette::Active
                                                 : QPalette::Inactive;
    const auto role = [&palette, group](QPalette::ColorRole r) { return palette.color(group, r); };
    CellColours colours;
    colours.boxBackground = colourOr(cell.backgroundColour, role(QPalette::Base));
    if (cell.selected) {
        colours.background =
            focused ? colourOr(cell.selectedBackgroundFocused, role(QPalette::Highlight))
                    : colourOr(cell.selectedBackgroundUnfocused,
                               unfocusedSelection(role(QPalette::Highlight), role(QPalette::Base)));
        colours.text = colourOr(cell.selectedTextColour,
                                focused ? role(QPalette::HighlightedText) : role(QPalette::Text));
    } else {
        colours.background = colours.boxBackground;
        colours.text = cell.hot ? colourOr(cell.hotTextColour, role(QPalette::Link))
                                : colourOr(cell.textColour, role(QPalette::Text));
    }
    return colours;
}

void drawLine(QPainter& painter, const QRect& rect, const QString& text, int flags) {
    const QString shown =
        painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width(), Qt::TextShowMnemonic);
    painter.drawText(rect, flags | Qt::TextShowMnemonic | Qt::TextSingleLine, shown);
}

void drawText(QPainter& painter, const QuickListCell& cell, const CellRect& rect) {
    const QRect textRect = toQRect(QuickListTextRect(rect, cell.column));
    const int format = static_cast<int>(cell.drawFormat);
    const int horizontal = format & static_cast<int>(Qt::AlignHorizontal_Mask);
    const TextParts parts = SplitAtLineBreak(cell.text);
    if (cell.column != 0 && parts.split) {
        drawLine(painter, textRect, text::toQString(QuickListDrawText(parts.top, cell.column)),
                 horizontal | Qt::AlignTop);
        drawLine(painter, textRect, text::toQString(QuickListDrawText(parts.bottom, cell.column)),
                 horizontal | Qt::AlignBottom);
        return;
    }
    const int vertical = format & static_cast<int>(Qt::AlignVertical_Mask);
    drawLine(painter, textRect, text::toQString(QuickListDrawText(cell.text, cell.column)),
             horizontal | (vertical != 0 ? vertical : static_cast<int>(Qt::AlignVCenter)));
}

// The edge, the background, then the bar over its share of the box.
void drawBox(QPainter& painter, const QuickListCell& cell, const CellRect& rect,
             const QPalette& palette, const CellColours& colours) {
    const bool edge = cell.box.edge != 0;
    if (edge) {
        qDrawWinPanel(&painter, toQRect(QuickListBoxRect(rect, false)), palette, true);
    }
    const QRect box = toQRect(QuickListBoxRect(rect, edge));
    painter.fillRect(box, colours.boxBackground);
    const int bar = QuickListBarWidth(box.width(), cell.box.value, cell.box.maximum);
    if (bar > 0) {
        painter.fillRect(QRect(box.left(), box.top(), bar, box.height()),
                         colourOr(cell.box.colour, palette.color(QPalette::Highlight)));
    }
}

}  // namespace

QuickListDelegate::QuickListDelegate(QuickList& list) : QStyledItemDelegate(&list), list_(list) {}

void QuickListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QuickListCell cell = list_.CellAt(index.row(), index.column());
    const bool focused = list_.hasFocus();
    const CellColours colours = coloursOf(cell, option.palette, focused, list_.isEnabled());
    const CellRect rect = toCellRect(option.rect);
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, colours.background);
    if (!cell.text.empty()) {
        QFont font = option.font;
        font.setBold(cell.bold);
        font.setItalic(cell.italic);
        painter->setFont(font);
        painter->setPen(colours.text);
        drawText(*painter, cell, rect);
    }
    if (cell.HasBox()) {
        drawBox(*painter, cell, rect, option.palette, colours);
    }
    painter->restore();
}

bool QuickListDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString tip = list_.ToolTipAt(event->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, view->viewport(), option.rect);
    return true;
}

}  // namespace lumar::ui
