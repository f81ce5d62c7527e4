#pragma once
// What both module windows share around their own input page: the messages of the window and its
// runs, the "Расчет" command and its flow, the unsaved and stale tracking of the inputs, the
// input panel that hides beside the report, the module menu's common commands and the tips. A
// window makes one ModuleWindowFrame, configures it, and keeps only what is its own: the page,
// its enabling rules, the variant's panels, the copy of widgets to inputs and back.

#include <QString>

#include <any>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "core/field_check.h"
#include "core/field_spec.h"
#include "report/run_frame.h"
#include "shell/forwarding_notifier.h"
#include "shell/message_box_notifier.h"
#include "shell/project_document.h"
#include "shell/shell_windows.h"

class QAbstractButton;
class QAction;
class QMainWindow;
class QWidget;

namespace orvane {

class ControlIndex;
class PopupTip;
class StaleReportMark;

class ModuleWindowFrame {
public:
    // `window` owns the frame; `controls` is the window's index of its page.
    ModuleWindowFrame(QMainWindow *window, const ShellWindows &shell, const ControlIndex &controls);
    ~ModuleWindowFrame();
    ModuleWindowFrame(const ModuleWindowFrame &) = delete;
    ModuleWindowFrame &operator=(const ModuleWindowFrame &) = delete;

    // --- messages: what the window and its runs say goes through Messages(), to the window's
    // message boxes or to the notifier a test set (nullptr restores the boxes)
    Notifier &Messages() { return forward_; }
    void SetNotifier(Notifier *notifier);
    // Called with a message's control before the message is shown (to bring it into sight).
    void SetReveal(std::function<void(const std::string &)> reveal);
    void Message(bool error, const QString &text);

    // --- the project document: the window's `kind`; `hooks` needs only what is the window's own
    // (read, write, reset, suggestedName); the frame fills modified, markSaved, message and
    // refreshed from the tracking below.
    ProjectDocument *BuildDocument(const ProjectKind &kind, ProjectDocument::Hooks hooks);
    ProjectDocument *Document() const { return document_; }
    // The file name the report's footer names: the project's, or "" for a new project.
    std::string ProjectFileName() const;

    // --- the inputs the window compares: `take` makes a snapshot of the inputs as the window
    // shows them, `same` compares two. The window is unsaved while its snapshot differs from
    // the one marked saved; the report is stale while it differs from the one of the last run.
    template <class Snapshot>
    void TrackInputs(std::function<Snapshot()> take,
                     std::function<bool(const Snapshot &, const Snapshot &)> same) {
        take_ = [take] { return std::any(take()); };
        same_ = [same](const std::any &a, const std::any &b) {
            return same(std::any_cast<const Snapshot &>(a), std::any_cast<const Snapshot &>(b));
        };
    }
    void MarkSaved();
    bool HasUnsavedChanges() const;
    // The inputs now are those of the report shown; ForgetRun: no report of a run is shown.
    void MarkRan();
    void ForgetRun();
    bool ChangedSinceRun() const;
    // The mark the report gets while its inputs changed; set by the window once built.
    void SetStaleMark(StaleReportMark *stale) { stale_ = stale; }

    // --- "Расчет": the action ActionGoNext (F9) that `button` triggers too; `calculate` runs
    // under the command guard.
    QAction *AddCalculateCommand(QAbstractButton *button, std::function<void()> calculate);

    // The flow of "Расчет" both windows follow. A refused field the window shows or the variant
    // reads (`variantCheck`) stops it before anything is computed, the report as it was. Every
    // run starts from a model built afresh (`calc = Calc(&Messages())`), its footer naming the
    // project file; `shown` then shows what the run changed (edits, report, duty point,
    // charts); the inputs are marked as those of the report, the title refreshed, and the
    // result warnings shown in one box.
    template <class Calc, class Inputs>
    RunOutcome Calculate(Calc &calc, Inputs &in, std::span<const FieldSpec> table,
                         const std::function<std::optional<FieldProblem>()> &variantCheck,
                         const std::function<void()> &shown) {
        if (RefuseRun(table, in, variantCheck))
            return RunOutcome::inputStopped;
        calc = Calc(&forward_);
        calc.Report.Page.projectFile = ProjectFileName();
        const RunOutcome outcome = calc.Run(in);
        shown();
        FinishRun(calc);
        return outcome;
    }

    // --- the input panel beside the report: `hide` hides it and shows `show`; `show` the reverse.
    void SetInputPanel(QWidget *panel, QAbstractButton *hide, QAbstractButton *show);
    void HideInputPanel();
    void ShowInputPanel();

    // --- the module menu's common commands: a new run of the program, the project folder
    // (then `folderChanged`), the manual at `manualPage` on the topic `topic` gives, the About box.
    void ConnectMenu(const ModuleMenu &menu, const QString &manualPage,
                     std::function<QString()> topic, std::function<void()> folderChanged);
    void StartNewCalculation();
    // The folder reports and projects are saved to first.
    QString SaveFolder() const;

    // --- tips: the program's tip window beside `button` (the window's own one when the program
    // gave none); it closes when the window is activated.
    void ShowTip(const QWidget *button, const QString &text);
    void CloseTipWhenActivated();
    void HideTipOnActivation();

private:
    bool RefuseRun(std::span<const FieldSpec> table, const ControlState &in,
                   const std::function<std::optional<FieldProblem>()> &variantCheck);
    void FinishRun(const RunFrame &run);

    QMainWindow *window_;
    ShellWindows shell_;
    const ControlIndex &controls_;
    MessageBoxNotifier boxes_;
    ForwardingNotifier forward_;
    ProjectDocument *document_ = nullptr;
    StaleReportMark *stale_ = nullptr;
    PopupTip *ownTip_ = nullptr;
    QWidget *inputPanel_ = nullptr;
    QAbstractButton *showInput_ = nullptr;
    std::function<std::any()> take_;
    std::function<bool(const std::any &, const std::any &)> same_;
    std::any saved_;
    std::optional<std::any> ran_;
};

// Puts `first` and `last` at both ends of the button row of an output panel (the first box
// layout inside its layout), or in a row of their own under it when it has none.
void JoinPanelButtons(QWidget *panel, QWidget *first, QWidget *last);

} // namespace orvane
