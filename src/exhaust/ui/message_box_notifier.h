#pragma once
// The exhaust windows' messages: a modal box with the given text, then the focus on the control
// the message is about.

#include "core/notifier.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace orvane::exhaust {

// "\r" in a message is a line break.
QString MessageText(const std::string &text);

class MessageBoxNotifier : public Notifier {
public:
    explicit MessageBoxNotifier(QWidget *window) : window_(window) {}
    void warning(const std::string &text, const std::string &control) override;
    void error(const std::string &text, const std::string &control) override;
    bool confirm(const std::string &text) override;

private:
    void focusControl(const std::string &control);
    QPointer<QWidget> window_;
};

// The title of every message box of the program.
QString MessageTitle();

// A question box whose buttons read in Russian whatever translations the system has.
QMessageBox::StandardButton AskQuestion(QWidget *parent, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton);

} // namespace orvane::exhaust
