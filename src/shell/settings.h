#pragma once
// The program's settings (Orvane.ini) and its data folder. This class is the one place that
// reads and writes the settings file; windows get it by reference.

#include <QString>
#include <QStringList>

namespace orvane {

// Appends the platform's path delimiter unless the text is empty or already ends with one.
QString WithTrailingDelimiter(const QString &folder);

// True when a file can be created in the folder (the folder's permission bits are not enough:
// a read-only mount or an ACL says otherwise).
bool IsFolderWritable(const QString &folder);

// share/orvane under the install prefix the program was built for.
QString InstalledDataFolder();

// The folders that may hold the shipped data (catalogue files, the manual, the example
// projects), in the order they are searched: the program's own folder (a portable copy),
// share/orvane beside the program's bin folder (an installed program), the build tree's
// share/orvane (a program run from its build), and `installedDataFolder` (where the build
// installs it). Only folders that exist, each once.
QStringList SharedDataFolders(const QString &programFolder,
                              const QString &installedDataFolder = InstalledDataFolder());

// Where this run keeps its files; both with a trailing delimiter.
struct ProgramFolders {
    QString data;     // the user's catalogue files
    QString settings; // Orvane.ini
};

// The folder rule. Portable: both in the program's folder when it is writable and is not the
// bin folder of an installation (bin/ beside share/orvane). Installed:
// catalogues in the user's data folder, created when missing and seeded with the catalogue files
// of the first seed folder that has them, so the user starts from the shipped lists;
// Orvane.ini in the user's configuration folder, created when missing.
ProgramFolders SelectFolders(const QString &programFolder, const QString &userDataFolder,
                             const QString &userConfigFolder, const QStringList &seedFolders,
                             const QStringList &seedFiles = {QStringLiteral("FireLoads.csv"),
                                                             QStringLiteral("FLDensities.csv")});
// SelectFolders for this run: the program's folder, the user's XDG folders, SharedDataFolders.
ProgramFolders FoldersOfThisRun();

class ShellSettings {
public:
    // dataFolder: where the catalogue files and Orvane.ini live. Reads the settings at once.
    explicit ShellSettings(const QString &dataFolder);
    // The catalogue files in one folder, Orvane.ini in the other. Reads the settings at once.
    explicit ShellSettings(const ProgramFolders &folders);

    const QString &PathData() const { return pathData_; }
    const QString &SettingsFileName() const { return settingsFileName_; }
    const QString &PathSave() const { return pathSave_; }

    // Keeps the folder (with a trailing delimiter) and writes it to the settings file. On a write
    // failure the folder is still kept for this run; false and a message in Russian are returned.
    bool SetPathSave(const QString &folder, QString *error = nullptr);

    // Re-reads the settings file: a missing file, section or key, or a folder that no longer
    // exists, gives an empty project folder.
    void Read();

private:
    QString pathData_;
    QString settingsFileName_;
    QString pathSave_;
};

} // namespace orvane
