#include "shell/settings.h"

#include "core/file_io.h"
#include "core/ini_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace orvane {

namespace {
const char *const kSection = "Path";
const char *const kKey = "PathSave";
} // namespace

QString WithTrailingDelimiter(const QString &folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

bool IsFolderWritable(const QString &folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".orvane-write-probe-XXXXXX")));
    return probe.open();
}

QString InstalledDataFolder() {
    return QStringLiteral(ORVANE_INSTALLED_DATA_DIR);
}

QStringList SharedDataFolders(const QString &programFolder, const QString &installedDataFolder) {
    const QDir program(programFolder);
    QStringList folders;
    for (const QString &candidate :
         {programFolder, program.filePath(QStringLiteral("../share/orvane")),
          program.filePath(QStringLiteral("../../share/orvane")), installedDataFolder}) {
        if (candidate.isEmpty() || !QFileInfo(candidate).isDir())
            continue;
        const QString folder = QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

ProgramFolders SelectFolders(const QString &programFolder, const QString &userDataFolder,
                             const QString &userConfigFolder, const QStringList &seedFolders,
                             const QStringList &seedFiles) {
    // An installed program (bin/ beside share/orvane) keeps to the user's folders even when it
    // could write its own folder (run by the administrator): never settings in /usr/bin.
    const QDir program(programFolder);
    const bool installed = program.dirName() == QStringLiteral("bin") &&
                           QFileInfo(program.filePath(QStringLiteral("../share/orvane"))).isDir();
    if (!installed && IsFolderWritable(programFolder)) {
        const QString portable = WithTrailingDelimiter(QDir::toNativeSeparators(programFolder));
        return {portable, portable};
    }
    QDir().mkpath(userDataFolder);
    QDir().mkpath(userConfigFolder);
    for (const QString &name : seedFiles) {
        const QString target = QDir(userDataFolder).filePath(name);
        if (QFileInfo::exists(target))
            continue;
        for (const QString &folder : seedFolders) {
            const QString source = QDir(folder).filePath(name);
            if (QFileInfo(source).isFile()) {
                QFile::copy(source, target);
                // the shipped file is read-only in a system folder; the user's copy is theirs
                QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
                break;
            }
        }
    }
    return {WithTrailingDelimiter(QDir::toNativeSeparators(userDataFolder)),
            WithTrailingDelimiter(QDir::toNativeSeparators(userConfigFolder))};
}

ProgramFolders FoldersOfThisRun() {
    const QString program = QCoreApplication::applicationDirPath();
    return SelectFolders(program, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                         QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                         SharedDataFolders(program));
}

ShellSettings::ShellSettings(const QString &dataFolder)
    : ShellSettings(ProgramFolders{dataFolder, dataFolder}) {}

ShellSettings::ShellSettings(const ProgramFolders &folders)
    : pathData_(WithTrailingDelimiter(folders.data)),
      settingsFileName_(WithTrailingDelimiter(folders.settings) + QStringLiteral("Orvane.ini")) {
    Read();
}

void ShellSettings::Read() {
    pathSave_.clear();
    std::string bytes;
    if (!ReadFileBytes(settingsFileName_.toStdString(), bytes).ok)
        return;
    const IniFile ini = IniFile::FromBytes(bytes);
    const QString stored = QString::fromStdString(ini.readString(kSection, kKey));
    if (stored.isEmpty())
        return;
    const QString folder = WithTrailingDelimiter(stored);
    // guard: a project folder deleted since the last run is dropped silently
    if (QFileInfo(folder).isDir())
        pathSave_ = folder;
}

bool ShellSettings::SetPathSave(const QString &folder, QString *error) {
    pathSave_ = WithTrailingDelimiter(folder);

    // Re-read the file so keys written by another instance or by hand survive.
    IniFile ini;
    std::string bytes;
    if (ReadFileBytes(settingsFileName_.toStdString(), bytes).ok)
        ini = IniFile::FromBytes(bytes);
    ini.setValue(kSection, kKey, pathSave_.toStdString());

    std::string encodeError;
    const std::optional<std::string> out = ini.toBytes(&encodeError);
    if (!out) {
        if (error)
            *error = QStringLiteral("Папку «%1» нельзя записать в файл настроек %2: в её имени "
                                    "есть символы, которых нет в кодировке Windows-1251.")
                         .arg(pathSave_, settingsFileName_);
        return false;
    }
    const FileResult written = WriteFileAtomic(settingsFileName_.toStdString(), *out);
    if (!written.ok) {
        if (error)
            *error = QString::fromStdString(written.error);
        return false;
    }
    return true;
}

} // namespace orvane
