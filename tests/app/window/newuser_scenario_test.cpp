// What a new user meets in browsing and searching, on the real window: the
// document area after the source text, a switch, a search from the
// catalogue tab, the advanced panel, the tree under its title, the search
// box's name, the thumbnail button, and the messages of a damaged library.
#include "searchwindow.h"

#include "catalogue/cataloguemodel.h"
#include "viewer/documentview.h"
#include "eventwait.h"

#include <QAbstractProxyModel>
#include <QAccessible>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTreeView>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

using test::SearchWindowTest;

constexpr int kPageDeadlineMs = 30000;
const QString kSourceCode = QStringLiteral("101210360002");
const QString kPlainCode = QStringLiteral("101210350001");

class NewUserScenarioTest : public SearchWindowTest {
protected:
    static void SetUpTestSuite()
    {
        SearchWindowTest::SetUpTestSuite();
        // A document with a source paragraph, so that its source text can be shown.
        CentreRecord withSource;
        withSource.xxbh = kSourceCode;
        withSource.name = QStringLiteral("带源程序的文档");
        withSource.link = QStringLiteral("docs02");
        withSource.eee = QStringLiteral("1");
        withSource.cc = QStringLiteral("1");
        library->addRecords(u"jszx"_s, {withSource});
        library->writeFile(u"kelvor/docs02/101210360002.htm"_s,
                           u"<html><body><p>说明</p>\r\n<p class=a2>int main() { return 0; }</p>\r\n</body></html>"_s);
        // A record without a title.
        CentreRecord untitled;
        untitled.xxbh = QStringLiteral("101231010002");
        untitled.link = QStringLiteral("docs01");
        untitled.eee = QStringLiteral("1");
        library->addRecords(u"xmzx"_s, {untitled});
    }

    DocumentView* documentView() const { return window->documentViews().documentView(); }
    QPlainTextEdit* sourceBox() const { return child<QPlainTextEdit>(QStringLiteral("Text15")); }
    QTreeView* tree() const { return window->catalogueTree(); }

    // Which of the two lies in the document area: "source", "document", "nothing" or "both".
    QString documentAreaShows() const
    {
        const bool source = !sourceBox()->isHidden();
        const bool document = !documentView()->isHidden();
        if (source && document) return QStringLiteral("both");
        if (source) return QStringLiteral("source");
        return document ? QStringLiteral("document") : QStringLiteral("nothing");
    }

    void clickResultLine(const QString& code)
    {
        const ResultListModel& model = window->resultListModel();
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.code(row) != code) continue;
            const QModelIndex index = model.index(row);
            resultList()->scrollTo(index);
            QTest::mouseClick(resultList()->viewport(), Qt::LeftButton, {}, resultList()->visualRect(index).center());
            return;
        }
        ADD_FAILURE() << "no result line for " << code.toStdString();
    }

    // The technology centre, its document with source code opened and its source text on show.
    void showSourceText()
    {
        showTechnologyCentre();
        clickNode(QStringLiteral("l") + kSourceCode);
        KELVOR_WAIT_TRUE(child<QAbstractButton>(QStringLiteral("Command6(1)"))->isEnabled(), kPageDeadlineMs);
        click(QStringLiteral("Command6(1)"));
        KELVOR_WAIT_EQ(documentAreaShows(), QStringLiteral("source"), kPageDeadlineMs);
    }

    QString treeRoot() const
    {
        return window->catalogueModel().nodeCount() ? window->catalogueModel().node(0).text : QString();
    }
};

TEST_F(NewUserScenarioTest, TheDocumentAreaIsNeverBlankAfterTheSourceText)
{
    // highlight option chosen (-1: neither), the user's next step
    enum class Step { TreeClick, ResultClick };
    struct Case {
        int highlight;
        Step step;
        const char* name;
    };
    for (const Case& c : {Case{0, Step::TreeClick, "快速描红, tree"}, Case{1, Step::TreeClick, "逐渐描红, tree"},
                          Case{-1, Step::TreeClick, "neither, tree"}, Case{0, Step::ResultClick, "快速描红, result"},
                          Case{1, Step::ResultClick, "逐渐描红, result"}, Case{-1, Step::ResultClick, "neither, result"}}) {
        makeWindow();
        showSourceText();
        // The options as a user sets them: a click on an option, a second click on its area clears it.
        if (c.highlight == 1) click(QStringLiteral("check1(1)"));
        if (c.highlight == -1) click(QStringLiteral("Label25(0)"));
        ASSERT_EQ(window->highlightOptions().chosen(), c.highlight) << c.name;

        if (c.step == Step::TreeClick) {
            clickNode(QStringLiteral("l") + kPlainCode);
        } else {
            click(QStringLiteral("Command8"));
            ASSERT_FALSE(resultList()->isHidden()) << c.name;
            clickResultLine(kPlainCode);
        }
        EXPECT_EQ(window->recordCodeBox()->text(), kPlainCode) << c.name;
        EXPECT_EQ(documentAreaShows(), u"document"_s) << c.name;
        KELVOR_WAIT_EQ(documentView()->location().fileName(), kPlainCode + u".htm"_s, kPageDeadlineMs);
    }
}

TEST_F(NewUserScenarioTest, EverySwitchShowsTheDocumentViewInsteadOfTheSourceText)
{
    struct Case {
        NavigationGroup group;
        int item;
        const char* title;
    };
    for (const Case& c : {Case{NavigationGroup::Centre, 3, "实例中心"}, Case{NavigationGroup::Query, 2, " 检索 "},
                          Case{NavigationGroup::Query, 1, "查询中心"}, Case{NavigationGroup::Query, 0, " 目录 "},
                          Case{NavigationGroup::Learning, 0, "从零开始"}, Case{NavigationGroup::Learning, 4, "中级开发"}}) {
        makeWindow();
        showSourceText();
        showPage(c.group, c.item);
        ASSERT_EQ(title(), QString::fromUtf8(c.title));
        EXPECT_EQ(documentAreaShows(), u"document"_s) << c.title;
    }
}

TEST_F(NewUserScenarioTest, ASearchFromTheCatalogueTabShowsItsResultOnTheListTab)
{
    // started by, the search text, the lines shown
    struct Case {
        bool byEnter;
        QString text;
        std::vector<QString> lines;
    };
    for (const Case& c : {Case{false, QStringLiteral("字符串"), {QStringLiteral("字符串处理")}},
                          Case{true, QStringLiteral("SQL"), {QStringLiteral("SQL 查询入门")}},
                          Case{false, QStringLiteral("没有这个标题"), {}}}) {
        makeWindow();
        showTechnologyCentre();
        ASSERT_TRUE(resultList()->isHidden());
        searchBox()->setEditText(c.text);
        prompter.messages.clear();
        if (c.byEnter)
            pressEnter();
        else
            click(QStringLiteral("Command3"));

        const std::string label = c.text.toStdString();
        EXPECT_FALSE(resultList()->isHidden()) << label;
        EXPECT_TRUE(tree()->isHidden()) << label;
        EXPECT_EQ(window->session().viewMode(), ViewMode::ResultList) << label << ": the list tab is the one on show";
        EXPECT_EQ(lines(), c.lines) << label;
        EXPECT_EQ(prompter.messages.size(), c.lines.empty() ? 1 : 0) << label;
        // The list tab, pressed now, keeps the search's result.
        click(QStringLiteral("Command8"));
        EXPECT_EQ(lines(), c.lines) << label;
    }

    // On the list tab a search changes only the lines.
    makeWindow();
    showTechnologyCentre();
    click(QStringLiteral("Command8"));
    const size_t wholeCentre = lines().size();
    ASSERT_GT(wholeCentre, 1u);
    searchBox()->setEditText(QStringLiteral("字符串"));
    click(QStringLiteral("Command3"));
    EXPECT_EQ(lines(), std::vector<QString>{QStringLiteral("字符串处理")});
    EXPECT_FALSE(resultList()->isHidden());
}

TEST_F(NewUserScenarioTest, ASwitchClosesTheAdvancedPanelAndRestoresTheSearchRow)
{
    for (const auto& [group, item] : {std::pair{NavigationGroup::Centre, 3}, std::pair{NavigationGroup::Learning, 0},
                                      std::pair{NavigationGroup::Centre, 1}}) {
        makeWindow();
        showTechnologyCentre();
        click(QStringLiteral("Command11"));
        ASSERT_FALSE(child(QStringLiteral("Frame8(0)"))->isHidden());
        ASSERT_TRUE(searchBox()->isHidden());

        showPage(group, item);
        EXPECT_TRUE(child(QStringLiteral("Frame8(0)"))->isHidden()) << item;
        for (const char* name : {"Combo2", "Command3", "Command11"})
            EXPECT_FALSE(child(QString::fromLatin1(name))->isHidden()) << name << " after item " << item;
    }
    // And the search runs again at once.
    searchBox()->setEditText(QStringLiteral("字符串"));
    click(QStringLiteral("Command3"));
    EXPECT_EQ(lines(), std::vector<QString>{QStringLiteral("字符串处理")});
}

TEST_F(NewUserScenarioTest, TheTitleAlwaysNamesTheTreeOnShow)
{
    window->show();
    window->navigation().chooseGroup(NavigationGroup::Learning);
    // Items 2–7 have no course of their own: an empty tree under their title.
    for (int item = 0; item < 8; ++item) {
        QTest::mouseClick(child(QStringLiteral("Label1(%1)").arg(item)), Qt::LeftButton);
        const QString name = title();
        if (item <= 1) {
            EXPECT_EQ(treeRoot(), name) << item;
        } else {
            EXPECT_EQ(window->catalogueModel().nodeCount(), 0) << item << " " << name.toStdString();
            EXPECT_EQ(tree()->model()->rowCount(), 0) << item;
        }
    }
}

TEST_F(NewUserScenarioTest, NamedControlsKeepTheirAccessibleNamesWhateverTheyHold)
{
    showTechnologyCentre();
    type(QStringLiteral("字符串"));
    clickNode(QStringLiteral("l") + kPlainCode);
    showSearchPage();
    type(QStringLiteral("Lo"));

    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(searchBox());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(QAccessible::Name), u"搜索框"_s);
    EXPECT_TRUE(searchBox()->currentText().endsWith(u"Lo"_s));
    EXPECT_EQ(box->text(QAccessible::Value), searchBox()->currentText());
    // Every control given a name answers to it.
    int named = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->accessibleName().isEmpty()) continue;
        ++named;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr) << w->objectName().toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), w->accessibleName()) << w->objectName().toStdString();
    }
    EXPECT_GT(named, 50);
}

TEST_F(NewUserScenarioTest, ClearingTheSearchBoxListsEveryTitleAlsoAnEmptyOne)
{
    showSearchPage();
    const std::vector<QString> all = lines();
    EXPECT_NE(std::find(all.begin(), all.end(), QString()), all.end()) << "the untitled record has its line";
    type(QStringLiteral("Lo"));
    ASSERT_LT(lines().size(), all.size());
    searchBox()->setEditText(QString());
    EXPECT_EQ(lines(), all);
}

TEST_F(NewUserScenarioTest, TheThumbnailButtonIsUsableOnAFolderOfTheInterfaceCentre)
{
    showPage(NavigationGroup::Centre, 6);
    QWidget* thumbnails = child(QStringLiteral("Command48"));
    ASSERT_FALSE(thumbnails->isHidden());
    // node clicked, button enabled afterwards
    for (const auto& [key, enabled] : {std::pair{"l22012101", true}, std::pair{"l220121010001", false},
                                       std::pair{"l22012101", true}}) {
        clickNode(QString::fromLatin1(key));
        EXPECT_EQ(thumbnails->isEnabled(), enabled) << key;
    }
    showPage(NavigationGroup::Centre, 3);
    clickNode(QStringLiteral("l10122101"));
    EXPECT_TRUE(thumbnails->isHidden()) << "only the interface centre offers thumbnails";
}

// A library of the test's own, spoiled while the window runs.
class DamagedLibraryScenarioTest : public testing::Test {
protected:
    void SetUp() override { test::addWindowRecords(library); }

    void start()
    {
        connection.open(DatabaseRole::Content);
        window = std::make_unique<MainWindow>(connection, library.layout(), prompter, nullptr,
                                              settings.filePath(QStringLiteral("rcontrolmt.ini")));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QString title() const { return window->findChild<QLabel*>(QStringLiteral("Label5"))->text(); }
    void clickBarItem(int item)
    {
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Label1(%1)").arg(item)), Qt::LeftButton);
    }

    test::TestLibrary library;
    SharedConnection connection{library.layout()};
    test::ScriptedPrompter prompter;
    QTemporaryDir settings;
    std::unique_ptr<MainWindow> window;
};

TEST_F(DamagedLibraryScenarioTest, ASwitchThatFailsHalfWayLeavesTitleAndTreeInAgreement)
{
    start();
    window->navigation().chooseGroup(NavigationGroup::Centre);
    ASSERT_EQ(title(), u"技术中心"_s);
    ASSERT_GT(window->catalogueModel().nodeCount(), 0);
    // Another program damages the example centre while the window runs.
    library.open(DatabaseRole::Content)->execute(QStringLiteral("drop table slzx"));

    clickBarItem(3);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().startsWith(u"读取资料库失败"_s)) << prompter.messages.front().toStdString();
    EXPECT_EQ(title(), u"实例中心"_s);
    EXPECT_EQ(window->catalogueModel().nodeCount(), 0) << "no tree of the technology centre under the new title";
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("Picture2"))->isEnabled()) << "the window stays usable";

    // The other centres still switch.
    clickBarItem(4);
    EXPECT_EQ(title(), u"项目中心"_s);
    EXPECT_GT(window->catalogueModel().nodeCount(), 0);
}

TEST_F(DamagedLibraryScenarioTest, ARecordWithoutItsParentIsNamedInOneChineseSentence)
{
    // A folder, then a level-3 record whose level-2 record is missing; both come first in code order.
    CentreRecord folder;
    folder.xxbh = QStringLiteral("10121000");
    folder.name = QStringLiteral("前置目录");
    CentreRecord orphan;
    orphan.xxbh = QStringLiteral("1012100000010001");
    orphan.name = QStringLiteral("孤立的记录");
    orphan.link = QStringLiteral("docs01");
    orphan.eee = QStringLiteral("1");
    library.addRecords(u"jszx"_s, {folder, orphan});
    start();

    window->navigation().chooseGroup(NavigationGroup::Centre);
    EXPECT_EQ(title(), u"技术中心"_s);
    ASSERT_EQ(prompter.messages.size(), 1);
    const QString message = prompter.messages.front();
    EXPECT_EQ(message, u"目录中的记录 1012100000010001 缺少上一级记录，目录只显示到它之前的记录。"_s);
    EXPECT_FALSE(message.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) << message.toStdString();
    // The catalogue rule stays: the tree holds what came before the record.
    EXPECT_EQ(window->catalogueModel().nodeCount(), 1);
    EXPECT_EQ(window->catalogueModel().node(0).text, u"前置目录"_s);
}

TEST_F(DamagedLibraryScenarioTest, ASearchTheDatabaseRefusesSaysSoAndTheWindowGoesOn)
{
    start();
    window->navigation().chooseGroup(NavigationGroup::Centre);
    library.open(DatabaseRole::Content)->execute(QStringLiteral("drop table jszx"));
    auto* box = window->findChild<QComboBox*>(QStringLiteral("Combo2"));
    box->setEditText(QStringLiteral("字符串"));
    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Command3")), Qt::LeftButton);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().startsWith(u"读取资料库失败"_s)) << prompter.messages.front().toStdString();

    // The search page's title search as well.
    window->navigation().chooseGroup(NavigationGroup::Query);
    clickBarItem(2);
    prompter.messages.clear();
    test::userinput::focusByClick(box);
    test::userinput::typeText(u"L"_s);
    ASSERT_FALSE(prompter.messages.isEmpty());
    EXPECT_TRUE(prompter.messages.front().startsWith(u"读取资料库失败"_s)) << prompter.messages.front().toStdString();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DamagedLibraryScenarioTest, ALearningCourseIsInCodeOrderWhateverTheTableOrder)
{
    auto lesson = [](const char* code, const char* name) {
        CentreRecord r;
        r.xxbh = QString::fromLatin1(code);
        r.name = QString::fromUtf8(name);
        r.link = QStringLiteral("docs01");
        r.eee = QStringLiteral("1");
        return r;
    };
    // Stored after the course's other lessons and in reverse order.
    library.addRecords(u"study"_s, {lesson("205101110009", "第九课"), lesson("205101110003", "第三课")});
    start();
    window->navigation().chooseGroup(NavigationGroup::Learning);
    const CatalogueModel& model = window->catalogueModel();
    QStringList lessons;
    for (int child : model.tree().children(0)) lessons << model.node(child).text;
    EXPECT_EQ(lessons, QStringList({u"第一课 认识程序"_s, u"第二课"_s, u"第三课"_s, u"第九课"_s}));
}

}  // namespace
}  // namespace kelvor
