#pragma once
// Choosing a fire load density from the catalogue, and keeping the catalogue.

#include "catalogs/fire_load_catalog.h"
#include "catalogs/ui/catalog_select_dialog.h"

namespace orvane {

class FireLoadDensitySelectDialog : public CatalogSelectDialog {
    Q_OBJECT
public:
    // The catalogue outlives the dialog; its file is saved into dataFolder.
    FireLoadDensitySelectDialog(FireLoadDensityCatalog &catalog, const QString &dataFolder,
                                QWidget *parent = nullptr);

    // The chosen entry after OK, nullopt after Cancel.
    static std::optional<TFireLoadDensity> Select(QWidget *parent, FireLoadDensityCatalog &catalog,
                                                  const QString &dataFolder);

    TFireLoadDensity FireLoadDensity; // the entry chosen by OK

protected:
    int ItemCount() const override;
    QStringList RowTexts(int index) const override;
    bool &ModifiedFlag() override { return catalog_.Modified; }
    int &CurrentEntry() override { return catalog_.CurrentIndex; }
    std::optional<std::string> TakeLoadWarning() override { return catalog_.takeLoadWarning(); }
    FileResult WriteList(const std::string &folder) override;
    bool AddEntry() override;
    bool EditEntry(int index) override;
    void DeleteEntry(int index) override;
    void ChooseEntry(int index) override;

private:
    FireLoadDensityCatalog &catalog_;
};

} // namespace orvane
