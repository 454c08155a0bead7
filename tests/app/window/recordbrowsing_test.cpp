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
        library->addRecords("jszx", {withSource});
        library->writeFile("kelvor/docs02/101210360002.htm",
                           "<html><body><p>说明</p>\r\n<p class=a2>int main() { return 0; }</p>\r\n</body></html>");
        library->writeFile("kelvor/docs01/101210350001.htm", "<html><body><p>变量与类型</p></body></html>");

        // Two players: one in the library, one in a folder that is a link to elsewhere.
        CentreRecord escaping;
        escaping.xxbh = QStringLiteral("101216010002");
        escaping.name = QStringLiteral("外部播放器");
        escaping.link = QStringLiteral("elsewhere");
        escaping.eee = QStringLiteral("1");
        library->addRecords("spzx", {escaping});
        library->writeFile("kelvor/docs01/101216010001.exe", "player", false);

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
        library->addRecords("jszx", withFolders);
        QDir().mkpath(library->layout().libraryFolder() + "/4629056127/project1");
        QFile::link(outside->path(), library->layout().libraryFolder() + "/4629056127/away");

        // A folder whose body mentions the text of the centre title search.
        CentreRecord markedFolder;
        markedFolder.xxbh = QStringLiteral("10121037");
        markedFolder.name = QStringLiteral("算法");
        markedFolder.mark = QStringLiteral("字符串算法的说明");
        library->addRecords("jszx", {markedFolder});
        QFile(outside->filePath("101216010002.exe")).open(QIODevice::WriteOnly);
        QFile::link(outside->path(), library->layout().libraryFolder() + "/elsewhere");
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
    QTest::mouseClick(child("Label1(1)"), Qt::LeftButton);
    const QModelIndex folder = viewIndexOfKey("l10121035");
    ASSERT_TRUE(folder.isValid());
    ASSERT_FALSE(tree()->isExpanded(folder));
    const int node = window->catalogueModel().indexOfKey("l10121035");

    clickKey("l10121035");
    EXPECT_TRUE(tree()->isExpanded(folder));
    EXPECT_TRUE(window->catalogueModel().node(node).expanded);
    EXPECT_EQ(window->recordCodeBox()->text(), "10121035");
    clickKey("l10121035");
    EXPECT_FALSE(tree()->isExpanded(folder));
    EXPECT_FALSE(window->catalogueModel().node(node).expanded);
    EXPECT_EQ(window->browsing().opener().currentNodeKey(), "l10121035");
}

TEST_F(RecordBrowsingTest, TheTreeResetsTheBarOnceThePointerLeftItsItems)
{
    QTest::mouseClick(child("Label1(6)"), Qt::LeftButton);
    ASSERT_FALSE(child("Command48")->isHidden());
    ASSERT_TRUE(child("Command48")->isEnabled());
    QWidget* overlay = child("Image3");

    // A move over the tree.
    hoverBarItem(3);
    ASSERT_EQ(menuState(), "no");
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), tree()->viewport()->mapToGlobal(QPointF(4, 4)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree()->viewport(), &move);
    EXPECT_EQ(menuState(), "ok");
    EXPECT_EQ(overlay->x(), child("Label1(6)")->x());

    // A click on a node, with no move before it.
    hoverBarItem(4);
    ASSERT_EQ(menuState(), "no");
    child<QAbstractButton>("Command91")->setText("停止执行");
    clickKey("l22012101");
    EXPECT_EQ(menuState(), "ok");
    EXPECT_EQ(overlay->x(), child("Label1(6)")->x());
    EXPECT_TRUE(child("Command48")->isEnabled()) << "a folder's thumbnails stay on offer";
    EXPECT_EQ(child<QAbstractButton>("Command91")->text(), "自动执行");
    EXPECT_TRUE(window->session().highlighterArmed());
}

TEST_F(RecordBrowsingTest, AClickBesideTheNodesIsStillATreeClick)
{
    QTest::mouseClick(child("Label1(1)"), Qt::LeftButton);
    hoverBarItem(3);
    const QRect last = tree()->visualRect(viewIndexOfKey("l10121037"));
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 40));
    EXPECT_EQ(menuState(), "ok");
    EXPECT_EQ(window->recordCodeBox()->text(), "") << "nothing was opened";
}

TEST_F(RecordBrowsingTest, ATreeClickReturnsFromTheSourceTextToTheDocument)
{
    QTest::mouseClick(child("Label1(1)"), Qt::LeftButton);
    clickKey("l101210360002");
    KELVOR_WAIT_TRUE(child<QAbstractButton>("Command6(1)")->isEnabled(), kPageDeadlineMs);
    QTest::mouseClick(child("Command6(1)"), Qt::LeftButton);
    auto* source = child<QPlainTextEdit>("Text15");
    KELVOR_WAIT_TRUE(source->isVisible(), kPageDeadlineMs);
    EXPECT_TRUE(source->toPlainText().contains("int main() { return 0; }")) << source->toPlainText().toStdString();

    clickKey("l101210350001");
    EXPECT_TRUE(source->isHidden());
    EXPECT_TRUE(documentView()->isVisible());
    KELVOR_WAIT_EQ(documentView()->location(),
                              QUrl::fromLocalFile(library->layout().libraryFolder() + "/docs01/101210350001.htm"),
                              kPageDeadlineMs);
    EXPECT_FALSE(child<QAbstractButton>("Command6(1)")->isEnabled());
}

TEST_F(RecordBrowsingTest, APlayerIsStartedOnlyWhenItLiesInsideTheLibrary)
{
    QTest::mouseClick(child("Label1(2)"), Qt::LeftButton);
    // node key, started
    const std::vector<std::pair<QString, bool>> cases = {{"l101216010001", true}, {"m101216010002", false}};
    for (const auto& [key, started] : cases) {
        const QString code = key.mid(1);
        shell->programs.clear();
        clickKey(key);
        EXPECT_EQ(window->recordCodeBox()->text(), code);
        EXPECT_EQ(shell->programs.size(), started ? 1 : 0) << code.toStdString();
        if (started) {
            EXPECT_EQ(shell->programs.value(0), library->layout().libraryFolder() + "/docs01/" + code + ".exe");
        }
    }
}

TEST_F(RecordBrowsingTest, TheCentreTitleLabelSearchesTheTechnologyCentreIntoASearchTree)
{
    QTest::mouseClick(child("Label1(3)"), Qt::LeftButton);
    const QString listTable = window->session().listTable();
    child<QComboBox>("Combo2")->setEditText("字符串");
    QTest::mouseClick(child("Label5"), Qt::LeftButton);

    EXPECT_EQ(child<QLabel>("Label5")->text(), "实例中心");
    EXPECT_EQ(window->session().currentTable(), "jszx");
    EXPECT_EQ(window->session().listTable(), listTable);
    const CatalogueModel& model = window->catalogueModel();
    QStringList texts;
    for (int i = 0; i < model.nodeCount(); ++i) {
        EXPECT_TRUE(model.node(i).key.startsWith('a')) << model.node(i).key.toStdString();
        texts << model.node(i).text;
    }
    // Every folder, and the one document whose title holds the text.
    EXPECT_EQ(texts, QStringList({"Java 基础", "字符串处理", "数据库", "算法"}));
    // The list query holds documents only, also where a folder's body matched.
    QStringList listed;
    for (const Row& row : connection.db().query(window->session().listQuery().sql, window->session().listQuery().params))
        listed << row.text("name");
    EXPECT_EQ(listed, QStringList{"字符串处理"});
    EXPECT_EQ(documentView()->location(), QUrl::fromLocalFile(library->layout().placeholderPictureWide()));

    // A search-tree node opens nothing.
    clickKey("a101210350002");
    EXPECT_EQ(window->recordCodeBox()->text(), "");
}

TEST_F(RecordBrowsingTest, TheToolbarCanStepBehindABranchAndLookUpRecordPictures)
{
    QTest::mouseClick(child("Label1(1)"), Qt::LeftButton);
    RecordBrowsing& browsing = window->browsing();
    tree()->setCurrentIndex(viewIndexOfKey("l101210350002"));
    EXPECT_FALSE(browsing.selectNextNodeAfterAncestor(8));
    EXPECT_FALSE(browsing.selectNextNodeAfterAncestor(1)) << "a level-2 node has no second ancestor";
    EXPECT_EQ(tree()->currentIndex(), viewIndexOfKey("l101210350002"));
    EXPECT_TRUE(browsing.selectNextNodeAfterAncestor(0));
    EXPECT_EQ(tree()->currentIndex(), viewIndexOfKey("l10121036"));

    QTest::mouseClick(child("Label1(6)"), Qt::LeftButton);
    EXPECT_EQ(browsing.recordPictureLookup("22012101"), std::nullopt) << "a folder has no picture";
    EXPECT_TRUE(documentView()->isVisible());
    const QString picture = library->layout().libraryFolder() + "/docs01/220121010001.jpg";
    EXPECT_EQ(browsing.recordPictureLookup("220121010001"), picture);
    EXPECT_EQ(browsing.thumbnailPath(), picture);
    EXPECT_TRUE(documentView()->isHidden());
}

TEST_F(RecordBrowsingTest, ASourceFolderOpensOnlyWhenItLiesInsideTheLibrary)
{
    QTest::mouseClick(child("Label1(1)"), Qt::LeftButton);
    // record, folder opened
    for (const auto& [code, opened] : {std::pair{"101210360003", true}, std::pair{"101210360004", false},
                                       std::pair{"101210360005", false}}) {
        shell->folders.clear();
        clickKey(QStringLiteral("l") + QString::fromLatin1(code));
        ASSERT_EQ(window->recordCodeBox()->text(), code);
        EXPECT_TRUE(child<QAbstractButton>("Command6(2)")->isEnabled()) << code;
        QTest::mouseClick(child("Command6(2)"), Qt::LeftButton);
        EXPECT_EQ(shell->folders.size(), opened ? 1 : 0) << code;
        if (opened) {
            EXPECT_EQ(shell->folders.value(0), library->layout().libraryFolder() + "/4629056127/project1");
        }
    }
}

TEST_F(RecordBrowsingTest, AGbkDocumentWithoutDeclaredEncodingReadsAsChinese)
{
    QTest::mouseClick(child("Label1(1)"), Qt::LeftButton);
    clickKey("l101210350001");
    KELVOR_WAIT_TRUE(!documentView()->isLoading() && documentView()->location().fileName() == "101210350001.htm",
                             kPageDeadlineMs);
    QString text;
    bool answered = false;
    documentView()->plainText([&](const QString& t) {
        text = t;
        answered = true;
    });
    KELVOR_WAIT_TRUE(answered, kPageDeadlineMs);
    EXPECT_TRUE(text.contains("变量与类型")) << text.toStdString();
}

TEST_F(RecordBrowsingTest, TheSourceAndToolCataloguesNameTheirPage)
{
    window->navigation().chooseGroup(NavigationGroup::Query);
    for (const auto& [item, caption] : {std::pair{3, "源码管理"}, std::pair{6, "工具管理"}}) {
        QTest::mouseClick(child(QStringLiteral("Label1(%1)").arg(item)), Qt::LeftButton);
        EXPECT_EQ(child<QLabel>("Label5")->text(), caption);
        ASSERT_GT(window->catalogueModel().nodeCount(), 0) << caption;
        EXPECT_EQ(window->catalogueModel().node(0).text, "源码与工具") << caption;
    }
}

}  // namespace
}  // namespace kelvor
