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

// The data folder rule: the program's folder when it is writable (portable install), otherwise
// the user's data folder, created when missing; the catalogue files found in the program's
// folder are copied into a fresh user folder so the user starts from the shipped lists.
// Returns the folder with a trailing delimiter.
QString SelectDataFolder(const QString &programFolder, const QString &userFolder,
                         const QStringList &seedFiles = {QStringLiteral("FireLoads.csv"),
                                                         QStringLiteral("FLDensities.csv")});

class ShellSettings {
public:
    // dataFolder: where the catalogue files and Orvane.ini live. Reads the settings at once.
    explicit ShellSettings(const QString &dataFolder);

    const QString &PathData() const { return fPathData; }
    const QString &SettingsFileName() const { return fSettingsFileName; }
    const QString &PathSave() const { return fPathSave; }

    // Keeps the folder (with a trailing delimiter) and writes it to the settings file. On a write
    // failure the folder is still kept for this run; false and a message in Russian are returned.
    bool SetPathSave(const QString &folder, QString *error = nullptr);

    // Re-reads the settings file: a missing file, section or key, or a folder that no longer
    // exists, gives an empty project folder.
    void Read();

private:
    QString fPathData;
    QString fSettingsFileName;
    QString fPathSave;
};

} // namespace orvane
