#pragma once
// What the two catalogue selection dialogs share: the list grid, the toolbar with save, add,
// delete and edit, OK on a row or a double click, the one-time warning about an unreadable file.

#include "core/file_io.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QTableWidget;
class QToolBar;
class QVBoxLayout;

namespace orvane {

class CatalogSelectDialog : public QDialog {
    Q_OBJECT
public:
    struct Column {
        QString header;
        int width; // 0 for the default width
    };

    bool Modified();
    void SetModified(bool modified);

    // Fills the grid from the list in memory and selects the remembered row.
    void ShowList();

    QAction *ActionSave;
    QAction *ActionAdd;
    QAction *ActionDelete;
    QAction *ActionEdit;

protected:
    struct Captions {
        QString title, save, add, remove, edit;
    };
    CatalogSelectDialog(const QString &dataFolder, const Captions &captions,
                        const std::vector<Column> &columns, const QString &gridName,
                        QWidget *parent);

    // The list behind the dialog.
    virtual int ItemCount() const = 0;
    virtual QStringList RowTexts(int index) const = 0; // name, then the numbers
    virtual bool &ModifiedFlag() = 0;
    virtual int &CurrentEntry() = 0;
    virtual std::optional<std::string> TakeLoadWarning() = 0;
    virtual FileResult WriteList(const std::string &folder) = 0;
    virtual bool AddEntry() = 0;           // true when an entry was appended
    virtual bool EditEntry(int index) = 0; // true when the entry was replaced
    virtual void DeleteEntry(int index) = 0;
    virtual void ChooseEntry(int index) = 0;

    void showEvent(QShowEvent *event) override;

    QVBoxLayout *layout_;
    QTableWidget *grid_;

private:
    void FitGridWidth();
    int SelectedIndex() const;
    void SelectIndex(int index);
    void ChooseCurrent();
    void SaveCatalog();
    void AddNew();
    void DeleteCurrent();
    void EditCurrent();

    std::string dataFolder_;
    int columnCount_;
    bool fitted_ = false;
};

} // namespace orvane
