#include "library/database.h"
#include "library/textrules.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

TEST(LikeTest, IgnoresCaseForEveryScriptAndKeepsWildcards)
{
    struct Case {
        const char* pattern;
        const char* text;
        bool match;
    };
    const Case cases[] = {
        {"ab", "AB", true},
        {"ｃ", "Ｃ", true},           // full-width letters fold too
        {"ΣΟΦΙΑ", "σοφια", true},     // Greek
        {"straße", "STRASSE", false},  // one-to-many folding is not a letter-case match character by character
        {"%java%", "学习 Java 编程", true},
        {"java%", "学习 Java", false},
        {"j_va", "JAVA", true},
        {"j_va", "jaava", false},
        {"%", "", true},
        {"_", "", false},
        {"_", "中", true},
        {"a%b%c", "aXbYc", true},
        {"a%b%c", "aXbY", false},
        {"%%a", "a", true},
        {"技术%", "技术中心", true},
        {"技术", "技术中心", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " ~ " + c.text);
        EXPECT_EQ(textrules::like(QString::fromUtf8(c.pattern), QString::fromUtf8(c.text)), c.match);
    }
}

TEST(LikeTest, EscapeMakesAWildcardLiteral)
{
    EXPECT_TRUE(textrules::like(QStringLiteral("50\\%"), QStringLiteral("50%"), QLatin1Char('\\')));
    EXPECT_FALSE(textrules::like(QStringLiteral("50\\%"), QStringLiteral("500"), QLatin1Char('\\')));
}

TEST(LikeTest, LiteralPatternMatchesItsTextAloneCaseStillIgnored)
{
    struct Case {
        const char* literal;
        const char* text;
        bool match;
    };
    const Case cases[] = {
        {"S%", "S%", true},     {"S%", "SQL", false},   {"s%", "S%", true},  {"C_", "C#", false},
        {"c_", "C_", true},     {"C:\\x", "c:\\X", true}, {"\\%", "\\%", true}, {"\\%", "\\abc", false},
        {"a\\", "a\\", true},   {"%", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.literal) + " ~ " + c.text);
        EXPECT_EQ(textrules::like(textrules::likeLiteral(QString::fromUtf8(c.literal)), QString::fromUtf8(c.text),
                                  QLatin1Char('\\')),
                  c.match);
    }
}

class SqlFunctionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = Database::create(dir.path() + u"/f.mdb"_s, u"pw"_s);
        db->executeScript(u"create table t (name text);"_s);
    }
    QVariant eval(const QString& expr, const QVariantList& params = {})
    {
        return db->scalar(u"select "_s + expr, params);
    }
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
};

TEST_F(SqlFunctionsTest, LikeLenAndRightWorkInStatements)
{
    EXPECT_EQ(eval(u"? like ?"_s, {u"AB"_s, u"ab"_s}).toInt(), 1);  // SQL: text like pattern
    EXPECT_EQ(eval(u"? like ?"_s, {u"Ｃ++"_s, u"ｃ%"_s}).toInt(), 1);
    EXPECT_EQ(eval(u"len(?)"_s, {u"技术中心"_s}).toInt(), 4);
    EXPECT_EQ(eval(u"len(?)"_s, {u"abc"_s}).toInt(), 3);
    EXPECT_TRUE(eval(u"len(null)"_s).isNull());
    EXPECT_EQ(eval(u"\"right\"(?, 2)"_s, {u"10121035000112"_s}).toString(), u"12"_s);
    EXPECT_EQ(eval(u"\"right\"(?, 9)"_s, {u"中文"_s}).toString(), u"中文"_s);
    EXPECT_EQ(eval(u"\"right\"(?, 0)"_s, {u"abc"_s}).toString(), u""_s);
    EXPECT_EQ(eval(u"\"right\"(?, -1)"_s, {u"abc"_s}).toString(), u""_s);
}

TEST_F(SqlFunctionsTest, TitlesSortInPinyinOrderIgnoringCase)
{
    const QStringList titles = {u"中文"_s, u"Beta"_s, u"阿里"_s, u"alpha"_s, u"白色"_s, u"ALPHA2"_s, u"长城"_s};
    for (const auto& t : titles) db->execute(u"insert into t values (?)"_s, {t});
    QStringList byCollation, byKey;
    for (const auto& r : db->query(u"select name from t order by name collate PINYIN"_s)) byCollation << r.text(0);
    for (const auto& r : db->query(u"select name from t order by pinyin_key(name)"_s)) byKey << r.text(0);
    // Latin titles first, case ignored; then Chinese by pinyin: a-li, bai-se, chang-cheng, zhong-wen.
    const QStringList expected = {u"alpha"_s, u"ALPHA2"_s, u"Beta"_s, u"阿里"_s, u"白色"_s, u"长城"_s, u"中文"_s};
    EXPECT_EQ(byCollation, expected);
    EXPECT_EQ(byKey, expected);
}

TEST(SortKeyTest, KeyOrderMatchesCompare)
{
    const QStringList words = {u"Zebra"_s, u"zebra"_s, u"阿"_s, u"爸"_s, u"c"_s, u"C++"_s, u""_s, u"中国"_s, u"中心"_s};
    for (const auto& a : words)
        for (const auto& b : words) {
            const int byKey = qBound(-1, textrules::sortKey(a).compare(textrules::sortKey(b)), 1);
            EXPECT_EQ(byKey, textrules::compare(a, b)) << a.toStdString() << " vs " << b.toStdString();
        }
}

}  // namespace
