#pragma once
// Small pieces the calculation windows build their input pages from.

#include <QLabel>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/control_state.h"
#include "core/field_check.h"
#include "core/field_spec.h"
#include "core/file_io.h"
#include "core/notifier.h"

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QToolButton;
class QWidget;

namespace orvane {

// A control's name as its widget's objectName.
inline QString CtlName(ControlName control) {
    return QString::fromLatin1(control.View().data(),
                               static_cast<qsizetype>(control.View().size()));
}

// The most characters an input edit holds: as many as the largest file the program reads has
// bytes, so that a value read from a project is shown whole and saved as it was (an edit's own
// limit, 32767 characters, would cut a longer name on the next save without a word). Every
// edit the index files gets it.
inline constexpr int kEditMaxLength = static_cast<int>(kMaxReadBytes);

// The input controls of a window's page by control name: its edits, radio buttons and check
// boxes, and combos, and the row each one stands in (its caption, unit label, tip button and
// whatever else is enabled with it). The builders below file every control and row widget they
// make, so a window reads, fills and enables its page without searching the widget tree. A name
// never filed (or filed as another kind of control) answers null.
class ControlIndex {
public:
    // Makes a control of type W (`args` go to its constructor), names it and files it.
    template <class W, class... Args> W *Create(ControlName name, Args &&...args) {
        auto *control = new W(std::forward<Args>(args)...);
        control->setObjectName(CtlName(name));
        Add(name, control);
        return control;
    }
    // Files a control made elsewhere; a name filed again takes the later control.
    void Add(ControlName name, QWidget *control);

    QLineEdit *Edit(ControlName name) const;
    QAbstractButton *Button(ControlName name) const; // a radio button or a check box
    QComboBox *Combo(ControlName name) const;
    // The control whose name is `name` as a message carries it, whatever its kind.
    QWidget *Named(std::string_view name) const;

    // The row of control `name`: its caption, its unit label, its tip button, and other widgets
    // enabled with it (the row's parts for a control that stands in a row of several). Filing a
    // part again replaces it.
    void SetRowLabel(ControlName name, QLabel *label);
    void SetRowUnit(ControlName name, QLabel *unit);
    void SetRowTip(ControlName name, QWidget *tip);
    void AddToRow(ControlName name, QWidget *widget);
    QLabel *RowLabel(ControlName name) const;
    QLabel *RowUnit(ControlName name) const;
    QWidget *RowTip(ControlName name) const;
    // Enables or disables the control and every widget of its row together.
    void SetRowEnabled(ControlName name, bool enabled) const;

private:
    struct Row {
        QLabel *label = nullptr;
        QLabel *unit = nullptr;
        QWidget *tip = nullptr;
        std::vector<QWidget *> others;
    };
    QWidget *Find(ControlName name) const;
    const Row *RowOf(ControlName name) const;
    std::map<std::string, QWidget *, std::less<>> controls_;
    std::map<std::string, Row, std::less<>> rows_;
};

// A word-wrapped caption measured as a QLabel measures it, to the pixel, with fewer text
// layouts. QLabel lays its text out anew for every width it tries: up to three for its size
// hint, two for its minimum size, one for every height-for-width a layout asks; on an input page
// of thirty captions that is most of the cost of opening a window. This label lays its text out
// once on an unbounded line: every width at least that long gives the same box, which covers
// nearly every width a page asks for. Narrower widths are laid out once each and remembered
// until the text, the font or a margin changes. Labels it cannot measure the same way (rich
// text, a mnemonic, an indent, a frame, no text) are measured by QLabel.
class CaptionLabel : public QLabel {
public:
    CaptionLabel(const QString &text, QWidget *parent);
    ~CaptionLabel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

private:
    struct Measures;
    bool MeasuredHere() const;
    // the measures of the text, font and margins the label has now
    Measures &Current() const;
    // the label's size when its text is wrapped at `width` (negative: the width QLabel tries)
    QSize SizeForWidth(int width) const;
    // the text's bounding box, in whole pixels, when its lines are broken at `lineWidth`
    QSize TextBox(int lineWidth) const;

    mutable std::unique_ptr<Measures> measures_;
};

// One input row of a calculation window, built from the field's table entry: its caption
// (column 0, the edit's buddy), the edit (column 1, named after the control) and its unit
// (column 2, when it has one). Labels are named "Lab<name>" and "Lab<name>U" without "Edit".
// The edit, caption and unit are filed in the index as the control and its row.
struct FieldRow {
    QLabel *label = nullptr;
    QLineEdit *edit = nullptr;
    QLabel *unit = nullptr;
};
// A number field's edit checks its text as it changes (see WatchNumberText). The edit is filed
// in `controls`.
FieldRow AddFieldRow(QGridLayout *grid, int row, const FieldSpec &field, QWidget *parent,
                     ControlIndex &controls);

// The "Проект" group's rows, alike in both module windows: the project's and the system's
// names (`projectName`, `systemName`: each caption above its edit, the edit filed in
// `controls`, the label named as AddFieldRow names it), then the open and save buttons with
// `tip` at the row's end; from `firstRow` of `grid`, over `columns` columns. The window connects
// the two buttons.
struct ProjectRows {
    QToolButton *open = nullptr;
    QToolButton *save = nullptr;
};
ProjectRows AddProjectRows(QGridLayout *grid, int firstRow, int columns, ControlIndex &controls,
                           ControlName projectName, ControlName systemName, QWidget *tip);

// While typing, an edit whose text `rule` refuses gets a red frame and a tooltip saying what is
// expected ("Целое число от 1 до 300"); nothing is stripped or rewritten. The mark follows every
// change of the text, a project opened included.
void WatchNumberText(QLineEdit *edit, const NumberRule &rule);
// True while the edit carries the mark.
bool IsMarkedInvalid(const QWidget *edit);

// Before "Расчет": the first refused field of `table` that `window` shows (its edit taken from
// `controls`), else the first the variant reads (`variantCheck`, the module's
// FindInvalidInput), is reported through `notifier` with its field focused. True when the run
// must not start.
bool RefuseInvalidFields(QWidget *window, const ControlIndex &controls,
                         std::span<const FieldSpec> table, const ControlState &in,
                         const std::function<std::optional<FieldProblem>()> &variantCheck,
                         Notifier &notifier);

// A window's "?" button that opens one of its tips; `name` picks the tip text.
QToolButton *CreateTipButton(const QString &name, QWidget *parent);

// The accessible name of a control from its caption: one line, without the trailing colon.
QString AccessibleCaption(QString caption);

} // namespace orvane
