#include "exhaust/valve_lookup.h"

#include "catalogs/valves.h"

namespace orvane::exhaust {

TSmokeValve CatalogValve(int widthMm, int heightMm) {
    const SmokeValveCatalog catalog;
    return catalog.Valves(catalog.GetValveNum(widthMm, heightMm));
}

bool IsCatalogValve(int widthMm, int heightMm) {
    return SmokeValveCatalog().GetValveNum(widthMm, heightMm) >= 0;
}

} // namespace orvane::exhaust
