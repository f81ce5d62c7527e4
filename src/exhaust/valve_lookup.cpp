#include "exhaust/valve_lookup.h"

#include "catalogs/valves.h"

namespace orvane::exhaust {

TSmokeValve CatalogValve(int widthMm, int heightMm) {
    const TValves catalog;
    return catalog.Valves(catalog.GetValveNum(widthMm, heightMm));
}

bool IsCatalogValve(int widthMm, int heightMm) {
    return TValves().GetValveNum(widthMm, heightMm) >= 0;
}

} // namespace orvane::exhaust
