#include "catalogs/fire_load_mixture.h"

#include "core/number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

class MixtureTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { SetDecimalSeparator(GetParam()); }
    void TearDown() override { SetDecimalSeparator(','); }
};

TEST_P(MixtureTest, FireLoadOfTwoComponents) {
    MixtureRows rows;
    rows[0] = {"60", "14.4", "0,0154", "0.0135"};
    rows[1] = {"40", "20", "0.02", "0.01"};
    const MixtureResult r = RecalcComplexFireLoad(rows);
    EXPECT_EQ(r.Share[0], "60 %");
    EXPECT_EQ(r.Share[1], "40 %");
    EXPECT_EQ(r.Share[2], "");
    EXPECT_DOUBLE_EQ(r.BurnEnergy, 16.6);
    EXPECT_DOUBLE_EQ(r.FireSpeed, 0.02);
    EXPECT_DOUBLE_EQ(r.SBurnSpeed, 0.0121);
    EXPECT_EQ(r.ClearMass, (std::array<bool, 5>{false, false, true, true, true}));
}

TEST_P(MixtureTest, NegativeOrUnreadableMassIsClearedAndDoesNotCount) {
    MixtureRows rows;
    rows[0] = {"60", "14.4", "0.0154", "0.0135"};
    rows[1] = {"-40", "20", "0.02", "0.01"};
    rows[2] = {"abc", "30", "", ""};
    const MixtureResult r = RecalcComplexFireLoad(rows);
    EXPECT_EQ(r.Share[0], "100 %");
    EXPECT_EQ(r.Share[1], "");
    EXPECT_TRUE(r.ClearMass[1]);
    EXPECT_TRUE(r.ClearMass[2]);
    EXPECT_DOUBLE_EQ(r.BurnEnergy, 14.4);
    EXPECT_DOUBLE_EQ(r.SBurnSpeed, 0.0135);
    // the largest spread rate counts even for a component without mass
    EXPECT_DOUBLE_EQ(r.FireSpeed, 0.02);
}

TEST_P(MixtureTest, SharesRoundHalvesToEven) {
    MixtureRows rows;
    rows[0] = {"1", "", "", ""};
    rows[1] = {"7", "", "", ""}; // 87.5 % -> 88
    MixtureRows eighths = rows;
    eighths[0].Mass = "3";
    eighths[1].Mass = "5"; // 37.5 % -> 38, 62.5 % -> 62
    EXPECT_EQ(RecalcComplexFireLoad(rows).Share[0], "12 %");
    EXPECT_EQ(RecalcComplexFireLoad(rows).Share[1], "88 %");
    EXPECT_EQ(RecalcComplexFireLoad(eighths).Share[0], "38 %");
    EXPECT_EQ(RecalcComplexFireLoad(eighths).Share[1], "62 %");
}

TEST_P(MixtureTest, EmptyGridGivesZeros) {
    const MixtureResult r = RecalcComplexFireLoad(MixtureRows{});
    EXPECT_EQ(r.BurnEnergy, 0);
    EXPECT_EQ(r.FireSpeed, 0);
    EXPECT_EQ(r.SBurnSpeed, 0);
    EXPECT_EQ(RecalcComplexDensity(MixtureRows{}, "100").FLDensity, 0);
}

TEST_P(MixtureTest, DensityOverTheArea) {
    MixtureRows rows;
    rows[0] = {"60", "14.4", "", ""};
    rows[1] = {"40", "20", "", ""};
    struct Case {
        const char *area;
        double density;
    };
    const Case cases[] = {{"100", 16.6}, {"0", 0}, {"", 0}, {"0,0000000000001", 0}, {"10", 166.4}};
    for (const Case &c : cases) {
        const MixtureResult r = RecalcComplexDensity(rows, c.area);
        EXPECT_DOUBLE_EQ(r.FLDensity, c.density) << c.area;
        EXPECT_EQ(r.Share[0], "60 %");
    }
}

TEST_P(MixtureTest, OverlongNumbersNeverGiveInfinity) {
    MixtureRows rows;
    rows[0] = {std::string(400, '9'), std::string(400, '9'), std::string(400, '9'), "1"};
    const MixtureResult fire = RecalcComplexFireLoad(rows);
    EXPECT_TRUE(std::isfinite(fire.BurnEnergy) && std::isfinite(fire.FireSpeed) &&
                std::isfinite(fire.SBurnSpeed));
    EXPECT_TRUE(std::isfinite(RecalcComplexDensity(rows, "0,5").FLDensity));
}

INSTANTIATE_TEST_SUITE_P(Separators, MixtureTest, ::testing::Values(',', '.'),
                         test::ParamName());

} // namespace
} // namespace orvane
