#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

struct sqlite3;

namespace kelvor::textrules {

// Case folding used by `like` and by the folded title column: full Unicode
// folding, so `ab` matches `AB` and full-width `ｃ` matches `Ｃ`.
QString fold(QStringView text);

// `%` any run, `_` one character, case ignored; `escape` (if not null) makes
// the next character literal.
bool like(QStringView pattern, QStringView text, QChar escape = QChar());

// A `like` pattern that matches `text` itself, case still ignored: `%`, `_`
// and the escape character `\` are escaped. Use it with `like ? escape '\'`
// wherever a typed value names the rows to change, so that a `%` in it is
// only a character.
QString likeLiteral(QStringView text);

// Chinese titles in pinyin order, letter case ignored. The sort key is a
// byte string whose memcmp order equals compare(); stored beside titles so an
// index can serve "order by title".
int compare(QStringView a, QStringView b);
QByteArray sortKey(QStringView text);

// The name of the collation registered on every connection.
inline constexpr const char* kCollation = "PINYIN";

// Registers like/len/right/pinyin_key/fold and the PINYIN collation.
// SQLite reserves RIGHT for joins, so statements call it quoted: "right"(x, n).
void registerOn(sqlite3* db);

}  // namespace kelvor::textrules
