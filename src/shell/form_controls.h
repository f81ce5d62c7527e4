#pragma once
// Small pieces the calculation windows build their input pages from.

#include <QString>

#include "core/control_state.h"
#include "core/field_spec.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace orvane {

// A control's name as its widget's objectName.
inline QString CtlName(ControlName control) {
    return QString::fromLatin1(control.view().data(),
                               static_cast<qsizetype>(control.view().size()));
}

// One input row of a calculation window, built from the field's table entry: its caption
// (column 0, the edit's buddy), the edit (column 1, named after the control) and its unit
// (column 2, when it has one). Labels are named "Lab<name>" and "Lab<name>U" without "Edit".
struct FieldRow {
    QLabel *label = nullptr;
    QLineEdit *edit = nullptr;
    QLabel *unit = nullptr;
};
FieldRow AddFieldRow(QGridLayout *grid, int row, const FieldSpec &field, QWidget *parent);

// A window's "?" button that opens one of its tips; `name` picks the tip text.
QToolButton *CreateTipButton(const QString &name, QWidget *parent);

// The accessible name of a control from its caption: one line, without the trailing colon.
QString AccessibleCaption(QString caption);

} // namespace orvane
