#include "searchwindow.h"

#include "app/window/advancedpanel.h"
#include "app/window/querypanel.h"

#include "search/centresearch.h"
#include "viewer/documentview.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeView>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

using test::SearchWindowTest;
using Lines = std::vector<QString>;

// Every title of the six centres of the search page in title order: digits,
// Latin letters with case ignored, then Chinese by pinyin.
const Lines kAllTitles = {
    u"50% done"_s, u"it's a plan"_s, u"Java 基础"_s, u"Java 视频第一讲"_s, u"Linux 基础"_s, u"Login 窗口"_s, u"Loop 循环"_s,
    u"SQL 查询入门"_s, u"按钮与菜单"_s, u"变量与类型"_s, u"窗口界面"_s, u"登录窗口"_s, u"管理系统"_s, u"界面实例"_s, u"局域网聊天"_s,
    u"视频教程"_s, u"数据库"_s, u"图书管理系统"_s, u"网络方案"_s, u"字符串处理"_s, u"字符串处理"_s};

TEST_F(SearchWindowTest, TypingOnTheSearchPageNarrowsTheTitlesOfTheSixCentres)
{
    showSearchPage();
    ASSERT_EQ(title(), u" 检索 "_s);
    // "字符串处理" once per centre; the learning courses' titles are not listed.
    const Lines all = lines();
    EXPECT_EQ(all, kAllTitles);

    type(u"l"_s);
    EXPECT_EQ(lines(), (Lines{u"Linux 基础"_s, u"Login 窗口"_s, u"Loop 循环"_s}));
    type(u"o"_s);
    EXPECT_EQ(lines(), (Lines{u"Login 窗口"_s, u"Loop 循环"_s}));
    // The code table follows the lines and keeps one spare position.
    const ResultList& list = window->resultListModel().list();
    EXPECT_EQ(list.codeTable().size(), 3u);
    EXPECT_EQ(list.codeAt(0), test::kLoginCode);
    EXPECT_EQ(list.codeAt(1), u"101210350003"_s);

    type(u"x"_s);  // no title begins with "lox": the last list stays
    EXPECT_EQ(lines(), (Lines{u"Login 窗口"_s, u"Loop 循环"_s}));
    EXPECT_FALSE(resultList()->isHidden());

    searchBox()->setEditText(QString());  // set by the program counts as well
    EXPECT_EQ(lines(), all);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u"; "_s).toStdString();
}

TEST_F(SearchWindowTest, QuotesAndPercentInTheSearchBoxAreSearchedFor)
{
    showSearchPage();
    type(u"it's"_s);
    EXPECT_EQ(lines(), (Lines{u"it's a plan"_s}));
    searchBox()->setEditText(QStringLiteral("50%"));
    EXPECT_EQ(lines(), (Lines{u"50% done"_s}));
    searchBox()->setEditText(QStringLiteral("\"a"));  // nothing begins with it: the list stays
    EXPECT_EQ(lines(), (Lines{u"50% done"_s}));

    showPage(NavigationGroup::Centre, 5);  // the solutions centre
    searchBox()->setEditText(QStringLiteral("'s a"));
    pressEnter();
    EXPECT_EQ(lines(), (Lines{u"it's a plan"_s}));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u"; "_s).toStdString();
}

TEST_F(SearchWindowTest, OnACentrePageTypingChangesNothingAndEnterSearchesTheCentre)
{
    showTechnologyCentre();
    click(u"Command8"_s);  // the list tab lists the centre
    const Lines listed = lines();
    ASSERT_EQ(listed.size(), 6u);
    window->session().setKeywordConnectionFlag(0);

    type(u"字符"_s);
    EXPECT_EQ(lines(), listed);
    EXPECT_EQ(window->session().keywordConnectionFlag(), 1);

    window->session().setKeywordConnectionFlag(0);
    pressEnter();
    EXPECT_EQ(lines(), (Lines{u"字符串处理"_s}));
    EXPECT_EQ(window->resultListModel().code(0), u"101210350002"_s);
    EXPECT_EQ(window->session().firstHighlightTerm(), u"字符"_s);
    EXPECT_EQ(window->session().keywordConnectionFlag(), 1);
    EXPECT_EQ(window->session().listQuery().sql, centreSearch(connection, window->session().currentTable(), u""_s)->listQuery.sql);
    EXPECT_EQ(window->documentViews().documentView()->location().toLocalFile(), library->layout().placeholderPicture());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SearchWindowTest, CentreSearchFindsContainedTitlesInCodeOrder)
{
    showTechnologyCentre();
    click(u"Command8"_s);
    searchBox()->setEditText(QStringLiteral("处"));
    click(u"Command3"_s);  // "搜索"
    EXPECT_EQ(lines(), (Lines{u"字符串处理"_s}));
    // Every title contains the empty text; folders precede their contents.
    searchBox()->setEditText(QString());
    click(u"Command3"_s);
    EXPECT_EQ(lines(), (Lines{u"Java 基础"_s, u"变量与类型"_s, u"字符串处理"_s, u"Loop 循环"_s, u"数据库"_s, u"SQL 查询入门"_s}));
}

TEST_F(SearchWindowTest, CentreSearchWithoutMatchEmptiesTheListAndSaysSo)
{
    showTechnologyCentre();
    click(u"Command8"_s);
    searchBox()->setEditText(QStringLiteral("SQL"));
    click(u"Command3"_s);
    ASSERT_EQ(lines(), (Lines{u"SQL 查询入门"_s}));

    searchBox()->setEditText(QStringLiteral("没有这个标题"));
    click(u"Command3"_s);
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(prompter.messages, QStringList{u"标题中没有检索到您需要的数据!!"_s});
    // The code table keeps what it held.
    EXPECT_EQ(window->resultListModel().list().codeAt(0), u"101210360001"_s);
    EXPECT_EQ(window->documentViews().documentView()->location().toLocalFile(), library->layout().placeholderPicture());
}

TEST_F(SearchWindowTest, CentreSearchOnTheTechnologyCentreWorksWhicheverDatabaseIsOpen)
{
    showTechnologyCentre();
    connection.open(DatabaseRole::Favourites);
    searchBox()->setEditText(QStringLiteral("sql"));
    click(u"Command3"_s);
    EXPECT_EQ(lines(), (Lines{u"SQL 查询入门"_s}));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u"; "_s).toStdString();
}

TEST_F(SearchWindowTest, ListTabListsTheCentreOnceAndKeepsASearchResult)
{
    showTechnologyCentre();
    EXPECT_EQ(window->session().viewMode(), ViewMode::Catalogue);
    click(u"Command8"_s);
    // The table's own order.
    EXPECT_EQ(lines(), (Lines{u"Java 基础"_s, u"变量与类型"_s, u"字符串处理"_s, u"数据库"_s, u"SQL 查询入门"_s, u"Loop 循环"_s}));
    EXPECT_EQ(window->session().viewMode(), ViewMode::ResultList);
    EXPECT_FALSE(resultList()->isHidden());
    EXPECT_FALSE(child(u"HScroll1"_s)->isHidden());
    EXPECT_TRUE(child(u"TreeView1"_s)->isHidden());
    EXPECT_TRUE(child(u"Command9"_s)->isEnabled());
    EXPECT_TRUE(child(u"Check2(0)"_s)->isHidden());
    EXPECT_TRUE(child<QPushButton>(u"Command8"_s)->styleSheet().contains(u"rgb(52, 149, 191)"_s));
    EXPECT_FALSE(child<QPushButton>(u"Command4"_s)->styleSheet().contains(u"rgb(52, 149, 191)"_s));

    searchBox()->setEditText(QStringLiteral("java"));
    click(u"Command3"_s);
    ASSERT_EQ(lines(), (Lines{u"Java 基础"_s}));
    click(u"Command8"_s);  // already the list: nothing is listed anew
    EXPECT_EQ(lines(), (Lines{u"Java 基础"_s}));
}

TEST_F(SearchWindowTest, CatalogueTabShowsTheTreeInPlaceOfTheSearchBox)
{
    showTechnologyCentre();
    click(u"Command8"_s);
    window->readingTimer()->start();
    click(u"Command4"_s);
    EXPECT_EQ(window->session().viewMode(), ViewMode::Catalogue);
    EXPECT_FALSE(child(u"TreeView1"_s)->isHidden());
    EXPECT_TRUE(resultList()->isHidden());
    EXPECT_TRUE(child(u"HScroll1"_s)->isHidden());
    EXPECT_TRUE(searchBox()->isHidden());
    EXPECT_FALSE(window->readingTimer()->isActive());
    for (const char* option : {"Check2(0)", "Check3(0)"}) {
        EXPECT_FALSE(child(QString::fromLatin1(option))->isHidden()) << option;
        EXPECT_FALSE(child(QString::fromLatin1(option))->isEnabled()) << option;
    }
    EXPECT_TRUE(child<QPushButton>(u"Command4"_s)->styleSheet().contains(u"rgb(52, 149, 191)"_s));
    // The tree takes the search box's row.
    EXPECT_EQ(topOf(u"TreeView1"_s), topOf(u"Combo2"_s));

    click(u"Command8"_s);  // back on the list, the list tab lists anew
    EXPECT_EQ(lines().size(), 6u);
    EXPECT_FALSE(searchBox()->isHidden());
}

TEST_F(SearchWindowTest, AdvancedPanelTakesTheSearchRowAndClosingPutsTheListBelowTheSearchBox)
{
    showTechnologyCentre();
    click(u"Command8"_s);
    click(u"Command11"_s);
    auto* panel = child<AdvancedPanel>(u"Frame8(0)"_s);
    ASSERT_TRUE(panel);
    EXPECT_FALSE(panel->isHidden());
    for (const char* shown : {"Command13", "Command18", "Command19"}) EXPECT_FALSE(child(QString::fromLatin1(shown))->isHidden()) << shown;
    EXPECT_FALSE(child(u"Command13"_s)->isEnabled());
    for (const char* hidden : {"Combo2", "Command3", "Command11"}) EXPECT_TRUE(child(QString::fromLatin1(hidden))->isHidden()) << hidden;
    EXPECT_NEAR(topOf(u"datalist2"_s) - bottomOf(u"Frame8(0)"_s), 30, 15);
    EXPECT_NEAR(topOf(u"HScroll1"_s), bottomOf(u"datalist2"_s) - 10, 15);

    click(u"Command19"_s);
    EXPECT_TRUE(panel->isHidden());
    for (const char* hidden : {"Command13", "Command18", "Command19"}) EXPECT_TRUE(child(QString::fromLatin1(hidden))->isHidden()) << hidden;
    for (const char* shown : {"Combo2", "Command3", "Command11"}) EXPECT_FALSE(child(QString::fromLatin1(shown))->isHidden()) << shown;
    EXPECT_NEAR(topOf(u"datalist2"_s) - bottomOf(u"Combo2"_s), 20, 15);
    EXPECT_NEAR(topOf(u"HScroll1"_s), bottomOf(u"datalist2"_s) - 10, 15);
}

TEST_F(SearchWindowTest, AllDataListsTheCentreUnlessTheListShowsASearchResult)
{
    showTechnologyCentre();
    click(u"Command11"_s);  // from the catalogue: the centre is listed
    click(u"Command18"_s);
    EXPECT_EQ(lines().size(), 6u);
    EXPECT_TRUE(child(u"Frame8(0)"_s)->isHidden());
    EXPECT_FALSE(resultList()->isHidden());

    searchBox()->setEditText(QStringLiteral("数据"));
    click(u"Command3"_s);
    ASSERT_EQ(lines(), (Lines{u"数据库"_s}));
    click(u"Command11"_s);
    click(u"Command18"_s);
    EXPECT_EQ(lines(), (Lines{u"数据库"_s}));
    EXPECT_TRUE(child(u"Frame8(0)"_s)->isHidden());
    EXPECT_FALSE(searchBox()->isHidden());
}

TEST_F(SearchWindowTest, ViewOptionsCarryTheirCaptionsAndTheRangeOptionNamesTheCentre)
{
    const std::vector<std::tuple<const char*, const char*, const char*>> options = {
        {"Option1", "显示位置", "查询结果包含记录来源位置"},
        {"Option2", "不显示位置", "查询结果中不显示记录来源位置"},
        {"Option8", "技术中心", ""},
        {"Option9", "所有中心", ""},
        {"Option4(0)", "标题字段", "查询结果包含其中一个关键字，如查询sql where,查询结果只需包含sql或where"},
        {"Option4(1)", "所有字段", "查询结果包含其中一个关键字，如查询sql where,查询结果只需包含sql或where"},
    };
    for (const auto& [name, caption, tip] : options) {
        auto* option = child<QRadioButton>(QString::fromLatin1(name));
        ASSERT_TRUE(option) << name;
        EXPECT_EQ(option->text(), QString::fromUtf8(caption)) << name;
        EXPECT_EQ(option->toolTip(), QString::fromUtf8(tip)) << name;
    }
    QStringList frames;
    for (QGroupBox* box : child(u"Frame8(0)"_s)->findChildren<QGroupBox*>()) frames << box->title();
    EXPECT_EQ(frames, (QStringList{u"查询结果包含关键字设置"_s, u"设置范围选择"_s, u"设置查询字段"_s}));

    showPage(NavigationGroup::Centre, 3);
    EXPECT_EQ(child<QRadioButton>(u"Option8"_s)->text(), u"实例中心"_s);
}

TEST_F(SearchWindowTest, QueryCentreSwitchesBetweenItsControlsAndTheResultView)
{
    showPage(NavigationGroup::Query, 1);
    ASSERT_EQ(title(), u"查询中心"_s);
    QWidget* queryCentre = child(u"queryCentrePanel"_s);
    auto* frame = child<QGroupBox>(u"multiKeywordFrame"_s);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->title(), u" 多关键字查询"_s);
    EXPECT_EQ(frame->findChildren<QLineEdit*>().size(), 3);
    EXPECT_EQ(frame->findChildren<QRadioButton*>().size(), 4);
    EXPECT_FALSE(queryCentre->isHidden());
    EXPECT_TRUE(child(u"Command25"_s)->isHidden());
    const Lines before = lines();
    click(u"multiKeywordQuery"_s);  // present, without action
    EXPECT_EQ(lines(), before);

    click(u"Command21"_s);  // "查看结果"
    EXPECT_TRUE(queryCentre->isHidden());
    EXPECT_FALSE(child(u"Command25"_s)->isHidden());
    for (const char* tab : {"Command4", "Command8", "Command9"}) EXPECT_TRUE(child(QString::fromLatin1(tab))->isEnabled()) << tab;
    EXPECT_FALSE(child(u"TreeView1"_s)->isHidden());  // "目录" is the active tab

    click(u"Command25"_s);  // "返回查询界面"
    EXPECT_FALSE(queryCentre->isHidden());
    EXPECT_TRUE(child(u"Command25"_s)->isHidden());
    EXPECT_TRUE(child(u"TreeView1"_s)->isHidden());
    EXPECT_TRUE(resultList()->isHidden());
    EXPECT_TRUE(child(u"HScroll1"_s)->isHidden());
    for (const char* tab : {"Command4", "Command8", "Command9"}) EXPECT_FALSE(child(QString::fromLatin1(tab))->isEnabled()) << tab;
}

}  // namespace
}  // namespace kelvor
