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
namespace {

using test::SearchWindowTest;
using Lines = std::vector<QString>;

// Every title of the six centres of the search page in title order: digits,
// Latin letters with case ignored, then Chinese by pinyin.
const Lines kAllTitles = {
    "50% done", "it's a plan", "Java 基础", "Java 视频第一讲", "Linux 基础", "Login 窗口", "Loop 循环",
    "SQL 查询入门", "按钮与菜单", "变量与类型", "窗口界面", "登录窗口", "管理系统", "界面实例", "局域网聊天",
    "视频教程", "数据库", "图书管理系统", "网络方案", "字符串处理", "字符串处理"};

TEST_F(SearchWindowTest, TypingOnTheSearchPageNarrowsTheTitlesOfTheSixCentres)
{
    showSearchPage();
    ASSERT_EQ(title(), " 检索 ");
    // "字符串处理" once per centre; the learning courses' titles are not listed.
    const Lines all = lines();
    EXPECT_EQ(all, kAllTitles);

    type("l");
    EXPECT_EQ(lines(), (Lines{"Linux 基础", "Login 窗口", "Loop 循环"}));
    type("o");
    EXPECT_EQ(lines(), (Lines{"Login 窗口", "Loop 循环"}));
    // The code table follows the lines and keeps one spare position.
    const ResultList& list = window->resultListModel().list();
    EXPECT_EQ(list.codeTable().size(), 3u);
    EXPECT_EQ(list.codeAt(0), test::kLoginCode);
    EXPECT_EQ(list.codeAt(1), "101210350003");

    type("x");  // no title begins with "lox": the last list stays
    EXPECT_EQ(lines(), (Lines{"Login 窗口", "Loop 循环"}));
    EXPECT_FALSE(resultList()->isHidden());

    searchBox()->setEditText(QString());  // set by the program counts as well
    EXPECT_EQ(lines(), all);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
}

TEST_F(SearchWindowTest, QuotesAndPercentInTheSearchBoxAreSearchedFor)
{
    showSearchPage();
    type("it's");
    EXPECT_EQ(lines(), (Lines{"it's a plan"}));
    searchBox()->setEditText(QStringLiteral("50%"));
    EXPECT_EQ(lines(), (Lines{"50% done"}));
    searchBox()->setEditText(QStringLiteral("\"a"));  // nothing begins with it: the list stays
    EXPECT_EQ(lines(), (Lines{"50% done"}));

    showPage(NavigationGroup::Centre, 5);  // the solutions centre
    searchBox()->setEditText(QStringLiteral("'s a"));
    pressEnter();
    EXPECT_EQ(lines(), (Lines{"it's a plan"}));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
}

TEST_F(SearchWindowTest, OnACentrePageTypingChangesNothingAndEnterSearchesTheCentre)
{
    showTechnologyCentre();
    click("Command8");  // the list tab lists the centre
    const Lines listed = lines();
    ASSERT_EQ(listed.size(), 6u);
    window->session().setKeywordConnectionFlag(0);

    type("字符");
    EXPECT_EQ(lines(), listed);
    EXPECT_EQ(window->session().keywordConnectionFlag(), 1);

    window->session().setKeywordConnectionFlag(0);
    pressEnter();
    EXPECT_EQ(lines(), (Lines{"字符串处理"}));
    EXPECT_EQ(window->resultListModel().code(0), "101210350002");
    EXPECT_EQ(window->session().firstHighlightTerm(), "字符");
    EXPECT_EQ(window->session().keywordConnectionFlag(), 1);
    EXPECT_EQ(window->session().listQuery().sql, centreSearch(connection, window->session().currentTable(), "")->listQuery.sql);
    EXPECT_EQ(window->documentViews().documentView()->location().toLocalFile(), library->layout().placeholderPicture());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SearchWindowTest, CentreSearchFindsContainedTitlesInCodeOrder)
{
    showTechnologyCentre();
    click("Command8");
    searchBox()->setEditText(QStringLiteral("处"));
    click("Command3");  // "搜索"
    EXPECT_EQ(lines(), (Lines{"字符串处理"}));
    // Every title contains the empty text; folders precede their contents.
    searchBox()->setEditText(QString());
    click("Command3");
    EXPECT_EQ(lines(), (Lines{"Java 基础", "变量与类型", "字符串处理", "Loop 循环", "数据库", "SQL 查询入门"}));
}

TEST_F(SearchWindowTest, CentreSearchWithoutMatchEmptiesTheListAndSaysSo)
{
    showTechnologyCentre();
    click("Command8");
    searchBox()->setEditText(QStringLiteral("SQL"));
    click("Command3");
    ASSERT_EQ(lines(), (Lines{"SQL 查询入门"}));

    searchBox()->setEditText(QStringLiteral("没有这个标题"));
    click("Command3");
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(prompter.messages, QStringList{"标题中没有检索到您需要的数据!!"});
    // The code table keeps what it held.
    EXPECT_EQ(window->resultListModel().list().codeAt(0), "101210360001");
    EXPECT_EQ(window->documentViews().documentView()->location().toLocalFile(), library->layout().placeholderPicture());
}

TEST_F(SearchWindowTest, CentreSearchOnTheTechnologyCentreWorksWhicheverDatabaseIsOpen)
{
    showTechnologyCentre();
    connection.open(DatabaseRole::Favourites);
    searchBox()->setEditText(QStringLiteral("sql"));
    click("Command3");
    EXPECT_EQ(lines(), (Lines{"SQL 查询入门"}));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
}

TEST_F(SearchWindowTest, ListTabListsTheCentreOnceAndKeepsASearchResult)
{
    showTechnologyCentre();
    EXPECT_EQ(window->session().viewMode(), ViewMode::Catalogue);
    click("Command8");
    // The table's own order.
    EXPECT_EQ(lines(), (Lines{"Java 基础", "变量与类型", "字符串处理", "数据库", "SQL 查询入门", "Loop 循环"}));
    EXPECT_EQ(window->session().viewMode(), ViewMode::ResultList);
    EXPECT_FALSE(resultList()->isHidden());
    EXPECT_FALSE(child("HScroll1")->isHidden());
    EXPECT_TRUE(child("TreeView1")->isHidden());
    EXPECT_TRUE(child("Command9")->isEnabled());
    EXPECT_TRUE(child("Check2(0)")->isHidden());
    EXPECT_TRUE(child<QPushButton>("Command8")->styleSheet().contains("rgb(52, 149, 191)"));
    EXPECT_FALSE(child<QPushButton>("Command4")->styleSheet().contains("rgb(52, 149, 191)"));

    searchBox()->setEditText(QStringLiteral("java"));
    click("Command3");
    ASSERT_EQ(lines(), (Lines{"Java 基础"}));
    click("Command8");  // already the list: nothing is listed anew
    EXPECT_EQ(lines(), (Lines{"Java 基础"}));
}

TEST_F(SearchWindowTest, CatalogueTabShowsTheTreeInPlaceOfTheSearchBox)
{
    showTechnologyCentre();
    click("Command8");
    window->readingTimer()->start();
    click("Command4");
    EXPECT_EQ(window->session().viewMode(), ViewMode::Catalogue);
    EXPECT_FALSE(child("TreeView1")->isHidden());
    EXPECT_TRUE(resultList()->isHidden());
    EXPECT_TRUE(child("HScroll1")->isHidden());
    EXPECT_TRUE(searchBox()->isHidden());
    EXPECT_FALSE(window->readingTimer()->isActive());
    for (const char* option : {"Check2(0)", "Check3(0)"}) {
        EXPECT_FALSE(child(option)->isHidden()) << option;
        EXPECT_FALSE(child(option)->isEnabled()) << option;
    }
    EXPECT_TRUE(child<QPushButton>("Command4")->styleSheet().contains("rgb(52, 149, 191)"));
    // The tree takes the search box's row.
    EXPECT_EQ(topOf("TreeView1"), topOf("Combo2"));

    click("Command8");  // back on the list, the list tab lists anew
    EXPECT_EQ(lines().size(), 6u);
    EXPECT_FALSE(searchBox()->isHidden());
}

TEST_F(SearchWindowTest, AdvancedPanelTakesTheSearchRowAndClosingPutsTheListBelowTheSearchBox)
{
    showTechnologyCentre();
    click("Command8");
    click("Command11");
    auto* panel = child<AdvancedPanel>("Frame8(0)");
    ASSERT_TRUE(panel);
    EXPECT_FALSE(panel->isHidden());
    for (const char* shown : {"Command13", "Command18", "Command19"}) EXPECT_FALSE(child(shown)->isHidden()) << shown;
    EXPECT_FALSE(child("Command13")->isEnabled());
    for (const char* hidden : {"Combo2", "Command3", "Command11"}) EXPECT_TRUE(child(hidden)->isHidden()) << hidden;
    EXPECT_NEAR(topOf("datalist2") - bottomOf("Frame8(0)"), 30, 15);
    EXPECT_NEAR(topOf("HScroll1"), bottomOf("datalist2") - 10, 15);

    click("Command19");
    EXPECT_TRUE(panel->isHidden());
    for (const char* hidden : {"Command13", "Command18", "Command19"}) EXPECT_TRUE(child(hidden)->isHidden()) << hidden;
    for (const char* shown : {"Combo2", "Command3", "Command11"}) EXPECT_FALSE(child(shown)->isHidden()) << shown;
    EXPECT_NEAR(topOf("datalist2") - bottomOf("Combo2"), 20, 15);
    EXPECT_NEAR(topOf("HScroll1"), bottomOf("datalist2") - 10, 15);
}

TEST_F(SearchWindowTest, AllDataListsTheCentreUnlessTheListShowsASearchResult)
{
    showTechnologyCentre();
    click("Command11");  // from the catalogue: the centre is listed
    click("Command18");
    EXPECT_EQ(lines().size(), 6u);
    EXPECT_TRUE(child("Frame8(0)")->isHidden());
    EXPECT_FALSE(resultList()->isHidden());

    searchBox()->setEditText(QStringLiteral("数据"));
    click("Command3");
    ASSERT_EQ(lines(), (Lines{"数据库"}));
    click("Command11");
    click("Command18");
    EXPECT_EQ(lines(), (Lines{"数据库"}));
    EXPECT_TRUE(child("Frame8(0)")->isHidden());
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
        auto* option = child<QRadioButton>(name);
        ASSERT_TRUE(option) << name;
        EXPECT_EQ(option->text(), QString::fromUtf8(caption)) << name;
        EXPECT_EQ(option->toolTip(), QString::fromUtf8(tip)) << name;
    }
    QStringList frames;
    for (QGroupBox* box : child("Frame8(0)")->findChildren<QGroupBox*>()) frames << box->title();
    EXPECT_EQ(frames, (QStringList{"查询结果包含关键字设置", "设置范围选择", "设置查询字段"}));

    showPage(NavigationGroup::Centre, 3);
    EXPECT_EQ(child<QRadioButton>("Option8")->text(), "实例中心");
}

TEST_F(SearchWindowTest, QueryCentreSwitchesBetweenItsControlsAndTheResultView)
{
    showPage(NavigationGroup::Query, 1);
    ASSERT_EQ(title(), "查询中心");
    QWidget* queryCentre = child("queryCentrePanel");
    auto* frame = child<QGroupBox>("multiKeywordFrame");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->title(), " 多关键字查询");
    EXPECT_EQ(frame->findChildren<QLineEdit*>().size(), 3);
    EXPECT_EQ(frame->findChildren<QRadioButton*>().size(), 4);
    EXPECT_FALSE(queryCentre->isHidden());
    EXPECT_TRUE(child("Command25")->isHidden());
    const Lines before = lines();
    click("multiKeywordQuery");  // present, without action
    EXPECT_EQ(lines(), before);

    click("Command21");  // "查看结果"
    EXPECT_TRUE(queryCentre->isHidden());
    EXPECT_FALSE(child("Command25")->isHidden());
    for (const char* tab : {"Command4", "Command8", "Command9"}) EXPECT_TRUE(child(tab)->isEnabled()) << tab;
    EXPECT_FALSE(child("TreeView1")->isHidden());  // "目录" is the active tab

    click("Command25");  // "返回查询界面"
    EXPECT_FALSE(queryCentre->isHidden());
    EXPECT_TRUE(child("Command25")->isHidden());
    EXPECT_TRUE(child("TreeView1")->isHidden());
    EXPECT_TRUE(resultList()->isHidden());
    EXPECT_TRUE(child("HScroll1")->isHidden());
    for (const char* tab : {"Command4", "Command8", "Command9"}) EXPECT_FALSE(child(tab)->isEnabled()) << tab;
}

}  // namespace
}  // namespace kelvor
