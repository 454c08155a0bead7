#include "recordingswitchview.h"
#include "windowtestlibrary.h"

#include "app/window/centreswitch.h"
#include "app/window/resultlistmodel.h"

#include "catalogue/cataloguemodel.h"
#include "library/sharedconnection.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

using test::RecordingSwitchView;
using test::TestLibrary;

const QString kUnchanged = QStringLiteral("(unchanged)");

class CentreSwitchTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        library = new TestLibrary;
        test::addWindowRecords(*library);
    }
    static void TearDownTestSuite()
    {
        delete library;
        library = nullptr;
    }

    void SetUp() override
    {
        connection.open(DatabaseRole::Content);
        session.setCurrentTable(kUnchanged);
        session.setPanelMode(PanelMode::Interface);
        session.setFirstHighlightTerm(QStringLiteral("abc"));
    }

    void run(NavigationGroup group, int item)
    {
        session.setGroup(group);
        centreSwitch.Label1_Click(item);
    }

    QStringList rootTexts() const
    {
        QStringList texts;
        for (int node : catalogue.tree().roots()) texts << catalogue.node(node).text;
        return texts;
    }

    static TestLibrary* library;
    SharedConnection connection{library->layout()};
    WindowSession session;
    CatalogueModel catalogue;
    ResultListModel results;
    RecordingSwitchView view;
    CentreSwitch centreSwitch{connection, session, catalogue, results, view};
};

TestLibrary* CentreSwitchTest::library = nullptr;

struct SwitchCase {
    NavigationGroup group;
    int item;
    const char* title;        // "" when nothing is switched
    const char* table;        // the stored current table; "@jszx" for the technology centre's reference
    PanelMode panelMode;      // Interface before the switch
    const char* firstCaption; // side-panel button 0; "" when the captions stay
    const char* shownFile;    // file name shown in the document view; "" for none
    const char* firstRoot;    // first root of the new tree; "" when the tree is not rebuilt
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << int(c.group) << "/" << c.item; }

class CentreSwitchByItem : public CentreSwitchTest, public testing::WithParamInterface<SwitchCase> {};

TEST_P(CentreSwitchByItem, PreparesThePageOfTheBarItem)
{
    const SwitchCase& c = GetParam();
    run(c.group, c.item);

    EXPECT_TRUE(view.failures.isEmpty()) << view.failures.join(u"; "_s).toStdString();
    EXPECT_TRUE(view.windowEnabled);
    EXPECT_EQ(view.windowDisabledCount, 1);
    EXPECT_EQ(session.currentItem(), c.item);
    EXPECT_TRUE(session.highlighterArmed());
    EXPECT_TRUE(session.firstHighlightTerm().isEmpty());

    EXPECT_EQ(view.title, QString::fromUtf8(c.title));
    if (*c.title) {
        EXPECT_EQ(session.centreTitle(), QString::fromUtf8(c.title));
    }

    const QString table = QString::fromUtf8(c.table);
    QString expectedTable = table;
    if (table == u"@jszx"_s) expectedTable = tableExpression(*centreByTable(u"jszx"), library->layout());
    if (table.isEmpty()) expectedTable = kUnchanged;
    EXPECT_EQ(session.currentTable(), expectedTable);

    EXPECT_EQ(session.panelMode(), c.panelMode);
    EXPECT_EQ(view.sideCaptions.value(0), QString::fromUtf8(c.firstCaption));

    if (*c.shownFile) {
        ASSERT_FALSE(view.shown.isEmpty());
        EXPECT_TRUE(view.shown.last().endsWith(QString::fromUtf8(c.shownFile))) << view.shown.last().toStdString();
    } else {
        EXPECT_TRUE(view.shown.isEmpty()) << view.shown.join(u", "_s).toStdString();
    }

    if (*c.firstRoot) {
        ASSERT_GT(catalogue.nodeCount(), 0);
        EXPECT_EQ(rootTexts().value(0), QString::fromUtf8(c.firstRoot));
        EXPECT_EQ(view.rebuilds, 1);
        EXPECT_TRUE(view.isVisible(Control::Tree));
    } else if (c.group == NavigationGroup::Learning) {
        // A page without a course: an empty tree under its title.
        EXPECT_EQ(catalogue.nodeCount(), 0);
        EXPECT_EQ(view.rebuilds, 1);
    } else {
        EXPECT_EQ(view.rebuilds, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, CentreSwitchByItem,
    testing::Values(
        SwitchCase{NavigationGroup::Centre, 0, "", "", PanelMode::Interface, "", "", ""},
        SwitchCase{NavigationGroup::Centre, 1, "技术中心", "@jszx", PanelMode::Default, "显示文档", "1999282828/001.jpg", "Java 基础"},
        SwitchCase{NavigationGroup::Centre, 2, "视频中心", " spzx", PanelMode::Video, "视频简介", "0000001.jpg", "视频教程"},
        SwitchCase{NavigationGroup::Centre, 3, "实例中心", " slzx", PanelMode::Default, "显示文档", "", "界面实例"},
        SwitchCase{NavigationGroup::Centre, 4, "项目中心", " xmzx", PanelMode::Default, "显示文档", "", "管理系统"},
        SwitchCase{NavigationGroup::Centre, 5, "方案中心", " fazx", PanelMode::Default, "显示文档", "", "网络方案"},
        SwitchCase{NavigationGroup::Centre, 6, "界面中心", " jmzx", PanelMode::Interface, "下载界面", "0000001.jpg", "窗口界面"},
        SwitchCase{NavigationGroup::Learning, 0, "从零开始", "study", PanelMode::Interface, "显示文档", "0000001.jpg", "从零开始"},
        SwitchCase{NavigationGroup::Learning, 1, "入门训练", "works", PanelMode::Interface, "显示文档", "1999282828/001.jpg", "入门训练"},
        SwitchCase{NavigationGroup::Learning, 2, "进阶提高", "", PanelMode::Interface, "显示文档", "", ""},
        SwitchCase{NavigationGroup::Learning, 7, "高级训练", "", PanelMode::Interface, "显示文档", "", ""},
        SwitchCase{NavigationGroup::Query, 0, " 目录 ", "", PanelMode::Interface, "", "1999282828/001.jpg", "Java 基础"},
        SwitchCase{NavigationGroup::Query, 1, "查询中心", "", PanelMode::Interface, "", "9098787891/main.htm", ""},
        SwitchCase{NavigationGroup::Query, 2, " 检索 ", "", PanelMode::Interface, "", "9098787891/main.htm", ""},
        SwitchCase{NavigationGroup::Query, 3, "源码管理", " ymzx", PanelMode::Interface, "", "", "源码与工具"},
        SwitchCase{NavigationGroup::Query, 4, "", "", PanelMode::Interface, "", "", ""},
        SwitchCase{NavigationGroup::Query, 6, "工具管理", " gjzx", PanelMode::Interface, "", "", "源码与工具"}));

TEST_F(CentreSwitchTest, CentreGroupStoresTheCentresQueriesAndOffersItsTabs)
{
    run(NavigationGroup::Centre, 3);
    EXPECT_EQ(session.listTable(), u" slzx"_s);
    EXPECT_EQ(session.treeQuery().sql, u"select name,xxbh,link from slzx order by xxbh"_s);
    EXPECT_EQ(session.listQuery().sql, u"select name,xxbh,link from slzx"_s);
    EXPECT_EQ(session.viewMode(), ViewMode::Catalogue);
    EXPECT_EQ(session.centreMainPage(), library->layout().centreMainPage());
    EXPECT_EQ(view.activeTab, Control::TabCatalogue);
    EXPECT_EQ(view.tabsTop, 200);
    for (Control c : {Control::TabCatalogue, Control::TabList, Control::TabHistory, Control::SearchButton,
                      Control::AdvancedButton})
        EXPECT_TRUE(view.isEnabled(c)) << objectNameOf(c).toStdString();
    EXPECT_EQ(view.captions[Control::TabHistory], u"历史"_s);
    EXPECT_EQ(view.captions[Control::AutoRun], u"自动执行"_s);
    EXPECT_EQ(view.captions[Control::RangeOptionCentre], u"实例中心"_s);
    EXPECT_FALSE(view.isVisible(Control::ResultList));
    EXPECT_FALSE(view.isVisible(Control::ResultScrollBar));
    EXPECT_EQ(view.selectedNode, 0);
    EXPECT_FALSE(view.expandedAll);
    EXPECT_GE(view.readingTimerStops, 1);
    // The centre tree shows its roots folded.
    EXPECT_FALSE(catalogue.node(0).expanded);
}

TEST_F(CentreSwitchTest, SidePanelCaptionsFollowTheCentre)
{
    run(NavigationGroup::Centre, 2);
    EXPECT_EQ(view.sideCaptions, QStringList({u"视频简介"_s, u"观看视频对应文档"_s, u"打开源代码文件夹"_s, u"最新升级视频"_s, u"视频论坛"_s}));
    run(NavigationGroup::Centre, 6);
    EXPECT_EQ(view.sideCaptions,
              QStringList({u"下载界面"_s, u"查看对应PSD文件"_s, u"界面设计视频学习"_s, u"在线学习设计"_s, u"界面论坛"_s}));
    run(NavigationGroup::Centre, 5);
    EXPECT_EQ(view.sideCaptions,
              QStringList({u"显示文档"_s, u"显现文档中的源程序"_s, u"打开源代码文件夹"_s, u"观看学习视频"_s, u"学习论坛"_s}));
    EXPECT_EQ(session.panelMode(), PanelMode::Default);
}

TEST_F(CentreSwitchTest, InterfaceCentreShowsThumbnailsInPlaceOfSettingsUntilTheNextSwitch)
{
    run(NavigationGroup::Centre, 6);
    EXPECT_TRUE(view.thumbnailAtSettings);
    EXPECT_TRUE(view.isVisible(Control::ThumbnailShow));
    run(NavigationGroup::Centre, 1);
    EXPECT_FALSE(view.isVisible(Control::ThumbnailShow));
}

TEST_F(CentreSwitchTest, LearningCourseTreeIsFullyExpandedAndItsTabsLimited)
{
    run(NavigationGroup::Learning, 0);
    EXPECT_EQ(session.treeQuery().params, QVariantList{u"20510111"_s});
    EXPECT_EQ(session.listQuery().params, QVariantList{u"20510111"_s});
    ASSERT_EQ(catalogue.nodeCount(), 4);
    for (int i = 0; i < catalogue.nodeCount(); ++i) EXPECT_TRUE(catalogue.node(i).expanded) << i;
    EXPECT_TRUE(view.expandedAll);
    EXPECT_EQ(view.selectedNode, 0);
    EXPECT_FALSE(view.isEnabled(Control::TabList));
    EXPECT_FALSE(view.isEnabled(Control::TabHistory));
    EXPECT_TRUE(view.isEnabled(Control::AutoRun));
    EXPECT_TRUE(view.isEnabled(Control::TabSettings));
    EXPECT_FALSE(view.isVisible(Control::ResultList));
}

TEST_F(CentreSwitchTest, TitleOnlyCoursesShowAnEmptyTreeUnderTheirTitle)
{
    run(NavigationGroup::Learning, 1);
    ASSERT_FALSE(rootTexts().isEmpty());
    run(NavigationGroup::Learning, 4);
    EXPECT_EQ(view.title, u"中级开发"_s);
    EXPECT_TRUE(rootTexts().isEmpty());
    EXPECT_EQ(session.currentTable(), u"works"_s);
}

TEST_F(CentreSwitchTest, QueryCatalogueJoinsTheFourTextCentres)
{
    run(NavigationGroup::Query, 0);
    EXPECT_EQ(rootTexts(), QStringList({u"Java 基础"_s, u"数据库"_s, u"界面实例"_s, u"管理系统"_s, u"网络方案"_s}));
    for (Control c : {Control::TabCatalogue, Control::TabList, Control::TabHistory})
        EXPECT_FALSE(view.isEnabled(c)) << objectNameOf(c).toStdString();
    EXPECT_TRUE(view.isEnabled(Control::TabSettings));
    EXPECT_TRUE(view.isEnabled(Control::AutoRun));
    for (Control c : {Control::SearchBox, Control::SearchButton, Control::AdvancedButton, Control::ResultScrollBar,
                      Control::ResultList})
        EXPECT_FALSE(view.isVisible(c)) << objectNameOf(c).toStdString();
    EXPECT_TRUE(view.isVisible(Control::TitleOnlyOption));
    EXPECT_TRUE(view.isVisible(Control::ShowPositionOption));
}

TEST_F(CentreSwitchTest, SearchPageListsEveryTitleOfSixCentresByTitleWithItsCode)
{
    run(NavigationGroup::Query, 2);
    results.fetchAll();
    const std::vector<QString>& names = results.list().lines();
    ASSERT_EQ(names.size(), 16u);  // the learning courses are not listed
    std::map<QString, QString> titleOf;
    for (const char* table : {"jszx", "slzx", "xmzx", "fazx", "spzx", "jmzx"}) {
        auto db = library->open(DatabaseRole::Content);
        for (const Row& row : db->query(QStringLiteral("select xxbh, name from %1").arg(QLatin1String(table))))
            titleOf[row.text(u"xxbh"_s)] = row.text(u"name"_s);
    }
    int twice = 0;
    for (int i = 0; i < int(names.size()); ++i) {
        EXPECT_EQ(titleOf[results.code(i)], names[size_t(i)]) << "line " << i;
        EXPECT_EQ(results.index(i).data(ResultListModel::CodeRole), results.code(i));
        if (names[size_t(i)] == u"字符串处理"_s) ++twice;
        if (i > 0) {
            EXPECT_NE(results.code(i), results.code(i - 1));
        }
    }
    EXPECT_EQ(twice, 2);
    EXPECT_EQ(names.front(), u"Java 基础"_s);  // Latin letters before the pinyin-sorted Chinese titles

    EXPECT_FALSE(view.isVisible(Control::Tree));
    for (Control c : {Control::ResultList, Control::SearchBox, Control::SearchButton, Control::AdvancedButton,
                      Control::ResultScrollBar})
        EXPECT_TRUE(view.isVisible(c)) << objectNameOf(c).toStdString();
    for (Control c : {Control::TabCatalogue, Control::TabList, Control::TabHistory, Control::TabSettings,
                      Control::AutoRun, Control::SearchButton, Control::AdvancedButton})
        EXPECT_FALSE(view.isEnabled(c)) << objectNameOf(c).toStdString();
    for (Control c : {Control::TitleOnlyOption, Control::ShowPositionOption, Control::ClickRunsOption,
                      Control::ManualExpandOption})
        EXPECT_FALSE(view.isVisible(c)) << objectNameOf(c).toStdString();
}

TEST_F(CentreSwitchTest, QueryCentreHidesTheTabsAndShowsItsPanel)
{
    run(NavigationGroup::Query, 1);
    EXPECT_TRUE(view.isVisible(Control::QueryCentrePanel));
    for (Control c : {Control::TabCatalogue, Control::TabList, Control::TabHistory, Control::TabSettings,
                      Control::AutoRun, Control::ResultList, Control::ResultScrollBar})
        EXPECT_FALSE(view.isVisible(c)) << objectNameOf(c).toStdString();
    // Any other page puts the panel away again.
    run(NavigationGroup::Centre, 1);
    EXPECT_FALSE(view.isVisible(Control::QueryCentrePanel));
    EXPECT_TRUE(view.isVisible(Control::TabCatalogue));
}

TEST_F(CentreSwitchTest, SearchPageAfterACatalogueThenACentreShowsTheTreeAgain)
{
    run(NavigationGroup::Query, 2);
    run(NavigationGroup::Query, 3);
    EXPECT_TRUE(view.isVisible(Control::Tree));
    EXPECT_FALSE(view.isVisible(Control::ResultList));
    run(NavigationGroup::Query, 2);
    run(NavigationGroup::Learning, 0);
    EXPECT_TRUE(view.isVisible(Control::Tree));
}

TEST(CentreSwitchEmpty, APageWithoutRecordsShowsAnEmptyTree)
{
    TestLibrary empty;
    SharedConnection connection(empty.layout());
    WindowSession session;
    CatalogueModel catalogue;
    CatalogueTree stale;
    stale.add(u"l10121035"_s, u"left over"_s, 11, 1, -1);
    catalogue.reset(std::move(stale));
    ResultListModel results;
    RecordingSwitchView view;
    CentreSwitch centreSwitch(connection, session, catalogue, results, view);

    for (auto [group, item] : {std::pair{NavigationGroup::Centre, 1}, std::pair{NavigationGroup::Learning, 0},
                               std::pair{NavigationGroup::Query, 3}}) {
        session.setGroup(group);
        centreSwitch.Label1_Click(item);
        EXPECT_EQ(catalogue.nodeCount(), 0) << int(group) << "/" << item;
        EXPECT_EQ(view.selectedNode, -1);
        EXPECT_TRUE(view.failures.isEmpty());
    }
    EXPECT_EQ(view.title, u"源码管理"_s);
}

TEST(CentreSwitchFailure, AMissingLibraryEndsTheSwitchWithAMessageAndAUsableWindow)
{
    QTemporaryDir nowhere;
    SharedConnection connection{LibraryLayout(nowhere.path())};
    WindowSession session;
    CatalogueModel catalogue;
    ResultListModel results;
    RecordingSwitchView view;
    CentreSwitch centreSwitch(connection, session, catalogue, results, view);

    for (auto [group, item] : {std::pair{NavigationGroup::Centre, 1}, std::pair{NavigationGroup::Learning, 0},
                               std::pair{NavigationGroup::Query, 0}, std::pair{NavigationGroup::Query, 2}}) {
        view.failures.clear();
        session.setGroup(group);
        centreSwitch.Label1_Click(item);
        EXPECT_EQ(view.failures.size(), 1) << int(group) << "/" << item;
        EXPECT_TRUE(view.windowEnabled);
    }
    EXPECT_EQ(catalogue.nodeCount(), 0);
}

}  // namespace
}  // namespace kelvor
