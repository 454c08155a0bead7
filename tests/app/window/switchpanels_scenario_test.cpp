// A user leaves the history or the thumbnails on show and switches to another
// centre or group: the new page starts without them, and their own buttons
// bring them back.
#include "searchwindow.h"

#include <QListView>
#include <QPushButton>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;
using test::SearchWindowTest;

// A press on a bar item of the group on show, or the choice of another group
// (which opens that group's first page).
struct PageSwitch {
    const char* name;
    NavigationGroup group;
    int item;  // the bar item, when the group stays
};

void PrintTo(const PageSwitch& s, std::ostream* os) { *os << s.name; }

class SwitchPanelsScenarioTest : public SearchWindowTest, public testing::WithParamInterface<PageSwitch> {
protected:
    void switchPage(const PageSwitch& to)
    {
        if (to.group != window->session().group()) window->navigation().chooseGroup(to.group);
        else click(u"Label1(%1)"_s.arg(to.item));
    }

    QListView* historyList() const { return child<QListView>(u"dataList6"_s); }
    QStringList historyLines() const
    {
        QStringList out;
        const QAbstractItemModel* model = historyList()->model();
        for (int row = 0; row < model->rowCount(); ++row) out << model->index(row, 0).data().toString();
        return out;
    }
    // A search in the technology centre, then "历史".
    void showHistoryOfASearch()
    {
        showTechnologyCentre();
        click(u"Command8"_s);  // "查询"
        type(u"Loop"_s);
        pressEnter();
        click(u"Command9"_s);  // "历史"
    }
    QLabel* cell(int j) const { return child<QLabel>(u"Image7(%1)"_s.arg(j)); }
};

TEST_P(SwitchPanelsScenarioTest, TheHistoryGoesWithTheOldPageAndItsTabBringsItBack)
{
    showHistoryOfASearch();
    ASSERT_TRUE(historyList()->isVisible());

    switchPage(GetParam());
    EXPECT_FALSE(historyList()->isVisible());
    EXPECT_FALSE(child(u"Frame99"_s)->isVisible());

    // Back in a centre, "历史" lists the searches again.
    if (window->session().group() != NavigationGroup::Centre) window->navigation().chooseGroup(NavigationGroup::Centre);
    click(u"Command9"_s);
    EXPECT_TRUE(historyList()->isVisible());
    const QStringList shown = historyLines();
    ASSERT_GE(shown.size(), 2);
    EXPECT_TRUE(shown.at(1).startsWith(u"Loop "_s)) << shown.at(1).toStdString();
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();
}

TEST_P(SwitchPanelsScenarioTest, TheThumbnailButtonsGoWithTheOldPageAndTheThumbnailsBringThemBack)
{
    const auto openThumbnail = [this] {
        showPage(NavigationGroup::Centre, 6);  // "界面中心"
        clickNode(u"l22012101"_s);
        click(u"Command48"_s);  // "缩略图显示"
        QTest::mouseDClick(cell(1), Qt::LeftButton);
    };
    openThumbnail();
    ASSERT_TRUE(child(u"Command51"_s)->isVisible());

    switchPage(GetParam());
    for (const QString& button : {u"Command49"_s, u"Command50"_s, u"Command51"_s})  // "上一页", "下一页", "恢复缩略图"
        EXPECT_FALSE(child(button)->isVisible()) << button.toStdString();
    EXPECT_FALSE(child(u"thumbnailGrid"_s)->isVisible());

    openThumbnail();
    EXPECT_TRUE(child(u"Command51"_s)->isVisible());
    EXPECT_EQ(window->recordCodeBox()->text(), test::kLoginCode);
}

// Only a switch takes the history away: a search on the centre title builds
// its tree behind the history, as a search fills the list behind the tree.
TEST_F(SwitchPanelsScenarioTest, ASearchOnTheCentreTitleLeavesTheHistoryOnShow)
{
    showHistoryOfASearch();
    ASSERT_TRUE(historyList()->isVisible());

    click(u"Label5"_s);
    EXPECT_EQ(title().trimmed(), u"实例中心"_s);
    EXPECT_TRUE(historyList()->isVisible());
    click(u"Command4"_s);  // "目录" shows the tree the search built
    EXPECT_FALSE(historyList()->isVisible());
    EXPECT_TRUE(child(u"TreeView1"_s)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Switches, SwitchPanelsScenarioTest,
    testing::Values(PageSwitch{"AnotherCentre", NavigationGroup::Centre, 2},
                    PageSwitch{"TheInterfaceCentre", NavigationGroup::Centre, 6},
                    PageSwitch{"TheLearningGroup", NavigationGroup::Learning, 0},
                    PageSwitch{"TheQueryGroup", NavigationGroup::Query, 0}),
    [](const testing::TestParamInfo<PageSwitch>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvor
