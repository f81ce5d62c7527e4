#pragma once
// One row of a module's field table: what an input control holds, where a project file keeps
// it, what a new window shows and what a file without the key reads as, and how the window
// captions it. The table is the one place these facts are written.

#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "core/control_state.h"

namespace orvane {

enum class FieldKind {
    integer,       // digits
    signedInteger, // digits with a leading minus (floor numbers below ground)
    real,          // a decimal number
    text,          // a name
    choice,        // a combo box's item index
};

struct FieldSpec {
    ControlName control;
    FieldKind kind;
    std::string_view section; // project file section and key; empty when the file has none
    std::string_view key;
    std::optional<double> start;    // a new window's value; nullopt: the edit starts empty
    std::optional<double> fallback; // read when a project file lacks the key
    std::string_view caption;       // as the window shows it ("Длина, a:")
    std::string_view unit;          // "м", "°C"; empty for a pure number
    double min = -std::numeric_limits<double>::infinity(); // the range the method gives
    double max = std::numeric_limits<double>::infinity();
    bool minExclusive = false; // `min` itself is refused (a size the calculation divides by)
};

// A range's open upper end and its lower bound refused, spelled by name in a table row:
// {…, "м", 0, kNoMax, kAboveMin} accepts a number greater than 0.
inline constexpr double kNoMax = std::numeric_limits<double>::infinity();
inline constexpr bool kAboveMin = true;

// The row of `control`; a control without a row is a programming error caught by the tests.
constexpr const FieldSpec *FindField(std::span<const FieldSpec> table, ControlName control) {
    for (const FieldSpec &f : table)
        if (f.control == control)
            return &f;
    return nullptr;
}

// Absolute zero, °C: a temperature field holds only temperatures above it.
inline constexpr double kAbsoluteZeroC = -273.15;

} // namespace orvane
