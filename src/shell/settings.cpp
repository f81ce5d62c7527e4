#include "shell/settings.h"

#include "core/file_io.h"
#include "core/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

QString SelectDataFolder(const QString &programFolder, const QString &userFolder,
                         const QStringList &seedFiles) {
    if (IsFolderWritable(programFolder))
        return WithTrailingDelimiter(QDir::toNativeSeparators(programFolder));
    QDir().mkpath(userFolder);
    for (const QString &name : seedFiles) {
        const QString source = QDir(programFolder).filePath(name);
        const QString target = QDir(userFolder).filePath(name);
        if (QFileInfo::exists(source) && !QFileInfo::exists(target))
            QFile::copy(source, target);
    }
    return WithTrailingDelimiter(QDir::toNativeSeparators(userFolder));
}

ShellSettings::ShellSettings(const QString &dataFolder)
    : fPathData(WithTrailingDelimiter(dataFolder)),
      fSettingsFileName(fPathData + QStringLiteral("Orvane.ini")) {
    Read();
}

void ShellSettings::Read() {
    fPathSave.clear();
    std::string bytes;
    if (!ReadFileBytes(fSettingsFileName.toStdString(), bytes).ok)
        return;
    const IniFile ini = IniFile::FromBytes(bytes);
    const QString stored = QString::fromStdString(ini.readString(kSection, kKey));
    if (stored.isEmpty())
        return;
    const QString folder = WithTrailingDelimiter(stored);
    // guard: a project folder deleted since the last run is dropped silently
    if (QFileInfo(folder).isDir())
        fPathSave = folder;
}

bool ShellSettings::SetPathSave(const QString &folder, QString *error) {
    fPathSave = WithTrailingDelimiter(folder);

    // Re-read the file so keys written by another instance or by hand survive.
    IniFile ini;
    std::string bytes;
    if (ReadFileBytes(fSettingsFileName.toStdString(), bytes).ok)
        ini = IniFile::FromBytes(bytes);
    ini.setValue(kSection, kKey, fPathSave.toStdString());

    std::string encodeError;
    const std::optional<std::string> out = ini.toBytes(&encodeError);
    if (!out) {
        if (error)
            *error = QStringLiteral("Папку «%1» нельзя записать в файл настроек %2: в её имени "
                                    "есть символы, которых нет в кодировке Windows-1251.")
                         .arg(fPathSave, fSettingsFileName);
        return false;
    }
    const FileResult written = WriteFileAtomic(fSettingsFileName.toStdString(), *out);
    if (!written.ok) {
        if (error)
            *error = QString::fromStdString(written.error);
        return false;
    }
    return true;
}

} // namespace orvane
