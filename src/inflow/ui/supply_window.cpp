#include "inflow/ui/supply_window.h"

#include "charts/ui/charts_tab.h"
#include "core/number_text.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "inflow/inflow_project.h"
#include "inflow/ui/inflow_tips.h"
#include "report/report_output.h"
#include "report/ui/report_output_panel.h"
#include "shell/about_box.h"
#include "shell/command_guard.h"
#include "shell/desktop_actions.h"
#include "shell/form_controls.h"
#include "shell/own_icons.h"
#include "shell/popup_tip.h"
#include "shell/project_document.h"
#include "shell/result_warnings.h"
#include "shell/save_folder_dialog.h"
#include "shell/settings.h"
#include "shell/stale_report.h"

namespace orvane::inflow {

namespace {

// A floor count as the input steps read it; 0 when the edit holds no number.
int CountOf(const InflowInputs &in, ControlName edit) {
    int value = 0;
    return TryTextToInt(DigitsOnly(in.Text(edit)), value) ? value : 0;
}

const QString kCaption =
    QStringLiteral("Орвейн - Расчёт системы приточной противодымной вентиляции");
const QString kProjectFilter = QStringLiteral("Проект приточного ДУ (*.isrprj)");
const QColor kChevronHot(128, 0, 0);
constexpr int kHeaderHeight = 24;
constexpr int kEditWidth = 72;

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

SupplyWindow::SupplyWindow(const ShellWindows &shell, QWidget *parent)
    : QMainWindow(parent), shell_(shell), frame_(this, shell, controls_),
      calc_(&frame_.Messages()) {
    frame_.SetReveal([this](const std::string &control) { RevealControl(control); });
    frame_.TrackInputs<InflowInputs>(
        [this] { return InputsFromControls(); },
        [](const InflowInputs &a, const InflowInputs &b) { return a.SameValues(b); });
    BuildWindow();
}

SupplyWindow::~SupplyWindow() = default;

void SupplyWindow::SetNotifier(Notifier *notifier) {
    frame_.SetNotifier(notifier);
}

void SupplyWindow::SetSaveChangesQuestion(std::function<int()> ask) {
    frame_.Document()->SetSaveChangesQuestion(std::move(ask));
}

void SupplyWindow::BuildDocument() {
    ProjectKind kind;
    kind.module = ProjectModule::supply;
    kind.extension = QStringLiteral("isrprj");
    kind.filter = kProjectFilter;
    kind.openTitle = QStringLiteral("Открыть файл проекта приточного ДУ");
    kind.saveTitle = QStringLiteral("Сохранить файл проекта приточного ДУ");
    kind.caption = kCaption;
    kind.otherProject = QStringLiteral("Это проект дымоудаления; он открыт в новом окне.");
    kind.readKind = "приточного ДУ";
    kind.openDialogName = QStringLiteral("OpenDialogFile");
    kind.saveDialogName = QStringLiteral("SaveDialogFile");
    ProjectDocument::Hooks hooks;
    SetFileHooks(hooks, *this, [this](const InflowInputs &in) {
        liftFloors_ = {CountOf(in, ctl::EditLiftOGFloorQty), CountOf(in, ctl::EditLiftUGFloorQty)};
    });
    hooks.reset = [this] { StartState(); };
    hooks.suggestedName = [this] {
        return QString::fromStdString(DefaultFileName(EditText(ctl::EditProjectName).toStdString(),
                                                      EditText(ctl::EditSystemName).toStdString()));
    };
    frame_.BuildDocument(kind, std::move(hooks));
}

void SupplyWindow::StartState() {
    liftFloors_ = {};
    ControlsFromInputs(InflowInputs::Defaults());
    calc_ = InflowCalc(&frame_.Messages());
    calc_.Report.BeginReport(kSupplyReportTitle);
    calc_.Report.BuildFullReport();
    ShowReport();
    charts_->Show({});
    frame_.ForgetRun();
}

// ---------------------------------------------------------------------------------------------
// Building the window

void SupplyWindow::BuildWindow() {
    setObjectName(QStringLiteral("FormSmkInVentCalc"));
    firstShow_ = true;

    BuildDocument();
    BuildMenu();

    auto *central = new QWidget(this);
    auto *root = new QHBoxLayout(central);
    root->setContentsMargins(2, 2, 2, 2);
    root->setSpacing(4);
    inputPanel_ = BuildInputPanel();
    root->addWidget(inputPanel_);

    root->addLayout(BuildOutputPanel(central), 1);
    setCentralWidget(central);

    // Categories: expanded at their design height, collapsed to the header.
    for (auto &category : categories_) {
        category.Frame->layout()->activate();
        category.ExpandedHeight = category.Frame->sizeHint().height();
        category.CollapsedHeight = kHeaderHeight + 2;
        category.Collapsed = false;
    }

    // The lift refresh here sees no floor counts yet (shaft 1), as the window did at creation.
    UpdateExitRows();
    UpdateStairwellCountRow();
    UpdateLiftMethodRows();

    ControlsFromInputs(InflowInputs::Defaults());
    ShowWindowPermeabilityRow();
    UpdateDuctSizeRows();

    for (const FieldSpec &f : kInflowFields) {
        const QString hint = InflowEditHint(CtlName(f.control));
        if (QLineEdit *edit = controls_.Edit(f.control); edit && !hint.isEmpty())
            edit->setToolTip(WithLineBreaks(hint));
    }

    calc_.Report.BeginReport(kSupplyReportTitle);
    calc_.Report.BuildFullReport();
    ShowReport();

    frame_.CloseTipWhenActivated();
    frame_.MarkSaved();
    ProjectDocument *document = frame_.Document();
    document->OpenDroppedProjects();
    WatchInputChanges(inputPanel_, [document] { document->RefreshSoon(); });
    document->Refresh();
    // the window opens on its first input field
    if (QLineEdit *first = controls_.Edit(ctl::EditProjectName))
        first->setFocus();
    resize(1000, 680);
    setWindowState(Qt::WindowMaximized);
}

// The report with its output commands, "►" that brings the input panel back and the new
// calculation's button at both ends of its button row; the stale mark above it, the charts tab.
QLayout *SupplyWindow::BuildOutputPanel(QWidget *central) {
    outputPanel_ = new ReportOutputPanel(central);
    outputPanel_->setObjectName(QStringLiteral("PanelOut"));
    outputPanel_->SetFanKind(QStringLiteral("Sup"));
    outputPanel_->SetFileNameSource([this] {
        return std::pair<QString, QString>(EditText(ctl::EditProjectName),
                                           EditText(ctl::EditSystemName));
    });
    outputPanel_->SetSaveFolder(frame_.SaveFolder());
    showInputButton_ = new QPushButton(QStringLiteral("►"), outputPanel_);
    showInputButton_->setObjectName(QStringLiteral("bbShowPanIn"));
    showInputButton_->setToolTip(QStringLiteral("Развернуть"));
    showInputButton_->setAccessibleName(QStringLiteral("Развернуть"));
    showInputButton_->setFixedWidth(32);
    newCalculationButton_ = new QPushButton(outputPanel_);
    newCalculationButton_->setIcon(StandardIcon(QStyle::SP_FileIcon, this));
    newCalculationButton_->setObjectName(QStringLiteral("bbNewCalc"));
    newCalculationButton_->setToolTip(QStringLiteral("Открыть новый расчет"));
    newCalculationButton_->setAccessibleName(QStringLiteral("Открыть новый расчет"));
    newCalculationButton_->setFixedWidth(32);
    JoinPanelButtons(outputPanel_, showInputButton_, newCalculationButton_);
    frame_.SetInputPanel(inputPanel_, hideInputButton_, showInputButton_);
    connect(newCalculationButton_, &QPushButton::clicked, this, &SupplyWindow::StartNewCalculation);
    // the stale report's banner stands above the viewer
    stale_ = new StaleReportMark(
        outputPanel_, [this] { return !outputPanel_->AppForFan().isEmpty(); },
        [this] { outputPanel_->SaveReportToFile(); });
    frame_.SetStaleMark(stale_);
    charts_ = new ChartsTab(outputPanel_, stale_);
    return stale_->BannerAndPanel();
}

void SupplyWindow::BuildMenu() {
    const ModuleMenu menu = AddModuleMenu(*this, *frame_.Document());
    frame_.ConnectMenu(
        menu, QStringLiteral("supply.html"),
        [this] {
            static const char *const kVariantTopics[] = {"sw-og", "sw-ug", "lift", "tambour"};
            return QString::fromLatin1(kVariantTopics[static_cast<size_t>(variant_) % 4]);
        },
        [this] { outputPanel_->SetSaveFolder(frame_.SaveFolder()); });
}

QWidget *SupplyWindow::BuildInputPanel() {
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelIn"));
    panel->setFixedWidth(460);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    inputScroll_ = new QScrollArea(panel);
    inputScroll_->setObjectName(QStringLiteral("ScrollBoxStart"));
    inputScroll_->setWidgetResizable(true);
    inputScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tshStart"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    pageLayout->setSpacing(4);
    BuildProjectGroup(pageLayout);
    BuildVariantGroup(pageLayout);
    stairwellPanel_ = BuildStairwellPanel();
    pageLayout->addWidget(stairwellPanel_);
    liftPanel_ = BuildLiftPanel();
    pageLayout->addWidget(liftPanel_);
    tambourPanel_ = BuildTambourPanel();
    pageLayout->addWidget(tambourPanel_);
    pageLayout->addStretch(1);
    inputScroll_->setWidget(page);
    layout->addWidget(inputScroll_, 1);

    auto *ctrl = new QWidget(panel);
    ctrl->setObjectName(QStringLiteral("PanelInCtrl"));
    auto *ctrlLayout = new QHBoxLayout(ctrl);
    ctrlLayout->setContentsMargins(4, 2, 4, 2);
    auto *bbNext = new QPushButton(QStringLiteral("Расчет"), ctrl);
    bbNext->setObjectName(QStringLiteral("bbNext"));
    bbNext->setMinimumWidth(120);
    auto *bbHide = new QPushButton(QStringLiteral("◄"), ctrl);
    bbHide->setObjectName(QStringLiteral("bbHidePanIn"));
    bbHide->setToolTip(QStringLiteral("Свернуть"));
    bbHide->setAccessibleName(QStringLiteral("Свернуть"));
    bbHide->setFixedWidth(32);
    ctrlLayout->addWidget(bbNext);
    ctrlLayout->addStretch(1);
    ctrlLayout->addWidget(bbHide);
    layout->addWidget(ctrl);

    frame_.AddCalculateCommand(bbNext, [this] { Calculate(); });
    hideInputButton_ = bbHide;
    return panel;
}

QToolButton *SupplyWindow::NewTipButton(const QString &name, QWidget *parent) {
    QToolButton *button = CreateTipButton(name, parent);
    // announced with its group's caption (a group without one is named by its category)
    for (const QWidget *w = parent; w; w = w->parentWidget()) {
        QString topic;
        if (const auto *group = qobject_cast<const QGroupBox *>(w))
            topic = AccessibleCaption(group->title());
        if (topic.isEmpty())
            topic = w->property("Caption").toString();
        if (!topic.isEmpty()) {
            button->setAccessibleName(QStringLiteral("Подсказка: ") + topic);
            break;
        }
    }
    connect(button, &QToolButton::clicked, this, [this, button] { ShowTip(button); });
    return button;
}

QGroupBox *SupplyWindow::NewGroup(QVBoxLayout *into, const QString &name, const QString &title) {
    auto *group = new QGroupBox(title);
    group->setObjectName(name);
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    // fixed unit and tip columns keep the edits of all groups in one column
    grid->setColumnMinimumWidth(2, 60);
    grid->setColumnMinimumWidth(3, 20);
    into->addWidget(group);
    return group;
}

QGridLayout *SupplyWindow::GridOf(QGroupBox *group) const {
    return static_cast<QGridLayout *>(group->layout());
}

QLineEdit *SupplyWindow::AddEdit(QGroupBox *group, ControlName name, const QString &tipButton) {
    QGridLayout *grid = GridOf(group);
    const int row = grid->rowCount();
    const FieldRow r = AddFieldRow(grid, row, InflowField(name), group, controls_);
    if (!tipButton.isEmpty()) {
        auto *tip = NewTipButton(tipButton, group);
        grid->addWidget(tip, row, 3);
        controls_.SetRowTip(name, tip);
    }
    return r.edit;
}

QRadioButton *SupplyWindow::AddRadio(QGroupBox *group, ControlName name, const QString &text,
                                     QButtonGroup *buttons) {
    QGridLayout *grid = GridOf(group);
    auto *radio = controls_.Create<QRadioButton>(name, text, group);
    radio->setAccessibleName(text);
    grid->addWidget(radio, grid->rowCount(), 0, 1, 4);
    buttons->addButton(radio);
    return radio;
}

QButtonGroup *
SupplyWindow::AddRadioGroup(QGroupBox *group,
                            std::initializer_list<std::pair<ControlName, QString>> radios) {
    auto *buttons = new QButtonGroup(group);
    buttons->setExclusive(true);
    bool first = true;
    for (const auto &[name, text] : radios) {
        auto *radio = AddRadio(group, name, text, buttons);
        if (first)
            radio->setChecked(true);
        first = false;
    }
    return buttons;
}

void SupplyWindow::BuildProjectGroup(QVBoxLayout *page) {
    QGroupBox *group = NewGroup(page, QStringLiteral("gbProject"), QStringLiteral(" Проект "));
    QGridLayout *grid = GridOf(group);
    const ProjectRows rows =
        AddProjectRows(grid, grid->rowCount(), 4, controls_, ctl::EditProjectName,
                       ctl::EditSystemName, NewTipButton(QStringLiteral("sbTipProject"), group));
    connect(rows.open, &QToolButton::clicked, this, Guarded(this, &SupplyWindow::OpenProject));
    connect(rows.save, &QToolButton::clicked, this, Guarded(this, &SupplyWindow::SaveProject));
}

void SupplyWindow::BuildVariantGroup(QVBoxLayout *page) {
    QGroupBox *group = NewGroup(page, QStringLiteral("gbCalcVariant"),
                                QStringLiteral(" Вариант приточной противодымной вентиляции "));
    QButtonGroup *buttons = AddRadioGroup(
        group, {{ctl::rbOverGndStair, QStringLiteral("в надземную лестничную клетку типа Н2")},
                {ctl::rbUnderGndStair, QStringLiteral("в лестничную клетку подземной части")},
                {ctl::rbLift, QStringLiteral("в лифтовую шахту")},
                {ctl::rbTambour, QStringLiteral("в тамбур-шлюзы, зоны безопасности")}});
    // the tip about tambours sits beside its radio button
    QGridLayout *grid = GridOf(group);
    QAbstractButton *tambour = controls_.Button(ctl::rbTambour);
    const int index = grid->indexOf(tambour);
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(tambour);
    grid->addWidget(tambour, row, 0, 1, 3);
    grid->addWidget(NewTipButton(QStringLiteral("sbTipTambour"), group), row, 3);
    connect(buttons, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool checked) {
        if (checked)
            ShowChosenVariant();
    });
}

QWidget *SupplyWindow::BuildStairwellPanel() {
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanStairWell"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    // Above-ground conditions and building.
    aboveGroundPanel_ = new QWidget(panel);
    aboveGroundPanel_->setObjectName(QStringLiteral("PanSW1_OG"));
    auto *og = new QVBoxLayout(aboveGroundPanel_);
    og->setContentsMargins(0, 0, 0, 0);
    og->setSpacing(4);
    BuildStairwellConditions(og);

    QGroupBox *build =
        NewGroup(og, QStringLiteral("gbOGBuildParams"), QStringLiteral(" Характеристики здания "));
    AddEdit(build, ctl::EditOGFloorQty);
    AddEdit(build, ctl::EditSWN1z);
    AddEdit(build, ctl::EditSWN2z);
    AddEdit(build, ctl::EditSecondFloorLevel);
    AddEdit(build, ctl::EditOGFloorHeight);
    AddEdit(build, ctl::EditOGStairWellQty, QStringLiteral("sbTipOGSWQty"));
    layout->addWidget(aboveGroundPanel_);

    // Underground building.
    undergroundBuildingGroup_ = NewGroup(layout, QStringLiteral("gbUGBuildParams"),
                                         QStringLiteral(" Характеристики подземной части здания "));
    AddEdit(undergroundBuildingGroup_, ctl::EditUGFloorQty);
    AddEdit(undergroundBuildingGroup_, ctl::EditUGFloorHeight);
    AddEdit(undergroundBuildingGroup_, ctl::EditUGStairWellQty, QStringLiteral("sbTipUGSWQty"));

    // Air, wind and the stairwell itself.
    auto *sw2 = new QWidget(panel);
    sw2->setObjectName(QStringLiteral("PanSW2_OGUG"));
    auto *sw2Layout = new QVBoxLayout(sw2);
    sw2Layout->setContentsMargins(0, 0, 0, 0);
    sw2Layout->setSpacing(4);
    QGroupBox *air =
        NewGroup(sw2Layout, QStringLiteral("gbSWAir"), QStringLiteral(" Параметры воздуха "));
    AddEdit(air, ctl::EditGasMassExps, QStringLiteral("sbTipGasMassExps"));
    AddEdit(air, ctl::EditInsideAirTemp);
    AddEdit(air, ctl::EditOutsideAirTemp);
    AddEdit(air, ctl::EditWindSpeed);
    QGroupBox *wind = NewGroup(sw2Layout, QStringLiteral("gbSWWindPress"),
                               QStringLiteral(" Коэффициенты ветрового напора "));
    AddEdit(wind, ctl::EditKoefWW);
    AddEdit(wind, ctl::EditKoefW0);
    QGroupBox *stair =
        NewGroup(sw2Layout, QStringLiteral("gbSWParams"), QStringLiteral(" Лестничная клетка "));
    AddEdit(stair, ctl::EditSWProjArea);
    AddEdit(stair, ctl::EditSWKoefXis, QStringLiteral("sbTipSWKoefXis"));
    layout->addWidget(sw2);

    // Exits, doors, windows and the supply system.
    auto *sw3 = new QWidget(panel);
    sw3->setObjectName(QStringLiteral("PanSW3_OGUG"));
    auto *sw3Layout = new QVBoxLayout(sw3);
    sw3Layout->setContentsMargins(0, 0, 0, 0);
    sw3Layout->setSpacing(4);
    QGroupBox *exit = NewGroup(sw3Layout, QStringLiteral("gbSWOutExit"),
                               QStringLiteral(" Наружный выход лестничной клетки "));
    AddEdit(exit, ctl::EditOutsideDoorArea);
    AddEdit(exit, ctl::EditOutsideDoorHeight);
    AddEdit(exit, ctl::EditOutDoorSeriesQty);
    AddEdit(exit, ctl::EditOutsideDoorKoefXid, QStringLiteral("sbTipOutDoorKoefXid"));
    AddEdit(exit, ctl::EditOutsideTambourKoefXir, QStringLiteral("sbTipOutTambourKoefXir"));

    QGroupBox *doors = NewGroup(sw3Layout, QStringLiteral("gbSWDoors"),
                                QStringLiteral(" Поэтажные выходы на лестничную клетку "));
    AddEdit(doors, ctl::EditDoorwayArea);
    AddEdit(doors, ctl::EditDoorwayHeight);
    AddRadioGroup(doors, {{ctl::rbDoorIsOrdinary, QStringLiteral("Обычная дверь")},
                          {ctl::rbDoorIsGasProof, QStringLiteral("Дымогазонепроницаемая дверь")}});
    AddEdit(doors, ctl::EditClosedDoorSpecResist, QStringLiteral("sbTipClosedDoorSpecResist"));

    BuildWindowsGroup(sw3Layout);

    aboveGroundSupplyGroup_ =
        NewGroup(sw3Layout, QStringLiteral("gbOGFanSelect"),
                 QStringLiteral(" Система приточной противодымной вентиляции "));
    AddEdit(aboveGroundSupplyGroup_, ctl::EditOGPplus);
    AddEdit(aboveGroundSupplyGroup_, ctl::EditOGH0s, QStringLiteral("sbTipOGH0Above"));
    auto *ogShape =
        AddRadioGroup(aboveGroundSupplyGroup_,
                      {{ctl::rbOGRectAPipe, QStringLiteral("Воздуховоды прямоугольного сечения")},
                       {ctl::rbOGRoundAPipe, QStringLiteral("Воздуховоды круглого сечения")}});
    connect(ogShape, &QButtonGroup::buttonToggled, this, [this] { UpdateDuctSizeRows(); });
    AddEdit(aboveGroundSupplyGroup_, ctl::EditOGSizeA);
    AddEdit(aboveGroundSupplyGroup_, ctl::EditOGSizeB);
    AddEdit(aboveGroundSupplyGroup_, ctl::EditOGAPipeLen);
    AddEdit(aboveGroundSupplyGroup_, ctl::EditOGAPipeEpsilon);
    AddEdit(aboveGroundSupplyGroup_, ctl::EditOGAPipeXi);

    undergroundSupplyGroup_ =
        NewGroup(sw3Layout, QStringLiteral("gbUGFanSelect"),
                 QStringLiteral(" Система приточной противодымной вентиляции "));
    AddEdit(undergroundSupplyGroup_, ctl::EditUGH0Below);
    AddEdit(undergroundSupplyGroup_, ctl::EditUGPdsBelow);
    layout->addWidget(sw3);

    auto *title = new QLabel(QStringLiteral("Лестн. Клетка"), panel);
    title->setObjectName(QStringLiteral("PanHdnSW"));
    title->hide();
    return panel;
}

// The four conditions of an above-ground stairwell, each a pair of radio buttons.
void SupplyWindow::BuildStairwellConditions(QVBoxLayout *into) {
    QGroupBox *terms = NewGroup(into, QStringLiteral("gbSWTerms"), QStringLiteral(" Условия "));
    auto *g1 = AddRadioGroup(
        terms, {{ctl::rbSWJoinWall,
                 QStringLiteral("ЛК примыкает к наружной стене с окнами на каждом этаже")},
                {ctl::rbSWNotJoinWall, QStringLiteral("ЛК в центральном ядре")}});
    auto *g2 = AddRadioGroup(
        terms, {{ctl::rbSWWOExit, QStringLiteral("ЛК не имеет выхода наружу")},
                {ctl::rbSWWithExit, QStringLiteral("ЛК с обособленным наружным выходом")}});
    // the 1st floor's condition enables no row of its own
    AddRadioGroup(terms, {{ctl::rbFirstFloorNotJoinSW,
                           QStringLiteral("1-й этаж не сообщается с ЛК (или через тамбур-шлюзы)")},
                          {ctl::rbFirstFloorJoinSW,
                           QStringLiteral("1-й этаж сообщается с ЛК через одинарную дверь")}});
    auto *g4 = AddRadioGroup(
        terms,
        {{ctl::rbExitsToSWViaDoor, QStringLiteral("Поэтажные выходы в ЛК через одинарные двери")},
         {ctl::rbExitsToSWViaTambour, QStringLiteral("Поэтажные выходы в ЛК через тамбур-шлюзы")}});
    connect(g1, &QButtonGroup::buttonToggled, this, [this] { UpdateWindRows(); });
    connect(g2, &QButtonGroup::buttonToggled, this, [this] { UpdateExitRows(); });
    connect(g4, &QButtonGroup::buttonToggled, this, [this] { UpdateStairwellCountRow(); });
}

// The windows of an above-ground stairwell: their area, and the permeability as the chosen way
// of stating it (the caption, symbol and unit follow the combo).
void SupplyWindow::BuildWindowsGroup(QVBoxLayout *into) {
    windowsGroup_ = NewGroup(into, QStringLiteral("gbSWWindows"),
                             QStringLiteral(" Оконные проёмы лестничной клетки "));
    AddEdit(windowsGroup_, ctl::EditWindowArea);
    QGridLayout *grid = GridOf(windowsGroup_);
    int row = grid->rowCount();
    auto *comboLabel =
        new QLabel(QStringLiteral("Воздухопроницаемость задана как:"), windowsGroup_);
    comboLabel->setObjectName(QStringLiteral("LabWinPenetrationVar"));
    windowRowCombo_ = controls_.Create<QComboBox>(ctl::cbWinPenetrationVar, windowsGroup_);
    windowRowCombo_->setAccessibleName(QStringLiteral("Воздухопроницаемость задана как"));
    comboLabel->setBuddy(windowRowCombo_);
    for (const auto &variant : kWindowPermeabilityRows)
        windowRowCombo_->addItem(Q(variant.ComboText));
    grid->addWidget(comboLabel, row, 0);
    grid->addWidget(windowRowCombo_, row, 1, 1, 3);
    windowCaption1_ = new QLabel(windowsGroup_);
    windowCaption1_->setObjectName(QStringLiteral("LabWinPenetration1"));
    windowCaption2_ = new QLabel(windowsGroup_);
    windowCaption2_->setObjectName(QStringLiteral("LabWinPenetration2"));
    grid->addWidget(windowCaption1_, row + 1, 0, 1, 4);
    grid->addWidget(windowCaption2_, row + 2, 0, 1, 4);
    row += 3;
    windowSymbol_ = new QLabel(windowsGroup_);
    windowSymbol_->setObjectName(QStringLiteral("LabWinPenetration"));
    windowSymbol_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *edit = controls_.Create<QLineEdit>(ctl::EditWinPenetration, windowsGroup_);
    edit->setFixedWidth(kEditWidth);
    WatchNumberText(edit, RuleOf(InflowField(ctl::EditWinPenetration)));
    windowSymbol_->setBuddy(edit);
    windowUnit_ = new QLabel(windowsGroup_);
    windowUnit_->setObjectName(QStringLiteral("LabWinPenetrationU"));
    grid->addWidget(windowSymbol_, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(windowUnit_, row, 2);
    grid->addWidget(NewTipButton(QStringLiteral("sbTipWinAirPenetration"), windowsGroup_), row, 3);
    connect(windowRowCombo_, &QComboBox::currentIndexChanged, this,
            &SupplyWindow::ShowWindowPermeabilityRow);
}

QFrame *SupplyWindow::NewCategory(int tag, const QString &name, const QString &caption,
                                  QVBoxLayout *&contents) {
    auto *total = new QFrame;
    total->setObjectName(name);
    auto *layout = new QVBoxLayout(total);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(2);

    auto *header = new QFrame(total);
    header->setObjectName(name + QStringLiteral("Hdr"));
    header->setFixedHeight(kHeaderHeight);
    header->setAutoFillBackground(true);
    QPalette palette = header->palette();
    palette.setColor(QPalette::Window, QColor(0xdd, 0xe4, 0xee));
    header->setPalette(palette);
    header->setCursor(Qt::PointingHandCursor);
    header->setFocusPolicy(Qt::TabFocus);
    header->setAccessibleName(caption);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(4, 0, 4, 0);
    const QString base = QStringLiteral("Lab") + name.mid(3); // PanLift1 -> LabLift1
    auto *chevron = new QLabel(QStringLiteral("▼"), header);
    chevron->setObjectName(base + QStringLiteral("Chevron"));
    auto *label = new QLabel(caption, header);
    label->setObjectName(base + QStringLiteral("Caption"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    headerLayout->addWidget(chevron);
    headerLayout->addWidget(label, 1);
    layout->addWidget(header);
    for (QWidget *w : {static_cast<QWidget *>(header), static_cast<QWidget *>(chevron),
                       static_cast<QWidget *>(label)}) {
        w->setProperty("Tag", tag);
        w->installEventFilter(this);
    }

    auto *body = new QWidget(total);
    body->setObjectName(name + QStringLiteral("Body"));
    body->setProperty("Caption", caption);
    contents = new QVBoxLayout(body);
    contents->setContentsMargins(0, 0, 0, 0);
    contents->setSpacing(4);
    layout->addWidget(body);

    CategoryPanel category;
    category.Tag = tag;
    category.Frame = total;
    category.Chevron = chevron;
    category.Contents = body;
    categories_.push_back(category);
    return total;
}

QWidget *SupplyWindow::BuildLiftPanel() {
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanLift"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *title = new QLabel(QStringLiteral("Лифтовая шахта"), panel);
    title->setObjectName(QStringLiteral("PanHdnLift"));
    title->hide();
    QVBoxLayout *c = nullptr;

    layout->addWidget(NewCategory(31, QStringLiteral("PanLift1"), QStringLiteral("Условия"), c));
    QGroupBox *terms = NewGroup(c, QStringLiteral("gbLiftTerms"), QString());
    {
        QGridLayout *grid = GridOf(terms);
        auto *note = new QLabel(QStringLiteral("Подача воздуха в надземную часть шахты"), terms);
        note->setObjectName(QStringLiteral("LabLiftTerms"));
        grid->addWidget(note, 0, 0, 1, 3);
        grid->addWidget(NewTipButton(QStringLiteral("sbTipLiftTerms"), terms), 0, 3);
    }
    AddRadioGroup(
        terms,
        {{ctl::rbLiftJoinWall, QStringLiteral("Надземная часть ЛШ примыкает к наружной стене")},
         {ctl::rbLiftNotJoinWall, QStringLiteral("ЛШ центрального ядра надземной части")}});
    AddRadioGroup(
        terms,
        {{ctl::rbLiftHall1, QStringLiteral("Выгороженный лифтовой холл на 1-м этаже")},
         {ctl::rbLiftHall1Not, QStringLiteral("Без выгороженного лифтового холла на 1-м этаже")}});
    AddRadioGroup(
        terms,
        {{ctl::rbLiftHallAbove, QStringLiteral("Выгороженные лифтовые холлы на надземных этажах")},
         {ctl::rbLiftHallAboveNot, QStringLiteral("Без лифтовых холлов на надземных этажах")}});
    AddRadioGroup(terms, {{ctl::rbLiftHallBelowNot,
                           QStringLiteral("Без лифтовых холлов на подземных этажах")},
                          {ctl::rbLiftHallBelow,
                           QStringLiteral("Выгороженные лифтовые холлы на подземных этажах")}});
    QGroupBox *method =
        NewGroup(c, QStringLiteral("gbLiftMethod"), QStringLiteral(" Метод расчёта "));
    auto *methods = AddRadioGroup(
        method,
        {{ctl::rbLiftMethodOpening, QStringLiteral("По расходу в открытом проёме")},
         {ctl::rbLiftMethodSlot, QStringLiteral("По расходу в щели между кабиной и шахтой")},
         {ctl::rbLiftMethodClosed, QStringLiteral("Закрытые двери ЛШ на всех этажах")}});
    connect(methods, &QButtonGroup::buttonToggled, this, [this] { UpdateLiftMethodRows(); });

    layout->addWidget(
        NewCategory(32, QStringLiteral("PanLift2"), QStringLiteral("Параметры воздуха"), c));
    QGroupBox *air = NewGroup(c, QStringLiteral("gbLiftAir"), QString());
    AddEdit(air, ctl::EditLiftOutsideAirTemp);
    AddEdit(air, ctl::EditLiftInsideAirTemp);
    AddEdit(air, ctl::EditLiftWindSpeed);
    QGroupBox *wind = NewGroup(c, QStringLiteral("gbLiftWindPress"),
                               QStringLiteral(" Коэффициенты ветрового напора "));
    AddEdit(wind, ctl::EditLiftKoefWW);
    AddEdit(wind, ctl::EditLiftKoefW0);

    layout->addWidget(
        NewCategory(33, QStringLiteral("PanLift3"), QStringLiteral("Характеристики здания"), c));
    QGroupBox *build = NewGroup(c, QStringLiteral("gbLiftOGBuild"), QString());
    AddEdit(build, ctl::EditLiftOGFloorQty);
    AddEdit(build, ctl::EditLiftUGFloorQty);
    AddEdit(build, ctl::EditLiftSecondFloorLevel);
    AddEdit(build, ctl::EditLiftOGFloorHeight);
    AddEdit(build, ctl::EditLiftUGFloorHeight);
    AddEdit(build, ctl::EditLiftLevelStart, QStringLiteral("sbTipLiftLevels"));
    AddEdit(build, ctl::EditLiftLevelFinish);
    // the exit-floor labels keep the names the window gives them
    controls_.RowLabel(ctl::EditLiftLevelStart)->setObjectName(QStringLiteral("LabLiftLevels1"));
    controls_.RowLabel(ctl::EditLiftLevelFinish)->setObjectName(QStringLiteral("LabLiftLevels2"));

    layout->addWidget(
        NewCategory(34, QStringLiteral("PanLift4"), QStringLiteral("Лифтовая шахта"), c));
    QGroupBox *shaft = NewGroup(c, QStringLiteral("gbLiftShaft"), QString());
    AddEdit(shaft, ctl::EditLiftShaftDoorArea);
    AddEdit(shaft, ctl::EditLiftHallDoorArea);
    AddEdit(shaft, ctl::EditLiftShaftDoorHeight);
    AddEdit(shaft, ctl::EditLiftCageQty);
    AddEdit(shaft, ctl::EditLiftHallDoorQty);
    AddEdit(shaft, ctl::EditLiftHallDoorKoefXid, QStringLiteral("sbTipLiftHallDoorXid"));
    AddEdit(shaft, ctl::EditLiftCageArea);
    AddEdit(shaft, ctl::EditLiftShaftArea);
    AddEdit(shaft, ctl::EditLiftCageKoefXil, QStringLiteral("sbTipLiftCageXil"));
    AddEdit(shaft, ctl::EditLiftMuGap);
    AddEdit(shaft, ctl::EditLiftShaftDoorSpecResist);
    AddEdit(shaft, ctl::EditLiftHallDoorSpecResist);
    AddLiftGapRows(shaft);

    layout->addWidget(NewCategory(35, QStringLiteral("PanLift5"),
                                  QStringLiteral("Система приточной противодымной вентиляции"), c));
    QGroupBox *fan = NewGroup(c, QStringLiteral("gbLiftFanSelect"), QString());
    AddEdit(fan, ctl::EditLiftPplus);
    AddEdit(fan, ctl::EditLiftH0s);
    auto *shape = AddRadioGroup(
        fan, {{ctl::rbLiftRectAPipe, QStringLiteral("Воздуховоды прямоугольного сечения")},
              {ctl::rbLiftRoundAPipe, QStringLiteral("Воздуховоды круглого сечения")}});
    connect(shape, &QButtonGroup::buttonToggled, this, [this] { UpdateDuctSizeRows(); });
    AddEdit(fan, ctl::EditLiftSizeA);
    AddEdit(fan, ctl::EditLiftSizeB);
    AddEdit(fan, ctl::EditLiftAPipeLen);
    AddEdit(fan, ctl::EditLiftAPipeEpsilon);
    AddEdit(fan, ctl::EditLiftAPipeXi);
    return panel;
}

// The three gap openings the gap method reads: an area, and μ or ξ+1; each row is enabled as one.
void SupplyWindow::AddLiftGapRows(QGroupBox *shaft) {
    QGridLayout *grid = GridOf(shaft);
    int row = grid->rowCount();
    auto *gapTitle = new QLabel(QStringLiteral("Проёмы для расчёта по щели:"), shaft);
    gapTitle->setObjectName(QStringLiteral("LabLiftGaps"));
    grid->addWidget(gapTitle, row, 0, 1, 3);
    grid->addWidget(NewTipButton(QStringLiteral("sbTipLiftGapLoss"), shaft), row, 3);
    ++row;
    const QString captions[3] = {QStringLiteral("Щель в открытом проёме ЛШ"),
                                 QStringLiteral("Вентиляционные решётки в кабине"),
                                 QStringLiteral("Прочее")};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        const auto &controls = ctl::kLiftGapControls[i];
        auto *caption = new QLabel(captions[i], shaft);
        caption->setObjectName(QStringLiteral("LabLiftGap") + n);
        grid->addWidget(caption, row++, 0, 1, 4);
        auto *areaLabel = new QLabel(QStringLiteral("    площадь F%1:").arg(n), shaft);
        areaLabel->setObjectName(QStringLiteral("LabLiftFmu") + n);
        auto *area = controls_.Create<QLineEdit>(controls.area, shaft);
        area->setFixedWidth(kEditWidth);
        area->setAccessibleName(captions[i] + QStringLiteral(": площадь"));
        areaLabel->setBuddy(area);
        auto *areaUnit = new QLabel(QStringLiteral("м²"), shaft);
        areaUnit->setObjectName(QStringLiteral("LabLiftFmu") + n + QStringLiteral("U"));
        grid->addWidget(areaLabel, row, 0);
        grid->addWidget(area, row, 1);
        grid->addWidget(areaUnit, row, 2);
        ++row;
        auto *unit = controls_.Create<QComboBox>(controls.unit, shaft);
        unit->addItem(QStringLiteral("μ"));
        unit->addItem(QStringLiteral("ξ+1"));
        unit->setAccessibleName(captions[i] + QStringLiteral(": величина"));
        auto *value = controls_.Create<QLineEdit>(controls.value, shaft);
        value->setFixedWidth(kEditWidth);
        value->setAccessibleName(captions[i] + QStringLiteral(": значение"));
        auto *unitRow = new QHBoxLayout;
        unitRow->addStretch(1);
        unitRow->addWidget(unit);
        grid->addLayout(unitRow, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
        // the opening's row is filed under its area: the caption, the area, μ or ξ+1 and the value
        controls_.SetRowLabel(controls.area, areaLabel);
        controls_.SetRowUnit(controls.area, areaUnit);
        for (QWidget *part : {static_cast<QWidget *>(caption), static_cast<QWidget *>(unit),
                              static_cast<QWidget *>(value)})
            controls_.AddToRow(controls.area, part);
    }
}

QWidget *SupplyWindow::BuildTambourPanel() {
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("PanTambour"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *title = new QLabel(QStringLiteral("Тамбур-шлюзы"), panel);
    title->setObjectName(QStringLiteral("PanHdnTambour"));
    title->hide();
    QVBoxLayout *c = nullptr;

    layout->addWidget(NewCategory(41, QStringLiteral("PanTmbr1"), QStringLiteral("Условия"), c));
    QGroupBox *terms = NewGroup(c, QStringLiteral("gbTmbrTerm1"), QString());
    auto *variants = AddRadioGroup(
        terms, {{ctl::rbTmbrVar1, QStringLiteral("Открытая дверь, приток без подогрева")},
                {ctl::rbTmbrVar2, QStringLiteral("Закрытые двери, приток без подогрева")},
                {ctl::rbTmbrVar3, QStringLiteral("Закрытые двери, приток с подогревом")}});
    Q_UNUSED(variants);

    layout->addWidget(
        NewCategory(42, QStringLiteral("PanTmbr2"), QStringLiteral("Параметры воздуха"), c));
    QGroupBox *air = NewGroup(c, QStringLiteral("gbTmbrAir"), QString());
    AddEdit(air, ctl::EditTmbrOutsideAirTemp);
    AddEdit(air, ctl::EditTmbrInsideAirTemp);
    AddEdit(air, ctl::EditTmbrHeatAirTemp);
    AddEdit(air, ctl::EditTmbrWindSpeed);
    QGroupBox *wind = NewGroup(c, QStringLiteral("gbTmbrWindPress"),
                               QStringLiteral(" Коэффициенты ветрового напора "));
    AddEdit(wind, ctl::EditTmbrKoefWW);
    AddEdit(wind, ctl::EditTmbrKoefW0);

    layout->addWidget(
        NewCategory(43, QStringLiteral("PanTmbr3"), QStringLiteral("Характеристики здания"), c));
    QGroupBox *build = NewGroup(c, QStringLiteral("gbTmbrBuild"), QString());
    AddEdit(build, ctl::EditTmbrOGFloorQty);
    AddEdit(build, ctl::EditTmbrUGFloorQty);
    AddEdit(build, ctl::EditTmbrSecondFloorLevel);
    AddEdit(build, ctl::EditTmbrOGFloorHeight);
    AddEdit(build, ctl::EditTmbrUGFloorHeight);

    layout->addWidget(
        NewCategory(44, QStringLiteral("PanTmbr4"), QStringLiteral("Защищаемое помещение"), c));
    QGroupBox *room = NewGroup(c, QStringLiteral("gbTmbrSafeRoom"), QString());
    AddEdit(room, ctl::EditTmbrDoorQty);
    AddEdit(room, ctl::EditTmbrDoorArea);
    AddEdit(room, ctl::EditTmbrDoorHeight);
    AddEdit(room, ctl::EditTmbrDoorMu);
    AddEdit(room, ctl::EditTmbrDoorAirSpeed);
    AddEdit(room, ctl::EditTmbrDoorSpecResist);
    AddEdit(room, ctl::EditTmbrPplus);
    AddEdit(room, ctl::EditTmbrShaftDoorArea);
    AddEdit(room, ctl::EditTmbrShaftDoorSpecResist);

    layout->addWidget(NewCategory(45, QStringLiteral("PanTmbr5"),
                                  QStringLiteral("Приточное устройство с клапаном"), c));
    QGroupBox *valve = NewGroup(c, QStringLiteral("gbTmbrValve"),
                                QStringLiteral(" Клапан с приточным устройством "));
    AddEdit(valve, ctl::EditTmbrValveArea);
    AddEdit(valve, ctl::EditTmbrValveXi);
    AddEdit(valve, ctl::EditTmbrValveSpecResist);
    AddEdit(valve, ctl::EditTmbrValve1H);
    QGroupBox *channel =
        NewGroup(c, QStringLiteral("gbTmbrVPipe"), QStringLiteral(" Вертикальный канал "));
    auto *shape =
        AddRadioGroup(channel, {{ctl::rbTmbrRectVPipe, QStringLiteral("Прямоугольного сечения")},
                                {ctl::rbTmbrRoundVPipe, QStringLiteral("Круглого сечения")}});
    connect(shape, &QButtonGroup::buttonToggled, this, [this] { UpdateDuctSizeRows(); });
    AddEdit(channel, ctl::EditTmbrSizeA);
    AddEdit(channel, ctl::EditTmbrSizeB);
    AddEdit(channel, ctl::EditTmbrVPipeEpsilon);
    AddEdit(channel, ctl::EditTmbrVPipeProof);
    AddEdit(channel, ctl::EditTmbrVPipeHTop);
    QGroupBox *fan = NewGroup(c, QStringLiteral("gbTmbrFanSelect"),
                              QStringLiteral(" Воздуховод от ВПУ до оголовка канала "));
    AddEdit(fan, ctl::EditTmbrH0);
    AddEdit(fan, ctl::EditTmbrAPipeLen);
    AddEdit(fan, ctl::EditTmbrAPipeDiam);
    AddEdit(fan, ctl::EditTmbrAPipeXi);
    return panel;
}

// ---------------------------------------------------------------------------------------------
// Enabling rules and layout

QString SupplyWindow::EditText(ControlName name) const {
    const QLineEdit *edit = controls_.Edit(name);
    return edit ? edit->text() : QString();
}

bool SupplyWindow::IsChecked(ControlName radio) const {
    const QAbstractButton *button = controls_.Button(radio);
    return button && button->isChecked();
}

void SupplyWindow::ShowChosenVariant() {
    InflowInputs radios;
    for (ControlName name : ctl::kVariantRadios)
        radios.Check(name, IsChecked(name));
    variant_ = ChosenVariant(radios);
    const bool og = variant_ == SupplyVariant::aboveGroundStair;
    const bool ug = variant_ == SupplyVariant::undergroundStair;
    stairwellPanel_->setVisible(og || ug);
    aboveGroundPanel_->setVisible(og);
    undergroundBuildingGroup_->setVisible(ug);
    aboveGroundSupplyGroup_->setVisible(og);
    undergroundSupplyGroup_->setVisible(ug);
    liftPanel_->setVisible(variant_ == SupplyVariant::lift);
    tambourPanel_->setVisible(variant_ == SupplyVariant::tambour);
    UpdateWindRows();
    UpdateExitRows();
    if (variant_ == SupplyVariant::lift)
        UpdateLiftShaftRows();
}

void SupplyWindow::UpdateWindRows() {
    const bool joinWall = IsChecked(ctl::rbSWJoinWall);
    // the underground stairwell always takes the wind
    const bool ug = variant_ == SupplyVariant::undergroundStair;
    const bool wind = joinWall || ug;
    for (ControlName name : {ctl::EditWindSpeed, ctl::EditKoefWW, ctl::EditKoefW0})
        controls_.SetRowEnabled(name, wind);
    windowsGroup_->setVisible(variant_ == SupplyVariant::aboveGroundStair && joinWall);
}

void SupplyWindow::UpdateExitRows() {
    // the underground stairwell always has its outside exit, and reads these inputs
    const bool enabled =
        IsChecked(ctl::rbSWWithExit) || variant_ == SupplyVariant::undergroundStair;
    for (ControlName name :
         {ctl::EditOutsideDoorArea, ctl::EditOutsideDoorHeight, ctl::EditOutDoorSeriesQty,
          ctl::EditOutsideDoorKoefXid, ctl::EditOutsideTambourKoefXir})
        controls_.SetRowEnabled(name, enabled);
}

void SupplyWindow::UpdateStairwellCountRow() {
    const bool viaTambour = IsChecked(ctl::rbExitsToSWViaTambour);
    QLineEdit *edit = controls_.Edit(ctl::EditOGStairWellQty);
    if (!edit || edit->isEnabled() == !viaTambour)
        return;
    controls_.SetRowEnabled(ctl::EditOGStairWellQty, !viaTambour);
    if (viaTambour) {
        // the count is kept aside, not lost, while floor exits go through tambours
        edit->setProperty("KeptText", edit->text());
        edit->clear();
    } else if (edit->text().isEmpty()) {
        const QVariant kept = edit->property("KeptText");
        edit->setText(kept.isValid() && !kept.toString().isEmpty()
                          ? kept.toString()
                          : QString::number(*InflowField(ctl::EditOGStairWellQty).start));
    }
}

void SupplyWindow::UpdateLiftMethodRows() {
    const bool slot = IsChecked(ctl::rbLiftMethodSlot);
    for (const auto &gap : ctl::kLiftGapControls)
        controls_.SetRowEnabled(gap.area, slot);
    UpdateLiftShaftRows();
}

void SupplyWindow::UpdateLiftShaftRows() {
    // the shaft as the last load or run found the floor counts: a shaft fed at the top (all but
    // one with a single storey above ground and floors below it, LiftShaft) has exits and an air
    // intake level of its own
    const bool top = liftFloors_.Below == 0 || liftFloors_.Above >= 2;
    const bool opening = !IsChecked(ctl::rbLiftMethodSlot) && !IsChecked(ctl::rbLiftMethodClosed);
    controls_.SetRowEnabled(ctl::EditLiftCageKoefXil, opening);
    controls_.SetRowEnabled(ctl::EditLiftLevelStart, top);
    controls_.SetRowEnabled(ctl::EditLiftLevelFinish, top);
    controls_.SetRowEnabled(ctl::EditLiftH0s, top);
}

void SupplyWindow::ShowWindowPermeabilityRow() {
    int index = windowRowCombo_->currentIndex();
    if (index < 0 || index >= static_cast<int>(kWindowPermeabilityRows.size()))
        index = 0;
    const WindowPermeabilityRow &row = kWindowPermeabilityRows[static_cast<size_t>(index)];
    windowCaption1_->setText(Q(row.Caption1));
    windowCaption2_->setText(Q(row.Caption2));
    windowSymbol_->setText(Q(row.Symbol) + QStringLiteral(":"));
    windowUnit_->setText(Q(row.Unit));
    if (QLineEdit *edit = controls_.Edit(ctl::EditWinPenetration))
        edit->setAccessibleName(Q(row.Caption1) + QLatin1Char(' ') + Q(row.Caption2));
}

void SupplyWindow::UpdateDuctSizeRows() {
    controls_.SetRowEnabled(ctl::EditOGSizeB, IsChecked(ctl::rbOGRectAPipe));
    controls_.SetRowEnabled(ctl::EditLiftSizeB, IsChecked(ctl::rbLiftRectAPipe));
    controls_.SetRowEnabled(ctl::EditTmbrSizeB, IsChecked(ctl::rbTmbrRectVPipe));
}

void SupplyWindow::UpdateAllRows() {
    ShowChosenVariant();
    UpdateStairwellCountRow();
    UpdateLiftMethodRows();
    ShowWindowPermeabilityRow();
    UpdateDuctSizeRows();
}

int SupplyWindow::CategoryIndexOfTag(int tag) const {
    if (tag <= 0)
        return -1;
    for (size_t i = 0; i < categories_.size(); ++i)
        if (categories_[i].Tag == tag)
            return static_cast<int>(i);
    return -1;
}

void SupplyWindow::RevealControl(const std::string &control) {
    QWidget *widget = controls_.Named(control);
    if (!widget)
        return;
    // a message about an input of a collapsed category opens that category first
    for (auto &category : categories_) {
        if (category.Collapsed && category.Contents->isAncestorOf(widget))
            ToggleCategory(category.Chevron);
    }
}

void SupplyWindow::ToggleCategory(QObject *sender) {
    const int tag = sender ? sender->property("Tag").toInt() : 0;
    const int index = CategoryIndexOfTag(tag);
    if (index < 0)
        return;
    CategoryPanel &c = categories_[static_cast<size_t>(index)];
    c.Collapsed = !c.Collapsed;
    // the height the layout gave the expanded panel is the one it comes back to
    if (c.Collapsed && c.Frame->isVisible() && c.Frame->height() > c.CollapsedHeight)
        c.ExpandedHeight = c.Frame->height();
    c.Contents->setVisible(!c.Collapsed);
    if (c.Collapsed) {
        c.Frame->setFixedHeight(c.CollapsedHeight);
    } else {
        c.Frame->setMinimumHeight(0);
        c.Frame->setMaximumHeight(QWIDGETSIZE_MAX);
    }
    c.Chevron->setText(c.Collapsed ? QStringLiteral("►") : QStringLiteral("▼"));
    c.Frame->updateGeometry();
}

bool SupplyWindow::eventFilter(QObject *watched, QEvent *event) {
    const int tag = watched->property("Tag").toInt();
    const int index = CategoryIndexOfTag(tag);
    if (index >= 0) {
        QLabel *chevron = categories_[static_cast<size_t>(index)].Chevron;
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            ToggleCategory(watched);
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                ToggleCategory(watched);
                return true;
            }
            break;
        }
        case QEvent::Enter:
        case QEvent::Leave: {
            QPalette palette = chevron->palette();
            palette.setColor(QPalette::WindowText,
                             event->type() == QEvent::Enter ? kChevronHot : QColor(Qt::black));
            chevron->setPalette(palette);
            break;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void SupplyWindow::ShowTip(QAbstractButton *button) {
    frame_.ShowTip(button, InflowTipText(button->objectName()));
}

void SupplyWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (firstShow_) {
        firstShow_ = false;
        ShowChosenVariant();
    }
}

void SupplyWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        frame_.HideTipOnActivation();
}

// ---------------------------------------------------------------------------------------------
// Inputs, the run and the report

InflowInputs SupplyWindow::InputsFromControls() const {
    InflowInputs in;
    for (const FieldSpec &f : kInflowFields) {
        if (f.kind == FieldKind::choice) {
            if (const QComboBox *combo = controls_.Combo(f.control))
                in.SetComboIndex(f.control, combo->currentIndex());
        } else if (const QLineEdit *edit = controls_.Edit(f.control)) {
            in.SetText(f.control, edit->text().toStdString());
        }
    }
    for (RadioGroup group : ctl::kRadioGroups)
        for (ControlName name : group)
            if (const QAbstractButton *radio = controls_.Button(name))
                in.Check(name, radio->isChecked());
    return in;
}

void SupplyWindow::ShowEdits(const InflowInputs &in) {
    for (const FieldSpec &f : kInflowFields) {
        QLineEdit *edit = f.kind == FieldKind::choice ? nullptr : controls_.Edit(f.control);
        const QString value = QString::fromStdString(in.Text(f.control));
        if (edit && edit->text() != value)
            edit->setText(value);
    }
}

void SupplyWindow::ControlsFromInputs(const InflowInputs &in) {
    ShowEdits(in);
    for (RadioGroup group : ctl::kRadioGroups)
        for (ControlName name : group)
            if (QAbstractButton *radio = controls_.Button(name); radio && in.IsChecked(name))
                radio->setChecked(true);
    for (const FieldSpec &f : kInflowFields) {
        QComboBox *combo = f.kind == FieldKind::choice ? controls_.Combo(f.control) : nullptr;
        const int index = in.ComboIndex(f.control);
        if (combo)
            combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
    }
    UpdateAllRows();
}

RunOutcome SupplyWindow::Calculate() {
    InflowInputs in = InputsFromControls();
    return frame_.Calculate(
        calc_, in, kInflowFields, [&in] { return FindInvalidInput(in); },
        [this, &in] {
            // input steps may correct an input (P⁺ raised to 20): the edits show what was used
            ShowEdits(in);
            if (calc_.Variant == SupplyVariant::lift)
                liftFloors_ = {calc_.Lift().Inputs().AboveFloorCount,
                               calc_.Lift().Inputs().BelowFloorCount};
            UpdateLiftShaftRows();
            ShowReport();
            charts_->Show(calc_.Report.Charts);
        });
}

void SupplyWindow::ShowReport() {
    outputPanel_->ShowReport(calc_.Report);
    outputPanel_->SetDutyPoint(calc_.FanVolumeFlow, calc_.FanPressure);
}

// ---------------------------------------------------------------------------------------------
// Project files and other commands

bool SupplyWindow::HasUnsavedChanges() const {
    return frame_.HasUnsavedChanges();
}

bool SupplyWindow::OpenProjectFile(const QString &path) {
    return frame_.Document()->Load(path);
}

bool SupplyWindow::SaveProjectFile(const QString &chosenPath) {
    return frame_.Document()->SaveTo(chosenPath);
}

void SupplyWindow::OpenProject() {
    frame_.Document()->Open();
}

void SupplyWindow::SaveProject() {
    frame_.Document()->Save();
}

void SupplyWindow::StartNewCalculation() {
    frame_.StartNewCalculation();
}

void SupplyWindow::closeEvent(QCloseEvent *event) {
    frame_.Document()->CloseWindow(event);
}

} // namespace orvane::inflow
