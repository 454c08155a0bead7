#include "library/database.h"
#include "library/textrules.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

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

class SqlFunctionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = Database::create(dir.path() + "/f.mdb", "pw");
        db->executeScript("create table t (name text);");
    }
    QVariant eval(const QString& expr, const QVariantList& params = {})
    {
        return db->scalar("select " + expr, params);
    }
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
};

TEST_F(SqlFunctionsTest, LikeLenAndRightWorkInStatements)
{
    EXPECT_EQ(eval("? like ?", {"AB", "ab"}).toInt(), 1);  // SQL: text like pattern
    EXPECT_EQ(eval("? like ?", {"Ｃ++", "ｃ%"}).toInt(), 1);
    EXPECT_EQ(eval("len(?)", {"技术中心"}).toInt(), 4);
    EXPECT_EQ(eval("len(?)", {"abc"}).toInt(), 3);
    EXPECT_TRUE(eval("len(null)").isNull());
    EXPECT_EQ(eval("\"right\"(?, 2)", {"10121035000112"}).toString(), "12");
    EXPECT_EQ(eval("\"right\"(?, 9)", {"中文"}).toString(), "中文");
    EXPECT_EQ(eval("\"right\"(?, 0)", {"abc"}).toString(), "");
    EXPECT_EQ(eval("\"right\"(?, -1)", {"abc"}).toString(), "");
}

TEST_F(SqlFunctionsTest, TitlesSortInPinyinOrderIgnoringCase)
{
    const QStringList titles = {"中文", "Beta", "阿里", "alpha", "白色", "ALPHA2", "长城"};
    for (const auto& t : titles) db->execute("insert into t values (?)", {t});
    QStringList byCollation, byKey;
    for (const auto& r : db->query("select name from t order by name collate PINYIN")) byCollation << r.text(0);
    for (const auto& r : db->query("select name from t order by pinyin_key(name)")) byKey << r.text(0);
    // Latin titles first, case ignored; then Chinese by pinyin: a-li, bai-se, chang-cheng, zhong-wen.
    const QStringList expected = {"alpha", "ALPHA2", "Beta", "阿里", "白色", "长城", "中文"};
    EXPECT_EQ(byCollation, expected);
    EXPECT_EQ(byKey, expected);
}

TEST(SortKeyTest, KeyOrderMatchesCompare)
{
    const QStringList words = {"Zebra", "zebra", "阿", "爸", "c", "C++", "", "中国", "中心"};
    for (const auto& a : words)
        for (const auto& b : words) {
            const int byKey = qBound(-1, textrules::sortKey(a).compare(textrules::sortKey(b)), 1);
            EXPECT_EQ(byKey, textrules::compare(a, b)) << a.toStdString() << " vs " << b.toStdString();
        }
}

}  // namespace
