#include "exhaust/ui/form_smk_out_vent_calc.h"

#include "catalogs/ui/fire_load_select_dialog.h"
#include "catalogs/ui/fire_load_density_select_dialog.h"
#include "charts/ui/charts_tab.h"
#include "core/number_text.h"
#include "exhaust/exhaust_project.h"
#include "exhaust/network_ops.h"
#include "exhaust/ui/exhaust_tips.h"
#include "exhaust/ui/form_shaft_segment.h"
#include "exhaust/ui/segment_pictures.h"
#include "exhaust/ui/shown_numbers.h"
#include "report/ui/report_output_panel.h"
#include "shell/about_box.h"
#include "shell/command_guard.h"
#include "shell/desktop_actions.h"
#include "shell/form_controls.h"
#include "shell/own_icons.h"
#include "shell/page_wheel.h"
#include "shell/popup_tip.h"
#include "shell/project_document.h"
#include "shell/result_warnings.h"
#include "shell/save_folder_dialog.h"
#include "shell/settings.h"
#include "shell/stale_report.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvane::exhaust {

namespace {

constexpr int kPanelInWidth = 417;
constexpr int kItemHeight = 48;

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

std::string S(const QString &s) {
    return s.toStdString();
}

// One list item: the segment's number, its picture and its two lines of sizes.
class SegmentDelegate : public QStyledItemDelegate {
public:
    explicit SegmentDelegate(TFormSmkOutVentCalc *window)
        : QStyledItemDelegate(window), window_(window) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override {
        return {option.rect.width() > 0 ? option.rect.width() : 300, kItemHeight};
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        const NetworkSegments &segments = window_->Segments();
        const int n = static_cast<int>(segments.size());
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        p->save();
        p->fillRect(r, option.palette.color(QPalette::Base));
        const int a = SegmentOfItem(index.row(), n);
        if (IsSegmentIndex(a, n)) {
            const NetworkSegment &y = segments[static_cast<size_t>(a)];
            const bool withShaft = window_->WithShaft();
            p->setPen(option.palette.color(QPalette::Text));
            p->setFont(option.font);
            const QFontMetrics fm(option.font);
            if (withShaft)
                p->drawText(QRect(r.left() + 4, r.top(), 20, r.height()),
                            Qt::AlignLeft | Qt::AlignVCenter, QString::number(a + 1));
            const int picture = SegmentPictureIndex(a, n, withShaft, selected);
            p->drawPixmap(r.left() + 24, r.top(), SegmentPictures().at(picture));
            int y0 = r.top() + 2;
            const int lineHeight = fm.height();
            const auto line = [&](const QString &text) {
                p->drawText(QRect(r.left() + 128, y0, r.width() - 130, lineHeight),
                            Qt::AlignLeft | Qt::AlignTop, text);
                y0 += lineHeight;
            };
            if (selected) {
                QFont bold = option.font;
                bold.setBold(true);
                p->setFont(bold);
            }
            line(Q(y.StoreyName));
            p->setFont(option.font);
            if (y.Aww > 0 && y.Bww > 0 && y.Lww > 0)
                line(QStringLiteral("Гор.:  ") + ShownFixed62(y.Aww) + QStringLiteral(" x ") +
                     ShownFixed62(y.Bww) + QStringLiteral(" x ") + ShownFixed62(y.Lww) +
                     QStringLiteral(" м,  ") + Q(y.HorMaterial));
            if (withShaft && y.Ash > 0 && y.Bsh > 0 && y.Lsh > 0)
                line(QStringLiteral("Вер.:  ") + ShownFixed62(y.Ash) + QStringLiteral(" x ") +
                     ShownFixed62(y.Bsh) + QStringLiteral(" x ") + ShownFixed62(y.Lsh) +
                     QStringLiteral(" м,  ") + Q(y.Material));
        }
        p->setPen(QColor(192, 192, 192));
        p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        if (option.state & QStyle::State_HasFocus) {
            p->setPen(QPen(option.palette.color(QPalette::Highlight), 1, Qt::DotLine));
            p->drawRect(r.adjusted(0, 0, -1, -1));
        }
        p->restore();
    }

private:
    TFormSmkOutVentCalc *window_;
};

// The sentence a screen reader says for a segment of the list.
QString SegmentAccessibleText(const NetworkSegments &segments, int a, bool withShaft) {
    const int n = static_cast<int>(segments.size());
    if (!IsSegmentIndex(a, n))
        return {};
    const NetworkSegment &y = segments[static_cast<size_t>(a)];
    QString text = QStringLiteral("Участок %1").arg(a + 1);
    if (!y.StoreyName.empty())
        text += QStringLiteral(" - ") + Q(y.StoreyName);
    if (y.Aww > 0 && y.Bww > 0 && y.Lww > 0)
        text += QStringLiteral("; горизонтальный: ") + ShownFixed62(y.Aww) + QStringLiteral(" x ") +
                ShownFixed62(y.Bww) + QStringLiteral(" x ") + ShownFixed62(y.Lww) +
                QStringLiteral(" м");
    if (withShaft && y.Ash > 0 && y.Bsh > 0 && y.Lsh > 0)
        text += QStringLiteral("; вертикальный: ") + ShownFixed62(y.Ash) + QStringLiteral(" x ") +
                ShownFixed62(y.Bsh) + QStringLiteral(" x ") + ShownFixed62(y.Lsh) +
                QStringLiteral(" м");
    return text;
}

} // namespace

TFormSmkOutVentCalc::TFormSmkOutVentCalc(const ShellWindows &shell, QWidget *parent,
                                         const QString &programFolder)
    : QMainWindow(parent), shell_(shell), boxNotifier_(this), notifier_(&boxNotifier_),
      calc_(&boxNotifier_) {
    setObjectName(QStringLiteral("FormSmkOutVentCalc"));

    dataFolder_ = shell_.settings ? shell_.settings->PathData() : QString();
    if (!dataFolder_.isEmpty()) {
        const std::string folder = S(dataFolder_);
        fireLoads_.load(FireLoadCatalog::FilePath(folder));
        densities_.load(FireLoadDensityCatalog::FilePath(folder));
    } else {
        fireLoads_.Items = BuiltInFireLoads();
        densities_.Items = BuiltInFireLoadDensities();
    }
    fireLoads_.CurrentIndex = DefaultFireLoadNumber - 1;
    densities_.CurrentIndex = DefaultFireLoadDensityNumber - 1;

    BuildDocument();
    BuildMenu();
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("PanelMain"));
    auto *mainLayout = new QHBoxLayout(central);
    mainLayout->setContentsMargins(4, 4, 4, 4);

    // input panel: the page and the control bar under it
    PanelIn = new QWidget(central);
    PanelIn->setObjectName(QStringLiteral("PanelIn"));
    auto *inLayout = new QVBoxLayout(PanelIn);
    inLayout->setContentsMargins(0, 0, 0, 0);
    ScrollBoxStart = new QScrollArea(PanelIn);
    ScrollBoxStart->setObjectName(QStringLiteral("ScrollBoxStart"));
    ScrollBoxStart->setWidgetResizable(true);
    ScrollBoxStart->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBoxStart->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PageStart = BuildInputPage();
    ScrollBoxStart->setWidget(PageStart);
    PassWheelToPageAtEnd(sgDoorSizes, ScrollBoxStart);
    PassWheelToPageAtEnd(ListBoxYchastki, ScrollBoxStart);
    inLayout->addWidget(ScrollBoxStart, 1);
    PanelIn->setFixedWidth(kPanelInWidth + ScrollBoxStart->verticalScrollBar()->sizeHint().width() +
                           2 * ScrollBoxStart->frameWidth());

    auto *bar = new QWidget(PanelIn);
    bar->setObjectName(QStringLiteral("PanelControlBar"));
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(0, 2, 0, 0);
    bbHidePanIn = new QPushButton(QStringLiteral("Свернуть"), bar);
    bbHidePanIn->setObjectName(QStringLiteral("bbHidePanIn"));
    bbHidePanIn->setToolTip(QStringLiteral("Скрыть исходные данные"));
    ActionGoNext = new QAction(QStringLiteral("Расчет"), this);
    ActionGoNext->setObjectName(QStringLiteral("ActionGoNext"));
    ActionGoNext->setShortcut(QKeySequence(Qt::Key_F9));
    addAction(ActionGoNext);
    bbGoNext = new QPushButton(QStringLiteral("Расчет"), bar);
    bbGoNext->setObjectName(QStringLiteral("bbGoNext"));
    bbGoNext->setToolTip(QStringLiteral("Выполнить расчет (F9)"));
    QFont bold = bbGoNext->font();
    bold.setBold(true);
    bbGoNext->setFont(bold);
    cbDetailed = controls_.Create<QCheckBox>(ctl::cbDetailed, QStringLiteral("Подробно"), bar);
    cbDetailed->setChecked(true);
    barLayout->addWidget(bbHidePanIn);
    barLayout->addStretch(1);
    barLayout->addWidget(cbDetailed);
    barLayout->addWidget(bbGoNext);
    inLayout->addWidget(bar);
    mainLayout->addWidget(PanelIn);

    // output panel: the report, then "Развернуть", "Сохранить", "Вентилятор", a new calculation
    PanelOut = new ReportOutputPanel(central, programFolder);
    PanelOut->setObjectName(QStringLiteral("PanelOut"));
    PanelOut->SetFanKind(QStringLiteral("Smk"));
    bbShowPanIn = new QPushButton(QStringLiteral("Развернуть"), PanelOut);
    bbShowPanIn->setObjectName(QStringLiteral("bbShowPanIn"));
    bbShowPanIn->setToolTip(QStringLiteral("Показать исходные данные"));
    bbShowPanIn->hide();
    bbNewCalc = new QToolButton(PanelOut);
    bbNewCalc->setObjectName(QStringLiteral("bbNewCalc"));
    bbNewCalc->setIcon(StandardIcon(QStyle::SP_FileIcon, this));
    bbNewCalc->setToolTip(QStringLiteral("Открыть новый расчет"));
    bbNewCalc->setAccessibleName(QStringLiteral("Открыть новый расчет"));
    bool placed = false;
    if (auto *v = qobject_cast<QBoxLayout *>(PanelOut->layout())) {
        for (int i = 0; i < v->count() && !placed; ++i) {
            if (auto *h = qobject_cast<QBoxLayout *>(v->itemAt(i)->layout())) {
                h->insertWidget(0, bbShowPanIn);
                h->addWidget(bbNewCalc);
                placed = true;
            }
        }
        if (!placed) {
            auto *h = new QHBoxLayout;
            h->addWidget(bbShowPanIn);
            h->addStretch(1);
            h->addWidget(bbNewCalc);
            v->addLayout(h);
        }
    }
    PanelOut->SetFileNameSource([this] {
        const auto *project = controls_.Edit(ctl::EditProjectName);
        const auto *system = controls_.Edit(ctl::EditSystemName);
        return std::pair(project ? project->text() : QString(),
                         system ? system->text() : QString());
    });
    if (shell_.settings)
        PanelOut->SetSaveFolder(shell_.settings->PathSave());
    // the stale report's banner stands above the viewer
    stale_ = new StaleReportMark(
        PanelOut, [this] { return !PanelOut->AppForFan().isEmpty(); },
        [this] { PanelOut->SaveReportToFile(); });
    mainLayout->addLayout(stale_->BannerAndPanel(), 1);
    charts_ = new ChartsTab(PanelOut, stale_);
    setCentralWidget(central);

    connect(bbHidePanIn, &QPushButton::clicked, this, &TFormSmkOutVentCalc::bbHidePanInClick);
    connect(bbShowPanIn, &QPushButton::clicked, this, &TFormSmkOutVentCalc::bbShowPanInClick);
    connect(bbGoNext, &QPushButton::clicked, ActionGoNext, &QAction::trigger);
    connect(ActionGoNext, &QAction::triggered, this,
            Guarded(this, &TFormSmkOutVentCalc::ActionGoNextExecute));
    connect(bbNewCalc, &QToolButton::clicked, this, &TFormSmkOutVentCalc::ActionNewCalcExecute);

    StartState();
    MarkSaved();
    document_->OpenDroppedProjects();
    WatchInputChanges(PanelIn, [this] { document_->RefreshSoon(); });
    document_->Refresh();
    // the window opens on its first input field, not on whatever the tab order reaches
    if (auto *first = controls_.Edit(ctl::EditProjectName))
        first->setFocus();

    if (shell_.popupTip)
        shell_.popupTip->CloseWhenActivated(this);
    resize(1200, 760);
    setWindowState(Qt::WindowMaximized);
}

TFormSmkOutVentCalc::~TFormSmkOutVentCalc() = default;

void TFormSmkOutVentCalc::SetNotifier(Notifier *notifier) {
    notifier_ = notifier ? notifier : &boxNotifier_;
    calc_ = ExhaustCalc(notifier_);
    editorNotifier_ = notifier;
    if (FormShaftSegment)
        FormShaftSegment->SetNotifier(notifier);
}

// the start state: defaults, the default network, the corridor variant, an empty report
void TFormSmkOutVentCalc::StartState() {
    ControlsFromInputs(ExhaustInputs::Defaults());
    YchastkiTemp = Ychastki;
    calc_ = ExhaustCalc(notifier_);
    calc_.Report.BeginReport(kExhaustReportTitle);
    ShowReport();
    charts_->Show({});
    ranSnapshot_.clear();
    ScrollBoxStart->verticalScrollBar()->setValue(0);
}

void TFormSmkOutVentCalc::BuildDocument() {
    ProjectKind kind;
    kind.module = ProjectModule::exhaust;
    kind.extension = QStringLiteral("smkprj");
    kind.filter = QStringLiteral("Проект расчета дымоудаления (*.smkprj)");
    kind.openTitle = QStringLiteral("Открытие файла проекта расчета дымоудаления");
    kind.saveTitle = QStringLiteral("Сохранение файла проекта расчета дымоудаления");
    kind.caption = QStringLiteral("Орвейн - Расчёт системы вытяжной противодымной вентиляции");
    kind.otherProject = QStringLiteral("Это проект подпора воздуха; он открыт в новом окне.");
    kind.readKind = "расчета дымоудаления";
    ProjectDocument::Hooks hooks;
    hooks.modified = [this] { return HasUnsavedChanges(); };
    SetFileHooks(hooks, *this, [this](const ExhaustInputs &) {
        ScrollBoxStart->verticalScrollBar()->setValue(0);
    });
    hooks.markSaved = [this] { MarkSaved(); };
    hooks.reset = [this] { StartState(); };
    hooks.suggestedName = [this] { return Q(DefaultProjectName(InputsFromControls())); };
    hooks.message = [this](bool error, const std::string &text) {
        if (error)
            QMessageBox::critical(this, MessageTitle(), MessageText(text));
        else
            QMessageBox::warning(this, MessageTitle(), MessageText(text));
    };
    hooks.refreshed = [this] {
        stale_->SetStale(!ranSnapshot_.empty() && ProjectSnapshot() != ranSnapshot_);
    };
    document_ = new ProjectDocument(this, shell_, kind, hooks);
}

void TFormSmkOutVentCalc::BuildMenu() {
    const ModuleMenu menu = AddModuleMenu(*this, *document_);
    connect(menu.newCalc, &QAction::triggered, this, &TFormSmkOutVentCalc::ActionNewCalcExecute);
    connect(menu.pathSave, &QAction::triggered, this, &TFormSmkOutVentCalc::ActionPathSaveExecute);
    connect(menu.help, &QAction::triggered, this, &TFormSmkOutVentCalc::NHelpClick);
    connect(menu.about, &QAction::triggered, this, &TFormSmkOutVentCalc::NAboutClick);
}

QGroupBox *TFormSmkOutVentCalc::NewGroup(const QString &name, const QString &title) {
    auto *group = new QGroupBox(title, PageStart);
    group->setObjectName(name);
    return group;
}

QToolButton *TFormSmkOutVentCalc::NewTipButton(const QString &name, const QString &topic) {
    QToolButton *button = CreateTipButton(name, PageStart);
    button->setAccessibleName(QStringLiteral("Подсказка: ") + topic);
    QFont f = button->font();
    f.setBold(true);
    button->setFont(f);
    button->setStyleSheet(QStringLiteral("QToolButton:enabled { color: #1a4fa0; }"));
    connect(button, &QToolButton::clicked, this, [this, button] { ShowTip(button); });
    return button;
}

FieldRow TFormSmkOutVentCalc::AddEditRow(QGridLayout *grid, int row, ControlName name,
                                         const QString &tip) {
    const FieldRow r = AddFieldRow(grid, row, ExhaustField(name), grid->parentWidget(), controls_);
    if (!tip.isEmpty())
        grid->addWidget(NewTipButton(tip, r.edit->accessibleName()), row, 3, Qt::AlignVCenter);
    return r;
}

namespace {

QGridLayout *NewGrid(QWidget *parent) {
    auto *grid = new QGridLayout(parent);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 34);
    grid->setColumnMinimumWidth(3, 20);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->setContentsMargins(6, 4, 4, 4);
    return grid;
}

QLabel *ContinuationLabel(const QString &name, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setCursor(Qt::PointingHandCursor);
    label->setContentsMargins(22, 0, 0, 0);
    return label;
}

} // namespace

QWidget *TFormSmkOutVentCalc::BuildInputPage() {
    PageStart = new QWidget;
    PageStart->setObjectName(QStringLiteral("PageStart"));
    auto *page = new QVBoxLayout(PageStart);
    page->setContentsMargins(2, 2, 2, 2);
    page->setSpacing(4);

    // project
    {
        QGroupBox *g = NewGroup(QStringLiteral("gbProject"), QStringLiteral(" Проект "));
        auto *grid = new QGridLayout(g);
        grid->setContentsMargins(6, 4, 4, 4);
        const ProjectRows rows =
            AddProjectRows(grid, 0, 3, controls_, ctl::EditProjectName, ctl::EditSystemName,
                           NewTipButton(QStringLiteral("sbTipProject"), QStringLiteral("проект")));
        connect(rows.open, &QToolButton::clicked, this,
                Guarded(this, &TFormSmkOutVentCalc::ActionOpenFileExecute));
        connect(rows.save, &QToolButton::clicked, this,
                Guarded(this, &TFormSmkOutVentCalc::ActionSaveFileExecute));
        page->addWidget(g);
    }

    // variant
    {
        QGroupBox *g = NewGroup(QStringLiteral("gbCalcVariant"),
                                QStringLiteral(" Вариант вытяжной противодымной вентиляции "));
        auto *grid = new QGridLayout(g);
        grid->setContentsMargins(6, 4, 4, 4);
        grid->setVerticalSpacing(0);
        grid->setColumnStretch(0, 1);
        const struct {
            ControlName radio;
            QString caption;
            const char *label;
            QString continuation;
            const char *tip;
        } variants[] = {
            {ctl::rbCalcCorridor,
             QStringLiteral("из вестибюлей, холлов, коридоров, торговых моллов,"),
             "LabCalcCorridor", QStringLiteral("атриумов и т.п., смежных с горящим помещением"),
             "sbTipCalcCorridor"},
            {ctl::rbCalcRoom, QStringLiteral("из зальных помещений различного назначения и"),
             "LabCalcRoom1", QStringLiteral("атриумов"), "sbTipCalcRoom"},
            {ctl::rbCalcGallery, QStringLiteral("из залов атриумов, при пожаре непосредственно"),
             "LabCalcGallery", QStringLiteral("под галереей на уровне основания атриума"),
             "sbTipCalcGallery"},
            {ctl::rbCalcParking, QStringLiteral("из закрытых надземных и подземных автостоянок"),
             nullptr, QString(), "sbTipCalcParking"},
        };
        int row = 0;
        for (const auto &v : variants) {
            auto *rb = controls_.Create<QRadioButton>(v.radio, v.caption, g);
            rb->setAccessibleName(v.continuation.isEmpty()
                                      ? v.caption
                                      : v.caption + QLatin1Char(' ') + v.continuation);
            grid->addWidget(rb, row, 0);
            grid->addWidget(NewTipButton(QString::fromLatin1(v.tip), rb->accessibleName()), row, 1);
            // toggled, not clicked: a variant checked by the keyboard, a program or the
            // accessibility interface switches the panels too
            connect(rb, &QRadioButton::toggled, this, [this](bool checked) {
                if (checked)
                    rbCalcVariantClick();
            });
            ++row;
            if (v.label) {
                QLabel *label = ContinuationLabel(QString::fromLatin1(v.label), v.continuation, g);
                label->installEventFilter(this);
                grid->addWidget(label, row++, 0);
            }
            grid->setRowMinimumHeight(row, 4);
            ++row;
        }
        // the reserve variant keeps its place in the radio order but is never offered
        auto *reserve = controls_.Create<QRadioButton>(ctl::rbCalcReserve, QString(), g);
        reserve->setEnabled(false);
        reserve->hide();
        page->addWidget(g);
    }

    // building: type, location, sprinklers
    {
        QGroupBox *g = NewGroup(QStringLiteral("gbBuilding"), QStringLiteral(" Здание "));
        auto *grid = new QGridLayout(g);
        grid->setContentsMargins(6, 4, 4, 4);
        grid->setColumnStretch(3, 1);
        const auto radioRow = [&](int row, const QString &caption,
                                  std::initializer_list<std::pair<ControlName, QString>> radios,
                                  const char *tip) {
            auto *label = new QLabel(caption, g);
            grid->addWidget(label, row, 0);
            auto *box = new QWidget(g);
            box->setObjectName(QStringLiteral("Pan") + QString::fromLatin1(tip).mid(5));
            auto *h = new QHBoxLayout(box);
            h->setContentsMargins(0, 0, 0, 0);
            for (const auto &[name, text] : radios) {
                auto *rb = controls_.Create<QRadioButton>(name, text, box);
                rb->setAccessibleName(AccessibleCaption(caption) + QStringLiteral(": ") + text);
                h->addWidget(rb);
            }
            h->addStretch(1);
            grid->addWidget(box, row, 1, 1, 3);
            grid->addWidget(NewTipButton(QString::fromLatin1(tip), AccessibleCaption(caption)), row,
                            4);
        };
        radioRow(0, QStringLiteral("Тип здания:"),
                 {{ctl::rbLivingBuilding, QStringLiteral("Жилое")},
                  {ctl::rbPublicBuilding, QStringLiteral("Общественное")}},
                 "sbTipBuilding");
        radioRow(1, QStringLiteral("Местонахождение:"),
                 {{ctl::rbInTownBuilding, QStringLiteral("В городе")},
                  {ctl::rbOutTownBuilding, QStringLiteral("За городом")}},
                 "sbTipLocation");
        page->addWidget(g);
    }

    // room sizes
    {
        QGroupBox *g =
            NewGroup(QStringLiteral("gbRoomSizes"), QStringLiteral(" Размеры помещения "));
        auto *v = new QVBoxLayout(g);
        v->setContentsMargins(6, 4, 4, 4);
        auto *top = new QHBoxLayout;
        cbRoomSizeVariant = controls_.Create<QComboBox>(ctl::cbRoomSizeVariant, g);
        cbRoomSizeVariant->addItem(QStringLiteral("Длина + Ширина + Высота"));
        cbRoomSizeVariant->addItem(QStringLiteral("Площадь пола + Ширина + Высота"));
        cbRoomSizeVariant->setAccessibleName(QStringLiteral("Вариант ввода размеров помещения"));
        top->addWidget(cbRoomSizeVariant, 1);
        top->addWidget(
            NewTipButton(QStringLiteral("sbTipRoomSizes"), QStringLiteral("размеры помещения")));
        v->addLayout(top);
        PanRoomABH = new QWidget(g);
        PanRoomABH->setObjectName(QStringLiteral("PanRoomABH"));
        QGridLayout *a = NewGrid(PanRoomABH);
        a->setContentsMargins(0, 0, 0, 0);
        AddEditRow(a, 0, ctl::EditRoomLength);
        AddEditRow(a, 1, ctl::EditRoomWidth);
        AddEditRow(a, 2, ctl::EditRoomHeight);
        PanRoomSBH = new QWidget(g);
        PanRoomSBH->setObjectName(QStringLiteral("PanRoomSBH"));
        QGridLayout *s = NewGrid(PanRoomSBH);
        s->setContentsMargins(0, 0, 0, 0);
        AddEditRow(s, 0, ctl::EditFloorAreaSH);
        AddEditRow(s, 1, ctl::EditRoomWidthSH);
        AddEditRow(s, 2, ctl::EditRoomHeightSH);
        PanRoomSBH->hide();
        v->addWidget(PanRoomABH);
        v->addWidget(PanRoomSBH);
        connect(cbRoomSizeVariant, &QComboBox::currentIndexChanged, this,
                &TFormSmkOutVentCalc::cbRoomSizeVariantChange);
        page->addWidget(g);
    }

    // smoke-free height
    {
        gbHeightNoSmoke = NewGroup(QStringLiteral("gbHeightNoSmoke"), QString());
        QGridLayout *grid = NewGrid(gbHeightNoSmoke);
        AddEditRow(grid, 0, ctl::EditNoSmokeHeight, QStringLiteral("sbTipNoSmokeH"));
        page->addWidget(gbHeightNoSmoke);
    }

    // door sizes
    {
        gbDoorSizes = NewGroup(QStringLiteral("gbDoorSizes"),
                               QStringLiteral(" Размеры проемов горящего помещения "));
        auto *h = new QHBoxLayout(gbDoorSizes);
        h->setContentsMargins(6, 4, 4, 4);
        sgDoorSizes = new QTableWidget(10, 2, gbDoorSizes);
        sgDoorSizes->setObjectName(CtlName(ctl::sgDoorSizes));
        sgDoorSizes->setAccessibleName(QStringLiteral("Размеры проемов"));
        sgDoorSizes->setHorizontalHeaderLabels(
            {QStringLiteral("Ширина Bi, м"), QStringLiteral("Высота Hi, м")});
        sgDoorSizes->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        sgDoorSizes->verticalHeader()->setDefaultSectionSize(20);
        sgDoorSizes->verticalHeader()->setMinimumWidth(24);
        sgDoorSizes->setFixedHeight(20 * 5 + sgDoorSizes->horizontalHeader()->sizeHint().height() +
                                    4);
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 2; ++c)
                sgDoorSizes->setItem(r, c, new QTableWidgetItem);
        // a size the corridor's calculation would refuse is marked as it is typed or opened
        connect(sgDoorSizes, &QTableWidget::itemChanged, this, [](QTableWidgetItem *item) {
            const NumberRule rule = RuleOf(DoorCellField(static_cast<size_t>(item->row()),
                                                         static_cast<size_t>(item->column())));
            const bool refused = !IsValidNumberText(rule, S(item->text()));
            const QString tip = refused ? Q(ExpectedTip(rule)) : QString();
            if (item->toolTip() == tip)
                return; // also ends the change the background makes
            item->setToolTip(tip);
            item->setBackground(refused ? QBrush(QColor(255, 205, 205)) : QBrush());
        });
        h->addWidget(sgDoorSizes, 1);
        h->addWidget(
            NewTipButton(QStringLiteral("sbTipDoorSizes"), QStringLiteral("размеры проемов")), 0,
            Qt::AlignTop);
        page->addWidget(gbDoorSizes);
    }

    // fire area, critical heat flux, sprinklers
    {
        QGroupBox *g = NewGroup(QStringLiteral("gbFireArea"), QString());
        QGridLayout *grid = NewGrid(g);
        auto *label = new QLabel(QStringLiteral("Система АУПТ:"), g);
        auto *box = new QWidget(g);
        box->setObjectName(QStringLiteral("PanAUPT"));
        auto *hb = new QHBoxLayout(box);
        hb->setContentsMargins(0, 0, 0, 0);
        for (const auto &[name, text] :
             {std::pair{ctl::rbAUPTNo, QStringLiteral("Нет")},
              std::pair{ctl::rbAUPTSprinkler3x3, QStringLiteral("Спринклеры 3x3 м")},
              std::pair{ctl::rbAUPTSprinkler4x4, QStringLiteral("Спринклеры 4x4 м")}}) {
            auto *rb = controls_.Create<QRadioButton>(name, text, box);
            rb->setAccessibleName(QStringLiteral("Система АУПТ: ") + text);
            rb->setEnabled(false);
            hb->addWidget(rb);
        }
        hb->addStretch(1);
        auto *boxRow = new QVBoxLayout;
        boxRow->addWidget(label);
        boxRow->addWidget(box);
        grid->addLayout(boxRow, 0, 0, 1, 3);
        QToolButton *tipAupt =
            NewTipButton(QStringLiteral("sbTipAUPT"), QStringLiteral("система АУПТ"));
        tipAupt->setEnabled(false);
        grid->addWidget(tipAupt, 0, 3, Qt::AlignTop);
        AddEditRow(grid, 1, ctl::EditFireArea, QStringLiteral("sbTipFireArea"));
        AddEditRow(grid, 2, ctl::EditQr, QStringLiteral("sbTipQr"));
        page->addWidget(g);
    }

    // fire power (car park)
    {
        gbFirePower = NewGroup(QStringLiteral("gbFirePower"), QString());
        QGridLayout *grid = NewGrid(gbFirePower);
        AddEditRow(grid, 0, ctl::EditFireHeatPower, QStringLiteral("sbTipFireHeatPower"));
        page->addWidget(gbFirePower);
    }

    // fire loads
    {
        gbFireLoads = NewGroup(QStringLiteral("gbFireLoads"), QStringLiteral(" Горючие вещества "));
        auto *v = new QVBoxLayout(gbFireLoads);
        v->setContentsMargins(6, 4, 4, 4);
        auto *head = new QHBoxLayout;
        auto *hint = new QLabel(QStringLiteral("Щелкните по панели, чтобы выбрать из справочника"),
                                gbFireLoads);
        hint->setObjectName(QStringLiteral("LabFireLoadsHint"));
        QFont small = hint->font();
        small.setItalic(true);
        hint->setFont(small);
        head->addWidget(hint, 1);
        head->addWidget(
            NewTipButton(QStringLiteral("sbTipFireLoad"), QStringLiteral("горючие вещества")));
        v->addLayout(head);
        const auto panel = [&](const QString &name, const QString &title, QLabel *&nameLabel,
                               QLabel *&valueLabel, const QString &tip) {
            auto *frame = new QFrame(gbFireLoads);
            frame->setObjectName(name);
            frame->setFrameShape(QFrame::StyledPanel);
            frame->setCursor(Qt::PointingHandCursor);
            frame->setFocusPolicy(Qt::StrongFocus);
            frame->setToolTip(QStringLiteral("Выбрать из справочника"));
            frame->setAccessibleName(title + QStringLiteral(" - выбрать из справочника"));
            frame->installEventFilter(this);
            auto *grid = new QGridLayout(frame);
            grid->setContentsMargins(4, 2, 2, 2);
            grid->setVerticalSpacing(1);
            auto *t = new QLabel(title, frame);
            t->setObjectName(name + QStringLiteral("Title"));
            QFont bold = t->font();
            bold.setBold(true);
            t->setFont(bold);
            nameLabel = new QLabel(frame);
            nameLabel->setWordWrap(true);
            valueLabel = new QLabel(frame);
            valueLabel->setWordWrap(true);
            grid->addWidget(t, 0, 0);
            grid->addWidget(NewTipButton(tip, title), 0, 1);
            grid->addWidget(nameLabel, 1, 0, 1, 2);
            grid->addWidget(valueLabel, 2, 0, 1, 2);
            grid->setColumnStretch(0, 1);
            v->addWidget(frame);
            return frame;
        };
        PanFLDensity =
            panel(CtlName(ctl::PanFLDensity), QStringLiteral("Удельная пожарная нагрузка"),
                  LabFLDensityName, LabFLDensityValue, QStringLiteral("sbTipFLDensity"));
        LabFLDensityName->setObjectName(QStringLiteral("LabFLDensityName"));
        LabFLDensityValue->setObjectName(QStringLiteral("LabFLDensityValue"));
        PanFireLoad = panel(CtlName(ctl::PanFireLoad), QStringLiteral("Пожарная нагрузка"),
                            LabFireLoadName, LabFireLoadValues, QStringLiteral("sbTipFL"));
        LabFireLoadName->setObjectName(QStringLiteral("LabFireLoadName"));
        LabFireLoadValues->setObjectName(QStringLiteral("LabFireLoadValues"));
        page->addWidget(gbFireLoads);
    }

    // room air temperature
    {
        QGroupBox *g = NewGroup(QStringLiteral("gbRoomAirTemp"), QString());
        QGridLayout *grid = NewGrid(g);
        AddEditRow(grid, 0, ctl::EditRoomAirTemp);
        page->addWidget(g);
    }

    // corridor
    {
        gbCorridorSize = NewGroup(QStringLiteral("gbCorridorSize"), QStringLiteral(" Коридор "));
        QGridLayout *grid = NewGrid(gbCorridorSize);
        AddEditRow(grid, 0, ctl::EditCorridorLength);
        AddEditRow(grid, 1, ctl::EditCorridorArea);
        AddEditRow(grid, 2, ctl::EditCrdrDoorArea, QStringLiteral("sbTipCrdrDoor"));
        AddEditRow(grid, 3, ctl::EditCrdrDoorHeight);
        QLineEdit *height =
            AddEditRow(grid, 4, ctl::EditCorridorHeight, QStringLiteral("sbTipCrdrHeight")).edit;
        AddEditRow(grid, 5, ctl::EditCrdrNoSmokeHeight, QStringLiteral("sbTipCrdrNoSmkH"));
        LabCrdrNoSmkRange = new QLabel(gbCorridorSize);
        LabCrdrNoSmkRange->setObjectName(QStringLiteral("LabCrdrNoSmkRange"));
        grid->addWidget(LabCrdrNoSmkRange, 6, 0, 1, 3, Qt::AlignRight);
        AddEditRow(grid, 7, ctl::EditFirstFloorLevel);
        connect(height, &QLineEdit::textChanged, this,
                &TFormSmkOutVentCalc::EditCorridorHeightChange);
        page->addWidget(gbCorridorSize);
    }

    // fireplace (room, under gallery)
    {
        gbFireplace =
            NewGroup(QStringLiteral("gbFireplace"), QStringLiteral(" Очаг пожара и дымовой слой "));
        QGridLayout *grid = NewGrid(gbFireplace);
        AddEditRow(grid, 0, ctl::EditRoomMaxSmkPerim);
        AddEditRow(grid, 1, ctl::EditBurningFullness, QStringLiteral("sbTipBurningFullness"));
        AddEditRow(grid, 2, ctl::EditHeatRadiation);
        PanGallery = new QWidget(gbFireplace);
        PanGallery->setObjectName(QStringLiteral("PanGallery"));
        QGridLayout *gg = NewGrid(PanGallery);
        gg->setContentsMargins(0, 0, 0, 0);
        AddEditRow(gg, 0, ctl::EditInitSmkWidth);
        AddEditRow(gg, 1, ctl::EditGlrTopSmkBot);
        AddEditRow(gg, 2, ctl::EditGalleryTopHeight);
        grid->addWidget(PanGallery, 3, 0, 1, 4);
        page->addWidget(gbFireplace);
    }

    // parking fireplace
    {
        gbParkingFireplace = NewGroup(QStringLiteral("gbParkingFireplace"),
                                      QStringLiteral(" Дымовой слой автостоянки "));
        QGridLayout *grid = NewGrid(gbParkingFireplace);
        AddEditRow(grid, 0, ctl::EditParkMaxSmkPerim);
        AddEditRow(grid, 1, ctl::EditSmokeEquArea);
        AddEditRow(grid, 2, ctl::EditParkHRadiation);
        auto *s = new QPushButton(QStringLiteral("S"), gbParkingFireplace);
        s->setObjectName(QStringLiteral("sbParkingSmoke"));
        s->setToolTip(QStringLiteral("Задать в соответствии с размерами помещения"));
        s->setAccessibleName(QStringLiteral("Задать в соответствии с размерами помещения"));
        s->setFixedSize(24, 22);
        grid->addWidget(s, 0, 3, Qt::AlignTop);
        connect(s, &QPushButton::clicked, this, &TFormSmkOutVentCalc::sbParkingSmokeClick);
        page->addWidget(gbParkingFireplace);
    }

    // outside air
    {
        QGroupBox *g = NewGroup(QStringLiteral("gbOutside"), QStringLiteral(" Наружный воздух "));
        QGridLayout *grid = NewGrid(g);
        AddEditRow(grid, 0, ctl::EditOutsideAirTemp);
        AddEditRow(grid, 1, ctl::EditOutAirTempComp);
        AddEditRow(grid, 2, ctl::EditWindSpeed);
        page->addWidget(g);
    }

    // network
    {
        QGroupBox *g = NewGroup(QStringLiteral("gbShaft"), QString());
        auto *v = new QVBoxLayout(g);
        v->setContentsMargins(6, 4, 4, 4);
        auto *head = new QHBoxLayout;
        auto *title =
            new QLabel(QStringLiteral("Параметры сети вытяжной противодымной вентиляции"), g);
        title->setObjectName(QStringLiteral("LabShaftHdr"));
        title->setWordWrap(true);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        head->addWidget(title, 1);
        head->addWidget(NewTipButton(QStringLiteral("sbTipShaftHdr"),
                                     QStringLiteral("две системы из одного коридора")));
        v->addLayout(head);
        auto *shaftRow = new QHBoxLayout;
        cbShaft = controls_.Create<QCheckBox>(ctl::cbShaft,
                                              QStringLiteral("Шахта (вертикальный коллектор)"), g);
        shaftRow->addWidget(cbShaft);
        shaftRow->addWidget(NewTipButton(QStringLiteral("sbTipShaft"), QStringLiteral("шахта")));
        shaftRow->addStretch(1);
        v->addLayout(shaftRow);
        ListBoxYchastki = new QListWidget(g);
        ListBoxYchastki->setObjectName(CtlName(ctl::ListBoxYchastki));
        ListBoxYchastki->setAccessibleName(QStringLiteral("Участки сети"));
        ListBoxYchastki->setItemDelegate(new SegmentDelegate(this));
        ListBoxYchastki->setUniformItemSizes(true);
        ListBoxYchastki->setMinimumHeight(kItemHeight * 4 + 4);
        ListBoxYchastki->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->addWidget(ListBoxYchastki);
        auto *buttons = new QHBoxLayout;
        bAdd = new QToolButton(g);
        bAdd->setObjectName(QStringLiteral("bAdd"));
        bAdd->setText(QStringLiteral("+"));
        bAdd->setToolTip(QStringLiteral("Добавить этаж"));
        bAdd->setAccessibleName(QStringLiteral("Добавить этаж"));
        bEdit = new QPushButton(QStringLiteral("Изменить"), g);
        bEdit->setObjectName(QStringLiteral("bEdit"));
        bEdit->setToolTip(QStringLiteral("Изменить этаж"));
        bEditGroup = new QPushButton(QStringLiteral("Группа"), g);
        bEditGroup->setObjectName(QStringLiteral("bEditGroup"));
        bEditGroup->setToolTip(QStringLiteral("Изменить группу этажей"));
        bRemove = new QToolButton(g);
        bRemove->setObjectName(QStringLiteral("bRemove"));
        bRemove->setText(QStringLiteral("−"));
        bRemove->setToolTip(QStringLiteral("Удалить этаж"));
        bRemove->setAccessibleName(QStringLiteral("Удалить этаж"));
        for (QToolButton *tb : {bAdd, bRemove}) {
            tb->setFixedSize(28, 24);
            QFont f = tb->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.3);
            tb->setFont(f);
        }
        buttons->addWidget(bAdd);
        buttons->addWidget(bEdit);
        buttons->addWidget(bEditGroup);
        buttons->addWidget(bRemove);
        buttons->addStretch(1);
        v->addLayout(buttons);
        connect(bAdd, &QToolButton::clicked, this, &TFormSmkOutVentCalc::bAddClick);
        connect(bEdit, &QPushButton::clicked, this, &TFormSmkOutVentCalc::bEditClick);
        connect(bEditGroup, &QPushButton::clicked, this, &TFormSmkOutVentCalc::bEditGroupClick);
        connect(bRemove, &QToolButton::clicked, this, &TFormSmkOutVentCalc::bRemoveClick);
        connect(cbShaft, &QCheckBox::clicked, this, &TFormSmkOutVentCalc::cbShaftClick);
        connect(ListBoxYchastki, &QListWidget::currentRowChanged, this,
                [this] { UpdateSegmentButtons(); });
        connect(ListBoxYchastki, &QListWidget::itemDoubleClicked, this, [this] { bEditClick(); });
        page->addWidget(g);
    }

    // end segment and the exhaust device
    {
        QGroupBox *g =
            NewGroup(QStringLiteral("gbEndSegment"), QStringLiteral(" Конечный участок "));
        QGridLayout *grid = NewGrid(g);
        auto *exhaust = controls_.Create<QRadioButton>(
            ctl::rbEndExhaust,
            QStringLiteral("Вентилятор с воздуховодами и выбросное устройство (Pv)"), g);
        auto *roof = controls_.Create<QRadioButton>(
            ctl::rbEndRoofFan, QStringLiteral("Крышный/настенный вентилятор (Psv)"), g);
        // the long caption wraps inside the narrow panel
        exhaust->setText(QStringLiteral("Вентилятор с воздуховодами и выбросное\nустройство (Pv)"));
        exhaust->setAccessibleName(
            QStringLiteral("Вентилятор с воздуховодами и выбросное устройство (Pv)"));
        grid->addWidget(exhaust, 0, 0, 1, 3);
        grid->addWidget(
            NewTipButton(QStringLiteral("sbTipEndSegment"), QStringLiteral("конечный участок")), 0,
            3, Qt::AlignTop);
        grid->addWidget(roof, 1, 0, 1, 3);
        const FieldRow pd =
            AddEditRow(grid, 2, ctl::EditShaftConDuctResist, QStringLiteral("sbTipExhaust"));
        const FieldRow vf = AddEditRow(grid, 3, ctl::EditExhaustGasSpeed);
        for (const FieldRow &r : {pd, vf}) {
            exhaustFieldWidgets_ << r.edit << r.label;
            if (r.unit)
                exhaustFieldWidgets_ << r.unit;
        }
        connect(exhaust, &QRadioButton::toggled, this,
                [this](bool checked) { EnableExhaustFields(checked); });
        page->addWidget(g);
    }
    page->addStretch(1);
    return PageStart;
}

// ---------------------------------------------------------------------------------------------
// controls <-> inputs

ExhaustInputs TFormSmkOutVentCalc::InputsFromControls() const {
    ExhaustInputs in;
    for (const FieldSpec &f : kExhaustFields)
        if (const auto *edit = controls_.Edit(f.control))
            in.SetText(f.control, S(edit->text()));
    for (RadioGroup group : ctl::kRadioGroups)
        for (ControlName name : group)
            if (const auto *b = controls_.Button(name))
                in.Check(name, b->isChecked());
    in.Check(ctl::cbShaft, cbShaft->isChecked());
    in.Check(ctl::cbDetailed, cbDetailed->isChecked());
    in.SetComboIndex(ctl::cbRoomSizeVariant, cbRoomSizeVariant->currentIndex() == 1 ? 1 : 0);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 2; ++c) {
            const QTableWidgetItem *item = sgDoorSizes->item(r, c);
            in.DoorGrid[static_cast<size_t>(r)][static_cast<size_t>(c)] =
                item ? S(item->text()) : std::string();
        }
    in.FireLoadDensity = FireLoadDensity;
    in.FireLoad = FireLoad;
    in.Segments = Ychastki;
    return in;
}

void TFormSmkOutVentCalc::ControlsFromInputs(const ExhaustInputs &in) {
    for (const FieldSpec &f : kExhaustFields)
        if (auto *edit = controls_.Edit(f.control))
            edit->setText(Q(in.Text(f.control)));
    for (RadioGroup group : ctl::kRadioGroups)
        for (ControlName name : group)
            if (auto *b = controls_.Button(name); b && in.IsChecked(name))
                b->setChecked(true);
    {
        const QSignalBlocker block(cbShaft);
        cbShaft->setChecked(in.IsChecked(ctl::cbShaft));
    }
    CalcWithShaft = cbShaft->isChecked();
    if (in.Checks().count(ctl::cbDetailed.View()))
        cbDetailed->setChecked(in.IsChecked(ctl::cbDetailed));
    {
        const QSignalBlocker block(cbRoomSizeVariant);
        roomSizeIndex_ = in.areaForm() ? 1 : 0;
        cbRoomSizeVariant->setCurrentIndex(roomSizeIndex_);
        PanRoomABH->setVisible(roomSizeIndex_ == 0);
        PanRoomSBH->setVisible(roomSizeIndex_ == 1);
    }
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 2; ++c)
            sgDoorSizes->item(r, c)->setText(
                Q(in.DoorGrid[static_cast<size_t>(r)][static_cast<size_t>(c)]));
    FireLoadDensity = in.FireLoadDensity;
    FireLoad = in.FireLoad;
    Ychastki = in.Segments;
    SyncMiddleSegments(Ychastki);
    RefreshSegmentList(0);
    UpdateSegmentButtons();
    ShowFireLoadInfo();
    const bool fireArea = !in.Text(ctl::EditFireArea).empty();
    const QString fireAreaText = Q(in.Text(ctl::EditFireArea));
    rbCalcVariantClick();
    // a project of the room variants keeps its fire area (the layout clears it for the others)
    if (fireArea &&
        (variant_ == ExhaustVariant::room || variant_ == ExhaustVariant::underGallery))
        if (auto *edit = controls_.Edit(ctl::EditFireArea))
            edit->setText(fireAreaText);
    EnableExhaustFields(in.IsChecked(ctl::rbEndExhaust));
    EditCorridorHeightChange();
}

// ---------------------------------------------------------------------------------------------
// variant layout and small commands

void TFormSmkOutVentCalc::SetEnabledColoured(QLineEdit *edit, bool enabled) {
    edit->setEnabled(enabled);
    QPalette pal = QApplication::palette(edit);
    if (!enabled)
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    edit->setPalette(pal);
}

void TFormSmkOutVentCalc::rbCalcVariantClick() {
    variant_ = calc_.ReadVariant(InputsFromControls());
    const bool corridor = variant_ == ExhaustVariant::corridor;
    const bool room = variant_ == ExhaustVariant::room;
    const bool gallery = variant_ == ExhaustVariant::underGallery;
    const bool parking = variant_ == ExhaustVariant::parking;
    const auto enable = [this](const QString &name, bool enabled) {
        if (auto *w = PageStart->findChild<QWidget *>(name))
            w->setEnabled(enabled);
    };

    for (ControlName name : {ctl::rbLivingBuilding, ctl::rbPublicBuilding})
        if (auto *b = controls_.Button(name))
            b->setEnabled(corridor);
    for (ControlName name : ctl::kAUPTRadios)
        if (auto *b = controls_.Button(name))
            b->setEnabled(false);
    enable(QStringLiteral("sbTipAUPT"), false);

    const bool fire = room || gallery;
    for (ControlName name : {ctl::EditFireArea, ctl::EditQr})
        if (auto *edit = controls_.Edit(name))
            SetEnabledColoured(edit, fire);
    for (const char *name : {"LabFireArea", "LabQr", "LabFireAreaU", "LabQrU"})
        enable(QString::fromLatin1(name), fire);
    for (const char *name : {"sbTipFireArea", "sbTipQr"})
        if (auto *tip = PageStart->findChild<QWidget *>(QString::fromLatin1(name)))
            tip->setVisible(fire);
    // the other variants have no fire area: a value typed for a room does not stay behind
    if (auto *fireArea = controls_.Edit(ctl::EditFireArea); !fire && fireArea)
        fireArea->clear();
    gbDoorSizes->setVisible(corridor);
    gbHeightNoSmoke->setVisible(!corridor);
    gbFireLoads->setVisible(!parking);
    gbFirePower->setVisible(parking);
    gbCorridorSize->setVisible(corridor);
    gbFireplace->setVisible(fire);
    PanGallery->setVisible(gallery);
    gbParkingFireplace->setVisible(parking);

    PanFLDensity->setEnabled(corridor);
    if (auto *tip = PageStart->findChild<QWidget *>(QStringLiteral("sbTipShaftHdr")))
        tip->setVisible(corridor);
}

void TFormSmkOutVentCalc::cbRoomSizeVariantChange(int index) {
    if (index == roomSizeIndex_ || index < 0)
        return;
    const auto text = [this](ControlName name) {
        const auto *edit = controls_.Edit(name);
        return edit ? S(edit->text()) : std::string();
    };
    const auto set = [this](ControlName name, double value) {
        if (auto *edit = controls_.Edit(name))
            edit->setText(Q(EditNumberText(value)));
    };
    // the newly shown fields describe the same room as the fields just left
    if (index == 1) {
        const double a = ReadRealInput(text(ctl::EditRoomLength));
        const double b = ReadRealInput(text(ctl::EditRoomWidth));
        set(ctl::EditFloorAreaSH, a * b);
        set(ctl::EditRoomWidthSH, b);
        set(ctl::EditRoomHeightSH, ReadRealInput(text(ctl::EditRoomHeight)));
    } else {
        const double f = ReadRealInput(text(ctl::EditFloorAreaSH));
        const double b = ReadRealInput(text(ctl::EditRoomWidthSH));
        set(ctl::EditRoomLength, b != 0 ? f / b : 0);
        set(ctl::EditRoomWidth, b);
        set(ctl::EditRoomHeight, ReadRealInput(text(ctl::EditRoomHeightSH)));
    }
    roomSizeIndex_ = index;
    PanRoomABH->setVisible(index == 0);
    PanRoomSBH->setVisible(index == 1);
}

void TFormSmkOutVentCalc::EnableExhaustFields(bool enabled) {
    for (QWidget *w : exhaustFieldWidgets_) {
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            SetEnabledColoured(edit, enabled);
        else
            w->setEnabled(enabled);
    }
}

void TFormSmkOutVentCalc::EditCorridorHeightChange() {
    const auto *edit = controls_.Edit(ctl::EditCorridorHeight);
    const double height = edit ? ReadRealInput(S(edit->text())) : 0;
    LabCrdrNoSmkRange->setText(QStringLiteral("(от ") + ShownGeneral(0.4 * height) +
                               QStringLiteral(" до ") + ShownGeneral(0.5 * height) +
                               QStringLiteral(" м)"));
}

void TFormSmkOutVentCalc::ShowFireLoadInfo() {
    LabFLDensityName->setText(Q(FireLoadDensity.Name));
    LabFLDensityValue->setText(QStringLiteral("qп = ") + ShownGeneral(FireLoadDensity.FLDensity) +
                               QStringLiteral(" МДж/м²"));
    LabFireLoadName->setText(Q(FireLoad.Name));
    LabFireLoadValues->setText(QStringLiteral("Qнср = ") + ShownGeneral(FireLoad.BurnEnergy) +
                               QStringLiteral(" МДж/кг;  Uл = ") +
                               ShownGeneral(FireLoad.FireSpeed) + QStringLiteral(" м/с;\nψср = ") +
                               ShownGeneral(FireLoad.SBurnSpeed) + QStringLiteral(" кг/(м²·с)"));
    document_->RefreshSoon();
}

void TFormSmkOutVentCalc::SelectFireLoadDensity() {
    if (!PanFLDensity->isEnabled())
        return;
    if (auto chosen = FireLoadDensitySelectDialog::Select(this, densities_, dataFolder_)) {
        FireLoadDensity = *chosen;
        ShowFireLoadInfo();
    }
}

void TFormSmkOutVentCalc::SelectFireLoad() {
    if (auto chosen = FireLoadSelectDialog::Select(this, fireLoads_, dataFolder_)) {
        FireLoad = *chosen;
        ShowFireLoadInfo();
    }
}

void TFormSmkOutVentCalc::sbParkingSmokeClick() {
    ExhaustInputs in = InputsFromControls();
    ApplyParkingSmokeProposal(in);
    for (ControlName name :
         {ctl::EditParkMaxSmkPerim, ctl::EditSmokeEquArea, ctl::EditParkHRadiation})
        if (auto *edit = controls_.Edit(name))
            edit->setText(Q(in.Text(name)));
}

void TFormSmkOutVentCalc::ShowTip(QToolButton *button) {
    if (!shell_.popupTip || !button)
        return;
    shell_.popupTip->ShowBeside(button, ExhaustTipText(button->objectName()));
}

bool TFormSmkOutVentCalc::eventFilter(QObject *watched, QEvent *event) {
    const bool click = event->type() == QEvent::MouseButtonRelease;
    const bool key = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space ||
                      static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return ||
                      static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter);
    if (click || key) {
        const QString name = watched->objectName();
        QAbstractButton *rb = nullptr;
        if (name == QStringLiteral("LabCalcCorridor"))
            rb = controls_.Button(ctl::rbCalcCorridor);
        else if (name == QStringLiteral("LabCalcRoom1"))
            rb = controls_.Button(ctl::rbCalcRoom);
        else if (name == QStringLiteral("LabCalcGallery"))
            rb = controls_.Button(ctl::rbCalcGallery);
        if (rb && click) {
            rb->setFocus();
            rb->setChecked(true);
            rbCalcVariantClick();
            return true;
        }
        if (watched == PanFLDensity) {
            SelectFireLoadDensity();
            return true;
        }
        if (watched == PanFireLoad) {
            SelectFireLoad();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormSmkOutVentCalc::bbHidePanInClick() {
    PanelIn->hide();
    bbShowPanIn->show();
}

void TFormSmkOutVentCalc::bbShowPanInClick() {
    PanelIn->show();
    bbShowPanIn->hide();
}

QStringList TFormSmkOutVentCalc::NewCalcArguments() const {
    return NewInstanceArguments(shell_.bannerMode);
}

void TFormSmkOutVentCalc::ActionNewCalcExecute() {
    if (!StartNewInstance(shell_.bannerMode))
        QMessageBox::critical(this, MessageTitle(),
                              QStringLiteral("Не удалось запустить новый расчет."));
}

void TFormSmkOutVentCalc::ActionPathSaveExecute() {
    if (shell_.selectPathSave)
        shell_.selectPathSave->exec();
    if (shell_.settings)
        PanelOut->SetSaveFolder(shell_.settings->PathSave());
}

void TFormSmkOutVentCalc::NHelpClick() {
    QString variant;
    switch (variant_) {
    case ExhaustVariant::room:
        variant = QStringLiteral("room");
        break;
    case ExhaustVariant::underGallery:
        variant = QStringLiteral("gallery");
        break;
    case ExhaustVariant::parking:
        variant = QStringLiteral("parking");
        break;
    default:
        variant = QStringLiteral("corridor");
    }
    ShowManualForWindow(this, QStringLiteral("exhaust.html"), variant);
}

void TFormSmkOutVentCalc::NAboutClick() {
    ShowAbout(shell_.about.Get(), this);
}

// ---------------------------------------------------------------------------------------------
// the run

void TFormSmkOutVentCalc::ShowReport() {
    calc_.Report.BuildFullReport();
    PanelOut->ShowReport(calc_.Report);
    PanelOut->SetDutyPoint(calc_.FanVolumeFlow, calc_.FanPressure);
}

RunOutcome TFormSmkOutVentCalc::ActionGoNextExecute() {
    ExhaustInputs in = InputsFromControls();
    // a refused field stops "Расчет" before anything is computed: the report stays as it was
    if (RefuseInvalidFields(
            this, controls_, kExhaustFields, in, [&in] { return FindInvalidInput(in); },
            *notifier_))
        return RunOutcome::inputStopped;
    // every run starts from a model built afresh: no value of an earlier run can reach this one
    calc_ = ExhaustCalc(notifier_);
    variant_ = calc_.ReadVariant(in);
    // the report's footer names the project file it was calculated from
    calc_.Report.Page.projectFile = QFileInfo(document_->FilePath()).fileName().toStdString();
    const RunOutcome outcome = calc_.Run(in);
    PanelOut->ShowReport(calc_.Report);
    charts_->Show(calc_.Report.Charts);
    PanelOut->SetDutyPoint(calc_.FanVolumeFlow, calc_.FanPressure);
    ranSnapshot_ = ProjectSnapshot();
    document_->Refresh();
    ShowResultWarnings(*notifier_, calc_);
    return outcome;
}

// ---------------------------------------------------------------------------------------------
// the network list

int TFormSmkOutVentCalc::SelectedSegment() const {
    return SegmentOfItem(ListBoxYchastki->currentRow(), static_cast<int>(Ychastki.size()));
}

void TFormSmkOutVentCalc::RefreshSegmentList(int index) {
    const int n = static_cast<int>(Ychastki.size());
    const QSignalBlocker block(ListBoxYchastki);
    if (n == 0) {
        ListBoxYchastki->clear();
    } else {
        while (ListBoxYchastki->count() > n)
            delete ListBoxYchastki->takeItem(ListBoxYchastki->count() - 1);
        while (ListBoxYchastki->count() < n) {
            auto *item = new QListWidgetItem(QString::number(ListBoxYchastki->count()));
            item->setSizeHint(QSize(0, kItemHeight));
            ListBoxYchastki->addItem(item);
        }
        for (int i = 0; i < n; ++i)
            ListBoxYchastki->item(i)->setData(
                Qt::AccessibleTextRole,
                SegmentAccessibleText(Ychastki, SegmentOfItem(i, n), CalcWithShaft));
        ListBoxYchastki->setCurrentRow(IsSegmentIndex(index, n) ? ItemOfSegment(index, n) : 0);
    }
    ListBoxYchastki->viewport()->update();
    document_->RefreshSoon();
}

void TFormSmkOutVentCalc::UpdateSegmentButtons() {
    const SegmentButtons b = exhaust::UpdateSegmentButtons(static_cast<int>(Ychastki.size()),
                                                           SelectedSegment(), CalcWithShaft);
    bAdd->setEnabled(b.Add);
    bEdit->setEnabled(b.Edit);
    bEditGroup->setEnabled(b.Group);
    bRemove->setEnabled(b.Remove);
}

TFormShaftSegment *TFormSmkOutVentCalc::SegmentEditor() {
    if (!FormShaftSegment) {
        FormShaftSegment = new TFormShaftSegment(this);
        FormShaftSegment->SetNotifier(editorNotifier_);
    }
    return FormShaftSegment;
}

bool TFormSmkOutVentCalc::RunSegmentEditor() {
    return SegmentEditor()->exec() == QDialog::Accepted;
}

void TFormSmkOutVentCalc::bAddClick() {
    const int n = static_cast<int>(Ychastki.size());
    if (!CalcWithShaft && n > 0)
        return;
    const int p = AddInsertionIndex(n, SelectedSegment());
    if (p < 0)
        return;
    SegmentEditor()->State = EditorForAdd(Ychastki, CalcWithShaft);
    if (!RunSegmentEditor())
        return;
    const int select = AddSegments(Ychastki, p, FormShaftSegment->State, notifier_);
    if (select < 0)
        return;
    RefreshSegmentList(select);
    UpdateSegmentButtons();
}

void TFormSmkOutVentCalc::bEditClick() {
    const int n = static_cast<int>(Ychastki.size());
    const int a = SelectedSegment();
    if (!IsSegmentIndex(a, n))
        return;
    SegmentEditor()->State = EditorForEditOne(Ychastki, a, CalcWithShaft);
    if (!RunSegmentEditor())
        return;
    ApplyEditOne(Ychastki, a, FormShaftSegment->State);
    RefreshSegmentList(a);
}

void TFormSmkOutVentCalc::bEditGroupClick() {
    const int n = static_cast<int>(Ychastki.size());
    const int a = SelectedSegment();
    if (!CalcWithShaft || !IsSegmentIndex(a, n))
        return;
    SegmentEditor()->State = EditorForEditGroup(Ychastki, a, CalcWithShaft);
    if (!RunSegmentEditor())
        return;
    RefreshSegmentList(ApplyEditGroup(Ychastki, FormShaftSegment->State));
}

void TFormSmkOutVentCalc::bRemoveClick() {
    const int a = SelectedSegment();
    if (!CalcWithShaft || !RemoveSegment(Ychastki, a, notifier_))
        return;
    RefreshSegmentList(a);
    UpdateSegmentButtons();
}

void TFormSmkOutVentCalc::cbShaftClick() {
    if (!SwitchShaft(Ychastki, YchastkiTemp, CalcWithShaft, cbShaft->isChecked()))
        return;
    RefreshSegmentList(0);
    UpdateSegmentButtons();
}

// ---------------------------------------------------------------------------------------------
// project files

std::string TFormSmkOutVentCalc::ProjectSnapshot() const {
    std::string bytes;
    if (!ProjectBytes(InputsFromControls(), "", bytes).ok)
        return {};
    return bytes;
}

bool TFormSmkOutVentCalc::HasUnsavedChanges() const {
    const std::string now = ProjectSnapshot();
    // inputs that cannot be written count as changed: they have never been saved
    return now.empty() || now != savedSnapshot_;
}

void TFormSmkOutVentCalc::MarkSaved() {
    savedSnapshot_ = ProjectSnapshot();
}

void TFormSmkOutVentCalc::ActionSaveFileExecute() {
    document_->Save();
}

bool TFormSmkOutVentCalc::SaveProjectFile(const QString &fileName) {
    return document_->SaveTo(fileName);
}

void TFormSmkOutVentCalc::ActionOpenFileExecute() {
    document_->Open();
}

bool TFormSmkOutVentCalc::OpenProjectFile(const QString &fileName) {
    return document_->Load(fileName);
}

void TFormSmkOutVentCalc::closeEvent(QCloseEvent *event) {
    document_->CloseWindow(event);
}

} // namespace orvane::exhaust
