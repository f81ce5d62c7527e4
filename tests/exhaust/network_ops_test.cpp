// The segment list operations of the exhaust window: insertion, editing one or a group,
// removal, the shaft switch and the storey list of group mode.
#include <gtest/gtest.h>

#include "exhaust/network_ops.h"

namespace orvane::exhaust {
namespace {

// Bottom, middles and top told apart by their shaft length and name.
NetworkSegments Network(int n) {
    NetworkSegments segs;
    for (int i = 0; i < n; ++i) {
        NetworkSegment s = DefaultSegment();
        s.StoreyName = "Этаж " + std::to_string(i + 1);
        s.Lsh = 3 + i;
        segs.push_back(s);
    }
    segs.back().Lww = 7; // the duct from the top of the shaft to the fan
    return segs;
}

std::vector<std::string> Names(const NetworkSegments &segs) {
    std::vector<std::string> names;
    for (const auto &s : segs)
        names.push_back(s.StoreyName);
    return names;
}

SegmentEditorState AddEditor(const NetworkSegments &segs, int k, const std::string &name) {
    SegmentEditorState e = EditorForAdd(segs, true);
    e.StoreyQtyForAdd = k;
    e.StoreyName = name;
    e.Li = 4.5;
    e.Material = "Бетон";
    return e;
}

TEST(ExhaustNetworkOpsTest, AddInsertsBelowTheSelectedSegmentAndNeverAboveTheTop) {
    struct Case {
        int selected;
        int expectedP;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {0, 1, {"Этаж 1", "Новый", "Этаж 2", "Этаж 3"}},
        {1, 1, {"Этаж 1", "Новый", "Этаж 2", "Этаж 3"}},
        {2, 2, {"Этаж 1", "Этаж 2", "Новый", "Этаж 3"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.selected);
        NetworkSegments segs = Network(3);
        const int p = AddInsertionIndex(3, c.selected);
        ASSERT_EQ(p, c.expectedP);
        EXPECT_EQ(AddSegments(segs, p, AddEditor(segs, 1, "Новый")), p);
        EXPECT_EQ(Names(segs), c.names);
        EXPECT_EQ(segs.back().Lww, 7); // the top keeps its duct to the fan
    }
    EXPECT_EQ(AddInsertionIndex(0, -1), 0);  // empty list
    EXPECT_EQ(AddInsertionIndex(3, -1), -1); // nothing selected: nothing added
    EXPECT_EQ(AddInsertionIndex(3, 3), -1);
}

TEST(ExhaustNetworkOpsTest, AddingThreeToTheDefaultNetworkGivesMiddlesWithSegmentZerosValve) {
    NetworkSegments segs = DefaultNetwork();
    segs[0].ValveWidth = 1000;
    segs[0].ValveHeight = 500;
    segs[0].ValveArea = 0.4;
    segs[0].Lww = 2.5;
    segs[0].ZETAww = 1.1;
    segs[1].Lww = 9;
    ASSERT_EQ(AddSegments(segs, AddInsertionIndex(2, 0), AddEditor(segs, 3, "Н")), 1);
    ASSERT_EQ(segs.size(), 5u);
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(segs[i].ValveWidth, 1000);
        EXPECT_EQ(segs[i].ValveHeight, 500);
        EXPECT_EQ(segs[i].ValveArea, 0.4);
        EXPECT_EQ(segs[i].Lww, 2.5);
        EXPECT_EQ(segs[i].ZETAww, 1.1);
        EXPECT_EQ(segs[i].Lsh, 4.5);
        EXPECT_EQ(segs[i].Material, "Бетон");
        EXPECT_EQ(segs[i].MaterialKind, DuctMaterial::concrete);
        EXPECT_EQ(segs[i].StoreyName, "Н");
    }
    EXPECT_EQ(segs[4].Lww, 9);
    EXPECT_EQ(segs[4].ValveWidth, 800);
}

TEST(ExhaustNetworkOpsTest, AddingBeyondFiveHundredSegmentsIsRefused) {
    NetworkSegments segs = Network(498);
    RecordingNotifier n;
    EXPECT_EQ(AddSegments(segs, 1, AddEditor(segs, 3, ""), &n), -1);
    EXPECT_EQ(segs.size(), 498u);
    ASSERT_EQ(n.messages.size(), 1u);
    EXPECT_EQ(n.messages[0].text, "Число участков сети не может превышать 500.");
    EXPECT_EQ(AddSegments(segs, 1, AddEditor(segs, 2, ""), &n), 1);
    EXPECT_EQ(segs.size(), 500u);
}

TEST(ExhaustNetworkOpsTest, EditingSegmentZeroReachesEveryMiddleButNotTheTop) {
    NetworkSegments segs = Network(4);
    SegmentEditorState e = EditorForEditOne(segs, 0, true);
    EXPECT_TRUE(e.EnableValve);
    EXPECT_TRUE(e.EnableHorPart);
    e.ValveWidth = 600;
    e.ValveHeight = 400;
    e.HorL = 1.5;
    ASSERT_TRUE(ApplyEditOne(segs, 0, e));
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(segs[i].ValveWidth, 600);
        EXPECT_EQ(segs[i].Lww, 1.5);
        EXPECT_EQ(segs[i].Lsh, 3 + i); // vertical parts are their own
    }
    EXPECT_EQ(segs[3].ValveWidth, 800);
    EXPECT_EQ(segs[3].Lww, 7);

    // A middle segment's editor shows neither valve nor branch; its edit leaves them alone.
    SegmentEditorState m = EditorForEditOne(segs, 2, true);
    EXPECT_FALSE(m.EnableValve);
    EXPECT_FALSE(m.EnableHorPart);
    m.Li = 3.3;
    ASSERT_TRUE(ApplyEditOne(segs, 2, m));
    EXPECT_EQ(segs[2].Lsh, 3.3);
    EXPECT_EQ(segs[2].ValveWidth, 600);
}

TEST(ExhaustNetworkOpsTest, NegativeNumbersKeepTheOldValue) {
    NetworkSegments segs = Network(3);
    SegmentEditorState e = EditorForEditOne(segs, 1, true);
    e.Li = -2;
    e.Ai = -0.5;
    e.Zi = 0; // zero is a value, not "keep"
    segs[1].ZETAsh = 1.4;
    ApplyEditOne(segs, 1, e);
    EXPECT_EQ(segs[1].Lsh, 4);
    EXPECT_EQ(segs[1].Ash, 0.8);
    EXPECT_EQ(segs[1].ZETAsh, 0);
}

TEST(ExhaustNetworkOpsTest, GroupEditAppliesToTheListedStoreysAndKeepsEmptyFields) {
    NetworkSegments segs = Network(8);
    segs[3].StoreyName = std::string(kGroupStoreyName); // a storey really named so
    SegmentEditorState e = EditorForEditGroup(segs, 3, true);
    EXPECT_EQ(e.QuanStoreys, 8);
    e.StoreyName = std::string(kGroupStoreyName); // what the editor's OK hands back
    e.Li = 2.8;                                   // every other field left empty: keep
    e.StoreysArr = ParseStoreyList("1 2, 4-6", e.QuanStoreys);
    EXPECT_EQ(e.StoreysArr, (std::vector<int>{0, 1, 3, 4, 5}));
    EXPECT_EQ(ApplyEditGroup(segs, e), 3);
    const double expected[] = {2.8, 2.8, 5, 2.8, 2.8, 2.8, 9, 10};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(segs[i].Lsh, expected[i]);
        EXPECT_EQ(segs[i].Ash, 0.8);
        EXPECT_EQ(segs[i].Material, "Металл");
    }
    EXPECT_EQ(segs[3].StoreyName, kGroupStoreyName);
    EXPECT_EQ(segs[0].StoreyName, "Этаж 1");
}

TEST(ExhaustNetworkOpsTest, StoreyListParsing) {
    struct Case {
        const char *text;
        int quan;
        std::vector<int> indexes;
    };
    const Case cases[] = {
        {"1 2, 4-6", 8, {0, 1, 3, 4, 5}},
        {"2-5 9", 10, {1, 2, 3, 4, 8}}, // a blank after a range separates, never glues "59"
        {"6-4", 8, {5}},
        {"0, 3, 9", 8, {2}}, // 0 and numbers above N are ignored
        {"2,2", 8, {1, 1}},  // given twice, listed twice
        {"7-", 8, {6}},      // open range: just the number
        {"7-20", 8, {6, 7}}, // the part inside the list
        {"1-99999999999", 3, {0, 1, 2}},
        {"", 8, {}},
        {"abc", 8, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseStoreyList(c.text, c.quan), c.indexes);
    }
}

TEST(ExhaustNetworkOpsTest, NormalizeStoreyTextStateMachine) {
    struct Case {
        const char *text;
        const char *normalized;
    };
    const Case cases[] = {
        {"1 2, 4-6", "1,2,,4-6"}, {" ,-3", "3"},     {"1 - 3", "1-3"},   {"5--7", "5--7"},
        {"4-x5", "4-5"},          {"12 ,3", "12,3"}, {"2-5 9", "2-5,9"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NormalizeStoreyText(c.text), c.normalized) << c.text;
}

TEST(ExhaustNetworkOpsTest, RemoveOnlyMiddleSegmentsAfterConfirmation) {
    NetworkSegments segs = Network(4);
    RecordingNotifier n;
    EXPECT_FALSE(RemoveSegment(segs, 0, &n));
    EXPECT_FALSE(RemoveSegment(segs, 3, &n));
    EXPECT_TRUE(n.messages.empty());
    n.confirmAnswer = false;
    EXPECT_FALSE(RemoveSegment(segs, 2, &n));
    n.confirmAnswer = true;
    EXPECT_TRUE(RemoveSegment(segs, 2, &n));
    ASSERT_EQ(n.messages.size(), 2u);
    EXPECT_EQ(n.messages[1].text, "Удалить участок 3 сети?");
    EXPECT_EQ(Names(segs), (std::vector<std::string>{"Этаж 1", "Этаж 2", "Этаж 4"}));
}

TEST(ExhaustNetworkOpsTest, ShaftOffAndOnRestoresTheUpperSegmentsAndKeepsSegmentZeroEdits) {
    NetworkSegments segs = Network(4);
    const NetworkSegments before = segs;
    NetworkSegments temp;
    bool withShaft = true;
    EXPECT_FALSE(SwitchShaft(segs, temp, withShaft, true)); // already on
    ASSERT_TRUE(SwitchShaft(segs, temp, withShaft, false));
    ASSERT_EQ(segs.size(), 1u);
    segs[0].StoreyName = "Подвал";
    segs[0].Lww = 4;
    ASSERT_TRUE(SwitchShaft(segs, temp, withShaft, true));
    ASSERT_EQ(segs.size(), 4u);
    EXPECT_EQ(segs[0].StoreyName, "Подвал");
    EXPECT_EQ(segs[3], before[3]);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(segs[i].StoreyName, before[i].StoreyName);
        EXPECT_EQ(segs[i].Lsh, before[i].Lsh);
        EXPECT_EQ(segs[i].Lww, 4); // same branch on every storey
    }
}

TEST(ExhaustNetworkOpsTest, ButtonsFollowShaftAndSelection) {
    struct Case {
        int n, selected;
        bool shaft;
        SegmentButtons expected;
    };
    const Case cases[] = {
        {4, 1, true, {true, true, true, true}},     {4, 0, true, {true, true, true, false}},
        {4, 3, true, {true, true, true, false}},    {0, -1, true, {true, false, false, false}},
        {1, 0, false, {false, true, false, false}}, {0, -1, false, {false, false, false, false}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(UpdateSegmentButtons(c.n, c.selected, c.shaft), c.expected)
            << c.n << " " << c.selected << " " << c.shaft;
    EXPECT_EQ(SegmentOfItem(0, 5), 4); // the list shows the top first
    EXPECT_EQ(ItemOfSegment(0, 5), 4);
    EXPECT_EQ(AllStoreysText(2), "1, 2");
    EXPECT_EQ(AllStoreysText(7), "1 - 7");
}

} // namespace
} // namespace orvane::exhaust
