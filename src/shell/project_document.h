#pragma once
// A module window's project as a document: the file it was opened from or last saved to, the
// title with "*" while there are unsaved changes, the question before anything unsaved is
// dropped, the open and save dialogs and the recent list. Both module windows own one; the
// window keeps its inputs, and the document reaches them through the hooks it is given.

#include "core/project_file.h"
#include "shell/file_name.h"
#include "shell/shell_windows.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>

class QAction;
class QCloseEvent;
class QMainWindow;
class QMenu;
class QMimeData;
class QWidget;

namespace orvane {

// What differs between the two modules' documents.
struct ProjectKind {
    ProjectModule module = ProjectModule::unknown;
    QString extension;    // without the dot: "smkprj"
    QString filter;       // the dialogs' name filter
    QString openTitle;    // the open dialog's title
    QString saveTitle;    // the save dialog's title
    QString caption;      // the window's title after the file name
    QString otherProject; // said when a project of the other module is opened here
    std::string readKind; // the file kind a read failure names ("приточного ДУ")
    QString openDialogName = QStringLiteral("OpenDialogProject"); // the dialogs' object names
    QString saveDialogName = QStringLiteral("SaveDialogProject");
};

class ProjectDocument : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // True when the inputs differ from what was last loaded or saved.
        std::function<bool()> modified;
        // Reads a project's bytes into the window; on failure the inputs stay as they were.
        std::function<ProjectResult(const std::string &bytes, const QString &path)> read;
        // Writes the inputs to `path`.
        std::function<ProjectResult(const QString &path)> write;
        // The inputs as they now are count as saved.
        std::function<void()> markSaved;
        // The window's start values.
        std::function<void()> reset;
        // The file name a new project is offered under (without the extension; may be empty).
        std::function<QString()> suggestedName;
        // A message in the window's way (text with "\r" line breaks as the engines write them).
        std::function<void(bool error, const std::string &text)> message;
        // Called after every refresh of the title (the window updates what depends on edits).
        std::function<void()> refreshed;
    };

    ProjectDocument(QWidget *window, const ShellWindows &shell, ProjectKind kind, Hooks hooks);

    // The project's file; empty for a new project.
    const QString &FilePath() const { return path_; }
    // "корпус2.smkprj* — <caption>", or "Новый проект — <caption>".
    QString TitleText() const;
    // Sets the title (and calls `refreshed`) now; RefreshSoon coalesces many edits into one.
    void Refresh();
    void RefreshSoon();

    // --- without questions or dialogs ---
    // Reads `path`: a file that cannot be read or a project of another module leaves the
    // inputs as they were and says why (the other module's project opens in a new window).
    bool Load(const QString &path);
    // Writes to `path` (the extension added when it has none); the file becomes the project's.
    bool SaveTo(const QString &path);

    // --- the commands ---
    bool Save();   // to the project's file; a new project asks for one
    bool SaveAs(); // always asks, offering the current file's name and folder
    void Open();   // asks about unsaved changes, then for a file
    bool OpenWithQuestion(const QString &path); // a recent or dropped file
    void NewProject();                          // the window's start values
    // Asks "Сохранить изменения в проекте?" when there are unsaved changes: false when the
    // user cancelled or saving did not succeed (nothing may be dropped then).
    bool MayDiscardChanges();
    // The window closing: refused (the event ignored) when unsaved changes may not be dropped;
    // otherwise accepted, and the program's tip, which may be showing for it, hidden.
    void CloseWindow(QCloseEvent *event);

    // The answer to "Сохранить изменения в проекте?" (Yes, No or Cancel); tests replace the box.
    void SetSaveChangesQuestion(std::function<int()> ask) { ask_ = std::move(ask); }
    // What opens a project of the other module (default: a new run of the program with it).
    void SetOpenElsewhere(std::function<bool(const QString &)> open) {
        openElsewhere_ = std::move(open);
    }
    // Replaces the open and save dialogs: given whether it saves and the proposed path, returns
    // the chosen path or "" for cancel (tests).
    void SetFileDialog(std::function<QString(bool save, const QString &proposed)> dialog) {
        fileDialog_ = std::move(dialog);
    }

    // A project file dropped anywhere on the window (its edits too, which would otherwise take
    // the file's name as text) opens after the question about unsaved changes. Call once the
    // window's widgets exist.
    void OpenDroppedProjects();

    // Adds "Новый проект", "Открыть проект…", "Последние проекты", "Сохранить проект" and
    // "Сохранить проект как…" with their shortcuts to `file`.
    void AddFileCommands(QMenu *file);
    QAction *SaveAction() const { return save_; }
    QAction *OpenAction() const { return open_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString ProposedSavePath() const;
    QString AskFile(bool save, const QString &proposed);
    void Remember(const QString &path);
    QString SettingsFile() const;

    QWidget *window_;
    ShellWindows shell_;
    ProjectKind kind_;
    Hooks hooks_;
    QString path_;
    QTimer refreshTimer_;
    std::function<int()> ask_;
    std::function<bool(const QString &)> openElsewhere_;
    std::function<QString(bool, const QString &)> fileDialog_;
    QAction *save_ = nullptr;
    QAction *open_ = nullptr;
};

// Sets the read and write hooks of a module window's document. `Window` has InputsFromControls
// and ControlsFromInputs; the module's ReadProjectBytes and SaveProject are found by the type of
// its inputs. A file is read into a copy of the window's inputs, which reach the controls only
// when all of it was read (`beforeShown(inputs)` is called first); the controls are saved as
// they stand.
template <typename Window, typename BeforeShown>
void SetFileHooks(ProjectDocument::Hooks &hooks, Window &window, BeforeShown beforeShown) {
    hooks.read = [&window, beforeShown](const std::string &bytes, const QString &path) {
        // read into a copy: a file refused half-way leaves the window as it was
        auto inputs = window.InputsFromControls();
        const ProjectResult result = ReadProjectBytes(bytes, inputs, FileNameBytes(path));
        if (result.ok) {
            beforeShown(std::as_const(inputs));
            window.ControlsFromInputs(inputs);
        }
        return result;
    };
    hooks.write = [&window](const QString &path) {
        return SaveProject(FileNameBytes(path), window.InputsFromControls());
    };
}

// The module a project file belongs to: by what it holds, else by its extension.
ProjectModule ProjectModuleOfFile(const QString &path);
// True for a name ending in ".smkprj" or ".isrprj".
bool IsProjectFileName(const QString &path);

// The project file among dropped files (the first with a project's extension), or "".
QString DroppedProjectFile(const QMimeData *data);

// Calls `changed` whenever an input widget under `root` changes: an edit's text, a check or
// radio button, a combo's choice, a grid cell.
void WatchInputChanges(QWidget *root, const std::function<void()> &changed);

// The menu bar of a module window: "Файл" with the document's commands, "Открыть новый
// расчет...", "Выбрать папку проектов" and "Выход" (which closes the window), then "Инструкция"
// (F1) and "О программе". The window connects the commands that are its own.
struct ModuleMenu {
    QAction *newCalc = nullptr;
    QAction *pathSave = nullptr;
    QAction *help = nullptr;
    QAction *about = nullptr;
};
ModuleMenu AddModuleMenu(QMainWindow &window, ProjectDocument &document);

} // namespace orvane
