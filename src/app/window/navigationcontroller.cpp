#include "navigationcontroller.h"

#include "centreswitch.h"
#include "grouptabs.h"

namespace kelvor {

NavigationController::NavigationController(WindowSession& session, CentreSwitch& centreSwitch,
                                           NavigationView& view)
    : m_session(session), m_switch(centreSwitch), m_view(view)
{
}

void NavigationController::tabStripPressed(double x, double y, double height)
{
    if (const auto group = grouptabs::groupAt(x, y, height)) chooseGroup(*group);
}

void NavigationController::chooseGroup(NavigationGroup group)
{
    m_view.showBannerPicture(tabStripPicture(group));
    m_bar.groupChosen(group);
    m_session.setGroup(group);
    // The bar shows the new group's items at once, not only after the next reset.
    m_bar.buttonstate(group);
    m_view.showBarBackground(m_bar.barBackground(), group);
    showOverlay();
    // The centre group opens on the technology centre, the others on their first item.
    m_switch.Label1_Click(group == NavigationGroup::Centre ? 1 : 0);
    m_bar.setSelectedItem(m_session.currentItem());
}

void NavigationController::barItemClicked(int item)
{
    if (item < 0 || item >= kBarItemCount) return;
    m_switch.Label1_Click(item);
    // At rest the overlay marks the page on show.
    m_bar.setSelectedItem(item);
}

void NavigationController::barItemHovered(int item)
{
    if (item < 0 || item >= kBarItemCount) return;
    if (m_bar.hover(m_session.group(), item)) showOverlay();
}

void NavigationController::pointerLeftItems()
{
    if (m_bar.isResetDue()) buttonstate();
}

void NavigationController::buttonstate()
{
    m_bar.buttonstate(m_session.group());
    m_view.showBarBackground(m_bar.barBackground(), m_session.group());
    showOverlay();
}

void NavigationController::showCurrentGroup()
{
    m_view.showBannerPicture(tabStripPicture(m_session.group()));
    buttonstate();
}

void NavigationController::showOverlay() { m_view.showOverlay(m_bar.overlay()); }

}  // namespace kelvor
