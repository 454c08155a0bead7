#include "keywordqueries.h"

#include "library/database.h"
#include "library/textrules.h"

namespace kelvor::keywords {

using namespace Qt::StringLiterals;

std::optional<DatabaseRole> databaseOf(EditorMode mode)
{
    switch (mode) {
    case EditorMode::Navigation: return DatabaseRole::TechKeywords;
    case EditorMode::Example: return DatabaseRole::ExampleKeywords;
    case EditorMode::NeverOpened:
    case EditorMode::Folder: break;
    }
    return std::nullopt;
}

QString mainKeywordField(EditorMode mode) { return mode == EditorMode::Navigation ? u"jbmc"_s : u"jbnr"_s; }

Query rowsOfKeywordIn(const QString& table, const QString& keyword)
{
    return {u"select rowid, link, name, setx, xxbh from %1 where link like ? order by rowid"_s.arg(
                quoteIdentifier(table)),
            {keyword}};
}

Query rowsOfKeyword(const QString& keyword) { return rowsOfKeywordIn(tableFor(keyword), keyword); }

QString exactLike(const QString& field) { return field + u" like ? escape '\\'"_s; }

Query rowsOfExactKeywordIn(const QString& table, const QString& keyword)
{
    return {u"select rowid, link, name, setx, xxbh from %1 where %2 order by rowid"_s.arg(quoteIdentifier(table),
                                                                                          exactLike(u"link"_s)),
            {textrules::likeLiteral(keyword)}};
}

Query exactLink(const QString& keyword, const QString& displayName)
{
    return {u"select rowid, link, name, setx, xxbh from %1 where %2 and %3 order by rowid"_s.arg(
                quoteIdentifier(tableFor(keyword)), exactLike(u"link"_s), exactLike(u"name"_s)),
            {textrules::likeLiteral(keyword), textrules::likeLiteral(displayName)}};
}

Query distinctKeywords(const QString& table)
{
    return {u"select link from %1 group by link"_s.arg(quoteIdentifier(table)), {}};
}

std::optional<QString> editableCentreTable(const QString& centreCaption)
{
    static const QStringList editable = {u"jszx"_s, u"slzx"_s, u"xmzx"_s, u"fazx"_s, u"jmzx"_s, u"spzx"_s};
    const Centre* centre = centreByCaption(centreCaption);
    if (!centre || !editable.contains(centre->table)) return std::nullopt;
    return centre->table;
}

QStringList filterKeywords(const QStringList& keywords, const QString& filter)
{
    const QString wanted = filter.trimmed().toLower();
    QStringList kept;
    for (const QString& keyword : keywords)
        if (keyword.trimmed().toLower().left(wanted.size()) == wanted) kept << keyword;
    return kept;
}

}  // namespace kelvor::keywords
