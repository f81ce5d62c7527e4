#include "inflow/ui/inflow_message_notifier.h"

#include "inflow/ui/inflow_tips.h"

#include <QApplication>
#include <QMessageBox>
#include <QScrollArea>

namespace orvane::inflow {

QString InflowMessageTitle() {
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() || title == QStringLiteral("Orvane") ? QStringLiteral("Орвейн") : title;
}

void InflowMessageNotifier::warning(const std::string &text, const std::string &control) {
    QMessageBox::warning(window_, InflowMessageTitle(),
                         WithLineBreaks(QString::fromStdString(text)));
    FocusControl(window_, control);
}

void InflowMessageNotifier::error(const std::string &text, const std::string &control) {
    QMessageBox::critical(window_, InflowMessageTitle(),
                          WithLineBreaks(QString::fromStdString(text)));
    FocusControl(window_, control);
}

bool InflowMessageNotifier::confirm(const std::string &text) {
    return QMessageBox::question(
               window_, InflowMessageTitle(), WithLineBreaks(QString::fromStdString(text)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void InflowMessageNotifier::FocusControl(QWidget *window, const std::string &control) {
    if (!window || control.empty())
        return;
    auto *widget = window->findChild<QWidget *>(QString::fromStdString(control));
    if (!widget)
        return;
    for (QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w)) {
            area->ensureWidgetVisible(widget);
            break;
        }
    }
    widget->setFocus(Qt::OtherFocusReason);
}

} // namespace orvane::inflow
