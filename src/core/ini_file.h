#pragma once
// A small INI reader/writer that reads and writes what Windows programs write: Windows-1251 on
// disk, CR LF (LF accepted), sections and keys case-insensitive, first occurrence wins.
// Values are held as UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane {

class IniFile {
public:
    // Parse file bytes (Windows-1251; a UTF-8 BOM marks UTF-8). Never fails.
    static IniFile FromBytes(std::string_view bytes);

    bool hasSection(std::string_view section) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    // Sets a key: rewritten in place when present, appended to its section otherwise
    // (the section is appended to the file when new).
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    std::vector<std::string> sectionNames() const;

    // Windows-1251 bytes, CR LF, no blank lines. Fails (nullopt, `error` set) when a value
    // has a character that Windows-1251 cannot hold.
    std::optional<std::string> toBytes(std::string *error = nullptr) const;

    // Text placed before the first section when written (for example a comment header),
    // already in its final byte form.
    void setPreamble(std::string bytes) { preamble_ = std::move(bytes); }

private:
    struct Entry {
        std::string key;
        std::string value;
        bool raw = false; // a line without "=" (a comment), kept as written
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section *findSection(std::string_view name) const;
    Section *findSection(std::string_view name);
    Section &appendSection(std::string name);
    std::string preamble_;
    std::vector<Section> sections_;
    // the folded name of each section to the first section of that name: a project with
    // hundreds of sections is read with one look-up per key, not a scan
    std::unordered_map<std::u16string, size_t> index_;
};

// Reads a real written with "." or ","; the default when absent, empty or not a number.
double ReadIniReal(const IniFile &ini, std::string_view section, std::string_view key,
                   double fallback);
// A strict decimal integer of a file ("12", "+3", "-2"; blanks around it allowed).
std::optional<int> ParseIniInt(std::string_view text);
// ParseIniInt of the key's value; the default when absent or not such an integer.
int ReadIniInt(const IniFile &ini, std::string_view section, std::string_view key, int fallback);
// The key's text when it is there but holds no number of the kind asked for ("17.5" for an
// integer, "5o" for a real): a loader shows such a text in its field as read, so it is flagged
// and refused rather than replaced by a default without a word. nullopt when the key is absent,
// empty or a number.
std::optional<std::string> UnreadableNumber(const IniFile &ini, std::string_view section,
                                            std::string_view key, bool integer);

} // namespace orvane
