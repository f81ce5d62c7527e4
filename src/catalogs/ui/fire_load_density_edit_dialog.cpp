#include "catalogs/ui/fire_load_density_edit_dialog.h"

#include "catalogs/fire_load_mixture.h"
#include "catalogs/ui/components_grid.h"
#include "catalogs/ui/qt_text.h"
#include "core/number_text.h"

#include <QLineEdit>

namespace orvane {

namespace {
enum Column { ColMass = 1, ColShare = 2, ColBurnEnergy = 3 };
}

FireLoadDensityEditDialog::FireLoadDensityEditDialog(const TFireLoadDensity &initial, QWidget *parent)
    : CatalogEditDialog(parent), FLDensity(initial) {
    setObjectName(QStringLiteral("FormEditFireLoadDensity"));
    setWindowTitle(QStringLiteral("Удельная пожарная нагрузка"));
    EditFLDensity = addNumberField(QStringLiteral("Плотность пожарной нагрузки, qп:"),
                                   QStringLiteral("EditFLDensity"), QStringLiteral("МДж/м²"),
                                   NumberRule{FieldKind::real, 0});
    // the mixture's density divides by the room's area
    EditArea = addNumberField(
        QStringLiteral("Площадь помещения, Ff:"), QStringLiteral("EditArea"), QStringLiteral("м²"),
        NumberRule{FieldKind::real, 0, std::numeric_limits<double>::infinity(), true});
    sgComponents = addComponentsGrid({QStringLiteral("№"), QStringLiteral("m, кг"),
                                      QStringLiteral("%"), QStringLiteral("Qн, МДж/кг")});
    addButtons();

    EditName->setText(ToQ(FLDensity.Name));
    EditFLDensity->setText(ToQ(FormatGeneral(FLDensity.FLDensity)));
    EditArea->setText(QStringLiteral("100"));
    sgComponents->setCellText(0, ColMass, QStringLiteral("100"));
    sgComponents->setCellText(0, ColShare, ToQ(ShareText(1.0)));
    sgComponents->setCellText(0, ColBurnEnergy, EditFLDensity->text());

    connect(sgComponents, &ComponentsGrid::cellEdited, this,
            &FireLoadDensityEditDialog::RecalcComplex);
    connect(EditArea, &QLineEdit::textEdited, this, &FireLoadDensityEditDialog::RecalcComplex);
    EditName->setFocus();
}

std::optional<TFireLoadDensity> FireLoadDensityEditDialog::edit(QWidget *parent,
                                                               const TFireLoadDensity &initial) {
    FireLoadDensityEditDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.FLDensity;
}

void FireLoadDensityEditDialog::RecalcComplex() {
    MixtureRows rows;
    for (int row = 0; row < MixtureRowCount; ++row) {
        rows[row].Mass = FromQ(sgComponents->cellText(row, ColMass));
        rows[row].BurnEnergy = FromQ(sgComponents->cellText(row, ColBurnEnergy));
    }
    const MixtureResult result = RecalcComplexDensity(rows, FromQ(EditArea->text()));
    for (int row = 0; row < MixtureRowCount; ++row) {
        if (result.ClearMass[row])
            sgComponents->setCellText(row, ColMass, QString());
        sgComponents->setCellText(row, ColShare, ToQ(result.Share[row]));
    }
    EditFLDensity->setText(ToQ(FormatGeneral(result.FLDensity)));
}

bool FireLoadDensityEditDialog::acceptRecord() {
    const std::optional<std::string> name = checkedName();
    if (!name)
        return false;
    const std::optional<double> density = checkedNumber(EditFLDensity);
    if (!density)
        return false;
    FLDensity = {*name, *density};
    return true;
}

} // namespace orvane
