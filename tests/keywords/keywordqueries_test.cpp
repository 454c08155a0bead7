#include "keywords/keywordqueries.h"

#include <gtest/gtest.h>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;

TEST(KeywordTableRule, FirstCharacterPicksTheTable)
{
    struct Case {
        QString keyword;
        QString table;
    };
    const Case cases[] = {
        {u"Ab"_s, u"akv"_s},       {u"ab"_s, u"akv"_s},          {u"zip"_s, u"zkv"_s},
        {u"3D"_s, u"otherkv"_s},   {u"Ｃ语言"_s, u"otherkv"_s},  {u"指针"_s, u"otherkv"_s},
        {QString(), u"otherkv"_s}, {u" ab"_s, u"otherkv"_s},     {u"_x"_s, u"otherkv"_s},
    };
    for (const Case& c : cases) EXPECT_EQ(keywords::tableFor(c.keyword), c.table) << c.keyword.toStdString();
}

TEST(KeywordFilter, KeepsKeywordsStartingWithTheFilter)
{
    const QStringList all = {u"Array"_s, u"argv"_s, u"char"_s, u" Arc"_s, u"a"_s};
    EXPECT_EQ(keywords::filterKeywords(all, u"ar"_s), (QStringList{u"Array"_s, u"argv"_s, u" Arc"_s}));
    EXPECT_EQ(keywords::filterKeywords(all, u"  AR "_s), (QStringList{u"Array"_s, u"argv"_s, u" Arc"_s}));
    EXPECT_EQ(keywords::filterKeywords(all, QString()), all);
    EXPECT_EQ(keywords::filterKeywords(all, u"arrays"_s), QStringList());
}

TEST(KeywordCentres, OnlyTheSixRecordCentresAreEditable)
{
    EXPECT_EQ(keywords::editableCentreTable(u"技术中心"_s), u"jszx"_s);
    EXPECT_EQ(keywords::editableCentreTable(u"视频中心"_s), u"spzx"_s);
    EXPECT_FALSE(keywords::editableCentreTable(u"从零开始"_s).has_value());
    EXPECT_FALSE(keywords::editableCentreTable(u"工具管理"_s).has_value());
    EXPECT_FALSE(keywords::editableCentreTable(QString()).has_value());
}

}  // namespace
}  // namespace kelvor
