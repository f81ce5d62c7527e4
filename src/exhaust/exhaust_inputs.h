#pragma once
// The state of the exhaust window's controls: what a project file holds and what a run reads.

#include <array>
#include <string>

#include "catalogs/fire_load_records.h"
#include "core/control_state.h"
#include "exhaust/exhaust_controls.h"
#include "exhaust/segment.h"

namespace orvane::exhaust {

struct ExhaustInputs : ControlState {
    ExhaustInputs() : ControlState(ctl::kRadioGroups) {}

    // sgDoorSizes: ten rows of (width, height) cell texts.
    std::array<std::array<std::string, 2>, 10> DoorGrid{};
    TFireLoadDensity FireLoadDensity;
    TFireLoad FireLoad;
    NetworkSegments Segments;

    bool areaForm() const { return ComboIndex(ctl::cbRoomSizeVariant) == 1; }

    // The window as it starts: the field table's start values, the default network, the car
    // park's smoke layer fields proposed from the room size.
    static ExhaustInputs Defaults();
};

// The car park's "S" button: l_sm, A_sm from the room size fields of the active form (no report).
struct ParkingSmokeProposal {
    double MaxSmokePerimeter = 0;
    double SmokeEquiArea = 0;
};
ParkingSmokeProposal ProposeParkingSmoke(const ExhaustInputs &inputs);
// Fills EditParkMaxSmkPerim, EditSmokeEquArea and EditParkHRadiation (r copied as shown).
void ApplyParkingSmokeProposal(ExhaustInputs &inputs);

} // namespace orvane::exhaust
