// A user searches the technology centre twice for the same text, opens the
// history, sees the text asked twice, and asks it again from there.
#include "searchwindow.h"

#include <QListView>
#include <QRadioButton>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;
using test::SearchWindowTest;

class HistoryScenarioTest : public SearchWindowTest {
protected:
    QListView* historyList() const { return child<QListView>(u"dataList6"_s); }
    QStringList historyLines() const
    {
        QStringList out;
        QAbstractItemModel* model = historyList()->model();
        for (int row = 0; row < model->rowCount(); ++row) out << model->index(row, 0).data().toString();
        return out;
    }
    void doubleClickHistoryLine(int row)
    {
        const QRect r = historyList()->visualRect(historyList()->model()->index(row, 0));
        QTest::mouseClick(historyList()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(historyList()->viewport(), Qt::LeftButton, {}, r.center());
    }
};

TEST_F(HistoryScenarioTest, ASearchAskedTwiceShowsItsCountAndReplaysFromTheHistory)
{
    showTechnologyCentre();
    click(u"Command8"_s);  // "查询"
    type(u"Loop"_s);
    pressEnter();
    ASSERT_EQ(lines(), std::vector<QString>{u"Loop 循环"_s});
    pressEnter();
    ASSERT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();

    click(u"Command9"_s);  // "历史"
    QWidget* history = child(u"Frame99"_s);
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    EXPECT_TRUE(child<QRadioButton>(u"Option99(1)"_s)->isChecked());
    const QStringList shown = historyLines();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.at(0), u"查询记录              次数 最后查询时间"_s);
    EXPECT_TRUE(shown.at(1).startsWith(u"Loop"_s + QString(18, u' ') + u"0002   "_s)) << shown.at(1).toStdString();

    // Another text in the box; the replay puts the history's text back and searches for it.
    searchBox()->setEditText(u"Linux"_s);
    window->resultListModel().clearLines();
    doubleClickHistoryLine(1);
    EXPECT_FALSE(history->isVisible());
    EXPECT_EQ(searchBox()->currentText(), u"Loop"_s);
    EXPECT_EQ(lines(), std::vector<QString>{u"Loop 循环"_s});
    EXPECT_TRUE(resultList()->isVisible());
    EXPECT_EQ(window->session().viewMode(), ViewMode::ResultList);

    // The replay was a search too: the history counts it.
    click(u"Command9"_s);
    EXPECT_TRUE(historyLines().at(1).contains(u" 0003 "_s)) << historyLines().at(1).toStdString();
    // Another tab hides the history.
    click(u"Command4"_s);
    EXPECT_FALSE(history->isVisible());
}

}  // namespace
}  // namespace kelvor
