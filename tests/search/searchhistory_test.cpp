#include "search/searchhistory.h"

#include "testlibrary.h"

#include <gtest/gtest.h>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;

using searchhistory::Order;

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

TEST(SearchHistoryLine, FormatsInGbkBytes)
{
    const QString date = QStringLiteral("2024-05-20");
    const QString name24 = QStringLiteral("列表推导式与字典推导式用");  // 12 characters, 24 bytes
    const QString cut24 = QStringLiteral("列表推导式与字典推");         // 9 characters, 18 bytes
    struct Case {
        QString what;
        QString name;
        QVariant count;
        Order order;
        QString line;
    };
    const Case cases[] = {
        {u"two-byte name"_s, u"ab"_s, 3, Order::ByDate, u"ab"_s + blanks(20) + u"0003"_s + blanks(3) + date},
        {u"Chinese name"_s, u"指针"_s, 31, Order::ByCount, u"指针"_s + blanks(18) + u"0031"_s + blanks(3) + date},
        {u"count 0"_s, u"ab"_s, 0, Order::ByCount, u"ab"_s + blanks(20) + u"0001"_s + blanks(3) + date},
        {u"count empty"_s, u"ab"_s, QVariant(), Order::ByCount, u"ab"_s + blanks(20) + u"0001"_s + blanks(3) + date},
        {u"count negative"_s, u"ab"_s, -4, Order::ByDate, u"ab"_s + blanks(20) + u"0001"_s + blanks(3) + date},
        {u"five digits"_s, u"ab"_s, 12345, Order::ByCount, u"ab"_s + blanks(20) + u"12345"_s + blanks(3) + date},
        {u"21 bytes fit"_s, u"abcdefghijklmnopqrstu"_s, 1, Order::ByDate, u"abcdefghijklmnopqrstu "_s + QStringLiteral("0001") + blanks(3) + date},
        {u"22 bytes are cut"_s, u"abcdefghijklmnopqrstuv"_s, 1, Order::ByCount, u"abcdefghijklmnopqr"_s + blanks(3) + u"0001"_s + blanks(3) + date},
        {u"24 bytes by count"_s, name24, 2, Order::ByCount, cut24 + blanks(3) + u"0002"_s + blanks(3) + date},
        {u"24 bytes by date"_s, name24, 2, Order::ByDate, cut24 + blanks(3) + u"0002"_s + blanks(4) + date},
        {u"cut inside a character"_s, u"a"_s + name24, 2, Order::ByCount, u"a"_s + cut24.left(8) + blanks(3) + u"0002"_s + blanks(3) + date},
    };
    for (const Case& c : cases)
        EXPECT_EQ(searchhistory::formatLine(c.name, c.count, date, c.order), c.line) << c.what.toStdString();
    EXPECT_EQ(searchhistory::headerLine(), QStringLiteral("查询记录              次数 最后查询时间"));
}

TEST(SearchHistoryLine, ReplaySearchesThePartBeforeTheFirstBlank)
{
    EXPECT_EQ(searchhistory::queryTextOfLine(searchhistory::formatLine(QStringLiteral("Git 分支"), 1, {}, Order::ByDate)),
              QStringLiteral("Git"));
    EXPECT_EQ(searchhistory::queryTextOfLine(QStringLiteral("  SQL      0031   2024-05-20")), QStringLiteral("SQL"));
}

class SearchHistoryTable : public ::testing::Test {
protected:
    void add(const QString& name, const QString& date, const QString& time, const QVariant& count)
    {
        db->execute(QStringLiteral("insert into howsearch (name, datehow, timehow, readhow) values (?, ?, ?, ?)"),
                    {name, date, time, count});
    }
    QString rowOf(const QString& name)
    {
        return db->scalar(QStringLiteral("select readhow || ' ' || datehow || ' ' || timehow from howsearch "
                                         "where name = ?"),
                          {name})
            .toString();
    }

    test::TestLibrary library;
    std::unique_ptr<Database> db = library.open(DatabaseRole::SearchHistory);
};

TEST_F(SearchHistoryTable, RecordsNewAndRepeatedSearches)
{
    add(QStringLiteral("zero"), QStringLiteral("2024-01-01"), QStringLiteral("00:00:00"), 0);
    const QDateTime first(QDate(2026, 3, 4), QTime(9, 8, 7));
    const QDateTime second(QDate(2026, 3, 5), QTime(21, 0, 1));
    searchhistory::record(*db, QStringLiteral("指针"), first);
    EXPECT_EQ(rowOf(QStringLiteral("指针")), QStringLiteral("1 2026-03-04 09:08:07"));
    searchhistory::record(*db, QStringLiteral("指针"), second);
    EXPECT_EQ(rowOf(QStringLiteral("指针")), QStringLiteral("2 2026-03-05 21:00:01"));
    searchhistory::record(*db, QStringLiteral("zero"), second);  // shown as 1, so now 2
    EXPECT_EQ(rowOf(QStringLiteral("zero")), QStringLiteral("2 2026-03-05 21:00:01"));
    searchhistory::record(*db, QString(), second);
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from howsearch")).toInt(), 2);
    // A quote or a wildcard is only text.
    searchhistory::record(*db, QStringLiteral("it's 100%"), first);
    searchhistory::record(*db, QStringLiteral("it's 100%"), second);
    EXPECT_EQ(rowOf(QStringLiteral("it's 100%")), QStringLiteral("2 2026-03-05 21:00:01"));
}

TEST_F(SearchHistoryTable, ListsInBothOrdersAndKeepsTheListWhenNothingMatches)
{
    add(QStringLiteral("SQL"), QStringLiteral("2024-05-20"), QStringLiteral("10:20:31"), 31);
    add(QStringLiteral("unique_ptr"), QStringLiteral("2024-05-20"), QStringLiteral("21:35:08"), 15);
    add(QStringLiteral("指针"), QStringLiteral("2024-05-19"), QStringLiteral("09:12:44"), 23);
    const auto firstWords = [](const QStringList& lines) {
        QStringList out;
        for (const QString& l : lines.mid(1)) out << searchhistory::queryTextOfLine(l);
        return out;
    };
    const auto byCount = searchhistory::listLines(*db, QString(), Order::ByCount);
    ASSERT_TRUE(byCount.has_value());
    EXPECT_EQ(byCount->first(), searchhistory::headerLine());
    EXPECT_EQ(firstWords(*byCount), (QStringList{u"SQL"_s, u"指针"_s, u"unique_ptr"_s}));
    const auto byDate = searchhistory::listLines(*db, QString(), Order::ByDate);
    EXPECT_EQ(firstWords(*byDate), (QStringList{u"unique_ptr"_s, u"SQL"_s, u"指针"_s}));
    // Case ignored; `_` is a wildcard as in every search of the program.
    EXPECT_EQ(firstWords(*searchhistory::listLines(*db, QStringLiteral("sq"), Order::ByCount)), QStringList{u"SQL"_s});
    EXPECT_EQ(firstWords(*searchhistory::listLines(*db, QStringLiteral("e_p"), Order::ByCount)),
              QStringList{u"unique_ptr"_s});
    EXPECT_FALSE(searchhistory::listLines(*db, QStringLiteral("none'\""), Order::ByDate).has_value());
}

}  // namespace
}  // namespace kelvor
