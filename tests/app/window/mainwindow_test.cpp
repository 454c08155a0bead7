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

    QString title() const { return child<QLabel>("Label5")->text(); }

    // A click on the group tabs at the foot of the strip, `x` twips into the label.
    void clickGroupTab(double x)
    {
        QWidget* tabs = child("Label45");
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
        {"Imagebar", ""},           {"Imagebar1", ""},         {"Picture13", ""},        {"Label45", ""},
        {"Image3", ""},             {"usekz", ""},             {"Picture2", ""},         {"image1", ""},
        {"Picture1", ""},           {"Frame5", ""},            {"Frame1", ""},           {"Label5", "从零开始"},
        {"Command4", "目录"},       {"Command8", "查询"},      {"Command9", "历史"},     {"Command10", "设置"},
        {"Combo2", "搜索框"},       {"Command3", "搜索"},      {"Command11", "高级"},    {"TreeView1", "目录树"},
        {"datalist2", "结果列表"},  {"HScroll1", ""},          {"WebBrowser1", "文档"},  {"WebBrowser2", ""},
        {"WebBrowser3", ""},        {"Text15", "源程序"},      {"Text16", "记录编号"},   {"Text21", ""},
        {"Text2", ""},              {"check1(0)", "快速描红"}, {"check1(1)", "逐渐描红"}, {"Label26(0)", "快速描红"},
        {"Label26(1)", "逐渐描红"}, {"Label25(0)", ""},        {"Label25(1)", ""},       {"Command91", "自动执行"},
        {"Command48", "缩略图显示"}, {"Command25", "返回查询界面"}, {"Check2(0)", "单击执行"}, {"Check3(0)", "手动展开"},
        {"titleOnlyOption", "只查询标题"}, {"showPositionOption", "显示记录位置"}, {"queryCentrePanel", ""},
    };
    std::vector<std::pair<QString, QString>> all = controls;
    for (int i = 0; i < 8; ++i) all.push_back({QStringLiteral("Label1(%1)").arg(i), ""});
    for (int i = 0; i < 6; ++i) all.push_back({QStringLiteral("Command6(%1)").arg(i), ""});

    EXPECT_EQ(window->objectName(), "frmmain");
    EXPECT_EQ(window->windowTitle(), "澄溪宸笺");
    for (const auto& [name, accessible] : all) {
        QWidget* w = child(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        EXPECT_FALSE(w->accessibleName().trimmed().isEmpty()) << name.toStdString();
        if (!accessible.isEmpty()) {
            EXPECT_EQ(w->accessibleName(), accessible) << name.toStdString();
        }
        EXPECT_EQ(window->findChildren<QWidget*>(name).size(), 1) << name.toStdString();
    }

    EXPECT_TRUE(child<QTreeView>("TreeView1"));
    EXPECT_TRUE(child<QListView>("datalist2"));
    ASSERT_TRUE(child<QComboBox>("Combo2"));
    EXPECT_TRUE(child<QComboBox>("Combo2")->isEditable());
    EXPECT_TRUE(child<QPlainTextEdit>("Text15"));
    EXPECT_TRUE(child<QScrollBar>("HScroll1"));
    for (auto [name, caption] : {std::pair{"Check2(0)", "单击执行 "}, std::pair{"Check3(0)", "手动展开 "},
                                 std::pair{"titleOnlyOption", "只查询标题 "}, std::pair{"Command25", "返回查询界面"},
                                 std::pair{"Command48", "缩略图显示"}, std::pair{"Command91", "自动执行"}})
        EXPECT_EQ(child<QAbstractButton>(name)->text(), QString::fromUtf8(caption)) << name;
    for (const char* hidden : {"Text15", "Command48", "Command25", "Command10", "WebBrowser2", "WebBrowser3", "Frame1"})
        EXPECT_TRUE(child(hidden)->isHidden()) << hidden;
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
    EXPECT_EQ(title(), "从零开始");
    EXPECT_EQ(window->session().group(), NavigationGroup::Centre);
    EXPECT_EQ(window->session().currentItem(), 1);
    ASSERT_GT(window->catalogueModel().nodeCount(), 0);
    EXPECT_EQ(window->catalogueModel().node(0).text, "从零开始");
    EXPECT_TRUE(child<QTreeView>("TreeView1")->currentIndex().isValid());
    EXPECT_EQ(window->descriptionBox()->text(), MainWindow::productDescription());

    window->show();
    EXPECT_EQ(window->session().currentTable(), tableExpression(*centreByTable(u"jszx"), library->layout()));
    EXPECT_EQ(window->session().listTable(), window->session().currentTable());
    EXPECT_EQ(window->navigation().bar().menuState(), "no");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(MainWindowTest, GroupTabsAndBarItemsSwitchPages)
{
    window->show();
    clickGroupTab(100);
    EXPECT_EQ(window->session().group(), NavigationGroup::Learning);
    EXPECT_EQ(title(), "从零开始");
    EXPECT_EQ(child("Label1(1)")->toolTip(), "入门训练");

    QTest::mouseClick(child("Label1(1)"), Qt::LeftButton);
    EXPECT_EQ(title(), "入门训练");
    EXPECT_EQ(window->catalogueModel().node(0).text, "入门训练");

    clickGroupTab(600);
    EXPECT_EQ(window->session().group(), NavigationGroup::Centre);
    EXPECT_EQ(title(), "技术中心");
    EXPECT_EQ(child("Label1(2)")->toolTip(), "视频中心");
    EXPECT_TRUE(child("Label1(0)")->isHidden());  // a slot without a page

    QTest::mouseClick(child("Label1(6)"), Qt::LeftButton);
    EXPECT_EQ(title(), "界面中心");
    EXPECT_FALSE(child("Command48")->isHidden());
    EXPECT_EQ(child<QAbstractButton>("Command6(0)")->text(), "下载界面");

    clickGroupTab(1500);
    EXPECT_EQ(window->session().group(), NavigationGroup::Query);
    EXPECT_EQ(title(), " 目录 ");
    EXPECT_EQ(child("Label1(0)")->toolTip(), "目录");
    EXPECT_TRUE(child("Label1(4)")->isHidden());
    EXPECT_TRUE(child("Command48")->isHidden());

    QTest::mouseClick(child("Label1(2)"), Qt::LeftButton);
    EXPECT_EQ(title(), " 检索 ");
    EXPECT_FALSE(child("datalist2")->isHidden());
    EXPECT_TRUE(child("TreeView1")->isHidden());
    EXPECT_EQ(window->resultListModel().rowCount(), 16);
    EXPECT_TRUE(child("usekz")->isEnabled());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
}

TEST_F(MainWindowTest, TheLearningTabReachesLeftOfTheTabLabel)
{
    window->show();
    clickGroupTab(1500);
    QWidget* tabs = child("Label45");
    const QPoint onOverhang = tabs->pos() + QPoint(-20, tabs->height() - 3);
    QTest::mouseClick(child("Imagebar"), Qt::LeftButton, {}, onOverhang);
    EXPECT_EQ(window->session().group(), NavigationGroup::Learning);
}

TEST_F(MainWindowTest, HoverShowsTheOverlayAndLeavingResetsIt)
{
    window->show();
    QWidget* item = child("Label1(3)");
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), item->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(item, &move);
    QWidget* overlay = child("Image3");
    EXPECT_FALSE(overlay->isHidden());
    EXPECT_EQ(overlay->x(), item->x());
    EXPECT_EQ(window->navigation().bar().menuState(), "no");

    QWidget* frame = child("usekz");
    QMouseEvent away(QEvent::MouseMove, QPointF(2, 2), frame->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &away);
    EXPECT_EQ(window->navigation().bar().menuState(), "ok");
    EXPECT_EQ(overlay->x(), child("Label1(1)")->x());
}

TEST_F(MainWindowTest, HighlightOptionsFollowTheirClickAreas)
{
    window->show();
    auto* quick = child<QRadioButton>("check1(0)");
    auto* gradual = child<QRadioButton>("check1(1)");
    EXPECT_TRUE(quick->isChecked());
    QTest::mouseClick(child("Label25(0)"), Qt::LeftButton);
    EXPECT_FALSE(quick->isChecked());
    EXPECT_FALSE(gradual->isChecked());
    QTest::mouseClick(child("Label25(1)"), Qt::LeftButton);
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
