#pragma once
// Editing one fire load, typed in or computed as a mixture of up to five components.

#include "catalogs/fire_load_records.h"
#include "catalogs/ui/catalog_edit_dialog.h"

#include <optional>

namespace orvane {

class FireLoadEditDialog : public CatalogEditDialog {
    Q_OBJECT
public:
    FireLoadEditDialog(const TFireLoad &initial, QWidget *parent = nullptr);

    // The edited record after OK, nullopt after Cancel.
    static std::optional<TFireLoad> Edit(QWidget *parent, const TFireLoad &initial);

    TFireLoad FireLoad; // the record being edited; holds the result after OK

    void RecalcComplex();

protected:
    bool AcceptRecord() override;

private:
    QLineEdit *EditBurnEnergy;
    QLineEdit *EditFireSpeed;
    QLineEdit *EditSBurnSpeed;
    ComponentsGrid *sgComponents;
};

} // namespace orvane
