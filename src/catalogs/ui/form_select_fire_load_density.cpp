#include "catalogs/ui/form_select_fire_load_density.h"

#include "catalogs/ui/form_edit_fire_load_density.h"
#include "catalogs/ui/qt_text.h"
#include "core/number_text.h"

namespace orvane {

TFormSelectFireLoadDensity::TFormSelectFireLoadDensity(FireLoadDensityCatalog &catalog,
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

std::optional<TFireLoadDensity> TFormSelectFireLoadDensity::select(QWidget *parent,
                                                                   FireLoadDensityCatalog &catalog,
                                                                   const QString &dataFolder) {
    TFormSelectFireLoadDensity dialog(catalog, dataFolder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.FireLoadDensity;
}

int TFormSelectFireLoadDensity::itemCount() const {
    return static_cast<int>(catalog_.Items.size());
}

QStringList TFormSelectFireLoadDensity::rowTexts(int index) const {
    const TFireLoadDensity &item = catalog_.Items[index];
    return {ToQ(item.Name), ToQ(FormatGeneral(item.FLDensity))};
}

FileResult TFormSelectFireLoadDensity::saveList(const std::string &folder) {
    return catalog_.save(FireLoadDensityCatalog::FilePath(folder));
}

bool TFormSelectFireLoadDensity::addEntry() {
    const std::optional<TFireLoadDensity> entry =
        TFormEditFireLoadDensity::edit(this, {"Новая", 14});
    if (!entry)
        return false;
    catalog_.Items.push_back(*entry);
    return true;
}

bool TFormSelectFireLoadDensity::editEntry(int index) {
    const std::optional<TFireLoadDensity> entry =
        TFormEditFireLoadDensity::edit(this, catalog_.Items[index]);
    if (!entry)
        return false;
    catalog_.Items[index] = *entry;
    return true;
}

void TFormSelectFireLoadDensity::deleteEntry(int index) {
    catalog_.Items.erase(catalog_.Items.begin() + index);
}

void TFormSelectFireLoadDensity::chooseEntry(int index) {
    FireLoadDensity = catalog_.Items[index];
}

} // namespace orvane
