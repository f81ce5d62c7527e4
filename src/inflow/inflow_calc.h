#pragma once
// The supply (pressurisation) calculation: the run frame both modules share, the variant chosen,
// the project's names, the duty point and the report, and one calculator for each variant.

#include <optional>
#include <string>
#include <string_view>

#include "core/notifier.h"
#include "inflow/inflow_inputs.h"
#include "inflow/lift.h"
#include "inflow/stair_over.h"
#include "inflow/stair_under.h"
#include "inflow/tambour.h"
#include "report/report_document.h"
#include "report/run_frame.h"

namespace orvane::inflow {

enum class SupplyVariant : unsigned char {
    aboveGroundStair = 0,
    undergroundStair = 1,
    lift = 2,
    tambour = 3
};

// The name the JSON gives the variant ("cvrntOverGndStair", as the README documents).
std::string VariantJsonName(SupplyVariant v);
// Project file and batch calculator codes: "SW-OG", "SW-UG", "LIFT", "TAMBOUR".
std::string VariantToCode(SupplyVariant v);
// Case-insensitive; an unknown or empty code is the above-ground stairwell.
SupplyVariant CodeToVariant(std::string_view code);
// The variant of the checked radio button (above-ground stairwell when none is checked).
SupplyVariant ChosenVariant(const InflowInputs &in);

class InflowCalc : public RunFrame {
public:
    explicit InflowCalc(Notifier *notifier = nullptr);

    SupplyVariant Variant = SupplyVariant::aboveGroundStair;
    std::string ProjectName;
    std::string SystemName;
    // The duty point the variant reached; 0 until then and after a run without one.
    double FanVolumeFlow = 0; // L_V, m3/h
    double FanPressure = 0;   // P_sv, Pa
    ReportDocument Report;

    // The variants' calculators, as the last run left them (the one run holds its inputs and
    // results; the others are as a new window starts).
    const AboveGroundStairCalc &AboveGroundStair() const { return aboveGroundStair_; }
    const UndergroundStairCalc &UndergroundStair() const { return undergroundStair_; }
    const LiftCalc &Lift() const { return lift_; }
    const TambourCalc &Tambour() const { return tambour_; }

    // What "Расчет" does: the report's header, the chosen variant's input steps, "РАСЧЁТ" and
    // its calculation, under the frame's guard (RunGuarded). Leaves RTFull built.
    RunOutcome Run(InflowInputs &in);

private:
    RunOutcome RunSteps(InflowInputs &in);

    AboveGroundStairCalc aboveGroundStair_;
    UndergroundStairCalc undergroundStair_;
    LiftCalc lift_;
    TambourCalc tambour_;
};

// The first field the chosen variant reads whose text the field refuses ("17.5" floors):
// a run must not start from it (see FirstRefusedField).
std::optional<FieldProblem> FindInvalidInput(const InflowInputs &in);

} // namespace orvane::inflow
