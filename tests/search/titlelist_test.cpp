#include "search/titlelist.h"

#include "library/centres.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace kelvor;

namespace {

CentreRecord rec(const char* code, const char* name) { return {code, QString::fromUtf8(name), "", "", "", "", "", "", "", "", ""}; }

TEST(TitleListTest, MergesSixCentresInTitleOrder)
{
    test::TestLibrary lib;
    lib.addRecords("jszx", {rec("10121035", "中文"), rec("10121036", "beta")});
    lib.addRecords("slzx", {rec("10122135", "Alpha"), rec("10122136", "beta")});  // same title, other code
    lib.addRecords("xmzx", {rec("10123135", "阿里")});
    lib.addRecords("spzx", {rec("10121635", "长城")});
    lib.addRecords("jmzx", {rec("22012135", "ALPHA")});
    lib.addRecords("study", {rec("20510111", "不在检索页")});

    SharedConnection conn(lib.layout());
    conn.open(DatabaseRole::Content);
    int ticks = 0;
    const TitleList list = allTitles(conn, searchPageTables(), [&] { ++ticks; });
    std::vector<QString> expectedNames = {"Alpha", "ALPHA", "beta", "beta", "阿里", "长城", "中文"};
    // Equal titles apart from case keep a stable order; compare case-insensitively.
    ASSERT_EQ(list.size(), expectedNames.size());
    for (size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(list.names[i].toLower(), expectedNames[i].toLower()) << i;
    EXPECT_EQ(list.codes[4], "10123135");

    // The same order as the database's own sort of the union.
    const Query q = searchPageQuery([&](const QString& t) { return conn.contentTable(t); });
    std::vector<QString> byDatabase;
    for (const auto& r : conn.db().query(q.sql)) byDatabase.push_back(r.text("name").toLower());
    std::vector<QString> merged;
    for (const auto& n : list.names) merged.push_back(n.toLower());
    EXPECT_EQ(merged, byDatabase);
}

TEST(TitleListTest, SameTitleAndCodeInTwoTablesIsListedOnce)
{
    test::TestLibrary lib;
    lib.addRecords("jszx", {rec("10121035", "重复")});
    lib.addRecords("slzx", {rec("10121035", "重复")});
    SharedConnection conn(lib.layout());
    conn.open(DatabaseRole::SearchHistory);  // content tables are reached from any database
    const TitleList list = allTitles(conn, searchPageTables());
    EXPECT_EQ(list.size(), 1u);
}

}  // namespace
