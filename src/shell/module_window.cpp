#include "shell/module_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QFileInfo>
#include <QMainWindow>

#include "shell/about_box.h"
#include "shell/command_guard.h"
#include "shell/desktop_actions.h"
#include "shell/form_controls.h"
#include "shell/popup_tip.h"
#include "shell/result_warnings.h"
#include "shell/save_folder_dialog.h"
#include "shell/settings.h"
#include "shell/stale_report.h"

namespace orvane {

ModuleWindowFrame::ModuleWindowFrame(QMainWindow *window, const ShellWindows &shell,
                                     const ControlIndex &controls)
    : window_(window), shell_(shell), controls_(controls), boxes_(window), forward_(&boxes_) {}

ModuleWindowFrame::~ModuleWindowFrame() = default;

void ModuleWindowFrame::SetNotifier(Notifier *notifier) {
    forward_.SetTarget(notifier ? notifier : &boxes_);
}

void ModuleWindowFrame::SetReveal(std::function<void(const std::string &)> reveal) {
    forward_.SetReveal(std::move(reveal));
}

void ModuleWindowFrame::Message(bool error, const QString &text) {
    if (error)
        forward_.error(text.toStdString(), {});
    else
        forward_.warning(text.toStdString(), {});
}

ProjectDocument *ModuleWindowFrame::BuildDocument(const ProjectKind &kind,
                                                  ProjectDocument::Hooks hooks) {
    hooks.modified = [this] { return HasUnsavedChanges(); };
    hooks.markSaved = [this] { MarkSaved(); };
    hooks.message = [this](bool error, const std::string &text) {
        Message(error, WithLineBreaks(QString::fromStdString(text)));
    };
    hooks.refreshed = [this] {
        if (stale_)
            stale_->SetStale(ChangedSinceRun());
    };
    document_ = new ProjectDocument(window_, shell_, kind, std::move(hooks));
    return document_;
}

std::string ModuleWindowFrame::ProjectFileName() const {
    return document_ ? QFileInfo(document_->FilePath()).fileName().toStdString() : std::string();
}

void ModuleWindowFrame::MarkSaved() {
    if (take_)
        saved_ = take_();
}

bool ModuleWindowFrame::HasUnsavedChanges() const {
    // inputs never marked saved count as changed
    return take_ && (!saved_.has_value() || !same_(take_(), saved_));
}

void ModuleWindowFrame::MarkRan() {
    if (take_)
        ran_ = take_();
}

void ModuleWindowFrame::ForgetRun() {
    ran_.reset();
}

bool ModuleWindowFrame::ChangedSinceRun() const {
    return take_ && ran_ && !same_(take_(), *ran_);
}

QAction *ModuleWindowFrame::AddCalculateCommand(QAbstractButton *button,
                                                std::function<void()> calculate) {
    auto *action = new QAction(QStringLiteral("Расчет"), window_);
    action->setObjectName(QStringLiteral("ActionGoNext"));
    action->setShortcut(QKeySequence(Qt::Key_F9));
    window_->addAction(action);
    button->setToolTip(QStringLiteral("Выполнить расчет (F9)"));
    QObject::connect(action, &QAction::triggered, window_,
                     [this, calculate = std::move(calculate)] { RunGuarded(window_, calculate); });
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    return action;
}

bool ModuleWindowFrame::RefuseRun(
    std::span<const FieldSpec> table, const ControlState &in,
    const std::function<std::optional<FieldProblem>()> &variantCheck) {
    return RefuseInvalidFields(window_, controls_, table, in, variantCheck, forward_);
}

void ModuleWindowFrame::FinishRun(const RunFrame &run) {
    MarkRan();
    if (document_)
        document_->Refresh();
    ShowResultWarnings(forward_, run);
}

void ModuleWindowFrame::SetInputPanel(QWidget *panel, QAbstractButton *hide,
                                      QAbstractButton *show) {
    inputPanel_ = panel;
    showInput_ = show;
    show->hide();
    QObject::connect(hide, &QAbstractButton::clicked, window_, [this] { HideInputPanel(); });
    QObject::connect(show, &QAbstractButton::clicked, window_, [this] { ShowInputPanel(); });
}

void ModuleWindowFrame::HideInputPanel() {
    inputPanel_->hide();
    showInput_->show();
}

void ModuleWindowFrame::ShowInputPanel() {
    inputPanel_->show();
    showInput_->hide();
}

void ModuleWindowFrame::ConnectMenu(const ModuleMenu &menu, const QString &manualPage,
                                    std::function<QString()> topic,
                                    std::function<void()> folderChanged) {
    QObject::connect(menu.newCalc, &QAction::triggered, window_, [this] { StartNewCalculation(); });
    QObject::connect(menu.pathSave, &QAction::triggered, window_,
                     [this, folderChanged = std::move(folderChanged)] {
                         if (shell_.selectPathSave)
                             shell_.selectPathSave->exec();
                         folderChanged();
                     });
    QObject::connect(menu.help, &QAction::triggered, window_,
                     [this, manualPage, topic = std::move(topic)] {
                         ShowManualForWindow(window_, manualPage, topic());
                     });
    QObject::connect(menu.about, &QAction::triggered, window_,
                     [this] { ShowAbout(shell_.about.Get(), window_); });
}

void ModuleWindowFrame::StartNewCalculation() {
    if (!StartNewInstance(shell_.bannerMode))
        Message(true, QStringLiteral("Не удалось запустить новый расчет."));
}

QString ModuleWindowFrame::SaveFolder() const {
    return shell_.settings ? shell_.settings->PathSave() : QString();
}

void ModuleWindowFrame::ShowTip(const QWidget *button, const QString &text) {
    PopupTip *tip = shell_.popupTip;
    if (!tip) {
        if (!ownTip_) {
            ownTip_ = new PopupTip(window_);
            ownTip_->setObjectName(QStringLiteral("FormTamsoPopupTip"));
            ownTip_->CloseWhenActivated(window_);
        }
        tip = ownTip_;
    }
    tip->ShowBeside(button, text);
}

void ModuleWindowFrame::CloseTipWhenActivated() {
    if (shell_.popupTip)
        shell_.popupTip->CloseWhenActivated(window_);
}

void ModuleWindowFrame::HideTipOnActivation() {
    if (window_->isActiveWindow() && shell_.popupTip && shell_.popupTip->isVisible())
        shell_.popupTip->hide();
}

void JoinPanelButtons(QWidget *panel, QWidget *first, QWidget *last) {
    QBoxLayout *buttonRow = nullptr;
    if (QLayout *outLayout = panel->layout()) {
        for (int i = 0; i < outLayout->count() && !buttonRow; ++i)
            buttonRow = qobject_cast<QBoxLayout *>(outLayout->itemAt(i)->layout());
    }
    if (buttonRow) {
        buttonRow->insertWidget(0, first);
        buttonRow->addWidget(last);
    } else if (auto *outLayout = qobject_cast<QBoxLayout *>(panel->layout())) {
        auto *row = new QHBoxLayout;
        row->addWidget(first);
        row->addStretch(1);
        row->addWidget(last);
        outLayout->addLayout(row);
    }
}

} // namespace orvane
