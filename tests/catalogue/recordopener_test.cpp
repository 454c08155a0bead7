#include "catalogue/cataloguemodel.h"
#include "catalogue/nodeclick.h"
#include "catalogue/recordopener.h"
#include "catalogue/recordpicture.h"
#include "catalogue/treebuilder.h"

#include "recordingdisplay.h"
#include "centrerecords.h"
#include "testlibrary.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

class RecordOpenerTest : public testing::Test {
protected:
    RecordOpenerTest() : connection(library.layout()), opener(connection, display)
    {
        using test::documentRecord;
        CentreRecord full = documentRecord(u"101210350001"_s, u"集合"_s, u"docs000001"_s);
        full.jbnr = u"ArrayList"_s;
        full.bz = u"my note10121035000112"_s;
        full.cc = u"1"_s;
        full.nycd = u"src01"_s;
        CentreRecord shortLink = documentRecord(u"101210350002"_s, u"短"_s, u"abcd"_s);
        shortLink.bb = u"video07"_s;
        library.addRecords(u"jszx"_s, {test::folderRecord(u"10121035"_s, u"Java"_s), full, shortLink,
                                    documentRecord(u"101210350003"_s, u"越界"_s, u"../../outside"_s)});
        library.addRecords(u"spzx"_s, {documentRecord(u"101216350001"_s, u"视频"_s, u"videos01"_s)});
        library.addRecords(u"slzx"_s, {documentRecord(u"101221350001"_s, u"实例"_s, u"examples"_s)});
        library.addRecords(u"xmzx"_s, {documentRecord(u"101231350001"_s, u"项目"_s, u"projects"_s)});
        library.addRecords(u"fazx"_s, {documentRecord(u"101251350001"_s, u"方案"_s, u"plans001"_s)});
        library.addRecords(u"jmzx"_s, {documentRecord(u"220121350001"_s, u"界面"_s, u"pictures"_s)});
        library.addRecords(u"study"_s, {documentRecord(u"205101110001"_s, u"变量"_s, u"lesson01"_s)});
        library.addRecords(u"works"_s, {documentRecord(u"206101110001"_s, u"练习"_s, u"training"_s)});
        library.open(DatabaseRole::Content)
            ->execute(u"insert into ymzx (xxbh, name, link) values (?,?,?)"_s, {u"101210350001"_s, u"源码"_s, u"sources1"_s});
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
        const QString path = libraryPath(QString::fromLatin1(c.relativePath));
        EXPECT_EQ(opener.gototree(QString::fromLatin1(c.code)), OpenOutcome::Opened);
        EXPECT_TRUE(display.calls.contains(QString::fromLatin1(c.documentCall) + u":"_s + path)) << display.calls.join(
            u", "_s).toStdString();
        EXPECT_EQ(display.calls.filter(QRegularExpression(u"^(load|player):"_s)).size(), 1);
        EXPECT_EQ(opener.currentDocumentPath(), path);
        EXPECT_EQ(display.calls.filter(u"extract:"_s).value(0), u"extract:"_s + path);
        EXPECT_EQ(opener.currentCentrePrefix(), QString::fromLatin1(c.code).left(6));
    }
}

TEST_F(RecordOpenerTest, OpeningFillsTheBoxesAndSidePanelInOrder)
{
    opener.setCurrentTitle(u"集合"_s);
    ASSERT_EQ(opener.gototree(u"101210350001"_s), OpenOutcome::Opened);
    const QString path = libraryPath(u"/docs000001/101210350001.htm"_s);
    EXPECT_EQ(display.calls, QStringList({u"code:101210350001"_s, u"panel:1|src01|"_s, u"keyword:ArrayList"_s,
                                          u"note:my note10121035000112"_s, u"load:"_s + path, u"extract:"_s + path,
                                          u"finished"_s}));
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
    opener.gototree(u"101210350001"_s);
    const QString previous = opener.currentDocumentPath();
    display.calls.clear();

    EXPECT_EQ(opener.gototree(u"101210350002"_s), OpenOutcome::Opened);
    EXPECT_EQ(display.calls, QStringList({u"code:101210350002"_s, u"panel:||video07"_s, u"keyword:"_s, u"note:"_s,
                                          u"extract:"_s + previous, u"finished"_s}));
    EXPECT_EQ(opener.currentDocumentPath(), previous);
    EXPECT_FALSE(display.panel.isEnabled(1));
    EXPECT_TRUE(display.panel.isEnabled(3));
}

TEST_F(RecordOpenerTest, LinkLeadingOutsideTheLibraryShowsThePlaceholder)
{
    opener.gototree(u"101210350001"_s);
    display.calls.clear();

    EXPECT_EQ(opener.gototree(u"101210350003"_s), OpenOutcome::Opened);
    EXPECT_EQ(display.calls.filter(QRegularExpression(u"^(load|player):"_s)),
              QStringList{u"load:"_s + library.layout().placeholderPicture()})
        << display.calls.join(u", "_s).toStdString();
    EXPECT_EQ(opener.currentDocumentPath(), QString());
    EXPECT_TRUE(display.calls.contains(u"extract:"_s));
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
        EXPECT_EQ(opener.gototree(QString::fromLatin1(c.code)), c.outcome);
        EXPECT_EQ(display.calls, QStringList({u"code:"_s + QString::fromLatin1(c.code)}));
    }
    EXPECT_EQ(opener.history().size(), 0);
}

TEST_F(RecordOpenerTest, MissingRecordGoesIntoTheHistoryButChangesNothingElse)
{
    EXPECT_EQ(opener.gototree(u"101210359999"_s), OpenOutcome::NotFound);
    EXPECT_EQ(display.calls, QStringList({u"code:101210359999"_s, u"finished"_s}));
    EXPECT_EQ(opener.history().code(1), QStringLiteral("101210359999"));
    EXPECT_EQ(opener.currentCentrePrefix(), QString());
}

TEST_F(RecordOpenerTest, CatalogueOnlyTablesAreNeverOpened)
{
    // ymzx holds this code too, but the prefix maps to jszx.
    opener.gototree(u"101210350001"_s);
    EXPECT_TRUE(display.calls.contains(u"load:"_s + libraryPath(u"/docs000001/101210350001.htm"_s)));
}

TEST_F(RecordOpenerTest, ReopensTheContentDatabaseFromWhereverTheConnectionIs)
{
    connection.open(DatabaseRole::SearchHistory);
    EXPECT_EQ(opener.gototree(u"101221350001"_s), OpenOutcome::Opened);
    EXPECT_EQ(connection.role(), DatabaseRole::Content);
}

TEST_F(RecordOpenerTest, UnreadableContentDatabaseEndsTheOpeningWithNoChange)
{
    connection.close();
    ASSERT_TRUE(QFile::remove(library.layout().databasePath(DatabaseRole::Content)));
    EXPECT_EQ(opener.gototree(u"101210350001"_s), OpenOutcome::DatabaseFailed);
    EXPECT_EQ(display.calls, QStringList({u"code:101210350001"_s}));
    EXPECT_EQ(opener.history().size(), 0);
}

TEST_F(RecordOpenerTest, BackAndForwardReopenWithoutAddingToTheHistory)
{
    for (const QString& code : {u"101210350001"_s, u"101221350001"_s, u"101231350001"_s}) opener.gototree(code);
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
    builder.addRow(u"Java"_s, u"10121035"_s, u""_s);
    builder.addRow(u"集合"_s, u"101210350001"_s, u"docs000001"_s);
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
    search.addRow(u"Java"_s, u"10121035"_s, u""_s);
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
    EXPECT_EQ(findRecordPicture(connection, u" jmzx"_s, u"220121350001"_s), libraryPath(u"/pictures/220121350001.jpg"_s));
    EXPECT_EQ(findRecordPicture(connection, u" jszx"_s, u"10121035"_s), std::nullopt);  // a folder
    EXPECT_EQ(findRecordPicture(connection, u" jmzx"_s, u""_s), std::nullopt);
    EXPECT_EQ(findRecordPicture(connection, u"jmzx where 1=1 --"_s, u"220121350001"_s), std::nullopt);
    EXPECT_EQ(findRecordPicture(connection, u" jszx"_s, u"101210350003"_s), std::nullopt);  // leads outside
}

}  // namespace
}  // namespace kelvor
