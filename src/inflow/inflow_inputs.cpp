#include "inflow/inflow_inputs.h"

#include <utility>

#include "core/number_text.h"

namespace orvane::inflow {

namespace {

// Radio groups other than the three of the header: pairs, first-named button first.
constexpr std::string_view kPairs[][2] = {
    {"rbSWJoinWall", "rbSWNotJoinWall"},
    {"rbSWWithExit", "rbSWWOExit"},
    {"rbFirstFloorNotJoinSW", "rbFirstFloorJoinSW"},
    {"rbExitsToSWViaTambour", "rbExitsToSWViaDoor"},
    {"rbDoorIsGasProof", "rbDoorIsOrdinary"},
    {"rbOGRectAPipe", "rbOGRoundAPipe"},
    {"rbLiftJoinWall", "rbLiftNotJoinWall"},
    {"rbLiftHall1", "rbLiftHall1Not"},
    {"rbLiftHallAbove", "rbLiftHallAboveNot"},
    {"rbLiftHallBelow", "rbLiftHallBelowNot"},
    {"rbLiftRectAPipe", "rbLiftRoundAPipe"},
    {"rbTmbrRectVPipe", "rbTmbrRoundVPipe"},
};

} // namespace

std::span<const std::string_view> RadioGroupOf(std::string_view control) {
    for (const auto &group : {std::span<const std::string_view>(kVariantRadios),
                              std::span<const std::string_view>(kLiftMethodRadios),
                              std::span<const std::string_view>(kTmbrVariantRadios)}) {
        for (auto name : group)
            if (name == control)
                return group;
    }
    for (const auto &pair : kPairs)
        if (pair[0] == control || pair[1] == control)
            return std::span<const std::string_view>(pair);
    return {};
}

std::string InflowInputs::text(std::string_view control) const {
    auto it = edits.find(control);
    return it == edits.end() ? std::string() : it->second;
}

void InflowInputs::setText(std::string_view control, std::string value) {
    edits.insert_or_assign(std::string(control), std::move(value));
}

bool InflowInputs::isChecked(std::string_view control) const {
    auto it = checks.find(control);
    return it != checks.end() && it->second;
}

void InflowInputs::check(std::string_view control) {
    for (auto other : RadioGroupOf(control))
        checks.insert_or_assign(std::string(other), false);
    checks.insert_or_assign(std::string(control), true);
}

void InflowInputs::checkPair(std::string_view first, std::string_view second, bool value) {
    check(value ? first : second);
}

int InflowInputs::comboIndex(std::string_view combo) const {
    auto it = combos.find(combo);
    return it == combos.end() ? -1 : it->second;
}

void InflowInputs::setComboIndex(std::string_view combo, int index) {
    combos.insert_or_assign(std::string(combo), index);
}

InflowInputs InflowInputs::Defaults() {
    InflowInputs in;
    auto real = [&in](std::string_view control, double v) {
        in.setText(control, FormatGeneral(v));
    };
    auto empty = [&in](std::string_view control) { in.setText(control, ""); };

    empty("EditProjectName");
    empty("EditSystemName");

    // Stairwells.
    real("EditOGFloorQty", 12);
    empty("EditSWN1z");
    empty("EditSWN2z");
    real("EditSecondFloorLevel", 5);
    real("EditOGFloorHeight", 4);
    real("EditOGStairWellQty", 3);
    real("EditUGFloorQty", 4);
    real("EditUGFloorHeight", 3);
    real("EditUGStairWellQty", 3);
    real("EditGasMassExps", 3);
    real("EditInsideAirTemp", 18);
    real("EditOutsideAirTemp", -26);
    real("EditWindSpeed", 0);
    real("EditKoefWW", 0.8);
    real("EditKoefW0", -0.6);
    real("EditSWProjArea", 18);
    real("EditSWKoefXis", 60);
    real("EditOutsideDoorArea", 2);
    real("EditOutsideDoorHeight", 2.2);
    real("EditOutDoorSeriesQty", 1);
    real("EditOutsideDoorKoefXid", 2.44);
    real("EditOutsideTambourKoefXir", 4);
    real("EditDoorwayArea", 2);
    real("EditDoorwayHeight", 2.2);
    empty("EditClosedDoorSpecResist");
    real("EditWindowArea", 4);
    in.setComboIndex("cbWinPenetrationVar", 1);
    real("EditWinPenetration", 3);
    real("EditOGPplus", 20);
    real("EditOGH0s", 15);
    real("EditOGSizeA", 800);
    real("EditOGSizeB", 600);
    real("EditOGAPipeLen", 20);
    real("EditOGAPipeEpsilon", 0.1);
    real("EditOGAPipeXi", 2);
    real("EditUGH0Below", 10);
    real("EditUGPdsBelow", 100);
    in.check("rbOverGndStair");
    in.check("rbSWJoinWall");
    in.check("rbSWWOExit");
    in.check("rbFirstFloorNotJoinSW");
    in.check("rbExitsToSWViaDoor");
    in.check("rbDoorIsOrdinary");
    in.check("rbOGRectAPipe");

    // Lift shaft.
    real("EditLiftOutsideAirTemp", -26);
    real("EditLiftInsideAirTemp", 18);
    real("EditLiftWindSpeed", 0);
    real("EditLiftKoefWW", 0.8);
    real("EditLiftKoefW0", -0.6);
    real("EditLiftOGFloorQty", 12);
    real("EditLiftUGFloorQty", 4);
    real("EditLiftSecondFloorLevel", 5);
    real("EditLiftOGFloorHeight", 4);
    real("EditLiftUGFloorHeight", 3);
    empty("EditLiftLevelStart");
    empty("EditLiftLevelFinish");
    real("EditLiftShaftDoorArea", 1.89);
    real("EditLiftHallDoorArea", 1.89);
    real("EditLiftShaftDoorHeight", 2);
    real("EditLiftCageQty", 1);
    real("EditLiftHallDoorQty", 1);
    real("EditLiftHallDoorKoefXid", 2.44);
    real("EditLiftCageArea", 3);
    real("EditLiftShaftArea", 4.6);
    empty("EditLiftCageKoefXil");
    real("EditLiftMuGap", 0.65);
    empty("EditLiftShaftDoorSpecResist");
    empty("EditLiftHallDoorSpecResist");
    for (const auto &row : kLiftGapControls) {
        real(row.area, 0);
        in.setComboIndex(row.unit, 0);
        real(row.value, 0.64);
    }
    real("EditLiftPplus", 20);
    real("EditLiftH0s", 3);
    real("EditLiftSizeA", 800);
    real("EditLiftSizeB", 600);
    real("EditLiftAPipeLen", 20);
    real("EditLiftAPipeEpsilon", 0.1);
    real("EditLiftAPipeXi", 2);
    in.check("rbLiftJoinWall");
    in.check("rbLiftHall1");
    in.check("rbLiftHallAbove");
    in.check("rbLiftHallBelowNot");
    in.check("rbLiftMethodOpening");
    in.check("rbLiftRectAPipe");

    // Tambour-airlocks.
    real("EditTmbrOutsideAirTemp", -26);
    real("EditTmbrInsideAirTemp", 18);
    real("EditTmbrHeatAirTemp", 20);
    real("EditTmbrWindSpeed", 0);
    real("EditTmbrKoefWW", 0.8);
    real("EditTmbrKoefW0", -0.6);
    real("EditTmbrOGFloorQty", 12);
    real("EditTmbrUGFloorQty", 4);
    real("EditTmbrSecondFloorLevel", 5);
    real("EditTmbrOGFloorHeight", 4);
    real("EditTmbrUGFloorHeight", 3);
    real("EditTmbrDoorQty", 1);
    real("EditTmbrDoorArea", 2);
    real("EditTmbrDoorHeight", 2.2);
    real("EditTmbrDoorMu", 0.64);
    real("EditTmbrDoorAirSpeed", 1.5);
    empty("EditTmbrDoorSpecResist");
    real("EditTmbrPplus", 20);
    real("EditTmbrValveArea", 0.48);
    real("EditTmbrValveXi", 1.5);
    real("EditTmbrValveSpecResist", 30300);
    real("EditTmbrValve1H", 4.5);
    real("EditTmbrShaftDoorArea", 3);
    empty("EditTmbrShaftDoorSpecResist");
    real("EditTmbrSizeA", 800);
    real("EditTmbrSizeB", 600);
    real("EditTmbrVPipeEpsilon", 4);
    real("EditTmbrVPipeProof", 0.097);
    real("EditTmbrVPipeHTop", 6);
    real("EditTmbrH0", 3);
    real("EditTmbrAPipeLen", 11);
    real("EditTmbrAPipeDiam", 600);
    real("EditTmbrAPipeXi", 2);
    in.check("rbTmbrVar1");
    in.check("rbTmbrRectVPipe");
    return in;
}

} // namespace orvane::inflow
