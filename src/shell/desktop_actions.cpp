#include "shell/desktop_actions.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace orvane {

bool ShowHelpContents(QWidget *parent, const QString &programFolder) {
    const QString helpFile = QDir(programFolder).filePath(QStringLiteral("Orvane.chm"));
    if (QFileInfo(helpFile).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile)))
        return true;
    // A help command that silently does nothing would look like a broken button.
    QMessageBox::information(parent, QStringLiteral("Информация"),
                             QStringLiteral("Файл справки Orvane.chm не найден."));
    return false;
}

QStringList NewInstanceArguments(bool bannerMode) {
    return bannerMode ? QStringList() : QStringList{QStringLiteral("-B")};
}

bool StartNewInstance(bool bannerMode) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                   NewInstanceArguments(bannerMode));
}

} // namespace orvane
