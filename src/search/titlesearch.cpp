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
QString rangeCondition(const QString& foldedPrefix, QVariantList& params)
{
    params << foldedPrefix;
    if (foldedPrefix.toUcs4().size() == 1) return QStringLiteral("substr(namefold, 1, 1) = ?");
    if (const auto upper = prefixUpperBound(foldedPrefix)) {
        params << *upper;
        return QStringLiteral("namefold >= ? and namefold < ?");
    }
    return QStringLiteral("namefold >= ?");
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
QString titleCondition(const QString& text, const QString& qualifiedIndex, QVariantList& params)
{
    if (text.isEmpty()) return {};
    const qsizetype wildcard = firstWildcard(text);
    if (wildcard < 0) return rangeCondition(textrules::fold(text), params);
    // With wildcards the case-blind `like` decides; the literal text before
    // the first wildcard still narrows the scan to a range when there is one.
    QString condition;
    if (wildcard > 0) {
        condition = rangeCondition(textrules::fold(text.left(wildcard)), params) + QStringLiteral(" and ");
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

Query titlePageQuery(const QString& qualifiedTable, const QString& text, const QString& qualifiedIndex,
                     const std::optional<TitleKey>& after, size_t limit)
{
    Query query;
    QStringList conditions;
    if (const QString c = titleCondition(text, qualifiedIndex, query.params); !c.isEmpty()) conditions << c;
    if (after) conditions << afterCondition(*after, query.params);
    query.sql = selectTitles(qualifiedTable);
    if (!conditions.isEmpty()) query.sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    query.sql += QLatin1String(kTitleOrder) + QStringLiteral(" limit ?");
    query.params << qint64(limit);
    return query;
}

TitlePage titleSearchPage(SharedConnection& connection, const QString& text, const std::optional<TitleKey>& after,
                          size_t limit, const QStringList& tables)
{
    Database& db = connection.db();
    std::vector<Statement> sources;
    sources.reserve(size_t(tables.size()));
    // Each table gives at most `limit` rows after the key: a row of the page
    // is never preceded in its own table by more than `limit` others.
    for (const QString& table : tables) {
        const Query query =
            titlePageQuery(connection.titleTable(table), text, connection.containsIndex(table), after, limit);
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
