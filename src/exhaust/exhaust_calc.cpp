#include "exhaust/exhaust_calc.h"

#include <cmath>
#include <deque>
#include <tuple>
#include <vector>

#include "core/number_text.h"
#include "exhaust/exhaust_charts.h"
#include "exhaust/result_checks.h"

namespace orvane::exhaust {

std::string VariantJsonName(ExhaustVariant v) {
    switch (v) {
    case ExhaustVariant::reserve:
        return "cvrntReserve";
    case ExhaustVariant::room:
        return "cvrntRoom";
    case ExhaustVariant::underGallery:
        return "cvrntUnderGallery";
    case ExhaustVariant::atrium:
        return "cvrntAtrium";
    case ExhaustVariant::parking:
        return "cvrntParking";
    default:
        return "cvrntCorridor";
    }
}

std::string SprinklerJsonName(SprinklerKind t) {
    switch (t) {
    case SprinklerKind::grid3x3:
        return "auptSprinkler3x3";
    case SprinklerKind::grid4x4:
        return "auptSprinkler4x4";
    default:
        return "auptNo";
    }
}

std::string RoomSizeJsonName(RoomSizeForm v) {
    switch (v) {
    case RoomSizeForm::areaWidthHeight:
        return "rmszSBH";
    case RoomSizeForm::areaVolume:
        return "rmszSV";
    default:
        return "rmszABH";
    }
}

std::string VariantWord(ExhaustVariant v) {
    switch (v) {
    case ExhaustVariant::room:
    case ExhaustVariant::atrium:
        return "room";
    case ExhaustVariant::underGallery:
        return "gallery";
    case ExhaustVariant::parking:
        return "parking";
    default:
        return "corridor";
    }
}

ExhaustCalc::ExhaustCalc(Notifier *notifier) : RunFrame(notifier) {
    Segments = DefaultNetwork();
}

RunOutcome ExhaustCalc::Run(ExhaustInputs &in) {
    BeginRun();
    rangeWarned_ = false;
    Detailed = in.IsChecked(ctl::cbDetailed);
    // the one guard: no value that is not finite reaches the report or the duty point
    return RunGuarded(
        Report, "\\par\\par", [&] { return RunSteps(in); },
        [this] {
            FanVolumeFlow = 0;
            FanPressure = 0;
        },
        [this] { return ExhaustCharts(Segments, CalcWithShaft); });
}

RunOutcome ExhaustCalc::RunSteps(ExhaustInputs &in) {
    Report.BeginReport(kExhaustReportTitle);
    Report.Page.projectName = in.Text(ctl::EditProjectName);
    Report.Page.systemName = in.Text(ctl::EditSystemName);
    Variant = ReadVariant(in);
    // the hidden reserve choice has no calculation of its own
    if (Variant == ExhaustVariant::reserve || Variant == ExhaustVariant::atrium)
        Variant = ExhaustVariant::corridor;

    bool ok = InputRoomTerms(in);
    if (ok)
        ok = InputFireLoad(in);
    if (ok) {
        switch (Variant) {
        case ExhaustVariant::corridor:
            ok = InputCorridor(in);
            break;
        case ExhaustVariant::room:
        case ExhaustVariant::underGallery:
            ok = InputRoomFire(in);
            break;
        default:
            ok = InputParkingFire(in);
            break;
        }
    }
    if (ok)
        ok = InputOutsideAndNetwork(in);

    if (!ok)
        return RunOutcome::inputStopped;

    bool solved = true;
    switch (Variant) {
    case ExhaustVariant::corridor:
        RunCalcCorridor();
        break;
    case ExhaustVariant::room:
    case ExhaustVariant::underGallery:
        solved = RunCalcRoom();
        break;
    default:
        solved = RunCalcParking();
        break;
    }
    // the network up to the fan duty point (network_calc.cpp)
    if (solved)
        solved = RunCalcShaft();
    if (!solved)
        return RunOutcome::noDutyPoint;
    if (!(std::isfinite(FanVolumeFlow) && std::isfinite(FanPressure)))
        throw NonFiniteValue();
    FinishWithChecks(Report, NetworkChecks(*this));
    return RunOutcome::ok;
}

const FieldSpec &DoorCellField(size_t row, size_t column) {
    // the cells as fields: "Ширина проема 3", the project's [Room] Door2W
    static const std::vector<FieldSpec> cells = [] {
        static std::deque<std::string> texts; // keeps its strings in place as it grows
        const size_t rows = std::tuple_size_v<decltype(ExhaustInputs::DoorGrid)>;
        std::vector<FieldSpec> out;
        for (size_t r = 0; r < rows; ++r)
            for (size_t c = 0; c < 2; ++c) {
                const std::string n = std::to_string(r);
                texts.push_back("Door" + n + (c == 0 ? "W" : "H"));
                const std::string_view key = texts.back();
                texts.push_back((c == 0 ? "Ширина проема " : "Высота проема ") +
                                std::to_string(r + 1));
                const std::string_view caption = texts.back();
                out.push_back({ctl::sgDoorSizes, FieldKind::real, "Room", key, std::nullopt,
                               std::nullopt, caption, "м", 0});
            }
        return out;
    }();
    return cells[row * 2 + column];
}

std::optional<FieldProblem> FindInvalidInput(const ExhaustInputs &in) {
    if (std::optional<FieldProblem> problem = FirstRefusedField<ExhaustCalc>(kExhaustFields, in))
        return problem;
    const ExhaustVariant variant = ExhaustCalc().ReadVariant(in);
    if (variant != ExhaustVariant::corridor && variant != ExhaustVariant::reserve)
        return std::nullopt; // only the corridor's calculation reads the door sizes
    for (size_t r = 0; r < in.DoorGrid.size(); ++r)
        for (size_t c = 0; c < 2; ++c) {
            const FieldSpec &cell = DoorCellField(r, c);
            if (!IsValidNumberText(RuleOf(cell), in.DoorGrid[r][c]))
                return FieldProblem{&cell, in.DoorGrid[r][c]};
        }
    return std::nullopt;
}

} // namespace orvane::exhaust
