#include "shell/project_document.h"

#include "shell/command_guard.h"
#include "shell/desktop_actions.h"
#include "shell/file_name.h"
#include "shell/popup_tip.h"
#include "shell/recent_projects.h"
#include "shell/settings.h"
#include "shell/unsaved_changes.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTableWidget>
#include <QUrl>
#include <QWidget>

namespace orvane {

namespace {

const QString kNewProject = QStringLiteral("Новый проект");

std::string Native(const QString &path) {
    return FileNameBytes(QDir::toNativeSeparators(path));
}

} // namespace

ProjectModule ProjectModuleOfFile(const QString &path) {
    std::string bytes;
    if (ReadProjectFile(FileNameBytes(path), "", bytes).ok) {
        const ProjectModule module = ProjectModuleOf(bytes);
        if (module != ProjectModule::unknown)
            return module;
    }
    if (path.endsWith(QStringLiteral(".smkprj"), Qt::CaseInsensitive))
        return ProjectModule::exhaust;
    if (path.endsWith(QStringLiteral(".isrprj"), Qt::CaseInsensitive))
        return ProjectModule::supply;
    return ProjectModule::unknown;
}

bool IsProjectFileName(const QString &path) {
    return path.endsWith(QStringLiteral(".smkprj"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".isrprj"), Qt::CaseInsensitive);
}

QString DroppedProjectFile(const QMimeData *data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && IsProjectFileName(url.toLocalFile()))
            return FileNameOfUrl(url);
    return {};
}

void WatchInputChanges(QWidget *root, const std::function<void()> &changed) {
    for (auto *edit : root->findChildren<QLineEdit *>())
        QObject::connect(edit, &QLineEdit::textChanged, root, changed);
    for (auto *button : root->findChildren<QAbstractButton *>())
        if (button->isCheckable())
            QObject::connect(button, &QAbstractButton::toggled, root, changed);
    for (auto *combo : root->findChildren<QComboBox *>())
        QObject::connect(combo, &QComboBox::currentIndexChanged, root, changed);
    for (auto *grid : root->findChildren<QTableWidget *>())
        QObject::connect(grid, &QTableWidget::itemChanged, root, changed);
}

ProjectDocument::ProjectDocument(QWidget *window, const ShellWindows &shell, ProjectKind kind,
                                 Hooks hooks)
    : QObject(window), window_(window), shell_(shell), kind_(std::move(kind)),
      hooks_(std::move(hooks)) {
    ask_ = [this] { return static_cast<int>(AskSaveChanges(window_)); };
    openElsewhere_ = [this](const QString &path) {
        return StartNewInstance(shell_.bannerMode, {path});
    };
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(0);
    connect(&refreshTimer_, &QTimer::timeout, this, &ProjectDocument::Refresh);
}

QString ProjectDocument::SettingsFile() const {
    return shell_.settings ? shell_.settings->SettingsFileName() : QString();
}

QString ProjectDocument::TitleText() const {
    const QString name =
        path_.isEmpty() ? kNewProject : FileNameForDisplay(QFileInfo(path_).fileName());
    const bool modified = hooks_.modified && hooks_.modified();
    return name + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" — ") +
           kind_.caption;
}

void ProjectDocument::Refresh() {
    refreshTimer_.stop();
    window_->setWindowTitle(TitleText());
    if (hooks_.refreshed)
        hooks_.refreshed();
}

void ProjectDocument::RefreshSoon() {
    refreshTimer_.start();
}

void ProjectDocument::Remember(const QString &path) {
    path_ = AbsoluteFileName(path);
    // (a name that is not text cannot be kept in the settings file; it is left off the list)
    if (!SettingsFile().isEmpty() && !HasStrayBytes(path_))
        AddRecentProject(SettingsFile(), path_);
}

bool ProjectDocument::Load(const QString &path) {
    std::string bytes;
    ProjectResult result = ReadProjectFile(FileNameBytes(path), kind_.readKind, bytes);
    if (result.ok) {
        const ProjectModule module = ProjectModuleOf(bytes);
        if (module != ProjectModule::unknown && module != kind_.module) {
            // the file is fine, only not this module's: it opens where it belongs
            const bool opened = openElsewhere_ && openElsewhere_(path);
            hooks_.message(false, Native(path) + "\r\r" +
                                      (opened ? kind_.otherProject.toStdString()
                                              : std::string("Это проект другого модуля; новое "
                                                            "окно для него открыть не удалось.")));
            return false;
        }
        result = hooks_.read(bytes, path);
    }
    if (!result.ok) {
        // the inputs on screen stay as they are
        hooks_.message(false, result.error);
        return false;
    }
    Remember(path);
    hooks_.markSaved();
    Refresh();
    return true;
}

bool ProjectDocument::SaveTo(const QString &chosen) {
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + kind_.extension;
    const ProjectResult result = hooks_.write(path);
    if (!result.ok) {
        hooks_.message(true, result.error);
        return false;
    }
    Remember(path);
    hooks_.markSaved();
    Refresh();
    return true;
}

QString ProjectDocument::ProposedSavePath() const {
    if (!path_.isEmpty())
        return path_;
    const QString folder = shell_.settings && QFileInfo(shell_.settings->PathSave()).isDir()
                               ? shell_.settings->PathSave()
                               : QString();
    const QString name = hooks_.suggestedName ? hooks_.suggestedName() : QString();
    if (name.isEmpty())
        return folder;
    return QDir(folder.isEmpty() ? QDir::currentPath() : folder)
        .filePath(name + QLatin1Char('.') + kind_.extension);
}

QString ProjectDocument::AskFile(bool save, const QString &proposed) {
    if (fileDialog_)
        return fileDialog_(save, proposed);
    QFileDialog dialog(window_, save ? kind_.saveTitle : kind_.openTitle);
    dialog.setObjectName(save ? kind_.saveDialogName : kind_.openDialogName);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!save)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kind_.filter);
    dialog.setDefaultSuffix(kind_.extension);
    const QFileInfo info(proposed);
    if (info.isDir()) {
        dialog.setDirectory(proposed);
    } else if (!proposed.isEmpty()) {
        if (info.absoluteDir().exists())
            dialog.setDirectory(info.absolutePath());
        if (save)
            dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty())
        return {};
    // (by its URL: a file chosen in the desktop's own dialog keeps a name that is not text)
    return FileNameOfUrl(dialog.selectedUrls().constFirst());
}

bool ProjectDocument::Save() {
    return path_.isEmpty() ? SaveAs() : SaveTo(path_);
}

bool ProjectDocument::SaveAs() {
    const QString chosen = AskFile(true, ProposedSavePath());
    return !chosen.isEmpty() && SaveTo(chosen);
}

bool ProjectDocument::MayDiscardChanges() {
    if (!hooks_.modified || !hooks_.modified())
        return true;
    const int answer = ask_ ? ask_() : QMessageBox::No;
    return MayCloseAfterAnswer(
        answer, [this] { Save(); }, [this] { return hooks_.modified(); });
}

void ProjectDocument::Open() {
    if (!MayDiscardChanges())
        return;
    QString folder = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
    if (folder.isEmpty() && shell_.settings && QFileInfo(shell_.settings->PathSave()).isDir())
        folder = shell_.settings->PathSave();
    const QString chosen = AskFile(false, folder);
    if (!chosen.isEmpty())
        Load(chosen);
}

bool ProjectDocument::OpenWithQuestion(const QString &path) {
    return MayDiscardChanges() && Load(path);
}

void ProjectDocument::NewProject() {
    if (!MayDiscardChanges())
        return;
    hooks_.reset();
    path_.clear();
    hooks_.markSaved();
    Refresh();
}

void ProjectDocument::OpenDroppedProjects() {
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
    for (QWidget *child : window_->findChildren<QWidget *>())
        if (child->acceptDrops())
            child->installEventFilter(this);
}

bool ProjectDocument::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = DroppedProjectFile(drop->mimeData());
    if (path.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // the drop's own event ends before any question is asked
        QTimer::singleShot(0, this, [this, path] {
            RunGuarded(window_, [this, path] { OpenWithQuestion(path); });
        });
    }
    return true;
}

void ProjectDocument::AddFileCommands(QMenu *file) {
    const auto add = [&](const QString &text, const char *name, const QKeySequence &keys,
                         std::function<void()> command) {
        QAction *action = file->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this,
                [this, command = std::move(command)] { RunGuarded(window_, command); });
        return action;
    };
    add(QStringLiteral("&Новый проект"), "ActionNewProject", QKeySequence(Qt::CTRL | Qt::Key_N),
        [this] { NewProject(); });
    open_ = add(QStringLiteral("&Открыть проект…"), "ActionOpenFile",
                QKeySequence(Qt::CTRL | Qt::Key_O), [this] { Open(); });
    QMenu *recent = file->addMenu(QStringLiteral("Последние п&роекты"));
    recent->setObjectName(QStringLiteral("MenuRecent"));
    AttachRecentProjectsMenu(recent, window_, SettingsFile(),
                             [this](const QString &path) { OpenWithQuestion(path); });
    file->addSeparator();
    save_ = add(QStringLiteral("&Сохранить проект"), "ActionSave",
                QKeySequence(Qt::CTRL | Qt::Key_S), [this] { Save(); });
    add(QStringLiteral("Сохранить проект &как…"), "ActionSaveFile",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { SaveAs(); });
}

void ProjectDocument::CloseWindow(QCloseEvent *event) {
    if (!MayDiscardChanges()) {
        event->ignore();
        return;
    }
    if (shell_.popupTip)
        shell_.popupTip->hide();
    event->accept();
}

ModuleMenu AddModuleMenu(QMainWindow &window, ProjectDocument &document) {
    const auto named = [](QAction *action, const char *name) {
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    QMenuBar *bar = window.menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("NFile"));
    document.AddFileCommands(file);
    file->addSeparator();
    ModuleMenu menu;
    menu.newCalc =
        named(file->addAction(QStringLiteral("Открыть &новый расчет...")), "ActionNewCalc");
    file->addSeparator();
    menu.pathSave =
        named(file->addAction(QStringLiteral("Выбрать &папку проектов")), "ActionPathSave");
    file->addSeparator();
    QAction *exit = named(file->addAction(QStringLiteral("В&ыход")), "NExit");
    QObject::connect(exit, &QAction::triggered, &window, &QWidget::close);
    menu.help = named(bar->addAction(QStringLiteral("&Инструкция")), "NHelp");
    menu.help->setShortcut(QKeySequence(Qt::Key_F1));
    menu.about = named(bar->addAction(QStringLiteral("&О программе")), "NAbout");
    return menu;
}

} // namespace orvane
