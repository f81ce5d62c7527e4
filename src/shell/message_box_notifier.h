#pragma once
// The calculation windows' messages: a modal box with the program's title, then the focus on the
// control the message is about.

#include "core/notifier.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>

namespace orvane {

// The title of every message box of the program.
QString MessageTitle();

// "\r" line breaks (alone or as CR LF) as the widgets show them.
QString WithLineBreaks(QString text);
QString MessageText(const std::string &text);

// A question box whose buttons read Да/Нет/Отмена whatever translations the system has.
QMessageBox::StandardButton AskQuestion(QWidget *parent, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton);

class MessageBoxNotifier : public Notifier {
public:
    explicit MessageBoxNotifier(QWidget *window) : window_(window) {}
    void warning(const std::string &text, const std::string &control) override;
    void error(const std::string &text, const std::string &control) override;
    bool confirm(const std::string &text) override;

private:
    // Scrolls the named control into view and focuses it.
    void focusControl(const std::string &control);
    QPointer<QWidget> window_;
};

} // namespace orvane
