#include "centresearch.h"

#include "library/textrules.h"

namespace kelvor {

namespace {

bool hasWildcard(const QString& text)
{
    return text.contains(QLatin1Char('%')) || text.contains(QLatin1Char('_'));
}

}  // namespace

QString noTitleMatchMessage() { return QStringLiteral("标题中没有检索到您需要的数据!!"); }

std::optional<CentreSearch> centreSearch(const SharedConnection& connection, const QString& currentTable,
                                         const QString& text)
{
    // Before the window is shown the current table is empty: there is no centre to search.
    const Centre* centre = currentTable.trimmed().isEmpty() ? nullptr : centreByTable(currentTable);
    if (!centre) return std::nullopt;
    const QString table = connection.contentTable(centre->table);

    CentreSearch search;
    search.highlightTerm = text;
    search.listQuery = centreQueries(*centre, connection.layout(), table).listQuery;
    // Catalogue-only centres keep no folded titles; their tables are small.
    const bool foldedTitles = !centre->codePrefix.isEmpty();
    if (foldedTitles && !hasWildcard(text)) {
        // The folded title contains the folded text exactly when the case-blind
        // `like '%text%'` holds; instr() over the covering title index is several
        // times faster than calling `like` on every row of the table. The `+`
        // keeps the planner off the code index, whose order would cost a
        // table lookup per row.
        search.query = {QStringLiteral("select name, xxbh from %1 where instr(namefold, ?) > 0"
                                       " and name is not null order by +xxbh")
                            .arg(table),
                        {textrules::fold(text)}};
    } else {
        search.query = {QStringLiteral("select name, xxbh from %1 where name like '%' || ? || '%' order by +xxbh")
                            .arg(table),
                        {text}};
    }
    return search;
}

TitleList runCentreSearch(SharedConnection& connection, const CentreSearch& search)
{
    Statement statement(connection.db(), search.query.sql);
    statement.bindAll(search.query.params);
    TitleList found;
    while (statement.step()) {
        found.names.push_back(statement.text(0));
        found.codes.push_back(statement.text(1));
    }
    return found;
}

}  // namespace kelvor
