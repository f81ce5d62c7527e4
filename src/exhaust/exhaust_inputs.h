#pragma once
// The state of the exhaust window's controls: what a project file holds and what a run reads.

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "catalogs/fire_load_records.h"
#include "exhaust/segment.h"

namespace orvane::exhaust {

struct ExhaustInputs {
    // Text of every edit, keyed by control name ("EditRoomLength"); a missing edit reads as "".
    std::map<std::string, std::string, std::less<>> edits;
    // Radio buttons and check boxes, keyed by control name ("rbCalcRoom", "cbShaft", "cbDetailed").
    std::map<std::string, bool, std::less<>> checks;
    int RoomSizeVariantIndex = 0; // cbRoomSizeVariant: 0 length form, 1 area form
    // sgDoorSizes: ten rows of (width, height) cell texts.
    std::array<std::array<std::string, 2>, 10> DoorGrid{};
    TFireLoadDensity FireLoadDensity;
    TFireLoad FireLoad;
    TYchastki Ychastki;

    std::string text(std::string_view control) const;
    void setText(std::string_view control, std::string value);
    bool isChecked(std::string_view control) const;
    // Checks a radio button and clears the others of its group (check boxes are set alone).
    void check(std::string_view control, bool checked = true);

    // The window as it starts: the model's defaults in the fields, the default network, the
    // car park's smoke layer fields proposed from the room size.
    static ExhaustInputs Defaults();
};

// The radio groups of the window, each in its tested order.
inline constexpr std::string_view kVariantRadios[] = {
    "rbCalcCorridor", "rbCalcReserve", "rbCalcRoom", "rbCalcGallery", "rbCalcParking"};

// A number as an edit shows it: the general format, but never in exponent form, which the
// input steps would misread ("5E-4" cleans to 54). Tiny values keep 15 significant digits.
std::string FieldText(double x);

// The car park's "S" button: l_sm, A_sm from the room size fields of the active form (no report).
struct ParkingSmokeProposal {
    double MaxSmokePerimeter = 0;
    double SmokeEquiArea = 0;
};
ParkingSmokeProposal ProposeParkingSmoke(const ExhaustInputs &inputs);
// Fills EditParkMaxSmkPerim, EditSmokeEquArea and EditParkHRadiation (r copied as shown).
void ApplyParkingSmokeProposal(ExhaustInputs &inputs);

} // namespace orvane::exhaust
