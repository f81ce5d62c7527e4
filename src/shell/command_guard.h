#pragma once
// No exception leaves a window's event handler: a command that fails unexpectedly ends with a
// message box instead of ending the program, so the user keeps the unsaved inputs.

#include <QApplication>
#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace orvane {

// The message for an exception that cut a command short.
QString CommandFailureText(const std::exception &e);

// Runs a window command. An exception ends the command with an error box over `window`;
// the result is false then, true when the command ran to its end.
bool RunGuarded(QWidget *window, const std::function<void()> &command);

// A window's command method as a guarded slot: connect(action, &QAction::triggered, this,
// Guarded(this, &Window::OpenProject)).
template <typename Window, typename Result>
auto Guarded(Window *window, Result (Window::*command)()) {
    return [window, command] { RunGuarded(window, [window, command] { (window->*command)(); }); };
}

// The last line behind the guarded commands: an exception from any other event handler is
// reported the same way, and a window whose closing failed stays open.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace orvane
