#include "shell/form_controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
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
    // not a Tab stop: F1 in a field opens the help at the field's group
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString AccessibleCaption(QString caption) {
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

FieldRow AddFieldRow(QGridLayout *grid, int row, const FieldSpec &field, QWidget *parent) {
    const QString name = CtlName(field.control);
    const QString base = name.startsWith(QStringLiteral("Edit")) ? name.mid(4) : name;
    const QString caption =
        QString::fromUtf8(field.caption.data(), static_cast<qsizetype>(field.caption.size()));
    FieldRow r;
    r.label = new QLabel(caption, parent);
    r.label->setObjectName(QStringLiteral("Lab") + base);
    r.label->setWordWrap(true);
    r.edit = new QLineEdit(parent);
    r.edit->setObjectName(name);
    r.edit->setFixedWidth(72);
    r.edit->setAccessibleName(AccessibleCaption(caption));
    r.label->setBuddy(r.edit);
    grid->addWidget(r.label, row, 0);
    grid->addWidget(r.edit, row, 1, Qt::AlignVCenter);
    if (!field.unit.empty()) {
        r.unit = new QLabel(
            QString::fromUtf8(field.unit.data(), static_cast<qsizetype>(field.unit.size())),
            parent);
        r.unit->setObjectName(QStringLiteral("Lab") + base + QStringLiteral("U"));
        grid->addWidget(r.unit, row, 2, Qt::AlignVCenter);
    }
    return r;
}

} // namespace orvane
