#pragma once
// What the two catalogue edit dialogs share: the labelled fields, the components grid, OK and
// Cancel, and the checks made on OK.

#include <QDialog>
#include <QHash>

#include <optional>
#include <string>

#include "core/field_check.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace orvane {

class ComponentsGrid;

class CatalogEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit CatalogEditDialog(QWidget *parent);

protected:
    // A row "label [edit] unit" of the fields block; the edit accepts what `rule` accepts and
    // marks any other text while it is typed.
    QLineEdit *AddNumberField(const QString &label, const QString &objectName, const QString &unit,
                              const NumberRule &rule);
    // The components grid with its label, placed below the fields.
    ComponentsGrid *AddComponentsGrid(const QStringList &headers);
    // Closes the dialog's layout with OK and Cancel; OK calls AcceptRecord().
    void AddButtons();

    virtual bool AcceptRecord() = 0;

    // The name field's text, or nullopt (after the message) when it holds ";".
    std::optional<std::string> CheckedName();
    // The field's number, or nullopt (after the message naming the field and what it expects)
    // when its rule refuses the text.
    std::optional<double> CheckedNumber(QLineEdit *edit);
    void ShowError(const QString &text, QWidget *focus);

    QLineEdit *EditName = nullptr;
    QVBoxLayout *layout_ = nullptr;
    QGridLayout *fields_ = nullptr;

private:
    struct NumberField {
        std::string caption;
        NumberRule rule;
    };
    QHash<const QLineEdit *, NumberField> numberFields_;
};

} // namespace orvane
