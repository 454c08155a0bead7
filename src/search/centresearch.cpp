#include "centresearch.h"

#include "library/containsindex.h"
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
    // The contains index hands over the few rows that can match; each is then
    // checked as before, so the rows are exactly those of the check alone.
    QString candidates;
    QVariantList candidateParams;
    const QString index = foldedTitles ? connection.containsIndex(centre->table) : QString();
    if (!index.isEmpty()) {
        if (const auto narrow = containsindex::narrowing(index, containsindex::Column::Name, text)) {
            candidates = narrow->condition + QStringLiteral(" and ");
            candidateParams = narrow->params;
        }
    }
    if (foldedTitles && !hasWildcard(text)) {
        // The folded title contains the folded text exactly when the case-blind
        // `like '%text%'` holds; instr() over the covering title index is several
        // times faster than calling `like` on every row of the table. The `+`
        // keeps the planner off the code index, whose order would cost a
        // table lookup per row.
        search.query = {QStringLiteral("select name, xxbh from %1 where %2instr(namefold, ?) > 0"
                                       " and name is not null order by +xxbh")
                            .arg(connection.titleTable(centre->table), candidates),
                        candidateParams << textrules::fold(text)};
    } else {
        const QString source = candidates.isEmpty() ? table : connection.titleTable(centre->table);
        search.query = {QStringLiteral("select name, xxbh from %1 where %2name like '%' || ? || '%' order by +xxbh")
                            .arg(source, candidates),
                        candidateParams << text};
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
