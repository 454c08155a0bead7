#include "keywordfixture.h"

#include <QFile>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;
using keywords::EditorMode;
using keywords::KeywordIndex;

class KeywordIndexTest : public test::KeywordFixture {};

TEST_F(KeywordIndexTest, ListsKeywordsTableByTable)
{
    linkTech(u"指针"_s, u"指针入门"_s);
    linkTech(u"zip"_s, u"压缩"_s);
    linkTech(u"Array"_s, u"数组"_s);
    linkTech(u"abs"_s, u"绝对值"_s);
    linkTech(u"abs"_s, u"绝对值二"_s);
    link(DatabaseRole::ExampleKeywords, u"only example"_s, u"x"_s);
    const auto all = index.allKeywords(EditorMode::Navigation);
    ASSERT_TRUE(all.has_value());
    ASSERT_EQ(all->size(), 4);
    EXPECT_EQ(QSet<QString>(all->begin(), all->begin() + 2), (QSet<QString>{u"Array"_s, u"abs"_s}));
    EXPECT_EQ(all->mid(2), (QStringList{u"zip"_s, u"指针"_s}));
    EXPECT_EQ(index.allKeywords(EditorMode::Example), QStringList{u"only example"_s});
    EXPECT_FALSE(index.allKeywords(EditorMode::Folder).has_value());
}

TEST_F(KeywordIndexTest, TitlesOfAKeywordCompareTheWholeValueIgnoringCase)
{
    linkTech(u"Array"_s, u"数组"_s);
    linkTech(u"array"_s, u"数组二"_s);
    linkTech(u"ArrayList"_s, u"列表"_s);
    linkTech(u"a\"b"_s, u"引号"_s);
    linkTech(u"Array"_s, QString());  // no name: skipped
    struct Case {
        QString keyword;
        QStringList titles;
    };
    const Case cases[] = {
        {u"ARRAY"_s, {u"数组"_s, u"数组二"_s}},
        {u"arr%"_s, {u"数组"_s, u"数组二"_s, u"列表"_s}},  // `%` keeps its wildcard meaning
        {u"arra_"_s, {u"数组"_s, u"数组二"_s}},
        {u"a\"b"_s, {u"引号"_s}},                         // a double quote is only a character
        {u" array"_s, {}},                                // not trimmed: searches otherkv
        {u"none"_s, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(index.titlesOf(EditorMode::Navigation, c.keyword), c.titles) << c.keyword.toStdString();
    EXPECT_FALSE(index.titlesOf(EditorMode::NeverOpened, u"array"_s).has_value());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(KeywordIndexTest, LockedKeywordWarnsAboveTenLinks)
{
    for (int i = 1; i <= 11; ++i) {
        if (i <= 10) linkTech(u"ten"_s, u"十%1"_s.arg(i));
        linkTech(u"eleven"_s, u"十一%1"_s.arg(i));
    }
    const auto ten = index.lookUpLocked(EditorMode::Navigation, u" TEN "_s, {}, {});
    ASSERT_TRUE(ten.has_value());
    EXPECT_EQ(ten->size(), 10);
    EXPECT_TRUE(prompter.messages.isEmpty());

    const auto eleven = index.lookUpLocked(EditorMode::Navigation, {}, u"Eleven"_s, u"ten"_s);
    ASSERT_TRUE(eleven.has_value());
    EXPECT_EQ(eleven->size(), 11);
    EXPECT_EQ(prompter.messages, QStringList{KeywordIndex::enoughLinksMessage()});
    // The reading panels list the same links without a word.
    EXPECT_EQ(index.lookUpLocked(EditorMode::Navigation, {}, u"eleven"_s, {}, KeywordIndex::ManyLinks::Quiet)->size(), 11);
    EXPECT_EQ(prompter.messages.size(), 1);

    // Without links the list keeps what it shows; mode 0 opens nothing.
    EXPECT_FALSE(index.lookUpLocked(EditorMode::Navigation, u"none"_s, {}, {}).has_value());
    EXPECT_FALSE(index.lookUpLocked(EditorMode::NeverOpened, u"ten"_s, {}, {}).has_value());
    // In example mode the example keyword field stands in for the locked one.
    link(DatabaseRole::ExampleKeywords, u"ex"_s, u"实例"_s);
    EXPECT_EQ(index.lookUpLocked(EditorMode::Example, {}, u"ten"_s, u"EX"_s), QStringList{u"实例"_s});
}

TEST_F(KeywordIndexTest, LabelsAndExampleListOpenTheLinkedRecord)
{
    linkTech(u"array"_s, u"数组"_s, u"101210110001"_s);
    link(DatabaseRole::ExampleKeywords, u"array"_s, u"数组实例"_s, u"101221110001"_s);
    EXPECT_EQ(index.linkedRecordCode(DatabaseRole::TechKeywords, u"Array"_s, u"数组"_s), u"101210110001"_s);
    EXPECT_EQ(index.linkedRecordCode(DatabaseRole::ExampleKeywords, u"array"_s, u"数组实例"_s), u"101221110001"_s);
    EXPECT_FALSE(index.linkedRecordCode(DatabaseRole::TechKeywords, u"array"_s, u"没有"_s).has_value());
}

TEST_F(KeywordIndexTest, AMissingKeywordDatabaseGivesAMessage)
{
    ASSERT_TRUE(QFile::remove(library.layout().databasePath(DatabaseRole::TechKeywords)));
    EXPECT_FALSE(index.allKeywords(EditorMode::Navigation).has_value());
    EXPECT_FALSE(index.titlesOf(EditorMode::Navigation, u"a"_s).has_value());
    EXPECT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages.first().startsWith(u"关键字数据库无法使用"_s));
}

}  // namespace
}  // namespace kelvor
