#pragma once

#include "navigationbar.h"
#include "windowsession.h"

namespace kelvor {

class CentreSwitch;

// What the navigation needs of the banner and the bar widgets.
class NavigationView {
public:
    virtual ~NavigationView() = default;
    // Picture 801–803 into the banner `Imagebar`.
    virtual void showBannerPicture(int number) = 0;
    // Picture 811–813 into the bar `Picture13`; the bar items take the group's names.
    virtual void showBarBackground(int number, NavigationGroup group) = 0;
    virtual void showOverlay(const NavigationBarState::Overlay& overlay) = 0;
};

// The group tabs and the bar: choosing a group, hovering and clicking bar
// items, and the bar reset.
class NavigationController {
public:
    NavigationController(WindowSession& session, CentreSwitch& centreSwitch, NavigationView& view);

    NavigationBarState& bar() { return m_bar; }
    const NavigationBarState& bar() const { return m_bar; }

    // Mouse down on the tab label at (x, y) twips; `height` is the label's height.
    void tabStripPressed(double x, double y, double height);
    // The group tab `group` was chosen: its tab strip, its first page.
    void chooseGroup(NavigationGroup group);

    // A click on bar item `item`: the centre switch for it.
    void barItemClicked(int item);
    void barItemHovered(int item);
    // The pointer moved over the bar's background, the document area, the
    // working frame, the tree or the result list: `buttonstate` when due.
    void pointerLeftItems();
    // `buttonstate`: the bar's background and the overlay at the selected item.
    void buttonstate();

    // Puts the bar of the session's group on show, as after a reset.
    void showCurrentGroup();

private:
    void showOverlay();

    WindowSession& m_session;
    CentreSwitch& m_switch;
    NavigationView& m_view;
    NavigationBarState m_bar;
};

}  // namespace kelvor
