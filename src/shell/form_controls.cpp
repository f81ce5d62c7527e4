#include "shell/form_controls.h"

#include "core/number_text.h"
#include "shell/own_icons.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QTextLayout>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvane {

void ControlIndex::Add(ControlName name, QWidget *control) {
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setMaxLength(kEditMaxLength);
    controls_.insert_or_assign(std::string(name.View()), control);
}

QWidget *ControlIndex::Find(ControlName name) const {
    const auto it = controls_.find(name.View());
    return it == controls_.end() ? nullptr : it->second;
}

QLineEdit *ControlIndex::Edit(ControlName name) const {
    return qobject_cast<QLineEdit *>(Find(name));
}

QAbstractButton *ControlIndex::Button(ControlName name) const {
    return qobject_cast<QAbstractButton *>(Find(name));
}

QComboBox *ControlIndex::Combo(ControlName name) const {
    return qobject_cast<QComboBox *>(Find(name));
}

QWidget *ControlIndex::Named(std::string_view name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void ControlIndex::SetRowLabel(ControlName name, QLabel *label) {
    rows_[name.Str()].label = label;
}

void ControlIndex::SetRowUnit(ControlName name, QLabel *unit) {
    rows_[name.Str()].unit = unit;
}

void ControlIndex::SetRowTip(ControlName name, QWidget *tip) {
    rows_[name.Str()].tip = tip;
}

void ControlIndex::AddToRow(ControlName name, QWidget *widget) {
    rows_[name.Str()].others.push_back(widget);
}

const ControlIndex::Row *ControlIndex::RowOf(ControlName name) const {
    const auto it = rows_.find(name.View());
    return it == rows_.end() ? nullptr : &it->second;
}

QLabel *ControlIndex::RowLabel(ControlName name) const {
    const Row *row = RowOf(name);
    return row ? row->label : nullptr;
}

QLabel *ControlIndex::RowUnit(ControlName name) const {
    const Row *row = RowOf(name);
    return row ? row->unit : nullptr;
}

QWidget *ControlIndex::RowTip(ControlName name) const {
    const Row *row = RowOf(name);
    return row ? row->tip : nullptr;
}

void ControlIndex::SetRowEnabled(ControlName name, bool enabled) const {
    if (QWidget *control = Find(name))
        control->setEnabled(enabled);
    const Row *row = RowOf(name);
    if (!row)
        return;
    for (QWidget *w :
         {static_cast<QWidget *>(row->label), static_cast<QWidget *>(row->unit), row->tip})
        if (w)
            w->setEnabled(enabled);
    for (QWidget *w : row->others)
        w->setEnabled(enabled);
}

struct CaptionLabel::Measures {
    // what they were taken for
    QString text;
    QFont font;
    QMargins contents;
    int margin = 0;
    QSize minimum, maximum;
    // the text on one unbounded line (its box is the box of every line width at least `fits`)
    QSize oneLine;
    qreal fits = 0;
    std::optional<QSize> hint, minimumHint;
    QHash<int, QSize> boxes; // by line width, for the narrower widths

    bool TakenFor(const QLabel &label) const {
        return text == label.text() && font == label.font() &&
               contents == label.contentsMargins() && margin == label.margin() &&
               minimum == label.minimumSize() && maximum == label.maximumSize();
    }
};

namespace {

// The bounding box QPainter gives a text wrapped at `lineWidth` (and QFontMetrics::boundingRect
// with it): a leading between lines, each line on a whole pixel, as wide as its widest line.
QSizeF WrappedTextSize(const QString &text, const QFont &font, qreal lineWidth) {
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(shown, font);
    const qreal leading = QFontMetricsF(font).leading();
    qreal height = -leading;
    qreal width = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max<qreal>(0, lineWidth));
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
    }
    layout.endLayout();
    return {width, height};
}

QSize PixelBox(const QSizeF &size) {
    return QRectF(QPointF(0, 0), size).toAlignedRect().size();
}

} // namespace

CaptionLabel::CaptionLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setWordWrap(true);
}

CaptionLabel::~CaptionLabel() = default;

bool CaptionLabel::MeasuredHere() const {
    return wordWrap() && !text().isEmpty() && textFormat() != Qt::RichText &&
           !(textFormat() == Qt::AutoText && Qt::mightBeRichText(text())) && pixmap().isNull() &&
           !text().contains(QLatin1Char('&')) && !text().contains(QLatin1Char('\t')) &&
           indent() < 0 && frameWidth() == 0;
}

CaptionLabel::Measures &CaptionLabel::Current() const {
    if (measures_ && measures_->TakenFor(*this))
        return *measures_;
    measures_ = std::make_unique<Measures>();
    Measures &m = *measures_;
    m.text = text();
    m.font = font();
    m.contents = contentsMargins();
    m.margin = margin();
    m.minimum = minimumSize();
    m.maximum = maximumSize();
    // Qt breaks a line only when its text and the overhang of its last glyph pass the width:
    // the font's largest overhang bounds that
    const QSizeF unbounded = WrappedTextSize(m.text, m.font, 0x01000000);
    m.oneLine = PixelBox(unbounded);
    m.fits = unbounded.width() + std::max<qreal>(0, -QFontMetricsF(m.font).minRightBearing());
    return m;
}

QSize CaptionLabel::TextBox(int lineWidth) const {
    Measures &m = Current();
    if (lineWidth >= m.fits)
        return m.oneLine;
    const auto known = m.boxes.constFind(lineWidth);
    if (known != m.boxes.cend())
        return *known;
    const QSize box = PixelBox(WrappedTextSize(m.text, m.font, lineWidth));
    m.boxes.insert(lineWidth, box);
    return box;
}

QSize CaptionLabel::SizeForWidth(int w) const {
    // QLabel's own measure of a plain wrapped text
    if (minimumWidth() > 0)
        w = std::max(w, minimumWidth());
    const QMargins contents = contentsMargins();
    const int extra = 2 * margin();
    const QFontMetrics metrics(font());
    const bool tryWidth = w < 0;
    if (tryWidth)
        w = std::min(metrics.averageCharWidth() * 80, maximumSize().width());
    w -= extra + contents.left() + contents.right();
    QSize text = TextBox(w);
    if (tryWidth && text.height() < 4 * metrics.lineSpacing() && text.width() > w / 2)
        text = TextBox(w / 2);
    if (tryWidth && text.height() < 2 * metrics.lineSpacing() && text.width() > w / 4)
        text = TextBox(w / 4);
    return (text + QSize(extra + contents.left() + contents.right(),
                         extra + contents.top() + contents.bottom()))
        .expandedTo(minimumSize());
}

QSize CaptionLabel::sizeHint() const {
    if (!MeasuredHere())
        return QLabel::sizeHint();
    ensurePolished();
    Measures &m = Current();
    if (!m.hint)
        m.hint = SizeForWidth(-1);
    return *m.hint;
}

QSize CaptionLabel::minimumSizeHint() const {
    if (!MeasuredHere())
        return QLabel::minimumSizeHint();
    ensurePolished();
    Measures &m = Current();
    if (!m.minimumHint) {
        // as narrow as the longest word, one line high at the most
        m.minimumHint =
            QSize(SizeForWidth(0).width(),
                  std::min(sizeHint().height(), SizeForWidth(QWIDGETSIZE_MAX).height()));
    }
    return *m.minimumHint;
}

int CaptionLabel::heightForWidth(int width) const {
    if (!MeasuredHere())
        return QLabel::heightForWidth(width);
    return SizeForWidth(width).height();
}

QToolButton *CreateTipButton(const QString &name, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(QStringLiteral("?"));
    button->setToolTip(QStringLiteral("Подсказка"));
    button->setAccessibleName(QStringLiteral("Подсказка"));
    button->setAutoRaise(true);
    button->setFixedSize(20, 20);
    // not a Tab stop: F1 in a field opens the help at the field's group
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString AccessibleCaption(QString caption) {
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

namespace {
// The name of an edit's caption label: "Lab" and the control's name without "Edit".
QString CaptionLabelName(ControlName control) {
    const QString name = CtlName(control);
    return QStringLiteral("Lab") + (name.startsWith(QStringLiteral("Edit")) ? name.mid(4) : name);
}
} // namespace

FieldRow AddFieldRow(QGridLayout *grid, int row, const FieldSpec &field, QWidget *parent,
                     ControlIndex &controls) {
    const QString caption =
        QString::fromUtf8(field.caption.data(), static_cast<qsizetype>(field.caption.size()));
    FieldRow r;
    r.label = new CaptionLabel(caption, parent);
    r.label->setObjectName(CaptionLabelName(field.control));
    r.edit = controls.Create<QLineEdit>(field.control, parent);
    r.edit->setFixedWidth(72);
    r.edit->setAccessibleName(AccessibleCaption(caption));
    r.label->setBuddy(r.edit);
    // the edit opens on the field's start value, as a new window's start state fills it: so its
    // first check finds a number, not an empty text to mark refused and unmark at once
    if (field.start && field.kind != FieldKind::choice)
        r.edit->setText(QString::fromStdString(FormatGeneral(*field.start)));
    if (field.kind == FieldKind::real || field.kind == FieldKind::integer ||
        field.kind == FieldKind::signedInteger)
        WatchNumberText(r.edit, RuleOf(field));
    controls.SetRowLabel(field.control, r.label);
    grid->addWidget(r.label, row, 0);
    grid->addWidget(r.edit, row, 1, Qt::AlignVCenter);
    if (!field.unit.empty()) {
        r.unit = new QLabel(
            QString::fromUtf8(field.unit.data(), static_cast<qsizetype>(field.unit.size())),
            parent);
        r.unit->setObjectName(CaptionLabelName(field.control) + QStringLiteral("U"));
        controls.SetRowUnit(field.control, r.unit);
        grid->addWidget(r.unit, row, 2, Qt::AlignVCenter);
    }
    return r;
}

ProjectRows AddProjectRows(QGridLayout *grid, int firstRow, int columns, ControlIndex &controls,
                           ControlName projectName, ControlName systemName, QWidget *tip) {
    QWidget *group = grid->parentWidget();
    int row = firstRow;
    for (const auto &[name, caption] :
         {std::pair{projectName, QStringLiteral("Наименование проекта")},
          std::pair{systemName, QStringLiteral("Наименование вентиляционной системы")}}) {
        auto *label = new QLabel(caption, group);
        label->setObjectName(CaptionLabelName(name));
        auto *edit = controls.Create<QLineEdit>(name, group);
        controls.SetRowLabel(name, label);
        edit->setAccessibleName(caption);
        edit->setMaxLength(int(kMaxTextLength)); // what a project file holds
        label->setBuddy(edit);
        grid->addWidget(label, row++, 0, 1, columns);
        grid->addWidget(edit, row++, 0, 1, columns);
    }
    const auto fileButton = [group](const char *name, QStyle::StandardPixmap icon,
                                    const QString &command, const QString &keys) {
        auto *button = new QToolButton(group);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(StandardIcon(icon, group));
        button->setToolTip(command + QStringLiteral(" (") + keys + QLatin1Char(')'));
        button->setAccessibleName(command);
        return button;
    };
    ProjectRows rows;
    rows.open = fileButton("SpeedButtonOpenFile", QStyle::SP_DialogOpenButton,
                           QStringLiteral("Открыть проект"), QStringLiteral("Ctrl+O"));
    rows.save = fileButton("SpeedButtonSaveFile", QStyle::SP_DialogSaveButton,
                           QStringLiteral("Сохранить проект"), QStringLiteral("Ctrl+S"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(rows.open);
    buttons->addWidget(rows.save);
    buttons->addStretch(1);
    buttons->addWidget(tip);
    grid->addLayout(buttons, row, 0, 1, columns);
    return rows;
}

namespace {
const char *const kInvalidProperty = "orvaneInvalid";
const char *const kOwnTipProperty = "orvaneOwnTip";

void ShowValidity(QLineEdit *edit, const NumberRule &rule) {
    const bool invalid = !IsValidNumberText(rule, edit->text().toStdString());
    if (invalid == edit->property(kInvalidProperty).toBool())
        return;
    edit->setProperty(kInvalidProperty, invalid);
    if (invalid) {
        edit->setProperty(kOwnTipProperty, edit->toolTip());
        const QString expected = QString::fromStdString(ExpectedTip(rule));
        edit->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
        edit->setToolTip(expected);
        edit->setAccessibleDescription(expected);
    } else {
        edit->setStyleSheet(QString());
        edit->setToolTip(edit->property(kOwnTipProperty).toString());
        edit->setAccessibleDescription(QString());
    }
}
} // namespace

void WatchNumberText(QLineEdit *edit, const NumberRule &rule) {
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit, rule](const QString &) { ShowValidity(edit, rule); });
    ShowValidity(edit, rule);
}

bool IsMarkedInvalid(const QWidget *edit) {
    return edit->property(kInvalidProperty).toBool();
}

bool RefuseInvalidFields(QWidget *window, const ControlIndex &controls,
                         std::span<const FieldSpec> table, const ControlState &in,
                         const std::function<std::optional<FieldProblem>()> &variantCheck,
                         Notifier &notifier) {
    std::optional<FieldProblem> problem;
    for (const FieldSpec &f : table) {
        const QLineEdit *edit = controls.Edit(f.control);
        if (edit && edit->isVisibleTo(window) && edit->isEnabled() && IsMarkedInvalid(edit)) {
            problem = FieldProblem{&f, in.Text(f.control)};
            break;
        }
    }
    if (!problem)
        problem = variantCheck();
    if (!problem)
        return false;
    notifier.error(InvalidFieldMessage(*problem->field, problem->text),
                   problem->field->control.Str());
    return true;
}

} // namespace orvane
