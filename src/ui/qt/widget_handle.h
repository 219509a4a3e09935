#pragma once

// Platform windows travel through the system as void pointers. In the
// plug-in module they are QWidgets; a pointer counts only when it is a live
// widget of this application (a host that is not a Qt program hands over a
// token instead).

#include <QApplication>
#include <QWidget>

namespace lumar::ui {

inline QWidget* liveWidget(void* window) {
    if (window == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return nullptr;
    }
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget == window) {
            return widget;
        }
    }
    return nullptr;
}

// The owner for a new dialog or message box: the given window when it is a
// live widget, else the open modal dialog, else the active window.
inline QWidget* ownerWidget(void* window) {
    if (QWidget* widget = liveWidget(window)) {
        return widget;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

inline bool haveWidgets() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace lumar::ui
