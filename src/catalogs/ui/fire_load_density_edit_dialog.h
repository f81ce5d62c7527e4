#pragma once
// Editing one fire load density, typed in or computed from component masses over a floor area.

#include "catalogs/fire_load_records.h"
#include "catalogs/ui/catalog_edit_dialog.h"

#include <optional>

namespace orvane {

class FireLoadDensityEditDialog : public CatalogEditDialog {
    Q_OBJECT
public:
    FireLoadDensityEditDialog(const TFireLoadDensity &initial, QWidget *parent = nullptr);

    // The edited record after OK, nullopt after Cancel.
    static std::optional<TFireLoadDensity> Edit(QWidget *parent, const TFireLoadDensity &initial);

    TFireLoadDensity FLDensity; // the record being edited; holds the result after OK

    void RecalcComplex();

protected:
    bool AcceptRecord() override;

private:
    QLineEdit *EditFLDensity;
    QLineEdit *EditArea;
    ComponentsGrid *sgComponents;
};

} // namespace orvane
