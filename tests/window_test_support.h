#pragma once
// What the window tests share: finding controls by name, driving modal windows.

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include "core/control_state.h"
#include "shell/form_controls.h"

namespace orvane::test {

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

// Writes `bytes` as the file `name` in `dir`; its path, or "" when it could not be written.
inline QString WriteTestFile(const QTemporaryDir &dir, const QString &name,
                             const QByteArray &bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return {};
    return path;
}

template <typename T> T *Find(QWidget *parent, const char *name) {
    return parent->findChild<T *>(QString::fromLatin1(name));
}
template <typename T> T *Find(QWidget *parent, ControlName name) {
    return parent->findChild<T *>(CtlName(name));
}

} // namespace orvane::test
