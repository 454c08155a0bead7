#include "windowtestlibrary.h"

#include "app/window/grouptabs.h"
#include "app/window/mainwindow.h"
#include "app/window/navigationcontroller.h"
#include "app/window/resultlistmodel.h"

#include "catalogue/cataloguemodel.h"
#include "library/sharedconnection.h"
#include "support/scriptedprompter.h"
#include "eventwait.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

class MainWindowTest : public testing::Test {
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

    void SetUp() override
    {
        connection.open(DatabaseRole::Content);
        window = std::make_unique<MainWindow>(connection, library->layout(), prompter);
    }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }

    QString title() const { return child<QLabel>(u"Label5"_s)->text(); }

    // A click on the group tabs at the foot of the strip, `x` twips into the label.
    void clickGroupTab(double x)
    {
        QWidget* tabs = child(u"Label45"_s);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, QPoint(int(x / 15), tabs->height() - 2));
    }

    static test::TestLibrary* library;
    SharedConnection connection{library->layout()};
    test::ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;
};

test::TestLibrary* MainWindowTest::library = nullptr;

TEST_F(MainWindowTest, EveryNamedControlExistsWithItsAccessibleName)
{
    // objectName, accessible name ("" for: any non-empty name)
    const std::vector<std::pair<QString, QString>> controls = {
        {u"Imagebar"_s, u""_s},           {u"Imagebar1"_s, u""_s},         {u"Picture13"_s, u""_s},        {u"Label45"_s, u""_s},
        {u"Image3"_s, u""_s},             {u"usekz"_s, u""_s},             {u"Picture2"_s, u""_s},         {u"image1"_s, u""_s},
        {u"Picture1"_s, u""_s},           {u"Frame5"_s, u""_s},            {u"Frame1"_s, u""_s},           {u"Label5"_s, u"从零开始"_s},
        {u"Command4"_s, u"目录"_s},       {u"Command8"_s, u"查询"_s},      {u"Command9"_s, u"历史"_s},     {u"Command10"_s, u"设置"_s},
        {u"Combo2"_s, u"搜索框"_s},       {u"Command3"_s, u"搜索"_s},      {u"Command11"_s, u"高级"_s},    {u"TreeView1"_s, u"目录树"_s},
        {u"datalist2"_s, u"结果列表"_s},  {u"HScroll1"_s, u""_s},          {u"WebBrowser1"_s, u"文档"_s},  {u"WebBrowser2"_s, u""_s},
        {u"WebBrowser3"_s, u""_s},        {u"Text15"_s, u"源程序"_s},      {u"Text16"_s, u"记录编号"_s},   {u"Text21"_s, u""_s},
        {u"Text2"_s, u""_s},              {u"check1(0)"_s, u"快速描红"_s}, {u"check1(1)"_s, u"逐渐描红"_s}, {u"Label26(0)"_s, u"快速描红"_s},
        {u"Label26(1)"_s, u"逐渐描红"_s}, {u"Label25(0)"_s, u""_s},        {u"Label25(1)"_s, u""_s},       {u"Command91"_s, u"自动执行"_s},
        {u"Command48"_s, u"缩略图显示"_s}, {u"Command25"_s, u"返回查询界面"_s}, {u"Check2(0)"_s, u"单击执行"_s}, {u"Check3(0)"_s, u"手动展开"_s},
        {u"titleOnlyOption"_s, u"只查询标题"_s}, {u"showPositionOption"_s, u"显示记录位置"_s}, {u"queryCentrePanel"_s, u""_s},
    };
    std::vector<std::pair<QString, QString>> all = controls;
    for (int i = 0; i < 8; ++i) all.push_back({QStringLiteral("Label1(%1)").arg(i), u""_s});
    for (int i = 0; i < 6; ++i) all.push_back({QStringLiteral("Command6(%1)").arg(i), u""_s});

    EXPECT_EQ(window->objectName(), u"frmmain"_s);
    EXPECT_EQ(window->windowTitle(), u"澄溪宸笺"_s);
    for (const auto& [name, accessible] : all) {
        QWidget* w = child(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        EXPECT_FALSE(w->accessibleName().trimmed().isEmpty()) << name.toStdString();
        if (!accessible.isEmpty()) {
            EXPECT_EQ(w->accessibleName(), accessible) << name.toStdString();
        }
        EXPECT_EQ(window->findChildren<QWidget*>(name).size(), 1) << name.toStdString();
    }

    EXPECT_TRUE(child<QTreeView>(u"TreeView1"_s));
    EXPECT_TRUE(child<QListView>(u"datalist2"_s));
    ASSERT_TRUE(child<QComboBox>(u"Combo2"_s));
    EXPECT_TRUE(child<QComboBox>(u"Combo2"_s)->isEditable());
    EXPECT_TRUE(child<QPlainTextEdit>(u"Text15"_s));
    EXPECT_TRUE(child<QScrollBar>(u"HScroll1"_s));
    for (auto [name, caption] : {std::pair{"Check2(0)", "单击执行 "}, std::pair{"Check3(0)", "手动展开 "},
                                 std::pair{"titleOnlyOption", "只查询标题 "}, std::pair{"Command25", "返回查询界面"},
                                 std::pair{"Command48", "缩略图显示"}, std::pair{"Command91", "自动执行"}})
        EXPECT_EQ(child<QAbstractButton>(QString::fromLatin1(name))->text(), QString::fromUtf8(caption)) << name;
    for (const char* hidden : {"Text15", "Command48", "Command25", "Command10", "WebBrowser2", "WebBrowser3", "Frame1"})
        EXPECT_TRUE(child(QString::fromLatin1(hidden))->isHidden()) << hidden;
}

TEST_F(MainWindowTest, TimersExistWithTheirIntervalsAndOnlyShowingStartsTheirs)
{
    const struct {
        const char* name;
        QTimer* timer;
        int interval;
    } timers[] = {
        {"Timer1", window->splitterTimer(), 300},    {"Timer2", window->readingTimer(), 1500},
        {"Timer3", window->highlightTimer(), 300},   {"Timer4", window->housekeepingTimer(), 300},
        {"Timer5", window->walkTimer(), 2000},
    };
    for (const auto& c : timers) {
        auto* t = window->findChild<QTimer*>(QString::fromLatin1(c.name));
        ASSERT_NE(t, nullptr) << c.name;
        EXPECT_EQ(t, c.timer) << c.name;
        EXPECT_EQ(t->interval(), c.interval) << c.name;
        EXPECT_FALSE(t->isActive()) << c.name;
    }
    window->show();
    EXPECT_TRUE(window->splitterTimer()->isActive());  // the splitter drag
    EXPECT_FALSE(window->readingTimer()->isActive());
    EXPECT_FALSE(window->walkTimer()->isActive());
}

TEST_F(MainWindowTest, CreationOpensTheBeginnersCourseAndShowingWorksOnTheTechnologyCentre)
{
    EXPECT_EQ(title(), u"从零开始"_s);
    EXPECT_EQ(window->session().group(), NavigationGroup::Centre);
    EXPECT_EQ(window->session().currentItem(), 1);
    ASSERT_GT(window->catalogueModel().nodeCount(), 0);
    EXPECT_EQ(window->catalogueModel().node(0).text, u"从零开始"_s);
    EXPECT_TRUE(child<QTreeView>(u"TreeView1"_s)->currentIndex().isValid());
    EXPECT_EQ(window->descriptionBox()->text(), MainWindow::productDescription());

    window->show();
    EXPECT_EQ(window->session().currentTable(), tableExpression(*centreByTable(u"jszx"), library->layout()));
    EXPECT_EQ(window->session().listTable(), window->session().currentTable());
    EXPECT_EQ(window->navigation().bar().menuState(), u"no"_s);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(MainWindowTest, GroupTabsAndBarItemsSwitchPages)
{
    window->show();
    clickGroupTab(100);
    EXPECT_EQ(window->session().group(), NavigationGroup::Learning);
    EXPECT_EQ(title(), u"从零开始"_s);
    EXPECT_EQ(child(u"Label1(1)"_s)->toolTip(), u"入门训练"_s);

    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    EXPECT_EQ(title(), u"入门训练"_s);
    EXPECT_EQ(window->catalogueModel().node(0).text, u"入门训练"_s);

    clickGroupTab(600);
    EXPECT_EQ(window->session().group(), NavigationGroup::Centre);
    EXPECT_EQ(title(), u"技术中心"_s);
    EXPECT_EQ(child(u"Label1(2)"_s)->toolTip(), u"视频中心"_s);
    EXPECT_TRUE(child(u"Label1(0)"_s)->isHidden());  // a slot without a page

    QTest::mouseClick(child(u"Label1(6)"_s), Qt::LeftButton);
    EXPECT_EQ(title(), u"界面中心"_s);
    EXPECT_FALSE(child(u"Command48"_s)->isHidden());
    EXPECT_EQ(child<QAbstractButton>(u"Command6(0)"_s)->text(), u"下载界面"_s);

    clickGroupTab(1500);
    EXPECT_EQ(window->session().group(), NavigationGroup::Query);
    EXPECT_EQ(title(), u" 目录 "_s);
    EXPECT_EQ(child(u"Label1(0)"_s)->toolTip(), u"目录"_s);
    EXPECT_TRUE(child(u"Label1(4)"_s)->isHidden());
    EXPECT_TRUE(child(u"Command48"_s)->isHidden());

    QTest::mouseClick(child(u"Label1(2)"_s), Qt::LeftButton);
    EXPECT_EQ(title(), u" 检索 "_s);
    EXPECT_FALSE(child(u"datalist2"_s)->isHidden());
    EXPECT_TRUE(child(u"TreeView1"_s)->isHidden());
    EXPECT_EQ(window->resultListModel().rowCount(), 16);
    EXPECT_TRUE(child(u"usekz"_s)->isEnabled());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u"; "_s).toStdString();
}

TEST_F(MainWindowTest, TheLearningTabReachesLeftOfTheTabLabel)
{
    window->show();
    clickGroupTab(1500);
    QWidget* tabs = child(u"Label45"_s);
    const QPoint onOverhang = tabs->pos() + QPoint(-20, tabs->height() - 3);
    QTest::mouseClick(child(u"Imagebar"_s), Qt::LeftButton, {}, onOverhang);
    EXPECT_EQ(window->session().group(), NavigationGroup::Learning);
}

TEST_F(MainWindowTest, HoverShowsTheOverlayAndLeavingResetsIt)
{
    window->show();
    QWidget* item = child(u"Label1(3)"_s);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), item->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(item, &move);
    QWidget* overlay = child(u"Image3"_s);
    EXPECT_FALSE(overlay->isHidden());
    EXPECT_EQ(overlay->x(), item->x());
    EXPECT_EQ(window->navigation().bar().menuState(), u"no"_s);

    QWidget* frame = child(u"usekz"_s);
    QMouseEvent away(QEvent::MouseMove, QPointF(2, 2), frame->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &away);
    EXPECT_EQ(window->navigation().bar().menuState(), u"ok"_s);
    EXPECT_EQ(overlay->x(), child(u"Label1(1)"_s)->x());
}

TEST_F(MainWindowTest, HighlightOptionsFollowTheirClickAreas)
{
    window->show();
    auto* quick = child<QRadioButton>(u"check1(0)"_s);
    auto* gradual = child<QRadioButton>(u"check1(1)"_s);
    EXPECT_TRUE(quick->isChecked());
    QTest::mouseClick(child(u"Label25(0)"_s), Qt::LeftButton);
    EXPECT_FALSE(quick->isChecked());
    EXPECT_FALSE(gradual->isChecked());
    QTest::mouseClick(child(u"Label25(1)"_s), Qt::LeftButton);
    EXPECT_TRUE(gradual->isChecked());
    quick->click();
    EXPECT_TRUE(quick->isChecked());
    EXPECT_FALSE(gradual->isChecked());
    quick->click();  // the option itself never clears
    EXPECT_TRUE(quick->isChecked());
    EXPECT_EQ(window->highlightOptions().chosen(), 0);
}

TEST_F(MainWindowTest, ATinyWindowIsSnappedToItsSmallestSize)
{
    window->show();
    window->resize(200, 120);
    KELVOR_WAIT_EQ(window->height(), 214, 5000);  // 3200 twips
    KELVOR_WAIT_EQ(window->width(), 347, 5000);   // 5200 twips
    EXPECT_GE(window->regions().workingFrame.height, 0);
}

}  // namespace
}  // namespace kelvor
