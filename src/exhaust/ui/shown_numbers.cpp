#include "exhaust/ui/shown_numbers.h"

#include "core/number_text.h"

namespace orvane::exhaust {

QString ShownGeneral(double x) {
    try {
        return QString::fromStdString(FormatGeneral(x));
    } catch (const NonFiniteValue &) {
        return QStringLiteral("0");
    }
}

QString ShownFixed62(double x) {
    try {
        return QString::fromStdString(F62(x));
    } catch (const NonFiniteValue &) {
        return QStringLiteral("0");
    }
}

} // namespace orvane::exhaust
