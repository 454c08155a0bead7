#include "library/centres.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

TEST(CodesTest, LevelsAndParents)
{
    struct Case {
        const char* code;
        int level;
        int searchLevel;
        const char* parent;
    };
    const Case cases[] = {
        {"101210", 0, 0, ""},
        {"10121035", 1, 1, ""},
        {"1012103500", 0, 0, ""},  // 10 characters: no level
        {"101210350001", 2, 2, "10121035"},
        {"1012103500010002", 3, 3, "101210350001"},
        {"10121035000100020003", 4, 4, "1012103500010002"},
        {"101210350001000200030004", 0, 5, "10121035000100020003"},
        {"10121035000100020003000400050006", 0, 7, "1012103500010002000300040005"},
        {"", 0, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(codes::level(QString::fromLatin1(c.code)), c.level);
        EXPECT_EQ(codes::searchLevel(QString::fromLatin1(c.code)), c.searchLevel);
        EXPECT_EQ(codes::parent(QString::fromLatin1(c.code)), QString::fromLatin1(c.parent));
    }
}

TEST(CentresTest, CentreOfACodeByItsFirstSixCharacters)
{
    struct Case {
        const char* code;
        const char* table;  // "" = none
    };
    const Case cases[] = {
        {"101210350001", "jszx"}, {"101216350001", "spzx"}, {"10122135", "slzx"}, {"10123135", "xmzx"},
        {"10125135", "fazx"},     {"220121350001", "jmzx"}, {"20510111", "study"}, {"206101110001", "works"},
        {"99999935", ""},         {"10121", ""},            {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const Centre* centre = centreOfCode(QString::fromLatin1(c.code));
        EXPECT_EQ(centre ? centre->table : QString(), QString::fromLatin1(c.table));
    }
    EXPECT_EQ(centreOfCode(QStringLiteral("101210350001"))->caption, u"技术中心"_s);
    EXPECT_EQ(documentExtension(centreOfCode(QStringLiteral("22012135"))->kind), u".jpg"_s);
    EXPECT_EQ(documentExtension(centreOfCode(QStringLiteral("10121635"))->kind), u".exe"_s);
    EXPECT_EQ(documentExtension(centreOfCode(QStringLiteral("10122135"))->kind), u".htm"_s);
}

TEST(CentresTest, CatalogueOnlyCentresOwnNoCode)
{
    for (const char* t : {"ymzx", "gjzx"}) {
        const Centre* c = centreByTable(QString::fromLatin1(t));
        ASSERT_TRUE(c);
        EXPECT_TRUE(c->codePrefix.isEmpty());
    }
    EXPECT_EQ(centreByTable(QStringLiteral(" spzx"))->caption, u"视频中心"_s);
    EXPECT_EQ(centreByCaption(QStringLiteral("界面中心"))->table, u"jmzx"_s);
}

TEST(CentresTest, StoredTableExpressions)
{
    const LibraryLayout lib(u"/srv/lib"_s);
    const QString jszx = tableExpression(*centreByTable(QStringLiteral("jszx")), lib);
    EXPECT_EQ(jszx, u"[;database=/srv/lib/kelvor/9800990069/kvjs.mdb;pwd=rusenkrusenk41927358].jszx"_s);
    EXPECT_EQ(centreByTable(jszx)->table, u"jszx"_s);
    EXPECT_EQ(tableExpression(*centreByTable(QStringLiteral("spzx")), lib), u" spzx"_s);
    EXPECT_EQ(tableExpression(*centreByTable(QStringLiteral("study")), lib), u"study"_s);
}

TEST(CentresTest, PerCentreQueries)
{
    const LibraryLayout lib(u"/srv/lib"_s);
    const auto tech = centreQueries(*centreByTable(QStringLiteral("jszx")), lib, u"kvjs.jszx"_s);
    EXPECT_EQ(tech.treeQuery.sql, u"select name,xxbh,link from kvjs.jszx order by xxbh"_s);
    EXPECT_EQ(tech.listQuery.sql, u"select name,xxbh,link from kvjs.jszx"_s);
    EXPECT_EQ(tech.listTable, tech.currentTable);

    const auto study = learningQueries(*centreByTable(QStringLiteral("study")), lib, u"study"_s);
    EXPECT_EQ(study.treeQuery.params, QVariantList{u"20510111"_s});
    EXPECT_EQ(learningPattern(*centreByTable(QStringLiteral("works"))), u"20610111"_s);

    auto plain = [](const QString& t) { return t; };
    const Query group = queryGroupTreeQuery(plain);
    EXPECT_EQ(group.sql,
              u"select name,xxbh,link from jszx union select name,xxbh,link from slzx union "
              "select name,xxbh,link from xmzx union select name,xxbh,link from fazx order by xxbh"_s);
    EXPECT_TRUE(searchPageQuery(plain).sql.contains(u"from jmzx order by name collate PINYIN"_s));
}

}  // namespace
