#include "shell/form_controls.h"

#include <QToolButton>

namespace orvane {

QToolButton *CreateTipButton(const QString &name, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(QStringLiteral("?"));
    button->setToolTip(QStringLiteral("Подсказка"));
    button->setAccessibleName(QStringLiteral("Подсказка"));
    button->setAutoRaise(true);
    button->setFixedSize(20, 20);
    return button;
}

QString AccessibleCaption(QString caption) {
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace orvane
