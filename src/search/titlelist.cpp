#include "titlelist.h"

#include "titlemerge.h"

namespace kelvor {

TitleList allTitles(SharedConnection& connection, const QStringList& tables, const std::function<void()>& tick)
{
    Database& db = connection.db();
    std::vector<Statement> sources;
    sources.reserve(size_t(tables.size()));
    // Each table is read in order from its covering title index, so no sort runs.
    for (const QString& table : tables)
        sources.emplace_back(db, QStringLiteral("select %1 from %2%3")
                                     .arg(QLatin1String(kTitleColumns), connection.titleTable(table),
                                          QLatin1String(kTitleOrder)));
    return mergeOrderedTitles(sources, tick);
}

}  // namespace kelvor
