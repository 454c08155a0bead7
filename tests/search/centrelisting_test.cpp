#include "search/centrelisting.h"

#include "library/centres.h"

#include "records.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace kelvor;
using test::titled;

namespace {

TEST(CentreListingTest, ListsEveryRecordOfTheListTableInTableOrder)
{
    test::TestLibrary lib;
    // Neither code nor title order: the listing keeps the table's own.
    lib.addRecords("xmzx", {titled("101231110002", "b"), titled("10123111", "c"), titled("101231110001", "a")});
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::Content);
    const TitleList list = listCentre(c, " xmzx");
    EXPECT_EQ(list.names, (std::vector<QString>{"b", "c", "a"}));
    EXPECT_EQ(list.codes, (std::vector<QString>{"101231110002", "10123111", "101231110001"}));
}

TEST(CentreListingTest, TechnologyCentreFromAnotherDatabase)
{
    test::TestLibrary lib;
    lib.addRecords("jszx", {titled("10121011", "a")});
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::SearchHistory);
    EXPECT_EQ(listCentre(c, tableExpression(*centreByTable(u"jszx"), lib.layout())).size(), 1u);
}

TEST(CentreListingTest, NothingToListLeavesTheCallerAsItIs)
{
    test::TestLibrary lib;
    lib.addRecords("jszx", {titled("10121011", "a")});
    SharedConnection c(lib.layout());
    EXPECT_TRUE(listCentre(c, " jszx").empty());  // connection closed
    c.open(DatabaseRole::Content);
    EXPECT_TRUE(listCentre(c, " fazx").empty());  // no rows
    EXPECT_TRUE(listCentre(c, "nosuchtable").empty());
    EXPECT_TRUE(listCentre(c, "").empty());  // before the window is shown
}

}  // namespace
