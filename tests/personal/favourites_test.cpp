#include "personalfixture.h"

#include "personal/favourites.h"

#include <QFile>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;

using test::PersonalFixture;

class FavouritesTest : public PersonalFixture {
protected:
    void store(const QString& cellname, const QString& name, const QString& code) const
    {
        auto db = library.open(DatabaseRole::Favourites);
        db->execute(QStringLiteral("insert into cellection (cellname, name, xxbh) values (?, ?, ?)"),
                    {cellname, name, code});
    }

    QStringList names(const Favourites& favourites) const
    {
        QStringList out;
        for (const auto& f : favourites.entries()) out << f.displayName;
        return out;
    }

    Favourites favourites{connection, prompter};
};

TEST_F(FavouritesTest, LoadsInTheOrderTheyWereAddedWithTheirCodes)
{
    store(QStringLiteral("b 第一个"), QStringLiteral("引用"), QStringLiteral("101210110002"));
    store(QStringLiteral("a 第二个"), QStringLiteral("指针入门"), QStringLiteral("101210110001"));
    store(QString(), QStringLiteral("模板"), QStringLiteral("101210110003"));  // no name: not listable
    store(QStringLiteral("c 第三个"), QStringLiteral("线程池实例"), QStringLiteral("101221110001"));
    ASSERT_TRUE(favourites.load());
    EXPECT_EQ(names(favourites), (QStringList{u"b 第一个"_s, u"a 第二个"_s, u"c 第三个"_s}));
    EXPECT_EQ(favourites.entries()[2].code, QStringLiteral("101221110001"));
}

TEST_F(FavouritesTest, AddChecksInTheMessageOrder)
{
    store(QStringLiteral("已有"), QStringLiteral("指针入门"), QStringLiteral("101210110001"));
    struct Case {
        const char* what;
        const char* firstLine;
        const char* code;
        std::optional<QString> typed;
        QString message;  // empty: added
        bool asked;
    };
    const Case cases[] = {
        {"no page text", "", "101210110002", QStringLiteral("x"), Favourites::noRecordMessage(), false},
        {"code names no record", "模板\r", "101210119999", QStringLiteral("x"), Favourites::noRecordMessage(), false},
        {"code of no centre", "模板\r", "999999110001", QStringLiteral("x"), Favourites::noRecordMessage(), false},
        {"name taken, record too", "指针入门\r", "101210110001", QStringLiteral("已有"), Favourites::nameExistsMessage(), true},
        {"name taken", "引用\r", "101210110002", QStringLiteral("已有"), Favourites::nameExistsMessage(), true},
        {"record taken", "指针入门\r", "101210110001", QStringLiteral("新名字"), Favourites::recordExistsMessage(), true},
        {"record taken, name empty", "指针入门\r", "101210110001", QString(), Favourites::recordExistsMessage(), true},
        {"cancelled", "引用\r", "101210110002", std::nullopt, Favourites::emptyNameMessage(), true},
        {"empty name", "引用\r", "101210110002", QString(), Favourites::emptyNameMessage(), true},
        {"names compare exactly", "引用\r", "101210110002", QStringLiteral("已有 "), QString(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(favourites.load());
        prompter.messages.clear();
        prompter.questions.clear();
        prompter.inputAnswers = {c.typed};
        const bool added = favourites.add(QString::fromUtf8(c.firstLine), QString::fromUtf8(c.code));
        EXPECT_EQ(added, c.message.isEmpty());
        EXPECT_EQ(prompter.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(prompter.questions.size(), c.asked ? 1 : 0);
    }
    EXPECT_EQ(valueOf(DatabaseRole::Favourites, QStringLiteral("select count(*) from cellection")), u"2"_s);
}

TEST_F(FavouritesTest, AddStoresTitleCodeAndTypedNameOfferingTheTitle)
{
    ASSERT_TRUE(favourites.load());
    prompter.inputAnswers = {QStringLiteral("我的线程池")};
    ASSERT_TRUE(favourites.add(QStringLiteral("线程池实例\r"), QStringLiteral("101221110001")));
    EXPECT_EQ(prompter.questions, QStringList{Favourites::namePrompt()});
    EXPECT_EQ(prompter.inputDefaults, QStringList{u"线程池实例"_s});
    EXPECT_EQ(valueOf(DatabaseRole::Favourites, QStringLiteral("select name || '|' || xxbh || '|' || cellname "
                                                               "from cellection")),
              QStringLiteral("线程池实例|101221110001|我的线程池"));

    // Another run of the program finds it, and it opens its record.
    Favourites afterRestart(connection, prompter);
    ASSERT_TRUE(afterRestart.load());
    EXPECT_EQ(names(afterRestart), QStringList{u"我的线程池"_s});
    EXPECT_EQ(afterRestart.codeToOpen(0), QStringLiteral("101221110001"));
}

TEST_F(FavouritesTest, DeletingEntryTwoOfFiveKeepsTheOthersOpeningTheirRecords)
{
    for (int i = 1; i <= 5; ++i)
        store(QStringLiteral("收藏%1").arg(i), QString(), QStringLiteral("10121011000%1").arg(i));
    ASSERT_TRUE(favourites.load());
    ASSERT_TRUE(favourites.remove(1));
    EXPECT_EQ(names(favourites), (QStringList{u"收藏1"_s, u"收藏3"_s, u"收藏4"_s, u"收藏5"_s}));
    EXPECT_EQ(favourites.codeToOpen(1), QStringLiteral("101210110003"));
    EXPECT_EQ(favourites.codeToOpen(2), QStringLiteral("101210110004"));
    EXPECT_EQ(valueOf(DatabaseRole::Favourites, QStringLiteral("select count(*) from cellection where cellname = ?"),
                      {QStringLiteral("收藏2")}),
              u"0"_s);
    EXPECT_FALSE(favourites.codeToOpen(4).has_value());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(FavouritesTest, DeletingANameGoneFromTheTableChangesNothing)
{
    store(QStringLiteral("甲"), QString(), QStringLiteral("101210110001"));
    store(QStringLiteral("乙"), QString(), QStringLiteral("101210110002"));
    ASSERT_TRUE(favourites.load());
    library.open(DatabaseRole::Favourites)->execute(QStringLiteral("delete from cellection where cellname = '甲'"));
    EXPECT_FALSE(favourites.remove(0));
    EXPECT_EQ(names(favourites), (QStringList{u"甲"_s, u"乙"_s}));
    EXPECT_FALSE(favourites.codeToOpen(0).has_value());  // its code is no longer in the table
    EXPECT_EQ(favourites.codeToOpen(1), QStringLiteral("101210110002"));
}

TEST_F(FavouritesTest, MoreThanTwoThousandAndOneFavouritesWork)
{
    {
        auto db = library.open(DatabaseRole::Favourites);
        Transaction tx(*db);
        for (int i = 0; i < 2100; ++i)
            db->execute(QStringLiteral("insert into cellection (cellname, xxbh) values (?, ?)"),
                        {QStringLiteral("f%1").arg(i), QStringLiteral("1012101%1").arg(i, 5, 10, QLatin1Char('0'))});
        tx.commit();
    }
    ASSERT_TRUE(favourites.load());
    ASSERT_EQ(favourites.entries().size(), 2100u);
    prompter.inputAnswers = {QStringLiteral("第2101个")};
    ASSERT_TRUE(favourites.add(QStringLiteral("Lambda\r"), QStringLiteral("101210110005")));
    EXPECT_EQ(favourites.codeToOpen(2100), QStringLiteral("101210110005"));
    ASSERT_TRUE(favourites.remove(2050));
    EXPECT_EQ(favourites.codeToOpen(2099), QStringLiteral("101210110005"));
}

TEST_F(FavouritesTest, AMissingFavouritesDatabaseGivesAMessageNotACrash)
{
    ASSERT_TRUE(QFile::remove(library.layout().databasePath(DatabaseRole::Favourites)));
    EXPECT_FALSE(favourites.load());
    EXPECT_TRUE(favourites.entries().empty());
    prompter.inputAnswers = {QStringLiteral("x")};
    EXPECT_FALSE(favourites.add(QStringLiteral("引用\r"), QStringLiteral("101210110002")));
    EXPECT_EQ(prompter.messages.size(), 2);
}

}  // namespace
}  // namespace kelvor
