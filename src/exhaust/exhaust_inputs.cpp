#include "exhaust/exhaust_inputs.h"

#include <cmath>

#include "core/field_check.h"
#include "core/number_text.h"

namespace orvane::exhaust {

ExhaustInputs ExhaustInputs::Defaults() {
    ExhaustInputs in;
    SetStartValues(in, kExhaustFields);
    const auto g = [](double x) { return FormatGeneral(x); };
    in.DoorGrid[0] = {g(1), g(2.1)};
    ApplyParkingSmokeProposal(in);
    in.Check(ctl::rbCalcCorridor);
    in.Check(ctl::rbPublicBuilding);
    in.Check(ctl::rbInTownBuilding);
    in.Check(ctl::rbAUPTNo);
    in.Check(ctl::rbEndExhaust);
    in.Check(ctl::cbShaft);
    in.Check(ctl::cbDetailed);
    in.FireLoadDensity = {"Многоквартирные жилые дома: квартира до 100 кв.м", 600};
    in.FireLoad = {"Мебель: дерево + облицовка", 14.4, 0.0154, 0.0135};
    in.Segments = DefaultNetwork();
    return in;
}

ParkingSmokeProposal ProposeParkingSmoke(const ExhaustInputs &in) {
    ParkingSmokeProposal p;
    if (in.areaForm()) {
        const double floorArea = ReadRealInput(in.Text(ctl::EditFloorAreaSH));
        const double s = std::sqrt(std::fabs(floorArea) / 12);
        p.MaxSmokePerimeter = 2 * (4 * s + 3 * s);
        p.SmokeEquiArea = floorArea;
    } else {
        const double a = ReadRealInput(in.Text(ctl::EditRoomLength));
        const double b = ReadRealInput(in.Text(ctl::EditRoomWidth));
        p.MaxSmokePerimeter = 2 * (a + b);
        p.SmokeEquiArea = a * b;
    }
    return p;
}

void ApplyParkingSmokeProposal(ExhaustInputs &in) {
    const ParkingSmokeProposal p = ProposeParkingSmoke(in);
    in.SetText(ctl::EditParkMaxSmkPerim, EditNumberText(p.MaxSmokePerimeter));
    in.SetText(ctl::EditSmokeEquArea, EditNumberText(p.SmokeEquiArea));
    in.SetText(ctl::EditParkHRadiation,
               EditNumberText(ReadRealInput(in.Text(ctl::EditParkHRadiation))));
}

} // namespace orvane::exhaust
