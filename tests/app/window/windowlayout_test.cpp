#include "app/window/splitterdrag.h"
#include "app/window/windowlayout.h"

#include <gtest/gtest.h>

namespace kelvor {
namespace {

struct ResizeCase {
    int width;
    int height;
    int expectedWidth;
    int expectedHeight;
};

class WindowResize : public testing::TestWithParam<ResizeCase> {};

TEST_P(WindowResize, SnapsTooSmallWindowsAndFitsTheWorkingFrame)
{
    const ResizeCase& c = GetParam();
    WindowGeometry g = layoutrules::designed(9000, 7000);
    g.width = c.width;
    g.height = c.height;
    const bool snapped = layoutrules::resized(g);

    EXPECT_EQ(g.width, c.expectedWidth);
    EXPECT_EQ(g.height, c.expectedHeight);
    EXPECT_EQ(snapped, c.width != c.expectedWidth || c.height != c.expectedHeight);
    EXPECT_EQ(g.workingFrame.height, c.expectedHeight - g.workingFrame.top - 850);
    EXPECT_EQ(g.workingFrame.width, c.expectedWidth - 140);
    EXPECT_EQ(g.workingFrame.left, 10);
    EXPECT_EQ(g.leftPane.height, g.workingFrame.height);
    EXPECT_EQ(g.documentArea.height, g.workingFrame.height);
    EXPECT_EQ(g.splitter.height, g.workingFrame.height);
    EXPECT_EQ(g.documentArea.right(), g.workingFrame.width - 30);
}

INSTANTIATE_TEST_SUITE_P(Snapping, WindowResize,
                         testing::Values(ResizeCase{9000, 2900, 9000, 3200},   // too low
                                         ResizeCase{9000, 3000, 9000, 3200},   // 3000 is still too low
                                         ResizeCase{9000, 3001, 9000, 3001},   // stays
                                         ResizeCase{4900, 7000, 5200, 7000},   // too narrow
                                         ResizeCase{5000, 7000, 5200, 7000},
                                         ResizeCase{5001, 7000, 5001, 7000},
                                         ResizeCase{4000, 2000, 5200, 3200}));  // both

TEST(WindowResize, BannerFillerReachesTheRightEdge)
{
    WindowGeometry g = layoutrules::designed(6000, 7000);
    g.width = 20000;
    layoutrules::resized(g);
    EXPECT_EQ(g.bannerFiller.left, g.banner.right());
    EXPECT_EQ(g.bannerFiller.right(), 20000);
    EXPECT_EQ(g.navigationBar.width, 20000);
}

TEST(WindowLayout, FullFormFitsTheDocumentAreaBesideTheSplitter)
{
    WindowGeometry g = layoutrules::designed(18000, 11700);
    g.splitter.left = 5050;
    layoutrules::startform11(g);
    EXPECT_EQ(g.workingFrame.width, 18000 - 175);
    EXPECT_EQ(g.workingFrame.height, 11700 - g.workingFrame.top - 850);
    EXPECT_EQ(g.leftPane.left, 10);
    EXPECT_EQ(g.leftPane.width, 5000);
    EXPECT_EQ(g.splitter.left, 5050);
    EXPECT_EQ(g.documentArea.left, 5050 + g.splitter.width + 30);
    EXPECT_EQ(g.documentArea.width, 18000 - 175 - g.documentArea.left - 30);
    EXPECT_EQ(g.sideDrawer.height, 11700 - g.banner.height - 100);
    EXPECT_EQ(g.leftPane.height, g.workingFrame.height);
}

TEST(WindowLayout, StartformFollowsTheWindowHeightOnly)
{
    WindowGeometry g = layoutrules::designed(18000, 11700);
    const WindowGeometry before = g;
    g.height = 9000;
    g.leftMargin = 120;
    layoutrules::startform(g);
    EXPECT_EQ(g.workingFrame.height, 9000 - g.workingFrame.top - 850);
    EXPECT_EQ(g.workingFrame.left, 130);
    EXPECT_EQ(g.leftPane.height, g.workingFrame.height);
    EXPECT_EQ(g.documentArea.height, g.workingFrame.height);
    EXPECT_EQ(g.workingFrame.width, before.workingFrame.width);
    EXPECT_EQ(g.documentArea.width, before.documentArea.width);
}

class SplitterDragTest : public testing::Test {
protected:
    WindowGeometry g = layoutrules::designed(18000, 11700);
    SplitterDrag drag;
    // A pointer well inside the working frame.
    int inFrame(int screenX) const { return 6000 + (screenX - 500) * 15; }
};

TEST_F(SplitterDragTest, TenPixelsRightMovesTheSplitter150Twips)
{
    const WindowGeometry before = g;
    drag.press(500);
    ASSERT_TRUE(drag.tick(510, inFrame(510), g));
    EXPECT_EQ(g.splitter.left, before.splitter.left + 150);
    EXPECT_EQ(g.documentArea.width, before.documentArea.width - 150);
    EXPECT_EQ(g.documentArea.left, before.documentArea.left + 150);
    EXPECT_EQ(g.documentArea.right(), before.documentArea.right());
    EXPECT_EQ(g.leftPane.width, g.splitter.left - 50);
    EXPECT_EQ(drag.origin(), 510);
}

TEST_F(SplitterDragTest, FollowsThePointerTickByTickAndStopsOnRelease)
{
    const int start = g.splitter.left;
    drag.press(500);
    drag.tick(490, inFrame(490), g);  // 10 px left
    drag.tick(495, inFrame(495), g);  // 5 px right
    EXPECT_EQ(g.splitter.left, start - 75);
    EXPECT_FALSE(drag.tick(495, inFrame(495), g));  // no travel, no move
    drag.release();
    EXPECT_FALSE(drag.tick(600, inFrame(600), g));
    EXPECT_EQ(g.splitter.left, start - 75);
}

TEST_F(SplitterDragTest, NoMoveNearTheRightEdgeAndTheSplitterCatchesUpLater)
{
    const int start = g.splitter.left;
    drag.press(500);
    EXPECT_FALSE(drag.tick(520, g.workingFrame.width - 1999, g));
    EXPECT_EQ(g.splitter.left, start);
    EXPECT_EQ(drag.origin(), 500);
    EXPECT_TRUE(drag.tick(520, g.workingFrame.width - 2000, g));  // exactly 2000 away is allowed
    EXPECT_EQ(g.splitter.left, start + 300);
}

TEST_F(SplitterDragTest, NoMovePastTheLeftBound)
{
    drag.press(500);
    const int pixelsToBound = (g.splitter.left - SplitterDrag::kLeftBound) / 15;
    EXPECT_FALSE(drag.tick(500 - pixelsToBound - 1, 100, g));
    EXPECT_TRUE(drag.tick(500 - pixelsToBound, 100, g));
    EXPECT_GE(g.splitter.left, SplitterDrag::kLeftBound);
    EXPECT_GT(g.leftPane.width, 0);
}

}  // namespace
}  // namespace kelvor
