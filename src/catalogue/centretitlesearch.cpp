#include "centretitlesearch.h"

#include "treequeries.h"

namespace kelvor {

CentreTitleSearch centreTitleSearch(const SharedConnection& connection, const QString& text)
{
    CentreTitleSearch search;
    search.currentTable = QStringLiteral("jszx");
    search.centreTitle = QStringLiteral("实例中心");
    const QString table = connection.contentTable(search.currentTable);
    // The typed text is bound; its own % and _ still act as wildcards.
    search.treeQuery = {QStringLiteral("select distinct name,xxbh,link from %1"
                                       " where coalesce(eee,'')='' or name like '%' || ? || '%'"
                                       " or mark like '%' || ? || '%' order by xxbh")
                            .arg(table),
                        {text, text}};
    search.listQuery = {QStringLiteral("select name,xxbh,link from %1"
                                       " where coalesce(eee,'')<>'' and (name like '%' || ? || '%'"
                                       " or mark like '%' || ? || '%')")
                            .arg(table),
                        {text, text}};
    return search;
}

BuildResult runCentreTitleSearch(SharedConnection& connection, const CentreTitleSearch& search, bool queryGroup)
{
    return buildSearchTree(connection, search.treeQuery, queryGroup);
}

}  // namespace kelvor
