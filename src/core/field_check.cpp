#include "core/field_check.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

#include "core/codepage.h"
#include "core/number_text.h"

namespace orvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Integer fields hold counts: no minus unless the kind says so.
double LowestOf(const NumberRule &rule) {
    return rule.kind == FieldKind::integer ? std::max(rule.min, 0.0) : rule.min;
}

bool InRange(const NumberRule &rule, double v) {
    const double lo = LowestOf(rule);
    if (rule.minExclusive ? !(v > lo) : !(v >= lo))
        return false;
    return v <= rule.max;
}

} // namespace

std::optional<double> ParseRealText(std::string_view text, bool allowMinus) {
    text = Trimmed(text);
    std::string s;
    s.reserve(text.size());
    size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        if (!allowMinus)
            return std::nullopt;
        s.push_back('-');
        ++i;
    }
    bool digits = false;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digits = true;
            s.push_back(c);
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
            s.push_back('.');
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        s.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            s.push_back(text[i++]);
        bool expDigits = false;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            expDigits = true;
            s.push_back(text[i]);
        }
        if (!expDigits)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<double> ParseIntegerText(std::string_view text, bool allowMinus) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '-' && !allowMinus)
        return std::nullopt;
    for (size_t i = 0; i < text.size(); ++i)
        if (!IsDigit(text[i]) && !(i == 0 && text[i] == '-'))
            return std::nullopt;
    int v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

NumberRule RuleOf(const FieldSpec &field) {
    NumberRule rule;
    rule.kind = field.kind;
    rule.min = field.min;
    rule.max = field.max;
    rule.minExclusive = field.minExclusive;
    rule.emptyAllowed = !field.start.has_value();
    return rule;
}

bool IsValidNumberText(const NumberRule &rule, std::string_view text) {
    if (rule.kind == FieldKind::text || rule.kind == FieldKind::choice)
        return true;
    if (Trimmed(text).empty())
        return rule.emptyAllowed;
    const bool allowMinus = LowestOf(rule) < 0;
    const std::optional<double> v = rule.kind == FieldKind::real
                                        ? ParseRealText(text, allowMinus)
                                        : ParseIntegerText(text, allowMinus);
    return v && InRange(rule, *v);
}

bool IsInRange(const NumberRule &rule, double value) {
    return std::isfinite(value) && InRange(rule, value);
}

std::string ExpectedText(const NumberRule &rule) {
    std::string out = rule.kind == FieldKind::real ? "число" : "целое число";
    const double lo = LowestOf(rule);
    const bool hasLo = std::isfinite(lo);
    const bool hasHi = std::isfinite(rule.max);
    if (hasLo && hasHi && !rule.minExclusive)
        out += " от " + FormatGeneral(lo) + " до " + FormatGeneral(rule.max);
    else if (hasLo && hasHi)
        out += " больше " + FormatGeneral(lo) + " и не больше " + FormatGeneral(rule.max);
    else if (hasLo)
        out += (rule.minExclusive ? " больше " : " не меньше ") + FormatGeneral(lo);
    else if (hasHi)
        out += " не больше " + FormatGeneral(rule.max);
    if (rule.emptyAllowed)
        out += " или пустое поле";
    return out;
}

std::string ExpectedTip(const NumberRule &rule) {
    std::string out = ExpectedText(rule);
    // both openings are two-byte Cyrillic letters: "ч" -> "Ч", "ц" -> "Ц"
    if (out.rfind("число", 0) == 0)
        out.replace(0, 2, "Ч");
    else if (out.rfind("целое", 0) == 0)
        out.replace(0, 2, "Ц");
    return out;
}

std::string FieldTitle(std::string_view caption) {
    std::string title(caption);
    for (char &c : title)
        if (c == '\n')
            c = ' ';
    while (!title.empty() && (title.back() == ':' || title.back() == ' '))
        title.pop_back();
    const size_t comma = title.rfind(", ");
    if (comma != std::string::npos) {
        std::string_view symbol = std::string_view(title).substr(comma + 2);
        symbol = symbol.substr(0, symbol.find(" ("));
        if (!symbol.empty() && symbol.find(' ') == std::string_view::npos)
            title.erase(comma);
    }
    return title;
}

namespace {
std::string Found(std::string_view text, std::string_view where) {
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return ", поле не заполнено.";
    return ", " + std::string(where) + " «" + PrintableText(text) + "».";
}
} // namespace

std::string InvalidTextMessage(std::string_view caption, const NumberRule &rule,
                               std::string_view text) {
    return "Поле «" + FieldTitle(caption) + "»: нужно " + ExpectedText(rule) +
           Found(text, "введено");
}

std::string InvalidFieldMessage(const FieldSpec &field, std::string_view text) {
    return InvalidTextMessage(field.caption, RuleOf(field), text);
}

std::string InvalidFileValueMessage(const FieldSpec &field, std::string_view text) {
    return InvalidFileTextMessage("Поле «" + FieldTitle(field.caption) + "»", RuleOf(field),
                                  field.section, field.key, text);
}

std::string InvalidFileTextMessage(std::string_view subject, const NumberRule &rule,
                                   std::string_view section, std::string_view key,
                                   std::string_view text) {
    return std::string(subject) + " ([" + std::string(section) + "] " + std::string(key) +
           "): нужно " + ExpectedText(rule) + Found(text, "в файле");
}

std::optional<FieldProblem> FirstInvalidField(std::span<const FieldSpec> table,
                                              const ControlState &state,
                                              std::span<const ControlName> controls) {
    for (ControlName control : controls) {
        const FieldSpec *field = FindField(table, control);
        if (!field)
            continue;
        const std::string text = state.Text(control);
        if (!IsValidNumberText(RuleOf(*field), text))
            return FieldProblem{field, text};
    }
    return std::nullopt;
}

void SetStartValues(ControlState &state, std::span<const FieldSpec> table) {
    for (const FieldSpec &f : table) {
        if (f.kind == FieldKind::choice)
            state.SetComboIndex(f.control, static_cast<int>(f.start.value_or(0)));
        else
            state.SetText(f.control, f.start ? FormatGeneral(*f.start) : std::string());
    }
}

size_t TextLength(std::string_view utf8) {
    size_t characters = 0;
    for (char c : utf8)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return characters;
}

namespace {
// "1 знак", "2 знака", "5 знаков", "21 знак", "1000 знаков"
std::string Characters(size_t n) {
    const size_t last = n % 10;
    const bool teens = n % 100 >= 11 && n % 100 <= 14;
    const char *word = "знаков";
    if (last == 1 && !teens)
        word = "знак";
    else if (last >= 2 && last <= 4 && !teens)
        word = "знака";
    return std::to_string(n) + " " + word;
}
} // namespace

std::optional<std::string> TooLongFileText(std::string_view caption, std::string_view section,
                                           std::string_view key, std::string_view text) {
    const size_t length = TextLength(text);
    if (length <= kMaxTextLength)
        return std::nullopt;
    return "Поле «" + FieldTitle(caption) + "» ([" + std::string(section) + "] " +
           std::string(key) + "): нужен текст не длиннее " + Characters(kMaxTextLength) +
           ", в файле " + Characters(length) + ".";
}

} // namespace orvane
