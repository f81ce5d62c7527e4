// libFuzzer target: a hand-edited catalogue file of any bytes decodes to plain UTF-8 lines and
// finite numbers, and a save of what was read loads back to the same file.

#include "catalogs/fire_load_catalog.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

template <typename Record, typename Parse, typename Encode>
void CheckStableSave(const std::vector<std::string> &lines, Parse parse, Encode encode) {
    std::vector<Record> items;
    for (const std::string &line : lines)
        items.push_back(parse(line));
    const std::string saved = encode(items);
    const auto reread = orvane::DecodeCatalogLines(saved);
    Check(reread.has_value());
    std::vector<Record> again;
    for (const std::string &line : *reread)
        again.push_back(parse(line));
    Check(encode(again) == saved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const auto lines = orvane::DecodeCatalogLines(bytes);
    if (!lines)
        return 0;
    for (const std::string &line : *lines) {
        const orvane::TFireLoad load = orvane::ParseFireLoadLine(line);
        Check(std::isfinite(load.BurnEnergy) && std::isfinite(load.FireSpeed) &&
              std::isfinite(load.SBurnSpeed));
        Check(std::isfinite(orvane::ParseFireLoadDensityLine(line).FLDensity));
    }
    CheckStableSave<orvane::TFireLoad>(*lines, orvane::ParseFireLoadLine, orvane::EncodeFireLoads);
    CheckStableSave<orvane::TFireLoadDensity>(*lines, orvane::ParseFireLoadDensityLine,
                                              orvane::EncodeFireLoadDensities);
    return 0;
}
