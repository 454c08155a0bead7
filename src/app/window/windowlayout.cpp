#include "windowlayout.h"

#include "grouptabs.h"
#include "navigationbar.h"

#include <algorithm>

namespace kelvor::layoutrules {

namespace {

constexpr int kDesignedLeftPaneWidth = 4200;
constexpr int kSplitterWidth = 90;
constexpr int kBarToWorkingFrame = 60;
constexpr int kSideDrawerWidth = 3000;
constexpr int kSideDrawerBottomGap = 100;

int atLeastZero(int value) { return std::max(0, value); }

void fitWorkingFrameHeight(WindowGeometry& g)
{
    g.workingFrame.height = atLeastZero(g.height - g.workingFrame.top - kBottomReserve);
    g.workingFrame.left = g.leftMargin + kFrameLeftInset;
}

void stretchBannerFiller(WindowGeometry& g)
{
    if (g.width <= g.banner.width) return;
    g.bannerFiller.left = g.banner.right();
    g.bannerFiller.width = g.width - g.banner.width;
}

}  // namespace

WindowGeometry designed(int width, int height)
{
    WindowGeometry g;
    g.width = width;
    g.height = height;
    g.banner = {0, 0, grouptabs::kBannerWidth, grouptabs::kBannerHeight};
    g.bannerFiller = {g.banner.right(), 0, 0, g.banner.height};
    stretchBannerFiller(g);
    g.navigationBar = {0, g.banner.bottom(), width, navbar::kHeight};
    g.workingFrame.top = g.navigationBar.bottom() + kBarToWorkingFrame;
    g.workingFrame.width = atLeastZero(width - kResizeRightReserve - g.leftMargin);
    fitWorkingFrameHeight(g);
    g.leftPane = {kFrameLeftInset, 0, kDesignedLeftPaneWidth, g.workingFrame.height};
    g.splitter = {g.leftPane.width + kPaneToSplitter, 0, kSplitterWidth, g.workingFrame.height};
    g.documentArea.left = g.splitter.right() + kSplitterToDocument;
    g.documentArea.width = atLeastZero(g.workingFrame.width - g.documentArea.left - kDocumentRightGap);
    g.documentArea.height = g.workingFrame.height;
    g.sideDrawer = {0, g.banner.bottom(), kSideDrawerWidth, atLeastZero(height - g.banner.height - kSideDrawerBottomGap)};
    return g;
}

void startform(WindowGeometry& g)
{
    fitWorkingFrameHeight(g);
    g.documentArea.height = g.workingFrame.height;
    g.leftPane.height = g.workingFrame.height;
}

void startform11(WindowGeometry& g)
{
    g.splitterVisible = true;
    g.workingFrame.width = atLeastZero(g.width - kFullFormRightReserve - g.leftMargin);
    g.sideDrawer.height = atLeastZero(g.height - g.banner.height - kSideDrawerBottomGap);
    g.workingFrame.height = atLeastZero(g.height - g.workingFrame.top - kBottomReserve);
    g.leftPane.width = atLeastZero(g.splitter.left - kPaneToSplitter);
    g.leftPane.left = kFrameLeftInset;
    g.splitter.left = g.leftPane.width + kPaneToSplitter;
    g.documentArea.left = g.splitter.width + g.splitter.left + kSplitterToDocument;
    g.documentArea.width =
        atLeastZero(g.width - kFullFormRightReserve - g.leftMargin - g.documentArea.left - kDocumentRightGap);
    g.documentArea.height = g.workingFrame.height;
    g.leftPane.height = g.workingFrame.height;
}

void placeDocumentAreaBesideSplitter(WindowGeometry& g)
{
    g.documentArea.left = g.splitter.left + g.splitter.width + kSplitterToDocument;
    g.documentArea.width =
        atLeastZero(g.width - kFullFormRightReserve - g.leftMargin - g.documentArea.left - kDocumentRightGap);
}

bool resized(WindowGeometry& g)
{
    const int oldWidth = g.width;
    const int oldHeight = g.height;
    stretchBannerFiller(g);
    if (g.height <= kLowestHeight) g.height = kSnappedHeight;
    fitWorkingFrameHeight(g);
    g.documentArea.height = g.workingFrame.height;
    g.leftPane.height = g.workingFrame.height;
    g.splitter.height = g.workingFrame.height;
    if (g.width <= kNarrowestWidth) g.width = kSnappedWidth;
    g.workingFrame.width = atLeastZero(g.width - kResizeRightReserve - g.leftMargin);
    g.documentArea.width = atLeastZero(g.workingFrame.width - g.documentArea.left - kDocumentRightGap);
    // The bar runs the whole width, like the banner with its filler.
    g.navigationBar.width = g.width;
    stretchBannerFiller(g);
    return g.width != oldWidth || g.height != oldHeight;
}

}  // namespace kelvor::layoutrules
