#pragma once

// What the main window shows while no document is open: how to begin (open
// a binder or drop one on the window, log on for the publications), with
// buttons that do it.

#include <QWidget>

class QLabel;
class QPushButton;

namespace lumar::desk {

class EmptyWindowHint : public QWidget {
    Q_OBJECT

public:
    explicit EmptyWindowHint(QWidget* parent = nullptr);

    // The log-on button shows only while logging on is possible.
    void setLogOnAvailable(bool available);

Q_SIGNALS:
    void openRequested();
    void logOnRequested();

private:
    QLabel* logOnHint_;
    QPushButton* logOn_;
};

}  // namespace lumar::desk
