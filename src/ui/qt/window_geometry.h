#pragma once

// A dialog's stored window placement applied to its Qt window, and taken
// from it before the window goes: the normal position and whether it was
// maximised.

#include <QRect>
#include <QWidget>
#include <cstdint>

#include "config/window_placement.h"

namespace lumar::ui {

// SW_SHOWNORMAL, SW_SHOWMAXIMIZED of the stored placement.
inline constexpr std::uint32_t kShowNormal = 1;
inline constexpr std::uint32_t kShowMaximized = 3;

inline QRect toQRect(const WindowRect& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

inline void placeWindow(QWidget& window, const WindowPlacement& placement) {
    const QRect normal = toQRect(placement.rcNormalPosition);
    if (normal.width() > 0 && normal.height() > 0) {
        window.setGeometry(normal);
    }
    if (placement.showCmd == kShowMaximized) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

inline WindowPlacement placementOf(const QWidget& window) {
    WindowPlacement placement;
    placement.length = WindowPlacement::kLength;
    placement.showCmd = window.isMaximized() ? kShowMaximized : kShowNormal;
    const QRect normal = window.isMaximized() ? window.normalGeometry() : window.geometry();
    placement.rcNormalPosition = {normal.left(), normal.top(), normal.left() + normal.width(),
                                  normal.top() + normal.height()};
    return placement;
}

}  // namespace lumar::ui
