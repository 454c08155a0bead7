#include "app/window/grouptabs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvor {
namespace {

using grouptabs::borderShift;
using grouptabs::groupAt;

constexpr double kHeight = 390;

struct TabCase {
    const char* what;
    double x;
    double y;
    std::optional<NavigationGroup> expected;
};

class GroupTabHitTest : public testing::TestWithParam<TabCase> {};

TEST_P(GroupTabHitTest, ChoosesTheGroupUnderThePointer)
{
    const TabCase& c = GetParam();
    EXPECT_EQ(groupAt(c.x, c.y, kHeight), c.expected) << c.what;
}

const double kTopShift = kHeight / std::tan(1.0466666666666666);

INSTANTIATE_TEST_SUITE_P(
    Borders, GroupTabHitTest,
    testing::Values(
        // At the foot of the strip the borders stand at 200, 1000 and 1900.
        TabCase{"left of the label", -300, kHeight, NavigationGroup::Learning},
        TabCase{"learning, beside the first border", 199.9, kHeight, NavigationGroup::Learning},
        TabCase{"on the first border", 200, kHeight, std::nullopt},
        TabCase{"centre, beside the first border", 200.1, kHeight, NavigationGroup::Centre},
        TabCase{"centre, beside the second border", 999.9, kHeight, NavigationGroup::Centre},
        TabCase{"on the second border", 1000, kHeight, std::nullopt},
        TabCase{"query, beside the second border", 1000.1, kHeight, NavigationGroup::Query},
        TabCase{"query, beside its end", 1899.9, kHeight, NavigationGroup::Query},
        TabCase{"on the query tab's end", 1900, kHeight, std::nullopt},
        TabCase{"right of every tab", 2600, kHeight, std::nullopt},
        // At the top the borders have moved right by h / tan(angle).
        TabCase{"top: a point left of the first border is learning", kTopShift + 150, 0, NavigationGroup::Learning},
        TabCase{"top: on the first border", kTopShift + 200, 0, std::nullopt},
        TabCase{"top: a foot-level centre point is still learning", 210, 0, NavigationGroup::Learning},
        TabCase{"top: on the second border", kTopShift + 1000, 0, std::nullopt},
        TabCase{"top: query", kTopShift + 1500, 0, NavigationGroup::Query},
        TabCase{"top: beyond the slanted end", kTopShift + 1901, 0, std::nullopt}));

TEST(GroupTabHitTest, EveryPointOnASlantedBorderChoosesNothing)
{
    for (double y = 0; y <= kHeight; y += 13) {
        const double d = borderShift(y, kHeight);
        EXPECT_EQ(groupAt(d + 200, y, kHeight), std::nullopt) << "y " << y;
        EXPECT_EQ(groupAt(d + 1000, y, kHeight), std::nullopt) << "y " << y;
        EXPECT_EQ(groupAt(d + 199, y, kHeight), NavigationGroup::Learning) << "y " << y;
        EXPECT_EQ(groupAt(d + 201, y, kHeight), NavigationGroup::Centre) << "y " << y;
        EXPECT_EQ(groupAt(d + 1001, y, kHeight), NavigationGroup::Query) << "y " << y;
    }
}

TEST(GroupTabHitTest, DrawnTabsLieOnTheBordersOfTheHitTest)
{
    // The corners of each drawn tab are where the hit test changes group.
    for (NavigationGroup g : {NavigationGroup::Learning, NavigationGroup::Centre, NavigationGroup::Query}) {
        const auto corners = grouptabs::tabCorners(g, kHeight);
        const QPointF inside = (corners[0] + corners[1] + corners[2] + corners[3]) / 4;
        EXPECT_EQ(groupAt(inside.x(), inside.y(), kHeight), g);
        EXPECT_EQ(groupAt(corners[1].x() - 1, 0, kHeight), g);
        EXPECT_EQ(groupAt(corners[2].x() - 1, kHeight, kHeight), g);
    }
}

TEST(GroupTabHitTest, TheLearningOverhangEndsAtTheDrawnTab)
{
    EXPECT_TRUE(grouptabs::onLearningOverhang(-100, kHeight / 2, kHeight));
    EXPECT_FALSE(grouptabs::onLearningOverhang(10, kHeight / 2, kHeight));  // on the label itself
    EXPECT_FALSE(grouptabs::onLearningOverhang(-5000, kHeight / 2, kHeight));
    EXPECT_FALSE(grouptabs::onLearningOverhang(-100, kHeight + 10, kHeight));
}

}  // namespace
}  // namespace kelvor
