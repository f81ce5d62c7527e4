#include "catalogs/valves.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

TEST(ValvesTest, TableFollowsTheSizeRuleAtItsCorners) {
    struct Case {
        int index;
        const char *s;
        int w, h;
        double f1, z;
    };
    const Case cases[] = {
        {0, "200 x 200", 200, 200, 0.0225, 2.39},
        {86, "800 x 600", 800, 600, 0.4125, 0.28},
        {351, "1500 x 200", 1500, 200, 0.2175, 1.32},
        {377, "1500 x 1500", 1500, 1500, 2.1025, 0.15},
    };
    SmokeValveCatalog valves;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.s);
        const TSmokeValve v = valves.Valves(c.index);
        EXPECT_EQ(v.S, c.s);
        EXPECT_EQ(v.W, c.w);
        EXPECT_EQ(v.H, c.h);
        EXPECT_DOUBLE_EQ(v.F1, c.f1);
        EXPECT_EQ(v.F2, 0);
        EXPECT_EQ(v.Z, c.z);
        EXPECT_EQ(valves.GetValveNum(c.w, c.h), c.index);
    }
    EXPECT_EQ(valves.ValveQty(), 378);
}

TEST(ValvesTest, EveryEntryIsAtItsComputedIndexWithHeightNotAboveWidth) {
    const auto &table = ValveTable();
    for (int i = 0; i < ValveTableSize; ++i) {
        const int w = (table[i].W - 200) / 50;
        const int h = (table[i].H - 200) / 50;
        EXPECT_EQ(w * (w + 1) / 2 + h, i);
        EXPECT_LE(table[i].H, table[i].W);
        EXPECT_EQ(table[i].S, std::to_string(table[i].W) + " x " + std::to_string(table[i].H));
        EXPECT_EQ(table[i].F1, (table[i].W - 50) * (table[i].H - 50) / 1000000.0);
    }
}

TEST(ValvesTest, NonMonotonicCoefficientsAreKeptAsListed) {
    SmokeValveCatalog valves;
    struct Case {
        int w, h;
        double z;
    };
    const Case cases[] = {{900, 750, 0.26},  {900, 800, 0.27},   {1050, 550, 0.25},
                          {1050, 600, 0.26}, {1350, 850, 0.20},  {1350, 900, 0.21},
                          {250, 250, 1.22},  {1450, 1450, 0.16}, {550, 550, 0.34}};
    for (const Case &c : cases)
        EXPECT_EQ(valves.Valves(valves.GetValveNum(c.w, c.h)).Z, c.z) << c.w << " x " << c.h;
}

TEST(ValvesTest, MissesGiveMinusOneAndTheEmptyEntry) {
    SmokeValveCatalog valves;
    for (auto [w, h] : std::vector<std::pair<int, int>>{
             {600, 800}, {825, 600}, {150, 150}, {1550, 200}, {800, 0}, {-200, -200}})
        EXPECT_EQ(valves.GetValveNum(w, h), -1) << w << " x " << h;
    for (int index : {-1, 378, 100000})
        EXPECT_EQ(valves.Valves(index), SmokeValveCatalog::EmptyValve());
    EXPECT_TRUE(SmokeValveCatalog::EmptyValve().S.empty());
    EXPECT_EQ(SmokeValveCatalog::EmptyValve().F1, 0);
    EXPECT_EQ(SmokeValveCatalog::EmptyValve().Z, 0);
}

std::vector<std::string> SubsetTexts(const SmokeValveCatalog &valves) {
    std::vector<std::string> texts;
    for (int i = 0; i < valves.SSValveQty(); ++i)
        texts.push_back(valves.SSValves(i).S);
    return texts;
}

TEST(ValvesTest, SubsetsHoldTheirSizesInTableOrder) {
    SmokeValveCatalog valves;
    EXPECT_EQ(valves.SSValveQty(), 0);

    valves.BuildSubsetByWidth(800);
    ASSERT_EQ(valves.SSValveQty(), 13);
    EXPECT_EQ(valves.SSValves(0).S, "800 x 200");
    EXPECT_EQ(valves.SSValves(12).S, "800 x 800");
    EXPECT_EQ(valves.WHToSSValveNum(800, 600), 8);
    EXPECT_EQ(valves.WHToSSValveNum(900, 600), -1);

    valves.BuildSubsetByHeight(600);
    ASSERT_EQ(valves.SSValveQty(), 19);
    EXPECT_EQ(valves.SSValves(0).S, "600 x 600");
    EXPECT_EQ(valves.SSValves(1).S, "650 x 600");
    EXPECT_EQ(valves.SSValves(18).S, "1500 x 600");
    EXPECT_EQ(valves.WHToSSValveNum(800, 600), 4);

    valves.BuildSubsetByWidth(200);
    EXPECT_EQ(SubsetTexts(valves), std::vector<std::string>{"200 x 200"});
    valves.BuildSubsetByHeight(1500);
    EXPECT_EQ(SubsetTexts(valves), std::vector<std::string>{"1500 x 1500"});

    valves.BuildSubsetAll();
    ASSERT_EQ(valves.SSValveQty(), 378);
    EXPECT_EQ(valves.SSValves(86), valves.Valves(86));
    EXPECT_EQ(valves.WHToSSValveNum(1500, 1500), 377);

    valves.BuildSubsetEmpty();
    EXPECT_EQ(valves.SSValveQty(), 0);
}

TEST(ValvesTest, EmptySubsetAnswersWithTheEmptyEntry) {
    SmokeValveCatalog valves;
    valves.BuildSubsetAll();
    valves.BuildSubsetByWidth(825);
    EXPECT_EQ(valves.SSValveQty(), 0);
    EXPECT_EQ(valves.SSValves(0), SmokeValveCatalog::EmptyValve());
    EXPECT_EQ(valves.SSValves(-1), SmokeValveCatalog::EmptyValve());
    EXPECT_EQ(valves.WHToSSValveNum(800, 600), -1);
    EXPECT_EQ(valves.WHToSSValveNum(200, 200), -1);
}

TEST(ValvesTest, WidthAndHeightLists) {
    SmokeValveCatalog valves;
    EXPECT_EQ(valves.VWidthQty(), 27);
    EXPECT_EQ(valves.VHeightQty(), 27);
    EXPECT_EQ(valves.VWidths(0), 200);
    EXPECT_EQ(valves.VWidths(26), 1500);
    EXPECT_EQ(valves.VHeights(12), 800);
    for (int index : {-1, 27})
        EXPECT_EQ(valves.VWidths(index) + valves.VHeights(index), 0);
    EXPECT_EQ(valves.WidthToNum(1500), 26);
    EXPECT_EQ(valves.WidthToNum(1550), -1);
    EXPECT_EQ(valves.HeightToNum(200), 0);
    EXPECT_EQ(valves.HeightToNum(825), -1);
}

} // namespace
} // namespace orvane
