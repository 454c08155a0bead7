#include "searchhistory.h"

#include "library/gbk.h"

namespace kelvor::searchhistory {

namespace {

constexpr int kNameColumnBytes = 22;
constexpr int kCutNameBelowBytes = 19;
constexpr int kCutNameCharacters = 21;

int byteLength(const QString& text) { return int(gbk::encode(text).size()); }

}  // namespace

void record(Database& historyDb, const QString& text, const QDateTime& now)
{
    if (text.isEmpty()) return;
    const QString date = now.date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString time = now.time().toString(QStringLiteral("HH:mm:ss"));
    Transaction tx(historyDb);
    // A stored count not above 0 is shown as 1, so asking again makes it 2.
    const int raised = historyDb.execute(
        QStringLiteral("update howsearch set readhow = case when readhow > 0 then readhow + 1 else 2 end, "
                       "datehow = ?, timehow = ? where name = ?"),
        {date, time, text});
    if (raised == 0)
        historyDb.execute(QStringLiteral("insert into howsearch (name, datehow, timehow, readhow) values (?, ?, ?, 1)"),
                          {text, date, time});
    tx.commit();
}

QString headerLine()
{
    return QStringLiteral("查询记录") + QStringLiteral("              次数 ") + QStringLiteral("最后查询时间");
}

QString formatLine(const QString& name, const QVariant& count, const QString& date, Order order)
{
    QString column;
    bool cut = false;
    const int length = byteLength(name);
    if (length < kNameColumnBytes) {
        column = name + QString(kNameColumnBytes - length, QLatin1Char(' '));
    } else {
        cut = true;
        column = name.left(kCutNameCharacters);
        while (byteLength(column) >= kCutNameBelowBytes) column.chop(1);
        column += QStringLiteral("   ");
    }
    bool isNumber = false;
    qlonglong shown = count.toLongLong(&isNumber);
    if (!isNumber || shown <= 0) shown = 1;
    const QString separator = order == Order::ByDate && cut ? QStringLiteral("    ") : QStringLiteral("   ");
    return column + QStringLiteral("%1").arg(shown, 4, 10, QLatin1Char('0')) + separator + date;
}

std::optional<QStringList> listLines(Database& historyDb, const QString& filter, Order order)
{
    const QString orderBy = order == Order::ByCount ? QStringLiteral("readhow desc")
                                                    : QStringLiteral("datehow desc, timehow desc");
    const auto rows = historyDb.query(
        QStringLiteral("select name, datehow, readhow from howsearch where name like '%' || ? || '%' order by ") +
            orderBy,
        {filter});
    if (rows.empty()) return std::nullopt;
    QStringList lines{headerLine()};
    for (const Row& row : rows) lines << formatLine(row.text(0), row.value(2), row.text(1), order);
    return lines;
}

QString queryTextOfLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    return blank < 0 ? trimmed : trimmed.left(blank);
}

}  // namespace kelvor::searchhistory
