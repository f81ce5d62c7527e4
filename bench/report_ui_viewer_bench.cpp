// The viewer's cost for a long report: parse the RTF and build the QTextDocument.

#include "report/report_document.h"
#include "report/rtf_reader.h"
#include "report/ui/rtf_text_document.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <string>

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "report_ui_viewer_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
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
                orvane::TRTFTable table = {{{1500, "Участок", {}, true},
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

} // namespace
