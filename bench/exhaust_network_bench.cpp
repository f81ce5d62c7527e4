// "Расчет" of a hall with a 200-storey network: inputs to the finished RTF document.
#include <benchmark/benchmark.h>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/network_ops.h"

namespace {

using namespace orvane;
using namespace orvane::exhaust;

ExhaustInputs HallWithTallNetwork(bool detailed) {
    ExhaustInputs in = ExhaustInputs::Defaults();
    in.Check(ctl::rbCalcRoom);
    in.Check(ctl::cbDetailed, detailed);
    NetworkSegments &segs = in.Segments;
    segs.front().Lww = 3;
    segs.back().Lww = 6;
    segs.back().ZETAww = 1.2;
    // 198 storeys added the way the window adds them: below the top, in batches of 99.
    for (int batch = 0; batch < 2; ++batch) {
        SegmentEditorState e = EditorForAdd(segs, true);
        e.StoreyName = "Этаж";
        e.StoreyQtyForAdd = 99;
        AddSegments(segs, AddInsertionIndex(static_cast<int>(segs.size()), 1), e);
    }
    return in;
}

void BM_HallNetwork200(benchmark::State &state) {
    SetDecimalSeparator(',');
    const ExhaustInputs in = HallWithTallNetwork(state.range(0) != 0);
    size_t bytes = 0;
    for (auto _ : state) {
        ExhaustInputs inputs = in; // a run may write back into its inputs
        ExhaustCalc calc;
        if (calc.Run(inputs) != RunOutcome::ok) {
            state.SkipWithError("the network was not solved");
            break;
        }
        bytes = calc.Report.RTFull.size();
        benchmark::DoNotOptimize(calc.FanPressure);
    }
    state.counters["segments"] = static_cast<double>(in.Segments.size());
    state.counters["rtf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_HallNetwork200)->Arg(1)->Arg(0)->ArgName("detailed")->Unit(benchmark::kMillisecond);

} // namespace
