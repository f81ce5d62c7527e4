#include <gtest/gtest.h>

#include "exhaust/segment.h"

namespace orvane::exhaust {
namespace {

TEST(SegmentTest, MaterialNamesLettersAndIndexes) {
    struct Case {
        const char *text;
        TMaterialIndx fromName;
        TMaterialIndx fromLetter;
    };
    const Case cases[] = {
        {"Металл", TMaterialIndx::matMetal, TMaterialIndx::matMetal},
        {"Бетон", TMaterialIndx::matConcrete, TMaterialIndx::matConcrete},
        {"Кирпич", TMaterialIndx::matBrick, TMaterialIndx::matBrick},
        {"Штукатурка", TMaterialIndx::matPlaster, TMaterialIndx::matPlaster},
        {"б", TMaterialIndx::matUnknown, TMaterialIndx::matConcrete},
        {"ш", TMaterialIndx::matUnknown, TMaterialIndx::matPlaster},
        {"-", TMaterialIndx::matUnknown, TMaterialIndx::matMetal},
        {"", TMaterialIndx::matUnknown, TMaterialIndx::matMetal},
        {"Дерево", TMaterialIndx::matUnknown, TMaterialIndx::matMetal},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(MaterialIndexFromName(c.text), c.fromName) << c.text;
        EXPECT_EQ(MaterialIndexFromLetter(c.text), c.fromLetter) << c.text;
    }
    const std::pair<TMaterialIndx, const char *> letters[] = {
        {TMaterialIndx::matMetal, "М"},   {TMaterialIndx::matConcrete, "Б"},
        {TMaterialIndx::matBrick, "К"},   {TMaterialIndx::matPlaster, "Ш"},
        {TMaterialIndx::matUnknown, "-"},
    };
    for (const auto &[indx, letter] : letters)
        EXPECT_EQ(MaterialLetterFromIndex(indx), letter);
    EXPECT_EQ(MaterialNameFromIndex(TMaterialIndx::matUnknown), "Металл");
    EXPECT_EQ(MaterialNameFromIndex(TMaterialIndx::matBrick), "Кирпич");
}

TEST(SegmentTest, DefaultNetworkTakesTheValveFromTheCatalogue) {
    const TYchastki net = DefaultNetwork();
    ASSERT_EQ(net.size(), 2u);
    EXPECT_EQ(net[0], net[1]);
    const Ychastok_record &s = net[0];
    EXPECT_EQ(s.ValveWidth, 800);
    EXPECT_EQ(s.ValveHeight, 600);
    EXPECT_TRUE(s.ValveDriveOut);
    EXPECT_DOUBLE_EQ(s.ValveArea, 0.4125);
    EXPECT_DOUBLE_EQ(s.ValveResistCoef, 0.28);
    EXPECT_DOUBLE_EQ(s.NodeResistCoef, 1.8);
    EXPECT_DOUBLE_EQ(s.Aww, 0.8);
    EXPECT_DOUBLE_EQ(s.Bsh, 0.6);
    EXPECT_EQ(s.Lww, 0);
    EXPECT_EQ(s.Lsh, 3);
    EXPECT_EQ(s.HorMaterialIndx, TMaterialIndx::matMetal);
    EXPECT_EQ(s.Material, "Металл");
    EXPECT_TRUE(s.StoreyName.empty());
}

TEST(SegmentTest, SyncGivesMiddlesTheBottomValveAndBranchOnly) {
    TYchastki net(4, DefaultSegment());
    net[0].ValveWidth = 1000;
    net[0].ValveArea = 0.7;
    net[0].Lww = 5;
    net[0].HorMaterial = "Бетон";
    net[0].HorMaterialIndx = TMaterialIndx::matConcrete;
    net[0].Lsh = 9;
    net[2].Lsh = 4;
    net[2].StoreyName = "3";
    const Ychastok_record top = net[3];
    SyncMiddleSegments(net);
    for (int i : {1, 2}) {
        EXPECT_EQ(net[i].ValveWidth, 1000);
        EXPECT_EQ(net[i].ValveArea, 0.7);
        EXPECT_EQ(net[i].Lww, 5);
        EXPECT_EQ(net[i].HorMaterialIndx, TMaterialIndx::matConcrete);
    }
    EXPECT_EQ(net[2].Lsh, 4);
    EXPECT_EQ(net[2].StoreyName, "3");
    EXPECT_EQ(net[3], top);
}

} // namespace
} // namespace orvane::exhaust
