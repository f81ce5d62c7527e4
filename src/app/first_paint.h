#pragma once
// Run something once a window has painted for the first time: work the first frame does not
// need waits for it, and the start-time benchmarks end a run there, printing the moment.
// Header-only so that the bare comparison program in bench/ measures the same way.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

namespace orvane {

// Calls `then` once, from the event loop, after `window` has painted and shown its first frame.
inline void OnFirstPaint(QWidget *window, std::function<void()> then) {
    class Watcher : public QObject {
    public:
        Watcher(QWidget *window, std::function<void()> then)
            : QObject(window), then_(std::move(then)) {}
        bool eventFilter(QObject *, QEvent *event) override {
            if (event->type() == QEvent::Paint && then_) {
                // the frame reaches the screen when this paint event returns: act after that
                QTimer::singleShot(0, parent(), std::exchange(then_, {}));
            }
            return false;
        }

    private:
        std::function<void()> then_;
    };
    window->installEventFilter(new Watcher(window, std::move(then)));
}

// The nanoseconds of `clock` now.
inline long long ClockNs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Prints "<what> MONOTONIC CPU": the moment on CLOCK_MONOTONIC (the clock a benchmark starting
// the program reads too) and the process's CPU time so far, both in nanoseconds.
inline void PrintMoment(const char *what) {
    const long long moment = ClockNs(CLOCK_MONOTONIC);
    std::printf("%s %lld %lld\n", what, moment, ClockNs(CLOCK_PROCESS_CPUTIME_ID));
    std::fflush(stdout);
}

// Prints the "first-paint" moment and ends every event loop of the program.
inline void PrintFirstPaintAndExit() {
    PrintMoment("first-paint");
    QCoreApplication::exit(0);
}

} // namespace orvane
