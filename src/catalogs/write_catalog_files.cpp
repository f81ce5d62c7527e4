// Build tool: writes the built-in fire load and density lists as the catalogue files the
// program ships, so a new user starts from the same lists in files they can edit.
// Usage: orvane-catalog-files FOLDER

#include "catalogs/fire_load_catalog.h"

#include <cstdio>

namespace {

template <typename Record> bool Write(const std::vector<Record> &items, const std::string &folder) {
    orvane::BasicCatalog<Record> catalog;
    catalog.Items = items;
    const orvane::FileResult written = catalog.save(catalog.FilePath(folder));
    if (!written.ok)
        std::fprintf(stderr, "%s\n", written.error.c_str());
    return written.ok;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Использование: orvane-catalog-files ПАПКА\n");
        return 2;
    }
    const bool loads = Write(orvane::BuiltInFireLoads(), argv[1]);
    const bool densities = Write(orvane::BuiltInFireLoadDensities(), argv[1]);
    return loads && densities ? 0 : 1;
}
