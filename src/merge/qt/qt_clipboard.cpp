#include "merge/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/text/qt/qt_text.h"

namespace lumar::merge {

namespace {

QClipboard* desktopClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
               ? QGuiApplication::clipboard()
               : nullptr;
}

}  // namespace

void QtClipboard::setText(std::string_view text) {
    QClipboard* clipboard = desktopClipboard();
    if (clipboard == nullptr) {
        own_ = text;
        return;
    }
    QString lines = text::toQString(std::string(text));
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    clipboard->setText(lines);
}

std::string QtClipboard::text() {
    QClipboard* clipboard = desktopClipboard();
    if (clipboard == nullptr) {
        return own_;
    }
    QString lines = clipboard->text();
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace('\n', QStringLiteral("\r\n"));
    return text::fromQString(lines);
}

}  // namespace lumar::merge
