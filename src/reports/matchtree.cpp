#include "matchtree.h"

#include "library/containsindex.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

namespace kelvor::reports {

namespace {

struct Hit {
    QString code;
    QString name;
};

std::vector<Hit> hitsOf(SharedConnection& connection, const QString& table, containsindex::Column column,
                        const QString& term)
{
    const Query query = matchQuery(connection, table, column, term);
    Statement statement(connection.db(), query.sql);
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

Query matchQuery(SharedConnection& connection, const QString& table, containsindex::Column column, const QString& term)
{
    const QString field = column == containsindex::Column::Name ? QStringLiteral("name") : QStringLiteral("mark");
    // The contains index hands over the few rows that can match and the same
    // `like` checks them, so the rows are exactly those of the `like` alone.
    QString candidates;
    QVariantList params;
    const QString index = connection.containsIndex(table);
    if (!index.isEmpty()) {
        if (const auto narrow = containsindex::narrowing(index, column, term)) {
            candidates = narrow->condition + QStringLiteral(" and ");
            params = narrow->params;
        }
    }
    // Code order lists folders before their contents; a row without a code
    // sorts first and so ends the operation before the group's records.
    return {QStringLiteral("select distinct xxbh, name from %1 where %2%3 like '%' || ? || '%' order by xxbh")
                .arg(connection.contentTable(table), candidates, field),
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

void setzncx(SharedConnection& connection, const MatchCentre& centre, const QString& term, MatchTree& tree)
{
    // Both queries run before any node is added, so a failing one adds none.
    const auto titles = hitsOf(connection, centre.table, containsindex::Column::Name, term);
    const auto contents = hitsOf(connection, centre.table, containsindex::Column::Mark, term);
    const QString count = QStringLiteral(" 条数：");
    if (!addGroup(tree, centre.titleGroupKey, centre.caption + QStringLiteral("标题中包含 ") + term + count,
                  QLatin1Char('n'), titles))
        return;
    addGroup(tree, centre.contentGroupKey, centre.caption + QStringLiteral("内容中包含 ") + term + count,
             QLatin1Char('m'), contents);
}

// A centre's connection and the state of its file when it was opened.
struct MatchSearcher::Open {
    DatabaseRole role;
    std::unique_ptr<SharedConnection> connection;
    QDateTime modified;
    qint64 size = -1;
};

MatchSearcher::MatchSearcher(LibraryLayout layout) : m_layout(std::move(layout)) {}
MatchSearcher::~MatchSearcher() = default;

SharedConnection* MatchSearcher::connectionFor(const MatchCentre& centre)
{
    const QFileInfo file(m_layout.databasePath(centre.database));
    auto it = std::find_if(m_open.begin(), m_open.end(),
                           [&](const std::unique_ptr<Open>& o) { return o->role == centre.database; });
    if (it != m_open.end()) {
        if (file.exists() && file.lastModified() == (*it)->modified && file.size() == (*it)->size)
            return (*it)->connection.get();
        m_open.erase(it);
    }
    auto open = std::make_unique<Open>();
    open->role = centre.database;
    open->connection = std::make_unique<SharedConnection>(m_layout);
    open->connection->open(centre.database);  // throws for a missing or unreadable file
    open->modified = file.lastModified();
    open->size = file.size();
    m_open.push_back(std::move(open));
    return m_open.back()->connection.get();
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
            setzncx(*connectionFor(centre), centre, term, tree);
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
            connectionFor(centre);
        } catch (const DatabaseError&) {
            // The query says so when it needs this centre.
        }
    }
}

MatchTree buildMatchTree(const LibraryLayout& layout, const QString& term, const std::array<bool, 6>& options,
                         const std::atomic_bool* cancel)
{
    return MatchSearcher(layout).build(term, options, cancel);
}

QString skippedCentreMessage(const QString& caption)
{
    return caption + QStringLiteral("的检索数据库无法读取，已跳过。");
}

}  // namespace kelvor::reports
