#include "shell/desktop_actions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace orvane {

namespace {

QString &ManualFolderOverride() {
    static QString folder;
    return folder;
}

QString FindManualFolder() {
    if (!ManualFolderOverride().isEmpty())
        return ManualFolderOverride();
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {program.filePath(QStringLiteral("manual")),
          program.filePath(QStringLiteral("../share/orvane/manual"))})
        if (QFileInfo(QDir(candidate).filePath(QStringLiteral("index.html"))).isFile())
            return QDir::cleanPath(candidate);
    return program.filePath(QStringLiteral("manual"));
}

} // namespace

void SetManualFolder(const QString &folder) {
    ManualFolderOverride() = folder;
}

bool ShowManual(QWidget *parent, const QString &page, const QString &topic) {
    const QString file = QDir(FindManualFolder()).filePath(page);
    if (QFileInfo(file).isFile()) {
        QUrl url = QUrl::fromLocalFile(file);
        if (!topic.isEmpty())
            url.setFragment(topic);
        if (QDesktopServices::openUrl(url))
            return true;
    }
    // A help command that silently does nothing would look like a broken button.
    QMessageBox::information(parent, QStringLiteral("Информация"),
                             QStringLiteral("Файл справки %1 не найден.")
                                 .arg(QDir::toNativeSeparators(file)));
    return false;
}

bool ShowManualForWindow(QWidget *window, const QString &page, const QString &fallbackTopic) {
    QWidget *focus = QApplication::focusWidget();
    const QString topic = focus && window->isAncestorOf(focus) ? HelpTopicOf(focus) : QString();
    return ShowManual(window, page, topic.isEmpty() ? fallbackTopic : topic);
}

QString HelpTopicOf(const QWidget *widget) {
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (qobject_cast<const QGroupBox *>(w) && !w->objectName().isEmpty())
            return w->objectName();
    return {};
}

QStringList NewInstanceArguments(bool bannerMode) {
    return bannerMode ? QStringList() : QStringList{QStringLiteral("-B")};
}

bool StartNewInstance(bool bannerMode, const QStringList &files) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                   NewInstanceArguments(bannerMode) + files);
}

} // namespace orvane
