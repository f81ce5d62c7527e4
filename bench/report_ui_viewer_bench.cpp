// The viewer's cost for a long report: parse the RTF and build the QTextDocument; the detailed
// report of a 500-segment exhaust network shown in the output panel, first screen laid out (the
// CPU column is the figure that counts); and the PDF of a report whose project name is one long
// word.

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/network_ops.h"
#include "report/report_document.h"
#include "report/rtf_reader.h"
#include "report/ui/report_output_panel.h"
#include "report/ui/report_print.h"
#include "report/ui/rtf_text_document.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextDocument>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "report_ui_viewer_bench";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
}

// About 5 000 lines as the modules write them, with a table after every 50 lines.
const std::string &LongReport() {
    static const std::string rtf = [] {
        orvane::ReportDocument doc;
        doc.BeginReport(orvane::kExhaustReportTitle);
        for (int i = 0; i < 5000; ++i) {
            if (i % 500 == 0)
                orvane::RtfHeading(doc.RTBody, "РАСЧЁТНЫЕ ВЕЛИЧИНЫ");
            orvane::RtfText(doc.RTBody,
                            "\\par \\bМассовый расход газа\\b0  G\\sub " + std::to_string(i) +
                                "\\nosupersub  = 3,39 кг/с, " +
                                "L = 18000 м\\super 3\\nosupersub /ч, \\u916?P = 251 Па");
            if (i % 50 == 49) {
                orvane::ReportTable table = {{{1500, "Участок", {}, true},
                                              {1200, "L, м\\super 3\\nosupersub /ч", {}, true},
                                              {1000, "\\u916?P, Па", {}, true}}};
                for (int r = 0; r < 5; ++r)
                    table.push_back({{1500, "Шахта " + std::to_string(r), {}, false},
                                     {1200, "18000", {}, false},
                                     {1000, "251", {}, false}});
                orvane::RtfText(doc.RTBody, "\\par ");
                orvane::RtfTable(doc.RTBody, table);
            }
        }
        doc.BuildFullReport();
        return doc.RTFull;
    }();
    return rtf;
}

void BM_ParseReport(benchmark::State &state) {
    const std::string &rtf = LongReport();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvane::ParseRtf(rtf));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(rtf.size()));
}
BENCHMARK(BM_ParseReport)->Unit(benchmark::kMillisecond);

void BM_ParseAndBuildDocument(benchmark::State &state) {
    EnsureApplication();
    const std::string &rtf = LongReport();
    for (auto _ : state) {
        QTextDocument doc;
        orvane::LoadRtfIntoDocument(doc, rtf);
        benchmark::DoNotOptimize(doc.blockCount());
    }
}
BENCHMARK(BM_ParseAndBuildDocument)->Unit(benchmark::kMillisecond);

void BM_ParseBuildAndLayOut(benchmark::State &state) {
    EnsureApplication();
    const std::string &rtf = LongReport();
    for (auto _ : state) {
        QTextDocument doc;
        orvane::LoadRtfIntoDocument(doc, rtf);
        benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
    }
}
BENCHMARK(BM_ParseBuildAndLayOut)->Unit(benchmark::kMillisecond);

// The detailed report of a hall whose network has 500 segments, storeys added the way the
// window adds them (below the top, at most 99 at a time).
const orvane::exhaust::ExhaustCalc &Network500() {
    using namespace orvane::exhaust;
    static const ExhaustCalc *calc = [] {
        orvane::SetDecimalSeparator(',');
        ExhaustInputs in = ExhaustInputs::Defaults();
        in.Check(ctl::rbCalcRoom);
        in.Check(ctl::cbDetailed, true);
        NetworkSegments &segs = in.Segments;
        segs.front().Lww = 3;
        segs.back().Lww = 6;
        segs.back().ZETAww = 1.2;
        while (segs.size() < 500) {
            SegmentEditorState e = EditorForAdd(segs, true);
            e.StoreyName = "Этаж";
            e.StoreyQtyForAdd = std::min(99, 500 - static_cast<int>(segs.size()));
            AddSegments(segs, AddInsertionIndex(static_cast<int>(segs.size()), 1), e);
        }
        auto *run = new ExhaustCalc;
        run->Run(in);
        return run;
    }();
    return *calc;
}

// A fresh output panel on screen; the report is shown and the viewer paints its first screen.
// inPlace: the viewer's own document is refilled, as the panel once did (for comparison).
void BM_ShowReport500(benchmark::State &state) {
    EnsureApplication();
    const bool inPlace = state.range(0) != 0;
    const orvane::ReportDocument &report = Network500().Report;
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = std::make_unique<orvane::ReportOutputPanel>();
        panel->resize(1000, 700);
        panel->show();
        QApplication::processEvents();
        state.ResumeTiming();
        if (inPlace)
            orvane::LoadRtfIntoDocument(*panel->Viewer()->document(), report.RTFull);
        else
            panel->ShowReport(report);
        panel->Viewer()->viewport()->repaint();
        state.PauseTiming();
        panel.reset();
        state.ResumeTiming();
    }
    state.counters["segments"] = static_cast<double>(Network500().Segments.size());
    state.counters["rtf_bytes"] = static_cast<double>(report.RTFull.size());
}
BENCHMARK(BM_ShowReport500)->Arg(0)->Arg(1)->ArgName("in_place")->Unit(benchmark::kMillisecond);

// The PDF of the default exhaust report whose project name is one word of `range(0)` letters,
// in the text and in every page's footer (a project file holds at most kMaxTextLength letters;
// the pages are laid out here at any length): the time grows with the word, not with its square.
void BM_PdfOfALongName(benchmark::State &state) {
    using namespace orvane::exhaust;
    EnsureApplication();
    orvane::SetDecimalSeparator(',');
    ExhaustInputs in = ExhaustInputs::Defaults();
    in.SetText(ctl::EditProjectName, std::string(size_t(state.range(0)), 'A'));
    ExhaustCalc calc;
    calc.Run(in);
    const orvane::PrintableReport printable = orvane::Printable(calc.Report);
    for (auto _ : state)
        benchmark::DoNotOptimize(orvane::ReportPdf(printable).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PdfOfALongName)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

} // namespace
