#include "catalogs/ui/fire_load_select_dialog.h"

#include "catalogs/ui/fire_load_edit_dialog.h"
#include "catalogs/ui/qt_text.h"
#include "core/number_text.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvane {

FireLoadSelectDialog::FireLoadSelectDialog(FireLoadCatalog &catalog, const QString &dataFolder,
                                           QWidget *parent)
    : CatalogSelectDialog(dataFolder,
                          {QStringLiteral("Пожарные нагрузки"),
                           QStringLiteral("Сохранить пожарные нагрузки"),
                           QStringLiteral("Добавить пожарную нагрузку"),
                           QStringLiteral("Удалить пожарную нагрузку"),
                           QStringLiteral("Изменить пожарную нагрузку")},
                          {{QStringLiteral("Наименование"), 500},
                           {QStringLiteral("Qн, МДж/кг"), 72},
                           {QStringLiteral("Uл, м/с"), 72},
                           {QStringLiteral("Ψ, кг/м²/с"), 72}},
                          QStringLiteral("sgFireLoads"), parent),
      catalog_(catalog) {
    setObjectName(QStringLiteral("FormSelectFireLoad"));
    const char *legend[][2] = {
        {"LabLegendBurnEnergy", "Qн - Низшая рабочая теплота сгорания, МДж/кг"},
        {"LabLegendFireSpeed", "Uл - Линейная скорость распространения пламени, м/с"},
        {"LabLegendSBurnSpeed", "Ψ - Удельная скорость выгорания, кг/м²/с"},
    };
    int at = layout_->indexOf(grid_) + 1;
    for (const auto &line : legend) {
        auto *label = new QLabel(QString::fromUtf8(line[1]), this);
        label->setObjectName(QString::fromLatin1(line[0]));
        layout_->insertWidget(at++, label);
    }
    ShowList();
}

std::optional<TFireLoad> FireLoadSelectDialog::Select(QWidget *parent, FireLoadCatalog &catalog,
                                                      const QString &dataFolder) {
    FireLoadSelectDialog dialog(catalog, dataFolder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.FireLoad;
}

int FireLoadSelectDialog::ItemCount() const {
    return static_cast<int>(catalog_.Items.size());
}

QStringList FireLoadSelectDialog::RowTexts(int index) const {
    const TFireLoad &item = catalog_.Items[index];
    return {ToQ(item.Name), ToQ(FormatGeneral(item.BurnEnergy)), ToQ(FormatGeneral(item.FireSpeed)),
            ToQ(FormatGeneral(item.SBurnSpeed))};
}

FileResult FireLoadSelectDialog::WriteList(const std::string &folder) {
    return catalog_.save(FireLoadCatalog::FilePath(folder));
}

bool FireLoadSelectDialog::AddEntry() {
    const std::optional<TFireLoad> entry =
        FireLoadEditDialog::Edit(this, {"Новая", 14, 0.015, 0.0137});
    if (!entry)
        return false;
    catalog_.Items.push_back(*entry);
    return true;
}

bool FireLoadSelectDialog::EditEntry(int index) {
    const std::optional<TFireLoad> entry = FireLoadEditDialog::Edit(this, catalog_.Items[index]);
    if (!entry)
        return false;
    catalog_.Items[index] = *entry;
    return true;
}

void FireLoadSelectDialog::DeleteEntry(int index) {
    catalog_.Items.erase(catalog_.Items.begin() + index);
}

void FireLoadSelectDialog::ChooseEntry(int index) {
    FireLoad = catalog_.Items[index];
}

} // namespace orvane
