#pragma once
// Driving modal windows from a test: the action runs once the modal window is up.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace orvane::exhaust::test {

// Calls `action` with the active modal window as soon as one is shown (gives up after 5 s).
inline void WhenModal(std::function<void(QWidget *)> action) {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, timer, poll] {
        if (QWidget *w = QApplication::activeModalWidget(); w && w->isVisible()) {
            action(w);
            *poll = nullptr; // break the cycle
            return;
        }
        if (timer->elapsed() < 5000)
            QTimer::singleShot(10, [poll] {
                if (*poll)
                    (*poll)();
            });
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}

template <typename T> T *Find(QWidget *parent, const char *name) {
    return parent->findChild<T *>(QString::fromLatin1(name));
}

} // namespace orvane::exhaust::test
