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
    if (field.kind == FieldKind::real || field.kind == FieldKind::integer ||
        field.kind == FieldKind::signedInteger)
        WatchNumberText(r.edit, RuleOf(field));
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

namespace {
const char *const kInvalidProperty = "orvaneInvalid";
const char *const kOwnTipProperty = "orvaneOwnTip";

void ShowValidity(QLineEdit *edit, const NumberRule &rule) {
    const bool invalid = !IsValidNumberText(rule, edit->text().toStdString());
    if (invalid == edit->property(kInvalidProperty).toBool())
        return;
    edit->setProperty(kInvalidProperty, invalid);
    if (invalid) {
        edit->setProperty(kOwnTipProperty, edit->toolTip());
        const QString expected = QString::fromStdString(ExpectedTip(rule));
        edit->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
        edit->setToolTip(expected);
        edit->setAccessibleDescription(expected);
    } else {
        edit->setStyleSheet(QString());
        edit->setToolTip(edit->property(kOwnTipProperty).toString());
        edit->setAccessibleDescription(QString());
    }
}
} // namespace

void WatchNumberText(QLineEdit *edit, const NumberRule &rule) {
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit, rule](const QString &) { ShowValidity(edit, rule); });
    ShowValidity(edit, rule);
}

bool IsMarkedInvalid(const QWidget *edit) {
    return edit->property(kInvalidProperty).toBool();
}

bool RefuseInvalidFields(QWidget *window, std::span<const FieldSpec> table, const ControlState &in,
                         const std::function<std::optional<FieldProblem>()> &variantCheck,
                         Notifier &notifier) {
    std::optional<FieldProblem> problem;
    for (const FieldSpec &f : table) {
        const auto *edit = window->findChild<QLineEdit *>(CtlName(f.control));
        if (edit && edit->isVisibleTo(window) && edit->isEnabled() && IsMarkedInvalid(edit)) {
            problem = FieldProblem{&f, in.text(f.control)};
            break;
        }
    }
    if (!problem)
        problem = variantCheck();
    if (!problem)
        return false;
    notifier.error(InvalidFieldMessage(*problem->field, problem->text),
                   problem->field->control.str());
    return true;
}

} // namespace orvane
