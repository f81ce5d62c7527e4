#include "core/number_text.h"

#include "core/field_check.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

namespace orvane {

namespace {

char g_separator = ',';

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value as decimal digits: |x| = 0.d1d2d3... x 10^exp. Empty digits mean zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exp = 0;
};

// Splits printf's "d.ddddde+XX" into digits and the exponent of the 0.d form.
void ParseScientific(const char *text, std::string &digits, int &exp) {
    digits.clear();
    const char *p = text;
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (IsDigit(*p))
            digits.push_back(*p);
    }
    int e = 0;
    if (*p == 'e')
        e = std::atoi(p + 1);
    exp = e + 1;
}

std::string PrintScientific(long double v, int precision) {
    std::vector<char> buf(static_cast<size_t>(precision) + 64);
    int n = std::snprintf(buf.data(), buf.size(), "%.*Le", precision, v);
    if (n >= static_cast<int>(buf.size())) {
        buf.resize(static_cast<size_t>(n) + 1);
        std::snprintf(buf.data(), buf.size(), "%.*Le", precision, v);
    }
    return std::string(buf.data());
}

// |v| rounded half away from zero to the significant digits `keep(exp)` asks for, where exp is
// the exponent of the unrounded value. The rounding works on the exact decimal expansion: a short
// printout decides unless it shows a possible tie, which the exact expansion then settles.
template <class Keep> Decimal RoundDecimal(long double v, Keep keep) {
    Decimal d;
    d.negative = std::signbit(v);
    v = std::fabs(v);
    if (v == 0)
        return d;
    constexpr int kShort = 40;
    std::string digits;
    int exp = 0;
    ParseScientific(PrintScientific(v, kShort).c_str(), digits, exp);
    int n = keep(exp);
    if (n < 0)
        return d;
    if (n < static_cast<int>(digits.size())) {
        bool maybeTie =
            digits[static_cast<size_t>(n)] == '5' &&
            digits.find_first_not_of('0', static_cast<size_t>(n) + 1) == std::string::npos;
        if (maybeTie) {
            // v = M * 2^(E-64) with a 64-bit M: its exact expansion has at most 64 - E
            // fractional digits after at most E * log10(2) + 1 integer digits.
            int E = 0;
            std::frexp(v, &E);
            const int exact = std::max(0, 64 - E) + std::max(0, E) * 30103 / 100000 + 3;
            ParseScientific(PrintScientific(v, exact).c_str(), digits, exp);
            n = keep(exp);
        }
    }
    if (n < static_cast<int>(digits.size())) {
        bool up = digits[static_cast<size_t>(n)] >= '5';
        digits.resize(static_cast<size_t>(n));
        if (up) {
            int i = n - 1;
            while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
                digits[static_cast<size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[static_cast<size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++exp;
            }
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    d.digits = digits;
    d.exp = digits.empty() ? 0 : exp;
    return d;
}

// Fast path for doubles. The shortest round-trip digits D of a value v lie within half an ulp
// of it. Rounding to n <= 15 significant digits, D and v can only round apart when a midpoint of
// the n-digit grid lies between them; such a midpoint (n + 1 digits) would round-trip too, so it
// can only be D itself. Then the exact value decides, compared in integers.

constexpr int kFastMaxDigits = 15;

struct Shortest {
    char digits[24];
    int count = 0; // no trailing zeros
    int exp = 0;   // of the 0.d form
};

void ShortestOf(double v, Shortest &s) {
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const char *p = buf;
    s.count = 0;
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (IsDigit(*p))
            s.digits[s.count++] = *p;
    }
    int e = 0;
    if (p != res.ptr) {
        ++p;
        if (*p == '+')
            ++p;
        std::from_chars(p, res.ptr, e);
    }
    while (s.count > 1 && s.digits[s.count - 1] == '0')
        --s.count;
    s.exp = e + 1;
}

using U128 = unsigned __int128;

// |v| = f * 2^e with an integer f.
void Decompose(double v, uint64_t &f, int &e) {
    const auto bits = std::bit_cast<uint64_t>(v);
    const auto field = static_cast<int>((bits >> 52) & 0x7FF);
    f = bits & ((uint64_t{1} << 52) - 1);
    if (field == 0) {
        e = -1074;
    } else {
        f |= uint64_t{1} << 52;
        e = field - 1075;
    }
}

int BitLength(U128 v) {
    const auto high = static_cast<uint64_t>(v >> 64);
    if (high != 0)
        return 128 - __builtin_clzll(high);
    const auto low = static_cast<uint64_t>(v);
    return low != 0 ? 64 - __builtin_clzll(low) : 0;
}

// v >> shift rounded to nearest, ties to even.
U128 ShiftRoundHalfEven(U128 v, int shift) {
    if (shift <= 0)
        return v;
    if (shift >= 128)
        return 0; // v < 2^127 here, below half of 2^128
    const U128 rest = v & ((U128{1} << shift) - 1);
    const U128 half = U128{1} << (shift - 1);
    v >>= shift;
    if (rest > half || (rest == half && (v & 1) != 0))
        ++v;
    return v;
}

// |x| * 10^decimals to the nearest whole unit, ties to even, computed as the extended-precision
// product and rounding do (a 64-bit significand rounded to nearest, then the whole number), but
// in integers. False when the units reach `limit` or the decimals are out of range.
bool BankerUnits(double x, int decimals, uint64_t limit, uint64_t &units) {
    if (decimals < 0 || decimals > 19)
        return false;
    uint64_t f = 0;
    int e = 0;
    Decompose(x, f, e);
    U128 p = f; // < 2^53, times 10^19 < 2^64
    for (int i = 0; i < decimals; ++i)
        p *= 10;
    const int excess = BitLength(p) - 64;
    if (excess > 0) {
        p = ShiftRoundHalfEven(p, excess);
        e += excess;
    }
    if (e >= 0) {
        if (p != 0 && (e >= 64 || p > (U128{limit} >> e)))
            return false;
        p <<= e;
    } else {
        p = ShiftRoundHalfEven(p, -e);
    }
    if (p >= limit)
        return false;
    units = static_cast<uint64_t>(p);
    return true;
}

// Sign of x * 2^k - y.
int CompareScaled(U128 x, int k, U128 y) {
    if (k >= 0) {
        if (k >= 120)
            return x != 0 ? 1 : (y != 0 ? -1 : 0);
        const U128 yq = y >> k;
        if (x != yq)
            return x > yq ? 1 : -1;
        return y - (yq << k) != 0 ? -1 : 0;
    }
    const int j = -k;
    if (j >= 120)
        return y != 0 ? -1 : (x != 0 ? 1 : 0);
    const U128 xq = x >> j;
    if (xq != y)
        return xq > y ? 1 : -1;
    return x - (xq << j) != 0 ? 1 : 0;
}

// Sign of v - m * 10^q for a positive normal double v; false when the powers grow too large.
bool CompareExact(double v, uint64_t m, int q, int &sign) {
    constexpr int kMaxPower5 = 27; // 5^27 < 2^63
    const int p = q < 0 ? -q : q;
    if (p > kMaxPower5)
        return false;
    uint64_t pow5 = 1;
    for (int i = 0; i < p; ++i)
        pow5 *= 5;
    uint64_t f = 0;
    int e = 0;
    Decompose(v, f, e);
    if (q >= 0) // f * 2^e  vs  (m * 5^q) * 2^q
        sign = CompareScaled(f, e - q, static_cast<U128>(m) * pow5);
    else // f * 5^p * 2^(e + p)  vs  m
        sign = CompareScaled(static_cast<U128>(f) * pow5, e + p, m);
    return true;
}

bool IsPowerOfTen(double v) {
    double p = 1;
    for (int i = 0; i <= 22; ++i, p *= 10) { // 10^22 is the last exact one
        if (v == p)
            return true;
    }
    return false;
}

// Rounds like RoundDecimal for a double; false when only the exact expansion can tell.
template <class Keep> bool RoundDecimalFast(double x, Keep keep, Decimal &d) {
    d.negative = std::signbit(x);
    d.digits.clear();
    d.exp = 0;
    const double v = std::fabs(x);
    if (v == 0)
        return true;
    // guard: a subnormal's shortest digits may lie far from its exact value
    if (!(v >= std::numeric_limits<double>::min()))
        return false;
    Shortest s;
    ShortestOf(v, s);
    // "1" may stand for a value just below the power of ten, whose own exponent is one less
    if (s.count == 1 && s.digits[0] == '1' && !IsPowerOfTen(v))
        return false;
    const int n = keep(s.exp);
    if (n > kFastMaxDigits)
        return false;
    if (n < 0)
        return true;
    int exp = s.exp;
    int count = s.count;
    if (count > n) {
        bool up = s.digits[n] >= '5';
        if (count == n + 1 && s.digits[n] == '5') {
            uint64_t m = 0;
            for (int i = 0; i < count; ++i)
                m = m * 10 + static_cast<uint64_t>(s.digits[i] - '0');
            int sign = 0;
            if (!CompareExact(v, m, exp - count, sign))
                return false;
            up = sign >= 0; // a tie goes away from zero
        }
        count = n;
        if (up) {
            int i = n - 1;
            while (i >= 0 && s.digits[i] == '9')
                --i;
            if (i >= 0) {
                ++s.digits[i];
                count = i + 1;
            } else {
                s.digits[0] = '1';
                count = 1;
                ++exp;
            }
        }
    }
    while (count > 0 && s.digits[count - 1] == '0')
        --count;
    if (count > 0) {
        d.digits.assign(s.digits, static_cast<size_t>(count));
        d.exp = exp;
    }
    return true;
}

void CheckFinite(long double x) {
    if (!std::isfinite(x))
        throw NonFiniteValue();
}

std::string WriteFixedDigits(const Decimal &d, int minDecimals) {
    std::string out;
    if (d.negative && !d.digits.empty())
        out.push_back('-');
    const int count = static_cast<int>(d.digits.size());
    std::string fraction;
    if (d.exp <= 0) {
        out.push_back('0');
        fraction.assign(static_cast<size_t>(-d.exp), '0');
        fraction += d.digits;
    } else {
        for (int i = 0; i < d.exp; ++i)
            out.push_back(i < count ? d.digits[static_cast<size_t>(i)] : '0');
        if (count > d.exp)
            fraction = d.digits.substr(static_cast<size_t>(d.exp));
    }
    if (static_cast<int>(fraction.size()) < minDecimals)
        fraction.append(static_cast<size_t>(minDecimals) - fraction.size(), '0');
    if (!fraction.empty()) {
        out.push_back(g_separator);
        out += fraction;
    }
    return out;
}

std::string WriteGeneral(const Decimal &d, int significant, int minExponentDigits) {
    if (d.digits.empty())
        return "0";
    if (d.exp >= -3 && d.exp <= significant)
        return WriteFixedDigits(d, 0);
    std::string out;
    if (d.negative)
        out.push_back('-');
    out.push_back(d.digits[0]);
    if (d.digits.size() > 1) {
        out.push_back(g_separator);
        out.append(d.digits, 1);
    }
    out.push_back('E');
    int e = d.exp - 1;
    if (e < 0)
        out.push_back('-');
    std::string ed = std::to_string(e < 0 ? -e : e);
    if (static_cast<int>(ed.size()) < minExponentDigits)
        ed.insert(0, static_cast<size_t>(minExponentDigits) - ed.size(), '0');
    out += ed;
    return out;
}

std::string GeneralOf(long double x, int significant, int minExponentDigits = 1) {
    CheckFinite(x);
    // The short printout holds 41 digits: enough to round to at most 40.
    significant = std::clamp(significant, 1, 40);
    Decimal d = RoundDecimal(x, [significant](int) { return significant; });
    return WriteGeneral(d, significant, minExponentDigits);
}

std::string GeneralOfDouble(double x, int significant) {
    CheckFinite(x);
    significant = std::clamp(significant, 1, 40);
    const auto keep = [significant](int) { return significant; };
    Decimal d;
    if (!RoundDecimalFast(x, keep, d))
        d = RoundDecimal(x, keep);
    return WriteGeneral(d, significant, 1);
}

// Fixed form with 6 significant digits and `decimals` places; the exponent form beyond 6 integer
// digits.
std::string FixedOf(double x, int decimals) {
    CheckFinite(x);
    constexpr int kPrecision = 6;
    const auto keep = [decimals](int exp) {
        return exp + decimals < kPrecision ? exp + decimals : kPrecision;
    };
    Decimal d;
    if (!RoundDecimalFast(x, keep, d))
        d = RoundDecimal(x, keep);
    if (d.exp > kPrecision)
        return WriteGeneral(d, kPrecision, 2);
    return WriteFixedDigits(d, decimals);
}

// Nearest integer, halves to the even one, exact for every long double.
long double RoundHalfEvenLD(long double v) {
    if (!std::isfinite(v))
        return v;
    long double f = std::floor(v);
    long double diff = v - f; // exact: f and v share the exponent range
    if (diff > 0.5L)
        return f + 1;
    if (diff < 0.5L)
        return f;
    return std::fmod(f, 2.0L) == 0 ? f : f + 1;
}

long double RoundDecimalsLD(double x, int decimals) {
    long double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    long double reciprocal = 1.0L / scale;
    return RoundHalfEvenLD(static_cast<long double>(x) * scale) * reciprocal;
}

std::string FormatBanker(double x, int decimals) {
    CheckFinite(x);
    // Below 10^15 units the result units / 10^decimals has at most 15 digits, and the extended
    // product that stands for it is off by ~1e-19 relative: its 15-digit rounding is exactly it.
    constexpr uint64_t kExactUnits = 1000000000000000;
    uint64_t units = 0;
    if (!BankerUnits(x, decimals, kExactUnits, units))
        return GeneralOf(RoundDecimalsLD(x, decimals), 15);
    if (units == 0)
        return "0";
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, units);
    const int count = static_cast<int>(res.ptr - buf);
    int kept = count;
    while (buf[kept - 1] == '0')
        --kept;
    Decimal d;
    d.negative = std::signbit(x);
    d.digits.assign(buf, static_cast<size_t>(kept));
    d.exp = count - decimals;
    return WriteGeneral(d, 15, 1);
}

} // namespace

void SetDecimalSeparator(char separator) {
    g_separator = separator == '.' ? '.' : ',';
}

char DecimalSeparator() {
    return g_separator;
}

std::string SanitizeNumberText(std::string_view text) {
    std::string out;
    bool separatorSeen = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            out.push_back(c);
        } else if (c == '.' || c == ',') {
            if (!separatorSeen)
                out.push_back(g_separator);
            separatorSeen = true;
        } else if (c == '-' && i == 0) {
            out.push_back('-');
        }
    }
    if (out.empty())
        return "0";
    if (out == "-")
        return "-0";
    return out;
}

std::string SanitizeIntegerText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c) || (c == '-' && i == 0))
            out.push_back(c);
    }
    return out.empty() ? "0" : out;
}

std::string DigitsOnly(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (IsDigit(c))
            out.push_back(c);
    }
    return out.empty() ? "0" : out;
}

bool TryTextToReal(std::string_view text, double &value) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::string s;
    s.reserve(text.size());
    size_t start = 0;
    if (!text.empty() && text.front() == '+')
        start = 1;
    bool digitSeen = false;
    for (size_t i = start; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            digitSeen = true;
            s.push_back(c);
        } else if (c == g_separator) {
            s.push_back('.');
        } else if (c == '-' || c == '+' || c == 'e' || c == 'E') {
            s.push_back(c);
        } else {
            return false; // the other separator, letters, "inf", "nan"...
        }
    }
    if (!digitSeen)
        return false;
    double v = 0;
    const char *first = s.data();
    const char *last = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

double TextToReal(std::string_view sanitizedText) {
    double v = 0;
    return TryTextToReal(sanitizedText, v) ? v : 0.0;
}

double ReadRealInput(std::string_view text) {
    // a number as a field accepts it is read as it stands (an exponent included); anything else
    // is cleaned first, as every input step always did
    if (const std::optional<double> v = ParseRealText(text, true))
        return *v;
    return TextToReal(SanitizeNumberText(text));
}

bool TryTextToInt(std::string_view text, int &value) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    int v = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return false;
    value = v;
    return true;
}

std::string FormatGeneral(double x, int significant) {
    return GeneralOfDouble(x, significant);
}

std::string FormatFixed2(double x) {
    return FixedOf(x, 2);
}
std::string FormatFixed4(double x) {
    return FixedOf(x, 4);
}

std::string F62(double x) {
    return FormatBanker(x, 2);
}
std::string F63(double x) {
    return FormatBanker(x, 3);
}
std::string F64(double x) {
    return FormatBanker(x, 4);
}
std::string F66(double x) {
    return FormatBanker(x, 6);
}

double RoundHalfEven(double x, int decimals) {
    return static_cast<double>(RoundDecimalsLD(x, decimals));
}

std::string FormatRoundedInt(double x) {
    CheckFinite(x);
    long double r = RoundHalfEvenLD(x);
    if (r == 0)
        return "0";
    if (std::fabs(r) < 1e18L) {
        char digits[24];
        const auto res = std::to_chars(digits, digits + sizeof digits, static_cast<int64_t>(r));
        return std::string(digits, res.ptr);
    }
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0Lf", r);
    return buf;
}

std::string FloatToDotStr(double x) {
    std::string s = FormatGeneral(x);
    for (char &c : s) {
        if (c == ',')
            c = '.';
    }
    return s;
}

bool IsZeroReal(double x) {
    return std::fabs(x) <= 1e-12;
}

std::string CsvField(std::string_view line, int n) {
    size_t pos = 0;
    for (int i = 0; i < n; ++i) {
        size_t next = line.find(';', pos);
        if (next == std::string_view::npos)
            return {};
        pos = next + 1;
    }
    size_t end = line.find(';', pos);
    return std::string(line.substr(pos, end == std::string_view::npos ? end : end - pos));
}

std::string SafeFileName(std::string_view text) {
    std::string out(text);
    for (char &c : out) {
        switch (c) {
        case '"':
        case '*':
        case '/':
        case ':':
        case '<':
        case '>':
        case '?':
        case '\\':
        case '|':
            c = ' ';
            break;
        default:
            break;
        }
    }
    return out;
}

std::string ParentFolder(std::string_view path) {
#ifdef _WIN32
    const std::string_view delimiters = "\\/"; // Windows takes either between folders
#else
    const std::string_view delimiters = "/";
#endif
    if (!path.empty() && delimiters.find(path.back()) != std::string_view::npos)
        path.remove_suffix(1);
    size_t last = path.find_last_of(delimiters);
    if (last == std::string_view::npos)
        return {};
    return std::string(path.substr(0, last + 1));
}

char PathDelimiter() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

} // namespace orvane

namespace orvane {

std::string EditNumberText(double v) {
    if (!std::isfinite(v))
        return "0";
    const std::string general = FormatGeneral(v);
    if (general.find_first_of("Ee") == std::string::npos)
        return general;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v)); // d.dddddddddddddde±x
    const std::string_view e(buf);
    const auto ePos = e.find('e');
    std::string digits = std::string(e.substr(0, 1)) + std::string(e.substr(2, ePos - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(buf + ePos + 1);
    std::string text = v < 0 ? "-" : "";
    if (exponent < 0)
        text += "0" + std::string(1, DecimalSeparator()) +
                std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    else
        text += digits + std::string(static_cast<size_t>(exponent + 1) - digits.size(), '0');
    return text;
}

} // namespace orvane
