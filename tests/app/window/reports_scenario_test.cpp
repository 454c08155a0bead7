// A user asks one question across the centres: opens the report panel from
// the menu "面板", types a term, presses "继续查询", watches the walk and
// reads the report page with its banner and lines; then keeps the report and
// takes it back by its term without querying again. With
// KELVOR_SCENARIO_SHOTS=DIR the window is saved into DIR once the report is
// shown (run under `xvfb-run -a` with QT_QPA_PLATFORM=xcb to see the page).

#include "eventwait.h"
#include "windowtestlibrary.h"

#include "app/window/documentslots.h"
#include "app/window/mainwindow.h"
#include "app/window/reports/continuedquery.h"
#include "app/window/reports/progresspanel.h"
#include "app/window/reports/reportpanel.h"
#include "app/window/reports/referencenavigation.h"
#include "app/window/reports/reportsregion.h"
#include "app/window/reports/tooldrawer.h"
#include "app/window/reports/toolspanel.h"
#include "app/window/navigationcontroller.h"
#include "app/window/windowmenu.h"

#include "catalogue/cataloguemodel.h"
#include "library/sharedconnection.h"
#include "support/scriptedprompter.h"
#include "support/userinput.h"
#include "viewer/documentview.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;

// Enter as the user gives it: the field focused by a click, the key sent where the focus then is.
void pressEnterIn(QLineEdit* field)
{
    test::userinput::focusByClick(field);
    test::userinput::pressKey(Qt::Key_Return);
}

CentreRecord document(const QString& code, const QString& name, const QString& mark)
{
    CentreRecord r;
    r.xxbh = code;
    r.name = name;
    r.mark = mark;
    r.link = u"docs01"_s;
    r.eee = u"1"_s;
    return r;
}

class ReportsScenarioTest : public testing::Test {
protected:
    void SetUp() override
    {
        test::addWindowRecords(library);
        // The term in two centres: a title and a content match in the
        // technology centre, one content match in the example centre. The
        // continued query reads the centres' own copies.
        const std::vector<CentreRecord> tech = {document(u"101210360002"_s, u"多线程入门"_s, u"讲多线程"_s),
                                                document(u"101210360003"_s, u"锁"_s, u"多线程下的锁"_s)};
        const std::vector<CentreRecord> examples = {document(u"101221010003"_s, u"线程池实例"_s, u"多线程与线程池"_s)};
        for (const auto& [table, records] : {std::pair{u"jszx"_s, tech}, std::pair{u"slzx"_s, examples}}) {
            library.addRecords(table, records);
            library.addCentreCopy(table, records);
        }
        library.writeFile(u"kelvor/docs01/101210360002.htm"_s,
                          u"<html><body><p>第一段讲多线程的概念。</p></body></html>"_s);
        library.writeFile(u"kelvor/docs01/101210360003.htm"_s,
                          u"<html><body><p>多线程下要用锁。</p></body></html>"_s);
        library.writeFile(u"kelvor/docs01/101221010003.htm"_s,
                          u"<html><body><p>线程池是多线程的常用做法。</p></body></html>"_s);
        library.writeFile(u"kelvor/5617890123/453673655535.htm"_s,
                          u"<html><body><p>澄溪科技</p><p>查询报表</p></body></html>"_s);

        connection.open(DatabaseRole::Content);
        window = std::make_unique<MainWindow>(connection, library.layout(), prompter, nullptr,
                                              settings.filePath(u"rcontrolmt.ini"_s));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // The walk's pace; the window walks one node per tick of Timer5.
        window->walkTimer()->setInterval(20);
    }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }

    QString pageText() const
    {
        QString text;
        bool done = false;
        window->documentViews().documentView()->plainText([&](const QString& t) {
            text = t;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 10000)) ADD_FAILURE() << "the page gave no text";
        return text;
    }

    void shot(const QString& name) const
    {
        const QString folder = qEnvironmentVariable("KELVOR_SCENARIO_SHOTS");
        if (folder.isEmpty()) return;
        QTest::qWait(1500);  // only for a look: let the page paint
        QDir().mkpath(folder);
        EXPECT_TRUE(window->grab().save(QDir(folder).filePath(name + u".png"_s)));
    }

    // Waits for the document view to show the page of `path`, loaded.
    void waitForPage(const QString& path)
    {
        DocumentView* view = window->documentViews().documentView();
        KELVOR_WAIT_TRUE(view->location().toLocalFile() == path && !view->isLoading(), 30000)
            << qPrintable(view->location().toLocalFile());
    }

    test::TestLibrary library;
    SharedConnection connection{library.layout()};
    test::ScriptedPrompter prompter;
    QTemporaryDir settings;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ReportsScenarioTest, ContinuedQueryOverTwoCentresShowsTheReportPage)
{
    ReportsRegion& reports = window->reports();
    ASSERT_TRUE(reports.menu().entries().contains(u"查询报表"_s));
    ASSERT_TRUE(reports.menu().pick(u"查询报表"_s));
    auto* panel = child<ReportPanel>(u"Frame20"_s);
    ASSERT_TRUE(panel && panel->isVisible());
    // The centres' databases are opened and keyed on a worker meanwhile: the panel is there at once.
    EXPECT_TRUE(reports.continuedQuery().isPreparing());

    QSignalSpy shown(&reports.continuedQuery(), &ContinuedQuery::reportShown);
    child<QLineEdit>(u"Text7"_s)->setText(u"多线程"_s);
    QTest::mouseClick(child<QPushButton>(u"continueQueryButton"_s), Qt::LeftButton);
    EXPECT_TRUE(child<ProgressPanel>(u"Frame21"_s)->isVisible());
    ASSERT_TRUE(shown.wait(30000));
    EXPECT_FALSE(child<ProgressPanel>(u"Frame21"_s)->isVisible());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u"|"_s).toStdString();

    // The hit tree: the technology centre's two groups, then the example centre's.
    const CatalogueModel& hits = reports.continuedQuery().hitTree();
    QStringList groups;
    for (int i = 0; i < hits.nodeCount(); ++i)
        if (hits.node(i).parent < 0) groups << hits.node(i).text;
    EXPECT_EQ(groups, (QStringList{u"技术中心标题中包含 多线程 条数：1"_s, u"技术中心内容中包含 多线程 条数：2"_s,
                                   u"实例中心内容中包含 多线程 条数：1"_s}));

    const QString path = shown.front().front().toString();
    ASSERT_NO_FATAL_FAILURE(waitForPage(path));
    const QString text = pageText();
    // Four places: each of the three documents once, the first one twice
    // (found by title and by content).
    EXPECT_TRUE(text.contains(u"关于多线程,共找到 4处解释和应用"_s)) << text.toStdString();
    for (const QString& line :
         {u"应用类别:技术中心标题中包含 多线程 条数：1"_s, u"---------多线程入门------------"_s,
          u"######     第一段讲多线程的概念。     ########"_s, u"######     多线程下要用锁。     ########"_s,
          // the last node of the tree is walked too
          u"---------线程池实例------------"_s, u"######     线程池是多线程的常用做法。     ########"_s})
        // The page shows runs of blanks as one.
        EXPECT_TRUE(text.contains(line.simplified())) << line.toStdString() << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(u"澄溪科技"_s));
    EXPECT_EQ(reports.continuedQuery().current().hitCount, 4);
    shot(u"report-page"_s);
}

TEST_F(ReportsScenarioTest, KeptReportComesBackByItsTermWithoutQuerying)
{
    ReportsRegion& reports = window->reports();
    reports.menu().pick(u"查询报表"_s);
    QSignalSpy shown(&reports.continuedQuery(), &ContinuedQuery::reportShown);
    auto* field = child<QLineEdit>(u"Text7"_s);
    field->setText(u"线程池"_s);
    pressEnterIn(field);
    ASSERT_TRUE(shown.wait(30000));
    QTest::mouseClick(child<QPushButton>(u"saveReportButton"_s), Qt::LeftButton);
    EXPECT_EQ(reports.continuedQuery().saved().terms(), QStringList{u"线程池"_s});
    const qint32 count = reports.continuedQuery().current().hitCount;
    ASSERT_GT(count, 0);

    // The centres' databases go away: taking the report back must not need them.
    connection.close();
    for (const DatabaseRole role : {DatabaseRole::Centre981, DatabaseRole::Centre982})
        ASSERT_TRUE(QFile::remove(library.layout().databasePath(role)));
    field->setText(u"  线程池 "_s);
    pressEnterIn(field);
    ASSERT_EQ(shown.size(), 2);  // shown at once, no walk
    EXPECT_FALSE(child<ProgressPanel>(u"Frame21"_s)->isVisible());
    EXPECT_EQ(reports.continuedQuery().current().hitCount, count);
    ASSERT_NO_FATAL_FAILURE(waitForPage(shown.back().front().toString()));
    EXPECT_TRUE(pageText().contains(u"关于线程池,共找到 %1处解释和应用"_s.arg(count)));
    EXPECT_TRUE(prompter.messages.isEmpty());

    // A fresh query now finds both centres unreadable: said once, nothing lost.
    field->setText(u"多线程"_s);
    pressEnterIn(field);
    ASSERT_TRUE(shown.wait(30000));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().contains(u"技术中心"_s));
    EXPECT_TRUE(prompter.messages.front().contains(u"实例中心"_s));
    EXPECT_EQ(reports.continuedQuery().saved().terms(), QStringList{u"线程池"_s});
}

TEST_F(ReportsScenarioTest, OneCharacterIsRefusedAndAClickOnTheProgressPanelCancels)
{
    ReportsRegion& reports = window->reports();
    reports.menu().pick(u"查询报表"_s);
    auto* field = child<QLineEdit>(u"Text7"_s);
    field->setText(u"多"_s);
    pressEnterIn(field);
    EXPECT_EQ(prompter.messages, QStringList{u"输入的查询内容应大于两个字节！！！"_s});

    window->walkTimer()->setInterval(60000);  // the walk would wait a minute for its first node
    QSignalSpy shown(&reports.continuedQuery(), &ContinuedQuery::reportShown);
    field->setText(u"多线程"_s);
    pressEnterIn(field);
    auto* progress = child<ProgressPanel>(u"Frame21"_s);
    KELVOR_WAIT_TRUE(window->walkTimer()->isActive(), 30000);
    QTest::mouseClick(progress->findChild<QWidget*>(u"Picture4"_s), Qt::LeftButton);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_FALSE(window->walkTimer()->isActive());
    EXPECT_FALSE(reports.continuedQuery().isBusy());
    EXPECT_EQ(shown.size(), 0);
}

TEST_F(ReportsScenarioTest, ContinuedQueryClearsThePanelsOverTheDocumentArea)
{
    ReportsRegion& reports = window->reports();
    WindowMenu& menu = reports.menu();
    ASSERT_TRUE(menu.pick(u"查询报表"_s));
    QSignalSpy shown(&reports.continuedQuery(), &ContinuedQuery::reportShown);
    auto* field = child<QLineEdit>(u"Text7"_s);
    // The keyword list and the reference navigation go whatever the field
    // holds: an empty one, a refused one, a query.
    for (const QString& text : {QString(), u"多"_s, u"多线程"_s}) {
        ASSERT_TRUE(menu.pick(u"关键字列表"_s));
        ASSERT_TRUE(menu.pick(u"参考导航"_s));
        ASSERT_TRUE(child(u"Picture12"_s)->isVisible());
        ASSERT_TRUE(child(u"Picture14"_s)->isVisible());
        field->setText(text);
        QTest::mouseClick(child<QPushButton>(u"continueQueryButton"_s), Qt::LeftButton);
        EXPECT_FALSE(child(u"Picture12"_s)->isVisible()) << text.toStdString();
        EXPECT_FALSE(child(u"Picture14"_s)->isVisible()) << text.toStdString();
        EXPECT_FALSE(child(u"Label9"_s)->isVisible()) << text.toStdString();
    }
    ASSERT_TRUE(shown.wait(30000));
    EXPECT_FALSE(child(u"Picture14"_s)->isVisible());
}

TEST_F(ReportsScenarioTest, ReferenceNavigationClosesFromItsMenuEntry)
{
    WindowMenu& menu = window->reports().menu();
    auto* panel = child<ReferenceNavigationPanel>(u"Picture14"_s);
    ASSERT_TRUE(menu.pick(u"参考导航"_s));
    ASSERT_TRUE(panel->isVisible());
    // Lowered and collapsed, it still closes; shown again it comes back where it was first shown.
    const QRect first = panel->geometry();
    QTest::mouseClick(child(u"Label9"_s), Qt::LeftButton);
    QTest::mouseClick(child(u"Image4"_s), Qt::LeftButton);
    ASSERT_TRUE(menu.pick(u"参考导航"_s));
    EXPECT_FALSE(panel->isVisible());
    ASSERT_TRUE(menu.pick(u"参考导航"_s));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(panel->isCollapsed());
    EXPECT_EQ(panel->geometry(), first);
}

TEST_F(ReportsScenarioTest, EveryHiddenPanelHasItsMenuEntry)
{
    WindowMenu& menu = window->reports().menu();
    struct Case {
        QString entry;
        QString panel;
    };
    for (const Case& c : {Case{u"查询报表"_s, u"Frame20"_s}, Case{u"参考导航"_s, u"Picture14"_s},
                          Case{u"工具抽屉"_s, u"Frame1"_s}, Case{u"关键字列表"_s, u"Picture12"_s}}) {
        QWidget* panel = child(c.panel);
        ASSERT_TRUE(panel) << c.panel.toStdString();
        EXPECT_FALSE(panel->isVisible()) << c.panel.toStdString();
        ASSERT_TRUE(menu.pick(c.entry)) << c.entry.toStdString();
        EXPECT_TRUE(panel->isVisible()) << c.panel.toStdString();
    }
    EXPECT_TRUE(child(u"Label10(11)"_s)->isVisible());
}

TEST_F(ReportsScenarioTest, QueryCentreToolsHoverChooseCentresAndRetrieveSmartly)
{
    window->navigation().chooseGroup(NavigationGroup::Query);
    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    auto* tools = child<ToolsPanel>(u"toolsPanel"_s);
    ASSERT_TRUE(tools && tools->isVisible());
    for (const QString& name : {u"Command27"_s, u"Command14"_s, u"Command15"_s})
        EXPECT_TRUE(child(name)->isVisible()) << name.toStdString();

    // From "自动批量数据检索" straight onto "数据智能查询": the first gets picture 102 back.
    const auto pointerEnters = [](QWidget* w) {
        QEnterEvent enter(QPointF(5, 5), w->mapTo(w->window(), QPointF(5, 5)), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &enter);
    };
    pointerEnters(child(u"Command14"_s));
    EXPECT_EQ(tools->hoverMarker(), 14);
    EXPECT_EQ(tools->pictureOf(14), 101);
    pointerEnters(child(u"Command27"_s));
    EXPECT_EQ(tools->hoverMarker(), 27);
    EXPECT_EQ(tools->pictureOf(14), 102);
    EXPECT_EQ(tools->pictureOf(27), 101);

    // The technology dictionary cannot be switched off; the others can.
    auto* technology = child<QCheckBox>(u"Check4(0)"_s);
    auto* solutions = child<QCheckBox>(u"Check4(3)"_s);
    ASSERT_TRUE(technology && technology->isVisible());
    QTest::mouseClick(technology, Qt::LeftButton);
    QTest::mouseClick(solutions, Qt::LeftButton);
    EXPECT_TRUE(technology->isChecked());
    EXPECT_FALSE(solutions->isChecked());
    EXPECT_FALSE(child<QCheckBox>(u"Check4(91)"_s)->isEnabled());

    // "数据智能查询" opens the smart retrieval; an empty text still joins the list.
    QTest::mouseClick(child<QPushButton>(u"Command27"_s), Qt::LeftButton);
    ASSERT_TRUE(child(u"Frame19"_s)->isVisible());
    QTest::mouseClick(child<QPushButton>(u"smartRetrievalButton"_s), Qt::LeftButton);
    EXPECT_EQ(tools->smartRetrievalHistory(), QStringList{QString()});
    EXPECT_TRUE(child(u"Frame20"_s)->isVisible());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ReportsScenarioTest, SixKeptReportsSurviveANewQueryAndNoShowsTheCurrentOne)
{
    ReportsRegion& reports = window->reports();
    reports.menu().pick(u"查询报表"_s);
    QSignalSpy shown(&reports.continuedQuery(), &ContinuedQuery::reportShown);
    auto* field = child<QLineEdit>(u"Text7"_s);
    const QStringList terms = {u"多线"_s, u"线程"_s, u"多线程"_s, u"线程池"_s, u"入门"_s, u"用锁"_s};
    for (const QString& term : terms) {
        field->setText(term);
        pressEnterIn(field);
        ASSERT_TRUE(shown.wait(30000)) << term.toStdString();
        QTest::mouseClick(child<QPushButton>(u"saveReportButton"_s), Qt::LeftButton);
    }
    ASSERT_EQ(reports.continuedQuery().saved().terms(), terms);

    // A new query: its report is the current one and the six kept stay as they were.
    field->setText(u"概念"_s);
    pressEnterIn(field);
    ASSERT_TRUE(shown.wait(30000));
    EXPECT_EQ(reports.continuedQuery().saved().terms(), terms);
    EXPECT_EQ(reports.continuedQuery().saved().report(5)->term, u"用锁"_s);

    auto* list = child<QListView>(u"List2"_s);
    const auto pick = [&](int row) {
        const QModelIndex index = list->model()->index(row, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    };
    prompter.confirmAnswers = {true};
    pick(5);
    EXPECT_EQ(prompter.questions.back(), u"查看该记录内容吗?"_s);
    EXPECT_EQ(reports.continuedQuery().current().term, u"用锁"_s);
    prompter.confirmAnswers = {false};
    pick(0);
    EXPECT_EQ(reports.continuedQuery().current().term, u"概念"_s);  // No: the current query's report
    EXPECT_TRUE(child(u"Option6"_s)->isVisible());
}

TEST_F(ReportsScenarioTest, ReferenceNavigationLowersAndCollapsesOntoTheStrip)
{
    ASSERT_TRUE(window->reports().menu().pick(u"参考导航"_s));
    auto* panel = child<ReferenceNavigationPanel>(u"Picture14"_s);
    ASSERT_TRUE(panel && panel->isVisible());
    QWidget* area = panel->parentWidget();
    const QRect strip(0, area->height() - 34, area->width(), 30);  // the strip at the foot of the document area
    const int top = panel->y();
    QTest::mouseClick(child(u"Label9"_s), Qt::LeftButton);
    EXPECT_EQ(panel->y(), strip.top() - 7);
    QTest::mouseClick(child(u"Label9"_s), Qt::LeftButton);
    EXPECT_EQ(panel->y(), top);

    const int height = panel->height();
    QTest::mouseClick(child(u"Image4"_s), Qt::LeftButton);
    EXPECT_TRUE(panel->isCollapsed());
    EXPECT_EQ(panel->geometry().top(), strip.top());
    EXPECT_EQ(panel->height(), strip.height());
    EXPECT_EQ(panel->arrowPicture(), 1012);
    EXPECT_FALSE(child(u"Label9"_s)->isVisible());
    QTest::mouseClick(child(u"Image4"_s), Qt::LeftButton);
    EXPECT_FALSE(panel->isCollapsed());
    EXPECT_EQ(panel->y(), top);
    EXPECT_EQ(panel->height(), height);
    EXPECT_EQ(panel->arrowPicture(), 1011);
    EXPECT_TRUE(child(u"Label9"_s)->isVisible());
}

TEST_F(ReportsScenarioTest, ToolLabelUnderThePointerTurnsRed)
{
    ASSERT_TRUE(window->reports().menu().pick(u"工具抽屉"_s));
    QTest::mouseMove(child(u"Label10(3)"_s));
    EXPECT_EQ(window->reports().toolDrawer().hovered(), 3);
    EXPECT_EQ(child<QLabel>(u"Label10(3)"_s)->text(), u"英语词典"_s);
    EXPECT_TRUE(child(u"Label10(3)"_s)->styleSheet().contains(u"255, 0, 0"_s));
    EXPECT_TRUE(child(u"Label10(4)"_s)->styleSheet().contains(u"255, 255, 255"_s));
}

}  // namespace
}  // namespace kelvor
