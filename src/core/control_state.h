#pragma once
// The state of a calculation window's controls, kept apart from the window: the text of every
// edit, the checked radio buttons and check boxes, the selected combo items. Project files read
// and write it, a run reads it, the window copies it to and from its widgets.

#include <iosfwd>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A control's name: the window widget's objectName and the key of its state. Names are made only
// in a module's control list (ORVANE_DECLARE_CONTROLS), so a misspelt name does not compile.
class ControlName {
public:
    constexpr explicit ControlName(std::string_view name) : name_(name) {}
    constexpr std::string_view View() const { return name_; }
    std::string Str() const { return std::string(name_); }
    friend constexpr bool operator==(ControlName a, ControlName b) { return a.name_ == b.name_; }

private:
    std::string_view name_;
};

// Writes the name (test traces and parameter names).
std::ostream &operator<<(std::ostream &out, ControlName control);

// Buttons that exclude one another.
using RadioGroup = std::span<const ControlName>;

class ControlState {
public:
    // `groups` must outlive the state (the modules pass static tables).
    explicit ControlState(std::span<const RadioGroup> groups = {}) : groups_(groups) {}

    std::string Text(ControlName edit) const; // "" for an edit never set
    // While `log` is set, every Text() call appends its control: the fields a run reads.
    // A copy of the state does not record.
    void RecordReads(std::vector<ControlName> *log) const { readLog_.log = log; }
    void SetText(ControlName edit, std::string value);

    bool IsChecked(ControlName button) const; // false for a button never set
    // Checks (or clears) a button; checking a radio button clears the others of its group.
    void Check(ControlName button, bool checked = true);
    // Checks `first` when `value`, else `second` (the radio pairs of the conditions).
    void CheckPair(ControlName first, ControlName second, bool value);
    // The checked button of `group`, or -1.
    int CheckedIndex(RadioGroup group) const;
    // What the checked button of `group` stands for (`values` in the group's order), or `none`
    // when no button of the group is checked.
    template <class T, std::size_t N>
    T Chosen(const ControlName (&group)[N], const T (&values)[N], T none) const {
        const int index = CheckedIndex(group);
        return index < 0 ? none : values[index];
    }

    int ComboIndex(ControlName combo) const; // -1 for a combo never set
    void SetComboIndex(ControlName combo, int index);

    // The group a button belongs to; empty for a check box.
    RadioGroup GroupOf(ControlName button) const;

    using TextMap = std::map<std::string, std::string, std::less<>>;
    using CheckMap = std::map<std::string, bool, std::less<>>;
    using ComboMap = std::map<std::string, int, std::less<>>;
    const TextMap &Edits() const { return edits_; }
    const CheckMap &Checks() const { return checks_; }
    const ComboMap &Combos() const { return combos_; }

    // Equal when every control holds the same value (the groups are the module's own).
    bool SameValues(const ControlState &other) const {
        return edits_ == other.edits_ && checks_ == other.checks_ && combos_ == other.combos_;
    }

private:
    struct ReadLog {
        std::vector<ControlName> *log = nullptr;
        ReadLog() = default;
        ReadLog(const ReadLog &) {}
        ReadLog &operator=(const ReadLog &) { return *this; }
    };
    std::span<const RadioGroup> groups_;
    mutable ReadLog readLog_;
    TextMap edits_;
    CheckMap checks_;
    ComboMap combos_;
};

} // namespace orvane

// Declares `inline constexpr ControlName X{"X"};` for every X of a module's list macro.
#define ORVANE_CONTROL_NAME(n) inline constexpr ::orvane::ControlName n{#n};
#define ORVANE_CONTROL_LIST_ITEM(n) n,
