#include "app/module_windows.h"

#include "exhaust/ui/form_smk_out_vent_calc.h"
#include "inflow/ui/form_smk_in_vent_calc.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

QWidget *CreateSmkOutVentWindow(const ShellWindows &shell) {
    return new exhaust::TFormSmkOutVentCalc(shell);
}

QWidget *CreateSmkInVentWindow(const ShellWindows &shell) {
    return new inflow::TFormSmkInVentCalc(shell);
}

TModulePlaceholder::TModulePlaceholder(const QString &moduleTitle, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormModulePlaceholder"));
    setWindowTitle(moduleTitle);
    auto *text = new QLabel(
        QStringLiteral("Модуль «%1» в этой сборке программы ещё не готов.").arg(moduleTitle), this);
    text->setObjectName(QStringLiteral("LabMessage"));
    text->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *root = new QVBoxLayout(this);
    root->addWidget(text);
    root->addWidget(buttons);
    setMinimumWidth(420);
}

} // namespace orvane
