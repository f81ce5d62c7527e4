#include "catalogs/ui/fire_load_density_select_dialog.h"

#include "catalogs/ui/fire_load_density_edit_dialog.h"
#include "catalogs/ui/qt_text.h"
#include "core/number_text.h"

namespace orvane {

FireLoadDensitySelectDialog::FireLoadDensitySelectDialog(FireLoadDensityCatalog &catalog,
                                                         const QString &dataFolder, QWidget *parent)
    : CatalogSelectDialog(
          dataFolder,
          {QStringLiteral("Удельные пожарные нагрузки"),
           QStringLiteral("Сохранить удельные пожарные нагрузки"),
           QStringLiteral("Добавить удельную пожарную нагрузку"),
           QStringLiteral("Удалить удельную пожарную нагрузку"),
           QStringLiteral("Изменить удельную пожарную нагрузку")},
          {{QStringLiteral("Наименование"), 350}, {QStringLiteral("qп, МДж/м²"), 72}},
          QStringLiteral("sgFLDensities"), parent),
      catalog_(catalog) {
    setObjectName(QStringLiteral("FormSelectFireLoadDensity"));
    ShowList();
}

std::optional<TFireLoadDensity> FireLoadDensitySelectDialog::Select(QWidget *parent,
                                                                    FireLoadDensityCatalog &catalog,
                                                                    const QString &dataFolder) {
    FireLoadDensitySelectDialog dialog(catalog, dataFolder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.FireLoadDensity;
}

int FireLoadDensitySelectDialog::ItemCount() const {
    return static_cast<int>(catalog_.Items.size());
}

QStringList FireLoadDensitySelectDialog::RowTexts(int index) const {
    const TFireLoadDensity &item = catalog_.Items[index];
    return {ToQ(item.Name), ToQ(FormatGeneral(item.FLDensity))};
}

FileResult FireLoadDensitySelectDialog::WriteList(const std::string &folder) {
    return catalog_.save(FireLoadDensityCatalog::FilePath(folder));
}

bool FireLoadDensitySelectDialog::AddEntry() {
    const std::optional<TFireLoadDensity> entry =
        FireLoadDensityEditDialog::Edit(this, {"Новая", 14});
    if (!entry)
        return false;
    catalog_.Items.push_back(*entry);
    return true;
}

bool FireLoadDensitySelectDialog::EditEntry(int index) {
    const std::optional<TFireLoadDensity> entry =
        FireLoadDensityEditDialog::Edit(this, catalog_.Items[index]);
    if (!entry)
        return false;
    catalog_.Items[index] = *entry;
    return true;
}

void FireLoadDensitySelectDialog::DeleteEntry(int index) {
    catalog_.Items.erase(catalog_.Items.begin() + index);
}

void FireLoadDensitySelectDialog::ChooseEntry(int index) {
    FireLoadDensity = catalog_.Items[index];
}

} // namespace orvane
