#pragma once
// The components grid of the catalogue edit dialogs: five rows of a mixture, a fixed number
// column, a computed "%" column, Enter moving on to the next cell to fill.

#include <QStringList>
#include <QTableWidget>

namespace orvane {

class ComponentsGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int ShareColumn = 2;

    ComponentsGrid(const QStringList &headers, QWidget *parent = nullptr);

    QString CellText(int row, int column) const;
    // Sets a cell without announcing it as the user's edit.
    void SetCellText(int row, int column, const QString &text);
    // Moves to the next editable cell: the next column, or the first editable one of the next row.
    void MoveToNextCell(bool startEditing);

signals:
    // The user changed a cell.
    void cellEdited();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool IsEditable(int column) const;
    void FitToContents();
    bool updating_ = false;
};

} // namespace orvane
