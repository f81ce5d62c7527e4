#pragma once
// Small pieces the calculation windows build their input pages from.

#include <QString>

#include "core/control_state.h"

class QToolButton;
class QWidget;

namespace orvane {

// A control's name as its widget's objectName.
inline QString CtlName(ControlName control) {
    return QString::fromLatin1(control.view().data(), static_cast<qsizetype>(control.view().size()));
}

// A window's "?" button that opens one of its tips; `name` picks the tip text.
QToolButton *CreateTipButton(const QString &name, QWidget *parent);

// The accessible name of a control from its caption: one line, without the trailing colon.
QString AccessibleCaption(QString caption);

} // namespace orvane
