#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace kelvor {

// The three groups the navigation bar serves. The numbers are the group's
// code as the window stores it ("0", "1", "2") and as bookmarks write it.
enum class NavigationGroup { Centre = 0, Learning = 1, Query = 2 };

inline constexpr int kBarItemCount = 8;

QString groupCode(NavigationGroup group);
std::optional<NavigationGroup> groupFromCode(QStringView code);
// The caption on the group's tab.
QString groupName(NavigationGroup group);

// The page behind bar item `item` of `group` as the centre switch knows it
// (" 目录 " keeps its blanks); empty for a slot that carries no page.
QString barItemName(NavigationGroup group, int item);
// The name as the bar shows it and its tooltip reads.
QString barItemCaption(NavigationGroup group, int item);
bool barItemHasPage(NavigationGroup group, int item);

// Picture numbers of the program's bitmaps.
int barBackgroundPicture(NavigationGroup group);  // 812, 811, 813
int tabStripPicture(NavigationGroup group);       // 801, 802, 803
int overlayPictureBase(NavigationGroup group);    // 920, 820, 950
int overlayPicture(NavigationGroup group, int item);

// What a picture number shows; nothing for a number the program lacks.
struct NumberedPicture {
    enum class Kind { TabStrip, BarBackground, Overlay };
    Kind kind;
    NavigationGroup group;
    int item = -1;  // overlays only
};
std::optional<NumberedPicture> numberedPicture(int number);

}  // namespace kelvor
