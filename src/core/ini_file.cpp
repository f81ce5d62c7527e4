#include "core/ini_file.h"

#include "core/codepage.h"
#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace orvane {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Lower case for ASCII and the Cyrillic letters (UTF-8), the letters names are made of.
std::u16string Folded(std::string_view s) {
    std::u16string u = Utf8ToUtf16(s);
    for (char16_t &c : u) {
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
        else if (c >= 0x0410 && c <= 0x042F)
            c = static_cast<char16_t>(c + 0x20);
        else if (c == 0x0401)
            c = 0x0451;
    }
    return u;
}

bool IsSectionLine(std::string_view trimmed) {
    return !trimmed.empty() && trimmed.front() == '[' && trimmed.find(']') != std::string::npos;
}

// The lines before the first section, byte for byte with CR LF ends. A Windows-1251 header is
// kept as read: decoding and encoding it again would change a byte that has no character.
std::string RawHeader(std::string_view bytes) {
    std::string header;
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t end = bytes.find('\n', pos);
        std::string_view line =
            bytes.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? bytes.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (IsSectionLine(Trim(line)))
            break;
        header += line;
        header += "\r\n";
    }
    return header;
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) & 0x80)
            return false;
    return true;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() == b.size()) {
        bool ascii = true;
        size_t i = 0;
        for (; i < a.size(); ++i) {
            if ((static_cast<unsigned char>(a[i]) | static_cast<unsigned char>(b[i])) & 0x80) {
                ascii = false;
                break;
            }
            if (LowerAscii(a[i]) != LowerAscii(b[i]))
                return false;
        }
        if (ascii)
            return true;
    } else if (IsAscii(a) && IsAscii(b)) {
        return false; // the usual lookup ("Shaft12" against "Project"), without folding
    }
    return Folded(a) == Folded(b);
}

} // namespace

IniFile IniFile::FromBytes(std::string_view bytes) {
    IniFile ini;
    std::string text;
    const bool utf8 = bytes.substr(0, 3) == "\xEF\xBB\xBF";
    if (utf8)
        text = std::string(bytes.substr(3));
    else
        text = Cp1251ToUtf8(bytes);
    std::string preamble;
    Section *current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        std::string_view line(text);
        line = line.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view trimmed = Trim(line);
        if (IsSectionLine(trimmed)) {
            std::string_view name = Trim(trimmed.substr(1, trimmed.find(']') - 1));
            current = &ini.appendSection(std::string(name));
            continue;
        }
        if (current == nullptr) {
            // Lines before the first section are the file's header: kept, never looked up.
            preamble += line;
            preamble += "\r\n";
            continue;
        }
        if (trimmed.empty())
            continue;
        size_t eq = trimmed.find('=');
        if (eq == std::string_view::npos) {
            current->entries.push_back(Entry{std::string(trimmed), {}, true});
            continue;
        }
        current->entries.push_back(Entry{std::string(Trim(trimmed.substr(0, eq))),
                                         std::string(Trim(trimmed.substr(eq + 1))), false});
    }
    if (!preamble.empty() && !utf8) {
        ini.preamble_ = RawHeader(bytes);
    } else if (!preamble.empty()) {
        std::optional<std::string> bytesForm = Utf8ToCp1251(preamble);
        ini.preamble_ = bytesForm ? *bytesForm : preamble;
        // a header kept as UTF-8 must not open with the mark: the file written is Windows-1251
        while (ini.preamble_.compare(0, 3, "\xEF\xBB\xBF") == 0)
            ini.preamble_.erase(0, 3);
    }
    return ini;
}

// Folded names are equal exactly when SameName holds, so the index finds what a scan would.
const IniFile::Section *IniFile::findSection(std::string_view name) const {
    const auto found = index_.find(Folded(name));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section *IniFile::findSection(std::string_view name) {
    const auto found = index_.find(Folded(name));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section &IniFile::appendSection(std::string name) {
    // a repeated section is kept for writing; look-ups go on finding the first
    index_.try_emplace(Folded(name), sections_.size());
    sections_.push_back(Section{std::move(name), {}});
    return sections_.back();
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section *s = findSection(section);
    if (s == nullptr)
        return std::nullopt;
    for (const Entry &e : s->entries) {
        if (!e.raw && SameName(e.key, key))
            return e.value;
    }
    return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    std::optional<std::string> v = value(section, key);
    return v ? *v : std::string(fallback);
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    Section *s = findSection(section);
    if (s == nullptr)
        s = &appendSection(std::string(section));
    for (Entry &e : s->entries) {
        if (!e.raw && SameName(e.key, key)) {
            e.value = std::string(value);
            return;
        }
    }
    s->entries.push_back(Entry{std::string(key), std::string(value), false});
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section &s : sections_)
        names.push_back(s.name);
    return names;
}

std::optional<std::string> IniFile::toBytes(std::string *error) const {
    std::string out = preamble_;
    std::string bad;
    auto append = [&](const std::string &utf8, const std::string &where) {
        std::optional<std::string> b = Utf8ToCp1251(utf8, &bad);
        if (!b) {
            if (error) {
                *error = "Символ «" + (IsValidUtf8(bad) ? bad : std::string("?")) + "» " + where +
                         " нельзя сохранить в кодировке Windows-1251.";
            }
            return false;
        }
        out += *b;
        return true;
    };
    for (const Section &s : sections_) {
        if (!append("[" + s.name + "]\r\n", "в имени раздела [" + PrintableText(s.name) + "]"))
            return std::nullopt;
        for (const Entry &e : s.entries) {
            const std::string line = e.raw ? e.key : e.key + "=" + e.value;
            if (!append(line + "\r\n", "в значении " + PrintableText(e.key) + " раздела [" +
                                           PrintableText(s.name) + "]"))
                return std::nullopt;
        }
    }
    return out;
}

double ReadIniReal(const IniFile &ini, std::string_view section, std::string_view key,
                   double fallback) {
    std::string text = ini.readString(section, key);
    if (text.empty())
        return fallback;
    const char separator = DecimalSeparator();
    for (char &c : text) {
        if (c == '.' || c == ',')
            c = separator;
    }
    double v = 0;
    return TryTextToReal(text, v) ? v : fallback;
}

} // namespace orvane

namespace orvane {

std::optional<int> ParseIniInt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size())
        return std::nullopt;
    return v;
}

int ReadIniInt(const IniFile &ini, std::string_view section, std::string_view key, int fallback) {
    const std::optional<std::string> text = ini.value(section, key);
    return text ? ParseIniInt(*text).value_or(fallback) : fallback;
}

std::optional<std::string> UnreadableNumber(const IniFile &ini, std::string_view section,
                                            std::string_view key, bool integer) {
    std::optional<std::string> text = ini.value(section, key);
    if (!text || text->find_first_not_of(" \t") == std::string::npos)
        return std::nullopt;
    if (integer ? ParseIniInt(*text).has_value()
                : !std::isnan(ReadIniReal(ini, section, key, std::nan(""))))
        return std::nullopt;
    return text;
}

} // namespace orvane
