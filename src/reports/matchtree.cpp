#include "matchtree.h"

#include "library/containsindex.h"
#include "library/libraryindexes.h"
#include "library/librarydatabases.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

namespace kelvor::reports {

namespace {

struct Hit {
    QString code;
    QString name;
};

std::vector<Hit> hitsOf(Database& db, const QString& containsIndex, const QString& table, containsindex::Column column,
                        const QString& term)
{
    const Query query = matchQuery(table, containsIndex, column, term);
    Statement statement(db, query.sql);
    statement.bindAll(query.params);
    std::vector<Hit> hits;
    while (statement.step()) hits.push_back({statement.text(0).trimmed(), statement.text(1).trimmed()});
    return hits;
}

// Adds one group; false when an empty code or title ended the operation.
bool addGroup(MatchTree& tree, const QString& groupKey, const QString& groupText, QChar prefix,
              const std::vector<Hit>& hits)
{
    if (hits.empty()) return true;
    tree.nodes.push_back({groupKey, groupText + QString::number(hits.size()), true});
    for (const Hit& h : hits) {
        if (h.code.isEmpty() || h.name.isEmpty()) return false;
        tree.nodes.push_back({prefix + h.code, h.name, false});
    }
    return true;
}

}  // namespace

Query matchQuery(const QString& table, const QString& containsIndex, containsindex::Column column, const QString& term)
{
    const QString field = column == containsindex::Column::Name ? QStringLiteral("name") : QStringLiteral("mark");
    // The contains index hands over the few rows that can match and the same
    // `like` checks them, so the rows are exactly those of the `like` alone.
    QString candidates;
    QVariantList params;
    if (!containsIndex.isEmpty()) {
        if (const auto narrow = containsindex::narrowing(containsIndex, column, term)) {
            candidates = narrow->condition + QStringLiteral(" and ");
            params = narrow->params;
        }
    }
    // The centre's own copy, never a table of the same name in an attached database.
    // Code order lists folders before their contents; a row without a code
    // sorts first and so ends the operation before the group's records.
    return {QStringLiteral("select distinct xxbh, name from main.%1 where %2%3 like '%' || ? || '%' order by xxbh")
                .arg(quoteIdentifier(table), candidates, field),
            params << term};
}

const std::vector<MatchCentre>& matchCentres()
{
    static const std::vector<MatchCentre> all = {
        {0, DatabaseRole::Centre981, QStringLiteral("jszx"), QStringLiteral("a2621"), QStringLiteral("a2622"),
         QStringLiteral("技术中心")},
        {1, DatabaseRole::Centre982, QStringLiteral("slzx"), QStringLiteral("a2623"), QStringLiteral("a2624"),
         QStringLiteral("实例中心")},
        {2, DatabaseRole::Centre983, QStringLiteral("xmzx"), QStringLiteral("a2625"), QStringLiteral("a2626"),
         QStringLiteral("项目中心")},
        {4, DatabaseRole::Centre986, QStringLiteral("jmzx"), QStringLiteral("a2629"), QStringLiteral("a2630"),
         QStringLiteral("界面中心")},
        {5, DatabaseRole::Centre985, QStringLiteral("spzx"), QStringLiteral("a2631"), QStringLiteral("a2632"),
         QStringLiteral("视频中心")},
    };
    return all;
}

void setzncx(Database& centreDb, const QString& containsIndex, const MatchCentre& centre, const QString& term,
             MatchTree& tree)
{
    // Both queries run before any node is added, so a failing one adds none.
    const auto titles = hitsOf(centreDb, containsIndex, centre.table, containsindex::Column::Name, term);
    const auto contents = hitsOf(centreDb, containsIndex, centre.table, containsindex::Column::Mark, term);
    const QString count = QStringLiteral(" 条数：");
    if (!addGroup(tree, centre.titleGroupKey, centre.caption + QStringLiteral("标题中包含 ") + term + count,
                  QLatin1Char('n'), titles))
        return;
    addGroup(tree, centre.contentGroupKey, centre.caption + QStringLiteral("内容中包含 ") + term + count,
             QLatin1Char('m'), contents);
}

namespace {

// Size and last write of a file; empty when there is none.
QString fileState(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return {};
    return QStringLiteral("%1:%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

}  // namespace

// A centre's database, where its contains index lies, and the state of its
// file and of its cache file when that was decided.
struct MatchSearcher::Open {
    DatabaseRole role;
    std::unique_ptr<Database> db;
    QString containsIndex;
    QString fileState;
    QString cacheState;
};

MatchSearcher::MatchSearcher(LibraryLayout layout, QString cacheFolder)
    : m_layout(std::move(layout)), m_cacheFolder(std::move(cacheFolder))
{
}
MatchSearcher::~MatchSearcher() = default;

QString MatchSearcher::containsIndexOf(Database& centreDb, const QString& table) const
{
    const QString index = quoteIdentifier(containsindex::indexTableFor(table));
    switch (useCentreIndexes(centreDb, m_cacheFolder)) {
    case SharedConnection::IndexPlace::Library: return QStringLiteral("main.") + index;
    case SharedConnection::IndexPlace::Cache:
        return QString::fromLatin1(SharedConnection::kCacheSchema) + QLatin1Char('.') + index;
    case SharedConnection::IndexPlace::None: break;
    }
    return {};
}

MatchSearcher::Open& MatchSearcher::openFor(const MatchCentre& centre)
{
    const QString path = m_layout.databasePath(centre.database);
    const QString cachePath = m_cacheFolder.isEmpty() ? QString() : indexCachePath(m_cacheFolder, path);
    auto it = std::find_if(m_open.begin(), m_open.end(),
                           [&](const std::unique_ptr<Open>& o) { return o->role == centre.database; });
    if (it != m_open.end()) {
        Open& open = **it;
        const QString state = fileState(path);
        if (!state.isEmpty() && state == open.fileState) {
            // A copy without a usable index is scanned until the start-up's
            // preparing writes one into the cache (one beside the table
            // changes the file, which is opened anew).
            if (open.containsIndex.isEmpty() && !cachePath.isEmpty() && fileState(cachePath) != open.cacheState) {
                open.cacheState = fileState(cachePath);
                open.containsIndex = containsIndexOf(*open.db, centre.table);
            }
            return open;
        }
        m_open.erase(it);
    }
    auto open = std::make_unique<Open>();
    open->role = centre.database;
    open->fileState = fileState(path);
    open->cacheState = cachePath.isEmpty() ? QString() : fileState(cachePath);
    open->db = openLibraryDatabase(m_layout, centre.database);  // throws for a missing or unreadable file
    open->containsIndex = containsIndexOf(*open->db, centre.table);
    m_open.push_back(std::move(open));
    return *m_open.back();
}

MatchTree MatchSearcher::build(const QString& term, const std::array<bool, 6>& options, const std::atomic_bool* cancel)
{
    const std::lock_guard lock(m_mutex);
    MatchTree tree;
    for (const MatchCentre& centre : matchCentres()) {
        if (cancel && cancel->load()) {
            tree.cancelled = true;
            break;
        }
        if (!options[std::size_t(centre.option)]) continue;
        const std::size_t before = tree.nodes.size();
        try {
            Open& open = openFor(centre);
            setzncx(*open.db, open.containsIndex, centre, term, tree);
        } catch (const DatabaseError&) {
            tree.nodes.resize(before);
            tree.skipped << skippedCentreMessage(centre.caption);
            // Opened anew next time: the file may be mended by then.
            std::erase_if(m_open, [&](const std::unique_ptr<Open>& o) { return o->role == centre.database; });
        }
    }
    return tree;
}

void MatchSearcher::prepare(const std::array<bool, 6>& options, const std::atomic_bool* cancel)
{
    const std::lock_guard lock(m_mutex);
    for (const MatchCentre& centre : matchCentres()) {
        if (cancel && cancel->load()) return;
        if (!options[std::size_t(centre.option)]) continue;
        try {
            openFor(centre);
        } catch (const DatabaseError&) {
            // The query says so when it needs this centre.
        }
    }
}

MatchTree buildMatchTree(const LibraryLayout& layout, const QString& term, const std::array<bool, 6>& options,
                         const std::atomic_bool* cancel, const QString& cacheFolder)
{
    return MatchSearcher(layout, cacheFolder).build(term, options, cancel);
}

QString skippedCentreMessage(const QString& caption)
{
    return caption + QStringLiteral("的检索数据库无法读取，已跳过。");
}

}  // namespace kelvor::reports
