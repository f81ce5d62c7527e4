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
    fitGridWidth();
    layout_->addWidget(grid_, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("bbOk"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    layout_->addWidget(buttons);

    connect(ok, &QPushButton::clicked, this, &CatalogSelectDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && row < itemCount())
            okClicked();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row < itemCount())
            currentIndex() = row;
    });
    connect(ActionSave, &QAction::triggered, this, &CatalogSelectDialog::saveClicked);
    connect(ActionAdd, &QAction::triggered, this, &CatalogSelectDialog::addClicked);
    connect(ActionDelete, &QAction::triggered, this, &CatalogSelectDialog::deleteClicked);
    connect(ActionEdit, &QAction::triggered, this, &CatalogSelectDialog::editClicked);
}

bool CatalogSelectDialog::Modified() {
    return modifiedFlag();
}

void CatalogSelectDialog::setModified(bool modified) {
    modifiedFlag() = modified;
    ActionSave->setEnabled(modified);
}

void CatalogSelectDialog::ShowList() {
    const int count = itemCount();
    const int keep = currentIndex();
    grid_->clearContents();
    // an empty list still shows one (empty) data row
    grid_->setRowCount(qMax(1, count));
    for (int row = 0; row < count; ++row) {
        QStringList texts = rowTexts(row);
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
    selectIndex(keep);
    if (!fitted_ && count > 0) {
        // the first filling widens the name column to the longest name; later the user's
        // own column widths stay as they are
        fitted_ = true;
        const int nameWidth = grid_->columnWidth(1);
        grid_->resizeColumnToContents(1);
        grid_->setColumnWidth(1, qMax(nameWidth, grid_->columnWidth(1)));
        fitGridWidth();
    }
}

void CatalogSelectDialog::fitGridWidth() {
    int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount_; ++column)
        width += grid_->columnWidth(column);
    grid_->setMinimumSize(width, 320);
}

int CatalogSelectDialog::selectedIndex() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < itemCount() && grid_->selectionModel()->isRowSelected(row) ? row : -1;
}

void CatalogSelectDialog::selectIndex(int index) {
    const int count = itemCount();
    if (count == 0) {
        grid_->clearSelection();
        return;
    }
    index = qBound(0, index, count - 1);
    currentIndex() = index;
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
        if (const std::optional<std::string> warning = takeLoadWarning())
            QMessageBox::warning(this, QStringLiteral("Предупреждение"), ToQ(*warning));
    });
}

void CatalogSelectDialog::okClicked() {
    const int index = selectedIndex();
    if (index < 0) {
        reject();
        return;
    }
    currentIndex() = index;
    chooseEntry(index);
    accept();
}

void CatalogSelectDialog::saveClicked() {
    if (!Modified())
        return;
    const FileResult result = saveList(dataFolder_);
    if (!result.ok) {
        // the list stays modified in memory, so the user can try again elsewhere or later
        QMessageBox::critical(this, QStringLiteral("Ошибка"), ToQ(result.error));
    }
    setModified(Modified());
}

void CatalogSelectDialog::addClicked() {
    if (!addEntry())
        return;
    setModified(true);
    currentIndex() = itemCount() - 1;
    ShowList();
}

void CatalogSelectDialog::deleteClicked() {
    const int index = selectedIndex();
    if (index < 0)
        return;
    deleteEntry(index);
    setModified(true);
    ShowList();
}

void CatalogSelectDialog::editClicked() {
    const int index = selectedIndex();
    if (index < 0 || !editEntry(index))
        return;
    setModified(true);
    ShowList();
}

} // namespace orvane
