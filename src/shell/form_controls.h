#pragma once
// Small pieces the calculation windows build their input pages from.

#include <QString>

class QToolButton;
class QWidget;

namespace orvane {

// A window's "?" button that opens one of its tips; `name` picks the tip text.
QToolButton *CreateTipButton(const QString &name, QWidget *parent);

// The accessible name of a control from its caption: one line, without the trailing colon.
QString AccessibleCaption(QString caption);

} // namespace orvane
