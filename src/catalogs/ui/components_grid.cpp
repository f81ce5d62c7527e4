#include "catalogs/ui/components_grid.h"

#include "catalogs/fire_load_mixture.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace orvane {

namespace {

// Enter in a cell editor commits the text and moves on instead of closing the dialog.
class EnterMovesDelegate : public QStyledItemDelegate {
public:
    explicit EnterMovesDelegate(ComponentsGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
    bool eventFilter(QObject *object, QEvent *event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto *editor = qobject_cast<QWidget *>(object);
                if (editor) {
                    emit commitData(editor);
                    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                    grid_->MoveToNextCell(true);
                    return true;
                }
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    ComponentsGrid *grid_;
};

} // namespace

ComponentsGrid::ComponentsGrid(const QStringList &headers, QWidget *parent)
    : QTableWidget(MixtureRowCount, static_cast<int>(headers.size()), parent) {
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new EnterMovesDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabKeyNavigation(false);

    updating_ = true;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto *item = new QTableWidgetItem();
            item->setTextAlignment(Qt::AlignCenter);
            if (column == 0) {
                item->setText(QString::number(row + 1));
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            } else if (!IsEditable(column)) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(row, column, item);
        }
    }
    updating_ = false;

    setColumnWidth(0, 32);
    for (int column = 1; column < columnCount(); ++column)
        setColumnWidth(column, 84);
    FitToContents();

    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *) {
        if (!updating_)
            emit cellEdited();
    });
    setCurrentCell(0, 1);
}

bool ComponentsGrid::IsEditable(int column) const {
    return column > 0 && column != ShareColumn && column < columnCount();
}

void ComponentsGrid::FitToContents() {
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column)
        width += columnWidth(column);
    int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
    for (int row = 0; row < rowCount(); ++row)
        height += rowHeight(row);
    setFixedSize(width, height);
}

QString ComponentsGrid::CellText(int row, int column) const {
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void ComponentsGrid::SetCellText(int row, int column, const QString &text) {
    QTableWidgetItem *cell = item(row, column);
    if (!cell || cell->text() == text)
        return;
    const bool wasUpdating = updating_;
    updating_ = true;
    cell->setText(text);
    updating_ = wasUpdating;
}

void ComponentsGrid::MoveToNextCell(bool startEditing) {
    int row = qMax(0, currentRow());
    int column = currentColumn() + 1;
    while (column < columnCount() && !IsEditable(column))
        ++column;
    if (column >= columnCount()) {
        row = (row + 1) % rowCount();
        column = 1;
    }
    setCurrentCell(row, column);
    if (startEditing)
        editItem(item(row, column));
}

void ComponentsGrid::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        MoveToNextCell(false);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace orvane
