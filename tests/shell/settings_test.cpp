// Settings file, data folder rule and version texts.

#include "core/file_io.h"
#include "shell/settings.h"
#include "shell/version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace orvane;

namespace {

void WriteBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    // Each case gets a fresh folder.
    void init() {
        fTemp = std::make_unique<QTemporaryDir>();
        QVERIFY(fTemp->isValid());
    }

    void VersionTexts_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("aboutLine");
        QTest::newRow("February") << 2 << QStringLiteral("5.1 / 2024.02")
                                  << QStringLiteral("Версия 5.1, февраль 2024");
        QTest::newRow("December") << 12 << QStringLiteral("5.1 / 2024.12")
                                  << QStringLiteral("Версия 5.1, декабрь 2024");
        QTest::newRow("month 0 clamps to January")
            << 0 << QStringLiteral("5.1 / 2024.00") << QStringLiteral("Версия 5.1, январь 2024");
        QTest::newRow("month 13 clamps to December")
            << 13 << QStringLiteral("5.1 / 2024.13") << QStringLiteral("Версия 5.1, декабрь 2024");
    }
    void VersionTexts() {
        QFETCH(int, month);
        QFETCH(QString, version);
        QFETCH(QString, aboutLine);
        QCOMPARE(VersionText(5, 1, 2024, month), version);
        QCOMPARE(AboutVersionLine(5, 1, 2024, month), aboutLine);
    }

    void MainCaptionHasTwoBlanksBeforeVersion() {
        QCOMPARE(MainWindowCaption(),
                 QStringLiteral("Орвейн - Системы противодымной вентиляции  (5.1 / 2024.02)"));
    }

    void StoredFolderGetsTrailingDelimiter() {
        const QString projects = fDir.filePath(QStringLiteral("projects"));
        QVERIFY(QDir().mkpath(projects));
        WriteBytes(fDir.filePath(QStringLiteral("Orvane.ini")),
                   QByteArray("[Path]\r\nPathSave=") + projects.toLocal8Bit() + "\r\n");
        ShellSettings settings(fDir.path());
        QCOMPARE(settings.PathData(), fDir.path() + QDir::separator());
        QCOMPARE(settings.PathSave(), projects + QDir::separator());
    }

    void MissingOrVanishedFolderGivesEmptyPathSave_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("no section") << QByteArray("[Other]\r\nPathSave=/tmp/\r\n");
        QTest::newRow("no key") << QByteArray("[Path]\r\nOther=/tmp/\r\n");
        QTest::newRow("deleted folder")
            << QByteArray("[Path]\r\nPathSave=/nonexistent-orvane-folder/projects/\r\n");
    }
    void MissingOrVanishedFolderGivesEmptyPathSave() {
        QFETCH(QByteArray, ini);
        if (!ini.isEmpty())
            WriteBytes(fDir.filePath(QStringLiteral("Orvane.ini")), ini);
        ShellSettings settings(fDir.path());
        QCOMPARE(settings.PathSave(), QString());
    }

    void WritingKeepsOtherKeysAndReadsBack() {
        const QString ini = fDir.filePath(QStringLiteral("Orvane.ini"));
        WriteBytes(ini, "[Window]\r\nWidth=800\r\n");
        const QString projects = fDir.filePath(QStringLiteral("Проекты"));
        QVERIFY(QDir().mkpath(projects));

        ShellSettings settings(fDir.path());
        QString error;
        QVERIFY2(settings.SetPathSave(projects, &error), qPrintable(error));
        QCOMPARE(settings.PathSave(), projects + QDir::separator());

        const QByteArray bytes = ReadBytes(ini);
        QVERIFY(bytes.contains("[Window]\r\nWidth=800\r\n"));
        QVERIFY(bytes.contains("[Path]\r\nPathSave="));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(ShellSettings(fDir.path()).PathSave(), projects + QDir::separator());
    }

    void EmptyFolderIsWrittenAsEmptyString() {
        ShellSettings settings(fDir.path());
        QVERIFY(settings.SetPathSave(QString()));
        QVERIFY(ReadBytes(fDir.filePath(QStringLiteral("Orvane.ini"))).contains("PathSave=\r\n"));
    }

    // A write that cannot happen is reported, not passed off as saved.
    void FailedWriteIsReported_data() {
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<QString>("folder");
        QTest::newRow("settings folder missing")
            << QStringLiteral("/nonexistent-orvane-folder") << QStringLiteral("/tmp");
        QTest::newRow("folder name outside Windows-1251")
            << QString() << QStringLiteral("/tmp/项目");
    }
    void FailedWriteIsReported() {
        QFETCH(QString, dataFolder);
        QFETCH(QString, folder);
        ShellSettings settings(dataFolder.isEmpty() ? fDir.path() : dataFolder);
        QString error;
        QVERIFY(!settings.SetPathSave(folder, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(settings.PathSave(), folder + QDir::separator());
        QVERIFY(!QFile::exists(fDir.filePath(QStringLiteral("Orvane.ini"))));
    }

    void FolderWritability_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("writable");
        QTest::newRow("temporary folder") << QString() << true;
        QTest::newRow("missing folder") << QStringLiteral("/nonexistent-orvane-folder") << false;
        QTest::newRow("empty name") << QStringLiteral("") << false;
        QTest::newRow("kernel folder") << QStringLiteral("/proc") << false;
    }
    void FolderWritability() {
        QFETCH(QString, folder);
        QFETCH(bool, writable);
        if (writable)
            folder = fDir.path();
        QCOMPARE(IsFolderWritable(folder), writable);
        QCOMPARE(QDir(fDir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    // Portable: catalogues and settings beside the program, nothing made in the user's folders.
    void WritableProgramFolderKeepsEverything() {
        const QString user = fDir.filePath(QStringLiteral("user"));
        const ProgramFolders folders = SelectFolders(fDir.path(), user + QStringLiteral("/data"),
                                                     user + QStringLiteral("/config"), {});
        QCOMPARE(folders.data, fDir.path() + QDir::separator());
        QCOMPARE(folders.settings, fDir.path() + QDir::separator());
        QVERIFY(!QFileInfo::exists(user));
    }

    // Installed: catalogues in the user's data folder, started from the first shipped copy found
    // (and writable although the shipped file is not); settings in the configuration folder;
    // a catalogue the user already has is never overwritten.
    void ReadOnlyProgramFolderUsesTheUserFolders() {
        const QString shipped = fDir.filePath(QStringLiteral("share/orvane"));
        const QString other = fDir.filePath(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(shipped) && QDir().mkpath(other));
        WriteBytes(shipped + QStringLiteral("/FireLoads.csv"), "shipped loads");
        WriteBytes(other + QStringLiteral("/FireLoads.csv"), "other loads");
        WriteBytes(other + QStringLiteral("/FLDensities.csv"), "other densities");
        QVERIFY(
            QFile::setPermissions(shipped + QStringLiteral("/FireLoads.csv"), QFile::ReadOwner));
        const QString data = fDir.filePath(QStringLiteral("home/.local/share/Orvane"));
        const QString config = fDir.filePath(QStringLiteral("home/.config/Orvane"));
        QVERIFY(QDir().mkpath(data));
        WriteBytes(data + QStringLiteral("/FLDensities.csv"), "user densities");

        const ProgramFolders folders =
            SelectFolders(QStringLiteral("/proc"), data, config, {shipped, other});
        // a writable bin folder of an installation counts as installed too
        QVERIFY(QDir().mkpath(fDir.filePath(QStringLiteral("bin"))));
        QCOMPARE(SelectFolders(fDir.filePath(QStringLiteral("bin")), data, config, {}).settings,
                 folders.settings);
        QCOMPARE(folders.data, data + QDir::separator());
        QCOMPARE(folders.settings, config + QDir::separator());
        QVERIFY(QFileInfo(config).isDir());
        QCOMPARE(ReadBytes(data + QStringLiteral("/FireLoads.csv")), QByteArray("shipped loads"));
        QVERIFY(QFileInfo(data + QStringLiteral("/FireLoads.csv")).isWritable());
        QCOMPARE(ReadBytes(data + QStringLiteral("/FLDensities.csv")),
                 QByteArray("user densities"));

        ShellSettings settings(folders);
        QCOMPARE(settings.PathData(), folders.data);
        QCOMPARE(settings.SettingsFileName(),
                 config + QDir::separator() + QStringLiteral("Orvane.ini"));
        QVERIFY(settings.SetPathSave(fDir.path()));
        QVERIFY(QFileInfo::exists(config + QStringLiteral("/Orvane.ini")));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Orvane.ini")));
    }

    // The shipped data is found beside the program, under <prefix>/share/orvane beside its bin
    // folder, in a build tree's share/orvane, and where the build installs it; each folder once.
    void SharedDataIsFoundInstalledAndBesideABuild() {
        const QString root = fDir.path();
        for (const char *folder : {"usr/bin", "usr/share/orvane", "build/src/app",
                                   "build/share/orvane", "opt/share/orvane"})
            QVERIFY(QDir().mkpath(fDir.filePath(QString::fromLatin1(folder))));
        QCOMPARE(SharedDataFolders(root + QStringLiteral("/usr/bin"),
                                   root + QStringLiteral("/opt/share/orvane")),
                 (QStringList{root + QStringLiteral("/usr/bin"),
                              root + QStringLiteral("/usr/share/orvane"),
                              root + QStringLiteral("/opt/share/orvane")}));
        QCOMPARE(SharedDataFolders(root + QStringLiteral("/build/src/app"),
                                   root + QStringLiteral("/usr/share/orvane/")),
                 (QStringList{root + QStringLiteral("/build/src/app"),
                              root + QStringLiteral("/build/share/orvane"),
                              root + QStringLiteral("/usr/share/orvane")}));
        QVERIFY(InstalledDataFolder().endsWith(QStringLiteral("/share/orvane")));
    }

private:
    std::unique_ptr<QTemporaryDir> fTemp;
    struct {
        std::unique_ptr<QTemporaryDir> *temp;
        QString path() const { return (*temp)->path(); }
        QString filePath(const QString &name) const { return (*temp)->filePath(name); }
    } fDir{&fTemp};
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
