#pragma once
// The fire load and fire load density catalogues: built-in lists, the user's files beside the
// program (UTF-16LE with BOM, CR LF, ";" fields, "." decimals) and the lists held in memory.

#include "catalogs/fire_load_records.h"
#include "core/file_io.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

inline constexpr const char *FireLoadsFileName = "FireLoads.csv";
inline constexpr const char *FLDensitiesFileName = "FLDensities.csv";

const std::vector<TFireLoad> &BuiltInFireLoads();
const std::vector<TFireLoadDensity> &BuiltInFireLoadDensities();

// The exhaust model's defaults: built-in fire load 15 and density 9 (1-based).
inline constexpr int DefaultFireLoadNumber = 15;
inline constexpr int DefaultFireLoadDensityNumber = 9;
const TFireLoad &DefaultFireLoad();
const TFireLoadDensity &DefaultFireLoadDensity();

// The text lines of a catalogue file. UTF-16LE with BOM is the format we write; a file edited by
// hand may come as UTF-8 (with or without BOM), Windows-1251 or BOM-less UTF-16LE. nullopt when
// the bytes are not text at all.
std::optional<std::vector<std::string>> DecodeCatalogLines(const std::string &bytes);

// One record from one line; a missing or unreadable number reads as 0.
TFireLoad ParseFireLoadLine(const std::string &line);
TFireLoadDensity ParseFireLoadDensityLine(const std::string &line);

// The whole file: BOM, one CR LF line per record.
std::string EncodeFireLoads(const std::vector<TFireLoad> &items);
std::string EncodeFireLoadDensities(const std::vector<TFireLoadDensity> &items);

// A catalogue list loaded once and kept in memory (with unsaved edits) for the whole run.
template <typename Record> class BasicCatalog {
public:
    std::vector<Record> Items;
    bool Modified = false;
    // The entry the selection dialog shows selected; kept across openings during the run.
    int CurrentIndex = 0;

    // Fills Items from the file, or with the built-in list when the file is missing or cannot be
    // read. Returns whether the file was read.
    bool load(const std::string &path);
    // Rewrites the file whole (atomically). On success Modified becomes false; on failure the
    // list stays modified in memory and the result names the file and the reason.
    FileResult save(const std::string &path);

    // The file existed but could not be read (the built-in list was loaded instead).
    bool LoadFailed() const { return loadFailed_; }
    // The warning about an unreadable file, handed out once so the dialog shows it only once.
    std::optional<std::string> takeLoadWarning();

    // The data folder (with or without a trailing delimiter) joined with the file name.
    static std::string FilePath(const std::string &dataFolder);
    static const char *FileName();

private:
    bool loadFailed_ = false;
    bool warningTaken_ = false;
    std::string readFailure_; // why the file could not be read, when it could not
};

using FireLoadCatalog = BasicCatalog<TFireLoad>;
using FireLoadDensityCatalog = BasicCatalog<TFireLoadDensity>;

extern template class BasicCatalog<TFireLoad>;
extern template class BasicCatalog<TFireLoadDensity>;

} // namespace orvane
