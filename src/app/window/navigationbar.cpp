#include "navigationbar.h"

namespace kelvor {

namespace navbar {

TwipsRect itemRect(int item) { return {kFirstItemLeft + item * kItemPitch, 0, kItemWidth, kHeight}; }

int overlayTop(NavigationGroup group)
{
    return group == NavigationGroup::Centre ? kCentreOverlayTop : kOtherOverlayTop;
}

TwipsRect overlayRect(NavigationGroup group, int item)
{
    const TwipsRect slot = itemRect(item);
    if (group == NavigationGroup::Centre) return {slot.left, kCentreOverlayTop, slot.width, kCentreOverlayHeight};
    return {slot.left - kOverlayOverhang, kOtherOverlayTop, slot.width + 2 * kOverlayOverhang, kOtherOverlayHeight};
}

}  // namespace navbar

NavigationBarState::NavigationBarState()
{
    m_overlay.rect = navbar::overlayRect(NavigationGroup::Learning, 0);
    m_overlay.rect.top = navbar::kOtherOverlayTop;
}

bool NavigationBarState::hover(NavigationGroup group, int item)
{
    m_menuState = QStringLiteral("no");
    if (item == m_lastHovered && m_overlay.visible) return false;
    m_lastHovered = item;
    m_overlay.rect = navbar::overlayRect(group, item);
    m_overlay.picture = overlayPicture(group, item);
    m_overlay.visible = true;
    return true;
}

void NavigationBarState::buttonstate(NavigationGroup group)
{
    m_barBackground = barBackgroundPicture(group);
    m_overlay.rect = navbar::overlayRect(group, m_selectedItem);
    m_overlay.picture = overlayPicture(group, m_selectedItem);
    // The overlay now marks the selected item, so the pointer coming back to
    // the item it left must move it again.
    m_lastHovered = m_selectedItem;
    m_menuState = QStringLiteral("ok");
}

void NavigationBarState::groupChosen(NavigationGroup group)
{
    m_overlay.rect.top = navbar::overlayTop(group);
    m_overlay.visible = false;
    m_selectedItem = 0;
}

}  // namespace kelvor
