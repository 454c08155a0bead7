// A user's first minutes on the demo library: choose a centre on the
// navigation bar, walk its catalogue, open a document and read its source
// apart. The real main window runs on a library written by the authoring
// tool. With KELVOR_SCENARIO_SHOTS=DIR the window is saved into DIR after
// each opening, for a look (run under Xvfb with QT_QPA_PLATFORM=xcb: the
// offscreen platform paints no web content).

#include "authoring/demolibrary.h"

#include "app/window/mainwindow.h"
#include "app/window/recordbrowsing.h"

#include "catalogue/cataloguemodel.h"
#include "library/centres.h"
#include "library/gbk.h"
#include "library/sharedconnection.h"
#include "support/scriptedprompter.h"
#include "app/window/documentslots.h"
#include "viewer/documentview.h"
#include "viewer/recordingshell.h"
#include "viewer/qtprinters.h"
#include "eventwait.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTreeView>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

constexpr int kPageDeadlineMs = 30000;

struct DemoRecord {
    QString code;
    QString name;
    QString link;
    QString jbnr;
};

class BrowsingScenarioTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        authoring::writeDemoLibrary(folder->path());
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(settings.isValid());
        connection.open(DatabaseRole::Content);
        auto recording = std::make_unique<test::RecordingShell>();
        shell = recording.get();
        window = std::make_unique<MainWindow>(connection, layout, prompter, nullptr,
                                              settings.filePath(QStringLiteral("rcontrolmt.ini")), std::move(recording));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }

    DocumentView* documentView() const { return window->documentViews().documentView(); }
    QTreeView* tree() const { return window->catalogueTree(); }

    // The shallowest document of `table` that the condition accepts, in code order.
    DemoRecord firstDocument(const QString& table, const QString& condition)
    {
        const auto rows = connection.db().query(
            QStringLiteral("select xxbh,name,link,jbnr from %1 where length(link)>4 and %2 order by length(xxbh),xxbh")
                .arg(connection.contentTable(table), condition));
        if (rows.empty()) return {};
        return {rows.front().text(QStringLiteral("xxbh")), rows.front().text(QStringLiteral("name")),
                rows.front().text(QStringLiteral("link")), rows.front().text(QStringLiteral("jbnr"))};
    }

    QModelIndex viewIndexOfCode(const QString& code) const
    {
        CatalogueModel& model = window->catalogueModel();
        int node = model.indexOfKey(QStringLiteral("l") + code);
        if (node < 0) node = model.indexOfKey(QStringLiteral("m") + code);
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree()->model());
        const QModelIndex source = model.indexOfNode(node);
        return proxy ? proxy->mapFromSource(source) : source;
    }

    void clickNode(const QModelIndex& index)
    {
        tree()->scrollTo(index);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(index).center());
    }

    // Opens the folders above the record's node the way a user does, one
    // click each, and clicks the node itself.
    void clickRecordNode(const QString& code)
    {
        const QModelIndex target = viewIndexOfCode(code);
        ASSERT_TRUE(target.isValid()) << code.toStdString();
        std::vector<QModelIndex> folders;
        for (QModelIndex up = target.parent(); up.isValid(); up = up.parent()) folders.insert(folders.begin(), up);
        for (const QModelIndex& f : folders) {
            if (tree()->isExpanded(f)) continue;
            clickNode(f);
            ASSERT_TRUE(tree()->isExpanded(f)) << "a click on a folder opens it";
        }
        clickNode(target);
        EXPECT_EQ(tree()->currentIndex(), target);
    }

    void saveShot(const QString& name) const
    {
        const QString dir = qEnvironmentVariable("KELVOR_SCENARIO_SHOTS");
        if (dir.isEmpty()) return;
        // Only for a look at the screen: give the page time to be painted.
        QTest::qWait(1500);
        window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    static QTemporaryDir* folder;
    LibraryLayout layout{folder->path()};
    SharedConnection connection{layout};
    test::ScriptedPrompter prompter;
    QTemporaryDir settings;
    test::RecordingShell* shell = nullptr;
    std::unique_ptr<MainWindow> window;
};

QTemporaryDir* BrowsingScenarioTest::folder = nullptr;

// The text of the first source paragraph of a document file, as a reader sees it.
QString firstSourceParagraphText(const QString& documentPath)
{
    QFile file(documentPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList lines = gbk::decode(file.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")));
    QString html;
    for (const QString& line : lines) {
        if (html.isEmpty() && !line.startsWith(QLatin1String("<p class=a2")) && !line.startsWith(QLatin1String("<p class=a3")))
            continue;
        html += line + QLatin1Char('\n');
        if (line.endsWith(QLatin1String("/p>"))) break;
    }
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

TEST_F(BrowsingScenarioTest, ATechnologyDocumentOpensFromTheTreeAndShowsItsSourceApart)
{
    QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
    ASSERT_EQ(child<QLabel>(u"Label5"_s)->text(), u"技术中心"_s);
    EXPECT_EQ(window->session().group(), NavigationGroup::Centre);

    const DemoRecord record =
        firstDocument(QStringLiteral("jszx"), QStringLiteral("coalesce(cc,'')<>'' and coalesce(jbnr,'')<>''"));
    ASSERT_FALSE(record.code.isEmpty()) << "the demo library has technology documents with source code";
    const QString documentPath = layout.libraryFolder() + u"/"_s + record.link + u"/"_s + record.code + u".htm"_s;

    clickRecordNode(record.code);

    KELVOR_WAIT_EQ(documentView()->location(), QUrl::fromLocalFile(documentPath), kPageDeadlineMs);
    EXPECT_EQ(child<QLineEdit>(u"Text16"_s)->text(), record.code);
    EXPECT_EQ(child<QLineEdit>(u"Text21"_s)->text(), record.jbnr);
    KELVOR_WAIT_TRUE(child<QAbstractButton>(u"Command6(1)"_s)->isEnabled(), kPageDeadlineMs);
    KELVOR_WAIT_TRUE(!documentView()->isLoading(), kPageDeadlineMs);
    EXPECT_TRUE(documentView()->isVisible());
    EXPECT_TRUE(child(u"Text15"_s)->isHidden());
    EXPECT_EQ(window->session().currentCode(), record.code);
    EXPECT_EQ(window->session().currentDocumentPath(), documentPath);

    const RecordHistory& history = window->browsing().opener().history();
    ASSERT_GT(history.size(), 0);
    EXPECT_EQ(history.code(history.size()), record.code);
    EXPECT_EQ(history.title(history.size()), record.name);
    // The highlighter, started by the opening, makes its one pass and stops.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->highlightTimer()->isActive(); }, kPageDeadlineMs))
        << "the highlighter stops after its pass";
    EXPECT_TRUE(window->housekeepingTimer()->isActive()) << "the housekeeping tick runs from the first completed load";
    saveShot(QStringLiteral("technology-document"));

    const QString expected = firstSourceParagraphText(documentPath);
    ASSERT_FALSE(expected.isEmpty());
    QTest::mouseClick(child(u"Command6(1)"_s), Qt::LeftButton);
    auto* source = child<QPlainTextEdit>(u"Text15"_s);
    KELVOR_WAIT_TRUE(source->isVisible(), kPageDeadlineMs);
    EXPECT_TRUE(documentView()->isHidden());
    EXPECT_TRUE(source->toPlainText().simplified().contains(expected.left(40)))
        << source->toPlainText().left(300).toStdString() << "\n-- expected --\n" << expected.toStdString();
    EXPECT_FALSE(source->toPlainText().contains(QLatin1String("<p"))) << "plain text, not the page's markup";
    EXPECT_EQ(source->geometry(), documentView()->geometry()) << "laid exactly over the document view";
    saveShot(QStringLiteral("technology-source"));

    // Back to the document through the side panel.
    QTest::mouseClick(child(u"Command6(0)"_s), Qt::LeftButton);
    EXPECT_TRUE(documentView()->isVisible());
    EXPECT_TRUE(source->isHidden());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u"; "_s).toStdString();
}

TEST_F(BrowsingScenarioTest, AVideoLessonStartsItsPlayerAndLeavesTheDocumentViewAlone)
{
    QTest::mouseClick(child(u"Label1(2)"_s), Qt::LeftButton);
    ASSERT_EQ(child<QLabel>(u"Label5"_s)->text(), u"视频中心"_s);
    const QUrl placeholder = QUrl::fromLocalFile(layout.placeholderPictureWide());
    KELVOR_WAIT_EQ(documentView()->location(), placeholder, kPageDeadlineMs);

    const DemoRecord record = firstDocument(QStringLiteral("spzx"), QStringLiteral("1=1"));
    ASSERT_FALSE(record.code.isEmpty());
    clickRecordNode(record.code);

    const QString player = layout.libraryFolder() + u"/"_s + record.link + u"/"_s + record.code + u".exe"_s;
    EXPECT_EQ(shell->programs, QStringList{player});
    EXPECT_EQ(child<QLineEdit>(u"Text16"_s)->text(), record.code);
    EXPECT_EQ(documentView()->location(), placeholder);
    EXPECT_EQ(child<QAbstractButton>(u"Command6(0)"_s)->text(), u"视频简介"_s);
}

TEST_F(BrowsingScenarioTest, AnInterfaceDesignIsShownAsAPicture)
{
    QTest::mouseClick(child(u"Label1(6)"_s), Qt::LeftButton);
    ASSERT_EQ(child<QLabel>(u"Label5"_s)->text(), u"界面中心"_s);
    saveShot(QStringLiteral("interface-placeholder"));

    const DemoRecord record = firstDocument(QStringLiteral("jmzx"), QStringLiteral("1=1"));
    ASSERT_FALSE(record.code.isEmpty());
    clickRecordNode(record.code);

    const QString picture = layout.libraryFolder() + u"/"_s + record.link + u"/"_s + record.code + u".jpg"_s;
    KELVOR_WAIT_EQ(documentView()->location(), QUrl::fromLocalFile(picture), kPageDeadlineMs);
    KELVOR_WAIT_TRUE(!documentView()->isLoading(), kPageDeadlineMs);
    EXPECT_FALSE(child<QAbstractButton>(u"Command6(1)"_s)->isEnabled()) << "a picture has no source text";
    EXPECT_TRUE(shell->programs.isEmpty());
    saveShot(QStringLiteral("interface-picture"));
}

}  // namespace
}  // namespace kelvor
