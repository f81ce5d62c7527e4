#include "catalogs/ui/fire_load_edit_dialog.h"

#include "catalogs/fire_load_mixture.h"
#include "catalogs/ui/components_grid.h"
#include "catalogs/ui/qt_text.h"
#include "core/number_text.h"

#include <QLineEdit>

namespace orvane {

namespace {
enum Column { ColMass = 1, ColShare = 2, ColBurnEnergy = 3, ColFireSpeed = 4, ColSBurnSpeed = 5 };
// the corridor's air demand divides by the heat of combustion
constexpr NumberRule kAboveZero{FieldKind::real, 0, std::numeric_limits<double>::infinity(), true};
constexpr NumberRule kNotNegative{FieldKind::real, 0};
} // namespace

FireLoadEditDialog::FireLoadEditDialog(const TFireLoad &initial, QWidget *parent)
    : CatalogEditDialog(parent), FireLoad(initial) {
    setObjectName(QStringLiteral("FormEditFireLoad"));
    setWindowTitle(QStringLiteral("Пожарная нагрузка"));
    EditBurnEnergy =
        AddNumberField(QStringLiteral("Низшая рабочая теплота сгорания, Qн:"),
                       QStringLiteral("EditBurnEnergy"), QStringLiteral("МДж/кг"), kAboveZero);
    EditFireSpeed =
        AddNumberField(QStringLiteral("Линейная скорость распространения пламени, Uл:"),
                       QStringLiteral("EditFireSpeed"), QStringLiteral("м/с"), kNotNegative);
    EditSBurnSpeed =
        AddNumberField(QStringLiteral("Удельная скорость выгорания, Ψ:"),
                       QStringLiteral("EditSBurnSpeed"), QStringLiteral("кг/м²/с"), kNotNegative);
    sgComponents = AddComponentsGrid({QStringLiteral("№"), QStringLiteral("m, кг"),
                                      QStringLiteral("%"), QStringLiteral("Qн, МДж/кг"),
                                      QStringLiteral("Uл, м/с"), QStringLiteral("Ψ, кг/м²/с")});
    AddButtons();

    EditName->setText(ToQ(FireLoad.Name));
    EditBurnEnergy->setText(ToQ(FormatGeneral(FireLoad.BurnEnergy)));
    EditFireSpeed->setText(ToQ(FormatGeneral(FireLoad.FireSpeed)));
    EditSBurnSpeed->setText(ToQ(FormatGeneral(FireLoad.SBurnSpeed)));
    // the record itself is the one whole component the user starts from
    sgComponents->SetCellText(0, ColMass, QStringLiteral("100"));
    sgComponents->SetCellText(0, ColShare, ToQ(ShareText(1.0)));
    sgComponents->SetCellText(0, ColBurnEnergy, EditBurnEnergy->text());
    sgComponents->SetCellText(0, ColFireSpeed, EditFireSpeed->text());
    sgComponents->SetCellText(0, ColSBurnSpeed, EditSBurnSpeed->text());

    connect(sgComponents, &ComponentsGrid::cellEdited, this, &FireLoadEditDialog::RecalcComplex);
    EditName->setFocus();
}

std::optional<TFireLoad> FireLoadEditDialog::Edit(QWidget *parent, const TFireLoad &initial) {
    FireLoadEditDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.FireLoad;
}

void FireLoadEditDialog::RecalcComplex() {
    MixtureRows rows;
    for (int row = 0; row < MixtureRowCount; ++row) {
        rows[row].Mass = FromQ(sgComponents->CellText(row, ColMass));
        rows[row].BurnEnergy = FromQ(sgComponents->CellText(row, ColBurnEnergy));
        rows[row].FireSpeed = FromQ(sgComponents->CellText(row, ColFireSpeed));
        rows[row].SBurnSpeed = FromQ(sgComponents->CellText(row, ColSBurnSpeed));
    }
    const MixtureResult result = RecalcComplexFireLoad(rows);
    for (int row = 0; row < MixtureRowCount; ++row) {
        if (result.ClearMass[row])
            sgComponents->SetCellText(row, ColMass, QString());
        sgComponents->SetCellText(row, ColShare, ToQ(result.Share[row]));
    }
    EditBurnEnergy->setText(ToQ(FormatGeneral(result.BurnEnergy)));
    EditFireSpeed->setText(ToQ(FormatGeneral(result.FireSpeed)));
    EditSBurnSpeed->setText(ToQ(FormatGeneral(result.SBurnSpeed)));
}

bool FireLoadEditDialog::AcceptRecord() {
    const std::optional<std::string> name = CheckedName();
    if (!name)
        return false;
    const std::optional<double> burnEnergy = CheckedNumber(EditBurnEnergy);
    if (!burnEnergy)
        return false;
    const std::optional<double> fireSpeed = CheckedNumber(EditFireSpeed);
    if (!fireSpeed)
        return false;
    const std::optional<double> sBurnSpeed = CheckedNumber(EditSBurnSpeed);
    if (!sBurnSpeed)
        return false;
    FireLoad = {*name, *burnEnergy, *fireSpeed, *sBurnSpeed};
    return true;
}

} // namespace orvane
