#include "shell/save_folder_dialog.h"

#include "shell/settings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

SaveFolderDialog::SaveFolderDialog(ShellSettings &settings, QWidget *parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("FormSelectPathSave"));
    setWindowTitle(QStringLiteral("Папка для сохранения файлов проектов"));

    EditPathSave = new QLineEdit(this);
    EditPathSave->setObjectName(QStringLiteral("EditPathSave"));
    EditPathSave->setMinimumWidth(420);
    auto *buttonPathSave = new QPushButton(QStringLiteral("..."), this);
    buttonPathSave->setObjectName(QStringLiteral("ButtonPathSave"));
    buttonPathSave->setAutoDefault(false);
    buttonPathSave->setFixedWidth(
        buttonPathSave->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    connect(buttonPathSave, &QPushButton::clicked, this, &SaveFolderDialog::ChooseFolder);

    auto *row = new QHBoxLayout;
    row->addWidget(EditPathSave, 1);
    row->addWidget(buttonPathSave);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(ok, &QPushButton::clicked, this, &SaveFolderDialog::AcceptFolder);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *root = new QVBoxLayout(this);
    root->addLayout(row);
    root->addWidget(buttons);
}

void SaveFolderDialog::showEvent(QShowEvent *event) {
    EditPathSave->setText(settings_.PathSave());
    QDialog::showEvent(event);
}

void SaveFolderDialog::ChooseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Укажите папку для сохранения файлов проектов."),
        EditPathSave->text().trimmed());
    if (!chosen.isEmpty())
        EditPathSave->setText(WithTrailingDelimiter(QDir::toNativeSeparators(chosen)));
}

void SaveFolderDialog::AcceptFolder() {
    const QString text = EditPathSave->text();
    // An empty text is no folder (an empty path would otherwise mean the current folder).
    if (text.isEmpty() || !QFileInfo(text).isDir()) {
        QMessageBox::critical(this, QStringLiteral("Ошибка"),
                              QStringLiteral("Необходимо указать существующую папку."));
        EditPathSave->setFocus();
        return;
    }
    // A relative name would point elsewhere once the program starts from another folder.
    const QString folder = QDir::toNativeSeparators(QFileInfo(text).absoluteFilePath());
    QString error;
    if (!settings_.SetPathSave(folder, &error))
        QMessageBox::warning(this, QStringLiteral("Предупреждение"), error);
    accept();
}

} // namespace orvane
