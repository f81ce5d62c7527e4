#include "exhaust/exhaust_inputs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "core/number_text.h"

namespace orvane::exhaust {

namespace {

const std::initializer_list<std::initializer_list<std::string_view>> kRadioGroups = {
    {"rbCalcCorridor", "rbCalcReserve", "rbCalcRoom", "rbCalcGallery", "rbCalcParking"},
    {"rbLivingBuilding", "rbPublicBuilding"},
    {"rbInTownBuilding", "rbOutTownBuilding"},
    {"rbAUPTNo", "rbAUPTSprinkler3x3", "rbAUPTSprinkler4x4"},
    {"rbEndExhaust", "rbEndRoofFan"},
};

} // namespace

std::string ExhaustInputs::text(std::string_view control) const {
    auto it = edits.find(control);
    return it == edits.end() ? std::string() : it->second;
}

void ExhaustInputs::setText(std::string_view control, std::string value) {
    edits[std::string(control)] = std::move(value);
}

bool ExhaustInputs::isChecked(std::string_view control) const {
    auto it = checks.find(control);
    return it != checks.end() && it->second;
}

void ExhaustInputs::check(std::string_view control, bool checked) {
    if (checked) {
        for (const auto &group : kRadioGroups) {
            bool inGroup = false;
            for (std::string_view name : group)
                inGroup = inGroup || name == control;
            if (inGroup)
                for (std::string_view name : group)
                    checks[std::string(name)] = false;
        }
    }
    checks[std::string(control)] = checked;
}

ExhaustInputs ExhaustInputs::Defaults() {
    ExhaustInputs in;
    const auto g = [](double x) { return FormatGeneral(x); };
    in.setText("EditProjectName", "");
    in.setText("EditSystemName", "");
    in.setText("EditRoomLength", g(5));
    in.setText("EditRoomWidth", g(4));
    in.setText("EditRoomHeight", g(3.9));
    in.setText("EditFloorAreaSH", g(20));
    in.setText("EditRoomWidthSH", g(4));
    in.setText("EditRoomHeightSH", g(3.9));
    in.DoorGrid[0] = {g(1), g(2.1)};
    in.setText("EditNoSmokeHeight", g(2.5));
    in.setText("EditFireArea", "");
    in.setText("EditQr", g(10));
    in.setText("EditFireHeatPower", g(5000));
    in.setText("EditRoomAirTemp", g(20));
    in.setText("EditCorridorLength", g(30));
    in.setText("EditCorridorArea", g(90));
    in.setText("EditCrdrDoorArea", g(2));
    in.setText("EditCrdrDoorHeight", g(2));
    in.setText("EditCorridorHeight", g(5));
    in.setText("EditCrdrNoSmokeHeight", g(2.5));
    in.setText("EditFirstFloorLevel", g(0));
    in.setText("EditRoomMaxSmkPerim", "");
    in.setText("EditBurningFullness", g(0.8));
    in.setText("EditHeatRadiation", g(0.75));
    in.setText("EditInitSmkWidth", g(2));
    in.setText("EditGlrTopSmkBot", g(9));
    in.setText("EditGalleryTopHeight", g(3));
    in.setText("EditOutsideAirTemp", g(26));
    in.setText("EditOutAirTempComp", g(-26));
    in.setText("EditWindSpeed", g(2));
    in.setText("EditShaftConDuctResist", g(100));
    in.setText("EditExhaustGasSpeed", g(20));
    in.setText("EditParkHRadiation", g(0.75));
    ApplyParkingSmokeProposal(in);
    in.check("rbCalcCorridor");
    in.check("rbPublicBuilding");
    in.check("rbInTownBuilding");
    in.check("rbAUPTNo");
    in.check("rbEndExhaust");
    in.check("cbShaft");
    in.check("cbDetailed");
    in.FireLoadDensity = {"Многоквартирные жилые дома: квартира до 100 кв.м", 600};
    in.FireLoad = {"Мебель: дерево + облицовка", 14.4, 0.0154, 0.0135};
    in.Ychastki = DefaultNetwork();
    return in;
}

std::string FieldText(double x) {
    if (!std::isfinite(x))
        return "0";
    std::string text = FormatGeneral(x);
    if (text.find_first_of("Ee") == std::string::npos)
        return text;
    // fixed notation with the digits the general format keeps
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    const int decimals = std::clamp(14 - exponent, 0, 340);
    std::vector<char> buffer(400 + decimals);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, x);
    text = buffer.data();
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    std::replace(text.begin(), text.end(), '.', DecimalSeparator());
    return text;
}

ParkingSmokeProposal ProposeParkingSmoke(const ExhaustInputs &in) {
    ParkingSmokeProposal p;
    if (in.RoomSizeVariantIndex == 1) {
        const double floorArea = ReadRealInput(in.text("EditFloorAreaSH"));
        const double s = std::sqrt(std::fabs(floorArea) / 12);
        p.MaxSmokePerimeter = 2 * (4 * s + 3 * s);
        p.SmokeEquiArea = floorArea;
    } else {
        const double a = ReadRealInput(in.text("EditRoomLength"));
        const double b = ReadRealInput(in.text("EditRoomWidth"));
        p.MaxSmokePerimeter = 2 * (a + b);
        p.SmokeEquiArea = a * b;
    }
    return p;
}

void ApplyParkingSmokeProposal(ExhaustInputs &in) {
    const ParkingSmokeProposal p = ProposeParkingSmoke(in);
    in.setText("EditParkMaxSmkPerim", FieldText(p.MaxSmokePerimeter));
    in.setText("EditSmokeEquArea", FieldText(p.SmokeEquiArea));
    in.setText("EditParkHRadiation", FieldText(ReadRealInput(in.text("EditParkHRadiation"))));
}

} // namespace orvane::exhaust
