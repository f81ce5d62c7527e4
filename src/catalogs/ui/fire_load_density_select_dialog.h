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
    static std::optional<TFireLoadDensity> select(QWidget *parent, FireLoadDensityCatalog &catalog,
                                                  const QString &dataFolder);

    TFireLoadDensity FireLoadDensity; // the entry chosen by OK

protected:
    int itemCount() const override;
    QStringList rowTexts(int index) const override;
    bool &modifiedFlag() override { return catalog_.Modified; }
    int &currentIndex() override { return catalog_.CurrentIndex; }
    std::optional<std::string> takeLoadWarning() override { return catalog_.takeLoadWarning(); }
    FileResult saveList(const std::string &folder) override;
    bool addEntry() override;
    bool editEntry(int index) override;
    void deleteEntry(int index) override;
    void chooseEntry(int index) override;

private:
    FireLoadDensityCatalog &catalog_;
};

} // namespace orvane
