#pragma once
// The smoke exhaust window: the input page of every variant and of the network on the left, the
// report of the last calculation on the right.

#include "catalogs/fire_load_catalog.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/exhaust_inputs.h"
#include "shell/form_controls.h"
#include "shell/message_box_notifier.h"
#include "shell/shell_windows.h"

#include <QMainWindow>

#include <string>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTableWidget;
class QToolButton;

namespace orvane {
class ProjectDocument;
class ChartsTab;
class ReportOutputPanel;
class StaleReportMark;
}

namespace orvane::exhaust {

class TFormShaftSegment;

class TFormSmkOutVentCalc : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: where the fan selection program is looked for (default: the program's own).
    explicit TFormSmkOutVentCalc(const ShellWindows &shell, QWidget *parent = nullptr,
                                 const QString &programFolder = {});
    ~TFormSmkOutVentCalc() override;

    // Messages of the input steps and of the list commands; message boxes unless replaced.
    void SetNotifier(Notifier *notifier);

    // --- the controls as data ---
    ExhaustInputs InputsFromControls() const;
    void ControlsFromInputs(const ExhaustInputs &inputs);

    // --- commands ---
    void rbCalcVariantClick();
    // "Расчет": how the run ended (inputStopped also when a refused field kept it from starting).
    RunOutcome ActionGoNextExecute();
    void bbHidePanInClick();
    void bbShowPanInClick();
    void ActionNewCalcExecute();
    QStringList NewCalcArguments() const;
    void ActionPathSaveExecute();
    void NHelpClick();
    void NAboutClick();
    void EnableExhaustFields(bool enabled);
    void EditCorridorHeightChange();
    void ShowFireLoadInfo();
    void sbParkingSmokeClick();

    // --- the network list ---
    void bAddClick();
    void bEditClick();
    void bEditGroupClick();
    void bRemoveClick();
    void cbShaftClick();
    void RefreshSegmentList(int index);
    void UpdateSegmentButtons();
    int SelectedSegment() const;
    const NetworkSegments &Segments() const { return Ychastki; }
    bool WithShaft() const { return CalcWithShaft; }
    // The segment editor, built the first time it is needed.
    TFormShaftSegment *SegmentEditor();

    // --- project files ---
    // "Сохранить проект": to the project's file (a new project asks for one).
    void ActionSaveFileExecute();
    // "Открыть проект": asks about unsaved changes, then for the file.
    void ActionOpenFileExecute();
    // Without questions or dialogs: false (and a message) when the file could not be written or
    // read; a file that cannot be read leaves the inputs and segments as they were.
    bool SaveProjectFile(const QString &fileName);
    bool OpenProjectFile(const QString &fileName);
    ProjectDocument *Document() const { return document_; }
    StaleReportMark *StaleMark() const { return stale_; }
    // True when the inputs differ from what was last loaded or saved (or from the start state).
    bool HasUnsavedChanges() const;
    void MarkSaved();

    const ExhaustCalc &Calc() const { return calc_; }
    ReportOutputPanel *OutputPanel() const { return PanelOut; }
    // The input page's controls by name.
    const ControlIndex &Controls() const { return controls_; }
    // The variant the layout shows (the checked radio button's).
    ExhaustVariant Variant() const { return variant_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenu();
    void BuildDocument();
    void StartState();
    QWidget *BuildInputPage();
    QGroupBox *NewGroup(const QString &name, const QString &title);
    FieldRow AddEditRow(QGridLayout *grid, int row, ControlName name, const QString &tip = {});
    QToolButton *NewTipButton(const QString &name, const QString &topic);
    void ShowTip(QToolButton *button);
    void ShowReport();
    void cbRoomSizeVariantChange(int index);
    void SelectFireLoadDensity();
    void SelectFireLoad();
    std::string ProjectSnapshot() const;
    void SetEnabledColoured(QLineEdit *edit, bool enabled);
    bool RunSegmentEditor();

    ShellWindows shell_;
    MessageBoxNotifier boxNotifier_;
    Notifier *notifier_;
    ExhaustCalc calc_;
    ExhaustVariant variant_ = ExhaustVariant::corridor;
    NetworkSegments Ychastki;
    NetworkSegments YchastkiTemp;
    bool CalcWithShaft = true;
    TFireLoadDensity FireLoadDensity;
    TFireLoad FireLoad;
    FireLoadCatalog fireLoads_;
    FireLoadDensityCatalog densities_;
    QString dataFolder_;
    std::string savedSnapshot_;
    std::string ranSnapshot_; // the inputs of the report shown; empty before the first run
    ProjectDocument *document_ = nullptr;
    StaleReportMark *stale_ = nullptr;
    ChartsTab *charts_ = nullptr; // "Графики" beside the report
    int roomSizeIndex_ = 0;

    TFormShaftSegment *FormShaftSegment = nullptr;
    Notifier *editorNotifier_ = nullptr; // what SetNotifier gave, for an editor built later
    QWidget *PanelIn = nullptr;
    QScrollArea *ScrollBoxStart = nullptr;
    QWidget *PageStart = nullptr;
    ControlIndex controls_; // the page's edits, radio buttons and combo, filed as built
    ReportOutputPanel *PanelOut = nullptr;
    QPushButton *bbHidePanIn = nullptr;
    QPushButton *bbShowPanIn = nullptr;
    QPushButton *bbGoNext = nullptr;
    QToolButton *bbNewCalc = nullptr;
    QCheckBox *cbDetailed = nullptr;
    QAction *ActionGoNext = nullptr;

    QGroupBox *gbDoorSizes = nullptr;
    QGroupBox *gbHeightNoSmoke = nullptr;
    QGroupBox *gbFireLoads = nullptr;
    QGroupBox *gbFirePower = nullptr;
    QGroupBox *gbCorridorSize = nullptr;
    QGroupBox *gbFireplace = nullptr;
    QGroupBox *gbParkingFireplace = nullptr;
    QWidget *PanGallery = nullptr;
    QComboBox *cbRoomSizeVariant = nullptr;
    QWidget *PanRoomABH = nullptr;
    QWidget *PanRoomSBH = nullptr;
    QTableWidget *sgDoorSizes = nullptr;
    QFrame *PanFLDensity = nullptr;
    QFrame *PanFireLoad = nullptr;
    QLabel *LabFLDensityName = nullptr;
    QLabel *LabFLDensityValue = nullptr;
    QLabel *LabFireLoadName = nullptr;
    QLabel *LabFireLoadValues = nullptr;
    QLabel *LabCrdrNoSmkRange = nullptr;
    QListWidget *ListBoxYchastki = nullptr;
    QCheckBox *cbShaft = nullptr;
    QToolButton *bAdd = nullptr;
    QPushButton *bEdit = nullptr;
    QPushButton *bEditGroup = nullptr;
    QToolButton *bRemove = nullptr;
    QList<QWidget *> exhaustFieldWidgets_;
};

} // namespace orvane::exhaust
