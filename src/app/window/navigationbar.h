#pragma once

#include "navigationgroups.h"
#include "twips.h"

#include <QString>

namespace kelvor {

// Where things lie on the navigation bar `Picture13` (twips, bar coordinates).
namespace navbar {

inline constexpr int kHeight = 840;
inline constexpr int kFirstItemLeft = 240;
inline constexpr int kItemPitch = 1500;
inline constexpr int kItemWidth = 1440;
// The centre group's names sit under their emblems, lower than the other groups' names.
inline constexpr int kCentreOverlayTop = 445;
inline constexpr int kOtherOverlayTop = 180;
inline constexpr int kCentreOverlayHeight = 360;
inline constexpr int kOtherOverlayHeight = 480;
// Outside the centre group the overlay reaches this far past each side of its item.
inline constexpr int kOverlayOverhang = 10;

// The transparent bar item `Label1(item)`: its slot over the whole bar height.
TwipsRect itemRect(int item);
int overlayTop(NavigationGroup group);
// The selection overlay `Image3` over `item`.
TwipsRect overlayRect(NavigationGroup group, int item);

}  // namespace navbar

// The bar's own state: which item the pointer was over last, which item
// carries the overlay at rest, and the menu state text that tells whether a
// reset is due.
class NavigationBarState {
public:
    struct Overlay {
        TwipsRect rect;
        int picture = 0;
        bool visible = false;
    };

    // Creation of the window: overlay hidden at top 180, item 0 selected.
    NavigationBarState();

    QString menuState() const { return m_menuState; }  // "no" or "ok"
    bool isResetDue() const { return m_menuState == QLatin1String("no"); }
    int lastHovered() const { return m_lastHovered; }
    int selectedItem() const { return m_selectedItem; }
    void setSelectedItem(int item) { m_selectedItem = item; }
    void setMenuState(const QString& text) { m_menuState = text; }
    void setLastHovered(int item) { m_lastHovered = item; }
    const Overlay& overlay() const { return m_overlay; }
    int barBackground() const { return m_barBackground; }
    void setBarBackground(int picture) { m_barBackground = picture; }

    // The pointer moved over bar item `item`. True when the overlay moved.
    bool hover(NavigationGroup group, int item);
    // `buttonstate`: the group's bar background, the overlay back on the
    // selected item; the menu state becomes "ok".
    void buttonstate(NavigationGroup group);
    // A group tab was chosen: overlay hidden at the group's height, item 0 selected.
    void groupChosen(NavigationGroup group);

private:
    QString m_menuState = QStringLiteral("no");
    int m_lastHovered = 1;
    int m_selectedItem = 0;
    int m_barBackground = 0;
    Overlay m_overlay;
};

}  // namespace kelvor
