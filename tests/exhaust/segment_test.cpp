#include <gtest/gtest.h>

#include "exhaust/segment.h"

namespace orvane::exhaust {
namespace {

TEST(ExhaustSegmentTest, MaterialNamesLettersAndIndexes) {
    struct Case {
        const char *text;
        DuctMaterial fromName;
        DuctMaterial fromLetter;
    };
    const Case cases[] = {
        {"Металл", DuctMaterial::metal, DuctMaterial::metal},
        {"Бетон", DuctMaterial::concrete, DuctMaterial::concrete},
        {"Кирпич", DuctMaterial::brick, DuctMaterial::brick},
        {"Штукатурка", DuctMaterial::plaster, DuctMaterial::plaster},
        {"б", DuctMaterial::unknown, DuctMaterial::concrete},
        {"ш", DuctMaterial::unknown, DuctMaterial::plaster},
        {"-", DuctMaterial::unknown, DuctMaterial::metal},
        {"", DuctMaterial::unknown, DuctMaterial::metal},
        {"Дерево", DuctMaterial::unknown, DuctMaterial::metal},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(MaterialFromName(c.text), c.fromName) << c.text;
        EXPECT_EQ(MaterialFromLetter(c.text), c.fromLetter) << c.text;
    }
    const std::pair<DuctMaterial, const char *> letters[] = {
        {DuctMaterial::metal, "М"},   {DuctMaterial::concrete, "Б"}, {DuctMaterial::brick, "К"},
        {DuctMaterial::plaster, "Ш"}, {DuctMaterial::unknown, "-"},
    };
    for (const auto &[indx, letter] : letters)
        EXPECT_EQ(MaterialLetter(indx), letter);
    EXPECT_EQ(MaterialName(DuctMaterial::unknown), "Металл");
    EXPECT_EQ(MaterialName(DuctMaterial::brick), "Кирпич");
}

TEST(ExhaustSegmentTest, DefaultNetworkTakesTheValveFromTheCatalogue) {
    const NetworkSegments net = DefaultNetwork();
    ASSERT_EQ(net.size(), 2u);
    EXPECT_EQ(net[0], net[1]);
    const NetworkSegment &s = net[0];
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
    EXPECT_EQ(s.HorMaterialKind, DuctMaterial::metal);
    EXPECT_EQ(s.Material, "Металл");
    EXPECT_TRUE(s.StoreyName.empty());
}

TEST(ExhaustSegmentTest, SyncGivesMiddlesTheBottomValveAndBranchOnly) {
    NetworkSegments net(4, DefaultSegment());
    net[0].ValveWidth = 1000;
    net[0].ValveArea = 0.7;
    net[0].Lww = 5;
    net[0].HorMaterial = "Бетон";
    net[0].HorMaterialKind = DuctMaterial::concrete;
    net[0].Lsh = 9;
    net[2].Lsh = 4;
    net[2].StoreyName = "3";
    const NetworkSegment top = net[3];
    SyncMiddleSegments(net);
    for (int i : {1, 2}) {
        EXPECT_EQ(net[i].ValveWidth, 1000);
        EXPECT_EQ(net[i].ValveArea, 0.7);
        EXPECT_EQ(net[i].Lww, 5);
        EXPECT_EQ(net[i].HorMaterialKind, DuctMaterial::concrete);
    }
    EXPECT_EQ(net[2].Lsh, 4);
    EXPECT_EQ(net[2].StoreyName, "3");
    EXPECT_EQ(net[3], top);
}

} // namespace
} // namespace orvane::exhaust
