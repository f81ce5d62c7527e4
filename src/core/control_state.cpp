#include "core/control_state.h"

#include <ostream>
#include <utility>

namespace orvane {

std::ostream &operator<<(std::ostream &out, ControlName control) {
    return out << control.View();
}

std::string ControlState::Text(ControlName edit) const {
    if (readLog_.log)
        readLog_.log->push_back(edit);
    auto it = edits_.find(edit.View());
    return it == edits_.end() ? std::string() : it->second;
}

void ControlState::SetText(ControlName edit, std::string value) {
    edits_.insert_or_assign(edit.Str(), std::move(value));
}

bool ControlState::IsChecked(ControlName button) const {
    auto it = checks_.find(button.View());
    return it != checks_.end() && it->second;
}

void ControlState::Check(ControlName button, bool checked) {
    if (checked)
        for (ControlName other : GroupOf(button))
            checks_.insert_or_assign(other.Str(), false);
    checks_.insert_or_assign(button.Str(), checked);
}

void ControlState::CheckPair(ControlName first, ControlName second, bool value) {
    Check(value ? first : second);
}

int ControlState::CheckedIndex(RadioGroup group) const {
    for (size_t i = 0; i < group.size(); ++i)
        if (IsChecked(group[i]))
            return static_cast<int>(i);
    return -1;
}

int ControlState::ComboIndex(ControlName combo) const {
    auto it = combos_.find(combo.View());
    return it == combos_.end() ? -1 : it->second;
}

void ControlState::SetComboIndex(ControlName combo, int index) {
    combos_.insert_or_assign(combo.Str(), index);
}

RadioGroup ControlState::GroupOf(ControlName button) const {
    for (RadioGroup group : groups_)
        for (ControlName name : group)
            if (name == button)
                return group;
    return {};
}

} // namespace orvane
