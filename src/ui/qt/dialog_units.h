#pragma once

// Dialog units: the system lays its dialogs out in units of the dialog
// font, a quarter of its average character width across and an eighth of
// its height down. The Qt views place their controls the same way, so they
// keep their proportions with any font.

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

namespace lumar::ui {

class DialogUnits {
public:
    explicit DialogUnits(const QWidget& dialog) {
        const QFontMetrics metrics(dialog.font());
        // The average width of the letters, as the platform measures it.
        across_ =
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") /
            52.0;
        down_ = metrics.height();
    }

    int x(int units) const { return static_cast<int>(units * across_ / 4 + 0.5); }
    int y(int units) const { return static_cast<int>(units * down_ / 8 + 0.5); }
    QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(width), y(height)};
    }
    QSize size(int width, int height) const { return {x(width), y(height)}; }

private:
    double across_ = 6;
    double down_ = 13;
};

}  // namespace lumar::ui
