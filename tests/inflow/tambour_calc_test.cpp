// Tambour-airlock pressurisation: the three variants, the channel pass and the report.
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/notifier.h"
#include "core/number_text.h"
#include "core/physics.h"
#include "inflow/inflow_calc.h"
#include "inflow_test_support.h"
#include "report/rtf_writer.h"

#include "inflow_test_support.h"

namespace orvane::inflow {
namespace {

// One press of "Расчет" on the tambour page, starting from the window's start values.
struct TambourRun : InflowRun {
    TambourRun() : InflowRun(ctl::rbTambour) {}
};

class SupplyTambourTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(SupplyTambourTest, OpenDoorStartValues) {
    TambourRun r;
    r.run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    EXPECT_TRUE(r.notes.messages.empty());
    EXPECT_NEAR(r.calc.Tambour().Results().RoomFlow, 1.5 * AirDensity(-26) * 2,
                1e-12); // ≈ 4.285 kg/s
    EXPECT_NEAR(r.calc.Tambour().Results().RoomFlow, 4.285, 1e-3);
    EXPECT_TRUE(
        r.has("= 3600 \\u8729? 4,28 / 1,43 = \\b 10800 м\\super 3\\nosupersub /ч\\b0\\par "));
    EXPECT_FALSE(r.has("Мощность электронагревателя"));
    ASSERT_EQ(r.calc.Tambour().Results().Floors.size(), 16u);
    EXPECT_EQ(r.calc.Tambour().Results().Floors.front().FloorNumber, 12);
    EXPECT_EQ(r.calc.Tambour().Results().Floors.back().FloorNumber, -4);
}

TEST_F(SupplyTambourTest, ViscosityOfAir) {
    EXPECT_NEAR(TambourAirViscosity(20), 15.29, 0.005);
    EXPECT_NEAR(TambourAirViscosity(0), 0.0502089504749603 * 273.15, 1e-12);
    EXPECT_EQ(TambourAirViscosity(-273.15), 0);
    EXPECT_EQ(TambourAirViscosity(-400), 0); // no real power below absolute zero
}

TEST_F(SupplyTambourTest, HeatedSupplyUsesWarmAirAndPrintsTheHeater) {
    TambourRun r;
    r.in.Check(ctl::rbTmbrVar3);
    r.run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    const double rhoSf = AirDensity(20); // ≈ 1.2041
    EXPECT_NEAR(rhoSf, 1.2041, 1e-4);
    EXPECT_NEAR(r.calc.Tambour().Results().DoorResist, 5300 / rhoSf, 1e-9);
    EXPECT_NEAR(r.calc.Tambour().Results().ShaftDoorResist, 2600 / rhoSf, 1e-9);
    EXPECT_FALSE(r.has("Плотность воздуха во внутренних помещениях"));
    const double Q = AirDensity(-26) * r.calc.FanVolumeFlow / 3600 * 46;
    const std::string heaterEnd = " кВт\\b0 \\tab , где c = 1 кДж/(кг\\u8729?К)\\b0\\par ";
    EXPECT_TRUE(r.has("\\nosupersub ) = \\b " + FormatFixed2(Q) + heaterEnd));

    TambourRun cold;
    cold.in.Check(ctl::rbTmbrVar3);
    cold.set(ctl::EditTmbrHeatAirTemp, "-30").run();
    ASSERT_EQ(cold.outcome, RunOutcome::ok);
    EXPECT_TRUE(cold.has("\\nosupersub ) = \\b 0,00" + heaterEnd));
}

// The channel's own stack enters the fan pressure once (through P_N): with a heated supply the
// fan pressure is the printed formula evaluated with the printed numbers.
TEST_F(SupplyTambourTest, HeatedSupplyFanPressureIsItsPrintedFormula) {
    struct Case {
        const char *wind;
        double psv; // as printed
        const char *rounded;
    } cases[] = {{"0", 139.95, "140"}, {"5", 149, "149"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.wind);
        TambourRun r;
        r.in.Check(ctl::rbTmbrVar3);
        r.set(ctl::EditTmbrWindSpeed, c.wind).run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        const std::string &b = r.body();
        const double rhoA = PrintedNumber(b, "Плотность наружного воздуха");
        const double rhoSf = PrintedNumber(b, "Плотность тёплого притока");
        const double h0s = PrintedNumber(b, "Разность уровней воздухоприёмного устройства", "= ");
        const double PN = PrintedNumber(b, "Давление на уровне оголовка вертикального канала");
        const double dPvv = PrintedNumber(b, "Потери давления участка сети");
        const double dPtop =
            PrintedNumber(b, "Потери давления в верхнем участке приточного канала");
        const double PshN = Printed2(
            r.calc.Tambour().Results().Floors.front().ChannelPressure); // the table's top row
        const double psv = PrintedNumber(b, "Статическое давление вентилятора");
        const double evaluated =
            1.2 * (PshN + PN + kG * h0s * (rhoA - rhoSf) + dPvv + dPtop) / rhoA;
        EXPECT_NEAR(evaluated, psv, 0.01 * psv); // the printed numbers' rounding
        EXPECT_NEAR(psv, c.psv, c.psv == 149 ? 0.5 : 0.005);
        EXPECT_EQ(FormatRoundedInt(r.calc.FanPressure), c.rounded);
        EXPECT_EQ(psv, Printed2(r.calc.FanPressure));
    }
}

// The other value lines of the tambour report, each evaluated as printed, in all variants.
TEST_F(SupplyTambourTest, PrintedFormulasGiveThePrintedValues) {
    for (ControlName variant : {ctl::rbTmbrVar1, ctl::rbTmbrVar2, ctl::rbTmbrVar3}) {
        SCOPED_TRACE(variant);
        TambourRun r;
        r.in.Check(variant);
        r.run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        const std::string &b = r.body();
        const double rhoA = PrintedNumber(b, "Плотность наружного воздуха");
        // the spread of 3600·G/ρa over numbers printed to 0,01, plus the rounding of the result
        const auto flowTolerance = [rhoA](double G) {
            return 3600 * 0.005 * (1 + G / rhoA) / rhoA + 0.5;
        };
        // L_sf = 3600·G_sf/ρ_a
        EXPECT_TRUE(r.has(
            "\\b0  = 3600\\u8729?G\\sub sf\\nosupersub /\\u0961?\\sub a\\nosupersub  = 3600 "));
        const double Gsf = PrintedNumber(b, "\\b L\\sub sf\\nosupersub", "3600 \\u8729? ");
        const double Lsf = PrintedNumber(b, "\\b L\\sub sf\\nosupersub");
        EXPECT_NEAR(3600 * Gsf / rhoA, Lsf, flowTolerance(Gsf));
        // L_V = 3600·G_s/ρ_a
        const double Gs = PrintedNumber(b, "Массовый расход в верхнем участке вертикального");
        const double LV = PrintedNumber(b, "Объёмный расход вентилятора");
        EXPECT_TRUE(r.has("L\\sub V\\nosupersub\\b0  = 3600\\u8729?G\\sub s\\nosupersub /"));
        EXPECT_NEAR(3600 * Gs / rhoA, LV, flowTolerance(Gs));
        // ΔP_top = λ·(H_top/D_Э)·ρ_a·v_ш²/2: the friction factor left over is a duct's
        const double dPtop =
            PrintedNumber(b, "Потери давления в верхнем участке приточного канала");
        const double vTop = PrintedNumber(b, "Скорость в верхнем участке вертикального");
        const double De = PrintedNumber(b, "Эквивалентный диаметр вертикального") / 1000;
        const double Htop = PrintedNumber(b, "Высота верхнего участка", "= ");
        const double lambda = dPtop / (Htop / De * rhoA * vTop * vTop / 2);
        EXPECT_GT(lambda, 0.008);
        EXPECT_LT(lambda, 0.1);
        EXPECT_TRUE(
            r.has("\\b0  = \\u0955?\\u8729?(H\\sub top\\nosupersub  / D\\sub Э\\nosupersub )"));
        if (variant == ctl::rbTmbrVar3) {
            // Q = c·ρ_a·L_V/3600·(t_sf − t_a), c = 1 kJ/(kg·K)
            const double ta = PrintedNumber(b, "Температура наружного воздуха", "= ");
            const double tsf = PrintedNumber(b, "Температура тёплого притока", "= ");
            const double Q = PrintedNumber(b, "Мощность электронагревателя");
            EXPECT_NEAR(rhoA * LV / 3600 * (tsf - ta), Q, 0.005 * Q);
        }
    }
}

TEST_F(SupplyTambourTest, ClosedDoorFlowWithAndWithoutAnAdjacentLiftShaft) {
    const double rhoA = AirDensity(-26), rhoR = AirDensity(18), rhoSl = AirDensity(-4);
    const double sdr = 5300 / rhoA, sdsl = 2600 / rhoA;
    struct Case {
        const char *shaftArea;
        double mFdsl;
    } cases[] = {{"3", 3}, {"0", 0}, {"-3", 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shaftArea);
        TambourRun r;
        r.in.Check(ctl::rbTmbrVar2);
        r.set(ctl::EditTmbrShaftDoorArea, c.shaftArea).run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        EXPECT_EQ(r.calc.Tambour().Inputs().ShaftDoorArea, c.mFdsl);
        EXPECT_NEAR(r.calc.Tambour().Results().RoomFlow,
                    2 * std::sqrt(20 / sdr) + c.mFdsl * std::sqrt(20 / sdsl), 1e-12);
        const bool shaft = c.mFdsl > 0;
        EXPECT_EQ(r.has("\\par{\\s3\\outlinelevel2\\b Смежная ЛШ\\b0\\par}"), shaft);
        EXPECT_EQ(r.has("Температура воздуха в лифтовой шахте"), shaft);
        EXPECT_EQ(r.has("Плотность воздуха в лифтовой шахте"), shaft);
        EXPECT_EQ(r.has("+ m\\u8729?F\\sub dsl\\nosupersub \\u8729?"), shaft);
        const double dRho = shaft ? rhoA - rhoR : rhoSl - rhoA;
        EXPECT_TRUE(r.has("\\b P\\sub sf\\nosupersub\\b0  = \\b " +
                          FormatFixed2(20 - 0.5 * 2.2 * kG * dRho) + " Па"));
    }
}

TEST_F(SupplyTambourTest, LowestFloorOfTheChannel) {
    struct Case {
        const char *og, *ug;
        size_t count;
        int lowest;
        double hfloor, hvlv;
    } cases[] = {
        {"12", "0", 12, 1, 0, 4.5},
        {"0", "0", 1, 1, 0, 4.5}, // no upper floors: floor 1 alone
        {"12", "4", 16, -4, -12, -12 + 3 + 4.5 - 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.og) + "/" + c.ug);
        TambourRun r;
        r.set(ctl::EditTmbrOGFloorQty, c.og).set(ctl::EditTmbrUGFloorQty, c.ug).run();
        ASSERT_EQ(r.outcome, RunOutcome::ok);
        ASSERT_EQ(r.calc.Tambour().Results().Floors.size(), c.count);
        const TambourFloor &low = r.calc.Tambour().Results().Floors.back();
        EXPECT_EQ(low.FloorNumber, c.lowest);
        EXPECT_DOUBLE_EQ(low.FloorLevel, c.hfloor);
        EXPECT_DOUBLE_EQ(low.ValveLevel, c.hvlv);
        EXPECT_EQ(low.ValveLeak, 0); // the design floor's valve is open
        EXPECT_EQ(r.calc.Tambour().Results().Floors.front().FloorNumber,
                  std::max(std::atoi(c.og), 1));
    }
}

TEST_F(SupplyTambourTest, ChannelLeaksGrowUpwardAndFollowTheValvePressure) {
    TambourRun r;
    r.run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    const auto &f = r.calc.Tambour().Results().Floors;
    for (size_t i = 0; i + 1 < f.size(); ++i) {
        const TambourFloor &up = f[i], &down = f[i + 1];
        EXPECT_NEAR(up.ChannelFlow, down.ChannelFlow + up.WallLeak + up.ValveLeak, 1e-12);
        EXPECT_NEAR(up.ValveLeak, 0.48 * std::sqrt(down.ValvePressureDiff / 30300), 1e-12);
        EXPECT_DOUBLE_EQ(up.ValveLevel, down.ValveLevel + down.ValveStep);
        EXPECT_GE(up.ChannelPressure, down.ChannelPressure); // friction only adds on the way up
    }
}

TEST_F(SupplyTambourTest, RoundChannelIgnoresSizeB) {
    TambourRun a, b;
    a.in.Check(ctl::rbTmbrRoundVPipe);
    b.in.Check(ctl::rbTmbrRoundVPipe);
    b.set(ctl::EditTmbrSizeB, "123");
    a.run();
    b.run();
    ASSERT_EQ(a.outcome, RunOutcome::ok);
    EXPECT_TRUE(a.has("    Круглого сечения:    \\b диаметр = 800 мм\\b0\\par "));
    EXPECT_TRUE(a.has("\\b F\\sub ш\\nosupersub\\b0  = \\b 0,50 м\\super 2"));
    EXPECT_EQ(a.calcSection(), b.calcSection());
    // wall leakage of the design floor's section: ΔPкл^0.65·Δhкл·π·A·a·ρ/3600
    const TambourFloor &low = a.calc.Tambour().Results().Floors.back();
    EXPECT_NEAR(low.WallLeak,
                std::pow(low.ValvePressureDiff, 0.65) * low.ValveStep * std::numbers::pi * 0.8 *
                    0.097 * AirDensity(-26) / 3600,
                1e-15);
}

TEST_F(SupplyTambourTest, DoorDischargeCoefficientIsReportedOnly) {
    TambourRun a, b;
    b.set(ctl::EditTmbrDoorMu, "0,1");
    a.run();
    b.run();
    EXPECT_TRUE(a.has("\\b \\u0956? = 0,64\\b0\\par "));
    EXPECT_TRUE(b.has("\\b \\u0956? = 0,10\\b0\\par "));
    EXPECT_EQ(a.calcSection(), b.calcSection());
}

TEST_F(SupplyTambourTest, LowExcessPressureIsRaisedTo20WithOneWarning) {
    for (const char *typed : {"15", ""}) {
        SCOPED_TRACE(typed);
        TambourRun r;
        r.set(ctl::EditTmbrPplus, typed).run();
        EXPECT_EQ(r.outcome, RunOutcome::ok);
        ASSERT_EQ(r.notes.messages.size(), 1u);
        EXPECT_EQ(r.notes.messages[0].kind, "warning");
        EXPECT_EQ(r.notes.messages[0].text, "Избыточное давление изменено на 20 Па.\r    P⁺ ≥ 20");
        EXPECT_EQ(r.notes.messages[0].control, ctl::EditTmbrPplus.Str());
        EXPECT_EQ(r.in.Text(ctl::EditTmbrPplus), "20");
        EXPECT_TRUE(r.has("\\b P\\super +\\nosupersub  = 20,00 Па\\b0\\par "));
    }
}

TEST_F(SupplyTambourTest, FloorCountAboveTheLimitStopsTheRun) {
    // the input lines end before the refused count's line
    const struct {
        ControlName control;
        const char *lastLine;
    } counts[] = {
        {ctl::EditTmbrOGFloorQty, "\\par{\\s3\\outlinelevel2\\b Характеристики здания\\b0\\par}"},
        {ctl::EditTmbrUGFloorQty,
         "    Число надземных этажей:    \\b N\\sub НЭ\\nosupersub  = 12\\b0\\par "},
    };
    for (const auto &[control, lastLine] : counts) {
        for (const char *typed : {"301", "99999999999"}) {
            SCOPED_TRACE(control.Str() + "=" + typed);
            TambourRun r;
            r.set(control, typed).run();
            EXPECT_EQ(r.outcome, RunOutcome::inputStopped);
            ASSERT_EQ(r.notes.messages.size(), 1u);
            EXPECT_EQ(r.notes.messages[0].text, kFloorCountLimitMessage);
            EXPECT_EQ(r.notes.messages[0].control, control.Str());
            EXPECT_TRUE(EndsAtTheStop(r.body(), lastLine, std::string(kFloorCountLimitMessage)));
            EXPECT_TRUE(r.calc.Tambour().Results().Floors.empty());
        }
    }
}

TEST_F(SupplyTambourTest, DegenerateInputsGiveAFiniteReport) {
    const std::vector<Edits> cases = {
        {{ctl::EditTmbrOutsideAirTemp, "-273,15"},
         {ctl::EditTmbrInsideAirTemp, "-273,15"},
         {ctl::EditTmbrHeatAirTemp, "-273,15"}},
        {{ctl::EditTmbrOutsideAirTemp, "-400"}, {ctl::EditTmbrHeatAirTemp, "-500"}},
        {{ctl::EditTmbrSizeA, "0"}, {ctl::EditTmbrSizeB, "0"}},
        {{ctl::EditTmbrValveArea, "0"}, {ctl::EditTmbrValveSpecResist, "0"}},
        {{ctl::EditTmbrAPipeDiam, "0"}, {ctl::EditTmbrAPipeLen, "0"}},
        {{ctl::EditTmbrValveXi, "-5"}, {ctl::EditTmbrVPipeProof, "-1"}},
        {{ctl::EditTmbrDoorArea, "0"}, {ctl::EditTmbrDoorAirSpeed, "0"}},
    };
    for (ControlName variant : {ctl::rbTmbrVar1, ctl::rbTmbrVar2, ctl::rbTmbrVar3}) {
        for (const auto &edits : cases) {
            SCOPED_TRACE(variant.Str() + " " + edits[0].first.Str() + "=" + edits[0].second);
            TambourRun r;
            r.in.Check(variant);
            for (const auto &[k, v] : edits)
                r.set(k, v);
            r.run();
            EXPECT_EQ(r.outcome, RunOutcome::ok);
            EXPECT_TRUE(std::isfinite(r.calc.FanVolumeFlow));
            EXPECT_TRUE(std::isfinite(r.calc.FanPressure));
        }
    }
}

TEST_F(SupplyTambourTest, DefaultReportMatchesTheReviewedFixture) {
    TambourRun r;
    r.run();
    ASSERT_EQ(r.outcome, RunOutcome::ok);
    EXPECT_EQ(FormatRoundedInt(r.calc.FanVolumeFlow), "12509");
    EXPECT_EQ(FormatRoundedInt(r.calc.FanPressure), "335");
    const std::string expected =
        ReportFixture(TEST_DATA_DIR "/inflow/data/tambour_default.rtf", r.calc.Report.RTFull);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(r.calc.Report.RTFull, expected);
}

} // namespace
} // namespace orvane::inflow
