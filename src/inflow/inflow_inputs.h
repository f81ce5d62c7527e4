#pragma once
// The state of the supply window's controls on all four variant pages: what a project file
// holds and what a run reads. Keys are the control names ("EditOGFloorQty", "rbLift").

#include <map>
#include <span>
#include <string>
#include <string_view>

namespace orvane::inflow {

struct InflowInputs {
    // Text of every edit, keyed by control name; a missing edit reads as "".
    std::map<std::string, std::string, std::less<>> edits;
    // Radio buttons, keyed by control name; a missing button reads as unchecked.
    std::map<std::string, bool, std::less<>> checks;
    // Item index of every combo box: cbWinPenetrationVar, cbLiftUnit1..3.
    std::map<std::string, int, std::less<>> combos;

    std::string text(std::string_view control) const;
    void setText(std::string_view control, std::string value);
    bool isChecked(std::string_view control) const;
    // Checks a radio button and clears the others of its group.
    void check(std::string_view control);
    // Checks `first` when `value`, else `second` (the radio pairs of the conditions).
    void checkPair(std::string_view first, std::string_view second, bool value);
    int comboIndex(std::string_view combo) const; // -1 when the combo is not known
    void setComboIndex(std::string_view combo, int index);

    // The window as it starts: every page's start value, empty edits where the window leaves
    // them empty, the first radio button of each group as designed, combo items selected.
    static InflowInputs Defaults();
};

// The radio groups of the window. A group's buttons exclude one another.
std::span<const std::string_view> RadioGroupOf(std::string_view control);

inline constexpr std::string_view kVariantRadios[] = {"rbOverGndStair", "rbUnderGndStair", "rbLift",
                                                      "rbTambour"};
inline constexpr std::string_view kLiftMethodRadios[] = {"rbLiftMethodOpening", "rbLiftMethodSlot",
                                                         "rbLiftMethodClosed"};
inline constexpr std::string_view kTmbrVariantRadios[] = {"rbTmbrVar1", "rbTmbrVar2", "rbTmbrVar3"};

// The lift page's three gap rows: area edit, unit combo ("μ" / "ξ+1"), value edit.
struct LiftGapControls {
    std::string_view area;
    std::string_view unit;
    std::string_view value;
};
inline constexpr LiftGapControls kLiftGapControls[3] = {
    {"EditLiftFmu1", "cbLiftUnit1", "EditLiftUnit1Value"},
    {"EditLiftFmu2", "cbLiftUnit2", "EditLiftUnit2Value"},
    {"EditLiftFmu3", "cbLiftUnit3", "EditLiftUnit3Value"},
};

} // namespace orvane::inflow
