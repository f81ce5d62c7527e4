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

    void ChooseFolder();
    void AcceptFolder();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ShellSettings &settings_;
    QLineEdit *EditPathSave;
};

} // namespace orvane
