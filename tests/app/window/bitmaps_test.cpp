#include "app/window/bitmaps.h"
#include "app/window/grouptabs.h"
#include "app/window/navigationgroups.h"
#include "app/window/twips.h"

#include <gtest/gtest.h>

#include <QImage>

namespace kelvor {
namespace {

const QSize kBanner(grouptabs::kBannerWidth / 15, grouptabs::kBannerHeight / 15);

TEST(Bitmaps, EveryNumberedPictureIsDrawnAtTheAskedSize)
{
    std::vector<int> numbers = {801, 802, 803, 811, 812, 813};
    for (int i = 0; i < kBarItemCount; ++i) {
        numbers.push_back(820 + i);
        numbers.push_back(920 + i);
        numbers.push_back(950 + i);
    }
    for (int number : numbers) {
        const QPixmap p = Bitmaps::picture(number, QSize(96, 32));
        ASSERT_FALSE(p.isNull()) << number;
        EXPECT_EQ(p.size(), QSize(96, 32)) << number;
    }
    for (int unknown : {0, 800, 804, 810, 814, 828, 919, 928, 958, 1011})
        EXPECT_TRUE(Bitmaps::picture(unknown, QSize(96, 32)).isNull()) << unknown;
    EXPECT_TRUE(Bitmaps::picture(801, QSize()).isNull());
}

// A point near the foot of a tab, left of its caption: the tab's own colour.
QPoint footOfTab(NavigationGroup group)
{
    const auto corners = grouptabs::tabCorners(group, grouptabs::kStripHeight);
    const double x = grouptabs::kLabelLeft + corners[3].x() + 80;
    const double y = grouptabs::kStripTop + grouptabs::kStripHeight - 45;
    return {int(x / 15), int(y / 15)};
}

TEST(Bitmaps, TheChosenGroupsTabIsHighlightedWhereTheHitTestPutsIt)
{
    const std::array<std::pair<int, NavigationGroup>, 3> strips = {
        std::pair{801, NavigationGroup::Centre}, std::pair{802, NavigationGroup::Learning},
        std::pair{803, NavigationGroup::Query}};
    for (auto [number, chosen] : strips) {
        const QImage strip = Bitmaps::picture(number, kBanner).toImage();
        for (auto [other, group] : strips) {
            const QPoint at = footOfTab(group);
            // The point really lies in that group's tab.
            ASSERT_EQ(grouptabs::groupAt(at.x() * 15.0 - grouptabs::kLabelLeft, at.y() * 15.0 - grouptabs::kStripTop,
                                         grouptabs::kStripHeight),
                      group);
            const QColor colour = strip.pixelColor(at);
            // A chosen tab is drawn in the light colour of the bar below it.
            if (group == chosen) {
                EXPECT_GT(colour.lightness(), 200) << number << " tab " << int(group);
            } else {
                EXPECT_LT(colour.lightness(), 140) << number << " tab " << int(group);
            }
        }
    }
}

TEST(Bitmaps, AnOverlayShowsItsItemAndABlankSlotDrawsNothing)
{
    const QImage named = Bitmaps::picture(921, QSize(96, 24)).toImage();
    const QImage blank = Bitmaps::picture(920, QSize(96, 24)).toImage();
    EXPECT_GT(named.pixelColor(48, 12).alpha(), 0);
    EXPECT_EQ(blank.pixelColor(48, 12).alpha(), 0);
    // Different items carry different names.
    EXPECT_NE(Bitmaps::picture(922, QSize(96, 24)).toImage(), named);
}

TEST(Bitmaps, TreePicturesTellDocumentsFromFoldersAndLevelsApart)
{
    std::vector<QImage> pictures;
    for (int i = 1; i <= Bitmaps::kTreePictureCount; ++i) {
        const QPixmap p = Bitmaps::treePicture(i);
        ASSERT_FALSE(p.isNull()) << i;
        pictures.push_back(p.toImage());
    }
    // The centre tree's documents (6–9) and folders (11–14), level by level, all differ.
    for (int a : {6, 7, 8, 9, 11, 12, 13, 14}) {
        for (int b : {6, 7, 8, 9, 11, 12, 13, 14}) {
            if (a < b) {
                EXPECT_NE(pictures[size_t(a - 1)], pictures[size_t(b - 1)]) << a << " " << b;
            }
        }
    }
    EXPECT_TRUE(Bitmaps::treePicture(0).isNull());
    EXPECT_TRUE(Bitmaps::treePicture(15).isNull());
}

}  // namespace
}  // namespace kelvor
