#pragma once
// What the two catalogue edit dialogs share: the labelled fields, the components grid, OK and
// Cancel, and the checks made on OK.

#include <QDialog>

#include <optional>

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
    // A row "label [edit] unit" of the fields block.
    QLineEdit *addNumberField(const QString &label, const QString &objectName, const QString &unit);
    // The components grid with its label, placed below the fields.
    ComponentsGrid *addComponentsGrid(const QStringList &headers);
    // Closes the dialog's layout with OK and Cancel; OK calls acceptRecord().
    void addButtons();

    virtual bool acceptRecord() = 0;

    // The name field's text, or nullopt (after the message) when it holds ";".
    std::optional<std::string> checkedName();
    // The field's number, or nullopt (after the message) when it is too large to hold.
    std::optional<double> checkedNumber(QLineEdit *edit);
    void showError(const QString &text, QWidget *focus);

    QLineEdit *EditName = nullptr;
    QVBoxLayout *layout_ = nullptr;
    QGridLayout *fields_ = nullptr;
};

} // namespace orvane
