// A user reads a record of the technology centre that carries a navigation
// and an example keyword, opens the reference navigation and the keyword
// list from the menu "面板", follows a related-keyword label and an example
// entry to their records; and renames a folder with the keyword editor,
// whose new name the catalogue shows at once.
#include "searchwindow.h"

#include "app/window/keywords/keywordlistpanel.h"
#include "app/window/keywords/relatedkeywordspanel.h"
#include "app/window/librarypanels.h"
#include "app/window/reports/reportsregion.h"
#include "app/window/windowmenu.h"

#include "catalogue/cataloguemodel.h"
#include "library/schema.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QEnterEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;
using test::SearchWindowTest;

class RelatedKeywordsScenarioTest : public SearchWindowTest {
protected:
    static void SetUpTestSuite()
    {
        SearchWindowTest::SetUpTestSuite();
        auto content = library->open(DatabaseRole::Content);
        // Two records of the navigation keyword Java, both with the example keyword Loop.
        for (const char* code : {"101210350001", "101210360001"})
            content->execute(u"update jszx set jbmc = ?, jbnr = ? where xxbh = ?"_s,
                             {u"Java"_s, u"Loop"_s, QString::fromLatin1(code)});
        auto tech = library->open(DatabaseRole::TechKeywords);
        KeywordLinkWriter(*tech).add({u"Java"_s, u"字符串用法"_s, u"字符串处理"_s, u"101210350002"_s});
        KeywordLinkWriter(*tech).add({u"Java"_s, u"SQL 入门"_s, u"SQL 查询入门"_s, u"101210360001"_s});
        // A keyword with more links than the editor's lookup warns about.
        content->execute(u"update jszx set jbmc = ? where xxbh = ?"_s, {u"Many"_s, u"101210350002"_s});
        for (int i = 1; i <= 12; ++i)
            KeywordLinkWriter(*tech).add({u"Many"_s, u"链接%1"_s.arg(i), u"字符串处理"_s, u"101210350002"_s});
        auto examples = library->open(DatabaseRole::ExampleKeywords);
        KeywordLinkWriter(*examples).add({u"Loop"_s, u"按钮实例"_s, u"按钮与菜单"_s, u"101221010001"_s});
    }

    QTreeView* tree() const { return child<QTreeView>(u"TreeView1"_s); }
    // The node of a record or folder of the centre tree ("l" or "m" and its code).
    QModelIndex viewIndexOf(const QString& code) const
    {
        const CatalogueModel& model = window->catalogueModel();
        int node = model.indexOfKey(u"l"_s + code);
        if (node < 0) node = model.indexOfKey(u"m"_s + code);
        const QModelIndex source = model.indexOfNode(node);
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree()->model());
        return proxy ? proxy->mapFromSource(source) : source;
    }
    void clickNode(const QString& code)
    {
        const QModelIndex index = viewIndexOf(code);
        ASSERT_TRUE(index.isValid()) << code.toStdString();
        tree()->scrollTo(index);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(index).center());
    }
    QStringList labels() const { return window->libraryPanels().relatedKeywords().captions(); }
    QString shownCode() const { return window->recordCodeBox()->text(); }
    WindowMenu& menu() { return window->reports().menu(); }
};

TEST_F(RelatedKeywordsScenarioTest, LabelsAndExampleListFollowTheRecordAndOpenTheirRecords)
{
    showTechnologyCentre();
    clickNode(u"10121035"_s);  // the folder "Java 基础" unfolds
    clickNode(u"101210350001"_s);
    ASSERT_EQ(shownCode(), u"101210350001"_s);

    ASSERT_TRUE(menu().pick(u"参考导航"_s));
    QWidget* navigation = child(u"Picture14"_s);
    ASSERT_TRUE(navigation->isVisible());
    auto* second = child<QLabel>(u"Label32(1)"_s);
    ASSERT_TRUE(second && second->isVisible());
    EXPECT_TRUE(navigation->isAncestorOf(second));
    EXPECT_EQ(labels(), (QStringList{RelatedKeywordsPanel::labelCaption(u"字符串用法"_s),
                                     RelatedKeywordsPanel::labelCaption(u"SQL 入门"_s)}));

    ASSERT_TRUE(menu().entries().contains(u"关键字列表"_s));
    ASSERT_TRUE(menu().pick(u"关键字列表"_s));
    auto* list = child<QListView>(u"List6"_s);
    ASSERT_TRUE(list && list->isVisible());
    EXPECT_TRUE(child(u"Picture12"_s)->isAncestorOf(list));
    EXPECT_EQ(window->libraryPanels().keywordList().entries(), QStringList{u"按钮实例"_s});

    // The label under the pointer turns red, the others keep the button text's colour.
    QEnterEvent enter(QPointF(3, 3), second->mapTo(window.get(), QPointF(3, 3)), second->mapToGlobal(QPointF(3, 3)));
    QApplication::sendEvent(second, &enter);
    EXPECT_EQ(second->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_NE(child<QLabel>(u"Label32(0)"_s)->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // A click on a label opens its record; that record has the same keyword, so
    // the labels stay, and so does the panel: only its title or body lowers it.
    const QPoint placed = navigation->pos();
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(shownCode(), u"101210360001"_s);
    EXPECT_EQ(labels().size(), 2);
    EXPECT_EQ(navigation->pos(), placed);

    // An example entry opens its record, which has no keyword: the labels and the list go.
    const QRect entry = list->visualRect(list->model()->index(0, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(shownCode(), u"101221010001"_s);
    EXPECT_TRUE(labels().isEmpty());
    EXPECT_TRUE(window->libraryPanels().keywordList().entries().isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();

    // Its own button hides the keyword list.
    click(u"keywordListHide"_s);
    EXPECT_FALSE(child(u"Picture12"_s)->isVisible());
}

TEST_F(RelatedKeywordsScenarioTest, AKeywordWithManyLinksIsListedWithoutAMessageBox)
{
    showTechnologyCentre();
    ASSERT_TRUE(menu().pick(u"参考导航"_s));
    clickNode(u"10121035"_s);
    clickNode(u"101210350002"_s);
    ASSERT_EQ(shownCode(), u"101210350002"_s);
    EXPECT_EQ(labels().size(), 12);
    // Reading is never stopped by a box to answer: the warning belongs to the editor.
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();
}

TEST_F(RelatedKeywordsScenarioTest, RenamedFolderShowsItsNewNameInTheTreeAtOnce)
{
    showTechnologyCentre();
    clickNode(u"10121035"_s);  // opens the folder: its code is the one the editor works on
    ASSERT_EQ(shownCode(), u"10121035"_s);
    ASSERT_TRUE(tree()->isExpanded(viewIndexOf(u"10121035"_s)));
    QSignalSpy rebuilt(&window->catalogueModel(), &QAbstractItemModel::modelReset);

    ASSERT_TRUE(menu().pick(u"修改文件夹"_s));
    child<QLineEdit>(u"Text22"_s)->setText(u" Java 入门 "_s);
    click(u"Command17"_s);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();

    EXPECT_EQ(viewIndexOf(u"10121035"_s).data().toString(), u"Java 入门"_s);
    EXPECT_EQ(rebuilt.count(), 0);  // the tree keeps its place and what is unfolded
    EXPECT_TRUE(tree()->isExpanded(viewIndexOf(u"10121035"_s)));
    EXPECT_EQ(viewIndexOf(u"101210350001"_s).data().toString(), u"变量与类型"_s);
}

}  // namespace
}  // namespace kelvor
