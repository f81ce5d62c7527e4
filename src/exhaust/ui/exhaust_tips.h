#pragma once
// The fixed texts of the exhaust window's tip buttons, keyed by the button's name.

#include <QString>

namespace orvane::exhaust {

// The text of the tip button `name` (lines separated by CR); empty for an unknown button.
QString ExhaustTipText(const QString &name);

} // namespace orvane::exhaust
