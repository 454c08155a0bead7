#include "search/resultlist.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

TitleList rows(int n, const QString& tag)
{
    TitleList list;
    for (int i = 0; i < n; ++i) {
        list.names.push_back(QStringLiteral("%1 title %2").arg(tag).arg(i));
        list.codes.push_back(QStringLiteral("%1%2").arg(tag).arg(i));
    }
    return list;
}

TEST(ResultListTest, CodeOfEveryLineAtItsPositionAndOneSparePosition)
{
    ResultList results;
    results.show(rows(5, u"a"_s));
    EXPECT_EQ(results.lineCount(), 5u);
    ASSERT_EQ(results.codeTable().size(), 6u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(results.codeAt(i), QStringLiteral("a%1").arg(i));
    EXPECT_EQ(results.codeAt(5), u""_s);  // the spare position
    EXPECT_EQ(results.codeAt(6), u""_s);
    EXPECT_EQ(results.codeAt(-1), u""_s);
}

TEST(ResultListTest, ResizeKeepsWhatTheTableHeldWithinItsNewSize)
{
    ResultList results;
    results.show(rows(7, u"a"_s));
    results.show(rows(5, u"b"_s));
    ASSERT_EQ(results.codeTable().size(), 6u);
    EXPECT_EQ(results.codeAt(4), u"b4"_s);
    EXPECT_EQ(results.codeAt(5), u"a5"_s);  // spare, left from the longer search
    EXPECT_EQ(results.lines().back(), u"b title 4"_s);
}

// Paging must end exactly where show() of all the rows ends, whatever the
// table held before: a shorter, an equal and a longer previous list.
TEST(ResultListTest, PagesEndAsTheWholeListShownAtOnce)
{
    const TitleList all = rows(10, u"n"_s);
    auto slice = [&](size_t from, size_t to) {
        TitleList part;
        part.names.assign(all.names.begin() + long(from), all.names.begin() + long(to));
        part.codes.assign(all.codes.begin() + long(from), all.codes.begin() + long(to));
        return part;
    };
    for (int previous : {0, 3, 10, 11, 14}) {
        ResultList whole;
        ResultList paged;
        whole.show(rows(previous, u"p"_s));
        paged.show(rows(previous, u"p"_s));
        whole.show(all);
        paged.showFirstPage(slice(0, 4));
        EXPECT_EQ(paged.lineCount(), 4u);
        EXPECT_EQ(paged.codeAt(3), u"n3"_s);
        paged.appendPage(slice(4, 9));
        paged.appendPage(slice(9, 10));
        paged.appendPage({});
        EXPECT_EQ(paged.lines(), whole.lines()) << previous;
        EXPECT_EQ(paged.codeTable(), whole.codeTable()) << previous;
    }
}

TEST(ResultListTest, EmptiedListKeepsItsCodeTable)
{
    ResultList results;
    results.show(rows(3, u"a"_s));
    results.clearLines();
    EXPECT_TRUE(results.isEmpty());
    EXPECT_EQ(results.codeAt(2), u"a2"_s);
}

}  // namespace
