#pragma once
// What a number field accepts, checked on the text as typed or read from a file: nothing is
// stripped or rewritten, a text is either a number of the field's kind and range or refused
// with a sentence saying what is expected.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/field_spec.h"

namespace orvane {

// The number a field's text holds, or nullopt when the text is not one.
//  real: digits with at most one decimal separator ("," or "." whatever the locale), a leading
//        minus when `allowMinus`, an exponent ("1,5E-5"); spaces around are ignored.
//  integer: digits, a leading minus when `allowMinus`, within 32 bits.
std::optional<double> ParseRealText(std::string_view text, bool allowMinus);
std::optional<double> ParseIntegerText(std::string_view text, bool allowMinus);

// What a number may be: its kind and range, whether the lower bound itself is refused
// (a value the calculation divides by) and whether an empty text stands for "not given".
struct NumberRule {
    FieldKind kind = FieldKind::real;
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
    bool minExclusive = false;
    bool emptyAllowed = false;
};

// A field's rule: its table range; an edit that starts empty may stay empty.
NumberRule RuleOf(const FieldSpec &field);

// True when `text` is acceptable under `rule` (text and choice fields always are).
bool IsValidNumberText(const NumberRule &rule, std::string_view text);
// True when the number `value` lies in the range of `rule` (a number read by other means, such as
// a project file's key).
bool IsInRange(const NumberRule &rule, double value);
// What is expected, lower-case, in the report's decimal separator: "целое число от 1 до 300",
// "число не меньше -273,15", "число больше 0".
std::string ExpectedText(const NumberRule &rule);
// The same as a tooltip begins it: "Целое число от 1 до 300".
std::string ExpectedTip(const NumberRule &rule);

// A field's caption as a message names it: one line, without the trailing colon and the symbol
// after the last comma ("Число надземных этажей, Nнэ:" -> "Число надземных этажей").
std::string FieldTitle(std::string_view caption);

// "Поле «Число надземных этажей»: нужно целое число от 1 до 300, введено «17.5»."
std::string InvalidFieldMessage(const FieldSpec &field, std::string_view text);
// The same for a field known by its caption and rule alone (the catalogue dialogs).
std::string InvalidTextMessage(std::string_view caption, const NumberRule &rule,
                               std::string_view text);
// The batch calculator's form, naming where the project file keeps the value:
// "Поле «…» ([Building] FloorQty): нужно …, в файле «17.5»."
std::string InvalidFileValueMessage(const FieldSpec &field, std::string_view text);
// The same for any value of a project file, `subject` naming it ("Поле «…»",
// "Участок сети 3, поле «…»"): "<subject> ([Section] Key): нужно …, в файле «…»."
std::string InvalidFileTextMessage(std::string_view subject, const NumberRule &rule,
                                   std::string_view section, std::string_view key,
                                   std::string_view text);

struct FieldProblem {
    const FieldSpec *field = nullptr;
    std::string text;
};

// The first of `controls` (in their order) whose text in `state` is not valid for its row of
// `table`; controls without a number row are skipped.
std::optional<FieldProblem> FirstInvalidField(std::span<const FieldSpec> table,
                                              const ControlState &state,
                                              std::span<const ControlName> controls);

// A new window's values: every field of `table` set to its start value (an edit without one
// starts empty, a combo without one on its first item).
void SetStartValues(ControlState &state, std::span<const FieldSpec> table);

// The longest name or free text a project holds (the project's and the system's names, a
// segment's name, a fire load's name), in characters: far above any real name, and short enough
// for a report's pages to lay it out at once. The windows' edits take no more; a project file
// with a longer one is refused, and a project holding one is not saved.
inline constexpr size_t kMaxTextLength = 1000;

// The characters of UTF-8 text (the bytes that begin one).
size_t TextLength(std::string_view utf8);

// A project file's text longer than kMaxTextLength, refused in the form of the file's other
// values: "Поле «Наименование проекта» ([Project] Name): нужен текст не длиннее 1000 знаков,
// в файле 200000 знаков." nullopt when it fits.
std::optional<std::string> TooLongFileText(std::string_view caption, std::string_view section,
                                           std::string_view key, std::string_view text);

} // namespace orvane
