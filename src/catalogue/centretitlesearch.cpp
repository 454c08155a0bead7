#include "centretitlesearch.h"

#include "treequeries.h"

#include "library/containsindex.h"

namespace kelvor {

CentreTitleSearch centreTitleSearch(const SharedConnection& connection, const QString& text)
{
    CentreTitleSearch search;
    search.currentTable = QStringLiteral("jszx");
    search.centreTitle = QStringLiteral("实例中心");
    const QString table = connection.contentTable(search.currentTable);
    // The typed text is bound; its own % and _ still act as wildcards. Each
    // `like` is tried only on the rows the contains index offers for it.
    QVariantList params;
    const QString index = connection.containsIndex(search.currentTable);
    auto contains = [&](containsindex::Column column, const QString& field) {
        const auto narrow = index.isEmpty() ? std::nullopt : containsindex::narrowing(index, column, text);
        const QString test = field + QStringLiteral(" like '%' || ? || '%'");
        if (!narrow) {
            params << text;
            return test;
        }
        params << narrow->params << text;
        return QStringLiteral("(%1 and %2)").arg(narrow->condition, test);
    };
    const QString matches = contains(containsindex::Column::Name, QStringLiteral("name")) + QStringLiteral(" or ") +
                            contains(containsindex::Column::Mark, QStringLiteral("mark"));
    search.treeQuery = {QStringLiteral("select distinct name,xxbh,link from %1"
                                       " where coalesce(eee,'')='' or %2 order by xxbh")
                            .arg(table, matches),
                        params};
    // Without an order the rows came in the table's own order, rowid order;
    // the index's candidates may arrive otherwise, so that order is asked for.
    search.listQuery = {QStringLiteral("select name,xxbh,link from %1 where coalesce(eee,'')<>'' and (%2) order by rowid")
                            .arg(table, matches),
                        params};
    return search;
}

BuildResult runCentreTitleSearch(SharedConnection& connection, const CentreTitleSearch& search, bool queryGroup)
{
    return buildSearchTree(connection, search.treeQuery, queryGroup);
}

}  // namespace kelvor
