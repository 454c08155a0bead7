#include "titlesearch.h"

#include "titlemerge.h"

#include "library/textrules.h"

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
QString rangeCondition(const QString& foldedPrefix, QVariantList& params)
{
    params << foldedPrefix;
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

Query titlePrefixQuery(const QString& qualifiedTable, const QString& text)
{
    const QString select = QStringLiteral("select %1 from %2 where ").arg(QLatin1String(kTitleColumns), qualifiedTable);
    const QString order = QLatin1String(kTitleOrder);
    Query query;
    const qsizetype wildcard = firstWildcard(text);
    if (wildcard < 0) {
        query.sql = select + rangeCondition(textrules::fold(text), query.params) + order;
        return query;
    }
    // With wildcards the case-blind `like` decides; the literal text before
    // the first wildcard still narrows the scan to a range when there is one.
    QString condition;
    if (wildcard > 0) condition = rangeCondition(textrules::fold(text.left(wildcard)), query.params) + " and ";
    query.sql = select + condition + QStringLiteral("name like ?") + order;
    query.params << text + QLatin1Char('%');
    return query;
}

TitleList titleSearch(SharedConnection& connection, const QString& text, const QStringList& tables,
                      const std::function<void()>& tick)
{
    if (text.isEmpty()) return allTitles(connection, tables, tick);
    Database& db = connection.db();
    std::vector<Statement> sources;
    sources.reserve(size_t(tables.size()));
    for (const QString& table : tables) {
        const Query query = titlePrefixQuery(connection.contentTable(table), text);
        sources.emplace_back(db, query.sql);
        sources.back().bindAll(query.params);
    }
    return mergeOrderedTitles(sources, tick);
}

}  // namespace kelvor
