// A user on the search page: types two letters, sees the titles narrow,
// clicks a title of the interface centre and sees its picture. With
// KELVOR_SCENARIO_SHOTS=DIR the window is saved as PNG files into DIR at
// each step (run under `xvfb-run -a` with QT_QPA_PLATFORM=xcb so that the
// document view renders into them).
#include "searchwindow.h"

#include "app/window/resultlistmodel.h"
#include "search/titlesearch.h"
#include "viewer/documentview.h"
#include "eventwait.h"

#include <QDeadlineTimer>
#include <QSignalSpy>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

using test::SearchWindowTest;

class SearchScenarioTest : public SearchWindowTest {
protected:
    void shot(const QString& name)
    {
        const QString folder = qEnvironmentVariable("KELVOR_SCENARIO_SHOTS");
        if (folder.isEmpty()) return;
        // Let the views paint what they loaded before the grab.
        const QDeadlineTimer settle(600);
        while (!settle.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QDir().mkpath(folder);
        EXPECT_TRUE(window->grab().save(QDir(folder).filePath(name + u".png"_s))) << name.toStdString();
    }

    QPoint centreOfLine(const QString& line) const
    {
        const auto all = lines();
        const auto it = std::find(all.begin(), all.end(), line);
        if (it == all.end()) return {};
        const QModelIndex index = window->resultListModel().index(int(it - all.begin()));
        resultList()->scrollTo(index);
        return resultList()->visualRect(index).center();
    }
};

// The list reads a page at a time as it is scrolled. Scrolled to its end it
// must hold exactly the listing read whole: every title on entering the page,
// then a typed prefix, a prefix with a wildcard, a prefix that finds nothing
// (the last list stays) and the emptied box (every title again).
TEST_F(SearchScenarioTest, PagedListScrolledToItsEndEqualsTheWholeListing)
{
    ResultListModel& model = window->resultListModel();
    model.setPageSizes(2, 3);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->navigation().chooseGroup(NavigationGroup::Query);
    QTest::mouseClick(child(u"Label1(2)"_s), Qt::LeftButton);
    ASSERT_EQ(title(), u" 检索 "_s);

    // The lines, each with its code as the list hands it to a click.
    auto scrolledToEnd = [&] {
        for (int step = 0; step < 200 && model.canFetchMore({}); ++step) {
            resultList()->scrollToBottom();
            QCoreApplication::processEvents();
        }
        EXPECT_FALSE(model.canFetchMore({})) << "the list reads on as it is scrolled";
        std::vector<QString> shown;
        for (int row = 0; row < model.rowCount(); ++row)
            shown.push_back(model.index(row).data().toString() + u'|' +
                            model.index(row).data(ResultListModel::CodeRole).toString());
        return shown;
    };
    auto whole = [&](const QString& text) {
        const TitleList found = titleSearch(connection, text);
        std::vector<QString> listed;
        for (size_t i = 0; i < found.size(); ++i) listed.push_back(found.names[i] + u'|' + found.codes[i]);
        return listed;
    };

    ASSERT_GT(whole({}).size(), 3u);
    EXPECT_EQ(scrolledToEnd(), whole({}));
    const struct {
        const char* typed;
        const char* listed;  // the text whose listing stays on show
    } cases[] = {{"L", "L"}, {"L%o", "L%o"}, {"Lzzz", "L%o"}, {"", ""}};
    for (const auto& c : cases) {
        searchBox()->lineEdit()->setText(QString::fromUtf8(c.typed));
        if (qstrcmp(c.typed, c.listed) == 0) {
            EXPECT_LE(model.rowCount(), 2) << c.typed << ": the first page only";
        }
        EXPECT_EQ(scrolledToEnd(), whole(QString::fromUtf8(c.listed))) << c.typed;
    }
}

TEST_F(SearchScenarioTest, TypeTwoLettersThenOpenAnInterfacePicture)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->navigation().chooseGroup(NavigationGroup::Query);
    QTest::mouseClick(child(u"Label1(2)"_s), Qt::LeftButton);
    ASSERT_EQ(title(), u" 检索 "_s);
    const size_t everyTitle = lines().size();
    shot(u"1-search-page"_s);

    type(u"L"_s);
    EXPECT_EQ(lines(), (std::vector<QString>{u"Linux 基础"_s, u"Login 窗口"_s, u"Loop 循环"_s}));
    EXPECT_LT(lines().size(), everyTitle);
    type(u"o"_s);
    EXPECT_EQ(searchBox()->currentText(), u"Lo"_s);
    EXPECT_EQ(lines(), (std::vector<QString>{u"Login 窗口"_s, u"Loop 循环"_s}));
    shot(u"2-typed-lo"_s);

    DocumentView* view = window->documentViews().documentView();
    QSignalSpy loaded(view, &DocumentView::documentComplete);
    const QPoint line = centreOfLine(QStringLiteral("Login 窗口"));
    ASSERT_FALSE(line.isNull());
    QTest::mouseClick(resultList()->viewport(), Qt::LeftButton, {}, line);

    const QString picture = *library->layout().documentPath(u"docs01"_s, test::kLoginCode, u".jpg"_s);
    EXPECT_EQ(window->recordCodeBox()->text(), test::kLoginCode);
    EXPECT_EQ(view->location().toLocalFile(), picture);
    KELVOR_WAIT_TRUE(!loaded.isEmpty() && view->location().toLocalFile() == picture && !view->isLoading(),
                             30000);
    EXPECT_FALSE(view->isHidden());
    EXPECT_EQ(resultList()->toolTip(), u"双击列表选项,查看选定内容"_s);
    shot(u"3-interface-picture"_s);

    // The technology centre's list tab and the advanced panel, for a look.
    window->navigation().chooseGroup(NavigationGroup::Centre);
    click(u"Command8"_s);
    shot(u"4-list-tab"_s);
    click(u"Command11"_s);
    shot(u"5-advanced-panel"_s);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u"; "_s).toStdString();
}

}  // namespace
}  // namespace kelvor
