#pragma once
// The supply (pressurisation) window: one scrollable input page with the four variant panels,
// "Расчет", and the report with its output commands.

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "inflow/inflow_calc.h"
#include "inflow/inflow_inputs.h"
#include "inflow/ui/forwarding_notifier.h"
#include "shell/form_controls.h"
#include "shell/message_box_notifier.h"
#include "shell/shell_windows.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace orvane {
class ProjectDocument;
class ChartsTab;
class ReportOutputPanel;
class StaleReportMark;
}

namespace orvane::inflow {

// One collapsible input category of the lift and tambour pages.
struct TUCategoryPanel {
    int Tag = 0;
    QFrame *PanTotal = nullptr;
    QLabel *LabChevron = nullptr;
    QWidget *Contents = nullptr;
    int ExpandHeight = 0;
    int CollapseHeight = 0;
    bool Collapsed = false;
};

class TFormSmkInVentCalc : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormSmkInVentCalc(const ShellWindows &shell, QWidget *parent = nullptr);
    ~TFormSmkInVentCalc() override;

    // Messages go to `notifier` instead of message boxes (tests); nullptr restores the boxes.
    void SetNotifier(Notifier *notifier);
    // The answer to "Сохранить изменения в проекте?" (Yes, No or Cancel); tests replace the box.
    void SetSaveChangesQuestion(std::function<int()> ask);

    InflowCalc &Calc() { return calc_; }
    const std::vector<TUCategoryPanel> &Categories() const { return categories_; }
    int GetCategoryIndForTag(int TagVal) const;
    ReportOutputPanel *OutputPanel() const { return panelOut_; }
    // The input page's controls by name.
    const ControlIndex &Controls() const { return controls_; }

    // The controls as the engine reads them, and back.
    InflowInputs InputsFromControls() const;
    void ControlsFromInputs(const InflowInputs &in);
    // The edits as `in` holds them (after a load or a run that corrected an input).
    void ShowEdits(const InflowInputs &in);

    // Without questions or dialogs: false (and a message) when nothing was read or written; a
    // file that cannot be read leaves the inputs as they were.
    bool OpenProjectFile(const QString &path);
    bool SaveProjectFile(const QString &chosenPath);
    bool HasUnsavedChanges() const;
    ProjectDocument *Document() const { return document_; }
    StaleReportMark *StaleMark() const { return stale_; }

public slots:
    // "Расчет": how the run ended (inputStopped also when a refused field kept it from starting).
    RunOutcome ActionGoNextExecute();
    void ActionOpenFileExecute();
    void ActionSaveFileExecute();
    void ActionNewCalcExecute();
    void rbCalcVariantClick();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row {
        QList<QWidget *> widgets; // caption, edit, unit label, tip button: enabled together
    };

    // --- building the page ---
    void FormCreate();
    void BuildDocument();
    void StartState();
    bool ChangedSinceRun() const;
    void BuildMenu();
    QWidget *BuildInputPanel();
    void BuildProjectGroup(QVBoxLayout *page);
    void BuildVariantGroup(QVBoxLayout *page);
    QWidget *BuildStairWellPanel();
    QWidget *BuildLiftPanel();
    QWidget *BuildTambourPanel();
    QFrame *NewCategory(int tag, const QString &name, const QString &caption,
                        QVBoxLayout *&contents);
    QGroupBox *NewGroup(QVBoxLayout *into, const QString &name, const QString &title);
    QLineEdit *AddEdit(QGroupBox *group, ControlName name, const QString &tipButton = {});
    QRadioButton *AddRadio(QGroupBox *group, ControlName name, const QString &text,
                           QButtonGroup *buttons);
    QButtonGroup *AddRadioGroup(QGroupBox *group,
                                std::initializer_list<std::pair<ControlName, QString>> radios);
    QToolButton *NewTipButton(const QString &name, QWidget *parent);
    QGridLayout *GridOf(QGroupBox *group) const;

    // --- enabling rules ---
    void SetRowEnabled(const QString &control, bool enabled);
    void rbSWJoinWallClick();
    void rbSWWithExitClick();
    void rbExitsToSWViaDoorClick();
    void rbLiftMethodClick();
    void cbWinPenetrationVarChange();
    void DuctShapeClick();
    void LiftRefresh();
    void RunAllHandlers();
    void CategoryPanelClick(QObject *sender);
    void RevealControl(const std::string &control);
    void ShowTip(QAbstractButton *button);
    void ShowReport();
    void bbHidePanInClick();
    void bbShowPanInClick();

    bool IsChecked(ControlName radio) const;
    QString EditText(ControlName name) const; // "" for an edit the window lacks
    void Message(bool error, const QString &text);
    QString StartFolder() const;
    void MarkSaved();

    ShellWindows shell_;
    ForwardingNotifier forward_;
    MessageBoxNotifier boxes_;
    InflowCalc calc_;
    bool flFirstTime_ = true;
    InflowInputs saved_;
    bool ran_ = false;
    InflowInputs ranInputs_; // the inputs of the report shown, once there was a run
    ProjectDocument *document_ = nullptr;
    StaleReportMark *stale_ = nullptr;
    ChartsTab *charts_ = nullptr; // "Графики" beside the report
    // What the enabling rules go by: the chosen variant, and the lift's floor counts as the
    // last load or run found them.
    SupplyVariant variant_ = SupplyVariant::aboveGroundStair;
    struct {
        int above = 0;
        int under = 0;
    } liftFloors_;

    QHash<QString, Row> rows_;
    ControlIndex controls_; // the page's edits, radio buttons and combos, filed as built
    std::vector<TUCategoryPanel> categories_;

    QWidget *panelIn_ = nullptr;
    QScrollArea *scrollBoxStart_ = nullptr;
    QWidget *panStairWell_ = nullptr;
    QWidget *panSW1OG_ = nullptr;
    QWidget *panLift_ = nullptr;
    QWidget *panTambour_ = nullptr;
    QGroupBox *gbUGBuildParams_ = nullptr;
    QGroupBox *gbSWWindows_ = nullptr;
    QGroupBox *gbOGFanSelect_ = nullptr;
    QGroupBox *gbUGFanSelect_ = nullptr;
    QComboBox *cbWinPenetrationVar_ = nullptr;
    QLabel *labWinPenetration1_ = nullptr;
    QLabel *labWinPenetration2_ = nullptr;
    QLabel *labWinPenetration_ = nullptr;
    QLabel *labWinPenetrationU_ = nullptr;
    ReportOutputPanel *panelOut_ = nullptr;
    QPushButton *bbShowPanIn_ = nullptr;
    QPushButton *bbNewCalc_ = nullptr;
};

} // namespace orvane::inflow
