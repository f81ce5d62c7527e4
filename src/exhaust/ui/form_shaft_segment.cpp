#include "exhaust/ui/form_shaft_segment.h"

#include "catalogs/ui/resist_coef_tables_dialog.h"
#include "core/field_check.h"
#include "core/number_text.h"
#include "exhaust/exhaust_inputs.h"
#include "exhaust/ui/shown_numbers.h"
#include "shell/form_controls.h"
#include "shell/message_box_notifier.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane::exhaust {

namespace {

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

// A number for an edit field: never in exponent form, which the field would misread.
QString Field(double x) {
    return Q(EditNumberText(x));
}

QLabel *Caption(const QString &text, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    if (buddy) {
        label->setBuddy(buddy);
        QString name = text;
        while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' ')))
            name.chop(1);
        buddy->setAccessibleName(name);
    }
    return label;
}

QLineEdit *NumberEdit(const QString &name, QWidget *parent) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(72);
    return edit;
}

void SetFieldColour(QWidget *w, bool window) {
    // window colour while editable, the button face while not
    QPalette pal = QApplication::palette(w);
    if (!window)
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    w->setPalette(pal);
}

} // namespace

TFormShaftSegment::TFormShaftSegment(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormShaftSegment"));
    setWindowTitle(QStringLiteral("Параметры участка сети"));
    ownNotifier_ = std::make_unique<MessageBoxNotifier>(this);
    notifier_ = ownNotifier_.get();

    // head: the segment's name
    auto *head = new QWidget(this);
    head->setObjectName(QStringLiteral("PanelHead"));
    EditStoreyName = new QLineEdit(head);
    EditStoreyName->setObjectName(QStringLiteral("EditStoreyName"));
    EditStoreyName->setMaxLength(int(kMaxTextLength)); // what a project file holds
    auto *headLayout = new QHBoxLayout(head);
    headLayout->addWidget(Caption(QStringLiteral("Название участка:"), EditStoreyName, head));
    headLayout->addWidget(EditStoreyName, 1);

    // left: the valve or the storey choice
    auto *left = new QWidget(this);
    left->setObjectName(QStringLiteral("PanelLeft"));
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);

    PanelValve = new QWidget(left);
    PanelValve->setObjectName(QStringLiteral("PanelValve"));
    auto *valveLayout = new QVBoxLayout(PanelValve);
    valveLayout->setContentsMargins(0, 0, 0, 0);
    auto *valveTitle = new QLabel(QStringLiteral("Клапан"), PanelValve);
    QFont bold = valveTitle->font();
    bold.setBold(true);
    valveTitle->setFont(bold);
    valveLayout->addWidget(valveTitle);
    auto *gbFilter = new QGroupBox(QStringLiteral(" Список "), PanelValve);
    gbFilter->setObjectName(QStringLiteral("gbValveFilter"));
    rbValveAll = new QRadioButton(QStringLiteral("Все"), gbFilter);
    rbValveAll->setObjectName(QStringLiteral("rbValveAll"));
    rbValveByWidth = new QRadioButton(QStringLiteral("Ширина"), gbFilter);
    rbValveByWidth->setObjectName(QStringLiteral("rbValveByWidth"));
    rbValveByHeight = new QRadioButton(QStringLiteral("Высота"), gbFilter);
    rbValveByHeight->setObjectName(QStringLiteral("rbValveByHeight"));
    cbValveWH = new QComboBox(gbFilter);
    cbValveWH->setObjectName(QStringLiteral("cbValveWH"));
    cbValveWH->setAccessibleName(QStringLiteral("Размер для выбора"));
    cbValveWH->setMinimumContentsLength(8);
    auto *filterLayout = new QGridLayout(gbFilter);
    filterLayout->addWidget(rbValveAll, 0, 0);
    filterLayout->addWidget(rbValveByWidth, 1, 0);
    filterLayout->addWidget(rbValveByHeight, 2, 0);
    filterLayout->addWidget(cbValveWH, 1, 1, 2, 1, Qt::AlignVCenter);
    valveLayout->addWidget(gbFilter);
    cbValveSize = new QComboBox(PanelValve);
    cbValveSize->setObjectName(QStringLiteral("cbValveSize"));
    cbValveSize->setMinimumContentsLength(12);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(Caption(QStringLiteral("Размер:"), cbValveSize, PanelValve));
    sizeRow->addWidget(cbValveSize, 1);
    valveLayout->addLayout(sizeRow);
    LabValveArea = new QLabel(PanelValve);
    LabValveArea->setObjectName(QStringLiteral("LabValveArea"));
    LabValveAreaUnit = new QLabel(QStringLiteral("м²"), PanelValve);
    LabValveAreaUnit->setObjectName(QStringLiteral("LabValveAreaUnit"));
    auto *areaRow = new QHBoxLayout;
    areaRow->setSpacing(0);
    areaRow->addWidget(new QLabel(QStringLiteral("Сечение, Fкл:  "), PanelValve));
    areaRow->addWidget(LabValveArea);
    areaRow->addWidget(LabValveAreaUnit);
    areaRow->addStretch(1);
    valveLayout->addLayout(areaRow);
    LabValveZ = new QLabel(PanelValve);
    LabValveZ->setObjectName(QStringLiteral("LabValveZ"));
    auto *zRow = new QHBoxLayout;
    zRow->setSpacing(0);
    zRow->addWidget(new QLabel(QStringLiteral("КМС клапана, Zкл:  "), PanelValve));
    zRow->addWidget(LabValveZ);
    zRow->addStretch(1);
    valveLayout->addLayout(zRow);

    PanelNodeZ = new QWidget(PanelValve);
    PanelNodeZ->setObjectName(QStringLiteral("PanelNodeZ"));
    EditNodeZ = NumberEdit(QStringLiteral("EditNodeZ"), PanelNodeZ);
    EditNodeZ->setAccessibleName(QStringLiteral("Коэффициент местного сопротивления узла "
                                                "присоединения, Z'"));
    ButtonValveZ = new QToolButton(PanelNodeZ);
    ButtonValveZ->setObjectName(QStringLiteral("ButtonValveZ"));
    ButtonValveZ->setText(QStringLiteral("..."));
    ButtonValveZ->setToolTip(QStringLiteral("Варианты"));
    ButtonValveZ->setAccessibleName(QStringLiteral("Варианты"));
    PopupMenuValveZ = new QMenu(this);
    PopupMenuValveZ->setObjectName(QStringLiteral("PopupMenuValveZ"));
    const struct {
        const char *name;
        QString caption;
        double value;
    } nodeItems[] = {
        {"NValveSide", QStringLiteral("Боковой вход через клапан без декоративной решетки - 1,8"),
         1.8},
        {"NValveSideDecor",
         QStringLiteral("Боковой вход через клапан с декоративной решеткой - 3,5"), 3.5},
        {"NValveFront",
         QStringLiteral("Торцевой вход через клапан без декоративной решетки - 1,07"), 1.07},
        {"NValveFrontDecor",
         QStringLiteral("Торцевой вход через клапан с декоративной решеткой - 2,7"), 2.7},
    };
    for (const auto &item : nodeItems) {
        QAction *action = PopupMenuValveZ->addAction(item.caption);
        action->setObjectName(QString::fromLatin1(item.name));
        const double value = item.value;
        connect(action, &QAction::triggered, this,
                [this, value] { SetNodeCoefficient(Field(value)); });
    }
    connect(ButtonValveZ, &QToolButton::clicked, this, [this] {
        PopupMenuValveZ->popup(ButtonValveZ->mapToGlobal(QPoint(0, ButtonValveZ->height())));
    });
    auto *nodeLayout = new QGridLayout(PanelNodeZ);
    nodeLayout->setContentsMargins(0, 6, 0, 0);
    nodeLayout->addWidget(new QLabel(QStringLiteral("Коэффициент местного\nсопротивления узла\n"
                                                    "присоединения, Z':"),
                                     PanelNodeZ),
                          0, 0, 1, 3);
    nodeLayout->addWidget(EditNodeZ, 1, 0);
    nodeLayout->addWidget(ButtonValveZ, 1, 1);
    nodeLayout->setColumnStretch(2, 1);
    valveLayout->addWidget(PanelNodeZ);
    valveLayout->addStretch(1);
    leftLayout->addWidget(PanelValve);

    PanelStoreys = new QWidget(left);
    PanelStoreys->setObjectName(QStringLiteral("PanelStoreys"));
    auto *storeysLayout = new QVBoxLayout(PanelStoreys);
    storeysLayout->setContentsMargins(0, 0, 0, 0);
    storeysLayout->addWidget(new QLabel(QStringLiteral("Введите значения для параметров,\n"
                                                       "которые необходимо изменить.\n"
                                                       "Параметры с незаданными значениями\n"
                                                       "останутся без изменения."),
                                        PanelStoreys));
    auto *gbStoreys = new QGroupBox(QStringLiteral("Изменить участки"), PanelStoreys);
    gbStoreys->setObjectName(QStringLiteral("gbStoreys"));
    rbStoreysAll = new QRadioButton(QStringLiteral("Все"), gbStoreys);
    rbStoreysAll->setObjectName(QStringLiteral("rbStoreysAll"));
    rbStoreysCurrent = new QRadioButton(QStringLiteral("Текущий участок"), gbStoreys);
    rbStoreysCurrent->setObjectName(QStringLiteral("rbStoreysCurrent"));
    rbStoreysList = new QRadioButton(QStringLiteral("Участок"), gbStoreys);
    rbStoreysList->setObjectName(QStringLiteral("rbStoreysList"));
    EditStoreys = new QLineEdit(gbStoreys);
    EditStoreys->setObjectName(QStringLiteral("EditStoreys"));
    EditStoreys->setAccessibleName(QStringLiteral("Номера изменяемых участков"));
    EditStoreys->setToolTip(QStringLiteral("Например: 1, 3, 5-8"));
    EditStoreys->installEventFilter(this);
    auto *gbStoreysLayout = new QVBoxLayout(gbStoreys);
    gbStoreysLayout->addWidget(rbStoreysAll);
    gbStoreysLayout->addWidget(rbStoreysCurrent);
    gbStoreysLayout->addWidget(rbStoreysList);
    gbStoreysLayout->addWidget(EditStoreys);
    storeysLayout->addWidget(gbStoreys);
    storeysLayout->addStretch(1);
    leftLayout->addWidget(PanelStoreys);
    PanelStoreys->hide();
    for (QRadioButton *rb : {rbStoreysAll, rbStoreysCurrent, rbStoreysList})
        connect(rb, &QRadioButton::clicked, this, &TFormShaftSegment::rbStoreysClick);

    // right: the two duct parts
    Hor = MakeDuctPart(QStringLiteral("Hor"), QStringLiteral("Горизонтальный участок"),
                       QStringLiteral("Zвв:"));
    Vert = MakeDuctPart(QStringLiteral("Vert"), QStringLiteral("Вертикальный участок"),
                        QStringLiteral("Zш:"));
    auto *right = new QVBoxLayout;
    for (DuctPart *part : {&Hor, &Vert}) {
        right->addWidget(part->Title);
        auto *row = new QHBoxLayout;
        row->addWidget(part->MaterialPanel);
        row->addWidget(part->Params);
        row->addStretch(1);
        right->addLayout(row);
    }
    right->addStretch(1);

    // bottom: how many storeys to add, OK, Cancel
    PanelNewStoreys = new QWidget(this);
    PanelNewStoreys->setObjectName(QStringLiteral("PanelNewStoreys"));
    SpinNewStoreys = new QSpinBox(PanelNewStoreys);
    SpinNewStoreys->setObjectName(QStringLiteral("SpinNewStoreys"));
    SpinNewStoreys->setRange(1, 100);
    auto *newLayout = new QHBoxLayout(PanelNewStoreys);
    newLayout->setContentsMargins(0, 0, 0, 0);
    newLayout->addWidget(Caption(QStringLiteral("Новых этажей:"), SpinNewStoreys, PanelNewStoreys));
    newLayout->addWidget(SpinNewStoreys);
    OKBtn = new QPushButton(QStringLiteral("ОК"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Отмена"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &TFormShaftSegment::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(PanelNewStoreys);
    bottom->addStretch(1);
    bottom->addWidget(OKBtn);
    bottom->addWidget(CancelBtn);

    auto *middle = new QHBoxLayout;
    middle->addWidget(left);
    middle->addSpacing(12);
    middle->addLayout(right, 1);
    auto *root = new QVBoxLayout(this);
    root->addWidget(head);
    root->addLayout(middle, 1);
    root->addLayout(bottom);

    auto *filter = new QButtonGroup(this);
    filter->addButton(rbValveAll);
    filter->addButton(rbValveByWidth);
    filter->addButton(rbValveByHeight);
    for (QRadioButton *rb : {rbValveAll, rbValveByWidth, rbValveByHeight})
        connect(rb, &QRadioButton::clicked, this, &TFormShaftSegment::BuildValveFilter);
    connect(cbValveWH, &QComboBox::currentIndexChanged, this, &TFormShaftSegment::cbValveWHChange);
    connect(cbValveSize, &QComboBox::currentIndexChanged, this,
            &TFormShaftSegment::cbValveSizeChange);

    rbValveByHeight->setChecked(true);
    State.NodeResistCoef = 1.8;
    State.Mode = TSegmentEditMode::ychmAdd;

    // a field left empty in group mode keeps every segment's value, so empty is never marked
    for (const NumberField &field : NumberFields()) {
        NumberRule rule = field.value->rule;
        rule.emptyAllowed = true;
        WatchNumberText(field.edit, rule);
    }
}

std::vector<TFormShaftSegment::NumberField> TFormShaftSegment::NumberFields() const {
    const bool group = State.Mode == TSegmentEditMode::ychmEditGroup;
    const bool hor = State.EnableHorPart;
    const bool vert = State.EnableVertPart;
    return {
        {EditNodeZ, &SegmentValue("NodeZ"), State.EnableValve && !group},
        {Hor.EditA, &SegmentValue("HA"), hor},
        {Hor.EditB, &SegmentValue("HB"), hor},
        {Hor.EditL, &SegmentValue("HL"), hor},
        {Hor.EditZ, &SegmentValue("HZ"), hor},
        {Vert.EditA, &SegmentValue("VA"), vert},
        {Vert.EditB, &SegmentValue("VB"), vert},
        {Vert.EditL, &SegmentValue("VL"), vert},
        {Vert.EditZ, &SegmentValue("VZ"), vert},
    };
}

TFormShaftSegment::~TFormShaftSegment() = default;

void TFormShaftSegment::SetNotifier(Notifier *notifier) {
    notifier_ = notifier ? notifier : ownNotifier_.get();
}

TFormShaftSegment::DuctPart TFormShaftSegment::MakeDuctPart(const QString &prefix,
                                                            const QString &title,
                                                            const QString &zCaption) {
    DuctPart part;
    part.Title = new QLabel(title, this);
    part.Title->setObjectName(QStringLiteral("Lab%1Part").arg(prefix));
    QFont bold = part.Title->font();
    bold.setBold(true);
    part.Title->setFont(bold);

    part.MaterialPanel = new QWidget(this);
    part.MaterialPanel->setObjectName(QStringLiteral("Pan%1Material").arg(prefix));
    part.gbMaterial = new QGroupBox(QStringLiteral("Материал"), part.MaterialPanel);
    part.gbMaterial->setObjectName(QStringLiteral("gb%1Material").arg(prefix));
    part.Materials = new QButtonGroup(this);
    auto *materialLayout = new QVBoxLayout(part.gbMaterial);
    int id = 0;
    for (std::string_view name : kMaterialNames) {
        auto *rb = new QRadioButton(QString::fromUtf8(name.data(), qsizetype(name.size())),
                                    part.gbMaterial);
        rb->setObjectName(QStringLiteral("rb%1Material%2").arg(prefix).arg(id));
        part.Materials->addButton(rb, id++);
        materialLayout->addWidget(rb);
    }
    part.cbChange = new QCheckBox(QStringLiteral("Изменить"), part.MaterialPanel);
    part.cbChange->setObjectName(QStringLiteral("cb%1PartMaterial").arg(prefix));
    part.cbChange->setAccessibleName(QStringLiteral("Изменить материал: %1").arg(title));
    auto *panelLayout = new QVBoxLayout(part.MaterialPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(part.gbMaterial);
    panelLayout->addWidget(part.cbChange);
    panelLayout->addStretch(1);

    part.Params = new QWidget(this);
    part.Params->setObjectName(QStringLiteral("Pan%1Params").arg(prefix));
    part.EditA = NumberEdit(QStringLiteral("Edit%1A").arg(prefix), part.Params);
    part.EditB = NumberEdit(QStringLiteral("Edit%1B").arg(prefix), part.Params);
    part.EditL = NumberEdit(QStringLiteral("Edit%1L").arg(prefix), part.Params);
    part.EditZ = NumberEdit(QStringLiteral("Edit%1Z").arg(prefix), part.Params);
    part.ButtonZ = new QToolButton(part.Params);
    part.ButtonZ->setObjectName(QStringLiteral("Button%1PartZ").arg(prefix));
    part.ButtonZ->setText(QStringLiteral("+"));
    part.ButtonZ->setToolTip(QStringLiteral("Добавить"));
    part.ButtonZ->setAccessibleName(QStringLiteral("Добавить"));
    auto *grid = new QGridLayout(part.Params);
    grid->setContentsMargins(0, 0, 0, 0);
    const struct {
        QString caption;
        QLineEdit *edit;
        QString unit;
    } rows[] = {{QStringLiteral("Сторона A:"), part.EditA, QStringLiteral("м")},
                {QStringLiteral("Сторона B:"), part.EditB, QStringLiteral("м")},
                {QStringLiteral("Длина L:"), part.EditL, QStringLiteral("м")},
                {zCaption, part.EditZ, QString()}};
    int row = 0;
    for (const auto &r : rows) {
        grid->addWidget(Caption(r.caption, r.edit, part.Params), row, 0);
        grid->addWidget(r.edit, row, 1);
        if (!r.unit.isEmpty())
            grid->addWidget(new QLabel(r.unit, part.Params), row, 2);
        ++row;
    }
    // the accessible names carry the part, so two "Сторона A" fields can be told apart
    for (QLineEdit *e : {part.EditA, part.EditB, part.EditL, part.EditZ})
        e->setAccessibleName(e->accessibleName() + QStringLiteral(" (") + title + QLatin1Char(')'));
    grid->addWidget(part.ButtonZ, 3, 2);
    grid->setRowStretch(4, 1);

    QLineEdit *zField = part.EditZ;
    connect(part.ButtonZ, &QToolButton::clicked, this, [this, zField] { AddCoefficient(zField); });
    QCheckBox *box = part.cbChange;
    const bool horizontal = prefix == QStringLiteral("Hor");
    connect(box, &QCheckBox::clicked, this,
            [this, horizontal] { MaterialChangeClick(horizontal ? Hor : Vert); });
    return part;
}

void TFormShaftSegment::showEvent(QShowEvent *event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TFormShaftSegment::FormActivate() {
    const bool group = State.Mode == TSegmentEditMode::ychmEditGroup;
    EditStoreyName->setText(Q(State.StoreyName));
    EditStoreyName->setEnabled(!group);
    SetFieldColour(EditStoreyName, !group);

    switch (State.Mode) {
    case TSegmentEditMode::ychmEditOne:
        setWindowTitle(QStringLiteral("Параметры участка сети %1").arg(State.CurStorey + 1));
        PanelStoreys->hide();
        PanelValve->show();
        PanelNewStoreys->hide();
        break;
    case TSegmentEditMode::ychmEditGroup:
        setWindowTitle(QStringLiteral("Параметры участка сети - Группа"));
        PanelValve->hide();
        PanelStoreys->show();
        PanelNewStoreys->hide();
        break;
    case TSegmentEditMode::ychmAdd:
        setWindowTitle(QStringLiteral("Параметры участка сети - Новый"));
        PanelStoreys->hide();
        PanelValve->show();
        PanelNewStoreys->show();
        SpinNewStoreys->setValue(1);
        break;
    }
    Hor.cbChange->setVisible(group);
    Vert.cbChange->setVisible(group);

    if (State.QuanStoreys < 0)
        State.QuanStoreys = 0;
    if (State.CurStorey < 0 || State.CurStorey > State.QuanStoreys - 1)
        State.CurStorey = 0;
    if (group) {
        rbStoreysCurrent->setChecked(true);
        rbStoreysClick();
    }

    BuildValveFilter();
    EditNodeZ->setText(Field(State.NodeResistCoef));
    if (!group)
        PanelValve->setVisible(State.EnableValve);
    PanelNodeZ->setVisible(State.EnableValve);

    ShowDuctPart(Hor, State.EnableHorPart, State.HorA, State.HorB, State.HorL, State.HorZ,
                 State.HorMaterial);
    ShowDuctPart(Vert, State.EnableVertPart, State.Ai, State.Bi, State.Li, State.Zi,
                 State.Material);
    adjustSize();
}

void TFormShaftSegment::ShowDuctPart(DuctPart &part, bool enabled, double a, double b, double l,
                                     double z, const std::string &material) {
    part.Title->setEnabled(enabled);
    part.MaterialPanel->setVisible(enabled);
    part.Params->setVisible(enabled);
    if (!enabled)
        return;
    if (State.Mode == TSegmentEditMode::ychmEditGroup) {
        for (QLineEdit *e : {part.EditA, part.EditB, part.EditL, part.EditZ})
            e->clear();
        SelectMaterial(part, QString());
        part.gbMaterial->setEnabled(false);
        part.cbChange->setChecked(false);
    } else {
        part.EditA->setText(Field(a));
        part.EditB->setText(Field(b));
        part.EditL->setText(Field(l));
        part.EditZ->setText(Field(z));
        SelectMaterial(part, Q(material));
        part.gbMaterial->setEnabled(true);
    }
}

void TFormShaftSegment::SelectMaterial(DuctPart &part, const QString &name) {
    part.Materials->setExclusive(false);
    for (QAbstractButton *b : part.Materials->buttons())
        b->setChecked(!name.isEmpty() && b->text() == name);
    part.Materials->setExclusive(true);
}

void TFormShaftSegment::MaterialChangeClick(DuctPart &part) {
    const bool on = part.cbChange->isChecked();
    SelectMaterial(
        part, on ? QString::fromUtf8(kMaterialNames[0].data(), qsizetype(kMaterialNames[0].size()))
                 : QString());
    part.gbMaterial->setEnabled(on);
}

void TFormShaftSegment::BuildValveFilter() {
    building_ = true;
    {
        const QSignalBlocker block(cbValveWH);
        cbValveWH->clear();
        if (rbValveByWidth->isChecked() || rbValveByHeight->isChecked()) {
            const bool byWidth = rbValveByWidth->isChecked();
            for (int i = 0; i < ValveCatalog.VWidthQty(); ++i) {
                const int size = byWidth ? ValveCatalog.VWidths(i) : ValveCatalog.VHeights(i);
                cbValveWH->addItem(QStringLiteral("%1 мм").arg(size), size);
            }
            cbValveWH->setEnabled(true);
            cbValveWH->setCurrentIndex(byWidth ? ValveCatalog.WidthToNum(State.ValveWidth)
                                               : ValveCatalog.HeightToNum(State.ValveHeight));
        } else {
            cbValveWH->setEnabled(false);
        }
    }
    building_ = false;
    BuildValveList();
}

void TFormShaftSegment::cbValveWHChange(int index) {
    if (building_ || index < 0)
        return;
    const int size = cbValveWH->itemData(index).toInt();
    if (rbValveByWidth->isChecked())
        State.ValveWidth = size;
    else if (rbValveByHeight->isChecked())
        State.ValveHeight = size;
    BuildValveList();
}

void TFormShaftSegment::BuildValveList() {
    building_ = true;
    {
        const QSignalBlocker block(cbValveSize);
        cbValveSize->clear();
        if (rbValveByWidth->isChecked())
            ValveCatalog.BuildSubsetByWidth(State.ValveWidth);
        else if (rbValveByHeight->isChecked())
            ValveCatalog.BuildSubsetByHeight(State.ValveHeight);
        else
            ValveCatalog.BuildSubsetAll();
        for (int i = 0; i < ValveCatalog.SSValveQty(); ++i)
            cbValveSize->addItem(Q(ValveCatalog.SSValves(i).S));
        const int found = ValveCatalog.WHToSSValveNum(State.ValveWidth, State.ValveHeight);
        if (cbValveSize->count() > 0)
            cbValveSize->setCurrentIndex(found >= 0 ? found : 0);
    }
    building_ = false;
    cbValveSizeChange(cbValveSize->currentIndex());
}

void TFormShaftSegment::cbValveSizeChange(int index) {
    if (building_ || index < 0 || index >= ValveCatalog.SSValveQty())
        return;
    const TSmokeValve v = ValveCatalog.SSValves(index);
    State.ValveWidth = v.W;
    State.ValveHeight = v.H;
    State.ValveArea = v.F1;
    State.ValveResistCoef = v.Z;
    LabValveArea->setText(ShownGeneral(v.F1) + QLatin1Char(' '));
    LabValveZ->setText(ShownGeneral(v.Z));
    const QString a = Field(v.W / 1000.0);
    const QString b = Field(v.H / 1000.0);
    for (DuctPart *part : {&Hor, &Vert}) {
        part->EditA->setText(a);
        part->EditB->setText(b);
    }
}

void TFormShaftSegment::SetNodeCoefficient(const QString &text) {
    EditNodeZ->setText(text);
}

void TFormShaftSegment::AddCoefficient(QLineEdit *field) {
    const std::optional<double> picked = ResistCoefTablesDialog::Pick(this);
    if (!picked)
        return;
    field->setText(Field(ReadRealInput(field->text().toStdString()) + *picked));
}

void TFormShaftSegment::rbStoreysClick() {
    if (rbStoreysAll->isChecked()) {
        EditStoreys->setText(Q(AllStoreysText(State.QuanStoreys)));
        EditStoreys->setEnabled(false);
    } else if (rbStoreysCurrent->isChecked()) {
        EditStoreys->setText(QString::number(State.CurStorey + 1));
        EditStoreys->setEnabled(false);
    } else {
        EditStoreys->setEnabled(true);
        EditStoreys->setFocus();
    }
    SetFieldColour(EditStoreys, EditStoreys->isEnabled());
}

bool TFormShaftSegment::eventFilter(QObject *watched, QEvent *event) {
    if (watched == EditStoreys && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (!text.isEmpty() && key->key() != Qt::Key_Backspace && text.at(0).isPrint()) {
            for (QChar c : text) {
                const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                                     c == QLatin1Char(',') || c == QLatin1Char('-') ||
                                     c == QLatin1Char(' ');
                if (!allowed)
                    return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormShaftSegment::ReadDuctPart(const DuctPart &part, double &a, double &b, double &l,
                                     double &z, std::string &material) const {
    const bool group = State.Mode == TSegmentEditMode::ychmEditGroup;
    QAbstractButton *checked = part.Materials->checkedButton();
    material = checked ? checked->text().toStdString() : std::string();
    const auto read = [group](const QLineEdit *e) {
        const std::string text = e->text().toStdString();
        // group mode: a field left without a number keeps every segment's own value
        if (group &&
            std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return -1.0;
        return ReadRealInput(text);
    };
    a = read(part.EditA);
    b = read(part.EditB);
    l = read(part.EditL);
    z = read(part.EditZ);
}

void TFormShaftSegment::OKBtnClick() {
    const bool group = State.Mode == TSegmentEditMode::ychmEditGroup;
    State.StoreyName = group ? std::string(kGroupStoreyName) : EditStoreyName->text().toStdString();
    State.StoreyQtyForAdd = SpinNewStoreys->value();
    const int chosen = cbValveSize->currentIndex();
    if (chosen >= 0 && chosen < ValveCatalog.SSValveQty()) {
        const TSmokeValve v = ValveCatalog.SSValves(chosen);
        State.ValveWidth = v.W;
        State.ValveHeight = v.H;
        State.ValveArea = v.F1;
        State.ValveResistCoef = v.Z;
    }
    State.ValveDriveOut = true;
    State.NodeResistCoef = ReadRealInput(EditNodeZ->text().toStdString());
    if (State.EnableHorPart)
        ReadDuctPart(Hor, State.HorA, State.HorB, State.HorL, State.HorZ, State.HorMaterial);
    if (State.EnableVertPart)
        ReadDuctPart(Vert, State.Ai, State.Bi, State.Li, State.Zi, State.Material);
    if (State.EnableVertPart && !group && !(State.Ai > 0 && State.Bi > 0 && State.Li > 0)) {
        QLineEdit *focus = Vert.EditA;
        if (State.Ai > 0)
            focus = State.Bi > 0 ? Vert.EditL : Vert.EditB;
        notifier_->warning("Необходимо задать для вертикального участка\rразмеры > 0.",
                           focus->objectName().toStdString());
        focus->setFocus();
        return;
    }
    // every value the editor hands on is one a project file may hold; in group mode an empty
    // field keeps the segments' own values
    for (const NumberField &field : NumberFields()) {
        NumberRule rule = field.value->rule;
        rule.emptyAllowed = group;
        const std::string text = field.edit->text().toStdString();
        if (field.read && !IsValidNumberText(rule, text)) {
            notifier_->error(InvalidTextMessage(field.value->caption, rule, text),
                             field.edit->objectName().toStdString());
            field.edit->setFocus();
            return;
        }
    }
    State.StoreysArr = group ? ParseStoreyList(EditStoreys->text().toStdString(), State.QuanStoreys)
                             : std::vector<int>{};
    accept();
}

} // namespace orvane::exhaust
