#pragma once
// The catalogue valve of a nominal size, as the default network and the project reader take it.

#include "catalogs/smoke_valve.h"

namespace orvane::exhaust {

// The entry of W x H mm; the empty entry (area and coefficient 0) for a size not in the catalogue.
TSmokeValve CatalogValve(int widthMm, int heightMm);
bool IsCatalogValve(int widthMm, int heightMm);

} // namespace orvane::exhaust
