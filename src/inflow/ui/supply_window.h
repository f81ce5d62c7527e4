#pragma once
// The supply (pressurisation) window: one scrollable input page with the four variant panels,
// "Расчет", and the report with its output commands.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "inflow/inflow_calc.h"
#include "inflow/inflow_inputs.h"
#include "shell/form_controls.h"
#include "shell/module_window.h"
#include "shell/shell_windows.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLayout;
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
} // namespace orvane

namespace orvane::inflow {

// One collapsible input category of the lift and tambour pages.
struct CategoryPanel {
    int Tag = 0;               // what its header's widgets carry as the "Tag" property
    QFrame *Frame = nullptr;   // header and contents
    QLabel *Chevron = nullptr; // ▼ expanded, ► collapsed
    QWidget *Contents = nullptr;
    int ExpandedHeight = 0;  // the height it comes back to
    int CollapsedHeight = 0; // the header alone
    bool Collapsed = false;
};

class SupplyWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SupplyWindow(const ShellWindows &shell, QWidget *parent = nullptr);
    ~SupplyWindow() override;

    // Messages go to `notifier` instead of message boxes (tests); nullptr restores the boxes.
    void SetNotifier(Notifier *notifier);
    // The answer to "Сохранить изменения в проекте?" (Yes, No or Cancel); tests replace the box.
    void SetSaveChangesQuestion(std::function<int()> ask);

    InflowCalc &Calc() { return calc_; }
    const std::vector<CategoryPanel> &Categories() const { return categories_; }
    int CategoryIndexOfTag(int tag) const;
    ReportOutputPanel *OutputPanel() const { return outputPanel_; }
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
    ProjectDocument *Document() const { return frame_.Document(); }
    StaleReportMark *StaleMark() const { return stale_; }

public slots:
    // "Расчет": how the run ended (inputStopped also when a refused field kept it from starting).
    RunOutcome Calculate();
    // The project commands with their dialogs and questions.
    void OpenProject();
    void SaveProject();
    // "Новый расчет": another run of the program, this window as it is.
    void StartNewCalculation();
    // Shows the panel of the variant chosen and the rows it reads.
    void ShowChosenVariant();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // --- building the page ---
    void BuildWindow();
    void BuildDocument();
    QLayout *BuildOutputPanel(QWidget *central);
    void StartState();
    void BuildMenu();
    QWidget *BuildInputPanel();
    void BuildProjectGroup(QVBoxLayout *page);
    void BuildVariantGroup(QVBoxLayout *page);
    QWidget *BuildStairwellPanel();
    void BuildStairwellConditions(QVBoxLayout *into);
    void BuildWindowsGroup(QVBoxLayout *into);
    QWidget *BuildLiftPanel();
    void AddLiftGapRows(QGroupBox *shaft);
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
    void UpdateWindRows();
    void UpdateExitRows();
    void UpdateStairwellCountRow();
    void UpdateLiftMethodRows();
    void ShowWindowPermeabilityRow();
    void UpdateDuctSizeRows();
    void UpdateLiftShaftRows();
    void UpdateAllRows();
    void ToggleCategory(QObject *sender);
    void RevealControl(const std::string &control);
    void ShowTip(QAbstractButton *button);
    void ShowReport();

    bool IsChecked(ControlName radio) const;
    QString EditText(ControlName name) const; // "" for an edit the window lacks

    ShellWindows shell_;
    ControlIndex controls_;   // the page's edits, radio buttons and combos, filed as built
    ModuleWindowFrame frame_; // messages, "Расчет", the document, tracking, tips
    InflowCalc calc_;
    bool firstShow_ = true;
    StaleReportMark *stale_ = nullptr;
    ChartsTab *charts_ = nullptr; // "Графики" beside the report
    // What the enabling rules go by: the chosen variant, and the lift's floor counts as the
    // last load or run found them.
    SupplyVariant variant_ = SupplyVariant::aboveGroundStair;
    struct {
        int Above = 0;
        int Below = 0;
    } liftFloors_;

    std::vector<CategoryPanel> categories_;

    QWidget *inputPanel_ = nullptr;
    QScrollArea *inputScroll_ = nullptr;
    QWidget *stairwellPanel_ = nullptr;
    QWidget *aboveGroundPanel_ = nullptr;
    QWidget *liftPanel_ = nullptr;
    QWidget *tambourPanel_ = nullptr;
    QGroupBox *undergroundBuildingGroup_ = nullptr;
    QGroupBox *windowsGroup_ = nullptr;
    QGroupBox *aboveGroundSupplyGroup_ = nullptr;
    QGroupBox *undergroundSupplyGroup_ = nullptr;
    QComboBox *windowRowCombo_ = nullptr;
    QLabel *windowCaption1_ = nullptr;
    QLabel *windowCaption2_ = nullptr;
    QLabel *windowSymbol_ = nullptr;
    QLabel *windowUnit_ = nullptr;
    ReportOutputPanel *outputPanel_ = nullptr;
    QPushButton *hideInputButton_ = nullptr;
    QPushButton *showInputButton_ = nullptr;
    QPushButton *newCalculationButton_ = nullptr;
};

} // namespace orvane::inflow
