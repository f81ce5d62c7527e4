// Lift and tambour projects: a save reads back to the same file, and the bundled examples
// calculate as the window's start values do.
#include <string>

#include <gtest/gtest.h>

#include "core/notifier.h"
#include "core/number_text.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_project.h"
#include "inflow_test_support.h"

namespace orvane::inflow {
namespace {

constexpr std::string_view kDate = "10.12.2026 4:27:05";

class SupplyLiftTambourProjectTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(SupplyLiftTambourProjectTest, DefaultSaveRoundTripsByteForByte) {
    for (ControlName radio : {ctl::rbLift, ctl::rbTambour}) {
        SCOPED_TRACE(radio);
        const auto first = ProjectBytesOf(DefaultsFor(radio), kDate);
        ASSERT_TRUE(first.has_value());
        InflowInputs reopened = InflowInputs::Defaults();
        ASSERT_TRUE(ReadProjectBytes(*first, reopened, "p.isrprj").ok);
        EXPECT_TRUE(reopened.IsChecked(radio));
        const auto second = ProjectBytesOf(reopened, kDate);
        ASSERT_TRUE(second.has_value());
        EXPECT_EQ(*second, *first);
    }
}

TEST_F(SupplyLiftTambourProjectTest, LiftExitFloorsKeepTheirSign) {
    InflowInputs in = DefaultsFor(ctl::rbLift);
    in.SetText(ctl::EditLiftLevelStart, "-2");
    in.SetText(ctl::EditLiftLevelFinish, "7");
    const auto bytes = ProjectBytesOf(in, kDate);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_NE(bytes->find("LLvlStart=-2\r\n"), std::string::npos);
    InflowInputs reopened = InflowInputs::Defaults();
    ASSERT_TRUE(ReadProjectBytes(*bytes, reopened, "p.isrprj").ok);
    EXPECT_EQ(reopened.Text(ctl::EditLiftLevelStart), "-2");
    RecordingNotifier notes;
    InflowCalc calc(&notes);
    ASSERT_EQ(calc.Run(reopened), RunOutcome::ok);
    EXPECT_EQ(calc.Lift().Inputs().ExitsFrom, -2);
    EXPECT_EQ(calc.Lift().Inputs().ExitsTo, 7);
}

TEST_F(SupplyLiftTambourProjectTest, BundledExamplesCalculateLikeTheStartValues) {
    // the examples raise P+ so that every closed door stays at 20 Pa or more (examples/README.md)
    struct Case {
        const char *file;
        ControlName radio;
        ControlName pplus;
        const char *pplusText;
    } cases[] = {{EXAMPLES_DIR "/lift.isrprj", ctl::rbLift, ctl::EditLiftPplus, "30"},
                 {EXAMPLES_DIR "/tambour.isrprj", ctl::rbTambour, ctl::EditTmbrPplus, "23"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        InflowInputs opened = InflowInputs::Defaults();
        ASSERT_TRUE(LoadProject(c.file, opened).ok);
        EXPECT_TRUE(opened.IsChecked(c.radio));
        RecordingNotifier notesA, notesB;
        InflowCalc fromFile(&notesA), fromStart(&notesB);
        InflowInputs start = DefaultsFor(c.radio);
        start.SetText(c.pplus, c.pplusText);
        ASSERT_EQ(fromFile.Run(opened), RunOutcome::ok);
        ASSERT_EQ(fromStart.Run(start), RunOutcome::ok);
        EXPECT_EQ(fromFile.Report.RTBody, fromStart.Report.RTBody);
        EXPECT_TRUE(fromFile.Messages.empty());
    }
}

} // namespace
} // namespace orvane::inflow
