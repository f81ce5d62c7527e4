#include "core/control_state.h"

#include <ostream>
#include <utility>

namespace orvane {

std::ostream &operator<<(std::ostream &out, ControlName control) {
    return out << control.view();
}

std::string ControlState::text(ControlName edit) const {
    if (readLog_.log)
        readLog_.log->push_back(edit);
    auto it = edits_.find(edit.view());
    return it == edits_.end() ? std::string() : it->second;
}

void ControlState::setText(ControlName edit, std::string value) {
    edits_.insert_or_assign(edit.str(), std::move(value));
}

bool ControlState::isChecked(ControlName button) const {
    auto it = checks_.find(button.view());
    return it != checks_.end() && it->second;
}

void ControlState::check(ControlName button, bool checked) {
    if (checked)
        for (ControlName other : groupOf(button))
            checks_.insert_or_assign(other.str(), false);
    checks_.insert_or_assign(button.str(), checked);
}

void ControlState::checkPair(ControlName first, ControlName second, bool value) {
    check(value ? first : second);
}

int ControlState::checkedIndex(RadioGroup group) const {
    for (size_t i = 0; i < group.size(); ++i)
        if (isChecked(group[i]))
            return static_cast<int>(i);
    return -1;
}

int ControlState::comboIndex(ControlName combo) const {
    auto it = combos_.find(combo.view());
    return it == combos_.end() ? -1 : it->second;
}

void ControlState::setComboIndex(ControlName combo, int index) {
    combos_.insert_or_assign(combo.str(), index);
}

RadioGroup ControlState::groupOf(ControlName button) const {
    for (RadioGroup group : groups_)
        for (ControlName name : group)
            if (name == button)
                return group;
    return {};
}

} // namespace orvane
