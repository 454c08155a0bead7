// The catalogue tree's clicks in the real main window, on a small library:
// what a click does to the bar, the tree, the document area and the shell,
// and the two operations the toolbar reaches through the window.

#include "windowtestlibrary.h"

#include "app/window/documentslots.h"
#include "app/window/mainwindow.h"
#include "app/window/navigationcontroller.h"
#include "app/window/recordbrowsing.h"

#include "catalogue/cataloguemodel.h"
#include "library/sharedconnection.h"
#include "support/scriptedprompter.h"
#include "viewer/documentview.h"
#include "viewer/recordingshell.h"
#include "viewer/qtprinters.h"
#include "eventwait.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

constexpr int kPageDeadlineMs = 30000;

class RecordBrowsingTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        library = new test::TestLibrary;
        outside = new QTemporaryDir;
        test::addWindowRecords(*library);

        CentreRecord withSource;
        withSource.xxbh = QStringLiteral("101210360002");
        withSource.name = QStringLiteral("带源程序的文档");
        withSource.link = QStringLiteral("docs02");
        withSource.eee = QStringLiteral("1");
        withSource.cc = QStringLiteral("1");
        library->addRecords(u"jszx"_s, {withSource});
        library->writeFile(u"kelvor/docs02/101210360002.htm"_s,
                           u"<html><body><p>说明</p>\r\n<p class=a2>int main() { return 0; }</p>\r\n</body></html>"_s);
        library->writeFile(u"kelvor/docs01/101210350001.htm"_s, u"<html><body><p>变量与类型</p></body></html>"_s);

        // Two players: one in the library, one in a folder that is a link to elsewhere.
        CentreRecord escaping;
        escaping.xxbh = QStringLiteral("101216010002");
        escaping.name = QStringLiteral("外部播放器");
        escaping.link = QStringLiteral("elsewhere");
        escaping.eee = QStringLiteral("1");
        library->addRecords(u"spzx"_s, {escaping});
        library->writeFile(u"kelvor/docs01/101216010001.exe"_s, u"player"_s, false);

        // Source folders: one in the library, one through a link to elsewhere, one climbing out.
        std::vector<CentreRecord> withFolders;
        for (const auto& [code, nycd] : {std::pair{"101210360003", "project1"}, std::pair{"101210360004", "away"},
                                         std::pair{"101210360005", "../docs01"}}) {
            CentreRecord r;
            r.xxbh = QString::fromLatin1(code);
            r.name = QStringLiteral("带源代码文件夹 %1").arg(QString::fromLatin1(code));
            r.eee = QStringLiteral("1");
            r.nycd = QString::fromLatin1(nycd);
            withFolders.push_back(r);
        }
        library->addRecords(u"jszx"_s, withFolders);
        QDir().mkpath(library->layout().libraryFolder() + u"/4629056127/project1"_s);
        QFile::link(outside->path(), library->layout().libraryFolder() + u"/4629056127/away"_s);

        // A folder whose body mentions the text of the centre title search.
        CentreRecord markedFolder;
        markedFolder.xxbh = QStringLiteral("10121037");
        markedFolder.name = QStringLiteral("算法");
        markedFolder.mark = QStringLiteral("字符串算法的说明");
        library->addRecords(u"jszx"_s, {markedFolder});
        QFile(outside->filePath(u"101216010002.exe"_s)).open(QIODevice::WriteOnly);
        QFile::link(outside->path(), library->layout().libraryFolder() + u"/elsewhere"_s);
    }
    static void TearDownTestSuite()
    {
        delete library;
        delete outside;
        library = nullptr;
        outside = nullptr;
    }

    void SetUp() override
    {
        connection.open(DatabaseRole::Content);
        auto recording = std::make_unique<test::RecordingShell>();
        shell = recording.get();
        window = std::make_unique<MainWindow>(connection, library->layout(), prompter, nullptr,
                                              settings.filePath(QStringLiteral("rcontrolmt.ini")), std::move(recording));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }

    QTreeView* tree() const { return window->catalogueTree(); }
    DocumentView* documentView() const { return window->documentViews().documentView(); }

    QModelIndex viewIndexOfKey(const QString& key) const
    {
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree()->model());
        return proxy->mapFromSource(window->catalogueModel().indexOfNode(window->catalogueModel().indexOfKey(key)));
    }

    void clickKey(const QString& key)
    {
        const QModelIndex index = viewIndexOfKey(key);
        ASSERT_TRUE(index.isValid()) << key.toStdString();
        tree()->expand(index.parent());
        tree()->scrollTo(index);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(index).center());
    }

    void hoverBarItem(int item)
    {
        QWidget* label = child(QStringLiteral("Label1(%1)").arg(item));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &move);
    }

    QString menuState() { return window->navigation().bar().menuState(); }

    static test::TestLibrary* library;
    static QTemporaryDir* outside;
    SharedConnection connection{library->layout()};
    test::ScriptedPrompter prompter;
    QTemporaryDir settings;
    test::RecordingShell* shell = nullptr;
    std::unique_ptr<MainWindow> window;
};

test::TestLibrary* RecordBrowsingTest::library = nullptr;
QTemporaryDir* RecordBrowsingTest::outside = nullptr;

TEST_F(RecordBrowsingTest, AClickOnAFolderTogglesItAndOpensItsRecord)
{
    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    const QModelIndex folder = viewIndexOfKey(u"l10121035"_s);
    ASSERT_TRUE(folder.isValid());
    ASSERT_FALSE(tree()->isExpanded(folder));
    const int node = window->catalogueModel().indexOfKey(u"l10121035"_s);

    clickKey(u"l10121035"_s);
    EXPECT_TRUE(tree()->isExpanded(folder));
    EXPECT_TRUE(window->catalogueModel().node(node).expanded);
    EXPECT_EQ(window->recordCodeBox()->text(), u"10121035"_s);
    clickKey(u"l10121035"_s);
    EXPECT_FALSE(tree()->isExpanded(folder));
    EXPECT_FALSE(window->catalogueModel().node(node).expanded);
    EXPECT_EQ(window->browsing().opener().currentNodeKey(), u"l10121035"_s);
}

TEST_F(RecordBrowsingTest, TheTreeResetsTheBarOnceThePointerLeftItsItems)
{
    QTest::mouseClick(child(u"Label1(6)"_s), Qt::LeftButton);
    ASSERT_FALSE(child(u"Command48"_s)->isHidden());
    ASSERT_TRUE(child(u"Command48"_s)->isEnabled());
    QWidget* overlay = child(u"Image3"_s);

    // A move over the tree.
    hoverBarItem(3);
    ASSERT_EQ(menuState(), u"no"_s);
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), tree()->viewport()->mapToGlobal(QPointF(4, 4)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree()->viewport(), &move);
    EXPECT_EQ(menuState(), u"ok"_s);
    EXPECT_EQ(overlay->x(), child(u"Label1(6)"_s)->x());

    // A click on a node, with no move before it.
    hoverBarItem(4);
    ASSERT_EQ(menuState(), u"no"_s);
    child<QAbstractButton>(u"Command91"_s)->setText(u"停止执行"_s);
    clickKey(u"l22012101"_s);
    EXPECT_EQ(menuState(), u"ok"_s);
    EXPECT_EQ(overlay->x(), child(u"Label1(6)"_s)->x());
    EXPECT_TRUE(child(u"Command48"_s)->isEnabled()) << "a folder's thumbnails stay on offer";
    EXPECT_EQ(child<QAbstractButton>(u"Command91"_s)->text(), u"自动执行"_s);
    EXPECT_TRUE(window->session().highlighterArmed());
}

TEST_F(RecordBrowsingTest, AClickBesideTheNodesIsStillATreeClick)
{
    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    hoverBarItem(3);
    const QRect last = tree()->visualRect(viewIndexOfKey(u"l10121037"_s));
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 40));
    EXPECT_EQ(menuState(), u"ok"_s);
    EXPECT_EQ(window->recordCodeBox()->text(), u""_s) << "nothing was opened";
}

TEST_F(RecordBrowsingTest, ATreeClickReturnsFromTheSourceTextToTheDocument)
{
    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    clickKey(u"l101210360002"_s);
    KELVOR_WAIT_TRUE(child<QAbstractButton>(u"Command6(1)"_s)->isEnabled(), kPageDeadlineMs);
    QTest::mouseClick(child(u"Command6(1)"_s), Qt::LeftButton);
    auto* source = child<QPlainTextEdit>(u"Text15"_s);
    KELVOR_WAIT_TRUE(source->isVisible(), kPageDeadlineMs);
    EXPECT_TRUE(source->toPlainText().contains(u"int main() { return 0; }"_s)) << source->toPlainText().toStdString();

    clickKey(u"l101210350001"_s);
    EXPECT_TRUE(source->isHidden());
    EXPECT_TRUE(documentView()->isVisible());
    KELVOR_WAIT_EQ(documentView()->location(),
                              QUrl::fromLocalFile(library->layout().libraryFolder() + u"/docs01/101210350001.htm"_s),
                              kPageDeadlineMs);
    EXPECT_FALSE(child<QAbstractButton>(u"Command6(1)"_s)->isEnabled());
}

TEST_F(RecordBrowsingTest, APlayerIsStartedOnlyWhenItLiesInsideTheLibrary)
{
    QTest::mouseClick(child(u"Label1(2)"_s), Qt::LeftButton);
    // node key, started
    const std::vector<std::pair<QString, bool>> cases = {{u"l101216010001"_s, true}, {u"m101216010002"_s, false}};
    for (const auto& [key, started] : cases) {
        const QString code = key.mid(1);
        shell->programs.clear();
        clickKey(key);
        EXPECT_EQ(window->recordCodeBox()->text(), code);
        EXPECT_EQ(shell->programs.size(), started ? 1 : 0) << code.toStdString();
        if (started) {
            EXPECT_EQ(shell->programs.value(0), library->layout().libraryFolder() + u"/docs01/"_s + code + u".exe"_s);
        }
    }
}

TEST_F(RecordBrowsingTest, TheCentreTitleLabelSearchesTheTechnologyCentreIntoASearchTree)
{
    QTest::mouseClick(child(u"Label1(3)"_s), Qt::LeftButton);
    const QString listTable = window->session().listTable();
    child<QComboBox>(u"Combo2"_s)->setEditText(u"字符串"_s);
    QTest::mouseClick(child(u"Label5"_s), Qt::LeftButton);

    EXPECT_EQ(child<QLabel>(u"Label5"_s)->text(), u"实例中心"_s);
    EXPECT_EQ(window->session().currentTable(), u"jszx"_s);
    EXPECT_EQ(window->session().listTable(), listTable);
    const CatalogueModel& model = window->catalogueModel();
    QStringList texts;
    for (int i = 0; i < model.nodeCount(); ++i) {
        EXPECT_TRUE(model.node(i).key.startsWith(u'a')) << model.node(i).key.toStdString();
        texts << model.node(i).text;
    }
    // Every folder, and the one document whose title holds the text.
    EXPECT_EQ(texts, QStringList({u"Java 基础"_s, u"字符串处理"_s, u"数据库"_s, u"算法"_s}));
    // The list query holds documents only, also where a folder's body matched.
    QStringList listed;
    for (const Row& row : connection.db().query(window->session().listQuery().sql, window->session().listQuery().params))
        listed << row.text(u"name"_s);
    EXPECT_EQ(listed, QStringList{u"字符串处理"_s});
    EXPECT_EQ(documentView()->location(), QUrl::fromLocalFile(library->layout().placeholderPictureWide()));

    // A search-tree node opens nothing.
    clickKey(u"a101210350002"_s);
    EXPECT_EQ(window->recordCodeBox()->text(), u""_s);
}

TEST_F(RecordBrowsingTest, TheToolbarCanStepBehindABranchAndLookUpRecordPictures)
{
    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    RecordBrowsing& browsing = window->browsing();
    tree()->setCurrentIndex(viewIndexOfKey(u"l101210350002"_s));
    EXPECT_FALSE(browsing.selectNextNodeAfterAncestor(8));
    EXPECT_FALSE(browsing.selectNextNodeAfterAncestor(1)) << "a level-2 node has no second ancestor";
    EXPECT_EQ(tree()->currentIndex(), viewIndexOfKey(u"l101210350002"_s));
    EXPECT_TRUE(browsing.selectNextNodeAfterAncestor(0));
    EXPECT_EQ(tree()->currentIndex(), viewIndexOfKey(u"l10121036"_s));

    QTest::mouseClick(child(u"Label1(6)"_s), Qt::LeftButton);
    EXPECT_EQ(browsing.recordPictureLookup(u"22012101"_s), std::nullopt) << "a folder has no picture";
    EXPECT_TRUE(documentView()->isVisible());
    const QString picture = library->layout().libraryFolder() + u"/docs01/220121010001.jpg"_s;
    EXPECT_EQ(browsing.recordPictureLookup(u"220121010001"_s), picture);
    EXPECT_EQ(browsing.thumbnailPath(), picture);
    EXPECT_TRUE(documentView()->isHidden());
}

TEST_F(RecordBrowsingTest, ASourceFolderOpensOnlyWhenItLiesInsideTheLibrary)
{
    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    // record, folder opened
    for (const auto& [code, opened] : {std::pair{"101210360003", true}, std::pair{"101210360004", false},
                                       std::pair{"101210360005", false}}) {
        shell->folders.clear();
        clickKey(QStringLiteral("l") + QString::fromLatin1(code));
        ASSERT_EQ(window->recordCodeBox()->text(), QString::fromLatin1(code));
        EXPECT_TRUE(child<QAbstractButton>(u"Command6(2)"_s)->isEnabled()) << code;
        QTest::mouseClick(child(u"Command6(2)"_s), Qt::LeftButton);
        EXPECT_EQ(shell->folders.size(), opened ? 1 : 0) << code;
        if (opened) {
            EXPECT_EQ(shell->folders.value(0), library->layout().libraryFolder() + u"/4629056127/project1"_s);
        }
    }
}

TEST_F(RecordBrowsingTest, AGbkDocumentWithoutDeclaredEncodingReadsAsChinese)
{
    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    clickKey(u"l101210350001"_s);
    KELVOR_WAIT_TRUE(!documentView()->isLoading() && documentView()->location().fileName() == u"101210350001.htm"_s,
                             kPageDeadlineMs);
    QString text;
    bool answered = false;
    documentView()->plainText([&](const QString& t) {
        text = t;
        answered = true;
    });
    KELVOR_WAIT_TRUE(answered, kPageDeadlineMs);
    EXPECT_TRUE(text.contains(u"变量与类型"_s)) << text.toStdString();
}

TEST_F(RecordBrowsingTest, TheSourceAndToolCataloguesNameTheirPage)
{
    window->navigation().chooseGroup(NavigationGroup::Query);
    for (const auto& [item, caption] : {std::pair{3, "源码管理"}, std::pair{6, "工具管理"}}) {
        QTest::mouseClick(child(QStringLiteral("Label1(%1)").arg(item)), Qt::LeftButton);
        EXPECT_EQ(child<QLabel>(u"Label5"_s)->text(), QString::fromUtf8(caption));
        ASSERT_GT(window->catalogueModel().nodeCount(), 0) << caption;
        EXPECT_EQ(window->catalogueModel().node(0).text, u"源码与工具"_s) << caption;
    }
}

}  // namespace
}  // namespace kelvor
