#pragma once
// Numbers the exhaust windows show in labels and lists. Showing never throws: a value that is not
// finite shows as 0.

#include <QString>

namespace orvane::exhaust {

QString ShownGeneral(double x);
// At most two decimals.
QString ShownFixed62(double x);

} // namespace orvane::exhaust
