#pragma once
// The dialog that sets the project folder (PathSave).

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace orvane {

class ShellSettings;

class SaveFolderDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveFolderDialog(ShellSettings &settings, QWidget *parent = nullptr);

    void ButtonPathSaveClick();
    void ButtonOKClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ShellSettings &fSettings;
    QLineEdit *EditPathSave;
};

} // namespace orvane
