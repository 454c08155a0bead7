#pragma once

#include "library/centres.h"
#include "library/layout.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kelvor::keywords {

// What the keyword editor works on. Hiding the editor keeps the mode.
enum class EditorMode { NeverOpened = 0, Navigation = 1, Example = 2, Folder = 3 };

// The keyword database of a mode: technology for navigation keywords,
// example for example keywords, none for the other modes.
std::optional<DatabaseRole> databaseOf(EditorMode mode);
// The content field that holds a record's main keyword of the mode's kind:
// `jbmc` for navigation keywords, `jbnr` otherwise.
QString mainKeywordField(EditorMode mode);

// The keyword table rule: first character lower-cased, a–z to `akv`…`zkv`,
// anything else (and the empty keyword) to `otherkv`. Callers trim or not as
// their operation requires.
inline QString tableFor(const QString& keyword) { return keywordTableFor(keyword); }

// The lookups compare with `like` on a bound value: the whole value, letter
// case ignored, `%` and `_` still wildcards, a double quote only a character.
Query rowsOfKeyword(const QString& keyword);                             // in tableFor(keyword)
Query rowsOfKeywordIn(const QString& table, const QString& keyword);
Query distinctKeywords(const QString& table);                            // `link` grouped

// What a rename or a delete acts on: the rows of the keyword exactly as
// given, letter case ignored as in the lookups, but `%` and `_` only
// characters, so that `S%` changes the keyword `S%` and never `SQL`.
Query rowsOfExactKeywordIn(const QString& table, const QString& keyword);
Query exactLink(const QString& keyword, const QString& displayName);     // rows of keyword and name
// "<field> like ? escape '\'": bound to textrules::likeLiteral(value), true
// when `field` holds that value itself, letter case ignored.
QString exactLike(const QString& field);

// The centre table the editor reads and writes records of, by the centre
// caption; nothing for a centre outside the six record centres.
std::optional<QString> editableCentreTable(const QString& centreCaption);

// The import choice's entries for a filter text: the keywords whose first
// characters, trimmed and lower-cased, equal the trimmed, lower-cased filter.
QStringList filterKeywords(const QStringList& keywords, const QString& filter);

}  // namespace kelvor::keywords
