#include "app/window/history/historypanel.h"

#include "support/scriptedprompter.h"
#include "support/testlibrary.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QListView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace kelvor::test {
namespace {

using namespace Qt::StringLiterals;

class HistoryPanelTest : public testing::Test {
protected:
    QStringList lines() const
    {
        QStringList out;
        QAbstractItemModel* model = list()->model();
        for (int row = 0; row < model->rowCount(); ++row) out << model->index(row, 0).data().toString();
        return out;
    }
    QListView* list() const { return panel.findChild<QListView*>(u"dataList6"_s); }
    QComboBox* filter() const { return panel.findChild<QComboBox*>(u"Combo99"_s); }
    QRadioButton* option(int i) const { return panel.findChild<QRadioButton*>(u"Option99(%1)"_s.arg(i)); }
    void doubleClickLine(int row)
    {
        const QRect r = list()->visualRect(list()->model()->index(row, 0));
        // A double click arrives after the first click of the pair.
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void SetUp() override
    {
        panel.resize(400, 300);
        panel.show();
    }
    static QString today() { return QDate::currentDate().toString(u"yyyy-MM-dd"_s); }

    TestLibrary library;
    ScriptedPrompter prompter;
    HistoryPanel panel{library.layout(), prompter};
};

TEST_F(HistoryPanelTest, OpensWithTheDateOrderAndTheFilterTip)
{
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_FALSE(option(0)->isChecked());
    EXPECT_EQ(option(0)->text(), u"次数"_s);
    EXPECT_EQ(option(1)->text(), u"日期"_s);
    EXPECT_EQ(filter()->toolTip(), u"在输入框输入查询内容，回车或单击“搜索”按纽，即可进行查询。"_s);
}

TEST_F(HistoryPanelTest, RecordedSearchesListInBothOrders)
{
    library.open(DatabaseRole::SearchHistory)
        ->execute(u"insert into howsearch (name, datehow, timehow, readhow) values (?, ?, ?, ?)"_s,
                  {u"数据库"_s, u"2020-01-02"_s, u"08:00:00"_s, 5});
    panel.recordSearch(u"Loop"_s);
    panel.recordSearch(u"Loop"_s);
    panel.recordSearch(QString());  // an empty search is not recorded
    panel.refresh();
    const QString header = u"查询记录              次数 最后查询时间"_s;
    const QString loop = u"Loop"_s + QString(18, u' ') + u"0002   "_s + today();
    const QString chinese = u"数据库"_s + QString(16, u' ') + u"0005   2020-01-02"_s;
    EXPECT_EQ(lines(), (QStringList{header, loop, chinese}));

    QTest::mouseClick(option(0), Qt::LeftButton);
    EXPECT_EQ(lines(), (QStringList{header, chinese, loop}));
}

TEST_F(HistoryPanelTest, FilterNarrowsTheListAndAFilterWithoutMatchesKeepsIt)
{
    panel.recordSearch(u"Loop"_s);
    panel.recordSearch(u"Linux"_s);
    panel.refresh();
    ASSERT_EQ(lines().size(), 3);
    filter()->setEditText(u"oo"_s);
    EXPECT_EQ(lines().size(), 2);
    EXPECT_TRUE(lines().at(1).startsWith(u"Loop "_s));
    filter()->setEditText(u"zzz"_s);
    EXPECT_EQ(lines().size(), 2);
}

TEST_F(HistoryPanelTest, DoubleClickReplaysTheTextBeforeTheFirstBlankButNotTheHeader)
{
    panel.recordSearch(u"Loop 循环"_s);
    panel.refresh();
    QSignalSpy replays(&panel, &HistoryPanel::replayRequested);
    doubleClickLine(0);
    EXPECT_EQ(replays.count(), 0);
    doubleClickLine(1);
    ASSERT_EQ(replays.count(), 1);
    EXPECT_EQ(replays.front().front().toString(), u"Loop"_s);
}

TEST_F(HistoryPanelTest, AMissingHistoryDatabaseSaysSoOnceAndKeepsTheList)
{
    panel.recordSearch(u"Loop"_s);
    panel.refresh();
    const QStringList before = lines();
    ASSERT_TRUE(QFile::remove(library.layout().databasePath(DatabaseRole::SearchHistory)));
    panel.recordSearch(u"Loop"_s);
    panel.recordSearch(u"Loop"_s);
    EXPECT_EQ(prompter.messages.size(), 1);
    panel.refresh();
    EXPECT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages.back().startsWith(u"查询历史无法使用"_s));
    EXPECT_EQ(lines(), before);
}

}  // namespace
}  // namespace kelvor::test
