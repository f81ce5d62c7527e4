#pragma once
// Reference tables of local resistance coefficients: the cell under the pointer lights up, one
// click on a value hands it back (OK); Esc or "Отмена" hands nothing back.

#include <QDialog>

#include <optional>

class QTableWidget;

namespace orvane {

class ResistCoefTablesDialog : public QDialog {
    Q_OBJECT
public:
    explicit ResistCoefTablesDialog(QWidget *parent = nullptr);

    // The picked coefficient, nullopt when the window was closed without a pick.
    static std::optional<double> Pick(QWidget *parent);

    double ResistCoef = 0; // the value of the last pick; 0 on every opening

    QTableWidget *sgBranch;
    QTableWidget *sgBend;
    QTableWidget *sgChange;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableWidget *MakeGrid(int tableIndex);
    void PickCell(QTableWidget *grid, int row, int column);
};

} // namespace orvane
