#pragma once
// Choosing a fire load from the catalogue, and keeping the catalogue: add, edit, delete, save.

#include "catalogs/fire_load_catalog.h"
#include "catalogs/ui/catalog_select_dialog.h"

namespace orvane {

class FireLoadSelectDialog : public CatalogSelectDialog {
    Q_OBJECT
public:
    // The catalogue outlives the dialog; its file is saved into dataFolder.
    FireLoadSelectDialog(FireLoadCatalog &catalog, const QString &dataFolder,
                        QWidget *parent = nullptr);

    // The chosen entry after OK, nullopt after Cancel.
    static std::optional<TFireLoad> select(QWidget *parent, FireLoadCatalog &catalog,
                                           const QString &dataFolder);

    TFireLoad FireLoad; // the entry chosen by OK

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
    FireLoadCatalog &catalog_;
};

} // namespace orvane
