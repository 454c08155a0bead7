// The contains index must never change a search's answer: for a table of
// awkward terms, every search that uses it returns exactly the rows, in
// exactly the order, of the plain `like` it replaces.

#include "search/centresearch.h"
#include "search/titlesearch.h"

#include "catalogue/centretitlesearch.h"
#include "library/containsindex.h"
#include "records.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

// Titles and body texts combined from pieces that the terms below cut
// across: Chinese, Latin in both cases, full-width letters, quotes,
// wildcard characters and a letter that folds to two.
std::vector<CentreRecord> generatedRecords(const QString& prefix, int count)
{
    const QStringList heads = {u"Java"_s, u"java 入门"_s, u"JAVA"_s, u"ＪＡＶＡ全角"_s, u"数据库"_s, u"设计模式"_s, u"it's"_s, u"50% off"_s,
                               u"a_b"_s, u"Straße"_s, u"多线程"_s, u"Python"_s};
    const QStringList tails = {u" 入门"_s, u"编程"_s, u" tutorial 99"_s, u""_s, u" 实例"_s, u"x"_s, u" Java"_s, u"'quoted'"_s, u"門"_s};
    std::vector<CentreRecord> records;
    for (int i = 0; i < count; ++i) {
        CentreRecord r;
        r.xxbh = prefix + QStringLiteral("%1").arg(1000 + (i * 7919) % count, 4, 10, QLatin1Char('0'));
        r.name = heads[i % heads.size()] + tails[(i / heads.size()) % tails.size()];
        if (i % 13 == 0) r.name.clear();  // a record without a title
        r.mark = tails[i % tails.size()] + heads[(i / 5) % heads.size()];
        r.link = QStringLiteral("doc");
        if (i % 4) r.eee = QStringLiteral("1");  // every fourth is a folder
        records.push_back(r);
    }
    return records;
}

class ContainsIndexSearch : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        lib = new test::TestLibrary;
        lib->addRecords(u"jszx"_s, generatedRecords(u"1012"_s, 600));
        for (const QString& table : searchPageTables())
            if (table != QLatin1String("jszx")) lib->addRecords(table, generatedRecords(QStringLiteral("9%1").arg(table.size()), 120));
    }
    static void TearDownTestSuite()
    {
        delete lib;
        lib = nullptr;
    }

    // Two connections on the same library: one uses the index, one is told
    // there is none and scans.
    static SharedConnection connection(bool indexed)
    {
        SharedConnection c(lib->layout());
        c.open(DatabaseRole::Content);
        if (!indexed) c.setIndexPlace(SharedConnection::IndexPlace::None);
        return c;
    }

    static test::TestLibrary* lib;
};

test::TestLibrary* ContainsIndexSearch::lib = nullptr;

const QStringList& terms()
{
    static const QStringList t = {
        u"数据库"_s,  u"java"_s, u"JAVA"_s, u"ｊａｖａ"_s, u"Ｊ"_s, u"a"_s, u"库"_s, u"门"_s, u"入门"_s, u"a_b"_s, u"_b"_s, u"50%"_s, u"%入门"_s, u"j%a"_s,
        u"it's"_s, u"'"_s, u"\""_s, u"SS"_s, u"STRASSE"_s, u"ß"_s, u"Java 入门"_s, u"a 入"_s, u"a编"_s, u" "_s, u"%"_s, u"_"_s, u"%%"_s, u""_s,
        u"这是一个比任何标题都长得多的检索词，没有标题能含有它"_s, u"tutorial 99"_s, u"没有这个"_s};
    return t;
}

std::vector<std::pair<QString, QString>> rows(Database& db, const Query& q)
{
    std::vector<std::pair<QString, QString>> out;
    for (const Row& r : db.query(q.sql, q.params)) out.emplace_back(r.text(0), r.text(1));
    return out;
}

TEST_F(ContainsIndexSearch, CentreSearchEqualsThePlainLike)
{
    SharedConnection indexed = connection(true);
    const QString table = tableExpression(*centreByTable(u"jszx"), lib->layout());
    ASSERT_FALSE(indexed.containsIndex(u"jszx"_s).isEmpty());
    for (const QString& term : terms()) {
        const auto search = centreSearch(indexed, table, term);
        ASSERT_TRUE(search);
        const TitleList found = runCentreSearch(indexed, *search);
        const auto plain = rows(indexed.db(), {u"select name, xxbh from jszx where name like '%' || ? || '%'"
                                               " order by xxbh"_s,
                                               {term}});
        ASSERT_EQ(found.size(), plain.size()) << term.toStdString();
        for (size_t i = 0; i < plain.size(); ++i) {
            EXPECT_EQ(found.names[i], plain[i].first) << term.toStdString();
            EXPECT_EQ(found.codes[i], plain[i].second) << term.toStdString();
        }
    }
}

TEST_F(ContainsIndexSearch, TitleSearchFromAWildcardEqualsTheScan)
{
    SharedConnection indexed = connection(true);
    SharedConnection scanning = connection(false);
    for (const QString& term : terms()) {
        const QString text = QLatin1Char('%') + term;
        const TitleList a = titleSearch(indexed, text);
        const TitleList b = titleSearch(scanning, text);
        EXPECT_EQ(a.names, b.names) << text.toStdString();
        EXPECT_EQ(a.codes, b.codes) << text.toStdString();
    }
    EXPECT_GT(titleSearch(indexed, u"%入门"_s).size(), 0u);  // the table does not pass vacuously
}

TEST_F(ContainsIndexSearch, CentreTitleSearchTreeAndListEqualTheScan)
{
    SharedConnection indexed = connection(true);
    SharedConnection scanning = connection(false);
    for (const QString& term : terms()) {
        const CentreTitleSearch a = centreTitleSearch(indexed, term);
        const CentreTitleSearch b = centreTitleSearch(scanning, term);
        EXPECT_EQ(rows(indexed.db(), a.treeQuery), rows(scanning.db(), b.treeQuery)) << term.toStdString();
        EXPECT_EQ(rows(indexed.db(), a.listQuery), rows(scanning.db(), b.listQuery)) << term.toStdString();
    }
}

TEST_F(ContainsIndexSearch, SelectiveTermsAreAnsweredFromTheIndex)
{
    SharedConnection indexed = connection(true);
    const auto search = centreSearch(indexed, u"jszx"_s, u"数据库"_s);
    QStringList plan;
    for (const Row& r : indexed.db().query(u"explain query plan "_s + search->query.sql, search->query.params))
        plan << r.text(3);
    EXPECT_TRUE(plan.join(u'\n').contains(u"SCAN TABLE jszx_contains VIRTUAL TABLE"_s)) << plan.join(u'\n').toStdString();
    EXPECT_TRUE(plan.join(u'\n').contains(u"SEARCH TABLE jszx USING INTEGER PRIMARY KEY"_s)) << plan.join(u'\n').toStdString();
}

TEST_F(ContainsIndexSearch, PagesReadInTurnEqualTheWholeTitleSearch)
{
    SharedConnection c = connection(true);
    // A low density threshold walks the initial index for every prefix of two
    // characters or more whose page comes early in it; the usual one sorts ranges.
    for (const QString& text : {QString(), QStringLiteral("j"), QStringLiteral("%入门"), QStringLiteral("数据"),
                                QStringLiteral("a_"), QStringLiteral("没有"), QStringLiteral("java"),
                                QStringLiteral("JAVA 入"), QStringLiteral("ｊａ"), QStringLiteral("数据%计"),
                                QStringLiteral("it'"), QStringLiteral("STRASSE"), QStringLiteral("py")})
      for (qint64 denseFrom : {qint64(2), qint64(20), kDenseTitlePrefix})
        for (size_t pageSize : {size_t(1), size_t(7), size_t(500)}) {
            TitleList joined;
            std::optional<TitleKey> after;
            for (int guard = 0; guard < 10000; ++guard) {
                const TitlePage page = titleSearchPage(c, text, after, pageSize, searchPageTables(), denseFrom);
                EXPECT_LE(page.titles.size(), pageSize);
                joined.names.insert(joined.names.end(), page.titles.names.begin(), page.titles.names.end());
                joined.codes.insert(joined.codes.end(), page.titles.codes.begin(), page.titles.codes.end());
                if (page.complete) break;
                after = page.last;
            }
            const TitleList whole = titleSearch(c, text);
            EXPECT_EQ(joined.names, whole.names) << text.toStdString() << " by " << pageSize << " from " << denseFrom;
            EXPECT_EQ(joined.codes, whole.codes) << text.toStdString() << " by " << pageSize << " from " << denseFrom;
        }
}

TEST_F(ContainsIndexSearch, WalkingTheInitialIndexReadsTheSameRowsAsSortingTheRange)
{
    // Per table, every page of the walk equals the sorted range's, from the
    // start and after each of a few keys, NULL titles and equal titles included.
    SharedConnection c = connection(true);
    int walkedRows = 0;
    for (const QString& table : searchPageTables()) {
        const QString index = c.containsIndex(table);
        for (const QString& term : terms()) {
            for (const QString& text : {term, term.left(2), term.left(3)}) {
                const auto read = [&](const std::optional<TitleKey>& after, TitlePlan plan) {
                    std::vector<TitleKey> keys;
                    const Query q = titlePageQuery(table, text, index, after, 5000, plan);
                    for (const Row& r : c.db().query(q.sql, q.params)) keys.push_back({r.value(0), r.value(1), r.value(2)});
                    return keys;
                };
                const std::vector<TitleKey> sorted = read(std::nullopt, TitlePlan::Range);
                std::vector<std::optional<TitleKey>> starts = {std::nullopt};
                for (size_t i = 0; i < sorted.size(); i += 17) starts.push_back(sorted[i]);
                for (const auto& after : starts) {
                    const auto a = read(after, TitlePlan::Range);
                    const auto b = read(after, TitlePlan::InitialWalk);
                    ASSERT_EQ(a.size(), b.size()) << table.toStdString() << " " << text.toStdString();
                    for (size_t i = 0; i < a.size(); ++i) {
                        EXPECT_EQ(a[i].sortKey, b[i].sortKey) << text.toStdString() << " row " << i;
                        EXPECT_EQ(a[i].name, b[i].name) << text.toStdString() << " row " << i;
                        EXPECT_EQ(a[i].code, b[i].code) << text.toStdString() << " row " << i;
                    }
                    walkedRows += int(b.size());
                }
            }
        }
    }
    EXPECT_GT(walkedRows, 0);  // the table does not pass vacuously
}

TEST(ContainsIndexPieces, TermsAreNarrowedOnTheirLiteralRuns)
{
    using containsindex::matchFor;
    using containsindex::piecesOf;
    // A term's pieces are among the pieces of every text that contains it.
    const auto contained = [](const QString& term, const QString& text) {
        const QStringList have = piecesOf(text).split(u' ');
        for (const QString& p : matchFor(term)->split(u' '))
            if (!have.contains(p)) return false;
        return true;
    };
    EXPECT_TRUE(contained(u"JAVA"_s, u"学习 java 入门"_s));
    EXPECT_TRUE(contained(u"ｊａｖａ"_s, u"ＪＡＶＡ全角"_s));
    EXPECT_TRUE(contained(u"STRAßE"_s, u"straße"_s));
    EXPECT_TRUE(contained(u"a%入"_s, u"java 入门"_s));
    EXPECT_FALSE(contained(u"ja入"_s, u"java 入门"_s));
    // One character is a piece of its own; no literal character, no narrowing.
    EXPECT_EQ(matchFor(u"库"_s)->split(u' ').size(), 1);
    EXPECT_EQ(matchFor(u"a_b"_s), matchFor(u"a%b"_s));
    EXPECT_FALSE(matchFor(u"%"_s));
    EXPECT_FALSE(matchFor(u"_%_"_s));
    EXPECT_FALSE(matchFor(u""_s));
    // Pieces are letters and digits only, so the index needs no tokenizer of ours.
    for (const QString& p : piecesOf(QStringLiteral("it's 50% a_b \"x\" 数据\U0001F600")).split(u' '))
        for (QChar ch : p) EXPECT_TRUE(ch.isDigit() || (ch >= u'a' && ch <= u'z')) << p.toStdString();
}

}  // namespace
