#include "catalogue/cataloguemodel.h"
#include "catalogue/nodeclick.h"
#include "catalogue/recordopener.h"
#include "catalogue/recordpicture.h"
#include "catalogue/treebuilder.h"

#include "recordingdisplay.h"
#include "records.h"
#include "testlibrary.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kelvor {
namespace {

class RecordOpenerTest : public testing::Test {
protected:
    RecordOpenerTest() : connection(library.layout()), opener(connection, display)
    {
        using test::documentRecord;
        CentreRecord full = documentRecord("101210350001", "集合", "docs000001");
        full.jbnr = "ArrayList";
        full.bz = "my note10121035000112";
        full.cc = "1";
        full.nycd = "src01";
        CentreRecord shortLink = documentRecord("101210350002", "短", "abcd");
        shortLink.bb = "video07";
        library.addRecords("jszx", {test::folderRecord("10121035", "Java"), full, shortLink,
                                    documentRecord("101210350003", "越界", "../../outside")});
        library.addRecords("spzx", {documentRecord("101216350001", "视频", "videos01")});
        library.addRecords("slzx", {documentRecord("101221350001", "实例", "examples")});
        library.addRecords("xmzx", {documentRecord("101231350001", "项目", "projects")});
        library.addRecords("fazx", {documentRecord("101251350001", "方案", "plans001")});
        library.addRecords("jmzx", {documentRecord("220121350001", "界面", "pictures")});
        library.addRecords("study", {documentRecord("205101110001", "变量", "lesson01")});
        library.addRecords("works", {documentRecord("206101110001", "练习", "training")});
        library.open(DatabaseRole::Content)
            ->execute("insert into ymzx (xxbh, name, link) values (?,?,?)", {"101210350001", "源码", "sources1"});
    }

    QString libraryPath(const QString& relative) const { return library.layout().libraryFolder() + relative; }

    test::TestLibrary library;
    SharedConnection connection;
    test::RecordingDisplay display;
    RecordOpener opener;
};

struct CentreCase {
    const char* code;
    const char* documentCall;  // "load" or "player"
    const char* relativePath;
};

TEST_F(RecordOpenerTest, EachCentreOpensItsKindOfDocument)
{
    const CentreCase cases[] = {
        {"101210350001", "load", "/docs000001/101210350001.htm"},
        {"101216350001", "player", "/videos01/101216350001.exe"},
        {"101221350001", "load", "/examples/101221350001.htm"},
        {"101231350001", "load", "/projects/101231350001.htm"},
        {"101251350001", "load", "/plans001/101251350001.htm"},
        {"220121350001", "load", "/pictures/220121350001.jpg"},
        {"205101110001", "load", "/lesson01/205101110001.htm"},
        {"206101110001", "load", "/training/206101110001.htm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        display.calls.clear();
        const QString path = libraryPath(c.relativePath);
        EXPECT_EQ(opener.gototree(c.code), OpenOutcome::Opened);
        EXPECT_TRUE(display.calls.contains(QString::fromLatin1(c.documentCall) + ":" + path)) << display.calls.join(
            ", ").toStdString();
        EXPECT_EQ(display.calls.filter(QRegularExpression("^(load|player):")).size(), 1);
        EXPECT_EQ(opener.currentDocumentPath(), path);
        EXPECT_EQ(display.calls.filter("extract:").value(0), "extract:" + path);
        EXPECT_EQ(opener.currentCentrePrefix(), QString::fromLatin1(c.code).left(6));
    }
}

TEST_F(RecordOpenerTest, OpeningFillsTheBoxesAndSidePanelInOrder)
{
    opener.setCurrentTitle("集合");
    ASSERT_EQ(opener.gototree("101210350001"), OpenOutcome::Opened);
    const QString path = libraryPath("/docs000001/101210350001.htm");
    EXPECT_EQ(display.calls, QStringList({"code:101210350001", "panel:1|src01|", "keyword:ArrayList",
                                          "note:my note10121035000112", "load:" + path, "extract:" + path,
                                          "finished"}));
    EXPECT_TRUE(display.panel.isEnabled(1));
    EXPECT_TRUE(display.panel.isEnabled(2));
    EXPECT_FALSE(display.panel.isEnabled(3));
    EXPECT_EQ(display.panel.tag(2), QStringLiteral("src01"));
    EXPECT_EQ(opener.history().size(), 1);
    EXPECT_EQ(opener.history().code(1), QStringLiteral("101210350001"));
    EXPECT_EQ(opener.history().title(1), QStringLiteral("集合"));
}

TEST_F(RecordOpenerTest, ShortLinkFillsThePanelButKeepsThePreviousDocument)
{
    opener.gototree("101210350001");
    const QString previous = opener.currentDocumentPath();
    display.calls.clear();

    EXPECT_EQ(opener.gototree("101210350002"), OpenOutcome::Opened);
    EXPECT_EQ(display.calls, QStringList({"code:101210350002", "panel:||video07", "keyword:", "note:",
                                          "extract:" + previous, "finished"}));
    EXPECT_EQ(opener.currentDocumentPath(), previous);
    EXPECT_FALSE(display.panel.isEnabled(1));
    EXPECT_TRUE(display.panel.isEnabled(3));
}

TEST_F(RecordOpenerTest, LinkLeadingOutsideTheLibraryShowsThePlaceholder)
{
    opener.gototree("101210350001");
    display.calls.clear();

    EXPECT_EQ(opener.gototree("101210350003"), OpenOutcome::Opened);
    EXPECT_EQ(display.calls.filter(QRegularExpression("^(load|player):")),
              QStringList{"load:" + library.layout().placeholderPicture()})
        << display.calls.join(", ").toStdString();
    EXPECT_EQ(opener.currentDocumentPath(), QString());
    EXPECT_TRUE(display.calls.contains("extract:"));
}

TEST_F(RecordOpenerTest, CodesThatOpenNothing)
{
    const struct {
        const char* code;
        OpenOutcome outcome;
    } cases[] = {
        {"", OpenOutcome::Nothing},
        {"999999350001", OpenOutcome::NoCentre},
        {"10121", OpenOutcome::NoCentre},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        display.calls.clear();
        EXPECT_EQ(opener.gototree(c.code), c.outcome);
        EXPECT_EQ(display.calls, QStringList({"code:" + QString::fromLatin1(c.code)}));
    }
    EXPECT_EQ(opener.history().size(), 0);
}

TEST_F(RecordOpenerTest, MissingRecordGoesIntoTheHistoryButChangesNothingElse)
{
    EXPECT_EQ(opener.gototree("101210359999"), OpenOutcome::NotFound);
    EXPECT_EQ(display.calls, QStringList({"code:101210359999", "finished"}));
    EXPECT_EQ(opener.history().code(1), QStringLiteral("101210359999"));
    EXPECT_EQ(opener.currentCentrePrefix(), QString());
}

TEST_F(RecordOpenerTest, CatalogueOnlyTablesAreNeverOpened)
{
    // ymzx holds this code too, but the prefix maps to jszx.
    opener.gototree("101210350001");
    EXPECT_TRUE(display.calls.contains("load:" + libraryPath("/docs000001/101210350001.htm")));
}

TEST_F(RecordOpenerTest, ReopensTheContentDatabaseFromWhereverTheConnectionIs)
{
    connection.open(DatabaseRole::SearchHistory);
    EXPECT_EQ(opener.gototree("101221350001"), OpenOutcome::Opened);
    EXPECT_EQ(connection.role(), DatabaseRole::Content);
}

TEST_F(RecordOpenerTest, UnreadableContentDatabaseEndsTheOpeningWithNoChange)
{
    connection.close();
    ASSERT_TRUE(QFile::remove(library.layout().databasePath(DatabaseRole::Content)));
    EXPECT_EQ(opener.gototree("101210350001"), OpenOutcome::DatabaseFailed);
    EXPECT_EQ(display.calls, QStringList({"code:101210350001"}));
    EXPECT_EQ(opener.history().size(), 0);
}

TEST_F(RecordOpenerTest, BackAndForwardReopenWithoutAddingToTheHistory)
{
    for (const char* code : {"101210350001", "101221350001", "101231350001"}) opener.gototree(code);
    display.calls.clear();

    EXPECT_EQ(opener.back(), OpenOutcome::Opened);
    EXPECT_EQ(display.calls.value(0), QStringLiteral("code:101221350001"));
    EXPECT_EQ(opener.back(), OpenOutcome::Opened);
    EXPECT_EQ(opener.back(), OpenOutcome::Nothing);  // empty entry 0 only clears the code box
    EXPECT_EQ(display.calls.last(), QStringLiteral("code:"));
    EXPECT_EQ(opener.forward(), OpenOutcome::Nothing);  // position 0
    EXPECT_EQ(opener.back(), OpenOutcome::Opened);
    EXPECT_EQ(opener.history().position(), 2);
    EXPECT_EQ(opener.forward(), OpenOutcome::Opened);
    EXPECT_EQ(opener.history().position(), 3);

    EXPECT_EQ(opener.history().size(), 3);
    EXPECT_FALSE(opener.history().isNavigating());
}

TEST_F(RecordOpenerTest, NodeClickOpensRecordNodesOnly)
{
    TreeBuilder builder(TreeKind::Centre);
    builder.addRow("Java", "10121035", "");
    builder.addRow("集合", "101210350001", "docs000001");
    CatalogueModel model;
    model.reset(builder.finish().tree);

    EXPECT_TRUE(nodeClick(model, 1, opener));
    EXPECT_EQ(opener.currentNodeKey(), QStringLiteral("m101210350001"));
    EXPECT_EQ(opener.currentCode(), QStringLiteral("101210350001"));
    EXPECT_EQ(opener.currentTitle(), QStringLiteral("集合"));
    EXPECT_EQ(opener.history().title(1), QStringLiteral("集合"));
    EXPECT_TRUE(model.node(1).expanded);
    EXPECT_TRUE(nodeClick(model, 1, opener));
    EXPECT_FALSE(model.node(1).expanded);

    TreeBuilder search(TreeKind::Search);
    search.addRow("Java", "10121035", "");
    model.reset(search.finish().tree);
    display.calls.clear();
    EXPECT_FALSE(nodeClick(model, 0, opener));
    EXPECT_EQ(opener.currentNodeKey(), QStringLiteral("a10121035"));
    EXPECT_TRUE(display.calls.isEmpty());
    EXPECT_TRUE(model.node(0).expanded);
    EXPECT_FALSE(nodeClick(model, 5, opener));
}

TEST_F(RecordOpenerTest, RecordPictureOfTheListTable)
{
    connection.open(DatabaseRole::Content);
    EXPECT_EQ(findRecordPicture(connection, " jmzx", "220121350001"), libraryPath("/pictures/220121350001.jpg"));
    EXPECT_EQ(findRecordPicture(connection, " jszx", "10121035"), std::nullopt);  // a folder
    EXPECT_EQ(findRecordPicture(connection, " jmzx", ""), std::nullopt);
    EXPECT_EQ(findRecordPicture(connection, "jmzx where 1=1 --", "220121350001"), std::nullopt);
    EXPECT_EQ(findRecordPicture(connection, " jszx", "101210350003"), std::nullopt);  // leads outside
}

}  // namespace
}  // namespace kelvor
