// Imported documentation in the real main window: "导入文档…" of the menu
// "面板" shows the new folder in the centre's tree (a cancel changes nothing),
// and a link from one imported page to another moves the tree and
// "记录编号" along with the page.

#include "../../import/importfixture.h"
#include "windowtestlibrary.h"

#include "app/window/documentslots.h"
#include "app/window/import/pagefollowing.h"
#include "app/window/import/windowimport.h"
#include "app/window/mainwindow.h"
#include "app/window/recordbrowsing.h"
#include "app/window/reports/reportsregion.h"
#include "app/window/windowmenu.h"

#include "catalogue/cataloguemodel.h"
#include "catalogue/treenavigation.h"
#include "import/libraryimport.h"
#include "library/sharedconnection.h"
#include "support/scriptedprompter.h"
#include "viewer/documentview.h"
#include "viewer/pagewait.h"
#include "viewer/recordingshell.h"

#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QWebEngineView>

namespace kelvor {
namespace {

constexpr int kDeadlineMs = 30000;
const QString kCentre = QStringLiteral("技术中心");

class ScriptedQuestions : public ImportQuestions {
public:
    std::optional<ImportChoice> ask(const QStringList&) override { return answer; }
    std::optional<ImportChoice> answer;
};

class ImportScenarioTest : public testing::Test {
protected:
    void SetUp() override { test::addWindowRecords(library); }

    void openWindow()
    {
        connection.open(DatabaseRole::Content);
        window = std::make_unique<MainWindow>(connection, library.layout(), prompter, nullptr,
                                              settings.filePath(QStringLiteral("rcontrolmt.ini")),
                                              std::make_unique<test::RecordingShell>());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void openTechnologyCentre()
    {
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Label1(1)")), Qt::LeftButton);
    }

    QTreeView* tree() const { return window->catalogueTree(); }
    DocumentView* documentView() const { return window->documentViews().documentView(); }
    int nodeOf(const QString& code) { return nodeOfRecord(window->catalogueModel().tree(), code); }
    QModelIndex viewIndexOf(int node)
    {
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree()->model());
        return proxy->mapFromSource(window->catalogueModel().indexOfNode(node));
    }
    int selectedNode()
    {
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree()->model());
        return window->catalogueModel().nodeOf(proxy->mapToSource(tree()->currentIndex()));
    }

    // The code of the imported record titled `title`.
    QString codeTitled(const QString& title)
    {
        auto db = library.open(DatabaseRole::Content);
        const auto rows = db->query(QStringLiteral("select xxbh from jszx where name=?"), {title});
        return rows.empty() ? QString() : rows.front().text(0);
    }
    QString pagePath(const QString& folderCode, const QString& code) const
    {
        return library.layout().libraryFolder() + QStringLiteral("/imp%1/%2.htm").arg(folderCode, code);
    }

    // Waits for the document view to have loaded `page`. (The QTRY macros
    // would end a test on a timeout without failing it.)
    testing::AssertionResult shows(const QUrl& page)
    {
        if (QTest::qWaitFor([&] { return documentView()->location() == page && !documentView()->isLoading(); },
                            kDeadlineMs))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "shows " << documentView()->location().toString().toStdString()
                                           << ", not " << page.toString().toStdString();
    }

    void clickNode(int node)
    {
        const QModelIndex index = viewIndexOf(node);
        ASSERT_TRUE(index.isValid());
        tree()->expand(index.parent());
        tree()->scrollTo(index);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(index).center());
    }

    // Clicks the first link of the page whose address starts with `href`, as the user would.
    void clickLink(const QString& href)
    {
        auto* view = documentView()->findChild<QWebEngineView*>();
        ASSERT_NE(view, nullptr);
        const QString script = QStringLiteral(
                                   "(function () { var a = document.querySelector(\"a[href^='%1']\");"
                                   " if (!a) return []; a.scrollIntoView(); var r = a.getBoundingClientRect();"
                                   " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                                   .arg(href);
        const auto centre = test::answerOf<QVariant>(
            [&](auto done) { view->page()->runJavaScript(script, [done](const QVariant& v) { done(v); }); });
        ASSERT_TRUE(centre.has_value());
        const QVariantList xy = centre->toList();
        ASSERT_EQ(xy.size(), 2) << "no link to " << href.toStdString() << " in "
                                << test::answerOf<QVariant>([&](auto done) {
                                       view->page()->runJavaScript(
                                           QStringLiteral("document.body.innerHTML"),
                                           [done](const QVariant& v) { done(v); });
                                   }).value_or(QVariant()).toString().toStdString();
        const QPoint at = view->mapTo(documentView(), QPoint(xy.at(0).toInt(), xy.at(1).toInt()));
        QWidget* input = documentView()->childAt(at);
        ASSERT_NE(input, nullptr);
        QTest::mouseClick(input, Qt::LeftButton, {}, input->mapFrom(documentView(), at));
    }

    test::TestLibrary library;
    test::FixtureHtmlFolder fixture;
    SharedConnection connection{library.layout()};
    test::ScriptedPrompter prompter;
    QTemporaryDir settings;
    ScriptedQuestions questions;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ImportScenarioTest, ALinkToAnotherImportedPageMovesTheTreeAndTheRecordCodeAlong)
{
    const auto summary = importing::importDocumentation({library.dataRoot(), fixture.path(), kCentre, {}});
    openWindow();
    openTechnologyCentre();
    const QString start = codeTitled(QStringLiteral("Fixture Docs"));
    const QString intro = codeTitled(QStringLiteral("Intro"));
    ASSERT_FALSE(start.isEmpty());
    ASSERT_FALSE(intro.isEmpty());
    ASSERT_GE(nodeOf(intro), 0) << "the imported pages are in the tree the window shows";

    clickNode(nodeOf(start));
    const QUrl startPage = QUrl::fromLocalFile(pagePath(summary.code, start));
    ASSERT_TRUE(shows(startPage));
    EXPECT_EQ(window->recordCodeBox()->text(), start);

    QSignalSpy loads(documentView(), &DocumentView::documentComplete);
    clickLink(intro + QStringLiteral(".htm"));
    const QUrl introPage = QUrl::fromLocalFile(pagePath(summary.code, intro));
    ASSERT_TRUE(shows(introPage));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->recordCodeBox()->text() == intro; }, kDeadlineMs));
    EXPECT_EQ(selectedNode(), nodeOf(intro));
    EXPECT_EQ(window->browsing().opener().shownCode(), intro);
    EXPECT_TRUE(test::answerOf<QString>([&](auto done) { documentView()->plainText(done); })
                    .value_or(QString())
                    .contains(QStringLiteral("Setup")));
    QTest::qWait(300);
    EXPECT_EQ(loads.count(), 1) << "the followed page is not loaded a second time";
}

TEST_F(ImportScenarioTest, TheMenuEntryImportsAndTheCentreShowsTheNewFolderSelected)
{
    openWindow();
    openTechnologyCentre();
    window->documentImport().documentImport().setQuestions(questions);
    questions.answer = ImportChoice{fixture.path(), kCentre, QStringLiteral("夹具文档")};
    QSignalSpy imported(&window->documentImport().documentImport(), &DocumentImport::imported);

    ASSERT_TRUE(window->reports().menu().pick(QString::fromUtf8(WindowImport::kEntryCaption)));
    ASSERT_TRUE(imported.wait(60000));
    const QString folder = imported.at(0).at(1).toString();
    const int node = nodeOf(folder);
    ASSERT_GE(node, 0) << "the tree was read anew after the import";
    EXPECT_EQ(window->catalogueModel().node(node).text, QStringLiteral("夹具文档"));
    EXPECT_EQ(selectedNode(), node);
    EXPECT_TRUE(tree()->isExpanded(viewIndexOf(node)));
    EXPECT_GE(nodeOf(codeTitled(QStringLiteral("Intro"))), 0);
    EXPECT_GE(nodeOf(QStringLiteral("101210350001")), 0) << "the centre's own records stay";
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.at(0).startsWith(QStringLiteral("“夹具文档”已导入技术中心")));
}

TEST_F(ImportScenarioTest, ACancelledImportLeavesTheLibraryAndTheTreeAsTheyWere)
{
    openWindow();
    openTechnologyCentre();
    const auto before = test::filesUnder(library.dataRoot());
    const int nodesBefore = window->catalogueModel().tree().nodeCount();
    window->documentImport().documentImport().setQuestions(questions);
    questions.answer = ImportChoice{fixture.path(), kCentre, {}};
    QSignalSpy abandoned(&window->documentImport().documentImport(), &DocumentImport::abandoned);

    ASSERT_TRUE(window->reports().menu().pick(QString::fromUtf8(WindowImport::kEntryCaption)));
    auto* progress = window->findChild<QProgressDialog*>(QStringLiteral("importProgress"));
    ASSERT_NE(progress, nullptr);
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    ASSERT_TRUE(abandoned.wait(60000));
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("导入已取消，资料库没有改变。")});
    EXPECT_EQ(test::filesUnder(library.dataRoot()), before);
    EXPECT_EQ(window->catalogueModel().tree().nodeCount(), nodesBefore);
}

// Which followed pages count as a record's document.
TEST(RecordOfPageTest, OnlyARecordsOwnDocumentIsTakenForTheRecord)
{
    test::TestLibrary library;
    test::addWindowRecords(library);
    SharedConnection connection(library.layout());
    library.writeFile(QStringLiteral("kelvor/docs01/101210350001.htm"), QStringLiteral("<p>变量与类型</p>"));
    library.writeFile(QStringLiteral("kelvor/docs02/101210350001.htm"), QStringLiteral("<p>copy</p>"));
    library.writeFile(QStringLiteral("kelvor/docs01/101210359999.htm"), QStringLiteral("<p>no record</p>"));
    library.writeFile(QStringLiteral("kelvor/docs01/notes.htm"), QStringLiteral("<p>notes</p>"));
    const QString folder = library.layout().libraryFolder();
    const struct {
        QString page;
        std::optional<QString> record;
    } cases[] = {
        {folder + QStringLiteral("/docs01/101210350001.htm"), QStringLiteral("101210350001")},
        {folder + QStringLiteral("/docs01/../docs01/101210350001.htm"), QStringLiteral("101210350001")},
        {folder + QStringLiteral("/docs02/101210350001.htm"), std::nullopt},  // the record's folder is docs01
        {folder + QStringLiteral("/docs01/101210359999.htm"), std::nullopt},  // no such record
        {folder + QStringLiteral("/docs01/notes.htm"), std::nullopt},
        {folder + QStringLiteral("/docs01/101210350002.htm"), std::nullopt},  // the record's page is missing
    };
    for (const auto& c : cases) EXPECT_EQ(recordOfPage(connection, c.page), c.record) << c.page.toStdString();
}

}  // namespace
}  // namespace kelvor
