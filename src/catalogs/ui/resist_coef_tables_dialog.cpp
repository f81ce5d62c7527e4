#include "catalogs/ui/resist_coef_tables_dialog.h"

#include "catalogs/resist_coef_tables.h"
#include "catalogs/ui/qt_text.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

bool IsDataCell(int row, int column) {
    return row > 0 && column > 0;
}

} // namespace

ResistCoefTablesDialog::ResistCoefTablesDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormPartResistCoef"));
    setWindowTitle(QStringLiteral("Коэффициент местного сопротивления"));
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const char *titleNames[] = {"LabBranch", "LabBend", "LabChange"};
    QTableWidget **grids[] = {&sgBranch, &sgBend, &sgChange};
    const auto &tables = ResistCoefTables();
    for (int t = 0; t < 3; ++t) {
        auto *title = new QLabel(ToQ(tables[t].Title), this);
        title->setObjectName(QString::fromLatin1(titleNames[t]));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        layout->addWidget(title);

        *grids[t] = MakeGrid(t);
        auto *row = new QHBoxLayout();
        row->addWidget(*grids[t], 0, Qt::AlignTop);
        if (!tables[t].Notes.empty()) {
            auto *notes = new QVBoxLayout();
            for (const std::string &note : tables[t].Notes)
                notes->addWidget(new QLabel(ToQ(note), this));
            notes->addStretch();
            row->addSpacing(12);
            row->addLayout(notes);
        }
        row->addStretch();
        layout->addLayout(row);
        layout->addSpacing(6);
    }

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QTableWidget *ResistCoefTablesDialog::MakeGrid(int tableIndex) {
    const ResistCoefTable &table = ResistCoefTables()[tableIndex];
    const int rows = static_cast<int>(table.Cells.size());
    const int columns = static_cast<int>(table.Cells.front().size());
    auto *grid = new QTableWidget(rows, columns, this);
    grid->setObjectName(ToQ(table.GridName));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setMouseTracking(true);
    grid->setTabKeyNavigation(false);

    QFont headerFont = grid->font();
    headerFont.setBold(true);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto *item = new QTableWidgetItem(ToQ(table.Cells[r][c]));
            item->setTextAlignment(Qt::AlignCenter);
            if (!IsDataCell(r, c)) {
                // header cells: shown like a fixed row/column, never selected
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
                item->setFont(headerFont);
            }
            grid->setItem(r, c, item);
        }
    }

    const int cellWidth = 56;
    grid->horizontalHeader()->setMinimumSectionSize(8);
    for (int c = 0; c < columns; ++c)
        grid->setColumnWidth(c, cellWidth);
    // the first column holds words in the expansion table: widen it to its text
    grid->resizeColumnToContents(0);
    grid->setColumnWidth(0, qMax(cellWidth, grid->columnWidth(0) + 8));
    const int rowHeight = grid->fontMetrics().height() + 8;
    for (int r = 0; r < rows; ++r)
        grid->setRowHeight(r, rowHeight);
    int width = 2 * grid->frameWidth() + 1;
    for (int c = 0; c < columns; ++c)
        width += grid->columnWidth(c);
    grid->setFixedSize(width, 2 * grid->frameWidth() + rows * rowHeight + 1);

    connect(grid, &QTableWidget::cellEntered, this, [grid](int row, int column) {
        if (!IsDataCell(row, column))
            return;
        grid->setFocus();
        grid->setCurrentCell(row, column);
    });
    connect(grid, &QTableWidget::cellClicked, this,
            [this, grid](int row, int column) { PickCell(grid, row, column); });
    grid->installEventFilter(this);
    return grid;
}

void ResistCoefTablesDialog::PickCell(QTableWidget *grid, int row, int column) {
    if (!IsDataCell(row, column))
        return;
    ResistCoef = ResistCoefCellValue(FromQ(grid->item(row, column)->text()));
    accept();
}

bool ResistCoefTablesDialog::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut) {
        if (auto *grid = qobject_cast<QTableWidget *>(watched)) {
            grid->clearSelection();
            grid->setCurrentItem(nullptr);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ResistCoefTablesDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    ResistCoef = 0;
    for (QTableWidget *grid : {sgBranch, sgBend, sgChange}) {
        grid->clearSelection();
        grid->setCurrentItem(nullptr);
    }
}

std::optional<double> ResistCoefTablesDialog::Pick(QWidget *parent) {
    ResistCoefTablesDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ResistCoef;
}

} // namespace orvane
