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

FireLoadDensityEditDialog::FireLoadDensityEditDialog(const TFireLoadDensity &initial,
                                                     QWidget *parent)
    : CatalogEditDialog(parent), FLDensity(initial) {
    setObjectName(QStringLiteral("FormEditFireLoadDensity"));
    setWindowTitle(QStringLiteral("Удельная пожарная нагрузка"));
    EditFLDensity = AddNumberField(QStringLiteral("Плотность пожарной нагрузки, qп:"),
                                   QStringLiteral("EditFLDensity"), QStringLiteral("МДж/м²"),
                                   NumberRule{FieldKind::real, 0});
    // the mixture's density divides by the room's area
    EditArea = AddNumberField(
        QStringLiteral("Площадь помещения, Ff:"), QStringLiteral("EditArea"), QStringLiteral("м²"),
        NumberRule{FieldKind::real, 0, std::numeric_limits<double>::infinity(), true});
    sgComponents = AddComponentsGrid({QStringLiteral("№"), QStringLiteral("m, кг"),
                                      QStringLiteral("%"), QStringLiteral("Qн, МДж/кг")});
    AddButtons();

    EditName->setText(ToQ(FLDensity.Name));
    EditFLDensity->setText(ToQ(FormatGeneral(FLDensity.FLDensity)));
    EditArea->setText(QStringLiteral("100"));
    sgComponents->SetCellText(0, ColMass, QStringLiteral("100"));
    sgComponents->SetCellText(0, ColShare, ToQ(ShareText(1.0)));
    sgComponents->SetCellText(0, ColBurnEnergy, EditFLDensity->text());

    connect(sgComponents, &ComponentsGrid::cellEdited, this,
            &FireLoadDensityEditDialog::RecalcComplex);
    connect(EditArea, &QLineEdit::textEdited, this, &FireLoadDensityEditDialog::RecalcComplex);
    EditName->setFocus();
}

std::optional<TFireLoadDensity> FireLoadDensityEditDialog::Edit(QWidget *parent,
                                                                const TFireLoadDensity &initial) {
    FireLoadDensityEditDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.FLDensity;
}

void FireLoadDensityEditDialog::RecalcComplex() {
    MixtureRows rows;
    for (int row = 0; row < MixtureRowCount; ++row) {
        rows[row].Mass = FromQ(sgComponents->CellText(row, ColMass));
        rows[row].BurnEnergy = FromQ(sgComponents->CellText(row, ColBurnEnergy));
    }
    const MixtureResult result = RecalcComplexDensity(rows, FromQ(EditArea->text()));
    for (int row = 0; row < MixtureRowCount; ++row) {
        if (result.ClearMass[row])
            sgComponents->SetCellText(row, ColMass, QString());
        sgComponents->SetCellText(row, ColShare, ToQ(result.Share[row]));
    }
    EditFLDensity->setText(ToQ(FormatGeneral(result.FLDensity)));
}

bool FireLoadDensityEditDialog::AcceptRecord() {
    const std::optional<std::string> name = CheckedName();
    if (!name)
        return false;
    const std::optional<double> density = CheckedNumber(EditFLDensity);
    if (!density)
        return false;
    FLDensity = {*name, *density};
    return true;
}

} // namespace orvane
