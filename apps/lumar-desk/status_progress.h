#pragma once

// The document progress monitor of the desktop host: a text and a bar in the
// main window's status bar, shown while an operation runs.

#include <QWidget>
#include <cstdint>

#include "platform/host/progress_monitor.h"

class QLabel;
class QProgressBar;

namespace lumar::desk {

class StatusProgress : public QWidget {
    Q_OBJECT

public:
    explicit StatusProgress(QWidget* parent = nullptr);

    // The record handed to extensions, with this widget as client data.
    const host::ProgressMonitor& monitor() const { return monitor_; }
    void* clientData() { return this; }

    bool running() const { return running_; }
    std::int32_t value() const;
    std::int32_t duration() const;
    QString text() const;

private:
    static StatusProgress& self(void* clientData);
    // Operations run on the user-interface thread and keep it busy: draw now.
    void showNow();

    host::ProgressMonitor monitor_;
    QLabel* label_;
    QProgressBar* bar_;
    bool running_ = false;
};

}  // namespace lumar::desk
