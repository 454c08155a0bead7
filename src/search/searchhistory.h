#pragma once

#include "library/database.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelvor::searchhistory {

// The two orders of the history list: "次数" and "日期".
enum class Order { ByCount, ByDate };

// Counts the search of `text` in `howsearch`: a new text gets count 1, a
// known one a count one higher; either way the date and time become `now`.
// One transaction, so a failure leaves the table as it was. An empty text is
// not recorded.
void record(Database& historyDb, const QString& text, const QDateTime& now);

// "查询记录              次数 最后查询时间"
QString headerLine();

// One fixed-width line of the list, measured in GBK bytes: the name in a
// 22-byte column (cut below 19 bytes plus three blanks when it does not fit),
// the count in at least four digits (1 when not above 0), three blanks (four
// in the date order after a cut name), and the date.
QString formatLine(const QString& name, const QVariant& count, const QString& date, Order order);

// The header and one line per row whose name contains `filter` (a typed `%`
// or `_` is still a wildcard), in `order`; nothing when no row matches, so
// the list keeps what it shows.
std::optional<QStringList> listLines(Database& historyDb, const QString& filter, Order order);

// What replaying a line searches for: the line without surrounding blanks,
// up to its first blank.
QString queryTextOfLine(const QString& line);

}  // namespace kelvor::searchhistory
