// The program's own style and icon theme, set up at the start.

#include "app/own_style.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStyle>
#include <QTest>

using namespace orvane;

class OwnStyleTest : public QObject {
    Q_OBJECT
private slots:
    // Icons are looked up in the resources only, and the standard icons of message boxes and
    // file dialogs are still there (the style's own).
    void OwnIconsSearchNoFolderOnDisk() {
        UseOwnIcons();
        const QStringList searched = QIcon::themeSearchPaths() + QIcon::fallbackSearchPaths();
        QVERIFY(!searched.isEmpty());
        for (const QString &path : searched)
            QVERIFY2(path.startsWith(QLatin1Char(':')), qPrintable(path));
        QVERIFY(
            QFile::exists(QStringLiteral(":/app/icons/%1/index.theme").arg(QIcon::themeName())));
        for (QStyle::StandardPixmap icon :
             {QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical,
              QStyle::SP_DialogOpenButton, QStyle::SP_DialogSaveButton, QStyle::SP_DirIcon})
            QVERIFY(!QApplication::style()->standardIcon(icon).pixmap(32).isNull());
        // the bars' extension arrows are there too, read only when drawn
        const QIcon arrow =
            QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!arrow.isNull());
        QVERIFY(!arrow.pixmap(16).isNull());
    }

};

QTEST_MAIN(OwnStyleTest)
#include "own_style_test.moc"
