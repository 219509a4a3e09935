#pragma once

// Acting in the next modal window from inside the event loop, within a
// bounded time: the step looks for its window every few milliseconds and
// gives up after a few seconds. Then it notes what it waited for and closes
// whatever modal window stands in the way, so that a failed step ends the
// test instead of hanging it.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace lumar::testing {

inline constexpr int kModalPollMs = 20;
inline constexpr int kModalPatienceMs = 5000;

// Runs `act` on the next modal window of type `Window` once it is shown; the
// window is closed afterwards if `act` left it open. `failures` gets a note
// when no such window came in time.
template <typename Window>
void WithNextModal(const std::function<void(Window*)>& act, QStringList* failures,
                   QDeadlineTimer deadline = QDeadlineTimer(kModalPatienceMs)) {
    QTimer::singleShot(kModalPollMs, [act, failures, deadline] {
        QPointer<Window> window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window.isNull() && window->isVisible()) {
            act(window);
            if (!window.isNull() && window->isVisible()) {
                window->reject();
            }
            return;
        }
        if (!deadline.hasExpired()) {
            WithNextModal<Window>(act, failures, deadline);
            return;
        }
        failures->append(QString("no %1 came").arg(Window::staticMetaObject.className()));
        if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            failures->append("closed " + other->objectName() + " \"" + other->windowTitle() +
                             "\" instead");
            other->reject();
        }
    });
}

}  // namespace lumar::testing
