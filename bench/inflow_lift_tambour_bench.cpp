// The largest lift shaft and tambour channel the window accepts (300 floors above ground, 300
// below), from the inputs to the finished RTF document.
#include <benchmark/benchmark.h>

#include "core/notifier.h"
#include "core/number_text.h"
#include "inflow/inflow_calc.h"

namespace {

using namespace orvane;
using namespace orvane::inflow;

InflowInputs Largest(ControlName variantRadio, ControlName og, ControlName ug) {
    InflowInputs in = InflowInputs::Defaults();
    in.Check(variantRadio);
    in.SetText(og, "300");
    in.SetText(ug, "300");
    return in;
}

void Calculate(benchmark::State &state, const InflowInputs &in) {
    SetDecimalSeparator(',');
    RecordingNotifier notes;
    for (auto _ : state) {
        InflowInputs inputs = in; // a run may write back into its inputs
        InflowCalc calc(&notes);
        const RunOutcome outcome = calc.Run(inputs);
        if (outcome != RunOutcome::ok) {
            state.SkipWithError("the run did not reach a duty point");
            break;
        }
        benchmark::DoNotOptimize(calc.Report.RTFull.data());
        state.counters["rtf_bytes"] = static_cast<double>(calc.Report.RTFull.size());
    }
}

void BM_Lift600Floors(benchmark::State &state) {
    Calculate(state, Largest(ctl::rbLift, ctl::EditLiftOGFloorQty, ctl::EditLiftUGFloorQty));
}
BENCHMARK(BM_Lift600Floors)->Unit(benchmark::kMillisecond);

void BM_TambourChannel600Floors(benchmark::State &state) {
    Calculate(state, Largest(ctl::rbTambour, ctl::EditTmbrOGFloorQty, ctl::EditTmbrUGFloorQty));
}
BENCHMARK(BM_TambourChannel600Floors)->Unit(benchmark::kMillisecond);

void BM_Lift300AboveGround(benchmark::State &state) {
    InflowInputs in = Largest(ctl::rbLift, ctl::EditLiftOGFloorQty, ctl::EditLiftUGFloorQty);
    in.SetText(ctl::EditLiftUGFloorQty, "0");
    Calculate(state, in);
}
BENCHMARK(BM_Lift300AboveGround)->Unit(benchmark::kMillisecond);

void BM_TambourChannel300AboveGround(benchmark::State &state) {
    InflowInputs in = Largest(ctl::rbTambour, ctl::EditTmbrOGFloorQty, ctl::EditTmbrUGFloorQty);
    in.SetText(ctl::EditTmbrUGFloorQty, "0");
    Calculate(state, in);
}
BENCHMARK(BM_TambourChannel300AboveGround)->Unit(benchmark::kMillisecond);

} // namespace
