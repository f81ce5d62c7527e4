#include "catalogs/ui/catalog_edit_dialog.h"

#include "catalogs/ui/components_grid.h"
#include "catalogs/ui/qt_text.h"
#include "core/number_text.h"
#include "shell/form_controls.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace orvane {

CatalogEditDialog::CatalogEditDialog(QWidget *parent) : QDialog(parent) {
    layout_ = new QVBoxLayout(this);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    fields_ = new QGridLayout();
    fields_->setHorizontalSpacing(8);
    layout_->addLayout(fields_);

    auto *label = new QLabel(QStringLiteral("Наименование:"), this);
    label->setObjectName(QStringLiteral("LabName"));
    EditName = new QLineEdit(this);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setMaxLength(int(kMaxTextLength)); // the name goes into the project
    EditName->setMinimumWidth(420);
    label->setBuddy(EditName);
    fields_->addWidget(label, 0, 0, 1, 3);
    fields_->addWidget(EditName, 1, 0, 1, 3);
}

QLineEdit *CatalogEditDialog::AddNumberField(const QString &label, const QString &objectName,
                                             const QString &unit, const NumberRule &rule) {
    const int row = fields_->rowCount();
    auto *caption = new QLabel(label, this);
    caption->setObjectName(QStringLiteral("Lab") + objectName.mid(4));
    auto *edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setFixedWidth(110);
    caption->setBuddy(edit);
    auto *unitLabel = new QLabel(unit, this);
    fields_->addWidget(caption, row, 0);
    fields_->addWidget(edit, row, 1);
    fields_->addWidget(unitLabel, row, 2);
    numberFields_.insert(edit, {FromQ(label), rule});
    WatchNumberText(edit, rule);
    return edit;
}

ComponentsGrid *CatalogEditDialog::AddComponentsGrid(const QStringList &headers) {
    auto *label = new QLabel(QStringLiteral("Компоненты комплексной пожарной нагрузки"), this);
    label->setObjectName(QStringLiteral("LabComponents"));
    auto *grid = new ComponentsGrid(headers, this);
    grid->setObjectName(QStringLiteral("sgComponents"));
    label->setBuddy(grid);
    layout_->addSpacing(6);
    layout_->addWidget(label);
    layout_->addWidget(grid);
    return grid;
}

void CatalogEditDialog::AddButtons() {
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("bbOk"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    connect(ok, &QPushButton::clicked, this, [this] {
        if (AcceptRecord())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout_->addSpacing(6);
    layout_->addWidget(buttons);
}

std::optional<std::string> CatalogEditDialog::CheckedName() {
    const QString name = EditName->text();
    if (name.contains(QLatin1Char(';'))) {
        ShowError(QStringLiteral("Наименование не должно содержать знаки ;"), EditName);
        return std::nullopt;
    }
    return FromQ(name);
}

std::optional<double> CatalogEditDialog::CheckedNumber(QLineEdit *edit) {
    const std::string text = FromQ(edit->text());
    if (!std::isfinite(ReadRealInput(text))) {
        ShowError(QStringLiteral("Слишком большое число: ") + edit->text().left(40) +
                      QStringLiteral("…"),
                  edit);
        return std::nullopt;
    }
    const NumberField field = numberFields_.value(edit);
    if (!IsValidNumberText(field.rule, text)) {
        ShowError(ToQ(InvalidTextMessage(field.caption, field.rule, text)), edit);
        return std::nullopt;
    }
    return ParseRealText(text, true);
}

void CatalogEditDialog::ShowError(const QString &text, QWidget *focus) {
    QMessageBox::critical(this, QStringLiteral("Ошибка"), text);
    if (focus)
        focus->setFocus();
}

} // namespace orvane
