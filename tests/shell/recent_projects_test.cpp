// The recent projects list in the settings file, and its menu.

#include "shell/recent_projects.h"
#include "shell/settings.h"
#include "window_test_support.h"

#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

class RecentProjectsTest : public QObject {
    Q_OBJECT
private slots:
    void KeepsTheLastEightNewestFirstOnceEach() {
        QTemporaryDir dir;
        ShellSettings settings(dir.path());
        QVERIFY(settings.SetPathSave(dir.path()));
        const QString ini = settings.SettingsFileName();
        const auto project = [&](int i) {
            return QDir::toNativeSeparators(dir.filePath(QStringLiteral("п%1.smkprj").arg(i)));
        };
        for (int i = 1; i <= 9; ++i)
            QVERIFY(AddRecentProject(ini, project(i)));
        QStringList expected;
        for (int i = 9; i >= 2; --i)
            expected << project(i);
        QCOMPARE(ReadRecentProjects(ini), expected);
        // a file opened again moves to the front, under any spelling of its name
        QVERIFY(AddRecentProject(ini, dir.path() + QStringLiteral("/./п5.smkprj")));
        QCOMPARE(ReadRecentProjects(ini).first(), project(5));
        QCOMPARE(ReadRecentProjects(ini).count(project(5)), 1);
        QCOMPARE(ReadRecentProjects(ini).size(), 8);
        QVERIFY(RemoveRecentProject(ini, project(5)));
        QVERIFY(!ReadRecentProjects(ini).contains(project(5)));
        // the other settings stay
        settings.Read();
        QCOMPARE(settings.PathSave(), WithTrailingDelimiter(dir.path()));
    }

    void MissingFileIsReportedAndDropped() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Orvane.ini"));
        const QString present = WriteTestFile(dir, QStringLiteral("есть.isrprj"), "[Project]\r\n");
        const QString gone = QDir::toNativeSeparators(dir.filePath(QStringLiteral("нет.smkprj")));
        QVERIFY(AddRecentProject(ini, present));
        QVERIFY(AddRecentProject(ini, gone));
        QWidget window;
        QMenu menu;
        QStringList opened;
        AttachRecentProjectsMenu(&menu, &window, ini,
                                 [&](const QString &path) { opened << path; });
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(menu.actions()[0]->text(), QStringLiteral("&1 нет.smkprj"));
        QString message;
        WhenModal([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            message = box->text();
            box->accept();
        });
        menu.actions()[0]->trigger();
        QVERIFY(message.contains(gone));
        QVERIFY(opened.isEmpty());
        QCOMPARE(ReadRecentProjects(ini).size(), 1);
        menu.actions()[1]->trigger();
        QCOMPARE(opened.size(), 1);
        // without a settings file there is no list
        QMenu none;
        AttachRecentProjectsMenu(&none, &window, QString(), [](const QString &) {});
        QVERIFY(!none.isEnabled());
    }
};

QTEST_MAIN(RecentProjectsTest)
#include "recent_projects_test.moc"
