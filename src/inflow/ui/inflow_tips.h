#pragma once
// Texts of the supply window's tip buttons and edit hints ("\r" is a line break).

#include <QString>

namespace orvane::inflow {

// The tip of a tip button by its control name ("sbTipProject"); empty for an unknown name.
QString InflowTipText(const QString &button);
// The hint of an edit by its control name; empty when the edit has none.
QString InflowEditHint(const QString &edit);

} // namespace orvane::inflow
