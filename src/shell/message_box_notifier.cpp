#include "shell/message_box_notifier.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>

#include <utility>

namespace orvane {

QString MessageTitle() {
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() || title == QStringLiteral("Orvane") ? QStringLiteral("Орвейн") : title;
}

QString WithLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString MessageText(const std::string &text) {
    return WithLineBreaks(QString::fromStdString(text));
}

QMessageBox::StandardButton AskQuestion(QWidget *parent, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Question, MessageTitle(), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Yes, QStringLiteral("Да")},
        {QMessageBox::No, QStringLiteral("Нет")},
        {QMessageBox::Cancel, QStringLiteral("Отмена")}};
    for (const auto &[button, caption] : captions)
        if (QAbstractButton *b = box.button(button))
            b->setText(caption);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBoxNotifier::warning(const std::string &text, const std::string &control) {
    QMessageBox::warning(window_, MessageTitle(), MessageText(text));
    focusControl(control);
}

void MessageBoxNotifier::error(const std::string &text, const std::string &control) {
    QMessageBox::critical(window_, MessageTitle(), MessageText(text));
    focusControl(control);
}

bool MessageBoxNotifier::confirm(const std::string &text) {
    return AskQuestion(window_, MessageText(text), QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxNotifier::focusControl(const std::string &control) {
    if (!window_ || control.empty())
        return;
    auto *widget = window_->findChild<QWidget *>(QString::fromStdString(control));
    // a disabled control cannot take the focus: the page stays where the user left it
    if (!widget || !widget->isEnabled())
        return;
    // bring a field of a scrolled input page into view before focusing it
    for (QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w)) {
            area->ensureWidgetVisible(widget);
            break;
        }
    }
    widget->setFocus(Qt::OtherFocusReason);
}

} // namespace orvane
