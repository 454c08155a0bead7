#include "recordingswitchview.h"
#include "windowtestlibrary.h"

#include "app/window/centreswitch.h"
#include "app/window/grouptabs.h"
#include "app/window/navigationcontroller.h"
#include "app/window/resultlistmodel.h"

#include "catalogue/cataloguemodel.h"
#include "library/sharedconnection.h"

#include <gtest/gtest.h>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

TEST(NavigationBarState, HoverMovesTheOverlayOverTheItemWithTheGroupsPicture)
{
    NavigationBarState bar;
    EXPECT_EQ(bar.menuState(), u"no"_s);
    EXPECT_FALSE(bar.overlay().visible);
    EXPECT_EQ(bar.overlay().rect.top, 180);

    EXPECT_TRUE(bar.hover(NavigationGroup::Centre, 3));
    EXPECT_EQ(bar.overlay().picture, 923);
    EXPECT_TRUE(bar.overlay().visible);
    EXPECT_EQ(bar.overlay().rect.left, navbar::itemRect(3).left);
    EXPECT_EQ(bar.overlay().rect.top, 445);
    EXPECT_EQ(bar.lastHovered(), 3);

    EXPECT_FALSE(bar.hover(NavigationGroup::Centre, 3));  // the same item again
    bar.setMenuState(u"ok"_s);
    EXPECT_TRUE(bar.hover(NavigationGroup::Learning, 5));
    EXPECT_EQ(bar.menuState(), u"no"_s);
    EXPECT_EQ(bar.overlay().picture, 825);
    EXPECT_EQ(bar.overlay().rect.left, navbar::itemRect(5).left - 10);  // 10 twips further left
    EXPECT_TRUE(bar.hover(NavigationGroup::Query, 2));
    EXPECT_EQ(bar.overlay().picture, 952);
    EXPECT_EQ(bar.overlay().rect.left, navbar::itemRect(2).left - 10);
}

TEST(NavigationBarState, ResetPutsTheOverlayBackOnTheSelectedItem)
{
    NavigationBarState bar;
    bar.setSelectedItem(2);
    bar.hover(NavigationGroup::Query, 6);
    bar.buttonstate(NavigationGroup::Query);
    EXPECT_EQ(bar.menuState(), u"ok"_s);
    EXPECT_FALSE(bar.isResetDue());
    EXPECT_EQ(bar.barBackground(), 813);
    EXPECT_EQ(bar.overlay().picture, 952);
    EXPECT_EQ(bar.overlay().rect, navbar::overlayRect(NavigationGroup::Query, 2));
    // Coming back to the item the pointer left moves the overlay there again.
    EXPECT_TRUE(bar.hover(NavigationGroup::Query, 6));
    EXPECT_EQ(bar.overlay().picture, 956);
}

TEST(NavigationBarState, ChoosingAGroupHidesTheOverlayAtTheGroupsHeight)
{
    NavigationBarState bar;
    bar.hover(NavigationGroup::Learning, 4);
    bar.setSelectedItem(4);
    bar.groupChosen(NavigationGroup::Centre);
    EXPECT_FALSE(bar.overlay().visible);
    EXPECT_EQ(bar.overlay().rect.top, 445);
    EXPECT_EQ(bar.selectedItem(), 0);
    // A hidden overlay comes back even over the item last under the pointer.
    EXPECT_TRUE(bar.hover(NavigationGroup::Centre, 4));
    EXPECT_TRUE(bar.overlay().visible);
}

TEST(NavigationPictures, NumbersPerGroup)
{
    EXPECT_EQ(barBackgroundPicture(NavigationGroup::Centre), 812);
    EXPECT_EQ(barBackgroundPicture(NavigationGroup::Learning), 811);
    EXPECT_EQ(barBackgroundPicture(NavigationGroup::Query), 813);
    EXPECT_EQ(tabStripPicture(NavigationGroup::Centre), 801);
    EXPECT_EQ(tabStripPicture(NavigationGroup::Learning), 802);
    EXPECT_EQ(tabStripPicture(NavigationGroup::Query), 803);
    for (int i = 0; i < kBarItemCount; ++i) {
        EXPECT_EQ(overlayPicture(NavigationGroup::Centre, i), 920 + i);
        EXPECT_EQ(overlayPicture(NavigationGroup::Learning, i), 820 + i);
        EXPECT_EQ(overlayPicture(NavigationGroup::Query, i), 950 + i);
        const auto overlay = numberedPicture(950 + i);
        ASSERT_TRUE(overlay);
        EXPECT_EQ(overlay->item, i);
        EXPECT_EQ(overlay->group, NavigationGroup::Query);
    }
    EXPECT_FALSE(numberedPicture(800));
    EXPECT_FALSE(numberedPicture(828));
    EXPECT_EQ(groupFromCode(u"2"), NavigationGroup::Query);
    EXPECT_FALSE(groupFromCode(u"3"));
    EXPECT_EQ(barItemName(NavigationGroup::Query, 0), u" 目录 "_s);
    EXPECT_EQ(barItemCaption(NavigationGroup::Query, 0), u"目录"_s);
    EXPECT_FALSE(barItemHasPage(NavigationGroup::Query, 4));
    EXPECT_FALSE(barItemHasPage(NavigationGroup::Centre, 0));
}

class RecordingNavigationView : public NavigationView {
public:
    void showBannerPicture(int number) override { banner = number; }
    void showBarBackground(int number, NavigationGroup g) override
    {
        bar = number;
        barGroup = g;
    }
    void showOverlay(const NavigationBarState::Overlay& o) override { overlay = o; }

    int banner = 0;
    int bar = 0;
    NavigationGroup barGroup = NavigationGroup::Centre;
    NavigationBarState::Overlay overlay;
};

class NavigationControllerTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        library = new test::TestLibrary;
        test::addWindowRecords(*library);
    }
    static void TearDownTestSuite()
    {
        delete library;
        library = nullptr;
    }

    // A press at the foot of the tab strip, `x` twips into the label.
    void pressTabs(double x) { controller.tabStripPressed(x, grouptabs::kStripHeight - 1, grouptabs::kStripHeight); }

    static test::TestLibrary* library;
    SharedConnection connection{library->layout()};
    WindowSession session;
    CatalogueModel catalogue;
    ResultListModel results;
    test::RecordingSwitchView switchView;
    CentreSwitch centreSwitch{connection, session, catalogue, results, switchView};
    RecordingNavigationView view;
    NavigationController controller{session, centreSwitch, view};
};

test::TestLibrary* NavigationControllerTest::library = nullptr;

TEST_F(NavigationControllerTest, EachTabLandsOnItsGroupsFirstPage)
{
    struct Case {
        double x;
        NavigationGroup group;
        int banner;
        int bar;
        int item;
        const char* title;
    };
    for (const Case& c : {Case{100, NavigationGroup::Learning, 802, 811, 0, "从零开始"},
                          Case{600, NavigationGroup::Centre, 801, 812, 1, "技术中心"},
                          Case{1500, NavigationGroup::Query, 803, 813, 0, " 目录 "}}) {
        pressTabs(c.x);
        EXPECT_EQ(session.group(), c.group) << c.title;
        EXPECT_EQ(view.banner, c.banner) << c.title;
        EXPECT_EQ(view.bar, c.bar) << c.title;
        EXPECT_EQ(view.barGroup, c.group) << c.title;
        EXPECT_FALSE(view.overlay.visible) << c.title;
        EXPECT_EQ(session.currentItem(), c.item) << c.title;
        EXPECT_EQ(session.centreTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(controller.bar().selectedItem(), c.item) << c.title;
    }
}

TEST_F(NavigationControllerTest, APressOnABorderOrBesideTheTabsChangesNothing)
{
    session.setGroup(NavigationGroup::Query);
    pressTabs(grouptabs::borderShift(grouptabs::kStripHeight - 1, grouptabs::kStripHeight) + 200);
    pressTabs(2500);
    EXPECT_EQ(session.group(), NavigationGroup::Query);
    EXPECT_EQ(view.banner, 0);
    EXPECT_EQ(switchView.windowDisabledCount, 0);
}

TEST_F(NavigationControllerTest, BarClickSwitchesAndTheOverlayRestsOnThePageShown)
{
    pressTabs(600);  // centre group
    controller.barItemHovered(4);
    EXPECT_TRUE(view.overlay.visible);
    EXPECT_EQ(view.overlay.picture, 924);
    controller.barItemClicked(4);
    EXPECT_EQ(session.centreTitle(), u"项目中心"_s);
    controller.barItemHovered(6);
    EXPECT_EQ(view.overlay.picture, 926);
    controller.pointerLeftItems();
    EXPECT_EQ(view.overlay.picture, 924);
    EXPECT_EQ(controller.bar().menuState(), u"ok"_s);
    // Without a hover in between there is no reset to run.
    view.overlay = {};
    controller.pointerLeftItems();
    EXPECT_EQ(view.overlay.picture, 0);
}

}  // namespace
}  // namespace kelvor
