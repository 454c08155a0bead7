#include "search/centrelisting.h"

#include "library/centres.h"

#include "records.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;
using test::titled;

namespace {

TEST(CentreListingTest, ListsEveryRecordOfTheListTableInTableOrder)
{
    test::TestLibrary lib;
    // Neither code nor title order: the listing keeps the table's own.
    lib.addRecords(u"xmzx"_s, {titled(u"101231110002"_s, u"b"_s), titled(u"10123111"_s, u"c"_s), titled(u"101231110001"_s, u"a"_s)});
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::Content);
    const TitleList list = listCentre(c, u" xmzx"_s);
    EXPECT_EQ(list.names, (std::vector<QString>{u"b"_s, u"c"_s, u"a"_s}));
    EXPECT_EQ(list.codes, (std::vector<QString>{u"101231110002"_s, u"10123111"_s, u"101231110001"_s}));
}

TEST(CentreListingTest, TechnologyCentreFromAnotherDatabase)
{
    test::TestLibrary lib;
    lib.addRecords(u"jszx"_s, {titled(u"10121011"_s, u"a"_s)});
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::SearchHistory);
    EXPECT_EQ(listCentre(c, tableExpression(*centreByTable(u"jszx"), lib.layout())).size(), 1u);
}

TEST(CentreListingTest, NothingToListLeavesTheCallerAsItIs)
{
    test::TestLibrary lib;
    lib.addRecords(u"jszx"_s, {titled(u"10121011"_s, u"a"_s)});
    SharedConnection c(lib.layout());
    EXPECT_TRUE(listCentre(c, u" jszx"_s).empty());  // connection closed
    c.open(DatabaseRole::Content);
    EXPECT_TRUE(listCentre(c, u" fazx"_s).empty());  // no rows
    EXPECT_TRUE(listCentre(c, u"nosuchtable"_s).empty());
    EXPECT_TRUE(listCentre(c, u""_s).empty());  // before the window is shown
}

}  // namespace
