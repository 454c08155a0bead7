#include "library/layout.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

TEST(LayoutTest, DataRootFromProgramFolder)
{
    struct Case {
        const char* folder;
        const char* root;
    };
    const Case cases[] = {
        {"/", ""},  // a program at the filesystem root: "/kelvor/..." has one separator
        {"/opt/kelvor", "/opt/kelvor"},
        {"/opt/kelvor/", "/opt/kelvor"},
        {"/ab", "/ab"},  // short but not a root
        {"C:\\", "C:"},
        {"D:\\lib", "D:/lib"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(LibraryLayout::dataRootFromProgramFolder(QString::fromUtf8(c.folder)), QString::fromUtf8(c.root));
    }
}

TEST(LayoutTest, EveryFileOfTheLibrary)
{
    const LibraryLayout root(LibraryLayout::dataRootFromProgramFolder(u"/"_s));
    EXPECT_EQ(root.databasePath(DatabaseRole::Content), u"/kelvor/9800990069/kvjs.mdb"_s);

    const LibraryLayout lib(u"/srv/lib"_s);
    struct Case {
        QString actual;
        const char* expected;
    };
    const Case cases[] = {
        {lib.libraryFolder(), "/srv/lib/kelvor"},
        {lib.databasePath(DatabaseRole::Content), "/srv/lib/kelvor/9800990069/kvjs.mdb"},
        {lib.contentDatabaseWithoutExtension(), "/srv/lib/kelvor/9800990069/kvjs"},
        {lib.databasePath(DatabaseRole::Centre981), "/srv/lib/kelvor/5678909090/109089090981.htm"},
        {lib.databasePath(DatabaseRole::Centre986), "/srv/lib/kelvor/5678909090/109089090986.htm"},
        {lib.databasePath(DatabaseRole::Favourites), "/srv/lib/kelvor/5678909090/109089090991.htm"},
        {lib.databasePath(DatabaseRole::TechKeywords), "/srv/lib/kelvor/2167167235/97208978563.mdb"},
        {lib.databasePath(DatabaseRole::ExampleKeywords), "/srv/lib/kelvor/2687091153/936532879876.mdb"},
        {lib.databasePath(DatabaseRole::SearchHistory), "/srv/lib/kelvor/6809854763/slinkmore.htm"},
        {lib.centreMainPage(), "/srv/lib/9098787891/main.htm"},
        {lib.placeholderPicture(), "/srv/lib/kelvor/1999282828/001.jpg"},
        {lib.placeholderPictureWide(), "/srv/lib/kelvor/1999282828/0000001.jpg"},
        {lib.reportPage(), "/srv/lib/kelvor/5617890123/453673655535.htm"},
        {lib.sourcePage(), "/srv/lib/kelvor/5617890123/100378901021.htm"},
        {lib.bookmarkFile(), "/srv/lib/kelvor/5617890123/890187871251.ini"},
        {lib.optionFile(), "/srv/lib/kelvor/1997258251/779809876576.htm"},
        {lib.coolsysFile(), "/srv/lib/kelvor/coolsys.ini"},
        {lib.loginsysFile(), "/srv/lib/loginsys.ini"},
        {lib.videoPlayerPath(u"vc01"_s).value_or(u""_s), "/srv/lib/kelvor/1367490231/vc01.exe"},
        {lib.sourceFolderPath(u"cpp\\ptr"_s).value_or(u""_s), "/srv/lib/kelvor/4629056127/cpp/ptr"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, QString::fromUtf8(c.expected));
}

TEST(LayoutTest, DocumentPathsStayInsideTheLibrary)
{
    const LibraryLayout lib(u"/srv/lib"_s);
    struct Case {
        const char* link;
        const char* code;
        const char* ext;
        const char* expected;  // "" = no path
    };
    const Case cases[] = {
        {"jszx0001", "101210350001", ".htm", "/srv/lib/kelvor/jszx0001/101210350001.htm"},
        {"jmzx\\pics", "2201213501", ".jpg", "/srv/lib/kelvor/jmzx/pics/2201213501.jpg"},
        {" sp001 ", "101216350001", ".exe", "/srv/lib/kelvor/sp001/101216350001.exe"},
        {"", "101210350001", ".htm", ""},
        {"..", "101210350001", ".htm", ""},
        {"../../etc", "passwd", ".htm", ""},
        {"docs\\..\\..\\x", "1", ".htm", ""},
        {"/etc", "passwd", ".htm", ""},
        {"C:\\Windows", "x", ".htm", ""},
        {"docs", "../1", ".htm", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        EXPECT_EQ(lib.documentPath(QString::fromUtf8(c.link), QString::fromUtf8(c.code), QString::fromUtf8(c.ext)).value_or(u""_s),
                  QString::fromUtf8(c.expected));
    }
    EXPECT_FALSE(lib.videoPlayerPath(u"../../bin/sh"_s));
    EXPECT_FALSE(lib.sourceFolderPath(u"/home"_s));
    EXPECT_FALSE(lib.sourceFolderPath(u""_s));
}

TEST(LayoutTest, DatabasesAndPasswords)
{
    EXPECT_EQ(allDatabases().size(), 10u);
    EXPECT_EQ(databaseInfo(DatabaseRole::Content).password, u"rusenkrusenk41927358"_s);
    EXPECT_EQ(databaseInfo(DatabaseRole::TechKeywords).password, u"tolvenkqqrrs.lumekz4"_s);
    EXPECT_EQ(databaseInfo(DatabaseRole::SearchHistory).password, u"sembrovaxe8631470"_s);
    EXPECT_EQ(databaseInfo(DatabaseRole::Centre985).tables, QStringList{u"spzx"_s});
    EXPECT_EQ(keywordTables().size(), 27);
    EXPECT_EQ(keywordTables().front(), u"akv"_s);
    EXPECT_EQ(keywordTables().back(), u"otherkv"_s);
}

TEST(LayoutTest, KeywordTableByFirstCharacter)
{
    struct Case {
        const char* keyword;
        const char* table;
    };
    const Case cases[] = {{"Java", "jkv"}, {"sql", "skv"}, {"2D绘图", "otherkv"}, {"指针", "otherkv"},
                          {"Ｊava", "otherkv"}, {" java", "otherkv"}, {"", "otherkv"}, {"Zlib", "zkv"}};
    for (const auto& c : cases) EXPECT_EQ(keywordTableFor(QString::fromUtf8(c.keyword)), QString::fromUtf8(c.table)) << c.keyword;
}

}  // namespace
