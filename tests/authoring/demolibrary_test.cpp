// The demo library is whole: every database and table of the layout, codes that
// build trees, documents that open, keywords, notes and favourites that point at records.
#include "demofixture.h"

#include "library/centres.h"
#include "library/librarydatabases.h"
#include "library/libraryindexes.h"
#include "library/schema.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

namespace kelvor::test {
namespace {

using Rows = std::vector<std::map<QString, QString>>;

class DemoLibraryTest : public ::testing::Test {
protected:
    static const DemoFixture& demo() { return DemoFixture::instance(); }

    static Rows rows(DatabaseRole role, const QString& table)
    {
        auto db = demo().open(role);
        return tableRows(*db, table);
    }

    static QStringList centreTables()
    {
        return {u"jszx"_s, u"slzx"_s, u"xmzx"_s, u"fazx"_s, u"jmzx"_s, u"spzx"_s, u"study"_s, u"works"_s};
    }

    static std::map<QString, std::map<QString, QString>> byCode(const Rows& rows)
    {
        std::map<QString, std::map<QString, QString>> out;
        for (const auto& r : rows) out[r.at(u"xxbh"_s)] = r;
        return out;
    }
};

TEST_F(DemoLibraryTest, EveryDatabaseOpensWithItsPasswordOnly)
{
    for (const DatabaseInfo& info : allDatabases()) {
        const QString path = demo().layout().databasePath(info.role);
        EXPECT_NO_THROW(Database::open(path, info.password)) << path.toStdString();
        try {
            Database::open(path, info.password + QStringLiteral("x"));
            ADD_FAILURE() << "opened with a wrong password: " << path.toStdString();
        } catch (const DatabaseError& e) {
            EXPECT_EQ(e.kind(), DatabaseErrorKind::WrongPassword) << path.toStdString();
        }
    }
}

TEST_F(DemoLibraryTest, EveryTableOfTheLayoutExists)
{
    for (const DatabaseInfo& info : allDatabases()) {
        auto db = demo().open(info.role);
        for (const QString& table : info.tables) {
            EXPECT_TRUE(db->hasTable(table)) << info.relativePath.toStdString() << " " << table.toStdString();
        }
    }
    EXPECT_EQ(databaseInfo(DatabaseRole::TechKeywords).tables.size(), 27);
}

TEST_F(DemoLibraryTest, CodesBuildTreesInEveryCentre)
{
    for (const QString& table : centreTables() + QStringList{u"ymzx"_s, u"gjzx"_s}) {
        const Rows all = rows(DatabaseRole::Content, table);
        ASSERT_FALSE(all.empty()) << table.toStdString();
        std::set<QString> seen;
        std::set<std::pair<int, bool>> kinds;  // (level, document)
        for (const auto& r : all) {
            const QString code = r.at(u"xxbh"_s);
            const int level = codes::level(code);
            ASSERT_GE(level, 1) << table.toStdString() << " " << code.toStdString();
            EXPECT_TRUE(seen.insert(code).second) << "duplicate " << code.toStdString();
            if (level > 1) {
                EXPECT_TRUE(seen.count(codes::parent(code))) << "orphan " << code.toStdString();
            }
            const Centre* centre = centreOfCode(code);
            ASSERT_NE(centre, nullptr) << code.toStdString();
            if (table != QLatin1String("ymzx") && table != QLatin1String("gjzx")) {
                EXPECT_EQ(centre->table, table) << code.toStdString();
            }
            const bool document = !r.at(u"link"_s).isEmpty();
            if (r.count(u"eee"_s)) {
                EXPECT_EQ(!r.at(u"eee"_s).isEmpty(), document) << code.toStdString();
            }
            kinds.insert({level, document});
        }
        for (int level = 1; level <= 4; ++level) {
            EXPECT_TRUE(kinds.count({level, true})) << table.toStdString() << " has no document at level " << level;
            EXPECT_TRUE(kinds.count({level, false})) << table.toStdString() << " has no folder at level " << level;
        }
    }
}

TEST_F(DemoLibraryTest, CatalogueOnlyCentresListRecordsOfOtherCentres)
{
    for (const QString& table : {QStringLiteral("ymzx"), QStringLiteral("gjzx")}) {
        for (const auto& r : rows(DatabaseRole::Content, table)) {
            const Centre* centre = centreOfCode(r.at(u"xxbh"_s));
            ASSERT_NE(centre, nullptr);
            auto db = demo().open(DatabaseRole::Content);
            const QVariant name = db->scalar(QStringLiteral("select name from %1 where xxbh = ?").arg(centre->table), {r.at(u"xxbh"_s)});
            EXPECT_EQ(name.toString(), r.at(u"name"_s)) << r.at(u"xxbh"_s).toStdString();
        }
    }
}

TEST_F(DemoLibraryTest, TextCentresHoldAtLeastFortyDocuments)
{
    auto db = demo().open(DatabaseRole::Content);
    for (const QString& table : queryGroupTables()) {
        const int documents = db->scalar(QStringLiteral("select count(*) from %1 where eee is not null").arg(table)).toInt();
        EXPECT_GE(documents, 40) << table.toStdString();
    }
    // Folders are told from documents by a null flag, as the searches expect.
    EXPECT_GT(db->scalar(QStringLiteral("select count(*) from jszx where eee is null")).toInt(), 0);
}

TEST_F(DemoLibraryTest, LearningCoursesOpenOnTheirFirstCourse)
{
    struct Case {
        const char* table;
        const char* course;
        const char* prefix;
    };
    for (const Case& c : {Case{"study", "20510111", "205101"}, Case{"works", "20610111", "206101"}}) {
        const auto codes = byCode(rows(DatabaseRole::Content, QString::fromLatin1(c.table)));
        ASSERT_TRUE(codes.count(QString::fromLatin1(c.course))) << c.course;
        int descendants = 0;
        int deepest = 0;
        for (const auto& [code, row] : codes) {
            EXPECT_TRUE(code.startsWith(QLatin1String(c.prefix))) << code.toStdString();
            if (code.startsWith(QLatin1String(c.course)) && code.size() > 8) {
                ++descendants;
                deepest = std::max(deepest, int(code.size()));
            }
        }
        EXPECT_GE(descendants, 10) << c.table;
        EXPECT_EQ(deepest, 20) << c.table;
    }
}

TEST_F(DemoLibraryTest, CentreDatabasesHoldTheSameRowsAsTheContentDatabase)
{
    const std::pair<DatabaseRole, const char*> copies[] = {
        {DatabaseRole::Centre981, "jszx"}, {DatabaseRole::Centre982, "slzx"}, {DatabaseRole::Centre983, "xmzx"},
        {DatabaseRole::Centre985, "spzx"}, {DatabaseRole::Centre986, "jmzx"}};
    for (const auto& [role, table] : copies) {
        EXPECT_EQ(rows(role, QString::fromLatin1(table)), rows(DatabaseRole::Content, QString::fromLatin1(table))) << table;
        // The continued query reads each copy through its own contains index.
        EXPECT_EQ(useCentreIndexes(*openLibraryDatabase(demo().layout(), role), {}),
                  SharedConnection::IndexPlace::Library)
            << table;
    }
}

TEST_F(DemoLibraryTest, EveryDocumentRecordHasItsFile)
{
    const LibraryLayout layout = demo().layout();
    int shortLinks = 0;
    int documents = 0;
    for (const QString& table : centreTables()) {
        const Centre* centre = centreByTable(table);
        for (const auto& r : rows(DatabaseRole::Content, table)) {
            if (r.at(u"eee"_s).isEmpty()) continue;
            ++documents;
            const QString link = r.at(u"link"_s);
            EXPECT_GT(link.size(), 4) << "a link of 4 characters or fewer opens nothing: " << r.at(u"xxbh"_s).toStdString();
            if (link.size() < 7) ++shortLinks;
            const auto path = layout.documentPath(link, r.at(u"xxbh"_s), documentExtension(centre->kind));
            ASSERT_TRUE(path.has_value());
            const QFileInfo file(*path);
            EXPECT_TRUE(file.isFile()) << path->toStdString();
            if (centre->kind == DocumentKind::Player) {
                EXPECT_TRUE(file.isExecutable()) << path->toStdString();
            }
        }
    }
    // Both node key rules of the centre tree occur ("l" below 7 characters, "m" from 7).
    EXPECT_GT(shortLinks, 0);
    EXPECT_GT(documents - shortLinks, shortLinks);
}

TEST_F(DemoLibraryTest, SourceFoldersAndLearningVideosExist)
{
    const LibraryLayout layout = demo().layout();
    int folders = 0;
    int players = 0;
    for (const QString& table : centreTables()) {
        for (const auto& r : rows(DatabaseRole::Content, table)) {
            if (!r.at(u"nycd"_s).isEmpty()) {
                const QFileInfo folder(*layout.sourceFolderPath(r.at(u"nycd"_s)));
                EXPECT_TRUE(folder.isDir()) << folder.filePath().toStdString();
                EXPECT_GE(QDir(folder.filePath()).entryList(QDir::Files).size(), 2);
                ++folders;
            }
            if (!r.at(u"bb"_s).isEmpty()) {
                const QFileInfo player(*layout.videoPlayerPath(r.at(u"bb"_s)));
                EXPECT_TRUE(player.isFile() && player.isExecutable()) << player.filePath().toStdString();
                ++players;
            }
        }
    }
    EXPECT_GT(folders, 50);
    EXPECT_GT(players, 20);
}

TEST_F(DemoLibraryTest, SourceParagraphsCloseAndMatchTheSourceFlag)
{
    const LibraryLayout layout = demo().layout();
    int multiLine = 0;
    int withSource = 0;
    for (const QString& table : centreTables()) {
        if (centreByTable(table)->kind != DocumentKind::Page) continue;
        for (const auto& r : rows(DatabaseRole::Content, table)) {
            if (r.at(u"eee"_s).isEmpty()) continue;
            QFile file(*layout.documentPath(r.at(u"link"_s), r.at(u"xxbh"_s), QStringLiteral(".htm")));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const SourceScan scan = scanSourceParagraphs(file.readAll());
            EXPECT_FALSE(scan.unclosed) << file.fileName().toStdString();
            EXPECT_EQ(scan.paragraphs > 0, !r.at(u"cc"_s).isEmpty()) << file.fileName().toStdString();
            multiLine += scan.multiLine;
            withSource += scan.paragraphs > 0;
        }
    }
    EXPECT_GT(withSource, 150);
    EXPECT_GT(multiLine, 200);
}

TEST_F(DemoLibraryTest, KeywordRowsLinkExistingRecords)
{
    std::map<QString, std::map<QString, std::map<QString, QString>>> records;
    for (const QString& table : centreTables()) records[table] = byCode(rows(DatabaseRole::Content, table));

    for (const DatabaseRole role : {DatabaseRole::TechKeywords, DatabaseRole::ExampleKeywords}) {
        std::map<QString, int> links;
        std::set<std::pair<QString, QString>> addresses;
        for (const QString& table : keywordTables()) {
            for (const auto& r : rows(role, table)) {
                const QString keyword = r.at(u"link"_s);
                EXPECT_EQ(keywordTableFor(keyword), table) << keyword.toStdString();
                EXPECT_TRUE(addresses.insert({keyword.toLower(), r.at(u"name"_s)}).second)
                    << "a link is addressed by keyword and name: " << keyword.toStdString();
                const Centre* centre = centreOfCode(r.at(u"xxbh"_s));
                ASSERT_NE(centre, nullptr) << r.at(u"xxbh"_s).toStdString();
                const auto found = records[centre->table].find(r.at(u"xxbh"_s));
                ASSERT_NE(found, records[centre->table].end()) << r.at(u"xxbh"_s).toStdString();
                EXPECT_EQ(found->second.at(u"name"_s), r.at(u"setx"_s));
                EXPECT_FALSE(r.at(u"name"_s).isEmpty());
                ++links[keyword];
            }
        }
        int many = 0;
        bool letter = false, digit = false, chinese = false;
        for (const auto& [keyword, count] : links) {
            many += count > 10;
            letter = letter || (keyword.at(0).isLetter() && keyword.at(0).unicode() < 128);
            digit = digit || keyword.at(0).isDigit();
            chinese = chinese || keyword.at(0).unicode() >= 0x4e00;
        }
        EXPECT_GT(many, 0) << "some keyword needs more than ten links";
        EXPECT_TRUE(letter && chinese);
        if (role == DatabaseRole::TechKeywords) {
            EXPECT_TRUE(digit);
        }
    }
}

TEST_F(DemoLibraryTest, MainKeywordsOfArticlesAreIndexed)
{
    auto keywords = demo().open(DatabaseRole::TechKeywords);
    for (const auto& r : rows(DatabaseRole::Content, QStringLiteral("jszx"))) {
        if (r.at(u"jbmc"_s).isEmpty() || r.at(u"nycd"_s).isEmpty()) continue;
        const QString table = keywordTableFor(r.at(u"jbmc"_s));
        const int n = keywords->scalar(QStringLiteral("select count(*) from %1 where link = ? and xxbh = ?").arg(table),
                                       {r.at(u"jbmc"_s), r.at(u"xxbh"_s)}).toInt();
        EXPECT_EQ(n, 1) << r.at(u"name"_s).toStdString();
    }
}

TEST_F(DemoLibraryTest, NotesFollowTheNoteFormat)
{
    int notes = 0;
    for (const QString& table : centreTables()) {
        for (const auto& r : rows(DatabaseRole::Content, table)) {
            const QString bz = r.at(u"bz"_s);
            if (bz.isEmpty()) continue;
            ++notes;
            const int n = bz.right(2).toInt();
            EXPECT_EQ(bz.mid(bz.size() - 2 - n, n), r.at(u"xxbh"_s));
            const qsizetype textLength = bz.size() - 2 - n;
            EXPECT_GE(textLength, 9);
            EXPECT_LE(textLength, 220);
        }
    }
    EXPECT_GE(notes, 3);
}

TEST_F(DemoLibraryTest, FavouritesAndSearchHistoryAreFilled)
{
    auto content = demo().open(DatabaseRole::Content);
    std::set<QString> names;
    const Rows favourites = rows(DatabaseRole::Favourites, QStringLiteral("cellection"));
    EXPECT_GE(favourites.size(), 3u);
    for (const auto& f : favourites) {
        EXPECT_TRUE(names.insert(f.at(u"cellname"_s)).second);
        const Centre* centre = centreOfCode(f.at(u"xxbh"_s));
        ASSERT_NE(centre, nullptr);
        EXPECT_EQ(content->scalar(QStringLiteral("select name from %1 where xxbh = ?").arg(centre->table), {f.at(u"xxbh"_s)}).toString(),
                  f.at(u"name"_s));
    }
    const Rows history = rows(DatabaseRole::SearchHistory, QStringLiteral("howsearch"));
    EXPECT_GE(history.size(), 10u);
    for (const auto& h : history) {
        EXPECT_FALSE(h.at(u"name"_s).isEmpty());
        EXPECT_GT(h.at(u"readhow"_s).toInt(), 0);
        EXPECT_TRUE(QDate::fromString(h.at(u"datehow"_s), QStringLiteral("yyyy-MM-dd")).isValid());
        EXPECT_TRUE(QTime::fromString(h.at(u"timehow"_s), QStringLiteral("HH:mm:ss")).isValid());
    }
}

TEST_F(DemoLibraryTest, InterfaceCentreHasAFolderOfTwoThumbnailPages)
{
    std::map<QString, int> documentsByParent;
    for (const auto& r : rows(DatabaseRole::Content, QStringLiteral("jmzx")))
        if (!r.at(u"link"_s).isEmpty() && codes::level(r.at(u"xxbh"_s)) > 1) ++documentsByParent[codes::parent(r.at(u"xxbh"_s))];
    int largest = 0;
    for (const auto& [parent, count] : documentsByParent) largest = std::max(largest, count);
    EXPECT_GE(largest, 20);
}

TEST_F(DemoLibraryTest, TitleHelperColumnsAreFilled)
{
    auto db = demo().open(DatabaseRole::Content);
    for (const QString& table : centreTables())
        EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from %1 where namekey is null or namefold is null").arg(table)).toInt(), 0)
            << table.toStdString();
}

}  // namespace
}  // namespace kelvor::test
