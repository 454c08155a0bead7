// A user opens a record of the technology centre, opens the keyword editor
// from the menu, links the record to a keyword holding a double quote and a
// percent sign, renames that keyword with a blank typed before it, and meets
// an example keyword database that cannot be opened.
#include "searchwindow.h"

#include "app/window/reports/reportsregion.h"
#include "app/window/windowmenu.h"

#include <QLineEdit>
#include <QPushButton>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;
using test::SearchWindowTest;

class KeywordScenarioTest : public SearchWindowTest {
protected:
    QStringList keywordRows(DatabaseRole role) const
    {
        auto db = library->open(role);
        QStringList out;
        for (const QString& table : keywordTables())
            for (const Row& r : db->query(u"select link, name, xxbh from %1 order by rowid"_s.arg(table)))
                out << QStringList{table, r.text(0), r.text(1), r.text(2)}.join(u'|');
        return out;
    }
    void doubleClickLine(const QString& text)
    {
        const auto all = lines();
        const auto it = std::find(all.begin(), all.end(), text);
        ASSERT_NE(it, all.end()) << text.toStdString();
        const QModelIndex index = window->resultListModel().index(int(it - all.begin()));
        resultList()->scrollTo(index);
        const QPoint at = resultList()->visualRect(index).center();
        QTest::mouseClick(resultList()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(resultList()->viewport(), Qt::LeftButton, {}, at);
    }
    WindowMenu& menu() { return window->reports().menu(); }
};

TEST_F(KeywordScenarioTest, LinkRenameAndAnUnreadableKeywordDatabaseInTheWindow)
{
    showTechnologyCentre();
    click(u"Command8"_s);  // "查询": every title of the centre
    doubleClickLine(u"变量与类型"_s);
    ASSERT_EQ(window->recordCodeBox()->text(), u"101210350001"_s);

    ASSERT_TRUE(menu().pick(u"导航技术关键字"_s));
    QWidget* editor = child(u"Frame11"_s);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_FALSE(menu().isEntryEnabled(u"导航实例关键字"_s));
    EXPECT_EQ(child<QLineEdit>(u"editorText16"_s)->text(), u"101210350001"_s);
    EXPECT_EQ(child<QLineEdit>(u"Text17"_s)->text(), u"变量与类型"_s);

    // A double quote and a percent sign are characters of the keyword, nothing more.
    child<QLineEdit>(u"Text19"_s)->setText(u"C\"语言%"_s);
    click(u"Command17"_s);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();
    EXPECT_EQ(keywordRows(DatabaseRole::TechKeywords), QStringList{u"ckv|C\"语言%|变量与类型|101210350001"_s});

    // A new name typed with a blank before it is stored trimmed, where a lookup finds it.
    click(u"Command54"_s);  // opened again, the editor lists the new keyword
    ASSERT_TRUE(menu().pick(u"导航技术关键字"_s));
    click(u"Command55"_s);  // the full panel shows the keyword list
    auto* keywords = child<QComboBox>(u"Combo8"_s);
    ASSERT_EQ(keywords->findText(u"C\"语言%"_s), 0);
    keywords->setCurrentIndex(0);
    emit keywords->activated(0);
    prompter.inputAnswers.push_back(u" 指针"_s);
    click(u"Command60"_s);
    EXPECT_EQ(keywordRows(DatabaseRole::TechKeywords), QStringList{u"otherkv|指针|变量与类型|101210350001"_s});
    EXPECT_EQ(keywords->itemText(0), u"指针"_s);

    // The example keyword database cannot be opened: a clear message, and the window goes on working.
    click(u"Command54"_s);
    const QString examplePath = library->layout().databasePath(DatabaseRole::ExampleKeywords);
    ASSERT_TRUE(QFile::rename(examplePath, examplePath + u".away"_s));
    prompter.messages.clear();
    EXPECT_TRUE(menu().pick(u"导航实例关键字"_s));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().startsWith(u"关键字数据库无法使用"_s)) << prompter.messages.front().toStdString();
    click(u"Command54"_s);
    EXPECT_TRUE(menu().isEntryEnabled(u"导航实例关键字"_s));
    searchBox()->setEditText(u"Loop"_s);
    pressEnter();
    EXPECT_EQ(lines(), std::vector<QString>{u"Loop 循环"_s});
    ASSERT_TRUE(QFile::rename(examplePath + u".away"_s, examplePath));
}

}  // namespace
}  // namespace kelvor
