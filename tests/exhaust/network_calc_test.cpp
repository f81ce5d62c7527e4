// The exhaust network up to the fan duty point: the root finders, the fire storey's branch, the
// shaft segments, the duty point and its report, failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/network_calc.h"
#include "exhaust_test_support.h"

namespace orvane::exhaust {
namespace {

using test::Rtf;

int Count(const std::string &text, const std::string &what) {
    int n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

class ExhaustNetworkCalcTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }

    // The default corridor's smoke and climate, a network of n default segments.
    static ExhaustCalc Model(int n, bool shaft = true) {
        ExhaustCalc c;
        c.Variant = ExhaustVariant::corridor;
        c.GasMassFlow = 3.39;
        c.MeanSmokeTemp = 507;
        c.MeanGasDensity = 353.0 / 507;
        c.RoomAirTempK = 293;
        c.OutsideAirTempK = 299;
        c.CompensatingAirTempK = 247;
        c.WindSpeed = 2;
        c.CalcWithShaft = shaft;
        c.Segments.assign(static_cast<size_t>(n), DefaultSegment());
        return c;
    }

    static double FanPressureOf(const ExhaustCalc &c, double shaftTop, double netDuct) {
        const double rho = c.ShaftOutGasDensity;
        const double sum = std::fabs(shaftTop) + netDuct + c.ShaftConDuctResist +
                           0.5 * rho * c.ShaftExhaustGasSpeed * c.ShaftExhaustGasSpeed;
        return 1.2 * sum / rho;
    }
};

TEST_F(ExhaustNetworkCalcTest, ColebrookResidualIsDefinedOnlyForAPositiveLogArgument) {
    struct Case {
        double x, eps, D, Re;
        bool valid;
    };
    const Case cases[] = {
        {8, 0.1, 0.69, 1.8e5, true}, {-100, 0.1, 0.69, 1.8e5, false}, {8, 0.1, 0, 1.8e5, false},
        {8, 0.1, 0.69, 0, false},    {0, 0.1, 0.69, 1.8e5, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ColebrookResidual(c.x, c.eps, c.D, c.Re).valid, c.valid) << c.x << " " << c.D;
}

TEST_F(ExhaustNetworkCalcTest, SolveBracketedFindsTheColebrookRootAfterNarrowing) {
    // lo = -100 is undefined: the bracket is first narrowed to where the logarithm exists.
    const double eps = 0.1, D = 0.69, Re = 1.8e5;
    const BracketResult r =
        SolveBracketed([&](double x) { return ColebrookResidual(x, eps, D, Re); }, -100, 100);
    ASSERT_TRUE(r.ok);
    const double lambda = 1 / (r.x * r.x);
    EXPECT_NEAR(lambda, 0.0169, 0.0002);
    EXPECT_NEAR(r.f, 0, 0.005);
}

TEST_F(ExhaustNetworkCalcTest, NarrowToValidStopsWithinAHundredthOfTheBoundary) {
    const ResidualFn f = [](double x) { return Residual{x - 5, x > 3.3 && x < 8.6}; };
    double lo = 0, hi = 10;
    NarrowToValid(f, lo, hi);
    EXPECT_GE(lo, 3.3);
    EXPECT_LE(lo, 3.31);
    EXPECT_LE(hi, 8.6);
    EXPECT_GE(hi, 8.59);
}

TEST_F(ExhaustNetworkCalcTest, SolveBracketedFailsWithoutASignChangeOrAFiniteBracket) {
    const ResidualFn positive = [](double x) { return Residual{x * x + 1, true}; };
    EXPECT_FALSE(SolveBracketed(positive, -1, 1).ok);
    const ResidualFn nowhere = [](double) { return Residual{0, false}; };
    EXPECT_FALSE(SolveBracketed(nowhere, -1, 1).ok);
    const ResidualFn line = [](double x) { return Residual{x, true}; };
    EXPECT_FALSE(SolveBracketed(line, -INFINITY, 1).ok);
    // Values so large that halving cannot reach the width still end.
    EXPECT_TRUE(SolveBracketed(line, -1e300, 1e300).ok);
}

TEST_F(ExhaustNetworkCalcTest, WithoutShaftNoWindOrStackAndThePressureIsMinusTheBranchLosses) {
    ExhaustCalc c = Model(3, false); // segments kept for the shaft take no part
    c.Segments[0].Lww = 12;
    c.Segments[0].ZETAww = 1.5;
    ASSERT_TRUE(c.RunCalcShaft());
    const NetworkSegment &s = c.Segments[0];
    EXPECT_EQ(s.Pnn, 0);
    EXPECT_EQ(s.Pnz, 0);
    EXPECT_EQ(s.Pw, 0);
    EXPECT_EQ(s.Gfkl, 0);
    EXPECT_EQ(s.Gfsh, 0);
    EXPECT_GT(s.DeltaPww, 0);
    EXPECT_DOUBLE_EQ(s.Psh, -s.ValvePressureLoss - s.DeltaPww);
    // The implied friction factor satisfies Colebrook.
    const double x = 1 / std::sqrt(s.LAMDAww);
    EXPECT_NEAR(ColebrookResidual(x, s.EPSILONww, s.Deww, s.Reww).value, 0, 0.01);
    EXPECT_EQ(c.Segments[1].Gsh, 0);
    EXPECT_EQ(c.Segments[2].ToK, 0);
    EXPECT_DOUBLE_EQ(c.ShaftOutGasMassFlow, s.Gsh);
    EXPECT_DOUBLE_EQ(c.FanPressure, FanPressureOf(c, s.Psh, 0));
    const std::string &b = c.Report.RTBody;
    EXPECT_EQ(Count(b, Rtf("Участок ")), 0);
    EXPECT_EQ(Count(b, Rtf("Давление в сети")), 1);
    EXPECT_EQ(Count(b, Rtf("Потери давления в горизонтальном воздуховоде\\par")), 1);
}

TEST_F(ExhaustNetworkCalcTest, FireStoreyBranchOfLengthZeroCountsOnlyTheValve) {
    ExhaustCalc c = Model(2);
    c.Segments[0].ZETAww = 3; // no length: no branch at all
    ASSERT_TRUE(c.RunCalcShaft());
    const NetworkSegment &s = c.Segments[0];
    EXPECT_EQ(s.DeltaPww, 0);
    EXPECT_EQ(s.LAMDAww, 0);
    EXPECT_EQ(s.Psh, s.Pnn - s.ValvePressureLoss);
}

TEST_F(ExhaustNetworkCalcTest, TopDuctAddsToTheFanPressureOnlyWithALength) {
    struct Case {
        double lww;
        bool counted;
    };
    for (const Case &tc : {Case{0, false}, Case{10, true}}) {
        SCOPED_TRACE(tc.lww);
        ExhaustCalc c = Model(3);
        NetworkSegment &top = c.Segments[2];
        top.Lww = tc.lww;
        top.ZETAww = 2;
        ASSERT_TRUE(c.RunCalcShaft());
        EXPECT_GT(top.Fww, 0);
        EXPECT_GT(top.DeltaPww, 0);
        if (!tc.counted) {
            EXPECT_DOUBLE_EQ(top.DeltaPww, 0.5 * top.RHOpg * top.Vww * top.Vww * 2);
        }
        const double shaftTop = top.Psh - top.DeltaPsh;
        EXPECT_DOUBLE_EQ(c.FanPressure, FanPressureOf(c, shaftTop, tc.counted ? top.DeltaPww : 0));
        EXPECT_EQ(Count(c.Report.RTBody, Rtf("от шахты до вентилятора")), tc.counted ? 1 : 0);
    }
}

// The fan pressure's formula names exactly the terms the end segment adds; the exhaust device
// line comes only with a discharge velocity.
TEST_F(ExhaustNetworkCalcTest, FanPressureFormulaFollowsTheEndSegment) {
    struct Case {
        const char *name;
        bool shaft, topDuct, term1;
        double vf;
        const char *symbols;
    };
    const char *const dynamic =
        " + 0,5 \\u8729? \\u0961?\\sub N\\nosupersub  \\u8729? v\\sub f\\super 2\\nosupersub ";
    for (const Case &tc : {
             Case{"fan with duct", true, true, true, 20,
                  "|P\\sub ШN\\nosupersub | + \\u0916?P\\sub сети\\nosupersub  "
                  "+ P\\sub d\\nosupersub "},
             Case{"roof fan", true, true, false, 20,
                  "|P\\sub ШN\\nosupersub | + \\u0916?P\\sub сети\\nosupersub "},
             Case{"no discharge velocity", true, false, true, 0,
                  "|P\\sub ШN\\nosupersub | + P\\sub d\\nosupersub "},
             Case{"no shaft", false, false, true, 20,
                  "|P\\sub сети\\nosupersub | + P\\sub d\\nosupersub "},
         }) {
        SCOPED_TRACE(tc.name);
        ExhaustCalc c = Model(tc.shaft ? 3 : 1, tc.shaft);
        if (tc.topDuct)
            c.Segments[2].Lww = 10;
        c.Term1 = tc.term1;
        c.ShaftExhaustGasSpeed = tc.vf;
        c.Term2 = tc.vf > 0;
        ASSERT_TRUE(c.RunCalcShaft());
        const bool device = tc.term1 && tc.vf > 0;
        const std::string formula =
            Rtf("P\\sub sv\\nosupersub\\b0  = 1,2 \\u8729? (" + std::string(tc.symbols) +
                (device ? dynamic : "") + ") / \\u0961?\\sub N\\nosupersub  = 1,2 \\u8729? (");
        EXPECT_EQ(Count(c.Report.RTBody, formula), 1);
        EXPECT_EQ(Count(c.Report.RTBody, Rtf("Выбросное устройство")), device ? 1 : 0);
    }
}

TEST_F(ExhaustNetworkCalcTest, MiddleSegmentsLeakThroughBranchAndValveButCarryNoBranchFlow) {
    ExhaustCalc c = Model(4);
    for (auto &s : c.Segments)
        s.Lww = 3; // the fire storey's branch, carried by every middle segment
    const std::string name = "Тех. этаж {A}\\";
    c.Segments[2].StoreyName = name;
    ASSERT_TRUE(c.RunCalcShaft());
    RtfStream typed;
    RtfUserText(typed, name);
    EXPECT_EQ(Count(c.Report.RTBody, Rtf("\\par\\b Участок 3 - ") + typed + ":"), 1);
    for (int i = 1; i <= 2; ++i) {
        const NetworkSegment &s = c.Segments[i];
        EXPECT_EQ(s.Vww, 0);
        EXPECT_EQ(s.DeltaPww, 0);
        EXPECT_GT(s.Gfww, 0);
        EXPECT_GT(s.Gfkl, 0);
        EXPECT_DOUBLE_EQ(s.Ga, c.Segments[i - 1].Ga + s.Gf);
    }
    EXPECT_EQ(c.Segments[0].Gfkl, 0); // the open valve
    EXPECT_EQ(c.Segments[3].Gfkl, 0);
    EXPECT_GT(c.Segments[3].ToK, c.RoomAirTempK);
    EXPECT_LT(c.Segments[3].ToK, c.MeanSmokeTemp);
}

TEST_F(ExhaustNetworkCalcTest, FirstFloorLevelRaisesTheStoreysOnlyForTheCorridor) {
    struct Case {
        ExhaustVariant variant;
        double h0;
    };
    for (const Case &tc : {Case{ExhaustVariant::corridor, 10}, Case{ExhaustVariant::room, 0},
                           Case{ExhaustVariant::parking, 0}}) {
        ExhaustCalc c = Model(3);
        c.Variant = tc.variant;
        c.FirstFloorLevel = 10;
        ASSERT_TRUE(c.RunCalcShaft());
        EXPECT_EQ(c.Segments[0].h, tc.h0);
        EXPECT_EQ(c.Segments[1].h, tc.h0 + 3);
        EXPECT_EQ(c.Segments[2].h, tc.h0 + 9); // the emission level: above the top part
    }
}

// A network of one segment: that segment is the top one, so it stands at the emission level.
TEST_F(ExhaustNetworkCalcTest, OneSegmentNetworkStandsAtItsEmissionLevel) {
    for (bool shaft : {false, true}) {
        SCOPED_TRACE(shaft);
        ExhaustCalc c = Model(1, shaft);
        c.FirstFloorLevel = 10;
        ASSERT_TRUE(c.RunCalcShaft());
        const NetworkSegment &s = c.Segments[0];
        EXPECT_EQ(s.h, 10 + s.Lsh);
        if (shaft) { // the outside pressures are those of that level
            EXPECT_DOUBLE_EQ(s.Pnn, 0.4 * c.OutsideAirDensity * 4 -
                                        9.81 * s.h * (c.OutsideAirDensity - c.IncomingAirDensity));
        }
    }
}

// The leakage lines print |P_В − P_Ш|: evaluated with the printed numbers, each gives its
// printed flow.
TEST_F(ExhaustNetworkCalcTest, LeakageLinesEvaluateToTheirPrintedFlows) {
    ExhaustCalc c = Model(4);
    for (auto &s : c.Segments)
        s.Lww = 3;
    c.Detailed = true;
    ASSERT_TRUE(c.RunCalcShaft());
    const std::string &b = c.Report.RTBody;
    const auto num = [](const std::string &text) {
        std::string t = text;
        std::replace(t.begin(), t.end(), ',', '.');
        return std::stod(t);
    };
    const std::string n = "(-?[0-9]+(?:,[0-9]+)?)";
    // G_фКЛ = F·√(|P_В − P_Ш| / S_КЛ)
    const std::regex valve("= " + n + " \\\\u8729\\? \\\\u8730\\?\\(\\|" + n + " - " + n +
                           "\\| / " + n + "\\) = \\\\b " + n);
    int valves = 0;
    for (std::sregex_iterator m(b.begin(), b.end(), valve), end; m != end; ++m, ++valves) {
        const double F = num((*m)[1]), Pw = num((*m)[2]), Psh = num((*m)[3]), S = num((*m)[4]);
        const double G = num((*m)[5]);
        // the spread of the result over numbers printed to 0,01, and its own rounding
        const double spread = 0.005 / F + 0.5 * 0.01 / std::fabs(Pw - Psh) + 0.5 * 0.005 / S;
        EXPECT_NEAR(F * std::sqrt(std::fabs(Pw - Psh) / S), G, G * spread + 5e-7);
    }
    EXPECT_EQ(valves, 2); // the middle segments
    // G_фШ and G_фВВ = (ρ_В/3600)·S·a·|P_В − P_Ш|^b
    const std::regex wall("\\(" + n + " / 3600\\) \\\\u8729\\? " + n + " \\\\u8729\\? " + n +
                          " \\\\u8729\\? \\|" + n + " - " + n + "\\|\\\\super " + n +
                          "\\\\nosupersub  = \\\\b " + n);
    int walls = 0;
    for (std::sregex_iterator m(b.begin(), b.end(), wall), end; m != end; ++m, ++walls) {
        const double rho = num((*m)[1]), S = num((*m)[2]), a = num((*m)[3]);
        const double d = std::fabs(num((*m)[4]) - num((*m)[5]));
        const double G = num((*m)[7]);
        const double spread = 0.005 / rho + 0.005 / S + 0.65 * 0.01 / d;
        EXPECT_NEAR(rho / 3600 * S * a * std::pow(d, num((*m)[6])), G, G * spread + 5e-7);
    }
    EXPECT_GE(walls, 4);
}

// No wall leaks (no lengths): the mixture is the smoke itself, so the figures are exact.
TEST_F(ExhaustNetworkCalcTest, DutyPointRoundingOfTheFanTemperatureAndTheFlows) {
    struct Case {
        double smokeTemp, compTemp;
        const char *fanTemp, *fanFlow, *compFlows;
    };
    const Case cases[] = {
        // 1/64 kg/s at 0.5 kg/m3: 112.5 m3/h, halves to even.
        {706, 706, "433", "112", "(87 \\u0247? 112)"},
        {309.2, 706, "37", nullptr, nullptr},
        {272.5, 706, "0", nullptr, nullptr},
        {706, 0, "433", "112", "(0 \\u0247? 0)"},
    };
    for (const Case &tc : cases) {
        SCOPED_TRACE(tc.smokeTemp);
        ExhaustCalc c = Model(2);
        c.GasMassFlow = 1.0 / 64;
        c.MeanSmokeTemp = tc.smokeTemp;
        c.CompensatingAirTempK = tc.compTemp;
        for (auto &s : c.Segments)
            s.Lsh = 0;
        ASSERT_TRUE(c.RunCalcShaft());
        EXPECT_EQ(c.Segments[1].Ga, 0);
        const std::string &b = c.Report.RTBody;
        EXPECT_EQ(Count(b, Rtf("T - 273 = \\b " + std::string(tc.fanTemp) + " °C")), 1);
        if (tc.fanFlow) {
            EXPECT_EQ(c.FanVolumeFlow, 112.5);
            EXPECT_EQ(Count(b, Rtf("3600 = \\b " + std::string(tc.fanFlow) +
                                   " м\\super 3\\nosupersub /ч")),
                      1);
            EXPECT_EQ(
                Count(b, Rtf("= \\b " + std::string(tc.compFlows) + " м\\super 3\\nosupersub /ч")),
                1);
        }
    }
}

TEST_F(ExhaustNetworkCalcTest, UnsolvableSegmentStopsTheNetworkWithAZeroDutyPoint) {
    ExhaustCalc c = Model(4);
    c.Segments[1].Ash = 0; // no shaft section: no speed, no Reynolds number, no friction root
    EXPECT_FALSE(c.RunCalcShaft());
    const std::string &b = c.Report.RTBody;
    EXPECT_EQ(Count(b, Rtf("Не удалось рассчитать!")), 3);
    EXPECT_EQ(Count(b, Rtf("\\par\\b Участок ")), 4);
    EXPECT_EQ(Count(b, Rtf("Потери давления трения вертикального участка")), 1); // segment 1
    EXPECT_EQ(c.FanVolumeFlow, 0);
    EXPECT_EQ(c.FanPressure, 0);
    EXPECT_EQ(c.ShaftOutGasMassFlow, 0);
    EXPECT_EQ(c.ShaftOutGasDensity, 0);
    EXPECT_EQ(c.Segments[3].Gsh, 0); // never solved
    EXPECT_EQ(Count(b, Rtf("= \\b (0 \\u0247? 0) кг/с")), 1);
    ASSERT_EQ(c.Messages.size(), 1u);
    EXPECT_EQ(c.Messages[0].kind, "error");
    EXPECT_EQ(c.Messages[0].text,
              std::string(kNetworkFailedMessage) + " Не удалось рассчитать участок 2.");
}

TEST_F(ExhaustNetworkCalcTest, ZeroValveAreaGivesTheHugeValveSpeedInsteadOfADivisionByZero) {
    ExhaustCalc c = Model(2);
    c.Segments[0].ValveArea = 0;
    c.RunCalcShaft();
    EXPECT_DOUBLE_EQ(c.Segments[0].ValveGasSpeed, 3.39 / 0.0001);
    EXPECT_TRUE(std::isfinite(c.Segments[0].ValvePressureLoss));
}

// --- whole runs from the window's inputs ---

// The complete report: the input and corridor sections of the corridor fixture, then the
// network section of the default two segments.
TEST_F(ExhaustNetworkCalcTest, DefaultCorridorReportAndDutyPoint) {
    struct Case {
        bool detailed;
        const char *fixture;
    };
    for (const Case &tc :
         {Case{true, "network_corridor_detailed.txt"}, Case{false, "network_corridor_short.txt"}}) {
        SCOPED_TRACE(tc.fixture);
        ExhaustInputs in = ExhaustInputs::Defaults();
        in.Check(ctl::cbDetailed, tc.detailed);
        RecordingNotifier n;
        ExhaustCalc c(&n);
        ASSERT_EQ(c.Run(in), RunOutcome::ok);
        EXPECT_TRUE(n.messages.empty());
        EXPECT_EQ(FormatRoundedInt(c.FanVolumeFlow), "17565");
        EXPECT_EQ(FormatRoundedInt(c.FanPressure), "593");

        const std::string &body = c.Report.RTBody;
        const size_t network = body.find(Rtf("\\par\\par\\b Температура наружного воздуха\\par "));
        ASSERT_NE(network, std::string::npos);
        if (std::getenv("ORVANE_WRITE_FIXTURES"))
            test::WriteReportFixture(tc.fixture, body.substr(network));
        ReportDocument expected = c.Report; // its title and page
        expected.RTBody.clear();
        RtfText(expected.RTBody, test::ReadReportFixture("default_corridor_body.txt"));
        RtfText(expected.RTBody, test::ReadReportFixture(tc.fixture));
        expected.BuildFullReport();
        EXPECT_EQ(c.Report.RTFull, expected.RTFull);
    }
}

TEST_F(ExhaustNetworkCalcTest, RunWithAnUnsolvableNetworkEndsWithoutDutyPoint) {
    ExhaustInputs in = ExhaustInputs::Defaults();
    in.Segments[1].Bsh = 0;
    RecordingNotifier n;
    ExhaustCalc c(&n);
    EXPECT_EQ(c.Run(in), RunOutcome::noDutyPoint);
    ASSERT_EQ(n.messages.size(), 1u);
    EXPECT_EQ(n.messages[0].kind, "error");
    EXPECT_EQ(c.FanVolumeFlow, 0);
    EXPECT_EQ(c.FanPressure, 0);
    ASSERT_FALSE(c.Messages.empty());
    // the message names the first segment without a solution
    EXPECT_EQ(c.Messages.back().text.rfind(
                  std::string(kNetworkFailedMessage) + " Не удалось рассчитать участок ", 0),
              0u);
    EXPECT_FALSE(c.NonFiniteStop);
}

TEST_F(ExhaustNetworkCalcTest, OutsideTemperatureOfAbsoluteZeroStopsOnTheNonFiniteGuard) {
    ExhaustInputs in = ExhaustInputs::Defaults();
    in.SetText(ctl::EditOutsideAirTemp, "-273");
    ExhaustCalc c;
    EXPECT_EQ(c.Run(in), RunOutcome::noDutyPoint);
    EXPECT_TRUE(c.NonFiniteStop);
    EXPECT_EQ(c.FanPressure, 0);
    EXPECT_EQ(Count(c.Report.RTFull, Rtf(std::string(kNonFiniteMessage))), 1);
}

} // namespace
} // namespace orvane::exhaust
