#pragma once
// Number text: cleaning of typed numbers and the report/data-file number formats.
// Engine strings are UTF-8. The decimal separator is set once at start-up.

#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane {

// Raised by every report number format when asked to write NaN or infinity. The module's run
// catches it in one place, writes the "calculation interrupted" line and zeroes the duty point.
class NonFiniteValue : public std::runtime_error {
public:
    NonFiniteValue() : std::runtime_error("non-finite value") {}
};

void SetDecimalSeparator(char separator); // ',' or '.'
char DecimalSeparator();

std::string SanitizeNumberText(std::string_view text);
std::string SanitizeIntegerText(std::string_view text);
std::string DigitsOnly(std::string_view text);

// Locale-aware text-to-real conversion (the current separator; the whole text must be a number).
bool TryTextToReal(std::string_view text, double &value);
// Text of SanitizeNumberText to real; 0 when the conversion fails.
double TextToReal(std::string_view sanitizedText);
// Sanitises then converts: what every numeric input step does with an edit's text.
double ReadRealInput(std::string_view text);
// Integer conversion of SanitizeIntegerText/DigitsOnly text; false when outside 32 bits.
bool TryTextToInt(std::string_view text, int &value);

// The general format: up to `significant` digits (half away from zero), shortest form,
// fixed for exponents -3..15, else d,dddE-n. Throws NonFiniteValue for NaN/infinity.
std::string FormatGeneral(double x, int significant = 15);
// A number as an edit shows it: the general format, but never in exponent form, which the input
// steps would misread ("5E-4" cleans to 54); such values get fixed notation with the same 15
// significant digits. A value that is not finite shows as "0".
std::string EditNumberText(double x);
// Two (four) decimals always written ("0,50", "12,00"): the binary value rounded half away from
// zero ("0,13" for 0.125), at most 6 significant digits (the exponent form beyond: "1,23457E06").
// The supply module's report numbers.
std::string FormatFixed2(double x);
std::string FormatFixed4(double x);
// Up to 2 (3, 4, 6) decimals with trailing zeros dropped ("0,5", "12"): x·10^n rounded half to
// even in extended precision ("0,12" for 0.125), up to 15 significant digits. The exhaust
// module's report numbers. So F62 and FormatFixed2 part on ties and on the digits they write.
std::string F62(double x);
std::string F63(double x);
std::string F64(double x);
std::string F66(double x);
// Banker's rounding of x to `decimals` places in extended precision (the number behind F62..F66).
double RoundHalfEven(double x, int decimals);
// Whole-number text with halves to even ("17565"), for duty points.
std::string FormatRoundedInt(double x);
std::string FloatToDotStr(double x);
bool IsZeroReal(double x);

std::string CsvField(std::string_view line, int n);
std::string SafeFileName(std::string_view text);
// The folder above `path` (ignoring one trailing delimiter), with its trailing delimiter.
std::string ParentFolder(std::string_view path);
char PathDelimiter();

} // namespace orvane
