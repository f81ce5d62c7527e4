#include "catalogs/ui/catalog_select_dialog.h"

#include "catalogs/ui/catalog_icons.h"
#include "catalogs/ui/qt_text.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace orvane {

CatalogSelectDialog::CatalogSelectDialog(const QString &dataFolder, const Captions &captions,
                                         const std::vector<Column> &columns,
                                         const QString &gridName, QWidget *parent)
    : QDialog(parent), dataFolder_(FromQ(dataFolder)),
      columnCount_(static_cast<int>(columns.size()) + 1) {
    setWindowTitle(captions.title);
    layout_ = new QVBoxLayout(this);

    auto *toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("ToolBar"));
    toolbar->setIconSize(QSize(24, 24));
    auto makeAction = [&](const QIcon &icon, const QString &caption, const char *name) {
        QAction *action = toolbar->addAction(icon, caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(caption);
        return action;
    };
    ActionSave = makeAction(SaveIcon(), captions.save, "ActionSave");
    toolbar->addSeparator();
    ActionAdd = makeAction(AddIcon(), captions.add, "ActionAdd");
    ActionDelete = makeAction(DeleteIcon(), captions.remove, "ActionDelete");
    ActionEdit = makeAction(EditIcon(), captions.edit, "ActionEdit");
    layout_->addWidget(toolbar);

    grid_ = new QTableWidget(1, columnCount_, this);
    grid_->setObjectName(gridName);
    QStringList headers{QString()};
    for (const Column &column : columns)
        headers << column.header;
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setStretchLastSection(false);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    grid_->setColumnWidth(0, 32);
    for (size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        // never narrower than its header text, so no caption is cut
        const int headerWidth = grid_->horizontalHeader()->sectionSizeHint(column);
        grid_->setColumnWidth(column,
                              qMax(columns[i].width > 0 ? columns[i].width : 72, headerWidth));
    }
    FitGridWidth();
    layout_->addWidget(grid_, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("bbOk"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    layout_->addWidget(buttons);

    connect(ok, &QPushButton::clicked, this, &CatalogSelectDialog::ChooseCurrent);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && row < ItemCount())
            ChooseCurrent();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row < ItemCount())
            CurrentEntry() = row;
    });
    connect(ActionSave, &QAction::triggered, this, &CatalogSelectDialog::SaveCatalog);
    connect(ActionAdd, &QAction::triggered, this, &CatalogSelectDialog::AddNew);
    connect(ActionDelete, &QAction::triggered, this, &CatalogSelectDialog::DeleteCurrent);
    connect(ActionEdit, &QAction::triggered, this, &CatalogSelectDialog::EditCurrent);
}

bool CatalogSelectDialog::Modified() {
    return ModifiedFlag();
}

void CatalogSelectDialog::SetModified(bool modified) {
    ModifiedFlag() = modified;
    ActionSave->setEnabled(modified);
}

void CatalogSelectDialog::ShowList() {
    const int count = ItemCount();
    const int keep = CurrentEntry();
    grid_->clearContents();
    // an empty list still shows one (empty) data row
    grid_->setRowCount(qMax(1, count));
    for (int row = 0; row < count; ++row) {
        QStringList texts = RowTexts(row);
        texts.prepend(QString::number(row + 1));
        for (int column = 0; column < columnCount_ && column < texts.size(); ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignCenter);
            if (column == 1)
                item->setToolTip(texts[column]);
            grid_->setItem(row, column, item);
        }
    }
    ActionSave->setEnabled(Modified());
    SelectIndex(keep);
    if (!fitted_ && count > 0) {
        // the first filling widens the name column to the longest name; later the user's
        // own column widths stay as they are
        fitted_ = true;
        const int nameWidth = grid_->columnWidth(1);
        grid_->resizeColumnToContents(1);
        grid_->setColumnWidth(1, qMax(nameWidth, grid_->columnWidth(1)));
        FitGridWidth();
    }
}

void CatalogSelectDialog::FitGridWidth() {
    int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount_; ++column)
        width += grid_->columnWidth(column);
    grid_->setMinimumSize(width, 320);
}

int CatalogSelectDialog::SelectedIndex() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < ItemCount() && grid_->selectionModel()->isRowSelected(row) ? row : -1;
}

void CatalogSelectDialog::SelectIndex(int index) {
    const int count = ItemCount();
    if (count == 0) {
        grid_->clearSelection();
        return;
    }
    index = qBound(0, index, count - 1);
    CurrentEntry() = index;
    grid_->selectRow(index);
    grid_->setCurrentCell(index, 1);
    grid_->scrollToItem(grid_->item(index, 1));
}

void CatalogSelectDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    ShowList();
    grid_->setFocus();
    // after the dialog is on screen, so the warning sits over it
    QTimer::singleShot(0, this, [this] {
        if (const std::optional<std::string> warning = TakeLoadWarning())
            QMessageBox::warning(this, QStringLiteral("Предупреждение"), ToQ(*warning));
    });
}

void CatalogSelectDialog::ChooseCurrent() {
    const int index = SelectedIndex();
    if (index < 0) {
        reject();
        return;
    }
    CurrentEntry() = index;
    ChooseEntry(index);
    accept();
}

void CatalogSelectDialog::SaveCatalog() {
    if (!Modified())
        return;
    const FileResult result = WriteList(dataFolder_);
    if (!result.ok) {
        // the list stays modified in memory, so the user can try again elsewhere or later
        QMessageBox::critical(this, QStringLiteral("Ошибка"), ToQ(result.error));
    }
    SetModified(Modified());
}

void CatalogSelectDialog::AddNew() {
    if (!AddEntry())
        return;
    SetModified(true);
    CurrentEntry() = ItemCount() - 1;
    ShowList();
}

void CatalogSelectDialog::DeleteCurrent() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    DeleteEntry(index);
    SetModified(true);
    ShowList();
}

void CatalogSelectDialog::EditCurrent() {
    const int index = SelectedIndex();
    if (index < 0 || !EditEntry(index))
        return;
    SetModified(true);
    ShowList();
}

} // namespace orvane
