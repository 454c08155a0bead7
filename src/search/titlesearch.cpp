#include "titlesearch.h"

#include "titlemerge.h"

#include "library/containsindex.h"
#include "library/textrules.h"

using namespace Qt::StringLiterals;

namespace kelvor {

namespace {

qsizetype firstWildcard(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i) == QLatin1Char('%') || text.at(i) == QLatin1Char('_')) return i;
    return -1;
}

// `namefold` between the folded prefix and its upper bound: a range the
// covering index (namefold, namekey, name, xxbh) serves without a table lookup.
// A prefix of one character is the same test as the title's first character,
// which the initial index serves in listing order, so a page stops early.
// A walk of the initial index instead tests the range on each entry of the
// prefix's first character, in listing order: the `+` keeps the range from
// choosing the folded-title index, whose rows would need a sort.
QString rangeCondition(const QString& foldedPrefix, QVariantList& params, TitlePlan plan = TitlePlan::Range)
{
    const QList<uint> points = foldedPrefix.toUcs4();
    if (points.size() == 1) {
        params << foldedPrefix;
        return QStringLiteral("substr(namefold, 1, 1) = ?");
    }
    const bool walk = plan == TitlePlan::InitialWalk && !points.isEmpty();
    QString condition;
    if (walk) {
        params << QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), 1);
        condition = QStringLiteral("substr(namefold, 1, 1) = ? and ");
    }
    const QString column = walk ? QStringLiteral("+namefold") : QStringLiteral("namefold");
    params << foldedPrefix;
    condition += column + QStringLiteral(" >= ?");
    if (const auto upper = prefixUpperBound(foldedPrefix)) {
        params << *upper;
        condition += QStringLiteral(" and ") + column + QStringLiteral(" < ?");
    }
    return condition;
}

}  // namespace

bool isSearchPage(const QString& centreTitle) { return centreTitle == QStringLiteral(" 检索 "); }

std::optional<QString> prefixUpperBound(const QString& foldedPrefix)
{
    // Stored text compares as UTF-8 bytes, which is code point order: raising
    // the last code point by one bounds every continuation of the prefix.
    QList<uint> points = foldedPrefix.toUcs4();
    while (!points.isEmpty()) {
        uint last = points.takeLast();
        if (last >= 0x10FFFF) continue;  // no code point above it: raise the one before
        ++last;
        if (last >= 0xD800 && last <= 0xDFFF) last = 0xE000;  // surrogates never occur in text
        points.append(last);
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
    }
    return std::nullopt;
}

namespace {

// The condition that picks the titles beginning with `text` (none for an empty text).
QString titleCondition(const QString& text, const QString& qualifiedIndex, QVariantList& params,
                       TitlePlan plan = TitlePlan::Range)
{
    if (text.isEmpty()) return {};
    const qsizetype wildcard = firstWildcard(text);
    if (wildcard < 0) return rangeCondition(textrules::fold(text), params, plan);
    // With wildcards the case-blind `like` decides; the literal text before
    // the first wildcard still narrows the scan to a range when there is one.
    QString condition;
    if (wildcard > 0) {
        condition = rangeCondition(textrules::fold(text.left(wildcard)), params, plan) + QStringLiteral(" and ");
    } else if (!qualifiedIndex.isEmpty()) {
        // A title that begins with the pattern contains its literal runs.
        if (const auto narrow = containsindex::narrowing(qualifiedIndex, containsindex::Column::Name, text)) {
            condition = narrow->condition + QStringLiteral(" and ");
            params << narrow->params;
        }
    }
    params << text + QLatin1Char('%');
    return condition + QStringLiteral("name like ?");
}

// The rows after `key` in the order (namekey, name, xxbh), which puts NULL
// before every value: column by column, NULL-aware.
QString afterCondition(const TitleKey& key, QVariantList& params)
{
    auto above = [&](const QString& column, const QVariant& value) {
        if (value.isNull()) return column + QStringLiteral(" is not null");
        params << value;
        return column + QStringLiteral(" > ?");
    };
    auto same = [&](const QString& column, const QVariant& value) {
        if (value.isNull()) return column + QStringLiteral(" is null");
        params << value;
        return column + QStringLiteral(" = ?");
    };
    QString condition;
    // A plain lower bound first, so the title index can seek to the key.
    if (!key.sortKey.isNull()) {
        params << key.sortKey;
        condition = QStringLiteral("namekey >= ? and ");
    }
    // Built left to right, so the values are bound in the order they appear.
    condition += QLatin1Char('(') + above(QStringLiteral("namekey"), key.sortKey);
    condition += QStringLiteral(" or (") + same(QStringLiteral("namekey"), key.sortKey);
    condition += QStringLiteral(" and (") + above(QStringLiteral("name"), key.name);
    condition += QStringLiteral(" or (") + same(QStringLiteral("name"), key.name);
    condition += QStringLiteral(" and ") + above(QStringLiteral("xxbh"), key.code) + QStringLiteral("))))");
    return condition;
}

QString selectTitles(const QString& qualifiedTable)
{
    return QStringLiteral("select %1 from %2").arg(QLatin1String(kTitleColumns), qualifiedTable);
}

}  // namespace

Query titlePrefixQuery(const QString& qualifiedTable, const QString& text, const QString& qualifiedIndex)
{
    Query query;
    const QString condition = titleCondition(text, qualifiedIndex, query.params);
    query.sql = selectTitles(qualifiedTable) + QStringLiteral(" where ") + condition + QLatin1String(kTitleOrder);
    return query;
}

TitlePlan titlePagePlan(Database& db, const QString& qualifiedTable, const QString& text,
                        const std::optional<TitleKey>& after, size_t limit, qint64 denseFrom)
{
    // Only a literal prefix of two characters or more reads a range that a
    // sort must order; a prefix that begins with a wildcard has no range.
    const qsizetype wildcard = firstWildcard(text);
    const QString folded = textrules::fold(wildcard < 0 ? text : text.left(wildcard));
    const QList<uint> points = folded.toUcs4();
    if (points.size() < 2 || limit == 0) return TitlePlan::Range;

    // Each entry read costs about the same in either index, so the cheaper
    // plan reads fewer. A range under `denseFrom` titles is sorted: counting
    // stops there, and the sort then finds its pages already read.
    QVariantList params;
    QString range = rangeCondition(folded, params);
    params << denseFrom;
    const qint64 rows = db.scalar(QStringLiteral("select count(*) from (select 1 from %1 where %2 limit ?)")
                                      .arg(qualifiedTable, range),
                                  params)
                            .toLongLong();
    if (rows < denseFrom) return TitlePlan::Range;

    // A dense range is walked when the page's rows come within twice as many
    // entries of the initial index as the range holds at least; titles of
    // the same first character that sort before the prefix's are stepped over.
    params.clear();
    params << QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), 1);
    QString walk = QStringLiteral("select name, namefold from %1 where substr(namefold, 1, 1) = ?").arg(qualifiedTable);
    if (after) walk += QStringLiteral(" and ") + afterCondition(*after, params);
    walk += QLatin1String(kTitleOrder) + QStringLiteral(" limit ?");
    params << 2 * denseFrom;
    const QString wanted = titleCondition(text, {}, params);
    params << qint64(limit);
    const qint64 found =
        db.scalar(QStringLiteral("select count(*) from (select 1 from (%1) where %2 limit ?)").arg(walk, wanted), params)
            .toLongLong();
    return found >= qint64(limit) ? TitlePlan::InitialWalk : TitlePlan::Range;
}

Query titlePageQuery(const QString& qualifiedTable, const QString& text, const QString& qualifiedIndex,
                     const std::optional<TitleKey>& after, size_t limit, TitlePlan plan)
{
    Query query;
    QStringList conditions;
    if (const QString c = titleCondition(text, qualifiedIndex, query.params, plan); !c.isEmpty()) conditions << c;
    if (after) conditions << afterCondition(*after, query.params);
    query.sql = selectTitles(qualifiedTable);
    if (!conditions.isEmpty()) query.sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    query.sql += QLatin1String(kTitleOrder) + QStringLiteral(" limit ?");
    query.params << qint64(limit);
    return query;
}

TitlePage titleSearchPage(SharedConnection& connection, const QString& text, const std::optional<TitleKey>& after,
                          size_t limit, const QStringList& tables, qint64 denseFrom)
{
    Database& db = connection.db();
    std::vector<Statement> sources;
    sources.reserve(size_t(tables.size()));
    // Each table gives at most `limit` rows after the key: a row of the page
    // is never preceded in its own table by more than `limit` others.
    for (const QString& table : tables) {
        const QString titles = connection.titleTable(table);
        const TitlePlan plan = titlePagePlan(db, titles, text, after, limit, denseFrom);
        const Query query = titlePageQuery(titles, text, connection.containsIndex(table), after, limit, plan);
        sources.emplace_back(db, query.sql);
        sources.back().bindAll(query.params);
    }
    TitlePage page;
    page.titles = mergeOrderedTitles(sources, {}, limit, &page.last);
    page.complete = page.titles.size() < limit;
    return page;
}

TitlePager titleSearchPager(SharedConnection& connection, const QString& text)
{
    return [&connection, text](const std::optional<TitleKey>& after, size_t limit) {
        if (!connection.isOpen()) connection.open(DatabaseRole::Content);
        return titleSearchPage(connection, text, after, limit);
    };
}

TitleList titleSearch(SharedConnection& connection, const QString& text, const QStringList& tables,
                      const std::function<void()>& tick)
{
    if (text.isEmpty()) return allTitles(connection, tables, tick);
    Database& db = connection.db();
    std::vector<Statement> sources;
    sources.reserve(size_t(tables.size()));
    for (const QString& table : tables) {
        const Query query =
            titlePrefixQuery(connection.titleTable(table), text, connection.containsIndex(table));
        sources.emplace_back(db, query.sql);
        sources.back().bindAll(query.params);
    }
    return mergeOrderedTitles(sources, tick);
}

}  // namespace kelvor
